// Reading side of CDictIndexFile: the header block (types, morphology
// descriptors, name).
#include "DictIndexFile.h"
#include "GmdCursor.h"

namespace {

bool InRange(uint8_t byValue, uint8_t byMin, uint8_t byMax) {
    return byValue >= byMin && byValue <= byMax;
}

bool ReadHeaderFields(CGmdCursor& cursor, CDictCommon& dict) {
    uint8_t byFileType = 0, byDictType = 0, byIndexArea = 0;
    if (!cursor.U8(byFileType) || !InRange(byFileType, FILE_TYPE_DICT, FILE_TYPE_PARTEXT) ||
        !cursor.U8(byDictType) || !InRange(byDictType, DICT_TYPE_MAIN, DICT_TYPE_OTHER) ||
        !cursor.U8(byIndexArea) || !InRange(byIndexArea, INDEX_AREA_LEFT, INDEX_AREA_BOTH)) {
        return false;
    }
    dict.SetFileType(byFileType);
    dict.SetDictType(byDictType);
    dict.SetIndexArea(byIndexArea);
    dict.RemoveAllMorphDescr();
    for (int nDescr = 0;; ++nDescr) {
        uint8_t byLength = 0;
        if (!cursor.U8(byLength)) return false;
        if (byLength == gmd::kMorphListEnd) break;
        MorphDescr descr;
        uint8_t bySide = 0;
        if (nDescr == gmd::kMaxMorphDescr || !cursor.Units(byLength, descr.strName) ||
            !cursor.U8(bySide) || !InRange(bySide, MORPH_SIDE_LEFT, MORPH_SIDE_BOTH)) {
            return false;
        }
        descr.nSide = bySide;
        descr.nLangId = MorphLangIdFromName(descr.strName);
        dict.AddMorphDescr(descr);
    }
    uint16_t nNameLength = 0;
    std::u16string name;
    if (!cursor.U16(nNameLength) || !cursor.Units(nNameLength, name)) return false;
    dict.SetName(name);
    return true;
}

}  // namespace

bool CDictIndexFile::ReadHeader(int32_t& nPos) {
    return ReadStep(nPos, u"ReadHeader error",
                    [this](CGmdCursor& cursor) { return ReadHeaderFields(cursor, *this); });
}
