// One language of the lemmatiser: its Hunspell dictionary, our own word list
// and whatever else the language needs, loaded from its data folder, and a
// cache of recent answers. Not thread-safe: the exports serialise all calls.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FormList.h"
#include "HunspellDict.h"
#include "LemmaCache.h"
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

    // The lemmas of a word given in the language's code page, in that code
    // page, each at most kMaxLemmaBytes bytes. Empty for an unknown word.
    const std::vector<std::string>& Lemmas(const std::string& word);

protected:
    CMorphModule(int nLang, CodePage codePage, bool bFoldYo);

    virtual bool LoadExtra(const CModuleConfig& config);
    // The lemmas of a lower-cased word.
    virtual std::vector<std::u16string> Analyse(const std::u16string& lower) const = 0;

    // Hunspell's stems of the word in lower case and capitalised, keeping only
    // stems that are words on their own (not compound parts or pseudo-roots).
    std::vector<std::u16string> DictStems(std::u16string_view lower) const;
    // Whether Hunspell lists the word as a stem of itself: a dictionary entry.
    bool IsDictEntry(std::u16string_view word) const;

    CHunspellDict m_dict;
    CFormList m_forms;

private:
    std::vector<std::string> Encode(const std::vector<std::u16string>& lemmas) const;

    int m_nLang;
    CodePage m_codePage;
    bool m_bFoldYo;
    CLemmaCache m_cache;
};

// Appends text unless it is empty or already present.
void AddLemma(std::vector<std::u16string>& lemmas, std::u16string text);

// The word itself stays among its lemmas only when nothing else explains it:
// dictionaries list many inflected forms as entries of their own (сел, made,
// Stunden), and the word is matched as itself anyway. Letter case and, with
// bFoldYo, ё/е do not count.
void DropWordUnlessAlone(std::vector<std::u16string>& lemmas, std::u16string_view lower,
                         bool bFoldYo);
