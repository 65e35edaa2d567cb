#include "UnicodeFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "StringTable.h"
#include "core/TextIds.h"

namespace {

constexpr int kUtf8ErrorText = 41333;
constexpr char16_t kReplacementSymb = 0xFFFD;
// Line-end detection reads this much at a time: a file without line ends is
// read to its end.
constexpr uint32_t kDetectChunk = 64 * 1024;

char16_t SwapBytes(char16_t c) {
    return static_cast<char16_t>((c >> 8) | (c << 8));
}

bool IsContinuation(unsigned b) {
    return (b & 0xC0) == 0x80;
}

// The code point of the 4-byte sequence at p, or nothing when it is
// malformed or outside U+10000 to U+10FFFF (a surrogate pair holds no more).
std::optional<char32_t> FourByteCodePoint(const uint8_t* p) {
    if ((p[0] & 0xF8) != 0xF0 || !IsContinuation(p[1]) || !IsContinuation(p[2]) ||
        !IsContinuation(p[3])) {
        return std::nullopt;
    }
    const char32_t c =
        ((p[0] & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
    if (c < 0x10000 || c > 0x10FFFF) return std::nullopt;
    return c;
}

}  // namespace

std::u16string_view LineEndString(int32_t nLineEnd) {
    switch (nLineEnd) {
        case LINE_END_LF:
            return u"\n";
        case LINE_END_CR:
            return u"\r";
        default:
            return u"\r\n";
    }
}

Utf8Step DecodeUtf8Symb(const uint8_t* pBegin, const uint8_t* p, const uint8_t* pEnd,
                        char16_t& symb) {
    if (p >= pEnd) return {0, false};
    const unsigned b0 = p[0];
    if (b0 < 0x80) {
        symb = static_cast<char16_t>(b0);
        return {1, false};
    }
    if (IsContinuation(b0)) {
        // The second half of a 4-byte sequence, or a stray byte.
        if (p - pBegin >= 2 && pEnd - p >= 2) {
            if (const auto c = FourByteCodePoint(p - 2)) {
                symb = static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF));
                return {2, false};
            }
        }
        return {1, true};
    }
    int nPending;
    unsigned nAcc;
    if ((b0 & 0xE0) == 0xC0) {
        nPending = 1;
        nAcc = (b0 & 0x1F) << 6;
    } else if ((b0 & 0xF0) == 0xE0) {
        nPending = 2;
        nAcc = (b0 & 0x0F) << 12;
    } else if ((b0 & 0xF8) == 0xF0) {
        nPending = 3;
        nAcc = 0;
    } else {
        return {1, true};  // F8-FF
    }
    int i = 1;
    for (; i <= nPending; ++i) {
        if (p + i >= pEnd) {
            symb = kReplacementSymb;
            return {i, false};
        }
        if (!IsContinuation(p[i])) return {i + 1, true};
    }
    if (nPending == 3) {
        const auto c = FourByteCodePoint(p);
        if (!c) return {4, true};
        symb = static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10));
        return {2, false};
    }
    for (i = 1; i <= nPending; ++i)
        nAcc |= (p[i] & 0x3Fu) << (6 * (nPending - i));
    symb = static_cast<char16_t>(nAcc);
    return {nPending + 1, false};
}

void CUnicodeFile::Reset() {
    m_nFileLength = -1;
    m_nTextEnd = -1;
    m_nEncoding = ENCODING_NODEF;
    m_nLineEnd = LINE_END_NONE;
    CMyFile::Reset();
}

bool CUnicodeFile::OpenUnicode(std::u16string_view strPath) {
    auto forgetText = [this] {
        m_nFileLength = -1;
        m_nTextEnd = -1;
        m_nEncoding = ENCODING_NODEF;
        m_nLineEnd = LINE_END_NONE;
    };
    forgetText();
    if (!Open(strPath, MODE_READ)) return false;
    try {
        const int64_t nLength = GetLength();
        if (nLength == 0 || nLength > kMaxTextFileLength) {
            SetError(nLength == 0 ? IDS_FILE_EMPTY : IDS_FILE_TOO_LARGE);
            Close();
            return false;
        }
        const auto nLength32 = static_cast<int32_t>(nLength);
        m_nFileLength = nLength32;
        DetectEncoding();
        const bool bUcs2 = m_nEncoding == ENCODING_UCS2LE || m_nEncoding == ENCODING_UCS2BE;
        m_nTextEnd = bUcs2 ? (nLength32 & ~1) : nLength32;
        SetLineEndFromFile();
    } catch (const CMyObjectThrow& e) {
        SetError(e.GetError());
        Close();
        forgetText();
        return false;
    }
    return true;
}

int32_t CUnicodeFile::GetByteOrderMarkSize() const {
    switch (m_nEncoding) {
        case ENCODING_UTF8:
            return 3;
        case ENCODING_UCS2LE:
        case ENCODING_UCS2BE:
            return 2;
        default:
            return 0;
    }
}

int32_t CUnicodeFile::SkipByteOrderMark() {
    const int32_t nOffset = GetByteOrderMarkSize();
    Seek(nOffset, ORIGIN_BEGIN);
    return nOffset;
}

int CUnicodeFile::ReadSymb(char16_t& symb) {
    if (m_nEncoding == ENCODING_NODEF) {
        ThrowError(u"Error in CUnicodeFile::ReadSymb(...)\nm_nEncoding = ENCODING_NODEF");
    }
    if (m_nEncoding == ENCODING_UCS2LE || m_nEncoding == ENCODING_UCS2BE) {
        uint8_t buf[2];
        if (Read(buf, 2) < 2) return 0;
        symb = static_cast<char16_t>(buf[0] | (buf[1] << 8));
        if (m_nEncoding == ENCODING_UCS2BE) symb = SwapBytes(symb);
        return 2;
    }
    const int64_t nPos = GetPosition();
    uint8_t b0 = 0;
    if (Read(&b0, 1) == 0) return 0;
    if (b0 < 0x80) {
        symb = b0;
        return 1;
    }
    // A sequence of up to four bytes, and the two before it for the second
    // half of a 4-byte sequence.
    const int64_t nBack = std::clamp<int64_t>(nPos - GetByteOrderMarkSize(), 0, 2);
    Seek(nPos - nBack, ORIGIN_BEGIN);
    uint8_t buf[6];
    const uint32_t nRead = Read(buf, static_cast<uint32_t>(nBack) + 4);
    const Utf8Step step = DecodeUtf8Symb(buf, buf + nBack, buf + nRead, symb);
    Seek(nPos + step.nBytes, ORIGIN_BEGIN);
    if (step.bError) ThrowError(LoadText(kUtf8ErrorText).value_or(u""));
    return step.nBytes;
}

int32_t CUnicodeFile::DetectEncoding() {
    if (GetLength() == 0) {
        m_nEncoding = ENCODING_NODEF;
        return m_nEncoding;
    }
    m_nEncoding = ENCODING_NOBOM;
    SeekToBegin();
    uint8_t b[3] = {};
    const uint32_t n = Read(b, 3);
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        m_nEncoding = ENCODING_UCS2LE;
    } else if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        m_nEncoding = ENCODING_UCS2BE;
    } else if (n == 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        m_nEncoding = ENCODING_UTF8;
    }
    SeekToBegin();
    return m_nEncoding;
}

// The first line end of the text decides; a run of line-end units right
// after it is followed to its end, so CR LF wins over the CR it starts with
// and LF CR counts as CR. Reads in chunks rather than through ReadSymb: the
// decoding is the same, without a system call per byte.
int32_t CUnicodeFile::SetLineEndFromFile() {
    if (m_nEncoding == ENCODING_NODEF) {
        ThrowError(u"Error in CUnicodeFile::SetLineEndFromFile()\nEncoding is not define");
    }
    SkipByteOrderMark();
    const bool bUcs2 = m_nEncoding == ENCODING_UCS2LE || m_nEncoding == ENCODING_UCS2BE;
    // A chunk is read behind what the previous one left: the two bytes
    // before its next sequence (the second half of a 4-byte sequence looks
    // back at them) and a sequence it cut off.
    std::vector<uint8_t> buf(kDetectChunk + 5);
    size_t nBack = 0;
    size_t nHave = 0;
    bool bEof = false;
    bool bFound = false;
    char16_t prev = 0;
    while (!bEof) {
        const uint32_t nRead = Read(buf.data() + nHave, kDetectChunk);
        bEof = nRead < kDetectChunk;
        nHave += nRead;
        const uint8_t* const pBegin = buf.data();
        const uint8_t* p = pBegin + nBack;
        const uint8_t* pEnd = pBegin + nHave;
        const uint8_t* pStop = bEof ? pEnd : pEnd - std::min<size_t>(nHave - nBack, 3);
        while (p < pStop) {
            char16_t c;
            if (bUcs2) {
                if (pEnd - p < 2) break;
                c = static_cast<char16_t>(p[0] | (p[1] << 8));
                if (m_nEncoding == ENCODING_UCS2BE) c = SwapBytes(c);
                p += 2;
            } else {
                const Utf8Step step = DecodeUtf8Symb(pBegin, p, pEnd, c);
                if (step.bError) ThrowError(LoadText(kUtf8ErrorText).value_or(u""));
                p += step.nBytes;
            }
            int32_t nMatch = LINE_END_NONE;
            if (prev == u'\r' && c == u'\n') {
                nMatch = LINE_END_CRLF;
            } else if (c == u'\n') {
                nMatch = LINE_END_LF;
            } else if (c == u'\r') {
                nMatch = LINE_END_CR;
            }
            prev = c;
            if (nMatch != LINE_END_NONE) {
                m_nLineEnd = nMatch;
                bFound = true;
            } else if (bFound) {
                return m_nLineEnd;
            }
        }
        nBack = std::min<size_t>(static_cast<size_t>(p - pBegin), 2);
        nHave = static_cast<size_t>(pEnd - p) + nBack;
        std::memmove(buf.data(), p - nBack, nHave);
    }
    return m_nLineEnd;
}
