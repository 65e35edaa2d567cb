#include "CharTables.h"

#include <algorithm>

namespace {

struct SymbRange {
    char16_t first;
    char16_t last;
};

// Thai, then CJK punctuation, enclosed and compatibility characters and the
// unified and compatibility ideographs. A word never continues past one of them.
constexpr SymbRange kIdeogramRanges[] = {
    {u'\u0E01', u'\u0E5B'}, {u'\u3000', u'\u303F'}, {u'\u3200', u'\u32FE'}, {u'\u3300', u'\u33FE'},
    {u'\u4E00', u'\u9FA5'}, {u'\uF900', u'\uFA2D'}, {u'\uFE30', u'\uFE4F'},
};

}  // namespace

bool IsIdeogramSymb(char16_t c) {
    for (const SymbRange& r : kIdeogramRanges) {
        if (c < r.first) return false;  // the ranges are ascending
        if (c <= r.last) return true;
    }
    return false;
}

void ToUpperString(std::u16string& text) {
    for (char16_t& c : text)
        c = ToUpperSymb(c);
}

bool IsEqualNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return ToUpperSymb(x) == ToUpperSymb(y); });
}
