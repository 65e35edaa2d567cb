// The search in one dictionary: the automaton walk for every form of every
// query word, the phrases, their match classes and the article results.
#include <unordered_map>

#include "core/CharTables.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSearch.h"
#include "library/ResultSort.h"

namespace {

// An article and what its phrases gave it so far.
struct CPendingArticle {
    uint32_t nArticle = 0;
    int nClass = MATCH_CLASS_WORST;
    std::vector<CMatchSpan> aSpans;
};

// The articles hit, in the order of their first phrase.
class CArticleCollector {
public:
    void Add(uint32_t nArticle, int nClass, CMatchSpan span) {
        CPendingArticle& article = Find(nArticle);
        article.nClass = std::min(article.nClass, nClass);
        article.aSpans.push_back(span);
    }
    std::vector<CPendingArticle>& Articles() { return m_aArticles; }

private:
    // Phrases come in source order and so do the article records, so a new
    // article normally lies after every earlier one; the map is only built
    // for an index that breaks that order.
    CPendingArticle& Find(uint32_t nArticle) {
        if (!m_aArticles.empty() && m_aArticles.back().nArticle == nArticle)
            return m_aArticles.back();
        if (!m_bMapped && (m_aArticles.empty() || m_aArticles.back().nArticle < nArticle)) {
            m_aArticles.push_back({nArticle, MATCH_CLASS_WORST, {}});
            return m_aArticles.back();
        }
        if (!m_bMapped) {
            for (size_t i = 0; i < m_aArticles.size(); ++i)
                m_index.emplace(m_aArticles[i].nArticle, i);
            m_bMapped = true;
        }
        auto [it, bNew] = m_index.try_emplace(nArticle, m_aArticles.size());
        if (bNew) m_aArticles.push_back({nArticle, MATCH_CLASS_WORST, {}});
        return m_aArticles[it->second];
    }

    std::vector<CPendingArticle> m_aArticles;
    std::unordered_map<uint32_t, size_t> m_index;
    bool m_bMapped = false;
};

int PhraseClass(const CPhrase& phrase) {
    int nClass = 0;
    if (!((phrase.first.byFlags & gmd::WORD_FIRST_IN_PART) &&
          (phrase.last.byFlags & gmd::WORD_LAST_IN_PART2)))
        nClass |= MATCH_NOT_WHOLE_PART;
    if (phrase.bDiffers) nClass |= MATCH_BY_LEMMA;
    if (phrase.first.byFlags & gmd::WORD_RIGHT_PART) nClass |= MATCH_RIGHT_PART;
    return nClass;
}

bool HasMorphLanguage(const CDictIndexFile& dict) {
    for (int i = 0; i < dict.GetMorphDescrCount(); ++i)
        if (dict.GetMorphDescr(i).nLangId != 0) return true;
    return false;
}

CSearchResult MakeResult(const CArticleRead& read, CPendingArticle&& article) {
    CSearchResult result;
    result.m_nLeftStart = read.record.nLeftBeg;
    result.m_nLeftEnd = read.record.nLeftEnd;
    result.m_nRightStart = read.record.nRightBeg;
    result.m_nRightEnd = read.record.nRightEnd;
    result.m_nSortKey = read.record.nSortKey;
    if (read.record.nGroupCaption >= 0 && read.bHasCaption) {
        result.m_nCaptionPos = read.record.nGroupCaption;
        result.m_nCaptionLeftStart = read.nCaptionLeftBeg;
        result.m_nCaptionLeftEnd = read.nCaptionLeftEnd;
        result.m_nCaptionRightStart = read.nCaptionRightBeg;
        result.m_nCaptionRightEnd = read.nCaptionRightEnd;
    }
    result.m_aSpans = std::move(article.aSpans);
    result.m_nClass = article.nClass;
    return result;
}

}  // namespace

bool CDictSearch::FindWordOccurrences(CDictIndexFile& dict, std::u16string_view form, int nSide,
                                      CWordLists& lists) {
    const CFormLookup lookup = dict.LookupForm(form);
    switch (lookup.status) {
        case CFormLookup::FOUND:
            lists.aLists.push_back({lookup.occurrences, nSide});
            lists.nTotal += lookup.occurrences.size();
            return true;
        case CFormLookup::ABSENT:
            return true;
        default:
            SetError(dict.GetError());
            return false;
    }
}

// The word itself is looked up on both sides; a lemma only in a dictionary
// that has its language, on the side of the first such descriptor.
bool CDictSearch::FindFormsOccurrences(CDictIndexFile& dict, const CQueryWord& word,
                                       CWordLists& lists) {
    for (size_t f = 0; f < word.aForms.size(); ++f) {
        const CQueryForm& form = word.aForms[f];
        int nSide = FORM_SIDE_BOTH;
        if (f > 0) {
            nSide = 0;
            for (int i = 0; i < dict.GetMorphDescrCount() && nSide == 0; ++i) {
                const MorphDescr descr = dict.GetMorphDescr(i);
                if (descr.nLangId == form.nLangId) nSide = descr.nSide;
            }
            if (nSide == 0) continue;
        }
        if (!FindWordOccurrences(dict, form.strText, nSide, lists)) return false;
    }
    return true;
}

bool CDictSearch::SearchDictionary(CDictIndexFile& dict, CDictResults& results, int nSortMode,
                                   int nArea, const std::atomic<bool>& bCancel) {
    const size_t n = m_aQuery.size();
    std::vector<CWordLists> aWords(n);
    for (size_t i = 0; i < n; ++i) {
        if (!FindFormsOccurrences(dict, m_aQuery[i], aWords[i])) return false;
        if (aWords[i].nTotal == 0) return true;
    }
    if (n == 0) return true;

    const CGmdIndexView& view = dict.GetIndexView();
    std::u16string strPiece;
    WordTextCheck check;
    if (HasMorphLanguage(dict)) {
        check = [&](size_t k, const COccurrence& occ, bool& bDiffers) {
            const std::u16string& word = m_aQuery[k].strText;
            if (word.size() < MIN_LEMMA_WORD) return true;
            const int64_t nStart = occ.dwPosition;
            const int64_t nEnd = nStart + occ.bySpan;
            // Plain text compares directly; markup and references need the
            // reader's full comparison.
            if (view.GetText(nStart, nEnd, strPiece) &&
                strPiece.find_first_of(u"<&") == std::u16string::npos) {
                bDiffers = !IsEqualNoCase(strPiece, word);
                return true;
            }
            bool bEqual = false;
            if (!dict.IsTextEqual(word, static_cast<int>(nStart), static_cast<int>(nEnd), bEqual)) {
                SetError(dict.GetError());
                return false;
            }
            bDiffers = !bEqual;
            return true;
        };
    }

    std::vector<CPhrase> aPhrases;
    switch (CPhraseFinder(aWords, nArea, bCancel, check).FindPhrases(aPhrases)) {
        case PhraseOutcome::Done:
            break;
        case PhraseOutcome::Cancelled:
            return false;
        case PhraseOutcome::Failed:
            return false;
    }

    CArticleCollector collector;
    for (const CPhrase& phrase : aPhrases) {
        if (bCancel.load(std::memory_order_relaxed)) return false;
        const int64_t nEnd = int64_t{phrase.last.dwPosition} + phrase.last.bySpan;
        collector.Add(phrase.first.dwArticlePos, PhraseClass(phrase),
                      {static_cast<int>(phrase.first.dwPosition), static_cast<int>(nEnd)});
    }

    bool bOk = true;
    for (CPendingArticle& article : collector.Articles()) {
        if (bCancel.load(std::memory_order_relaxed)) {
            bOk = false;
            break;
        }
        CArticleRead read;
        if (!dict.ReadArticle(article.nArticle, read)) {
            SetError(dict.GetError());
            bOk = false;
            break;
        }
        const int nClass = article.nClass;
        results.GetList(nClass).push_back(MakeResult(read, std::move(article)));
    }
    for (int k = 0; k < MATCH_CLASS_COUNT; ++k)
        SortResultList(results.GetList(k), nSortMode, k);
    return bOk;
}
