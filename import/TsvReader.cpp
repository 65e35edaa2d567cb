#include "TsvReader.h"

#include "ImportText.h"
#include "MarkupConverter.h"
#include "core/Utf8.h"

std::string UnescapeTsvDefinition(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool CTsvReader::Open(const std::filesystem::path& input, std::string& strError) {
    m_path = input;
    if (!ReadWholeFile(input, m_text)) {
        strError = ImportFault(input, "cannot read the file");
        return false;
    }
    if (m_text.starts_with("\xEF\xBB\xBF")) m_text.erase(0, 3);
    m_strName = FromUtf8(input.stem().string());
    return true;
}

bool CTsvReader::WriteArticles(CSourceWriter& writer, std::string& strError) {
    CSourceArticle& article = writer.Article();
    std::string_view rest = m_text;
    for (size_t nLine = 1; !rest.empty(); ++nLine) {
        const size_t nEol = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, nEol);
        rest.remove_prefix(std::min(nEol + 1, rest.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (TrimImportText(DecodeImportText(line)).empty()) continue;
        const std::string where = "line " + std::to_string(nLine);
        const size_t nTab = line.find('\t');
        if (nTab == std::string_view::npos) {
            strError = ImportFault(m_path, where, "no TAB between headword and definition");
            return false;
        }
        const std::u16string headword(TrimImportText(DecodeImportText(line.substr(0, nTab))));
        if (headword.empty()) {
            strError = ImportFault(m_path, where, "empty headword");
            return false;
        }
        article.Begin(headword);
        AppendMarkup(article, DecodeImportText(UnescapeTsvDefinition(line.substr(nTab + 1))),
                     MarkupDialect::Plain);
        if (!writer.WriteArticle()) {
            strError = ImportFault(m_path, where, ToUtf8(writer.GetError()));
            return false;
        }
    }
    return true;
}
