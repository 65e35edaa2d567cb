#include "SourceWriter.h"

#include <span>
#include <string>

#include "ImportText.h"
#include "core/Utf8.h"

namespace {

constexpr size_t kMaxHeaderValue = 255;

std::u16string ArticleEnd(const CSeparatorSettings& separators) {
    switch (separators.nArticlesSepType) {
        case ARTICLES_SEP_LINE:
            return u"\n";
        case ARTICLES_SEP_OTHER:
            return separators.strArticlesSep + u"\n";
        default:
            return u"\n\n";
    }
}

}  // namespace

std::u16string HeaderValue(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) {
        if (c < 0x20) c = u' ';
        if (c >= 0xD800 && c <= 0xDFFF) {
            // Both halves of a pair become one replacement character.
            if (c >= 0xDC00 && !out.empty() && out.back() == 0xFFFD) continue;
            c = 0xFFFD;
        }
        out += c;
    }
    out = TrimImportText(out);
    if (out.size() > kMaxHeaderValue) out = TrimImportText(out.substr(0, kMaxHeaderValue));
    return out;
}

CSourceWriter::CSourceWriter(const CSeparatorSettings& separators)
    : m_separators(separators), m_article(separators), m_strArticleEnd(ArticleEnd(separators)) {}

bool CSourceWriter::Create(const std::filesystem::path& target, const SourceHeader& header) {
    if (!m_file.Create(target)) {
        SetError(m_file.GetError());
        return false;
    }
    std::u16string text = u"\uFEFF$FILE_TYPE: DICT\n$DICT_TYPE: MAIN\n$INDEX: BOTH\n";
    if (const std::u16string morph = HeaderValue(header.strMorph); !morph.empty()) {
        text += u"$MORPH: " + morph + u"\n";
    }
    text += u"$NAME: " + HeaderValue(header.strName) + u"\n\n";
    return WriteText(text);
}

bool CSourceWriter::WriteArticle() {
    std::u16string strError;
    if (!m_article.Finish(strError)) {
        SetError(strError);
        return false;
    }
    ++m_nArticles;
    return WriteText(m_article.GetText()) && WriteText(m_strArticleEnd);
}

bool CSourceWriter::WriteText(std::u16string_view text) {
    // Articles hold no surrogates (they are written as references), so
    // the UTF-8 is all of one to three bytes a unit, as the compiler reads it.
    const std::string bytes = ToUtf8(text);
    if (!m_file.Write({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()})) {
        SetError(m_file.GetError());
        return false;
    }
    return true;
}

bool CSourceWriter::Commit() {
    if (!m_file.Commit()) {
        SetError(m_file.GetError());
        return false;
    }
    return true;
}
