#include "DictCommon.h"

#include "core/CharTables.h"

int32_t MorphLangIdFromName(std::u16string_view strName) {
    static constexpr std::u16string_view kNames[] = {u"Russian", u"English", u"German"};
    for (int32_t i = 0; i < 3; ++i) {
        if (IsEqualNoCase(strName, kNames[i])) return i + 1;
    }
    return 0;
}

void CDictCommon::Reset() {
    ResetHeader();
    CUnicodeMappingFile::Reset();
}

void CDictCommon::ResetHeader() {
    m_nFileType = FILE_TYPE_DICT;
    m_nDictType = DICT_TYPE_MAIN;
    m_nIndexArea = INDEX_AREA_BOTH;
    m_arrMorphDescr.RemoveAll();
    m_strName.clear();
    m_nArticleCount = 0;
    m_nWordCount = 0;
}

MorphDescr CDictCommon::GetMorphDescr(int nIndex) const {
    try {
        return m_arrMorphDescr.GetAt(nIndex);
    } catch (const CMyObjectThrow& e) {
        const_cast<CDictCommon*>(this)->ThrowError(
            std::u16string(u"Error in CDictCommon::GetMorphDescr(...)\n") + e.GetError());
    }
}

bool CDictCommon::SetCount(int32_t nCount, int32_t& nField, std::u16string_view operation,
                           std::u16string_view detail) {
    if (nCount < 0) {
        SetError(InternalError(operation, detail));
        return false;
    }
    nField = nCount;
    return true;
}

bool CDictCommon::SetArticleCount(int32_t nCount) {
    return SetCount(nCount, m_nArticleCount, u"CDictCommon::SetArticleCount",
                    u"Articles count less than 0");
}

bool CDictCommon::SetWordCount(int32_t nCount) {
    return SetCount(nCount, m_nWordCount, u"CDictCommon::SetWordCount", u"Words count less than 0");
}

void CDictCommon::CopyHeader(const CDictCommon& other) {
    if (&other == this) return;
    m_nFileType = other.m_nFileType;
    m_nDictType = other.m_nDictType;
    m_nIndexArea = other.m_nIndexArea;
    m_arrMorphDescr.Copy(other.m_arrMorphDescr);
    m_strName = other.m_strName;
    m_nArticleCount = other.m_nArticleCount;
    m_nWordCount = other.m_nWordCount;
}
