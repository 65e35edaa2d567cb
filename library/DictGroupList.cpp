#include "DictGroupList.h"

#include <algorithm>
#include <cstdint>

#include "DictGroupFile.h"
#include "DictLibrary.h"
#include "GroupRebuild.h"
#include "core/StringTable.h"

CDictGroupList::CDictGroupList(CDictLibrary& library, std::filesystem::path path)
    : m_library(library), m_path(std::move(path)) {
    LoadGroups();
}

std::unique_ptr<CDictGroup> CDictGroupList::MakeGroup(CRebuiltGroup&& rebuilt) const {
    auto pGroup = std::make_unique<CDictGroup>(std::move(rebuilt.strName));
    for (const CRebuiltEntry& entry : rebuilt.arrEntries) {
        pGroup->AddDict(m_library.GetDictionary(entry.nLibraryIndex), entry.bEnabled);
    }
    return pGroup;
}

void CDictGroupList::SetDefaultGroups() {
    m_arrGroups.clear();
    AddGroup(FormatTextId(41014), true);
    m_nCurrentGroup = 0;
}

bool CDictGroupList::LoadGroups() {
    ClearError();
    m_arrGroups.clear();
    CDictGroupFile file;
    if (!file.ReadGroupFile(m_path)) {
        SetError(file.GetError());
        SetDefaultGroups();
        return false;
    }
    const auto infos = m_library.GetEntryInfos();
    CRebuiltGroups rebuilt = RebuildGroups(file, infos, FormatTextId(41014));
    for (CRebuiltGroup& group : rebuilt.arrGroups)
        m_arrGroups.push_back(MakeGroup(std::move(group)));
    m_nCurrentGroup = rebuilt.nCurrentGroup;
    return true;
}

bool CDictGroupList::SaveGroups() {
    const int nFiles = m_library.GetCount();
    if (GetGroupCount() > INT16_MAX || nFiles > INT16_MAX) {
        SetError(FormatTextId(41331));
        return false;
    }
    CDictGroupFile file;
    file.m_nGroupCount = static_cast<int16_t>(GetGroupCount());
    file.m_nFileCount = static_cast<int16_t>(nFiles);
    file.m_nCurrentGroup = static_cast<int16_t>(m_nCurrentGroup);
    for (const CLibraryEntryInfo& info : m_library.GetEntryInfos()) {
        file.m_arrFileNames.emplace_back(info.strFileName);
    }
    for (const auto& pGroup : m_arrGroups) {
        file.m_arrGroupNames.push_back(pGroup->GetName());
        auto& table = file.m_arrGroupTables.emplace_back();
        for (int n = 0; n < pGroup->Count(); ++n) {
            const int nIndex = m_library.IndexOf(pGroup->GetDict(n));
            table.push_back({static_cast<int16_t>(nIndex), pGroup->IsEnabled(n)});
        }
    }
    file.m_nFirstGroupMarker = kFirstGroupIsAutomatic;
    if (!file.WriteGroupFile(m_path)) {
        SetError(file.GetError());
        return false;
    }
    return true;
}

void CDictGroupList::AddGroup(std::u16string name, bool bEnabled) {
    const auto infos = m_library.GetEntryInfos();
    m_arrGroups.push_back(MakeGroup(MakeFullGroup(std::move(name), infos, bEnabled)));
}

bool CDictGroupList::DeleteGroup(int nIndex) {
    if (nIndex < 0 || nIndex >= GetGroupCount() || GetGroupCount() == 1) return false;
    if (m_nCurrentGroup >= nIndex) m_nCurrentGroup = std::max(m_nCurrentGroup - 1, 0);
    m_arrGroups.erase(m_arrGroups.begin() + nIndex);
    return true;
}

CDictGroup* CDictGroupList::GetGroup(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetGroupCount()) return nullptr;
    return m_arrGroups[static_cast<size_t>(nIndex)].get();
}

bool CDictGroupList::SetCurrentGroup(int nIndex) {
    if (nIndex < 0 || nIndex >= GetGroupCount()) return false;
    m_nCurrentGroup = nIndex;
    return true;
}

bool CDictGroupList::HasGroupName(std::u16string_view name) const {
    return std::ranges::any_of(m_arrGroups, [&](const auto& p) { return p->GetName() == name; });
}
