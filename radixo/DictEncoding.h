// The character set a Hunspell dictionary is written in ("SET" of its .aff
// file), and the conversion between it and UTF-16.
#pragma once

#include <string>
#include <string_view>

class CDictEncoding {
public:
    // Both directions of one character set.
    struct CharSet {
        std::string (*fromWide)(std::u16string_view text);
        std::u16string (*toWide)(std::string_view bytes);
    };

    CDictEncoding();

    // Accepts the names Hunspell dictionaries use; false for any other.
    bool Set(std::string_view name);

    // A character the set cannot hold becomes '?'.
    std::string FromWide(std::u16string_view text) const { return m_set.fromWide(text); }
    std::u16string ToWide(std::string_view bytes) const { return m_set.toWide(bytes); }

private:
    CharSet m_set;
};
