// The word index of one compile run: the automaton, one occurrence list per
// distinct form, and the article records.
//
// The run parses the source twice. The first pass inserts every form into
// the automaton and only counts the occurrences of each; then every list's
// size and place are known, and the second pass writes each occurrence
// straight into its slot of one contiguous block that already has the
// layout of the file's occurrence lists. Nothing is kept per occurrence
// beyond its 14 bytes in that block.
//
// The forms of a word depend only on its text and its part (left or right),
// so they are worked out, lemmatiser included, once per distinct pair; every
// later occurrence reuses the list numbers found the first time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "Automaton.h"
#include "FormTable.h"
#include "LemmaSource.h"
#include "WordIndex.h"
#include "core/MyObject.h"
#include "core/UnicodeMappingFile.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"

// An occurrence as a list holds it: the article field is the article index.
using WordOccurrence = gmd::OccurrenceRecord;

// The message of a source that changed on disk between the two passes.
inline constexpr char16_t kSourceChangedText[] =
    u"The source file changed while it was being compiled";

class CIndexBuilder : public CMyObject, public CCompiledIndex {
public:
    CIndexBuilder();

    // Empties everything and creates the roots. The forms of a word come from
    // these (kept by the caller for the whole run).
    void Start(std::span<const MorphUse> morph, CLemmaSource* pLemmas, const CharMap* pCharMap);
    void Reset();

    // First pass: inserts the word's text and forms and counts one
    // occurrence on each of their lists. Second pass (after PrepareLists):
    // writes the occurrence into those lists. False with the error text set
    // when the index cannot take the word.
    bool CountWord(CWordIndex& word);
    bool PlaceWord(CWordIndex& word);
    // Between the passes: every list gets its place; false (with the text)
    // when the occurrences would not fit a compiled file.
    bool PrepareLists();
    // After the second pass: every list must be exactly full.
    bool CheckListsFull();

    void AddArticleRecord(const gmd::ArticleRecord& record) { m_articles.push_back(record); }
    void ClearArticleRecords() { m_articles.clear(); }
    const gmd::ArticleRecord& GetArticleInfo(int nIndex) const;  // throws outside
    const CAutomaton& GetAutomaton() const { return m_autom; }
    CAutomaton& GetAutomaton() { return m_autom; }
    uint64_t GetOccurrenceCount() const { return m_nOccurrences; }
    // List nList after the second pass; throws outside.
    std::vector<WordOccurrence> GetWordInfo(int nList) const;
    size_t GetMemoryBytes() const;

    // CCompiledIndex
    uint32_t GetArticleRecordCount() const override {
        return static_cast<uint32_t>(m_articles.size());
    }
    gmd::ArticleRecord GetArticleRecord(uint32_t nIndex) const override {
        return m_articles[nIndex];
    }
    uint32_t GetNodeCount() const override { return m_autom.GetNodeCount(); }
    bool IsNodeFinal(uint32_t nNode) const override { return m_autom.IsFinal(nNode); }
    uint32_t GetNodeListIndex(uint32_t nNode) const override { return m_autom.GetRelBegPos(nNode); }
    void GetNodeRelations(uint32_t nNode, std::span<const char16_t>& symbols,
                          std::span<const uint32_t>& targets) const override;
    uint32_t GetListCount() const override { return m_forms.GetCount(); }
    std::span<const uint8_t> GetListRecords(uint32_t nList) const override;

private:
    static constexpr uint32_t kUnknown = 0xFFFFFFFFu;

    // The list of a form, inserting it when new (first pass only).
    bool ResolveForm(std::u16string_view form, bool bInsert, uint32_t& nList);
    // The forms of the word's text and part: an index into m_formRefs where
    // the count and then the list numbers stand.
    bool ResolveWord(CWordIndex& word, bool bInsert, uint32_t& nTextList, uint32_t& nRef);
    bool Place(uint32_t nList, const uint8_t* pRecord);

    CAutomaton m_autom;
    CFormTable m_forms;
    std::vector<gmd::ArticleRecord> m_articles;
    // Per list: occurrences counted in the first pass; then where its records
    // begin and the next free byte in m_occ.
    std::vector<uint32_t> m_counts;
    std::vector<uint32_t> m_listBeg;  // a compiled file stays below 2^31 bytes
    std::vector<uint32_t> m_listCur;
    // Per list, for a list that is some word's text: where its forms stand
    // in m_formRefs, for a word of the left [0] and of the right part [1].
    std::vector<uint32_t> m_wordForms[2];
    std::vector<uint32_t> m_formRefs;
    std::unique_ptr<uint8_t[]> m_occ;
    uint64_t m_nOccBytes = 0;
    uint64_t m_nOccurrences = 0;

    std::vector<MorphUse> m_morph;
    CLemmaSource* m_pLemmas = nullptr;
    const CharMap* m_pCharMap = nullptr;
};
