#include "library/ResultFiles.h"

CResultFileList BuildFilesWithResults(std::span<const CDictResults* const> aResults) {
    CResultFileList list;
    int nBestClass = MATCH_CLASS_COUNT;
    for (size_t nPos = 0; nPos < aResults.size(); ++nPos) {
        const CDictResults* pResults = aResults[nPos];
        if (pResults == nullptr) continue;
        const int nTotal = pResults->GetTotal();
        if (nTotal == 0) continue;
        list.aFiles.push_back({static_cast<int>(nPos), nTotal});
        const int nClass = pResults->GetBestClass();
        if (nClass < nBestClass) {
            nBestClass = nClass;
            list.nFirstShown = static_cast<int>(list.aFiles.size()) - 1;
        }
    }
    return list;
}
