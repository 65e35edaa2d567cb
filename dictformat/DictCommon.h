// The settings of one dictionary as its source header defines them: shared by
// the source being compiled and the compiled file, which both read text
// through the mapped reader they derive from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "GmdLayout.h"
#include "core/MyArray.h"
#include "core/UnicodeMappingFile.h"

// One language of the "$MORPH:" list.
struct MorphDescr {
    std::u16string strName;  // as written in the source, without the (L)/(R) suffix
    int32_t nLangId = 0;     // 1 Russian, 2 English, 3 German, 0 no lemmas
    int32_t nSide = MORPH_SIDE_BOTH;

    bool operator==(const MorphDescr&) const = default;
};

// The language id of a morphology name: "Russian", "English", "German"
// without regard to case give 1, 2, 3; any other name 0.
int32_t MorphLangIdFromName(std::u16string_view strName);

class CDictCommon : public CUnicodeMappingFile {
public:
    CDictCommon() = default;

    // Restores the header settings and counts, then resets the file.
    void Reset() override;
    // Header settings and counts back to their defaults; the file stays.
    void ResetHeader();

    // The source reads its keyword lines; the compiled file reads its header
    // block at nPos and advances it. Both leave the reason for a failure in
    // the error text.
    virtual bool ReadHeader(int32_t& nPos) = 0;
    virtual bool WriteHeader() = 0;

    int32_t GetFileType() const { return m_nFileType; }
    void SetFileType(int32_t nFileType) { m_nFileType = nFileType; }
    int32_t GetDictType() const { return m_nDictType; }
    void SetDictType(int32_t nDictType) { m_nDictType = nDictType; }
    int32_t GetIndexArea() const { return m_nIndexArea; }
    void SetIndexArea(int32_t nIndexArea) { m_nIndexArea = nIndexArea; }
    const std::u16string& GetName() const { return m_strName; }
    void SetName(std::u16string_view strName) { m_strName.assign(strName); }

    int GetMorphDescrCount() const { return m_arrMorphDescr.GetSize(); }
    // Throws CMyObjectThrow, with the text also left here, when nIndex is
    // outside 0 .. count - 1.
    MorphDescr GetMorphDescr(int nIndex) const;
    void AddMorphDescr(const MorphDescr& descr) { m_arrMorphDescr.Add(descr); }
    void RemoveAllMorphDescr() { m_arrMorphDescr.RemoveAll(); }

    int32_t GetArticleCount() const { return m_nArticleCount; }
    int32_t GetWordCount() const { return m_nWordCount; }
    // A negative count is refused: false, the field unchanged.
    bool SetArticleCount(int32_t nCount);
    bool SetWordCount(int32_t nCount);

    // Takes over every header setting and both counts of another dictionary.
    void CopyHeader(const CDictCommon& other);

private:
    bool SetCount(int32_t nCount, int32_t& nField, std::u16string_view operation,
                  std::u16string_view detail);

    int32_t m_nFileType = FILE_TYPE_DICT;
    int32_t m_nDictType = DICT_TYPE_MAIN;
    int32_t m_nIndexArea = INDEX_AREA_BOTH;
    CMyArray<MorphDescr> m_arrMorphDescr;
    std::u16string m_strName;
    int32_t m_nArticleCount = 0;
    int32_t m_nWordCount = 0;
};
