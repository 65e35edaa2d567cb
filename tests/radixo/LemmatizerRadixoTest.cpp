// CLemmatizer with the real libRadixo.so and the data folders beside the
// programs: UTF-16 words in, code-page conversion both ways, upper-cased
// lemmas out.
#include <algorithm>

#include <gtest/gtest.h>

#include "core/CharTables.h"
#include "core/Lemmatizer.h"
#include "core/Utf8.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

const std::u16string kBinFolder = FromUtf8(BuiltFolder());

class LemmatizerRadixo : public ::testing::Test {
protected:
    LemmatizerRadixo() : m_lemmatizer(kBinFolder) { m_lemmatizer.SetMorphologyRoot(kBinFolder); }

    bool Gives(int nCode, std::u16string_view word, std::u16string_view lemma) {
        m_lemmatizer.GetWordLemmas(word, nCode, m_array, false);
        return std::find(m_array.begin(), m_array.end(), lemma) != m_array.end();
    }

    CLemmatizer m_lemmatizer;
    CMyArray<std::u16string> m_array;
};

TEST_F(LemmatizerRadixo, EachLanguageLoadsAndLemmatises) {
    m_lemmatizer.EnableLanguage(CLemmatizer::LANG_GERMAN);
    const char16_t* const names[] = {u"", u"Russian", u"English", u"German"};
    for (int nCode = 1; nCode <= 3; ++nCode) {
        ASSERT_TRUE(m_lemmatizer.LoadLanguage(nCode)) << ToUtf8(m_lemmatizer.GetError());
        const std::u16string& info = m_lemmatizer.GetInfoText();
        if (!info.empty()) {
            EXPECT_TRUE(info.starts_with(u"Morphological module for " +
                                         std::u16string(names[nCode]) + u" language loaded in "));
            EXPECT_TRUE(info.ends_with(u" [seconds]"));
        }
    }
    EXPECT_TRUE(Gives(1, u"КНИГИ", u"КНИГА"));
    EXPECT_TRUE(Gives(1, u"ЛЮДЬМИ", u"ЧЕЛОВЕК"));
    EXPECT_TRUE(Gives(1, u"ЁЛКИ", u"ЁЛКА"));
    EXPECT_TRUE(Gives(2, u"CHILDREN", u"CHILD"));
    EXPECT_TRUE(Gives(2, u"Went", u"GO"));
    EXPECT_TRUE(Gives(3, u"HÄUSER", u"HAUS"));
    EXPECT_TRUE(Gives(3, u"GING", u"GEHEN"));
    EXPECT_TRUE(Gives(3, u"FÜßE", u"FUß"));
    // Every lemma is upper-cased and listed once.
    m_lemmatizer.GetWordLemmas(u"LEAVES", 2, m_array, false);
    for (const std::u16string& lemma : m_array) {
        std::u16string upper = lemma;
        ToUpperString(upper);
        EXPECT_EQ(lemma, upper);
        EXPECT_EQ(std::count(m_array.begin(), m_array.end(), lemma), 1);
    }
}

TEST_F(LemmatizerRadixo, GermanGivesNothingWhileSwitchedOff) {
    EXPECT_TRUE(m_lemmatizer.LoadLanguage(3));
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    EXPECT_EQ(m_lemmatizer.GetWordLemmas(u"HÄUSER", 3, m_array, false), 0);
}

TEST_F(LemmatizerRadixo, MissingDataFolderIsReported) {
    CTempDir root;
    m_lemmatizer.SetMorphologyRoot(FromUtf8(root.Path().string()));
    EXPECT_FALSE(m_lemmatizer.LoadLanguage(2));
    EXPECT_TRUE(m_lemmatizer.GetError().starts_with(
        u"Error loading morphological module for English language\r\n"
        u"Morphological module path: '"));
    EXPECT_FALSE(m_lemmatizer.IsLanguageEnabled(2));
    EXPECT_EQ(m_lemmatizer.GetWordLemmas(u"WENT", 2, m_array, false), 0);
}

}  // namespace
