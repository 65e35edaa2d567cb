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

// Compares every nStep-th word of the table, in lower and in upper case, and
// words the table does not hold (other languages, digits, signs); reports
// the first disagreements.
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
    for (size_t i = 0; i < words.size(); i += nStep) {
        compare(words[i]);
        compare(ToUpperText(words[i]));
    }
    for (const char16_t* pszForeign :
         {u"apples", u"houses", u"книги", u"городах", u"häuser", u"straße", u"1990", u"x86",
          u"don’t", u"rock'n'roll", u"e-mail", u"дом-музей", u"?????", u"¿qué?", u"naïve"})
        compare(pszForeign);
}
