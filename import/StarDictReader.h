// StarDict dictionaries: "NAME.ifo" (version, entry count, book name,
// sametypesequence), "NAME.idx" or "NAME.idx.gz" (per entry: the headword,
// NUL, the offset and size of its definition as big-endian numbers),
// "NAME.dict" or "NAME.dict.dz", and optionally "NAME.syn" (per synonym:
// the word, NUL, the number of its entry).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "IndexedReader.h"

class CStarDictReader : public CIndexedReader {
public:
    // input: the .ifo file (or another file of the dictionary).
    bool Open(const std::filesystem::path& input, std::string& strError) override;
    bool WriteArticles(CSourceWriter& writer, std::string& strError) override;

private:
    struct Entry : CIndexEntry {
        uint32_t nIndex = 0;  // in the .idx, from 0
    };
    struct Synonym {
        uint32_t nEntry;
        std::string strWord;
    };
    bool ReadIfo(std::string& strError);
    bool ReadIdx(std::string& strError);
    bool ReadSyn(std::string& strError);
    bool WriteEntry(CSourceWriter& writer, const Entry& entry, const Entry* previous,
                    std::string& strError);

    std::filesystem::path m_base;
    std::filesystem::path m_idxPath;
    std::string m_strSameTypeSequence;
    uint64_t m_nWordCount = 0;
    int m_nOffsetBits = 32;
    std::vector<Entry> m_entries;
    std::vector<Synonym> m_synonyms;  // ordered by entry
};
