// The dictionary source being compiled: its keyword header, and its text cut
// into articles by the configured separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Separators.h"
#include "dictformat/DictCommon.h"

// Where reading stands; travels with the reading position through the
// header, the check pass and the build pass.
struct SourcePos {
    int32_t nBytePos = 0;  // in the file, byte-order mark included
    int32_t nCharPos = 0;  // code units read from the start of the text
    int32_t nLine = 0;     // line of the reading position, from 1; 0 before any text

    bool operator==(const SourcePos&) const = default;
};

// Keyword numbers of ParseKeywordLine.
enum : int {
    KEYWORD_NONE = 0,  // not a keyword line: the header has ended
    KEYWORD_FILE_TYPE = 1,
    KEYWORD_DICT_TYPE = 2,
    KEYWORD_INDEX = 3,
    KEYWORD_MORPH = 4,
    KEYWORD_NAME = 5,
};

// Longest header value and morphology name.
inline constexpr size_t kMaxHeaderValue = 255;

class CDictSource : public CDictCommon {
public:
    // The separators the source is cut with (checked by the caller with
    // CheckSeparatorSettings). Kept across Reset.
    void SetSeparators(const CSeparatorSettings& settings) { m_separators = settings; }
    const CSeparatorSettings& GetSeparators() const { return m_separators; }

    // Reads the keyword lines from the start of the text into the header
    // settings and leaves the reading position on the first article line;
    // nPos receives its byte position. A fault leaves its message here and
    // GetReadPos().nLine names its line. Decoding faults are caught.
    bool ReadHeader(int32_t& nPos) override;
    bool ReadHeader();
    // The source writes nothing.
    bool WriteHeader() override { return true; }

    // nKeyword is KEYWORD_NONE for a line that ends the header (empty after
    // trimming, not starting with "$" or without ":"); otherwise one of the
    // five keywords, with the trimmed value. An unknown keyword or a value
    // over kMaxHeaderValue units fails with its message.
    bool ParseKeywordLine(std::u16string_view strLine, int& nKeyword, std::u16string& strValue);

    // The next article from the reading position: its text (without the
    // separator), its first and one-past-last character positions and its
    // first line. False at the end of the text, and on a decoding fault,
    // which leaves its message here (GetError) with GetReadPos().nLine on
    // the line that holds the bad byte.
    bool ReadNextArticle(std::u16string& strText, int32_t& nBegin, int32_t& nEnd,
                         int32_t& nFirstLine);

    const SourcePos& GetReadPos() const { return m_pos; }
    // Goes back to a position a reader reported (the build pass restarts
    // after the header).
    void SetReadPos(const SourcePos& pos) { m_pos = pos; }

    // The string that ends an article: the line end once or twice, or the
    // configured one.
    std::u16string GetArticlesSeparator() const;

    // Adds the descriptors of a "$MORPH:" value; a faulty item adds none of
    // them and fails with its message.
    bool ApplyMorphList(std::u16string_view strValue);
    // The header line of morphology descriptor i (0 when it came from
    // elsewhere than the header).
    int32_t GetMorphLine(int i) const {
        return static_cast<size_t>(i) < m_morphLines.size() ? m_morphLines[static_cast<size_t>(i)]
                                                            : 0;
    }

private:
    bool ApplyKeyword(int nKeyword, std::u16string_view strValue);
    bool ReadHeaderLine(std::u16string& strLine);

    CSeparatorSettings m_separators;
    SourcePos m_pos;
    std::vector<int32_t> m_morphLines;
};
