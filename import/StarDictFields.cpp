#include "StarDictFields.h"

#include <cstdint>

#include "ImportText.h"
#include "MarkupConverter.h"

namespace {

bool IsTextType(char type) {
    return type >= 'a' && type <= 'z';
}

uint32_t Be32(std::string_view bytes) {
    return (uint32_t{static_cast<uint8_t>(bytes[0])} << 24) |
           (uint32_t{static_cast<uint8_t>(bytes[1])} << 16) |
           (uint32_t{static_cast<uint8_t>(bytes[2])} << 8) |
           uint32_t{static_cast<uint8_t>(bytes[3])};
}

// The markup of a text field; plain text for the types without markup.
MarkupDialect DialectOf(char type) {
    switch (type) {
        case 'g':
            return MarkupDialect::Pango;
        case 'x':
            return MarkupDialect::Xdxf;
        case 'h':
            return MarkupDialect::Html;
        case 'k':
            return MarkupDialect::Xml;
        default:
            return MarkupDialect::Plain;
    }
}

void AppendField(CSourceArticle& article, char type, std::string_view bytes, bool& bAny) {
    if (!IsTextType(type) || type == 'r') return;
    const std::u16string text = DecodeImportText(bytes);
    if (TrimImportText(text).empty()) return;
    if (bAny) article.AppendLineBreak();
    bAny = true;
    if (type == 't') {  // a transcription
        article.AppendText(u"[");
        AppendMarkup(article, TrimImportText(text), MarkupDialect::Plain);
        article.AppendText(u"]");
    } else {
        AppendMarkup(article, text, DialectOf(type));
    }
}

// Cuts the field of the given type off the front of data. bLast: the field
// runs to the end (the last one of a sametypesequence).
bool TakeField(char type, bool bLast, std::string_view& data, std::string_view& field,
               std::string& strError) {
    if (bLast) {
        field = data;
        data = {};
        return true;
    }
    if (IsTextType(type)) {
        const size_t nEnd = data.find('\0');
        if (nEnd == std::string_view::npos) {
            strError = std::string("text field '") + type + "' has no terminating NUL byte";
            return false;
        }
        field = data.substr(0, nEnd);
        data.remove_prefix(nEnd + 1);
        return true;
    }
    if (data.size() < 4 || Be32(data) > data.size() - 4) {
        strError = std::string("field '") + type + "' runs past the end of the data";
        return false;
    }
    field = data.substr(4, Be32(data));
    data.remove_prefix(4 + field.size());
    return true;
}

}  // namespace

bool AppendStarDictFields(CSourceArticle& article, std::string_view data,
                          std::string_view sameTypeSequence, std::string& strError) {
    bool bAny = false;
    std::string_view field;
    if (!sameTypeSequence.empty()) {
        for (size_t k = 0; k < sameTypeSequence.size(); ++k) {
            const char type = sameTypeSequence[k];
            if (!TakeField(type, k + 1 == sameTypeSequence.size(), data, field, strError)) {
                return false;
            }
            AppendField(article, type, field, bAny);
        }
        return true;
    }
    while (!data.empty()) {
        const char type = data[0];
        data.remove_prefix(1);
        // A last text field without its NUL byte still ends at the data's end.
        const bool bLast = IsTextType(type) && data.find('\0') == std::string_view::npos;
        if (!TakeField(type, bLast, data, field, strError)) return false;
        AppendField(article, type, field, bAny);
    }
    return true;
}
