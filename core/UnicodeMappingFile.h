// The text reader over a read-only memory mapping of the whole file, with
// random positioning; and the character map read through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "UnicodeFile.h"

class CUnicodeMappingFile : public CUnicodeFile {
public:
    CUnicodeMappingFile() = default;
    ~CUnicodeMappingFile() override;

    // Both also release the view.
    void Reset() override;
    void Close() override;
    // CUnicodeFile::OpenUnicode, then maps the whole file (41344, 41345).
    bool OpenUnicode(std::u16string_view strPath) override;

    // Origin 0 begin, 1 read position, 2 end (file length + offset). The
    // result must lie in 0 .. file length - 1, else false and nothing
    // changes; a closed file gives false. So a file holding only its
    // byte-order mark refuses the position behind it: such a text is empty.
    bool SetMapPos(int32_t nOffset, int nOrigin);
    int32_t GetMapPos() const { return m_nMapPos; }
    // Copies up to nCount bytes from the read position, fewer at the end of
    // the file, and advances; 0 at the end or when closed.
    uint32_t ReadMap(void* pBuf, uint32_t nCount);
    // The decoding of ReadSymb over the mapped bytes: bytes consumed, 0 at
    // the end of the text; faults set 41333 and throw CMyObjectThrow.
    int ReadMapSymb(char16_t& symb);
    // Appends to text the run of ASCII bytes at the read position, as units,
    // and moves past it: it ends before the first byte of 0x80 or more, the
    // first byte equal to stop1 or stop2, or the end of the text. Only UTF-8
    // text (with or without its mark) has such runs; otherwise 0. The number
    // of units appended.
    size_t ReadMapAsciiRun(std::u16string& text, char16_t stop1, char16_t stop2);
    // The mapped bytes; empty when closed.
    std::string_view GetMapView() const {
        return {reinterpret_cast<const char*>(m_pView), static_cast<size_t>(m_nViewSize)};
    }

private:
    int ReadMapSymbSlow(char16_t& symb);
    void ReleaseView();
    // After a failed open: closed, and the text state as before any open.
    void CloseAsUnopened();

    const uint8_t* m_pView = nullptr;
    int64_t m_nViewSize = 0;
    int32_t m_nMapPos = 0;
    // Where decoding stops: the text end while mapped, 0 otherwise, so the
    // fast path needs no separate "is open" test.
    int32_t m_nMapEnd = 0;
};

// Common symbols take the inline path; everything else (multi-byte
// sequences that are cut off or wrong, big-endian UCS-2, the end of the
// text, an undetermined encoding) goes through ReadMapSymbSlow.
inline int CUnicodeMappingFile::ReadMapSymb(char16_t& symb) {
    const int32_t nPos = m_nMapPos;
    const int32_t nLeft = m_nMapEnd - nPos;
    if (m_nEncoding == ENCODING_NOBOM || m_nEncoding == ENCODING_UTF8) {
        if (nLeft > 0) [[likely]] {
            const uint8_t* p = m_pView + nPos;
            const unsigned b0 = p[0];
            if (b0 < 0x80) [[likely]] {
                symb = static_cast<char16_t>(b0);
                m_nMapPos = nPos + 1;
                return 1;
            }
            if ((b0 & 0xE0) == 0xC0 && nLeft >= 2 && (p[1] & 0xC0) == 0x80) {
                symb = static_cast<char16_t>(((b0 & 0x1F) << 6) | (p[1] & 0x3F));
                m_nMapPos = nPos + 2;
                return 2;
            }
            if ((b0 & 0xF0) == 0xE0 && nLeft >= 3 && (p[1] & 0xC0) == 0x80 &&
                (p[2] & 0xC0) == 0x80) {
                symb = static_cast<char16_t>(((b0 & 0x0F) << 12) | ((p[1] & 0x3F) << 6) |
                                             (p[2] & 0x3F));
                m_nMapPos = nPos + 3;
                return 3;
            }
        }
    } else if (m_nEncoding == ENCODING_UCS2LE && nLeft >= 2) {
        symb = static_cast<char16_t>(m_pView[nPos] | (m_pView[nPos + 1] << 8));
        m_nMapPos = nPos + 2;
        return 2;
    }
    return ReadMapSymbSlow(symb);
}

// Key character -> replacement spelling.
using CharMap = std::unordered_map<char16_t, std::u16string>;

// Reads a mapping file into map (emptied first); an empty path means no
// map and succeeds. Failures leave their message (41338-41342, with the
// line number where a line is at fault) in errorOwner and return false.
bool LoadCharMap(std::u16string_view strPath, CharMap& map, CMyObject& errorOwner);
