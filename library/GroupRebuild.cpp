#include "GroupRebuild.h"

#include <optional>
#include <unordered_map>

namespace {

class CLibraryIndex {
public:
    explicit CLibraryIndex(std::span<const CLibraryEntryInfo> library) {
        for (size_t i = 0; i < library.size(); ++i) {
            m_byName.try_emplace(library[i].strFileName, static_cast<int>(i));
        }
    }
    std::optional<int> Find(std::u16string_view name) const {
        const auto it = m_byName.find(name);
        if (it == m_byName.end()) return std::nullopt;
        return it->second;
    }

private:
    std::unordered_map<std::u16string_view, int> m_byName;
};

CRebuiltGroup RebuildOne(const CDictGroupFile& file, size_t g,
                         std::span<const CLibraryEntryInfo> library, const CLibraryIndex& index,
                         std::u16string_view strAllName) {
    const bool bAutomaticFirst = file.m_nFirstGroupMarker == kFirstGroupIsAutomatic;
    CRebuiltGroup group{file.m_arrGroupNames[g], {}};
    if (file.m_nFirstGroupMarker == 0 && group.strName == strAllName) group.strName += u" (2)";

    std::vector<bool> present(library.size(), false);
    for (const CGroupTableEntry& entry : file.m_arrGroupTables[g]) {
        const auto found = index.Find(file.m_arrFileNames[entry.nFileIndex]);
        // A file list naming one file twice must not put it twice in a group.
        if (!found || present[*found]) continue;
        present[*found] = true;
        group.arrEntries.push_back({*found, entry.bEnabled && library[*found].bValid});
    }
    const bool bNewEnabled = bAutomaticFirst && g == 0;
    for (size_t i = 0; i < library.size(); ++i) {
        if (present[i]) continue;
        group.arrEntries.push_back({static_cast<int>(i), bNewEnabled && library[i].bValid});
    }
    return group;
}

}  // namespace

CRebuiltGroup MakeFullGroup(std::u16string name, std::span<const CLibraryEntryInfo> library,
                            bool bEnabled) {
    CRebuiltGroup group{std::move(name), {}};
    for (size_t i = 0; i < library.size(); ++i) {
        group.arrEntries.push_back({static_cast<int>(i), bEnabled && library[i].bValid});
    }
    return group;
}

CRebuiltGroups RebuildGroups(const CDictGroupFile& file, std::span<const CLibraryEntryInfo> library,
                             std::u16string_view strAllName) {
    const CLibraryIndex index(library);
    CRebuiltGroups result;
    result.nCurrentGroup = file.m_nCurrentGroup;
    for (size_t g = 0; g < file.m_arrGroupNames.size(); ++g) {
        CRebuiltGroup group = RebuildOne(file, g, library, index, strAllName);
        if (file.m_nFirstGroupMarker == 0 && g == 0) {
            result.arrGroups.push_back(MakeFullGroup(std::u16string(strAllName), library, true));
            result.nCurrentGroup = 0;
        }
        result.arrGroups.push_back(std::move(group));
    }
    return result;
}
