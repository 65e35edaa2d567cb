// How the stored groups are fitted to the dictionaries found on disk. Pure
// data in, pure data out, so every rule can be checked without files.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DictGroupFile.h"

// What the rebuild needs to know of one library dictionary.
struct CLibraryEntryInfo {
    std::u16string_view strFileName;
    bool bValid = true;
};

struct CRebuiltEntry {
    int nLibraryIndex;
    bool bEnabled;

    bool operator==(const CRebuiltEntry&) const = default;
};

struct CRebuiltGroup {
    std::u16string strName;
    std::vector<CRebuiltEntry> arrEntries;
};

struct CRebuiltGroups {
    std::vector<CRebuiltGroup> arrGroups;
    int nCurrentGroup = 0;
};

// A group of every library dictionary in library order with the given flag;
// an invalid dictionary is always disabled.
CRebuiltGroup MakeFullGroup(std::u16string name, std::span<const CLibraryEntryInfo> library,
                            bool bEnabled);

// The groups of a file that passed CheckGroupData, fitted to the library:
// entries whose file is gone are dropped, new files appended, invalid
// dictionaries disabled, and a file without the first-group marker gains an
// automatic group in front. strAllName is the automatic group's name.
CRebuiltGroups RebuildGroups(const CDictGroupFile& file, std::span<const CLibraryEntryInfo> library,
                             std::u16string_view strAllName);
