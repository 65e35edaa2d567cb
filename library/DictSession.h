// The dictionaries of one run of the shell: the library of the home's
// "Dictionaries", the groups of its "DictGroup.bin" and the morphology
// modules the dictionaries ask for. Start-up, the dictionary manager's
// Refresh and the headless lookup go through here; windows (the start-up
// splash, message boxes) are the program's business, which shows the
// collected messages.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "DictGroupList.h"
#include "DictLibrary.h"
#include "core/MyObject.h"

class CLemmatizer;

class CDictSession : public CMyObject {
public:
    // strHome holds "Dictionaries", "DictGroup.bin" and the settings;
    // strProgramFolder the morphology data folders (the lemmatiser library
    // beside the program is the lemmatizer's own business). The lemmatizer
    // (may be null: no morphology) belongs to the caller and must outlive
    // the session. A read-only session never writes in the home.
    CDictSession(std::u16string strHome, std::u16string strProgramFolder, CLemmatizer* pLemmatizer,
                 bool bReadOnly = false);
    // Saves the groups once more, unless read-only or never initialised.
    ~CDictSession() override;
    CDictSession(const CDictSession&) = delete;
    CDictSession& operator=(const CDictSession&) = delete;

    // The user's own dictionaries in strOwn instead of the home's
    // "Dictionaries", and the read-only system folders listed after them.
    // Before InitDictionaries.
    void SetDictionaryFolders(std::u16string strOwn, std::vector<std::u16string> systemFolders);

    // Once at start: morphology root, library, groups, then a refresh. False
    // when anything left a message; they are the error text. A groups file
    // that exists but cannot be used is reported, and before the default
    // groups are written over it, it is kept as "DictGroup.bin.bad".
    bool InitDictionaries();
    // Saves the groups, rescans the folder, reloads the groups and loads the
    // morphology of the current group's dictionaries. Every dictionary
    // object is replaced: whatever pointed at the old ones must be rebuilt.
    // False when any step left a message; all of them, joined by CR LF, are
    // the error text. A missing groups file is no message.
    bool RefreshDictionaries();
    // Makes the group current and loads the morphology its dictionaries ask
    // for; false with the error text when the index is outside the list or
    // a module failed (the group is current then all the same).
    bool SelectGroup(int nIndex);

    CDictLibrary& GetLibrary() { return m_library; }
    const CDictLibrary& GetLibrary() const { return m_library; }
    // Whether the last scan found the "Dictionaries" folder.
    bool HasDictionariesFolder() const { return m_bFolderFound; }
    // Exist after InitDictionaries.
    CDictGroupList* GetGroupList() { return m_pGroups.get(); }
    const CDictGroupList* GetGroupList() const { return m_pGroups.get(); }
    const CDictGroup* GetCurrentGroup() const;
    const std::u16string& GetHome() const { return m_strHome; }
    std::u16string GetDictionariesFolder() const;
    std::u16string GetGroupFilePath() const;

private:
    bool Refresh(std::u16string messages);
    void KeepDamagedGroupFile(std::u16string& messages) const;
    void LoadMorphology(std::u16string& messages);

    std::u16string m_strHome;
    std::u16string m_strProgramFolder;
    std::u16string m_strDictionaries;  // empty: the home's "Dictionaries"
    std::vector<std::u16string> m_systemDictionaries;
    CLemmatizer* m_pLemmatizer;
    bool m_bReadOnly;
    bool m_bFolderFound = false;
    CDictLibrary m_library;
    std::unique_ptr<CDictGroupList> m_pGroups;
    std::set<int> m_loadedLanguages;
};
