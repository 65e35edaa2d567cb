// The information file beside a dictionary ("<name>_info.txt"): display
// names of the dictionary in several languages. A line "<Language>" opens a
// section; the first non-empty line after it is the name in that language.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CDisplayName {
    std::u16string strName;
    std::u16string strLanguage;  // empty for the fallback name

    bool operator==(const CDisplayName&) const = default;
};

// The dictionary's path up to its last "." (the whole path when the file
// name has none) followed by "_info.txt".
std::u16string DictInfoFilePath(std::u16string_view strDictPath);
// The dictionary's path without its extension: the companion folder or file.
std::u16string DictCompanionPath(std::u16string_view strDictPath);

// The (name, language) pairs of an information file's text, in file order.
std::vector<CDisplayName> ParseDictInfoText(std::u16string_view text);

// The whole text of an information file in any encoding the text reader
// accepts; nothing when it is missing, empty or unreadable.
std::optional<std::u16string> ReadDictInfoText(std::u16string_view strPath);

// The pair in the first language, else the second, else the third (each
// compared without regard to case), else the first pair, else "".
std::u16string ChooseDisplayName(std::span<const CDisplayName> names, std::u16string_view first,
                                 std::u16string_view second, std::u16string_view third);
