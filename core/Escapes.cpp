#include "Escapes.h"

#include "NumberText.h"

namespace {

constexpr size_t kHexEscapeDigits = 4;

}  // namespace

bool ParseEscapes(std::u16string_view text, std::u16string& out) {
    std::u16string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            result += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case u'n':
            case u'N':
                result += u'\n';
                break;
            case u'r':
            case u'R':
                result += u'\r';
                break;
            case u't':
            case u'T':
                result += u'\t';
                break;
            case u'\\':
                result += u'\\';
                break;
            case u'x':
            case u'X': {
                if (text.size() - i - 1 < kHexEscapeDigits) return false;
                const std::u16string_view digits = text.substr(i + 1, kHexEscapeDigits);
                if (!IsHexNumberText(digits, 4)) return false;
                result += static_cast<char16_t>(ReadHexValue(digits));
                i += kHexEscapeDigits;
                break;
            }
            default:
                return false;
        }
    }
    out = std::move(result);
    return true;
}
