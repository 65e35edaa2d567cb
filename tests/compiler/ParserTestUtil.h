// Shared helpers of the parser tests: a sink that records what the parser
// hands over, one-article parsing, and source files in temporary folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/ArticleIndex.h"
#include "dictformat/DictCommon.h"
#include "support/TempDir.h"

struct RecordedWord {
    std::u16string strText;
    int32_t nPosition = 0;
    int32_t nSpan = 0;
    uint8_t nFlags = 0;
    int32_t nWordNumber = 0;
    int32_t nArticle = 0;
};

// Keeps the words and marks the last word of a part as the indexing step
// does.
class CRecordingSink : public CIndexWordSink {
public:
    bool AddIndexWord(CArticleIndex& article, const IndexWord& word) override;
    void EndOfPart(CArticleIndex& article) override;

    std::vector<RecordedWord> m_words;
    int m_nPartEnds = 0;
    int m_nFailAt = -1;  // refuse the word with this index
};

struct ParseOutcome {
    bool bOk = false;
    std::u16string strError;
    int32_t nLine = 0;
    std::vector<RecordedWord> words;
    gmd::ArticleRecord record;
    bool bCaption = false;
    ParseContext ctx;
};

struct ParseInput {
    std::u16string_view strText;
    int32_t nIndexArea = 3;
    std::u16string_view strPartsSep = u"##:##";
    std::u16string_view strLineEnd = u"\r\n";
    int32_t nBegin = 0;
    ParseContext ctx{};
};

ParseOutcome ParseOne(const ParseInput& in);
inline ParseOutcome ParseOne(std::u16string_view strText, int32_t nIndexArea = 3) {
    return ParseOne({.strText = strText, .nIndexArea = nIndexArea});
}

std::vector<std::u16string> WordTexts(const ParseOutcome& outcome);

// A test name from a case's description: letters and digits, the rest "_".
std::string CaseName(const char* pszName);

// For INSTANTIATE_TEST_SUITE_P over cases that carry pszName.
struct CaseNamer {
    template <class TParamInfo>
    std::string operator()(const TParamInfo& info) const {
        return CaseName(info.param.pszName) + "_" + std::to_string(info.index);
    }
};

enum class TextEncoding { Utf8Bom, Utf8, Ucs2Le, Ucs2Be };
// The bytes of a text file in an encoding, byte-order mark included.
std::string EncodeText(std::u16string_view text, TextEncoding encoding);
