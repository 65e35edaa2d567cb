#include "FormTable.h"

#include <algorithm>
#include <cstring>

namespace {

CFormTable::Slot EmptySlot() {
    CFormTable::Slot s{};
    s.nForm = CFormTable::kNone;
    return s;
}

}  // namespace

void CFormTable::Reset() {
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_overflow = {};
    m_nMask = 0;
    m_nCount = 0;
}

uint32_t CFormTable::Hash(std::u16string_view form) {
    // Two units at a time, then a final mix so that the low bits, which
    // pick the slot, depend on every unit.
    uint64_t h = 0x9E3779B97F4A7C15ull ^ form.size();
    size_t i = 0;
    for (; i + 1 < form.size(); i += 2) {
        h = (h ^ (static_cast<uint64_t>(form[i]) | (static_cast<uint64_t>(form[i + 1]) << 16))) *
            0xFF51AFD7ED558CCDull;
    }
    if (i < form.size()) h = (h ^ form[i]) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
    return static_cast<uint32_t>(h);
}

bool CFormTable::Equal(const Slot& slot, std::u16string_view form) const {
    if (slot.nLen != form.size()) return false;
    const size_t nInline = std::min(form.size(), kInline);
    if (std::memcmp(slot.text, form.data(), nInline * sizeof(char16_t)) != 0) return false;
    return form.size() <= kInline ||
           std::memcmp(m_overflow.data() + slot.nOverflow, form.data() + kInline,
                       (form.size() - kInline) * sizeof(char16_t)) == 0;
}

CFormTable::Slot* CFormTable::Find(std::u16string_view form, uint32_t nHash) {
    if (m_slots.empty()) return nullptr;
    for (uint32_t i = nHash & m_nMask;; i = (i + 1) & m_nMask) {
        Slot& s = m_slots[i];
        if (s.nForm == kNone) return nullptr;
        if (s.nHash == nHash && Equal(s, form)) return &s;
    }
}

void CFormTable::Reserve(uint32_t nForms) {
    size_t nSize = kFirstSize;
    while (uint64_t{nForms} * 10 > uint64_t{nSize} * 7)
        nSize *= 2;
    if (nSize > m_slots.size()) Rehash(nSize);
}

void CFormTable::Grow() {
    Rehash(m_slots.empty() ? kFirstSize : m_slots.size() * 2);
}

void CFormTable::Rehash(size_t nSize) {
    std::vector<Slot, CLargeArrayAllocator<Slot>> old = std::move(m_slots);
    m_slots.assign(nSize, EmptySlot());
    m_nMask = static_cast<uint32_t>(nSize - 1);
    for (const Slot& s : old) {
        if (s.nForm == kNone) continue;
        uint32_t i = s.nHash & m_nMask;
        while (m_slots[i].nForm != kNone)
            i = (i + 1) & m_nMask;
        m_slots[i] = s;
    }
}

CFormTable::Slot* CFormTable::Add(std::u16string_view form, uint32_t nHash) {
    if (form.size() > UINT16_MAX) return nullptr;
    // At most 70% full: linear probes stay short.
    if ((uint64_t{m_nCount} + 1) * 10 > uint64_t{m_slots.size()} * 7) Grow();
    uint32_t i = nHash & m_nMask;
    while (m_slots[i].nForm != kNone)
        i = (i + 1) & m_nMask;
    Slot& s = m_slots[i];
    s = EmptySlot();
    s.nHash = nHash;
    s.nForm = m_nCount++;
    s.nLen = static_cast<uint16_t>(form.size());
    std::memcpy(s.text, form.data(), std::min(form.size(), kInline) * sizeof(char16_t));
    if (form.size() > kInline) {
        s.nOverflow = static_cast<uint32_t>(m_overflow.size());
        m_overflow.insert(m_overflow.end(), form.begin() + kInline, form.end());
    }
    return &s;
}

std::u16string CFormTable::GetForm(const Slot& slot) const {
    std::u16string form(slot.text, std::min<size_t>(slot.nLen, kInline));
    if (slot.nLen > kInline) {
        form.append(m_overflow.data() + slot.nOverflow, slot.nLen - kInline);
    }
    return form;
}

size_t CFormTable::GetMemoryBytes() const {
    return m_slots.capacity() * sizeof(Slot) + m_overflow.capacity() * sizeof(char16_t);
}
