// The numbered user-visible texts and their printf-style formatting.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

struct StringTableEntry {
    int nId;
    const char16_t* pszText;
};

// The built-in English texts common to both programs, sorted by id.
std::span<const StringTableEntry> BuiltInStringTable();

// The two programs give some numbers (40102-40999) different texts; each
// program selects its own set once at start. The shell's set is the default.
enum class TextSet { Shell, Compiler };
void SelectTextSet(TextSet set);
TextSet SelectedTextSet();

// The built-in English texts of one program, sorted by id. They are looked up
// before the common ones.
std::span<const StringTableEntry> BuiltInProgramTable(TextSet set);

// A translation pack may supply its own text for a built-in English text (the
// same English text is translated once wherever it is used); when it returns
// nothing the built-in text is used. Installed once at program start.
using TextOverride = std::function<std::optional<std::u16string>(std::u16string_view english)>;
void SetTextOverride(TextOverride override);

// The text of an id, or nothing when no text has that number.
std::optional<std::u16string> LoadText(int nId);

// One argument of a formatted text.
using TextArg = std::variant<std::u16string_view, int64_t, double>;

// printf-style formatting of %s %d %i %u %x %X %c %f %lf %e %g %% with flags,
// width and precision. It never reads past its arguments: a missing argument
// formats as nothing, and an argument of another kind than its placeholder is
// converted (a number for %s, a text for %d), so a translated text with wrong
// placeholders cannot crash the program.
std::u16string FormatText(std::u16string_view format, std::initializer_list<TextArg> args);

// LoadText + FormatText; an unknown id gives an empty text.
std::u16string FormatTextId(int nId, std::initializer_list<TextArg> args = {});
