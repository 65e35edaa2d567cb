// Settings files ("Glossmere.ini", "Glossmill.ini") read and written by the
// rules users of such files expect: sections and keys match without regard to
// case, values are trimmed, the first of duplicate sections or keys wins, and
// a write changes only the line it concerns, so comments, unknown keys and the
// order of everything stay as the user left them. The file is UTF-8 (a
// byte-order mark is kept) and is only ever replaced whole, through a
// temporary file and a rename.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CIniFile {
public:
    // Reads the file at path. A missing file is an empty profile. False, with
    // errorText naming the file, when it exists but cannot be read or is not
    // UTF-8 text; the profile is then empty.
    bool Load(const std::filesystem::path& path, std::u16string& errorText);
    // Takes the text of a whole file.
    void LoadText(std::string_view utf8);

    // The value of key in section, trimmed of blanks and of one pair of
    // enclosing quotes; nullopt when the section or the key is absent.
    std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;
    // The value, or defaultValue when absent, cut to maxLength units.
    std::u16string GetString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue = {},
                             size_t maxLength = kMaxValueLength) const;
    // Keys of section in file order (the first of duplicates only).
    std::vector<std::u16string> GetKeys(std::u16string_view section) const;

    // Replaces the value of the first such key, or adds the key at the end
    // of its section, or the section at the end of the file.
    void SetString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    // Removes the first such key; nothing when absent.
    void Remove(std::u16string_view section, std::u16string_view key);

    // The whole file as it would be written.
    std::string Text() const;
    // Replaces the file through a temporary file and a rename; on failure
    // the old file is untouched and errorText says why.
    bool Save(const std::filesystem::path& path, std::u16string& errorText) const;

    static constexpr size_t kMaxValueLength = 509;

private:
    struct Line {
        std::string text;        // as in the file, without the line end
        std::u16string section;  // set on a "[section]" line
        std::u16string key;      // set on a "key=value" line
        bool bSection = false;
        bool bKey = false;
    };
    static Line ParseLine(std::string text);
    // Index of the first "[section]" line, or npos.
    size_t FindSection(std::u16string_view section) const;
    // Index of the first key line in the section starting at nSection, or npos.
    size_t FindKey(size_t nSection, std::u16string_view key) const;
    // One past the last line that belongs to the section at nSection.
    size_t SectionEnd(size_t nSection) const;

    std::vector<Line> m_lines;
    bool m_bByteOrderMark = false;
    bool m_bCrLf = false;
};

// The integer of an integer setting: the whole text, trimmed of blanks at both
// ends, must be a decimal integer (an optional leading minus) that fits a
// signed 32-bit value; nullopt otherwise.
std::optional<int32_t> ParseProfileInt(std::u16string_view text);
