// One indexed occurrence of a word: its upper-cased text, the further forms
// it is found under (lemmas, then the character-map spelling), and where it
// stands in the source.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "LemmaSource.h"
#include "core/MyObject.h"
#include "core/UnicodeMappingFile.h"

class CWordIndex : public CMyObject {
public:
    // Words outside these lengths (in units) get no lemmas.
    static constexpr size_t kMinLemmaWord = 3;
    static constexpr size_t kMaxLemmaWord = 50;

    // Back to the state after construction, keeping the storage.
    void Clear();

    // Stores the text upper-cased.
    void SetText(std::u16string_view strText);
    // Stores a text that is upper-cased already, as it is.
    void SetUpperText(std::u16string_view strText) { m_strText.assign(strText); }
    const std::u16string& GetText() const { return m_strText; }

    int GetLemmCount() const { return static_cast<int>(m_arrForms.size()); }
    // Throws CMyObjectThrow outside 0 .. count - 1.
    const std::u16string& GetLemm(int nIndex) const;
    const std::vector<std::u16string>& GetForms() const { return m_arrForms; }

    // The setters refuse negative values: false, the field unchanged.
    bool SetWordNum(int32_t nWordNum);
    int32_t GetWordNum() const { return m_nWordNum; }
    bool SetPosition(int32_t nPosition);
    int32_t GetPosition() const { return m_nPosition; }
    void SetSpan(uint8_t bySpan) { m_bySpan = bySpan; }
    uint8_t GetSpan() const { return m_bySpan; }
    bool SetArticle(int32_t nArticle);
    int32_t GetArticle() const { return m_nArticle; }
    void SetFlags(uint8_t byFlags) { m_byFlags = byFlags; }
    void AddFlags(uint8_t byFlags) { m_byFlags |= byFlags; }
    uint8_t GetFlags() const { return m_byFlags; }
    bool IsRightPart() const;

    // Appends the lemmas of every language of the list that applies to the
    // word's part, then drops the first form equal to the text. Words of
    // fewer than 3 or more than 50 units get none.
    void AddWordForms(std::span<const MorphUse> morph, CLemmaSource* pLemmas);
    // Appends the spelling the character map gives, upper-cased, unless it
    // equals the text or a form already present (without regard to case).
    void AddMappedForm(const CharMap& charMap);

private:
    std::u16string m_strText;
    std::vector<std::u16string> m_arrForms;
    int32_t m_nWordNum = -1;
    int32_t m_nPosition = 0;
    uint8_t m_bySpan = 0;
    int32_t m_nArticle = -1;
    uint8_t m_byFlags = 0;
};
