#include "FormTable.h"

#include <algorithm>
#include <cstddef>

void CFormTable::Reset() {
    m_forms = {};
    m_text = {};
    m_slots = {};
    m_nMask = 0;
}

uint32_t CFormTable::Hash(std::u16string_view form) {
    // FNV-1a over the units, then a final mix so that the low bits, which
    // pick the slot, depend on every unit.
    uint32_t h = 2166136261u;
    for (char16_t c : form)
        h = (h ^ c) * 16777619u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

uint32_t CFormTable::Find(std::u16string_view form, uint32_t nHash) const {
    if (m_slots.empty()) return kNone;
    for (uint32_t i = nHash & m_nMask;; i = (i + 1) & m_nMask) {
        const uint32_t nSlot = m_slots[i];
        if (nSlot == 0) return kNone;
        const Entry& e = m_forms[nSlot - 1];
        if (e.nHash == nHash && e.nTextLen == form.size() &&
            std::equal(form.begin(), form.end(),
                       m_text.begin() + static_cast<std::ptrdiff_t>(e.nTextBeg))) {
            return nSlot - 1;
        }
    }
}

void CFormTable::Grow() {
    const size_t nSize = m_slots.empty() ? 1024 : m_slots.size() * 2;
    m_slots.assign(nSize, 0);
    m_nMask = static_cast<uint32_t>(nSize - 1);
    for (uint32_t n = 0; n < m_forms.size(); ++n) {
        uint32_t i = m_forms[n].nHash & m_nMask;
        while (m_slots[i] != 0)
            i = (i + 1) & m_nMask;
        m_slots[i] = n + 1;
    }
}

uint32_t CFormTable::Add(std::u16string_view form, uint32_t nHash) {
    // Kept at most half full, so probes stay short.
    if ((m_forms.size() + 1) * 2 > m_slots.size()) Grow();
    const uint32_t nForm = static_cast<uint32_t>(m_forms.size());
    m_forms.push_back({m_text.size(), static_cast<uint32_t>(form.size()), nHash});
    m_text.insert(m_text.end(), form.begin(), form.end());
    uint32_t i = nHash & m_nMask;
    while (m_slots[i] != 0)
        i = (i + 1) & m_nMask;
    m_slots[i] = nForm + 1;
    return nForm;
}

size_t CFormTable::GetMemoryBytes() const {
    return m_forms.capacity() * sizeof(Entry) + m_text.capacity() * sizeof(char16_t) +
           m_slots.capacity() * sizeof(uint32_t);
}
