// Where the compiler gets lemmas from: the morphology adapter in the
// programs, a fixed table in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dictformat/GmdLayout.h"

// One "$MORPH:" language as the indexer uses it.
struct MorphUse {
    int32_t nLangId = 0;  // 1 Russian, 2 English, 3 German, 0 none
    int32_t nSide = MORPH_SIDE_BOTH;
};

class CLemmaSource {
public:
    virtual ~CLemmaSource() = default;
    // Whether the language is switched on: its module may be loaded and its
    // lemmas asked for. A module that fails to load switches it off.
    virtual bool IsLanguageAvailable(int32_t nLangId) const = 0;
    // Loads the language's module. On success strReport holds the load report
    // (may be empty); on failure strError holds why.
    virtual bool LoadLanguage(int32_t nLangId, std::u16string& strReport,
                              std::u16string& strError) = 0;
    // Appends the upper-cased lemmas of a word given in the language's code
    // page (1251 for Russian, 1252 otherwise), keeping the list free of
    // duplicates and at most 10 long.
    virtual void AppendWordLemmas(const std::string& strWord, int32_t nLangId,
                                  std::vector<std::u16string>& forms) = 0;
};
