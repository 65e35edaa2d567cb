// The word index of one compile run: the automaton, one occurrence list per
// distinct form, and the article records.
//
// Words come in source order, one pass over the source. A word's text and
// each of its further forms lead through the form table to their list
// number; a form met for the first time is inserted into the automaton
// then, so nodes and lists are numbered in first-insertion order. Each
// occurrence is appended to the compact occurrence streams and counted; the
// file's lists are made from the streams when it is written.
//
// The forms of a word depend only on its text and its part (left or right),
// so they are worked out, lemmatiser included, once per distinct pair (once
// per text where no language is limited to one part); every later
// occurrence reuses the list numbers found the first time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "Automaton.h"
#include "FormTable.h"
#include "LemmaSource.h"
#include "OccurrenceStreams.h"
#include "WordIndex.h"
#include "core/MyObject.h"
#include "core/UnicodeMappingFile.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"

// An occurrence as a list holds it: the article field is the article index.
using WordOccurrence = gmd::OccurrenceRecord;

class CIndexBuilder : public CMyObject, public CCompiledIndex {
public:
    // Empties everything and creates the roots. The forms of a word come from
    // these (kept by the caller for the whole run).
    void Start(std::span<const MorphUse> morph, CLemmaSource* pLemmas, const CharMap* pCharMap);
    void Reset();
    // The occurrences are put aside in an unnamed file in folder rather than
    // held (after Start); false, and they are held, when none can be made.
    bool KeepOccurrencesIn(const std::filesystem::path& folder) {
        return m_streams.KeepChunksIn(folder);
    }
    // Room for the index of a source of this many bytes, estimated from the
    // sources seen so far, so that the large arrays need not be moved (and
    // held twice meanwhile) as they grow; room not used costs no memory
    // except in the form table, whose estimate is kept low.
    void Reserve(uint64_t nSourceBytes);

    // Indexes one word under its text and its forms. False, with the error
    // text, when the index cannot take it.
    bool AddWord(CWordIndex& word) { return AddWord(word, CFormTable::Hash(word.GetText())); }
    // The same with the hash of the word's text (CFormTable::Hash) at hand.
    bool AddWord(CWordIndex& word, uint32_t nHash);
    // The same for a word given by its upper-cased text and its occurrence
    // (the article field holds the article index).
    bool AddWord(std::u16string_view text, uint32_t nHash, const WordOccurrence& occ);
    // Starts fetching what AddWord will read for a word whose text has this
    // hash, so that several words' lookups overlap instead of waiting in turn.
    void PrefetchForm(uint32_t nHash) const { m_forms.Prefetch(nHash); }
    // After the last word: the size of every list; false (with the text)
    // when the occurrences would not fit a compiled file. No word may be
    // added after it: the forms are let go, only what is written stays.
    bool FinishLists();

    void AddArticleRecord(const gmd::ArticleRecord& record) { m_articles.push_back(record); }
    const gmd::ArticleRecord& GetArticleInfo(int nIndex) const;  // throws outside
    const CAutomaton& GetAutomaton() const { return m_autom; }
    CAutomaton& GetAutomaton() { return m_autom; }
    uint64_t GetOccurrenceCount() const { return m_nOccurrences; }
    // List nList, decoded again from the streams (for checks); throws outside.
    std::vector<WordOccurrence> GetWordInfo(int nList) const;
    size_t GetMemoryBytes() const;
    void SetStreamWindow(uint64_t nBytes) { m_nWindow = nBytes; }

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
    uint32_t GetNodeRelationCount(uint32_t nNode) const override {
        return m_autom.GetRelCount(nNode);
    }
    IndexRelation GetNodeRelation(uint32_t nNode, uint32_t i) const override {
        return m_autom.GetRelation(nNode, i);
    }
    uint32_t GetListCount() const override { return m_nLists; }
    uint32_t GetListSize(uint32_t nList) const override;
    bool StreamLists(const ListSink& sink) const override;

private:
    static constexpr uint32_t kUnknown = 0xFFFFFFFFu;

    // The list of a form, inserting the form when it is new; kUnknown for a
    // form that cannot be a path of the automaton.
    bool ResolveForm(std::u16string_view form, uint32_t& nList);
    // Works out the further forms of the word's text and part once.
    bool ResolveWordForms(CWordIndex& word, uint32_t& nRef);
    // pWord: the word as an object, or nullptr to make one from text and occ
    // when its forms are needed.
    bool AddOccurrence(std::u16string_view text, uint32_t nHash, const WordOccurrence& occ,
                       CWordIndex* pWord);
    bool Append(uint32_t nList, const WordOccurrence& occ);

    CAutomaton m_autom;
    CFormTable m_forms;
    COccurrenceStreams m_streams;
    std::vector<gmd::ArticleRecord> m_articles;
    // Per list: occurrences as some word's further form; after FinishLists
    // the whole size of every list.
    std::vector<uint32_t> m_formCounts;
    std::vector<uint32_t> m_listSizes;
    // Where the further forms of a text and part stand: the count, then the
    // list numbers. Entry 0 is "no forms".
    std::vector<uint32_t> m_formRefs;
    // Per list, for the left and the right part: where the further forms of
    // the form as a word's text stand in m_formRefs, kUnknown until worked
    // out. Empty when no word can have further forms.
    std::vector<uint32_t> m_wordForms;
    uint32_t m_nLists = 0;
    uint64_t m_nOccurrences = 0;
    uint64_t m_nWindow = COccurrenceStreams::kDefaultWindow;

    CWordIndex m_scratchWord;  // for words that come without their object
    std::vector<MorphUse> m_morph;
    bool m_bFormsSideFree = true;  // no language is limited to one part
    bool m_bWordForms = false;     // lemmas or a character map can add forms
    CLemmaSource* m_pLemmas = nullptr;
    const CharMap* m_pCharMap = nullptr;
};
