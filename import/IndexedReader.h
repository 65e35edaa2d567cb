// What the dictd and StarDict readers share: an index of headwords, each
// pointing at its definition (offset and length) in a data file, "NAME.dict"
// or "NAME.dict.dz".
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DictData.h"
#include "ImportReader.h"

struct CIndexEntry {
    std::string strHeadword;
    uint64_t nOffset = 0;
    uint64_t nLength = 0;
};

class CIndexedReader : public CImportReader {
protected:
    [[nodiscard]] bool OpenData(const std::filesystem::path& path, std::string& strError);
    // The entry's definition; on a fault strError names the index file, where
    // in it the entry stands, and the place in the data file.
    [[nodiscard]] bool ReadDefinition(const CIndexEntry& entry, const std::filesystem::path& index,
                                      std::string_view where, std::string& out,
                                      std::string& strError);

    // In the order of the definitions, so that every compressed chunk is
    // inflated once; headwords of one definition stay together.
    template <class TEntry>
    static void SortByDefinition(std::vector<TEntry>& entries) {
        std::ranges::stable_sort(entries, [](const CIndexEntry& a, const CIndexEntry& b) {
            return a.nOffset != b.nOffset ? a.nOffset < b.nOffset : a.nLength < b.nLength;
        });
    }
    static bool SameDefinition(const CIndexEntry* previous, const CIndexEntry& entry) {
        return previous != nullptr && previous->nOffset == entry.nOffset &&
               previous->nLength == entry.nLength;
    }

    std::filesystem::path m_dataPath;
    CDictData m_dict;
};
