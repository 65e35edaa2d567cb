// The header settings of a source or a dictionary as one value, so that a
// test checks them in one comparison and a failure shows all of them.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/Utf8.h"
#include "dictformat/DictCommon.h"

struct TestHeader {
    int32_t nFileType = FILE_TYPE_DICT;
    int32_t nDictType = DICT_TYPE_MAIN;
    int32_t nIndexArea = INDEX_AREA_BOTH;
    std::u16string strName;
    std::vector<MorphDescr> aMorph;
    int32_t nArticles = 0;
    int32_t nWords = 0;

    bool operator==(const TestHeader&) const = default;
};

inline TestHeader HeaderOf(const CDictCommon& dict) {
    TestHeader header{
        dict.GetFileType(),     dict.GetDictType(), dict.GetIndexArea(), dict.GetName(), {},
        dict.GetArticleCount(), dict.GetWordCount()};
    for (int i = 0; i < dict.GetMorphDescrCount(); ++i)
        header.aMorph.push_back(dict.GetMorphDescr(i));
    return header;
}

inline void PrintTo(const TestHeader& h, std::ostream* os) {
    *os << "file type " << h.nFileType << ", dictionary type " << h.nDictType << ", index area "
        << h.nIndexArea << ", name '" << ToUtf8(h.strName) << "', morphology [";
    for (const MorphDescr& m : h.aMorph)
        *os << " '" << ToUtf8(m.strName) << "' " << m.nLangId << " side " << m.nSide;
    *os << " ], " << h.nArticles << " articles, " << h.nWords << " words";
}
