// Every word form a Hunspell dictionary's affix rules make of its word list:
// the words with their suffixes, a second suffix where a suffix allows one,
// and prefixes where both sides allow the cross product. Compounds are not
// formed (there is no end to them), nor words only compounds may use. The
// letters the dictionary converts or ignores on input are visited as forms.
// Used to build lemma tables ahead of time and by tests that walk a whole
// dictionary.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Calls visit for every form, in the dictionary's letter case, possibly more
// than once; false when a file cannot be read or its character set is not
// one we can convert.
bool ForEachHunspellForm(const std::string& affPath, const std::string& dicPath,
                         const std::function<void(std::u16string_view form)>& visit);

// What Hunspell reads beyond those forms: the letters it converts or ignores
// on input, and the word list entries that may be parts of a compound. Nothing
// when a compound part may take affixes (its forms would have no end).
struct HunspellBeyondForms {
    std::u16string inputLetters;
    std::vector<std::u16string> compoundParts;
};
std::optional<HunspellBeyondForms> ReadHunspellBeyondForms(const std::string& affPath,
                                                           const std::string& dicPath);
