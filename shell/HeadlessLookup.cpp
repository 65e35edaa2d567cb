#include "shell/HeadlessLookup.h"

#include <chrono>
#include <filesystem>
#include <istream>
#include <ostream>
#include <set>

#include "core/ProgramFolder.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "shell/Json.h"

namespace {

void AddMessage(std::u16string& messages, std::u16string_view text) {
    if (text.empty()) return;
    if (!messages.empty()) messages += u"\r\n";
    messages += text;
}

}  // namespace

CHeadlessLookup::CHeadlessLookup(std::u16string strHome, std::u16string strProgramFolder)
    : m_strHome(std::move(strHome)), m_lemmatizer(strProgramFolder) {
    m_lemmatizer.SetMorphologyRoot(std::move(strProgramFolder));
}

CHeadlessLookup::~CHeadlessLookup() = default;

const CDictGroup* CHeadlessLookup::GetCurrentGroup() const {
    return m_pGroups ? m_pGroups->GetGroup(m_pGroups->GetCurrentGroup()) : nullptr;
}

bool CHeadlessLookup::Open(const std::optional<std::u16string>& group,
                           std::u16string& strWarnings) {
    if (!m_library.ScanFolder(JoinPath(m_strHome, u"Dictionaries"))) {
        SetError(m_library.GetError());
        return false;
    }
    AddMessage(strWarnings, m_library.GetLoadMessages());
    const std::u16string strGroupFile = JoinPath(m_strHome, u"DictGroup.bin");
    m_pGroups = std::make_unique<CDictGroupList>(m_library, ToUtf8(strGroupFile));
    // Without a groups file the window starts with the automatic group too;
    // only a file that exists and cannot be used is worth a word.
    if (!m_pGroups->GetError().empty() && std::filesystem::exists(ToUtf8(strGroupFile)))
        AddMessage(strWarnings, m_pGroups->GetError());
    if (group) {
        int nFound = -1;
        for (int i = 0; i < m_pGroups->GetGroupCount() && nFound < 0; ++i)
            if (m_pGroups->GetGroup(i)->GetName() == *group) nFound = i;
        if (nFound < 0 || !m_pGroups->SetCurrentGroup(nFound)) {
            SetError(u"No group named '" + *group + u"'");
            return false;
        }
    }
    LoadMorphology(strWarnings);
    m_pSearch = std::make_unique<CDictSearch>(&m_lemmatizer, *m_pGroups);
    return true;
}

void CHeadlessLookup::LoadMorphology(std::u16string& strWarnings) {
    const CDictGroup* pGroup = GetCurrentGroup();
    if (pGroup == nullptr) return;
    std::set<int> loaded;
    for (int n = 0; n < pGroup->Count(); ++n) {
        const CDictIndexFile* pDict = pGroup->GetDict(n);
        if (pDict == nullptr || !pDict->IsValid()) continue;
        for (int i = 0; i < pDict->GetMorphDescrCount(); ++i) {
            const int nLang = pDict->GetMorphDescr(i).nLangId;
            if (loaded.contains(nLang) || !m_lemmatizer.IsLanguageEnabled(nLang)) continue;
            loaded.insert(nLang);
            if (!m_lemmatizer.LoadLanguage(nLang)) AddMessage(strWarnings, m_lemmatizer.GetError());
        }
    }
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

int CHeadlessLookup::Lookup(const CLookupOptions& options, std::ostream& out, std::ostream& err) {
    const std::u16string query = options.query.value_or(u"");
    const LookupOutcome outcome = Run(query, options);
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
