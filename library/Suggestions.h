// What to offer when a search finds nothing, and the index words that begin
// with a text (for completion), from the index words of the dictionaries a
// search reads.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CDictIndexFile;

inline constexpr size_t MAX_SUGGESTIONS = 10;

// Each word once, as a dictionary writes it where one does (else as
// indexed, in upper case).
struct CWordList {
    std::vector<std::u16string> aWords;
    std::u16string strError;  // set when an index could not be walked
};

// Up to nMax queries to offer for query, which the dictionaries did not
// find: for the first query word none of them holds, the index words it begins
// (shortest first), then the words one edit away (more occurrences first),
// each put in the word's place in the query. None when every word is held.
CWordList SuggestQueries(std::span<CDictIndexFile* const> dicts, std::u16string_view query,
                         size_t nMax = MAX_SUGGESTIONS);

// Every index word of the dictionaries that begins with prefix (any case),
// in the order of their upper-case units.
CWordList ListWordsWithPrefix(std::span<CDictIndexFile* const> dicts, std::u16string_view prefix);
