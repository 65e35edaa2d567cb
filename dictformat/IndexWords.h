// Walks of a dictionary's word index beyond the lookup of one form: the forms
// that begin with a text, and the forms one edit away from a word. Both read
// through CGmdIndexView and visit only the nodes that can still lead to an
// answer, never the whole index.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "GmdIndexView.h"

struct CIndexWord {
    std::u16string strForm;  // as indexed: upper case
    COccurrenceList occurrences;
};

// The forms that begin with prefix (an upper-cased text; the prefix itself
// when it is a form), shortest first, each length in the order of the
// index. At most nMax: the walk stops after the length that reaches it, so a
// caller that wants the nMax shortest gets them all. CORRUPT when a node on
// the way lies outside the file.
GmdStep FindFormsWithPrefix(const CGmdIndexView& view, std::u16string_view prefix, size_t nMax,
                            std::vector<CIndexWord>& words);

// The forms one edit from word (an upper-cased text): one unit replaced,
// inserted or deleted, or two neighbours swapped. The word itself is not
// among them.
GmdStep FindFormsOneEditAway(const CGmdIndexView& view, std::u16string_view word,
                             std::vector<CIndexWord>& words);

// The word as the dictionary writes it at one of its first occurrences
// (markup left out, references decoded); empty when none shows the form
// itself (a lemma met only through its inflected forms).
std::u16string WrittenForm(const CGmdIndexView& view, const CIndexWord& word);
