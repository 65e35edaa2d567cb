// dictd databases: "NAME.index" (one line per headword: the headword, the
// definition's offset and length as base-64 numbers, optionally the
// headword as originally written) and "NAME.dict" or "NAME.dict.dz".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "IndexedReader.h"

class CDictdReader : public CIndexedReader {
public:
    // input: the .index file (or the .dict / .dict.dz beside it).
    bool Open(const std::filesystem::path& input, std::string& strError) override;
    bool WriteArticles(CSourceWriter& writer, std::string& strError) override;

private:
    struct Entry : CIndexEntry {
        size_t nLine = 0;        // from 0
        bool bOriginal = false;  // the headword as written (the fourth column), not the key
    };
    bool ParseIndex(std::string_view text, std::string& strError);
    bool ReadEntryDefinition(const Entry& entry, std::string& out, std::string& strError);

    std::filesystem::path m_index;
    std::vector<Entry> m_entries;
    std::vector<Entry> m_shortName;  // the "00-database-short" entry, if any
};

// dictfmt keeps only the letters, digits and blanks of a headword in the
// index key, lower-cased ("a und bboden" for "A- und B-Boden"), and copies
// the headword as the first line of its definition. Where that line begins
// with what the key was made of, that beginning is the headword as written;
// otherwise the key is.
std::u16string HeadwordAsWritten(std::u16string_view key, std::u16string_view definition);

// A dictd base-64 number ("A" = 0 ... "/" = 63, most significant first);
// false for another character or a value past 2^60.
bool ParseDictdNumber(std::string_view text, uint64_t& value);
