#include "ParserTestUtil.h"

#include <atomic>
#include <fstream>
#include <random>

#include "core/Utf8.h"

bool CRecordingSink::AddIndexWord(CArticleIndex& article, const IndexWord& word) {
    if (m_nFailAt == static_cast<int>(m_words.size())) {
        article.SetError(u"sink refused");
        return false;
    }
    m_words.push_back({std::u16string(word.strText), word.nPosition, word.nSpan, word.nFlags,
                       word.nWordNumber, word.nArticle});
    return true;
}

void CRecordingSink::EndOfPart(CArticleIndex&) {
    ++m_nPartEnds;
    if (!m_words.empty()) m_words.back().nFlags |= gmd::WORD_END_OF_PART;
}

ParseOutcome ParseOne(const ParseInput& in) {
    CArticleIndex article;
    article.SetParseSettings(in.strPartsSep, in.strLineEnd, in.nIndexArea);
    article.Reset();
    article.SetArticle(in.strText, in.nBegin, in.nBegin + static_cast<int32_t>(in.strText.size()));
    CRecordingSink sink;
    ParseOutcome out;
    out.ctx = in.ctx;
    out.bOk = article.ParseArticle(out.ctx, &sink);
    out.strError = article.GetError();
    out.nLine = out.ctx.nLine;
    out.words = sink.m_words;
    out.record = article.GetRecord();
    out.bCaption = article.IsCaption();
    return out;
}

std::vector<std::u16string> WordTexts(const ParseOutcome& outcome) {
    std::vector<std::u16string> texts;
    for (const RecordedWord& w : outcome.words)
        texts.push_back(w.strText);
    return texts;
}

std::string CaseName(const char* pszName) {
    std::string name;
    for (const char* p = pszName; *p != '\0'; ++p) {
        const char c = *p;
        const bool bAlnum =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        name.push_back(bAlnum ? c : '_');
    }
    return name;
}

std::string EncodeText(std::u16string_view text, TextEncoding encoding) {
    std::string bytes;
    switch (encoding) {
        case TextEncoding::Utf8Bom:
            bytes = "\xEF\xBB\xBF";
            [[fallthrough]];
        case TextEncoding::Utf8:
            return bytes + ToUtf8(text);
        case TextEncoding::Ucs2Le:
            bytes = "\xFF\xFE";
            for (char16_t c : text) {
                bytes.push_back(static_cast<char>(c & 0xFF));
                bytes.push_back(static_cast<char>(c >> 8));
            }
            return bytes;
        case TextEncoding::Ucs2Be:
            bytes = "\xFE\xFF";
            for (char16_t c : text) {
                bytes.push_back(static_cast<char>(c >> 8));
                bytes.push_back(static_cast<char>(c & 0xFF));
            }
            return bytes;
    }
    return bytes;
}
