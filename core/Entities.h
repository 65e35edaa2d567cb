// Character references in dictionary text: "&" name ";" with the HTML 4.01
// names of the accented Latin-1 and the Greek letters, and "&#" decimal or
// "&#x" hexadecimal numbers for any UTF-16 code unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decodes the text between "&" and ";" (without both).
//  - a code unit 1..65535 for a valid reference;
//  - 32 (a space) for an unknown name made only of ASCII letters;
//  - 0 with an empty message for an empty name or an unknown name holding
//    anything else: the "&" is then an ordinary character;
//  - 0 with message 41323 or 41324 for a malformed or out-of-range number.
// "&#0;" gives 0 without a message.
char16_t DecodeEntity(std::u16string_view name, std::u16string& message);

// The code unit of a named entity, or 0 when the table has no such name
// (names are case-sensitive).
char16_t FindNamedEntity(std::u16string_view name);

// What an "&" in a text stands for, by the rule both programs share: an "&"
// with no ";" after it is an ordinary character; otherwise the text up to the
// next ";" is decoded.
struct EntityRef {
    enum class Kind {
        Literal,  // the "&" is an ordinary character; scanning goes on after it
        Symbol,   // the reference "&" ... ";" stands for nSymbol
        Error,    // a malformed number: strMessage says why
    };
    Kind kind = Kind::Literal;
    char16_t nSymbol = 0;
    size_t nSemicolon = 0;  // position of the ";" that closes a Symbol or Error
    std::u16string strMessage;
};

// The reference from the "&" at nPos to the ";" at nSemicolon (npos: none,
// so the "&" is Literal).
EntityRef DecodeEntityRef(std::u16string_view text, size_t nPos, size_t nSemicolon);

// Resolves the references of one text. It remembers where the next ";" lies,
// so that resolving every "&" of a text costs time in proportion to the text
// and not to its length times its number of "&".
class CEntityScanner {
public:
    explicit CEntityScanner(std::u16string_view text) : m_text(text) {}

    // text[nPos] should be "&"; any other position gives Literal.
    EntityRef At(size_t nPos);
    // The first ";" from nFrom on; npos when there is none.
    size_t NextSemicolon(size_t nFrom);

private:
    std::u16string_view m_text;
    size_t m_nSearchedFrom = std::u16string_view::npos;  // none searched yet
    size_t m_nFound = std::u16string_view::npos;
};
