#include "shell/HeadlessLookup.h"

#include <algorithm>
#include <chrono>
#include <istream>
#include <ostream>

#include "core/Utf8.h"
#include "shell/Json.h"

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
            SetError(u"No group named '" + *group + u"'");
            return false;
        }
        if (!m_session.SelectGroup(nFound)) {
            if (!strWarnings.empty()) strWarnings += u"\r\n";
            strWarnings += m_session.GetError();
        }
    }
    m_pSearch = std::make_unique<CDictSearch>(&m_lemmatizer, groups);
    return true;
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
    if (m_pSearch->GetFilesWithResults().nFirstShown) return LookupOutcome::Results;
    return query.empty() ? LookupOutcome::EmptyText : LookupOutcome::NotFound;
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
            PrintLookupText(*this, outcome, query, options, out);
            break;
        case OutputFormat::Json:
            PrintLookupJson(*this, outcome, query, options, out);
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

int CHeadlessLookup::Batch(const CLookupOptions& options, std::istream& in, std::ostream& out) {
    int nExit = EXIT_RESULTS;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::u16string query = FromUtf8(line);
        const auto start = std::chrono::steady_clock::now();
        const LookupOutcome outcome = Run(query, options);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const long long nMicro =
            std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
        long long nTotal = 0;
        for (int i = 0; i < m_pSearch->GetPositionCount(); ++i)
            nTotal += m_pSearch->GetResults(i)->GetTotal();
        out << "{\"query\": " << JsonString(query) << ", \"total\": " << nTotal
            << ", \"microseconds\": " << nMicro;
        if (outcome == LookupOutcome::Failed) {
            out << ", \"error\": " << JsonString(GetError());
            nExit = EXIT_FAILURE_OR_USAGE;
        }
        out << "}\n";
    }
    return nExit;
}
