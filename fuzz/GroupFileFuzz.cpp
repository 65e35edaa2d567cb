// Any bytes as "DictGroup.bin". A file that is read must pass the validity
// rules, survive a write and a second read unchanged, and fit any library:
// after the rebuild every group lists every library dictionary exactly once,
// invalid ones disabled, and the current group is one of the groups.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "library/GroupRebuild.h"

namespace {

bool SameFields(const CDictGroupFile& a, const CDictGroupFile& b) {
    return a.m_nGroupCount == b.m_nGroupCount && a.m_nFileCount == b.m_nFileCount &&
           a.m_nCurrentGroup == b.m_nCurrentGroup && a.m_arrGroupNames == b.m_arrGroupNames &&
           a.m_arrFileNames == b.m_arrFileNames && a.m_arrGroupTables == b.m_arrGroupTables &&
           a.m_nFirstGroupMarker == b.m_nFirstGroupMarker;
}

// A library that keeps some of the stored files, loses others and has new
// ones, with validity varying, all derived from the file itself.
std::vector<std::u16string> LibraryNames(const CDictGroupFile& file) {
    std::vector<std::u16string> names;
    for (size_t i = 0; i < file.m_arrFileNames.size(); ++i) {
        if (i % 3 != 1) names.push_back(file.m_arrFileNames[i]);
    }
    names.push_back(u"new one.gmd");
    if (!file.m_arrFileNames.empty()) names.push_back(file.m_arrFileNames.front() + u"x");
    return names;
}

void CheckRebuild(const CDictGroupFile& file) {
    const std::vector<std::u16string> names = LibraryNames(file);
    std::vector<CLibraryEntryInfo> library;
    for (size_t i = 0; i < names.size(); ++i)
        library.push_back({names[i], names[i].size() % 4 != 2});

    const CRebuiltGroups groups = RebuildGroups(file, library, u"All dictionaries");
    FUZZ_CHECK(!groups.arrGroups.empty());
    FUZZ_CHECK(groups.nCurrentGroup >= 0 &&
               groups.nCurrentGroup < static_cast<int>(groups.arrGroups.size()));
    for (const CRebuiltGroup& group : groups.arrGroups) {
        FUZZ_CHECK(group.arrEntries.size() == library.size(), group.strName);
        std::vector<bool> seen(library.size(), false);
        for (const CRebuiltEntry& entry : group.arrEntries) {
            FUZZ_CHECK(entry.nLibraryIndex >= 0 &&
                       entry.nLibraryIndex < static_cast<int>(library.size()));
            FUZZ_CHECK(!seen[entry.nLibraryIndex], group.strName);
            seen[entry.nLibraryIndex] = true;
            if (!library[entry.nLibraryIndex].bValid) FUZZ_CHECK(!entry.bEnabled);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string path = WriteScratchFile("DictGroup.bin", FuzzBytes(data, size));
    CDictGroupFile file;
    if (!file.ReadGroupFile(std::filesystem::path(ScratchPath("DictGroup.bin")))) {
        FUZZ_CHECK(!file.GetError().empty());
        FUZZ_CHECK(file.m_nGroupCount == 0 && file.m_arrGroupNames.empty());
        return 0;
    }
    std::u16string message;
    FUZZ_CHECK(file.CheckGroupData(message), message);

    const std::filesystem::path copy = FuzzScratchDir() / "copy.bin";
    FUZZ_CHECK(file.WriteGroupFile(copy), file.GetError());
    if (file.m_nGroupCount > 0) {
        CDictGroupFile again;
        FUZZ_CHECK(again.ReadGroupFile(copy), again.GetError());
        FUZZ_CHECK(SameFields(file, again));
    }
    CheckRebuild(file);
    return 0;
}
