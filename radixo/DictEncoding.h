// The character set a Hunspell dictionary is written in ("SET" of its .aff
// file), and the conversion between it and UTF-16.
#pragma once

#include <string>
#include <string_view>

class CDictEncoding {
public:
    enum class Kind { Utf8, Latin1, Koi8r, Cp1251, Cp1252 };

    // Accepts the names Hunspell dictionaries use; false for any other.
    bool Set(std::string_view name);

    // A character the set cannot hold becomes '?'.
    std::string FromWide(std::u16string_view text) const;
    std::u16string ToWide(std::string_view bytes) const;

private:
    Kind m_kind = Kind::Utf8;
};
