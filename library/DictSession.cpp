#include "DictSession.h"

#include "DictGroupFile.h"
#include "core/Lemmatizer.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

namespace {

void AddMessage(std::u16string& messages, const std::u16string& text) {
    if (text.empty()) return;
    if (!messages.empty()) messages += u"\r\n";
    messages += text;
}

// The program folder as the rest of the program names it: without a
// trailing separator (the root folder stays "/").
std::u16string WithoutSlash(std::u16string folder) {
    while (folder.size() > 1 && folder.back() == u'/')
        folder.pop_back();
    return folder;
}

}  // namespace

CDictSession::CDictSession(std::u16string strProgramFolder, CLemmatizer* pLemmatizer,
                           bool bReadOnly)
    : m_strProgramFolder(WithoutSlash(std::move(strProgramFolder))),
      m_pLemmatizer(pLemmatizer),
      m_bReadOnly(bReadOnly) {}

CDictSession::~CDictSession() {
    if (m_pGroups && !m_bReadOnly) static_cast<void>(m_pGroups->SaveGroups());
}

std::u16string CDictSession::GetDictionariesFolder() const {
    return JoinProgramPath(u"Dictionaries/");
}

std::u16string CDictSession::GetGroupFilePath() const {
    return JoinProgramPath(kGroupFileName);
}

std::u16string CDictSession::JoinProgramPath(std::u16string_view name) const {
    std::u16string path = m_strProgramFolder;
    if (path.empty() || path.back() != u'/') path += u'/';
    return path + std::u16string(name);
}

bool CDictSession::InitDictionaries() {
    if (m_pLemmatizer) m_pLemmatizer->SetMorphologyRoot(m_strProgramFolder);
    // The refresh repeats the scan and the loading, and collects the
    // messages of both; these first results are not reported twice.
    static_cast<void>(m_library.ScanFolder(GetDictionariesFolder()));
    m_pGroups = std::make_unique<CDictGroupList>(m_library, ToUtf8(GetGroupFilePath()));
    return RefreshDictionaries();
}

bool CDictSession::RefreshDictionaries() {
    ClearError();
    if (!m_pGroups) return false;
    std::u16string messages;
    if (!m_bReadOnly && !m_pGroups->SaveGroups()) AddMessage(messages, m_pGroups->GetError());
    if (!m_library.ScanFolder(GetDictionariesFolder())) AddMessage(messages, m_library.GetError());
    AddMessage(messages, m_library.GetLoadMessages());
    if (!m_pGroups->LoadGroups()) AddMessage(messages, m_pGroups->GetError());
    LoadMorphology(messages);
    if (messages.empty()) return true;
    SetError(messages);
    return false;
}

void CDictSession::LoadMorphology(std::u16string& messages) {
    if (!m_pLemmatizer) return;
    const CDictGroup* pGroup = m_pGroups->GetGroup(m_pGroups->GetCurrentGroup());
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
