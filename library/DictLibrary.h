// The compiled dictionaries of the "Dictionaries" folder, opened once and
// kept open in the order of their file names. Groups and the search point
// at these objects; a new scan replaces every one of them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DictInfoFile.h"
#include "GroupRebuild.h"
#include "core/MyObject.h"

class CDictIndexFile;

enum DictCategory {
    DICT_CATEGORY_MAIN = 0,       // 41008 "Main dictionaries"
    DICT_CATEGORY_REFERENCE = 1,  // 41009 "Reference materials"
    DICT_CATEGORY_PARALLEL = 2,   // 41010 "Parallel texts"
};

// What the program does for the library where the user must see something:
// the information file in the system's viewer, and a warning box.
struct CLibraryShell {
    std::function<bool(std::u16string_view strPath)> openFile;
    std::function<void(std::u16string_view strText, std::u16string_view strCaption)> warn;
};

class CDictLibrary : public CMyObject {
public:
    CDictLibrary();
    ~CDictLibrary() override;
    CDictLibrary(const CDictLibrary&) = delete;
    CDictLibrary& operator=(const CDictLibrary&) = delete;

    // Empties the list and opens every "*.gmd" file of the folder, sorted by
    // the bytes of their names, then those of each read-only system folder
    // whose file name is not listed yet (groups know a dictionary by its file
    // name; the user's own wins). False only when the folder is missing
    // (41325, 41011); a missing system folder is skipped. Files that failed
    // leave their messages in GetLoadMessages.
    [[nodiscard]] bool ScanFolder(std::u16string_view strFolder,
                                  std::span<const std::u16string> systemFolders = {});
    // Opens one file: false (and the file left out) when it cannot be opened;
    // true with the object marked invalid when its contents cannot be read.
    // Either failure leaves 41326, the reason and 41013 as the error text.
    [[nodiscard]] bool OpenDictionary(std::u16string_view strPath, CDictIndexFile& dict,
                                      int nMinVersion);
    // A dictionary whose file changed since it was read (copied over, cut
    // short, removed) is opened afresh; when that fails it stays listed,
    // invalid, and the result is false with its message (41326, the reason,
    // 41013).
    [[nodiscard]] bool ReopenIfChanged(CDictIndexFile& dict);
    // False, with that message and the dictionary made invalid, when a read
    // met bytes its file lost while it was mapped.
    [[nodiscard]] bool CheckReadFault(CDictIndexFile& dict);
    // Whether each dictionary's index is read in ahead of the lookups once it
    // is open (DictIndexFile.h): worth it in a process that looks up many
    // words, not in one that looks up one. Turning it on starts it for the
    // dictionaries open now.
    void SetReadAhead(bool bOn);
    // Closes every file; the objects stay listed (the files can be deleted).
    void CloseAllFiles();
    void Clear();

    int GetCount() const { return static_cast<int>(m_arrEntries.size()); }
    // nullptr outside the list.
    CDictIndexFile* GetDictionary(int nIndex) const;
    // Whether the dictionary lies in a system folder: it can be enabled and
    // ordered, never deleted.
    bool IsSystemDictionary(const CDictIndexFile& dict) const;
    // -1 when the object is not in the library.
    int IndexOf(const CDictIndexFile* pDict) const;
    // File names and valid flags in library order, for fitting the groups.
    std::vector<CLibraryEntryInfo> GetEntryInfos() const;

    // The messages of the files that failed in the last scan, joined by CR LF.
    const std::u16string& GetLoadMessages() const { return m_strLoadMessages; }

    static DictCategory GetCategory(const CDictIndexFile& dict);
    static std::u16string GetCategoryName(DictCategory category);

    // The display name in the first language that has one (see
    // ChooseDisplayName); the names are read from the information file once.
    std::u16string GetDisplayName(const CDictIndexFile& dict, std::u16string_view first,
                                  std::u16string_view second, std::u16string_view third) const;
    std::vector<CDisplayName> GetDisplayNames(const CDictIndexFile& dict) const;

    void SetShell(CLibraryShell shell) { m_shell = std::move(shell); }
    // Shows the information file through the shell; when it is missing the
    // shell warns with 40315 (caption 40301) and the result is false.
    bool OpenDictInfoFile(std::u16string_view strDictPath);

private:
    struct CEntry {
        std::unique_ptr<CDictIndexFile> pDict;
        mutable std::optional<std::vector<CDisplayName>> names;
        bool bSystem = false;
    };

    void AddFolder(const std::u16string& strFolder, bool bSystem);

    const CEntry* FindEntry(const CDictIndexFile& dict) const;

    std::vector<CEntry> m_arrEntries;
    bool m_bReadAhead = false;
    std::u16string m_strLoadMessages;
    CLibraryShell m_shell;
};
