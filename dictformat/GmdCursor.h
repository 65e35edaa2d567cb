// Sequential little-endian reads from the mapped bytes of a compiled file,
// advancing a position; each read either delivers its whole field inside the
// file or fails and leaves the position where it was.
#pragma once

#include <cstdint>
#include <string>

#include "ByteView.h"

class CGmdCursor {
public:
    CGmdCursor(const CByteView& bytes, int64_t nPos) : m_bytes(bytes), m_nPos(nPos) {}

    int64_t Pos() const { return m_nPos; }

    bool U8(uint8_t& value) { return Take(m_bytes.U8(Offset()), 1, value); }
    bool U16(uint16_t& value) { return Take(m_bytes.U16(Offset()), 2, value); }
    bool U32(uint32_t& value) { return Take(m_bytes.U32(Offset()), 4, value); }
    bool I32(int32_t& value) { return Take(m_bytes.I32(Offset()), 4, value); }
    // nCount UTF-16 code units.
    bool Units(uint64_t nCount, std::u16string& text) {
        if (m_nPos < 0 || !m_bytes.Contains(Offset(), 2 * nCount)) return false;
        text.resize(nCount);
        const uint8_t* p = m_bytes.Bytes().data() + Offset();
        for (uint64_t i = 0; i < nCount; ++i)
            text[i] = static_cast<char16_t>(CByteView::DecodeU16(p + 2 * i));
        m_nPos += static_cast<int64_t>(2 * nCount);
        return true;
    }

private:
    uint64_t Offset() const { return m_nPos < 0 ? UINT64_MAX : static_cast<uint64_t>(m_nPos); }

    template <class T, class U>
    bool Take(const std::optional<U>& read, int nSize, T& value) {
        if (!read) return false;
        value = static_cast<T>(*read);
        m_nPos += nSize;
        return true;
    }

    CByteView m_bytes;
    int64_t m_nPos;
};
