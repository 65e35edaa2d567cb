// The user's groups of dictionaries over the library, kept in memory and in
// "DictGroup.bin". There is always at least one group: when the file cannot
// be used, the single automatic group "All dictionaries" takes its place.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DictGroup.h"
#include "core/MyObject.h"

class CDictLibrary;
struct CRebuiltGroup;

class CDictGroupList : public CMyObject {
public:
    // Loads the groups at once (LoadGroups); a failure leaves its message in
    // the error text and the default group in place.
    CDictGroupList(CDictLibrary& library, std::filesystem::path path);
    CDictGroupList(const CDictGroupList&) = delete;
    CDictGroupList& operator=(const CDictGroupList&) = delete;

    // Rebuilds the groups from the file against the library's current
    // dictionaries. On failure: the default group, current group 0, false.
    bool LoadGroups();
    // Writes the groups through a temporary file; the groups in memory stay
    // as they are whatever happens.
    bool SaveGroups();

    // Appends a group holding every library dictionary in library order with
    // the given flag (invalid dictionaries always disabled).
    void AddGroup(std::u16string name, bool bEnabled);
    // Removes the group; the current group moves down with it, never below
    // 0. The only group cannot be deleted; an index outside is refused.
    bool DeleteGroup(int nIndex);

    int GetGroupCount() const { return static_cast<int>(m_arrGroups.size()); }
    // nullptr outside the list.
    CDictGroup* GetGroup(int nIndex) const;
    int GetCurrentGroup() const { return m_nCurrentGroup; }
    bool SetCurrentGroup(int nIndex);
    // Exact, case-sensitive comparison.
    bool HasGroupName(std::u16string_view name) const;

    CDictLibrary& GetLibrary() const { return m_library; }
    const std::filesystem::path& GetPath() const { return m_path; }

private:
    void SetDefaultGroups();
    std::unique_ptr<CDictGroup> MakeGroup(CRebuiltGroup&& rebuilt) const;

    CDictLibrary& m_library;
    std::filesystem::path m_path;
    std::vector<std::unique_ptr<CDictGroup>> m_arrGroups;
    int m_nCurrentGroup = 0;
};
