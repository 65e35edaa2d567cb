// The list of files with results that a finished search leaves: which
// dictionaries of the group found something, how much, and which one the
// shell opens first.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "library/DictResults.h"

struct CFileWithResults {
    int nPosition = 0;  // position of the dictionary in the current group
    int nTotal = 0;     // its number of result articles
};

struct CResultFileList {
    std::vector<CFileWithResults> aFiles;
    // Index into aFiles of the dictionary shown first: the earliest in group
    // order among those holding the best class found. Empty: nothing found.
    std::optional<int> nFirstShown;
};

// aResults has one entry per group position; nullptr marks a dictionary that
// took no part in the search.
CResultFileList BuildFilesWithResults(std::span<const CDictResults* const> aResults);
