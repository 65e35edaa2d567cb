#include "shell/PlainText.h"

#include <algorithm>
#include <vector>

#include "dictformat/MarkupScanner.h"

namespace {

// Match boundaries relative to raw, merged, inside 0..size.
std::vector<std::pair<size_t, size_t>> LocalSpans(std::span<const CMatchSpan> aSpans, int nRawStart,
                                                  size_t nSize) {
    std::vector<std::pair<size_t, size_t>> local;
    for (const CMatchSpan& span : aSpans) {
        const long long s = std::clamp<long long>(span.nStart - static_cast<long long>(nRawStart),
                                                  0, static_cast<long long>(nSize));
        const long long e = std::clamp<long long>(span.nEnd - static_cast<long long>(nRawStart), s,
                                                  static_cast<long long>(nSize));
        if (e > s) local.emplace_back(static_cast<size_t>(s), static_cast<size_t>(e));
    }
    std::sort(local.begin(), local.end());
    std::vector<std::pair<size_t, size_t>> merged;
    for (const auto& span : local) {
        if (!merged.empty() && span.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }
    return merged;
}

// A line break or paragraph tag reads as a line end in plain text.
bool IsBreakTag(std::u16string_view tag) {
    std::u16string name;
    for (char16_t c : tag.substr(1)) {
        if (c == u'/' && name.empty()) continue;
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) break;
        name += static_cast<char16_t>(c | 0x20);
    }
    return name == u"br" || name == u"p";
}

}  // namespace

std::u16string ToMarkedPlainText(std::u16string_view raw, int nRawStart,
                                 std::span<const CMatchSpan> aSpans) {
    const auto spans = LocalSpans(aSpans, nRawStart, raw.size());
    std::u16string out;
    out.reserve(raw.size() + spans.size() * 4);
    CMarkupScanner markup(raw);
    size_t nSpan = 0;
    bool bOpen = false;
    // Emits the markers of every boundary passed before position i.
    auto markUpTo = [&](size_t i) {
        while (nSpan < spans.size()) {
            if (!bOpen && spans[nSpan].first <= i) {
                out += MATCH_OPEN;
                bOpen = true;
            } else if (bOpen && spans[nSpan].second <= i) {
                out += MATCH_CLOSE;
                bOpen = false;
                ++nSpan;
            } else {
                break;
            }
        }
    };
    for (size_t i = 0; i < raw.size();) {
        markUpTo(i);
        const char16_t c = raw[i];
        if (c == u'<') {
            const size_t nClose = markup.PageTagEnd(i);
            if (nClose != std::u16string_view::npos) {
                if (IsBreakTag(raw.substr(i, nClose - i))) out += u'\n';
                i = nClose + 1;
                continue;
            }
        } else if (c == u'&') {
            if (auto ref = markup.PageReferenceAt(i)) {
                out += ref->first;
                i = ref->second + 1;
                continue;
            }
        } else if (c == u'\r') {
            if (i + 1 < raw.size() && raw[i + 1] == u'\n') ++i;
            out += u'\n';
            ++i;
            continue;
        }
        out += c;
        ++i;
    }
    markUpTo(raw.size());
    if (bOpen) out += MATCH_CLOSE;
    return out;
}
