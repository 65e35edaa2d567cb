#include "IndexWords.h"

#include <algorithm>
#include <cstdint>

#include "ArticleText.h"
#include "core/CharTables.h"

namespace {

// Far longer than any word the compiler indexes: a deeper path means the
// relations of a damaged file run in circles, and a longer query word has
// nothing near it. It also bounds the work such a file can cause.
constexpr size_t kMaxFormLength = 1024;

// The final node behind a "+" relation as a word; a node that is not final
// there is a fault of the file.
GmdStep AddWord(const CGmdIndexView& view, uint32_t nFinal, std::u16string_view form,
                std::vector<CIndexWord>& words) {
    CIndexWord word{std::u16string(form), {}};
    if (view.GetOccurrences(nFinal, word.occurrences) != GmdStep::FOUND) return GmdStep::CORRUPT;
    words.push_back(std::move(word));
    return GmdStep::FOUND;
}

// Distances above one are all the same to this walk.
constexpr uint8_t kFar = 2;

// A depth-first walk from every root, carrying one row of the edit distance
// (adjacent swaps counted as one edit) between the path so far and each
// prefix of the word; a path whose row holds nothing within one edit ends
// there. Every path is a prefix of at most one more unit than the word, so
// the walk stays near the word's own path and its neighbours.
class CEditWalk {
public:
    CEditWalk(const CGmdIndexView& view, std::u16string_view word, std::vector<CIndexWord>& words)
        : m_view(view), m_word(word), m_words(words) {
        std::vector<uint8_t> first(word.size() + 1);
        for (size_t j = 0; j < first.size(); ++j)
            first[j] = static_cast<uint8_t>(std::min<size_t>(j, kFar));
        m_rows.push_back(std::move(first));
    }

    GmdStep Run() {
        for (uint32_t nRoot = 0; nRoot < gmd::kRootCount; ++nRoot) {
            const auto c = static_cast<char16_t>(nRoot);
            if (!IsWordSymb(c)) continue;
            const auto entry = m_view.NodeEntry(nRoot);
            if (!entry) return GmdStep::CORRUPT;
            if (*entry == 0) continue;
            // A word that begins with neither of the first two units is one
            // edit away only as that unit put before the word or in place
            // of its first unit: two plain walks instead of the full one.
            const bool bNear = c == m_word[0] || (m_word.size() > 1 && c == m_word[1]);
            const GmdStep step = bNear ? Enter(nRoot, c)
                                 : FollowAfter(nRoot, c, m_word.substr(1)) == GmdStep::CORRUPT
                                     ? GmdStep::CORRUPT
                                     : FollowAfter(nRoot, c, m_word);
            if (step == GmdStep::CORRUPT) return step;
        }
        return GmdStep::FOUND;
    }

private:
    // The row after the path grows by c.
    std::vector<uint8_t> NextRow(char16_t c) const {
        const std::vector<uint8_t>& above = m_rows.back();
        const size_t d = m_path.size() + 1;
        std::vector<uint8_t> row(above.size());
        row[0] = static_cast<uint8_t>(std::min<size_t>(d, kFar));
        for (size_t j = 1; j < row.size(); ++j) {
            int n = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (m_word[j - 1] != c)});
            if (d >= 2 && j >= 2 && c == m_word[j - 2] && m_path[d - 2] == m_word[j - 1])
                n = std::min(n, m_rows[d - 2][j - 2] + 1);
            row[j] = static_cast<uint8_t>(std::min<int>(n, kFar));
        }
        return row;
    }

    // The form c + tail, when the index holds it.
    GmdStep FollowAfter(uint32_t nRoot, char16_t c, std::u16string_view tail) {
        uint32_t nNode = nRoot;
        for (size_t i = 0; i <= tail.size(); ++i) {
            const char16_t symb = i < tail.size() ? tail[i] : gmd::kEndSymbol;
            const GmdStep step = m_view.FindChild(nNode, symb, nNode);
            if (step != GmdStep::FOUND) return step == GmdStep::ABSENT ? GmdStep::FOUND : step;
        }
        return AddWord(m_view, nNode, c + std::u16string(tail), m_words);
    }

    GmdStep Enter(uint32_t nNode, char16_t c) {
        std::vector<uint8_t> row = NextRow(c);
        if (*std::min_element(row.begin(), row.end()) >= kFar) return GmdStep::FOUND;
        // A tree has no more paths than nodes: more means the relations of
        // a damaged file run in circles.
        if (++m_nVisited > m_view.NodeCount()) return GmdStep::CORRUPT;
        CRelationList relations;
        const GmdStep step = m_view.GetRelations(nNode, relations);
        if (step != GmdStep::FOUND) return step;
        m_path.push_back(c);
        m_rows.push_back(std::move(row));
        GmdStep result = GmdStep::FOUND;
        for (uint32_t i = 0; i < relations.size() && result != GmdStep::CORRUPT; ++i) {
            const char16_t symb = relations.Symbol(i);
            if (symb != gmd::kEndSymbol)
                result = Enter(relations.Target(i), symb);
            else if (m_rows.back().back() == 1)
                result = AddWord(m_view, relations.Target(i), m_path, m_words);
        }
        m_path.pop_back();
        m_rows.pop_back();
        return result;
    }

    const CGmdIndexView& m_view;
    std::u16string_view m_word;
    std::vector<CIndexWord>& m_words;
    std::u16string m_path;
    std::vector<std::vector<uint8_t>> m_rows;  // m_rows[d]: after d units of the path
    uint32_t m_nVisited = 0;
};

}  // namespace

GmdStep FindFormsWithPrefix(const CGmdIndexView& view, std::u16string_view prefix, size_t nMax,
                            std::vector<CIndexWord>& words) {
    words.clear();
    if (prefix.empty() || prefix.size() > kMaxFormLength) return GmdStep::ABSENT;
    const auto root = CGmdIndexView::RootNode(prefix[0]);
    if (!root) return GmdStep::ABSENT;
    uint32_t nNode = *root;
    for (size_t i = 1; i < prefix.size(); ++i) {
        if (const GmdStep step = view.FindChild(nNode, prefix[i], nNode); step != GmdStep::FOUND)
            return step;
    }
    // Breadth first, so that the words come by length.
    struct CPending {
        uint32_t nNode;
        std::u16string strForm;
    };
    std::vector<CPending> level{{nNode, std::u16string(prefix)}};
    uint64_t nVisited = 0;
    while (!level.empty() && words.size() < nMax) {
        if (level.front().strForm.size() > kMaxFormLength) return GmdStep::CORRUPT;
        std::vector<CPending> next;
        for (const CPending& pending : level) {
            if (++nVisited > view.NodeCount()) return GmdStep::CORRUPT;
            CRelationList relations;
            const GmdStep step = view.GetRelations(pending.nNode, relations);
            if (step == GmdStep::CORRUPT) return step;
            for (uint32_t i = 0; i < relations.size(); ++i) {
                const char16_t symb = relations.Symbol(i);
                if (symb != gmd::kEndSymbol)
                    next.push_back({relations.Target(i), pending.strForm + symb});
                else if (AddWord(view, relations.Target(i), pending.strForm, words) ==
                         GmdStep::CORRUPT)
                    return GmdStep::CORRUPT;
            }
        }
        level = std::move(next);
    }
    return words.empty() ? GmdStep::ABSENT : GmdStep::FOUND;
}

GmdStep FindFormsOneEditAway(const CGmdIndexView& view, std::u16string_view word,
                             std::vector<CIndexWord>& words) {
    words.clear();
    if (word.empty() || word.size() > kMaxFormLength) return GmdStep::ABSENT;
    if (CEditWalk(view, word, words).Run() == GmdStep::CORRUPT) return GmdStep::CORRUPT;
    return words.empty() ? GmdStep::ABSENT : GmdStep::FOUND;
}

std::u16string WrittenForm(const CGmdIndexView& view, const CIndexWord& word) {
    // Lemmas share their words' occurrences; a few looks find the word
    // itself when the dictionary writes it at all near its first use.
    constexpr uint32_t kLooks = 8;
    std::u16string piece, plain;
    for (uint32_t i = 0; i < std::min(word.occurrences.size(), kLooks); ++i) {
        const gmd::OccurrenceRecord occ = word.occurrences[i];
        if (view.GetText(occ.dwPosition, int64_t{occ.dwPosition} + occ.bySpan, piece) &&
            MakePlainText(piece, plain) && IsEqualNoCase(plain, word.strForm))
            return plain;
    }
    return {};
}
