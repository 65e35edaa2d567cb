#include "DictSession.h"

#include <filesystem>
#include <system_error>

#include "DictGroupFile.h"
#include "core/Lemmatizer.h"
#include "core/ProgramFolder.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

namespace {

void AddMessage(std::u16string& messages, std::u16string_view text) {
    if (text.empty()) return;
    if (!messages.empty()) messages += u"\r\n";
    messages += text;
}

// A folder as the rest of the program names it: without a trailing
// separator (the root folder stays "/").
std::u16string WithoutSlash(std::u16string folder) {
    while (folder.size() > 1 && folder.back() == u'/')
        folder.pop_back();
    return folder;
}

bool FileExists(const std::u16string& path) {
    std::error_code ec;
    return std::filesystem::exists(ToFileName(path), ec);
}

}  // namespace

CDictSession::CDictSession(std::u16string strHome, std::u16string strProgramFolder,
                           CLemmatizer* pLemmatizer, bool bReadOnly)
    : m_strHome(WithoutSlash(std::move(strHome))),
      m_strProgramFolder(WithoutSlash(std::move(strProgramFolder))),
      m_pLemmatizer(pLemmatizer),
      m_bReadOnly(bReadOnly) {}

CDictSession::~CDictSession() {
    if (m_pGroups && !m_bReadOnly) static_cast<void>(m_pGroups->SaveGroups());
}

void CDictSession::SetDictionaryFolders(std::u16string strOwn,
                                        std::vector<std::u16string> systemFolders) {
    m_strDictionaries = std::move(strOwn);
    m_systemDictionaries = std::move(systemFolders);
}

std::u16string CDictSession::GetDictionariesFolder() const {
    return m_strDictionaries.empty() ? JoinPath(m_strHome, u"Dictionaries/")
                                     : JoinPath(m_strDictionaries, u"");
}

std::u16string CDictSession::GetGroupFilePath() const {
    return JoinPath(m_strHome, kGroupFileName);
}

const CDictGroup* CDictSession::GetCurrentGroup() const {
    return m_pGroups ? m_pGroups->GetGroup(m_pGroups->GetCurrentGroup()) : nullptr;
}

bool CDictSession::InitDictionaries() {
    if (m_pLemmatizer) m_pLemmatizer->SetMorphologyRoot(m_strProgramFolder);
    // The refresh repeats the scan and the loading, and collects the
    // messages of both; these first results are not reported twice.
    m_bFolderFound = m_library.ScanFolder(GetDictionariesFolder(), m_systemDictionaries);
    m_pGroups = std::make_unique<CDictGroupList>(m_library, ToFileName(GetGroupFilePath()));
    std::u16string messages;
    // The refresh saves the groups before it loads them again: a file that
    // could not be used would be replaced without a word.
    if (!m_bReadOnly && !m_pGroups->GetError().empty() && FileExists(GetGroupFilePath())) {
        AddMessage(messages, m_pGroups->GetError());
        KeepDamagedGroupFile(messages);
    }
    return Refresh(std::move(messages));
}

bool CDictSession::RefreshDictionaries() {
    return Refresh({});
}

bool CDictSession::Refresh(std::u16string messages) {
    ClearError();
    if (!m_pGroups) return false;
    if (!m_bReadOnly && !m_pGroups->SaveGroups()) AddMessage(messages, m_pGroups->GetError());
    m_bFolderFound = m_library.ScanFolder(GetDictionariesFolder(), m_systemDictionaries);
    if (!m_bFolderFound) AddMessage(messages, m_library.GetError());
    AddMessage(messages, m_library.GetLoadMessages());
    // Without a groups file the default group is what the user expects.
    if (!m_pGroups->LoadGroups() && FileExists(GetGroupFilePath()))
        AddMessage(messages, m_pGroups->GetError());
    LoadMorphology(messages);
    if (messages.empty()) return true;
    SetError(messages);
    return false;
}

void CDictSession::KeepDamagedGroupFile(std::u16string& messages) const {
    const std::string path = ToFileName(GetGroupFilePath());
    std::error_code ec;
    std::filesystem::rename(path, path + ".bad", ec);
    if (ec) AddMessage(messages, FromFileName(path + ".bad: " + ec.message()));
}

bool CDictSession::SelectGroup(int nIndex) {
    ClearError();
    if (!m_pGroups || !m_pGroups->SetCurrentGroup(nIndex)) {
        SetError(u"No group " + FromUtf8(std::to_string(nIndex)));
        return false;
    }
    std::u16string messages;
    LoadMorphology(messages);
    if (messages.empty()) return true;
    SetError(messages);
    return false;
}

void CDictSession::LoadMorphology(std::u16string& messages) {
    if (!m_pLemmatizer) return;
    const CDictGroup* pGroup = GetCurrentGroup();
    if (!pGroup) return;
    for (int n = 0; n < pGroup->Count(); ++n) {
        const CDictIndexFile* pDict = pGroup->GetDict(n);
        if (!pDict || !pDict->IsValid()) continue;
        for (int i = 0; i < pDict->GetMorphDescrCount(); ++i) {
            const int nLang = pDict->GetMorphDescr(i).nLangId;
            if (m_loadedLanguages.contains(nLang) || !m_pLemmatizer->IsLanguageEnabled(nLang)) {
                continue;
            }
            // A failed language is switched off by the lemmatizer, so it is
            // asked once; a loaded one is not loaded again by a refresh.
            if (m_pLemmatizer->LoadLanguage(nLang)) {
                m_loadedLanguages.insert(nLang);
            } else {
                AddMessage(messages, m_pLemmatizer->GetError());
            }
        }
    }
}
