#include "shell/Json.h"

#include <cstdio>

#include "core/Utf8.h"

namespace {

void AppendEscape(std::string& out, unsigned nUnit) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\u%04x", nUnit);
    out += buf;
}

bool IsHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::string JsonString(std::u16string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        switch (c) {
            case u'"':
                out += "\\\"";
                continue;
            case u'\\':
                out += "\\\\";
                continue;
            case u'\n':
                out += "\\n";
                continue;
            case u'\r':
                out += "\\r";
                continue;
            case u'\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (c < 0x20) {
            AppendEscape(out, c);
        } else if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHigh(c) || IsLow(c)) {
            AppendEscape(out, c);
        } else {
            AppendUtf8(out, c);
        }
    }
    out += '"';
    return out;
}
