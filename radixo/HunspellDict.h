// One Hunspell dictionary, spoken to in UTF-16 whatever its own character
// set. Hunspell is not reentrant: the caller serialises every call.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DictEncoding.h"

class Hunspell;

class CHunspellDict {
public:
    CHunspellDict();
    ~CHunspellDict();
    CHunspellDict(const CHunspellDict&) = delete;
    CHunspellDict& operator=(const CHunspellDict&) = delete;

    // False when a file cannot be read or the dictionary's character set is
    // not one we can convert.
    bool Open(const std::string& affPath, const std::string& dicPath);
    bool IsOpen() const { return m_pHunspell != nullptr; }

    // The dictionary stems of a word as Hunspell gives them, duplicates removed.
    std::vector<std::u16string> Stem(std::u16string_view word) const;
    bool Spell(std::u16string_view word) const;

private:
    // A word the dictionary's character set cannot hold is unknown to it.
    bool ToDict(std::u16string_view word, std::string& out) const;

    std::unique_ptr<Hunspell> m_pHunspell;
    CDictEncoding m_encoding;
};
