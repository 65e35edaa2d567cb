// The three ways a lookup's outcome is printed.
#include <ostream>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "render/DictTextReader.h"
#include "render/StatusPages.h"
#include "shell/HeadlessLookup.h"
#include "shell/Json.h"
#include "shell/PlainText.h"

namespace {

constexpr std::u16string_view kNameLanguage = u"English";

std::u16string GroupName(const CHeadlessLookup& lookup) {
    const CDictGroup* pGroup = lookup.GetCurrentGroup();
    return pGroup ? pGroup->GetName() : std::u16string();
}

// The outcome's message when it is not a list of results.
std::u16string OutcomeMessage(const CHeadlessLookup& lookup, LookupOutcome outcome,
                              std::u16string_view query) {
    switch (outcome) {
        case LookupOutcome::NotFound:
            return FormatTextId(IDS_TEXT_NOT_FOUND,
                                {u"", u"", query, u"", u"", GroupName(lookup), u"", u""});
        case LookupOutcome::EmptyText:
            return LoadText(IDS_ENTER_TEXT).value_or(u"");
        case LookupOutcome::NoEnabledDictionaries:
            return FormatTextId(IDS_NO_ENABLED_DICTIONARIES, {GroupName(lookup)}) + u"\n" +
                   LoadText(IDS_SEARCH_NOT_AVAILABLE).value_or(u"");
        default:
            return {};
    }
}

// Left and right text as the page shows them: an undivided article is all
// left text.
std::pair<std::pair<int, int>, std::pair<int, int>> PartRanges(const CSearchResult& r) {
    if (r.HasSplit()) return {{r.m_nLeftStart, r.m_nLeftEnd}, {r.m_nRightStart, r.m_nRightEnd}};
    return {{r.m_nLeftStart, r.m_nRightEnd}, {0, 0}};
}

std::u16string ReadText(CDictIndexFile& dict, std::pair<int, int> range) {
    std::u16string text;
    if (range.second <= range.first || !dict.GetText(range.first, range.second, text)) return {};
    return text;
}

// Blank lines and spaces around a part are left out; the lines inside it are
// indented under its first one.
std::u16string Indented(std::u16string_view text, std::u16string_view indent) {
    while (!text.empty() &&
           (text.front() == u' ' || text.front() == u'\n' || text.front() == u'\t'))
        text.remove_prefix(1);
    std::u16string out;
    for (char16_t c : text) {
        out += c;
        if (c == u'\n') out += indent;
    }
    while (!out.empty() && (out.back() == u' ' || out.back() == u'\n'))
        out.pop_back();
    return out;
}

void PrintTextArticle(CDictIndexFile& dict, const CSearchResult& result, int nOrdinal,
                      std::ostream& out) {
    const auto [left, right] = PartRanges(result);
    const std::u16string leftText =
        ToMarkedPlainText(ReadText(dict, left), left.first, result.m_aSpans);
    const std::u16string rightText =
        ToMarkedPlainText(ReadText(dict, right), right.first, result.m_aSpans);
    out << "  " << nOrdinal + 1 << ". " << ToUtf8(Indented(leftText, u"     ")) << '\n';
    const std::u16string rightShown = Indented(rightText, u"     ");
    if (!rightShown.empty()) out << "     " << ToUtf8(rightShown) << '\n';
    if (result.HasCaption()) {
        std::u16string caption;
        if (result.CaptionHasSplit())
            caption = ReadText(dict, {result.m_nCaptionLeftStart, result.m_nCaptionLeftEnd}) +
                      u" / " +
                      ReadText(dict, {result.m_nCaptionRightStart, result.m_nCaptionRightEnd});
        else
            caption = ReadText(dict, {result.m_nCaptionLeftStart, result.m_nCaptionRightEnd});
        out << "     (" << ToUtf8(ToMarkedPlainText(caption, 0, {})) << ")\n";
    }
}

// The page's base address is the folder without its trailing separator.
std::u16string HomeForBase(std::u16string home) {
    while (home.size() > 1 && home.back() == u'/')
        home.pop_back();
    return home;
}

std::string JsonPair(int a, int b) {
    return "[" + std::to_string(a) + ", " + std::to_string(b) + "]";
}

void PrintJsonResult(CDictIndexFile& dict, const CSearchResult& r, std::ostream& out) {
    const auto [left, right] = PartRanges(r);
    out << "{\"class\": " << r.m_nClass << ", \"left\": " << JsonPair(r.m_nLeftStart, r.m_nLeftEnd)
        << ", \"right\": " << JsonPair(r.m_nRightStart, r.m_nRightEnd) << ", \"caption\": ";
    if (r.HasCaption())
        out << "[" << r.m_nCaptionLeftStart << ", " << r.m_nCaptionLeftEnd << ", "
            << r.m_nCaptionRightStart << ", " << r.m_nCaptionRightEnd << "]";
    else
        out << "null";
    out << ", \"spans\": [";
    for (size_t i = 0; i < r.m_aSpans.size(); ++i)
        out << (i ? ", " : "") << JsonPair(r.m_aSpans[i].nStart, r.m_aSpans[i].nEnd);
    const std::u16string leftMarkup = ReadText(dict, left);
    const std::u16string rightMarkup = ReadText(dict, right);
    out << "], \"left_text\": " << JsonString(ToMarkedPlainText(leftMarkup, left.first, {}))
        << ", \"right_text\": " << JsonString(ToMarkedPlainText(rightMarkup, right.first, {}))
        << ", \"left_markup\": " << JsonString(leftMarkup)
        << ", \"right_markup\": " << JsonString(rightMarkup) << "}";
}

void PrintJsonWords(std::string_view name, const std::vector<std::u16string>& words,
                    std::ostream& out) {
    out << ", \"" << name << "\": [";
    for (size_t i = 0; i < words.size(); ++i)
        out << (i ? ", " : "") << JsonString(words[i]);
    out << "]";
}

}  // namespace

std::u16string LookupDisplayName(const CHeadlessLookup& lookup, const CDictIndexFile& dict) {
    return lookup.GetLibrary().GetDisplayName(dict, kNameLanguage, kNameLanguage, kNameLanguage);
}

void PrintLookupText(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out) {
    if (outcome == LookupOutcome::Failed) return;
    if (outcome != LookupOutcome::Results) {
        out << ToUtf8(OutcomeMessage(lookup, outcome, query)) << '\n';
        const auto& suggestions = lookup.GetSuggestions();
        for (size_t i = 0; i < suggestions.size(); ++i)
            out << (i ? ", " : "Did you mean: ") << ToUtf8(suggestions[i])
                << (i + 1 == suggestions.size() ? "\n" : "");
        return;
    }
    CDictSearch& search = lookup.GetSearch();
    const int nPage = options.nPage.value_or(1) - 1;
    const CResultFileList files = search.GetFilesWithResults();
    for (size_t f = 0; f < files.aFiles.size(); ++f) {
        const CFileWithResults& file = files.aFiles[f];
        CDictIndexFile& dict = *search.GetParticipant(file.nPosition);
        if (f > 0) out << '\n';
        out << ToUtf8(LookupDisplayName(lookup, dict)) << " (" << file.nTotal << ")";
        if (GetPageCount(file.nTotal) > 1)
            out << ", page " << nPage + 1 << " of " << GetPageCount(file.nTotal);
        out << '\n';
        search.GetResults(file.nPosition)
            ->ForEachOnPage(nPage, [&](const CSearchResult& result, int nOrdinal) {
                PrintTextArticle(dict, result, nOrdinal, out);
            });
    }
}

void PrintLookupJson(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out,
                     std::optional<CLookupTiming> timing) {
    if (outcome == LookupOutcome::Failed) {
        out << "{";
        if (timing) out << "\"query\": " << JsonString(query) << ", ";
        out << "\"error\": " << JsonString(lookup.GetError()) << "}\n";
        return;
    }
    CDictSearch& search = lookup.GetSearch();
    const CResultFileList files = search.GetFilesWithResults();
    out << "{\"query\": " << JsonString(query) << ", \"group\": " << JsonString(GroupName(lookup))
        << ", \"first\": ";
    if (files.nFirstShown)
        out << files.aFiles[static_cast<size_t>(*files.nFirstShown)].nPosition;
    else
        out << "null";
    if (outcome != LookupOutcome::Results)
        out << ", \"message\": " << JsonString(OutcomeMessage(lookup, outcome, query));
    out << ", \"dictionaries\": [";
    const CDictGroup* pGroup = lookup.GetCurrentGroup();
    const int nCount = pGroup ? pGroup->Count() : 0;
    for (int nPos = 0; nPos < nCount; ++nPos) {
        CDictIndexFile* pDict = pGroup->GetDict(nPos);
        const CDictResults* pResults = search.GetResults(nPos);
        const int nTotal = pResults ? pResults->GetTotal() : 0;
        out << (nPos ? ", " : "") << "{\"file\": " << JsonString(pDict->GetFileName())
            << ", \"name\": "
            << JsonString(pDict->IsValid() ? LookupDisplayName(lookup, *pDict) : u"")
            << ", \"enabled\": " << JsonBool(lookup.IsEnabledInGroup(nPos))
            << ", \"valid\": " << JsonBool(pDict->IsValid())
            << ", \"error\": " << (pDict->IsValid() ? "null" : JsonString(pDict->GetError()))
            << ", \"searched\": " << JsonBool(search.GetParticipant(nPos) != nullptr)
            << ", \"total\": " << nTotal << ", \"results\": [";
        int nShown = 0;
        auto print = [&](const CSearchResult& result, int) {
            out << (nShown++ ? ", " : "");
            PrintJsonResult(*pDict, result, out);
        };
        if (pResults && options.nPage)
            pResults->ForEachOnPage(*options.nPage - 1, print);
        else if (pResults)
            for (int n = 0; n < nTotal; ++n)
                print(*pResults->GetResultAt(n), n);
        out << "]}";
    }
    out << "]";
    PrintJsonWords("suggestions", lookup.GetSuggestions(), out);
    if (timing) {
        out << ", \"microseconds\": " << timing->nSearch;
        if (timing->nSuggest >= 0) out << ", \"suggestion_microseconds\": " << timing->nSuggest;
    }
    out << "}\n";
}

bool PrintLookupHtml(CHeadlessLookup& lookup, LookupOutcome outcome, std::u16string_view query,
                     const CLookupOptions& options, std::ostream& out, std::u16string& strError) {
    std::u16string page;
    switch (outcome) {
        case LookupOutcome::Failed:
            return true;
        case LookupOutcome::NotFound:
            page = NotFoundPageHtml(options.nFontSize, query, GroupName(lookup));
            break;
        case LookupOutcome::EmptyText:
            page = EmptyTextPageHtml(options.nFontSize);
            break;
        case LookupOutcome::NoEnabledDictionaries:
            page = NoEnabledDictionariesPageHtml(options.nFontSize, GroupName(lookup));
            break;
        case LookupOutcome::Results: {
            CDictSearch& search = lookup.GetSearch();
            const CResultFileList files = search.GetFilesWithResults();
            const CFileWithResults& file = files.aFiles[static_cast<size_t>(*files.nFirstShown)];
            CDictIndexFile& dict = *search.GetParticipant(file.nPosition);
            CResultPageRequest request{search.GetResults(file.nPosition),
                                       dict.GetFileType(),
                                       file.nTotal,
                                       options.nPage.value_or(1) - 1,
                                       LookupDisplayName(lookup, dict),
                                       HomeForBase(lookup.GetHome())};
            CResultPageRenderer renderer({options.nLayout, options.nFontSize});
            if (!renderer.RenderResultPage(request, MakeTextReader(dict), page)) {
                strError = renderer.GetError();
                return false;
            }
            break;
        }
    }
    out << ToUtf8(page) << '\n';
    return true;
}
