// One language of the lemmatiser: its Hunspell dictionary, our own word list
// and whatever else the language needs, loaded from its data folder, and a
// cache of recent answers. Where the folder holds a lemma table made from the
// same files, the module starts with the table alone and loads the rest on
// the first word the table does not hold; the answers are the same either
// way. Not thread-safe: the exports serialise all calls.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FormList.h"
#include "HunspellDict.h"
#include "LemmaCache.h"
#include "LemmaTable.h"
#include "ModuleConfig.h"
#include "core/CodePage.h"

class CMorphModule {
public:
    // The module of a language code (1-3), or nullptr for another code.
    static std::unique_ptr<CMorphModule> Create(int nLang);
    virtual ~CMorphModule() = default;

    // False when morph.conf is missing or names another language, or when a
    // file it names cannot be read.
    bool Load(const std::string& dataFolder);
    // Whether the answers come from a lemma table until a word needs more.
    bool HasTable() const { return m_table.IsOpen(); }
    std::optional<std::string> TablePath() const { return m_config.GetPath("table"); }

    // The lemmas of a word given in the language's code page, in that code
    // page, each at most kMaxLemmaBytes bytes. Empty for an unknown word.
    // Valid until the next call.
    const std::vector<std::string>& Lemmas(const std::string& word);
    // The same answer from the live analysis, whatever the table holds.
    std::vector<std::string> LiveLemmas(const std::string& word);
    // Loads what the live analysis needs, once; false when it cannot.
    bool EnsureLive();

    // The files the answers depend on, as the table's stamps name them.
    std::vector<std::string> SourceFiles() const;
    // Every word the table should hold, lower-cased: each form of the
    // Hunspell word list, of our list and of whatever else the language reads.
    virtual std::vector<std::u16string> TableWords();
    // The key a word is looked up with in the table: lower-cased, in the code
    // page; empty when the lower-cased word cannot be spelled there.
    std::string TableKey(std::u16string_view word) const;
    // The letters (code page bytes) of the keys the table answers completely:
    // a word of these alone that the table does not hold gets no lemmas from
    // the live analysis either. Empty where the analysis cannot vouch for that.
    virtual std::string ClosedLetters() { return {}; }

protected:
    CMorphModule(int nLang, CodePage codePage, bool bFoldYo);

    virtual bool LoadExtra(const CModuleConfig& config);
    // Further files the answers depend on (WordNet's).
    virtual std::vector<std::string> ExtraSourceFiles(const CModuleConfig& config) const;
    // The lemmas of a lower-cased word.
    virtual std::vector<std::u16string> Analyse(const std::u16string& lower) const = 0;
    // The same answer for a word the table does not hold, which a module may
    // find with less.
    virtual std::vector<std::u16string> AnalyseBeyondTable(const std::u16string& lower) const {
        return Analyse(lower);
    }

    // Hunspell's stems of the word in lower case and capitalised, keeping only
    // stems that are words on their own (not compound parts or pseudo-roots).
    std::vector<std::u16string> DictStems(std::u16string_view lower) const;
    // Whether Hunspell lists the word as a stem of itself: a dictionary entry.
    bool IsDictEntry(std::u16string_view word) const;
    // The lower-case letters of the code page on which Hunspell gives stems
    // only to the forms its affix rules make of its word list: none it
    // converts or ignores on input, and no word of them alone can be a
    // compound. Empty when every compound part could be spelled with them.
    std::string HunspellClosedLetters();

    CHunspellDict m_dict;
    CFormList m_forms;

private:
    bool LoadLive();
    std::vector<std::string> Live(const std::string& word, bool bBeyondTable);
    std::vector<std::string> Encode(const std::vector<std::u16string>& lemmas) const;

    int m_nLang;
    CodePage m_codePage;
    bool m_bFoldYo;
    // Live answers only: the table answers as fast as a cache would.
    CLemmaCache m_cache;
    std::vector<std::string> m_tableAnswer;
    CModuleConfig m_config;
    CLemmaTable m_table;
    enum class Live { NotLoaded, Loaded, Failed } m_live = Live::NotLoaded;
};

// Appends text unless it is empty or already present.
void AddLemma(std::vector<std::u16string>& lemmas, std::u16string text);

// The word itself stays among its lemmas only when nothing else explains it:
// dictionaries list many inflected forms as entries of their own (сел, made,
// Stunden), and the word is matched as itself anyway. Letter case and, with
// bFoldYo, ё/е do not count.
void DropWordUnlessAlone(std::vector<std::u16string>& lemmas, std::u16string_view lower,
                         bool bFoldYo);
