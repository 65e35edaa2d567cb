// The dictionaries of one run of the shell: the library of the program
// folder's "Dictionaries", the groups of "DictGroup.bin" and the morphology
// modules the dictionaries ask for. Start-up and the dictionary manager's
// Refresh go through here; windows (the start-up splash, message boxes) are
// the program's business, which shows the collected messages.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "DictGroupList.h"
#include "DictLibrary.h"
#include "core/MyObject.h"

class CLemmatizer;

class CDictSession : public CMyObject {
public:
    // strProgramFolder holds "Dictionaries" and "DictGroup.bin". The
    // lemmatizer (may be null: no morphology) belongs to the caller and must
    // outlive the session. A read-only session never writes the groups file.
    CDictSession(std::u16string strProgramFolder, CLemmatizer* pLemmatizer, bool bReadOnly = false);
    // Saves the groups once more, unless read-only or never initialised.
    ~CDictSession() override;
    CDictSession(const CDictSession&) = delete;
    CDictSession& operator=(const CDictSession&) = delete;

    // Once at start: morphology root, library, groups, then a refresh. False
    // when the refresh collected messages; they are the error text.
    bool InitDictionaries();
    // Saves the groups, rescans the folder, reloads the groups and loads the
    // morphology of the current group's dictionaries. Every dictionary
    // object is replaced: whatever pointed at the old ones must be rebuilt.
    // False when any step left a message; all of them, joined by CR LF, are
    // the error text.
    bool RefreshDictionaries();

    CDictLibrary& GetLibrary() { return m_library; }
    // Exists after InitDictionaries.
    CDictGroupList* GetGroupList() { return m_pGroups.get(); }
    std::u16string GetDictionariesFolder() const;
    std::u16string GetGroupFilePath() const;

private:
    void LoadMorphology(std::u16string& messages);
    std::u16string JoinProgramPath(std::u16string_view name) const;

    std::u16string m_strProgramFolder;
    CLemmatizer* m_pLemmatizer;
    bool m_bReadOnly;
    CDictLibrary m_library;
    std::unique_ptr<CDictGroupList> m_pGroups;
    std::set<int> m_loadedLanguages;
};
