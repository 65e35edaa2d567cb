// Every distinct form of the index, found by hashing. A form seen before
// leads straight to its number (which is its occurrence list's number); the
// automaton is walked only the first time a form comes up.
//
// One slot is half a cache line and holds what a token needs: the form
// itself (its first units, the rest in an overflow pool), its number and how
// often it occurred as a word's own text. On a machine where a cache miss
// costs hundreds of nanoseconds, a token of a rare word of up to kInline
// units then costs one miss, and the table takes half the memory a slot per
// line would.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "LargeArrayAllocator.h"

class CFormTable {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFFu;
    static constexpr size_t kInline = 7;

    struct alignas(32) Slot {
        uint32_t nHash;
        uint32_t nForm;      // kNone: the slot is empty
        uint32_t nCount;     // occurrences as a word's own text
        uint32_t nOverflow;  // units past kInline, in the overflow pool
        uint16_t nLen;
        char16_t text[kInline];
    };
    static_assert(sizeof(Slot) == 32);

    void Reset();
    uint32_t GetCount() const { return m_nCount; }
    // Room for this many forms at once, so that the table need not be
    // rehashed (and held twice meanwhile) as it fills.
    void Reserve(uint32_t nForms);

    static uint32_t Hash(std::u16string_view form);
    // Asks the memory system for the line where a form's search begins, so
    // that several words' lookups overlap instead of waiting in turn.
    void Prefetch(uint32_t nHash) const {
        if (!m_slots.empty()) __builtin_prefetch(&m_slots[nHash & m_nMask]);
    }
    // The slot of a form, or nullptr. Valid until the next Add.
    Slot* Find(std::u16string_view form, uint32_t nHash);
    // Numbers a form that Find did not know: 0, 1, 2, ... in order of adding.
    // Forms longer than 65535 units are not taken (nullptr).
    Slot* Add(std::u16string_view form, uint32_t nHash);

    // Every slot in use, in no particular order.
    template <class F>
    void ForEach(F&& f) const {
        for (const Slot& s : m_slots) {
            if (s.nForm != kNone) f(s);
        }
    }
    std::u16string GetForm(const Slot& slot) const;
    size_t GetMemoryBytes() const;

private:
    bool Equal(const Slot& slot, std::u16string_view form) const;
    void Grow();
    void Rehash(size_t nSize);

    static constexpr size_t kFirstSize = 4096;

    std::vector<Slot, CLargeArrayAllocator<Slot>> m_slots;
    std::vector<char16_t> m_overflow;
    uint32_t m_nMask = 0;
    uint32_t m_nCount = 0;
};
