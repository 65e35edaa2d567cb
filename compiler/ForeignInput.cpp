#include "ForeignInput.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/Utf8.h"

namespace {

// Lines judged: enough to tell a pattern, few enough for a short head.
constexpr size_t kLinesJudged = 20;

struct Line {
    std::string_view text;
    int32_t nNumber;
};

// The non-empty lines of head, without their line ends; the last one only
// when head holds the whole of it (the file is shorter than a full head).
std::vector<Line> FirstLines(std::string_view head, bool bWhole, size_t nMax) {
    std::vector<Line> lines;
    int32_t nNumber = 0;
    size_t nPos = 0;
    while (nPos < head.size() && lines.size() < nMax) {
        size_t nEnd = head.find('\n', nPos);
        if (nEnd == std::string_view::npos) {
            if (!bWhole) break;
            nEnd = head.size();
        }
        ++nNumber;
        std::string_view text = head.substr(nPos, nEnd - nPos);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (!text.empty()) lines.push_back({text, nNumber});
        nPos = nEnd + 1;
    }
    return lines;
}

bool IsBase64Number(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '/';
    });
}

// "headword TAB offset TAB length", the numbers in dictd's base 64.
bool IsDictdIndexLine(std::string_view line) {
    const size_t nTab1 = line.find('\t');
    if (nTab1 == 0 || nTab1 == std::string_view::npos) return false;
    const size_t nTab2 = line.find('\t', nTab1 + 1);
    if (nTab2 == std::string_view::npos) return false;
    return IsBase64Number(line.substr(nTab1 + 1, nTab2 - nTab1 - 1)) &&
           IsBase64Number(line.substr(nTab2 + 1));
}

}  // namespace

ForeignInputFinding FindForeignInput(std::string_view head, std::u16string_view strPartsSep) {
    if (head.size() >= 2 && head[0] == '\x1F' && head[1] == '\x8B') {
        return {ForeignInput::GZIP, 1};
    }
    const bool bWhole = head.size() < kForeignInputHead;
    // The line tests read UTF-8 text.
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return {};
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    std::vector<Line> lines = FirstLines(head, bWhole, kLinesJudged);
    // Keyword lines belong to a source.
    std::erase_if(lines, [](const Line& line) { return line.text.front() == '$'; });
    if (lines.empty()) return {};
    auto all = [&lines](auto test) {
        return std::all_of(lines.begin(), lines.end(),
                           [&test](const Line& line) { return test(line.text); });
    };
    if (all(IsDictdIndexLine)) return {ForeignInput::DICTD_INDEX, lines.front().nNumber};
    if (strPartsSep.find(u'\t') != std::u16string_view::npos) return {};
    const std::string strSep = ToUtf8(strPartsSep);
    const bool bTabsWithoutSeparator = all([&strSep](std::string_view text) {
        return text.find('\t') != std::string_view::npos &&
               (strSep.empty() || text.find(strSep) == std::string_view::npos);
    });
    if (bTabsWithoutSeparator) return {ForeignInput::TAB_SEPARATED, lines.front().nNumber};
    return {};
}
