// Text file reader: encoding from the byte-order mark, the file's line-end
// convention, and the text one UTF-16 code unit (symbol) at a time.
#pragma once

#include <cstdint>
#include <string_view>

#include "MyFile.h"

enum : int32_t {
    ENCODING_NODEF = 0,
    ENCODING_UTF8 = 1,  // UTF-8 with byte-order mark
    ENCODING_UCS2LE = 2,
    ENCODING_UCS2BE = 3,
    ENCODING_NOBOM = 4,  // no byte-order mark; decoded as UTF-8
};

// Line-end indices of m_nLineEnd.
enum : int32_t { LINE_END_NONE = 0, LINE_END_CRLF = 1, LINE_END_LF = 2, LINE_END_CR = 3 };

// The line-end string of a line-end index; a file without line ends (index 0)
// is cut with CR LF. An index outside 0..3 gives CR LF too.
std::u16string_view LineEndString(int32_t nLineEnd);

// Files of this many bytes or more are refused: positions are 32-bit.
inline constexpr int64_t kMaxTextFileLength = INT32_MAX;

// Result of decoding one UTF-8 sequence from a byte range.
struct Utf8Step {
    int nBytes;   // bytes consumed; 0 when the range is empty
    bool bError;  // the bytes are no UTF-8 this reader accepts
};

// Decodes one symbol at p from [p, pEnd): 1- to 3-byte sequences; overlong
// forms and encoded surrogates decode by plain arithmetic. A 4-byte sequence
// (U+10000 to U+10FFFF) is two symbols, its UTF-16 surrogate pair, as the
// same text reads in UCS-2: its first two bytes give the high surrogate, its
// last two the low one. So the low half is decoded at the sequence's third
// byte, looking back at the two before it; pBegin (at most p) is where the
// bytes that may be looked at begin. A sequence cut off by pEnd consumes
// what is there and delivers U+FFFD. Bytes F8-FF, a 4-byte sequence outside
// U+10000 to U+10FFFF, stray continuation bytes and a lead followed by
// anything but a continuation byte are errors.
Utf8Step DecodeUtf8Symb(const uint8_t* pBegin, const uint8_t* p, const uint8_t* pEnd,
                        char16_t& symb);

class CUnicodeFile : public CMyFile {
public:
    // File length -1, encoding and line end 0; then as CMyFile::Reset.
    void Reset() override;
    // Opens read-only and determines encoding and line end. Fails with 41311
    // for an empty file, 41346 for a file of 2 GB or more, and with the
    // decoding error when line-end detection meets one.
    virtual bool OpenUnicode(std::u16string_view strPath);

    // Seeks behind the byte-order mark and returns that offset.
    int32_t SkipByteOrderMark();
    // Decodes the next symbol at the file position; returns the bytes
    // consumed (1-3 for UTF-8, 2 for each half of a 4-byte sequence, 2 for
    // UCS-2), 0 at the end of the text.
    // Decoding faults set 41333 and throw CMyObjectThrow.
    int ReadSymb(char16_t& symb);

    int32_t GetEncoding() const { return m_nEncoding; }
    int32_t GetLineEnd() const { return m_nLineEnd; }
    std::u16string_view GetLineEndString() const { return LineEndString(m_nLineEnd); }
    // Length in bytes, -1 while no file has been opened as text.
    int32_t GetFileLength() const { return m_nFileLength; }
    // Byte offset where the text ends: the file length, less the trailing
    // odd byte of a UCS-2 file. A reader that tests "position reached the
    // end" must compare with this, or it loses the last line of such a file.
    int32_t GetTextEnd() const { return m_nTextEnd; }
    // Size of the byte-order mark of the current encoding (0, 2 or 3).
    int32_t GetByteOrderMarkSize() const;

protected:
    int32_t m_nFileLength = -1;
    int32_t m_nTextEnd = -1;
    int32_t m_nEncoding = ENCODING_NODEF;
    int32_t m_nLineEnd = LINE_END_NONE;

private:
    int32_t DetectEncoding();
    int32_t SetLineEndFromFile();
};
