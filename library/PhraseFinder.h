// Finds the places where the words of a query follow one another: each word
// through any of its forms' occurrence lists, with consecutive word numbers.
// The rarest word is read whole and the others are only probed at the word
// numbers it leaves, so a phrase costs about what its rarest word costs.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "dictformat/GmdIndexView.h"

using COccurrence = gmd::OccurrenceRecord;

// Search area: 0 everywhere, 1 left part, 2 right part. Form side: 1 left,
// 2 right, 3 both.
enum : int { SEARCH_AREA_ALL = 0, SEARCH_AREA_LEFT = 1, SEARCH_AREA_RIGHT = 2 };
enum : int { FORM_SIDE_LEFT = 1, FORM_SIDE_RIGHT = 2, FORM_SIDE_BOTH = 3 };

struct CFormList {
    COccurrenceList list;
    int nSide = FORM_SIDE_BOTH;
};

// The occurrence lists of every form of one query word in one dictionary, in
// form order.
struct CWordLists {
    std::vector<CFormList> aLists;
    uint64_t nTotal = 0;
};

struct CPhrase {
    uint32_t nStart = 0;  // word number of its first word
    COccurrence first;
    COccurrence last;
    bool bDiffers = false;  // some word matched a text that differs from it
};

// Tells whether query word k differs from the text of the occurrence it
// matched; false when that text cannot be read (the search then fails).
using WordTextCheck = std::function<bool(size_t k, const COccurrence& occ, bool& bDiffers)>;

enum class PhraseOutcome { Done, Cancelled, Failed };

class CPhraseFinder {
public:
    // check may be empty: no phrase is then marked as differing.
    CPhraseFinder(std::span<const CWordLists> aWords, int nArea, const std::atomic<bool>& bCancel,
                  WordTextCheck check)
        : m_aWords(aWords), m_nArea(nArea), m_bCancel(bCancel), m_check(std::move(check)) {}

    // Every phrase, in ascending order of its first word number.
    PhraseOutcome FindPhrases(std::vector<CPhrase>& aPhrases);

private:
    bool Accepts(size_t k, int nSide, const COccurrence& occ) const;
    bool Cancelled() const { return m_bCancel.load(std::memory_order_relaxed); }
    // Every accepted record of word k, by word number; of two with the same
    // number the later one is kept.
    bool DecodeWord(size_t k, std::vector<COccurrence>& aOut);
    // The occurrence of word k at each of the given word numbers (ascending).
    bool LookupWord(size_t k, std::span<const uint32_t> aNumbers);
    bool ProbeWord(size_t k, std::span<const uint32_t> aNumbers);
    PhraseOutcome KeepFound(size_t k, std::vector<CPhrase>& aPhrases);

    std::span<const CWordLists> m_aWords;
    int m_nArea;
    const std::atomic<bool>& m_bCancel;
    WordTextCheck m_check;
    std::vector<COccurrence> m_aFound;
    std::vector<bool> m_aHas;
};
