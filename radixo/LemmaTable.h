// A lemma table built ahead of time: every form a language's dictionaries
// know, lower-cased in the language's code page, with the lemmas the live
// analysis gives it. The file is mapped and read in place, so a language is
// ready at once; a form the table does not hold goes to the live analysis,
// unless it is made only of letters the module vouches for: where every
// word those letters spell that the live analysis answers is in the table,
// any other gets no lemmas at once.
// The table names the sizes and times of the files it was made from and is
// refused when any of them changed. Layout in LemmaTable.cpp.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a table was made from: size and modification time of each source
// file, in the order the module names them; a missing file has no stamp.
struct SourceStamp {
    uint64_t nSize = 0;
    int64_t nModified = 0;  // nanoseconds
    bool operator==(const SourceStamp&) const = default;
};
std::vector<SourceStamp> StampFiles(const std::vector<std::string>& paths);

using LemmaAnswers = std::map<std::string, std::vector<std::string>>;

// False when the file cannot be written; a table is replaced whole or not at all.
// closedLetters: the bytes of keys the table answers completely (above).
[[nodiscard]] bool WriteLemmaTable(const std::string& path, int nLang,
                                   const std::vector<SourceStamp>& stamps,
                                   const LemmaAnswers& answers,
                                   std::string_view closedLetters = {});

class CLemmaTable {
public:
    CLemmaTable() = default;
    ~CLemmaTable();
    CLemmaTable(const CLemmaTable&) = delete;
    CLemmaTable& operator=(const CLemmaTable&) = delete;

    // False when the file is missing or malformed, or was made for another
    // language or from other files.
    bool Open(const std::string& path, int nLang, const std::vector<SourceStamp>& stamps);
    void Close();
    bool IsOpen() const { return m_pData != nullptr; }

    // The lemmas of a lower-cased form, or nothing for a form the table does
    // not hold (or a damaged stretch of it). A form with a letter no form of
    // the table has gets no lemmas: every answer of the live analysis comes
    // from a dictionary word, a listed form or rules that keep the word's
    // letters and must end in one of those. So does a form the table does not
    // hold that is made only of its closed letters.
    std::optional<std::vector<std::string>> Find(std::string_view key) const;

private:
    std::optional<std::string_view> FirstKey(uint32_t nBlock) const;
    std::optional<std::vector<std::string>> List(uint32_t nList) const;

    const uint8_t* m_pData = nullptr;
    size_t m_nSize = 0;
    static bool HasAll(std::string_view letterBits, std::string_view key);

    std::string_view m_letters, m_closedLetters, m_blockIndex, m_listIndex, m_keys, m_lists;
    uint32_t m_nBlocks = 0;
    uint32_t m_nLists = 0;
};
