// The lemma table of a language's data folder beside the programs against
// the live analysis, over the words the table is made of.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/CodePage.h"
#include "core/Utf8.h"
#include "radixo/LetterCase.h"
#include "radixo/MorphModule.h"
#include "support/RunProgram.h"

// Compares every nStep-th word of the table, in lower and in upper case, its
// misspellings and affixed forms that the table mostly does not hold, and
// words it does not hold (other languages, digits, signs, rare words of
// English dictionaries); reports the first disagreements.
inline void ExpectTableAgreesWithLiveAnalysis(int nLang, size_t nStep) {
    static const char* const kFolders[] = {"", "RusMorph", "EngMorph", "GerMorph"};
    const std::unique_ptr<CMorphModule> pModule = CMorphModule::Create(nLang);
    ASSERT_TRUE(pModule->Load(BuiltFile(kFolders[nLang]) + "/"));
    ASSERT_TRUE(pModule->HasTable()) << kFolders[nLang] << ": the table is missing or stale";
    const std::vector<std::u16string> words = pModule->TableWords();
    ASSERT_GT(words.size(), 10000u);
    int nMismatches = 0;
    const auto compare = [&](std::u16string_view spelling) {
        const std::string word =
            WideToMultiByte(spelling, nLang == 1 ? CodePage::Cp1251 : CodePage::Cp1252);
        if (nMismatches < 10 && pModule->Lemmas(word) != pModule->LiveLemmas(word)) {
            ADD_FAILURE() << kFolders[nLang] << ": " << ToUtf8(spelling);
            ++nMismatches;
        }
    };
    // Where the table answers words it does not hold (closed letters), near
    // misses of its words test that most.
    const bool bNearMisses = !pModule->ClosedLetters().empty();
    for (size_t i = 0; i < words.size(); i += nStep) {
        const std::u16string& word = words[i];
        compare(word);
        compare(ToUpperText(word));
        if (!bNearMisses || word.size() < 3) continue;
        const size_t nMiddle = word.size() / 2;
        std::u16string swapped = word;
        std::swap(swapped[nMiddle - 1], swapped[nMiddle]);
        for (const std::u16string& near :
             {word.substr(0, nMiddle) + word.substr(nMiddle + 1), swapped, word + word.back(),
              word + u"s", word + u"ed", word + u"ing", word + u"est", u"un" + word, u"re" + word})
            compare(near);
    }
    for (const char16_t* pszForeign : {u"apples",        u"houses",
                                       u"книги",         u"городах",
                                       u"häuser",        u"straße",
                                       u"1990",          u"x86",
                                       u"don’t",         u"rock'n'roll",
                                       u"e-mail",        u"дом-музей",
                                       u"?????",         u"¿qué?",
                                       u"naïve",         u"dunglison",
                                       u"cudworth",      u"cycladic",
                                       u"monophosphate", u"radicans",
                                       u"ivanovich",     u"novaehollandiae",
                                       u"phlegmon",      u"barometz",
                                       u"perh",          u"tion",
                                       u"81st",          u"2000th",
                                       u"22d",           u"h2so4",
                                       u"1686"})
        compare(pszForeign);
}
