#include "WordIndex.h"

#include <algorithm>

#include "core/CharTables.h"
#include "core/CodePage.h"
#include "dictformat/GmdLayout.h"

namespace {

constexpr int32_t kLangRussian = 1;

bool Refuse(CMyObject& obj, std::u16string_view where, std::u16string_view what) {
    obj.SetError(InternalError(where, what));
    return false;
}

}  // namespace

void CWordIndex::Clear() {
    m_strText.clear();
    m_arrForms.clear();
    m_nWordNum = -1;
    m_nPosition = 0;
    m_bySpan = 0;
    m_nArticle = -1;
    m_byFlags = 0;
}

void CWordIndex::SetText(std::u16string_view strText) {
    m_strText.assign(strText);
    ToUpperString(m_strText);
}

const std::u16string& CWordIndex::GetLemm(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLemmCount()) {
        throw CMyObjectThrow(InternalError(u"CWordIndex::GetLemm", u"Invalid array index"));
    }
    return m_arrForms[static_cast<size_t>(nIndex)];
}

bool CWordIndex::SetWordNum(int32_t nWordNum) {
    if (nWordNum < 0) return Refuse(*this, u"CWordIndex::SetWordNum", u"Word number less than 0");
    m_nWordNum = nWordNum;
    return true;
}

bool CWordIndex::SetPosition(int32_t nPosition) {
    if (nPosition < 0) return Refuse(*this, u"CWordIndex::SetPosition", u"Position less than 0");
    m_nPosition = nPosition;
    return true;
}

bool CWordIndex::SetArticle(int32_t nArticle) {
    if (nArticle < 0) return Refuse(*this, u"CWordIndex::SetArticle", u"Article index less than 0");
    m_nArticle = nArticle;
    return true;
}

bool CWordIndex::IsRightPart() const {
    return (m_byFlags & gmd::WORD_RIGHT_PART) != 0;
}

void CWordIndex::AddWordForms(std::span<const MorphUse> morph, CLemmaSource* pLemmas) {
    if (m_strText.size() < kMinLemmaWord || m_strText.size() > kMaxLemmaWord) return;
    if (morph.empty() || pLemmas == nullptr) return;
    const bool bRight = IsRightPart();
    for (const MorphUse& use : morph) {
        if (!pLemmas->IsLanguageAvailable(use.nLangId)) continue;
        if (use.nSide == MORPH_SIDE_RIGHT && !bRight) continue;
        if (use.nSide == MORPH_SIDE_LEFT && bRight) continue;
        // The library takes words in the language's 8-bit code page.
        const CodePage codePage = use.nLangId == kLangRussian ? CodePage::Cp1251 : CodePage::Cp1252;
        pLemmas->AppendWordLemmas(WideToMultiByte(m_strText, codePage), use.nLangId, m_arrForms);
    }
    // A word that is its own lemma is not stored twice.
    auto it = std::find(m_arrForms.begin(), m_arrForms.end(), m_strText);
    if (it != m_arrForms.end()) m_arrForms.erase(it);
}

void CWordIndex::AddMappedForm(const CharMap& charMap) {
    if (charMap.empty()) return;
    std::u16string strMapped;
    strMapped.reserve(m_strText.size() + 4);
    for (char16_t c : m_strText) {
        auto it = charMap.find(c);
        if (it != charMap.end())
            strMapped += it->second;
        else
            strMapped += c;
    }
    ToUpperString(strMapped);
    if (IsEqualNoCase(strMapped, m_strText)) return;
    for (const std::u16string& form : m_arrForms) {
        if (IsEqualNoCase(strMapped, form)) return;
    }
    m_arrForms.push_back(std::move(strMapped));
}
