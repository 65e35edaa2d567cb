#include "shell/HeadlessLookup.h"

#include <algorithm>
#include <chrono>
#include <istream>
#include <ostream>

#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/Suggestions.h"
#include "shell/Json.h"

namespace {

long long MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

}  // namespace

CHeadlessLookup::CHeadlessLookup(std::u16string strHome, std::u16string strProgramFolder)
    : m_lemmatizer(strProgramFolder),
      m_session(std::move(strHome), std::move(strProgramFolder), &m_lemmatizer, true) {}

CHeadlessLookup::~CHeadlessLookup() = default;

bool CHeadlessLookup::Open(const std::optional<std::u16string>& group,
                           std::u16string& strWarnings) {
    const bool bClean = m_session.InitDictionaries();
    if (!m_session.HasDictionariesFolder()) {
        SetError(m_session.GetLibrary().GetError());
        return false;
    }
    if (!bClean) strWarnings = m_session.GetError();
    CDictGroupList& groups = *m_session.GetGroupList();
    if (group) {
        int nFound = -1;
        for (int i = 0; i < groups.GetGroupCount() && nFound < 0; ++i)
            if (groups.GetGroup(i)->GetName() == *group) nFound = i;
        if (nFound < 0) {
            std::u16string names;
            for (int i = 0; i < groups.GetGroupCount(); ++i)
                names += (i ? u", '" : u"'") + groups.GetGroup(i)->GetName() + u"'";
            SetError(u"No group named '" + *group + u"'; the groups are " + names);
            return false;
        }
        if (!m_session.SelectGroup(nFound)) {
            if (!strWarnings.empty()) strWarnings += u"\r\n";
            strWarnings += m_session.GetError();
        }
    }
    m_pSearch = std::make_unique<CDictSearch>(&m_lemmatizer, groups);
    if (const CDictGroup* pGroup = GetCurrentGroup())
        for (int n = 0; n < pGroup->Count(); ++n)
            m_aEnabledInGroup.push_back(pGroup->IsEnabled(n));
    return true;
}

bool CHeadlessLookup::IsEnabledInGroup(int nPos) const {
    return nPos >= 0 && static_cast<size_t>(nPos) < m_aEnabledInGroup.size() &&
           m_aEnabledInGroup[static_cast<size_t>(nPos)];
}

bool CHeadlessLookup::SelectDictionaries(const std::vector<std::u16string>& names) {
    CDictGroupList& groups = *m_session.GetGroupList();
    CDictGroup* pGroup = groups.GetGroup(groups.GetCurrentGroup());
    if (!pGroup) return false;
    auto isNamed = [&](const CDictIndexFile& dict, std::u16string_view name) {
        const std::u16string& file = dict.GetFileName();
        return name == file ||
               (file.ends_with(u".gmd") && name == file.substr(0, file.size() - 4)) ||
               (dict.IsValid() && name == LookupDisplayName(*this, dict));
    };
    std::vector<bool> selected(static_cast<size_t>(pGroup->Count()));
    for (const std::u16string& name : names) {
        bool bFound = false;
        for (int n = 0; n < pGroup->Count(); ++n) {
            const CDictIndexFile& dict = *pGroup->GetDict(n);
            if (!isNamed(dict, name)) continue;
            if (!dict.IsValid()) {
                const std::u16string& error = dict.GetError();
                SetError(u"'" + name + u"' cannot be searched: " +
                         error.substr(0, error.find_first_of(u"\r\n")));
                return false;
            }
            selected[static_cast<size_t>(n)] = bFound = true;
        }
        if (!bFound) {
            std::u16string held;
            for (int n = 0; n < pGroup->Count(); ++n) {
                const CDictIndexFile& dict = *pGroup->GetDict(n);
                held += (n ? u", " : u"") + dict.GetFileName();
                if (dict.IsValid()) held += u" (" + LookupDisplayName(*this, dict) + u")";
            }
            SetError(u"no dictionary '" + name + u"' in group '" + pGroup->GetName() + u"'" +
                     (held.empty() ? u"" : u"; it holds " + held));
            return false;
        }
    }
    for (int n = 0; n < pGroup->Count(); ++n)
        static_cast<void>(pGroup->SetEnabled(n, selected[static_cast<size_t>(n)]));
    return true;
}

std::vector<CDictIndexFile*> CHeadlessLookup::SearchedDictionaries() const {
    std::vector<CDictIndexFile*> dicts;
    if (const CDictGroup* pGroup = GetCurrentGroup())
        for (int n = 0; n < pGroup->Count(); ++n)
            if (pGroup->IsEnabled(n) && pGroup->GetDict(n)->IsValid())
                dicts.push_back(pGroup->GetDict(n));
    return dicts;
}

LookupOutcome CHeadlessLookup::Run(std::u16string_view query, const CLookupOptions& options) {
    const std::atomic<bool> bCancel{false};
    if (!m_pSearch->SearchText(query, options.nSortMode, options.nArea, bCancel)) {
        const bool bNoEnabled = m_pSearch->GetError().empty();
        m_pSearch->ClearResults();
        if (bNoEnabled) return LookupOutcome::NoEnabledDictionaries;
        SetError(m_pSearch->GetError());
        return LookupOutcome::Failed;
    }
    m_aSuggestions.clear();
    m_nSuggestMicroseconds = -1;
    if (m_pSearch->GetFilesWithResults().nFirstShown) return LookupOutcome::Results;
    if (query.empty()) return LookupOutcome::EmptyText;
    // Only text and JSON show suggestions; a batch's counts do not.
    const bool bShown =
        options.format != OutputFormat::Html && (!options.batchFile || options.bFormatGiven);
    if (!bShown) return LookupOutcome::NotFound;
    const auto start = std::chrono::steady_clock::now();
    CWordList suggestions = SuggestQueries(SearchedDictionaries(), query);
    m_nSuggestMicroseconds = MicrosecondsSince(start);
    if (!suggestions.strError.empty()) {
        SetError(suggestions.strError);
        return LookupOutcome::Failed;
    }
    m_aSuggestions = std::move(suggestions.aWords);
    return LookupOutcome::NotFound;
}

// The pages there are to show: the first shown dictionary's for a page of
// HTML, the most any dictionary has for text and JSON, which show them all.
int CHeadlessLookup::CountPages(OutputFormat format) const {
    const CResultFileList files = m_pSearch->GetFilesWithResults();
    if (!files.nFirstShown) return 0;
    if (format == OutputFormat::Html)
        return GetPageCount(files.aFiles[static_cast<size_t>(*files.nFirstShown)].nTotal);
    int nPages = 0;
    for (const CFileWithResults& file : files.aFiles)
        nPages = std::max(nPages, GetPageCount(file.nTotal));
    return nPages;
}

int CHeadlessLookup::Lookup(const CLookupOptions& options, std::ostream& out, std::ostream& err) {
    const std::u16string query = options.query.value_or(u"");
    const LookupOutcome outcome = Run(query, options);
    if (outcome == LookupOutcome::Results && options.nPage) {
        const int nPages = CountPages(options.format);
        if (*options.nPage > nPages) {
            err << "glossmere: page " << *options.nPage << " of " << nPages << '\n';
            return EXIT_FAILURE_OR_USAGE;
        }
    }
    switch (options.format) {
        case OutputFormat::Text:
        case OutputFormat::Json:
            PrintOutcome(outcome, query, options, out);
            break;
        case OutputFormat::Html: {
            std::u16string strError;
            if (!PrintLookupHtml(*this, outcome, query, options, out, strError)) {
                SetError(strError);
                err << ToUtf8(strError) << '\n';
                return EXIT_FAILURE_OR_USAGE;
            }
            break;
        }
    }
    if (outcome == LookupOutcome::Failed) {
        if (options.format != OutputFormat::Json) err << ToUtf8(GetError()) << '\n';
        return EXIT_FAILURE_OR_USAGE;
    }
    return outcome == LookupOutcome::Results ? EXIT_RESULTS : EXIT_NO_RESULTS;
}

void CHeadlessLookup::PrintOutcome(LookupOutcome outcome, std::u16string_view query,
                                   const CLookupOptions& options, std::ostream& out) {
    if (options.format == OutputFormat::Json)
        PrintLookupJson(*this, outcome, query, options, out);
    else
        PrintLookupText(*this, outcome, query, options, out);
}

int CHeadlessLookup::Batch(const CLookupOptions& options, std::istream& in, std::ostream& out) {
    int nExit = EXIT_RESULTS;
    // Each line's time is its search's own: none pays for reading in the
    // pages of the index that an earlier line happened not to reach. Only
    // the dictionaries searched are read in, not the rest of the library.
    const std::vector<CDictIndexFile*> dicts = SearchedDictionaries();
    for (CDictIndexFile* pDict : dicts)
        pDict->StartReadAhead();
    for (CDictIndexFile* pDict : dicts)
        pDict->WaitUntilIndexResident();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::u16string query = FromUtf8(line);
        const auto start = std::chrono::steady_clock::now();
        const LookupOutcome outcome = Run(query, options);
        // The search alone; suggestions are timed on their own.
        const long long nMicro = MicrosecondsSince(start) - std::max(m_nSuggestMicroseconds, 0LL);
        if (outcome == LookupOutcome::Failed) nExit = EXIT_FAILURE_OR_USAGE;
        if (options.bFormatGiven && options.format == OutputFormat::Json) {
            PrintLookupJson(*this, outcome, query, options, out,
                            CLookupTiming{nMicro, m_nSuggestMicroseconds});
            continue;
        }
        if (options.bFormatGiven) {
            out << "> " << ToUtf8(query) << '\n';
            PrintLookupText(*this, outcome, query, options, out);
            if (outcome == LookupOutcome::Failed) out << ToUtf8(GetError()) << '\n';
            out << '\n';
            continue;
        }
        long long nTotal = 0;
        for (int i = 0; i < m_pSearch->GetPositionCount(); ++i)
            nTotal += m_pSearch->GetResults(i)->GetTotal();
        out << "{\"query\": " << JsonString(query) << ", \"total\": " << nTotal
            << ", \"microseconds\": " << nMicro;
        if (outcome == LookupOutcome::Failed) out << ", \"error\": " << JsonString(GetError());
        out << "}\n";
    }
    return nExit;
}

int CHeadlessLookup::ListPrefix(const CLookupOptions& options, std::ostream& out,
                                std::ostream& err) {
    const CWordList words =
        ListWordsWithPrefix(SearchedDictionaries(), options.prefix.value_or(u""));
    if (!words.strError.empty()) {
        SetError(words.strError);
        err << "glossmere: " << ToUtf8(words.strError) << '\n';
        return EXIT_FAILURE_OR_USAGE;
    }
    if (options.format == OutputFormat::Json) {
        out << "{\"prefix\": " << JsonString(options.prefix.value_or(u"")) << ", \"words\": [";
        for (size_t i = 0; i < words.aWords.size(); ++i)
            out << (i ? ", " : "") << JsonString(words.aWords[i]);
        out << "]}\n";
    } else {
        for (const std::u16string& word : words.aWords)
            out << ToUtf8(word) << '\n';
    }
    return words.aWords.empty() ? EXIT_NO_RESULTS : EXIT_RESULTS;
}
