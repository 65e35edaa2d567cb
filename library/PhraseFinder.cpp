#include "library/PhraseFinder.h"

#include <algorithm>
#include <numeric>

namespace {

// Probing a list costs a binary search per number; reading it whole is
// cheaper once the numbers are a fair share of its length.
constexpr uint64_t kDecodeFactor = 4;

bool ByWord(const COccurrence& a, const COccurrence& b) {
    return a.dwWordNum < b.dwWordNum;
}

// Keeps the last of every run of equal word numbers (input sorted stably).
void KeepLastOfEqual(std::vector<COccurrence>& aOcc) {
    size_t nOut = 0;
    for (size_t i = 0; i < aOcc.size(); ++i) {
        if (i + 1 < aOcc.size() && aOcc[i + 1].dwWordNum == aOcc[i].dwWordNum) continue;
        aOcc[nOut++] = aOcc[i];
    }
    aOcc.resize(nOut);
}

}  // namespace

bool CPhraseFinder::Accepts(size_t k, int nSide, const COccurrence& occ) const {
    const bool bRight = (occ.byFlags & gmd::WORD_RIGHT_PART) != 0;
    // A phrase never runs past the last word of a part.
    if ((occ.byFlags & gmd::WORD_LAST_IN_PART) && k + 1 != m_aWords.size()) return false;
    if ((nSide == FORM_SIDE_LEFT && bRight) || (nSide == FORM_SIDE_RIGHT && !bRight)) return false;
    if ((m_nArea == SEARCH_AREA_LEFT && bRight) || (m_nArea == SEARCH_AREA_RIGHT && !bRight))
        return false;
    return true;
}

bool CPhraseFinder::DecodeWord(size_t k, std::vector<COccurrence>& aOut) {
    aOut.clear();
    aOut.reserve(static_cast<size_t>(m_aWords[k].nTotal));
    for (const CFormList& form : m_aWords[k].aLists) {
        const size_t nFormStart = aOut.size();
        for (uint32_t i = 0; i < form.list.size(); ++i) {
            if (Cancelled()) return false;
            const COccurrence occ = form.list[i];
            if (Accepts(k, form.nSide, occ)) aOut.push_back(occ);
        }
        // Each list comes in source order; a damaged one is sorted here.
        const auto formBegin = aOut.begin() + static_cast<std::ptrdiff_t>(nFormStart);
        if (!std::is_sorted(formBegin, aOut.end(), ByWord))
            std::stable_sort(formBegin, aOut.end(), ByWord);
        std::inplace_merge(aOut.begin(), formBegin, aOut.end(), ByWord);
    }
    KeepLastOfEqual(aOut);
    return true;
}

// The lists are written in source order, so each is sorted by word number.
bool CPhraseFinder::ProbeWord(size_t k, std::span<const uint32_t> aNumbers) {
    for (const CFormList& form : m_aWords[k].aLists) {
        const COccurrenceList& list = form.list;
        for (size_t i = 0; i < aNumbers.size(); ++i) {
            if (Cancelled()) return false;
            uint32_t nLow = 0, nHigh = list.size();
            while (nLow < nHigh) {  // first record numbered above the target
                const uint32_t nMid = nLow + (nHigh - nLow) / 2;
                if (list[nMid].dwWordNum <= aNumbers[i])
                    nLow = nMid + 1;
                else
                    nHigh = nMid;
            }
            for (uint32_t j = nLow; j-- > 0;) {
                const COccurrence occ = list[j];
                if (occ.dwWordNum != aNumbers[i]) break;
                if (!Accepts(k, form.nSide, occ)) continue;
                m_aFound[i] = occ;
                m_aHas[i] = true;
                break;
            }
        }
    }
    return true;
}

bool CPhraseFinder::LookupWord(size_t k, std::span<const uint32_t> aNumbers) {
    m_aFound.assign(aNumbers.size(), COccurrence{});
    m_aHas.assign(aNumbers.size(), false);
    if (aNumbers.empty()) return true;
    if (m_aWords[k].nTotal > kDecodeFactor * aNumbers.size()) return ProbeWord(k, aNumbers);
    std::vector<COccurrence> aAll;
    if (!DecodeWord(k, aAll)) return false;
    size_t j = 0;
    for (size_t i = 0; i < aNumbers.size(); ++i) {
        while (j < aAll.size() && aAll[j].dwWordNum < aNumbers[i])
            ++j;
        if (j < aAll.size() && aAll[j].dwWordNum == aNumbers[i]) {
            m_aFound[i] = aAll[j];
            m_aHas[i] = true;
        }
    }
    return true;
}

// Drops the phrases that word k does not continue and notes what it matched.
PhraseOutcome CPhraseFinder::KeepFound(size_t k, std::vector<CPhrase>& aPhrases) {
    const size_t n = m_aWords.size();
    size_t nKept = 0;
    for (size_t i = 0; i < aPhrases.size(); ++i) {
        if (!m_aHas[i]) continue;
        CPhrase phrase = aPhrases[i];
        const COccurrence& occ = m_aFound[i];
        if (k == 0) phrase.first = occ;
        if (k + 1 == n) phrase.last = occ;
        if (m_check && !phrase.bDiffers && !m_check(k, occ, phrase.bDiffers))
            return PhraseOutcome::Failed;
        aPhrases[nKept++] = phrase;
    }
    aPhrases.resize(nKept);
    return PhraseOutcome::Done;
}

PhraseOutcome CPhraseFinder::FindPhrases(std::vector<CPhrase>& aPhrases) {
    aPhrases.clear();
    const size_t n = m_aWords.size();
    if (n == 0) return PhraseOutcome::Done;
    std::vector<size_t> aOrder(n);
    std::iota(aOrder.begin(), aOrder.end(), size_t{0});
    std::stable_sort(aOrder.begin(), aOrder.end(),
                     [&](size_t a, size_t b) { return m_aWords[a].nTotal < m_aWords[b].nTotal; });

    const size_t nAnchor = aOrder[0];
    std::vector<COccurrence> aAnchor;
    if (!DecodeWord(nAnchor, aAnchor)) return PhraseOutcome::Cancelled;
    for (const COccurrence& occ : aAnchor) {
        // A phrase starts at word 0 or later and ends within 32 bits.
        const uint32_t nWord = occ.dwWordNum;
        if (nWord < nAnchor || uint64_t{nWord} - nAnchor + (n - 1) > UINT32_MAX) continue;
        aPhrases.push_back({static_cast<uint32_t>(nWord - nAnchor), occ, occ, false});
    }
    m_aFound.clear();
    for (const CPhrase& phrase : aPhrases)
        m_aFound.push_back(phrase.first);
    m_aHas.assign(aPhrases.size(), true);
    if (PhraseOutcome outcome = KeepFound(nAnchor, aPhrases); outcome != PhraseOutcome::Done)
        return outcome;

    std::vector<uint32_t> aNumbers;
    for (size_t o = 1; o < n && !aPhrases.empty(); ++o) {
        const size_t k = aOrder[o];
        aNumbers.clear();
        for (const CPhrase& phrase : aPhrases)
            aNumbers.push_back(phrase.nStart + static_cast<uint32_t>(k));
        if (!LookupWord(k, aNumbers)) return PhraseOutcome::Cancelled;
        if (PhraseOutcome outcome = KeepFound(k, aPhrases); outcome != PhraseOutcome::Done)
            return outcome;
    }
    return PhraseOutcome::Done;
}
