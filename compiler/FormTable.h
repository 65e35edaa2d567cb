// Every distinct form of the index, found by hashing. A form seen before
// leads straight to its occurrence list; the automaton is walked only the
// first time a form comes up, which is when it can grow.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class CFormTable {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    void Reset();
    uint32_t GetCount() const { return static_cast<uint32_t>(m_forms.size()); }

    static uint32_t Hash(std::u16string_view form);
    // The number of the form, or kNone.
    uint32_t Find(std::u16string_view form, uint32_t nHash) const;
    // Numbers a form that Find did not know: 0, 1, 2, ... in order of adding.
    uint32_t Add(std::u16string_view form, uint32_t nHash);

    std::u16string_view GetForm(uint32_t nForm) const {
        const Entry& e = m_forms[nForm];
        return {m_text.data() + e.nTextBeg, e.nTextLen};
    }
    size_t GetMemoryBytes() const;

private:
    struct Entry {
        uint64_t nTextBeg;
        uint32_t nTextLen;
        uint32_t nHash;
    };
    void Grow();

    std::vector<Entry> m_forms;
    std::vector<char16_t> m_text;
    std::vector<uint32_t> m_slots;  // form number + 1; 0 is an empty slot
    uint32_t m_nMask = 0;
};
