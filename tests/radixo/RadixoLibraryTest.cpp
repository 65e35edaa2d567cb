// libRadixo.so through its four exports, with the data folders the build
// puts beside the programs.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "RadixoTestSupport.h"
#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

using Words = std::vector<std::u16string>;

bool Contains(const Words& words, const std::u16string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

void Load(int nLang) {
    double dSeconds = -1.0;
    ASSERT_EQ(LoadLemmatizer(DataFolder(nLang).c_str(), nLang, &dSeconds), 1) << nLang;
}

TEST(Radixo, LoadsEachLanguageOnceFromItsDataFolder) {
    for (int nLang = 1; nLang <= 3; ++nLang) {
        double dSeconds = -1.0;
        EXPECT_EQ(LoadLemmatizer(DataFolder(nLang).c_str(), nLang, &dSeconds), 1);
        EXPECT_GT(dSeconds, 0.0);
        // Loading again from the same folder (the next compile run) succeeds
        // without loading anything.
        EXPECT_EQ(LoadLemmatizer(DataFolder(nLang).c_str(), nLang, &dSeconds), 1);
        EXPECT_EQ(dSeconds, 0.0);
    }
    EXPECT_EQ(IsLemmatizerLoad(), 1);
}

struct WordCase {
    int nLang;
    const char16_t* pszWord;
    const char16_t* pszLemma;
};

class RadixoWords : public ::testing::TestWithParam<WordCase> {};

TEST_P(RadixoWords, InflectedFormGivesItsLemma) {
    const WordCase& c = GetParam();
    Load(c.nLang);
    const Words lemmas = UpperLemmas(c.pszWord, c.nLang);
    EXPECT_TRUE(Contains(lemmas, c.pszLemma))
        << ToUtf8(c.pszWord) << " gave " << ToUtf8(lemmas.empty() ? u"nothing" : lemmas[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RadixoWords,
    ::testing::Values(
        // Hunspell's stems
        WordCase{1, u"КНИГИ", u"КНИГА"}, WordCase{1, u"столами", u"СТОЛ"},
        WordCase{1, u"ЧИТАЛА", u"ЧИТАТЬ"}, WordCase{1, u"КРАСИВОГО", u"КРАСИВЫЙ"},
        // our list, also with е written for ё, and rules
        WordCase{1, u"ШЁЛ", u"ИДТИ"}, WordCase{1, u"ШЕЛ", u"ИДТИ"},
        WordCase{1, u"ЛЮДЕЙ", u"ЧЕЛОВЕК"}, WordCase{1, u"ДЕТЕЙ", u"РЕБЁНОК"},
        WordCase{1, u"МОГЛА", u"МОЧЬ"}, WordCase{1, u"ОКОН", u"ОКНО"},
        WordCase{1, u"ПРИНЁС", u"ПРИНЕСТИ"},
        // nouns that lose a vowel, which the dictionary lists unlinked
        WordCase{1, u"УГЛА", u"УГОЛ"}, WordCase{1, u"УГЛАМИ", u"УГОЛ"}, WordCase{1, u"РТА", u"РОТ"},
        WordCase{1, u"ВЕТРУ", u"ВЕТЕР"}, WordCase{1, u"ЛЬВА", u"ЛЕВ"},
        WordCase{1, u"ЗАЙЦА", u"ЗАЯЦ"}, WordCase{1, u"МУРАВЬЯ", u"МУРАВЕЙ"},
        WordCase{1, u"ЛЮБВИ", u"ЛЮБОВЬ"}, WordCase{1, u"ЛЬНА", u"ЛЁН"}, WordCase{1, u"ПСА", u"ПЁС"},
        // WordNet's exceptions and rules, our list, Hunspell
        WordCase{2, u"RUNNING", u"RUN"}, WordCase{2, u"WENT", u"GO"},
        WordCase{2, u"KNIVES", u"KNIFE"}, WordCase{2, u"CHILDREN", u"CHILD"},
        WordCase{2, u"MICE", u"MOUSE"}, WordCase{2, u"STUDIES", u"STUDY"},
        WordCase{2, u"IS", u"BE"}, WordCase{2, u"THEM", u"THEY"},
        // German rules on top of Hunspell
        WordCase{3, u"GING", u"GEHEN"}, WordCase{3, u"HÄUSER", u"HAUS"},
        WordCase{3, u"BÜCHERN", u"BUCH"}, WordCase{3, u"KINDERN", u"KIND"},
        WordCase{3, u"GEMACHT", u"MACHEN"}, WordCase{3, u"VERSTAND", u"VERSTEHEN"},
        WordCase{3, u"FÜßE", u"FUß"}, WordCase{3, u"HAUSTÜREN", u"HAUSTÜR"},
        WordCase{3, u"WOHNUNGEN", u"WOHNUNG"}, WordCase{3, u"GRÖßER", u"GROß"},
        // foreign plurals
        WordCase{3, u"MUSEEN", u"MUSEUM"}, WordCase{3, u"THEMEN", u"THEMA"},
        WordCase{3, u"VISA", u"VISUM"}, WordCase{3, u"PRAXEN", u"PRAXIS"},
        WordCase{3, u"MATERIALIEN", u"MATERIAL"}, WordCase{3, u"SCHEMATA", u"SCHEMA"}));

// A rule whose candidate the dictionary does not confirm adds nothing: the
// candidate is no noun of that declension (окон, зол), keeps its vowel (мех),
// takes another plural (Karton, Studio) or is a singular's own form (Omen).
class RadixoUnconfirmed : public ::testing::TestWithParam<WordCase> {};

TEST_P(RadixoUnconfirmed, RuleAddsNoLemmaTheDictionaryDoesNotConfirm) {
    const WordCase& c = GetParam();
    Load(c.nLang);
    EXPECT_FALSE(Contains(UpperLemmas(c.pszWord, c.nLang), c.pszLemma)) << ToUtf8(c.pszWord);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RadixoUnconfirmed,
    ::testing::Values(WordCase{1, u"ОКНА", u"ОКОН"}, WordCase{1, u"ЗЛА", u"ЗОЛ"},
                      WordCase{1, u"СОСНА", u"СОСЕН"}, WordCase{1, u"МХА", u"МЕХ"},
                      WordCase{1, u"ПСА", u"ПОС"}, WordCase{1, u"РВА", u"РЁВ"},
                      WordCase{1, u"ЛОЖКОЙ", u"ЛОЖОК"}, WordCase{1, u"УГЛИ", u"УГОЛ"},
                      WordCase{3, u"KARTEN", u"KARTON"}, WordCase{3, u"ARTEN", u"ARTUS"},
                      WordCase{3, u"STUDIEN", u"STUDIO"}, WordCase{3, u"OMEN", u"OMA"},
                      WordCase{3, u"MUSEEN", u"MUS"}, WordCase{3, u"MUSEEN", u"MUSE"}));

TEST(Radixo, UnknownWordsGiveNothingAndLemmasComeOnce) {
    Load(2);
    EXPECT_EQ(RawLemmas("XQZWVK", 2), "");
    const Words lemmas = UpperLemmas(u"LEAVES", 2);
    EXPECT_TRUE(Contains(lemmas, u"LEAF"));
    EXPECT_TRUE(Contains(lemmas, u"LEAVE"));
    EXPECT_EQ(std::count(lemmas.begin(), lemmas.end(), u"LEAVE"), 1);
}

TEST(Radixo, CallersSeparatorEndsEachLemma) {
    Load(2);
    const std::string raw = RawLemmas("LEAVES", 2, ',');
    EXPECT_EQ(raw.find(';'), std::string::npos);
    EXPECT_EQ(raw.back(), ',');
}

TEST(Radixo, HostileWordsGiveNothingAndNeverCrash) {
    Load(1);
    Load(3);
    EXPECT_EQ(RawLemmas(std::string(10000, 'A'), 3), "");
    EXPECT_EQ(RawLemmas(std::string(10000, '\xE0'), 1), "");
    EXPECT_EQ(RawLemmas("", 1), "");
    EXPECT_EQ(RawLemmas("\x98\x98\x81", 1), "");  // the holes of code page 1251
    EXPECT_EQ(RawLemmas("\x81\x8D\x8F\x90\x9D", 3), "");
    EXPECT_EQ(RawLemmas(";;;", 3), "");
    char buffer[8] = "unset";
    GetLemmas(nullptr, 1, buffer, sizeof buffer, ';');
    EXPECT_STREQ(buffer, "");
    GetLemmas("HAUS", 3, nullptr, 511, ';');
    GetLemmas("HAUS", 3, buffer, 0, ';');
    GetLemmas("HAUS", 3, buffer, -5, ';');
    EXPECT_EQ(buffer[0], '\0');
    std::strcpy(buffer, "unset");
    GetLemmas("HAUS", 3, buffer, sizeof buffer, '\0');
    EXPECT_STREQ(buffer, "");
    for (int nLang : {0, 4, -1, 1000}) {
        std::strcpy(buffer, "unset");
        GetLemmas("HAUS", nLang, buffer, sizeof buffer, ';');
        EXPECT_STREQ(buffer, "") << nLang;
    }
}

TEST(Radixo, SmallBuffersHoldWholeLemmasOnlyAndNoByteMore) {
    Load(2);
    const std::string full = RawLemmas("LEAVES", 2);  // "leaf;leave;"
    ASSERT_GE(full.size(), 6u);
    for (int nCapacity = 1; nCapacity <= static_cast<int>(full.size()) + 2; ++nCapacity) {
        std::string buffer(static_cast<size_t>(nCapacity) + 16, '#');
        GetLemmas("LEAVES", 2, buffer.data(), nCapacity, ';');
        const size_t nLength = std::strlen(buffer.c_str());
        ASSERT_LT(nLength, static_cast<size_t>(nCapacity));
        EXPECT_EQ(buffer.substr(static_cast<size_t>(nCapacity)), std::string(16, '#'));
        const std::string result = buffer.substr(0, nLength);
        EXPECT_EQ(full.substr(0, result.size()), result);
        if (!result.empty()) {
            EXPECT_EQ(result.back(), ';');
        }
    }
}

// A copy of a language's data folder whose morph.conf the test rewrites.
class BadFolder {
public:
    explicit BadFolder(int nLang) {
        std::ifstream in(ToUtf8(DataFolder(nLang)) + "morph.conf");
        std::ostringstream text;
        text << in.rdbuf();
        m_config = text.str();
        std::filesystem::copy(ToUtf8(DataFolder(nLang)) + "forms.txt", m_dir.Path() / "forms.txt");
    }
    void Replace(const std::string& from, const std::string& to) {
        const size_t nPos = m_config.find(from);
        ASSERT_NE(nPos, std::string::npos) << from;
        m_config.replace(nPos, from.size(), to);
    }
    std::u16string Write() {
        m_dir.Write("morph.conf", m_config);
        return FromUtf8(m_dir.Path().string() + "/");
    }
    const CTempDir& Dir() const { return m_dir; }

private:
    CTempDir m_dir;
    std::string m_config;
};

TEST(Radixo, BadDataFoldersFailByTheResult) {
    double dSeconds = -1.0;
    EXPECT_EQ(LoadLemmatizer(u"/nonexistent/RusMorph/", 1, &dSeconds), 0);
    EXPECT_EQ(LoadLemmatizer(nullptr, 1, &dSeconds), 0);
    EXPECT_EQ(LoadLemmatizer(u"", 1, &dSeconds), 0);
    EXPECT_EQ(LoadLemmatizer(DataFolder(1).c_str(), 2, &dSeconds), 0);  // names Russian
    EXPECT_EQ(LoadLemmatizer(DataFolder(1).c_str(), 4, &dSeconds), 0);
    EXPECT_EQ(LoadLemmatizer(DataFolder(1).c_str(), 0, nullptr), 0);
    EXPECT_EQ(LoadLemmatizer(std::u16string(10000, u'a').c_str(), 1, &dSeconds), 0);

    const std::pair<std::string, std::string> edits[] = {
        {"language = 2", "language = 3"},
        {".dic", ".missing"},
        {"aff =", "# aff ="},
        {"forms = forms.txt", "forms = none.txt"},
        {"wordnet =", "wordnet = /nonexistent #"},
        {"wordnet =", "# wordnet ="},
        {"language = 2", "language = 2\nno equals sign"}};
    for (const auto& [from, to] : edits) {
        BadFolder folder(2);
        folder.Replace(from, to);
        EXPECT_EQ(LoadLemmatizer(folder.Write().c_str(), 2, &dSeconds), 0) << from << " -> " << to;
    }
    BadFolder empty(3);
    std::filesystem::create_directory(empty.Dir().Path() / "morph.conf");
    EXPECT_EQ(LoadLemmatizer(FromUtf8(empty.Dir().Path().string() + "/").c_str(), 3, &dSeconds), 0);
}

TEST(Radixo, FailedReloadKeepsTheLoadedLanguage) {
    Load(2);
    double dSeconds = 0.0;
    EXPECT_EQ(LoadLemmatizer(u"/nonexistent/EngMorph/", 2, &dSeconds), 0);
    EXPECT_TRUE(Contains(UpperLemmas(u"WENT", 2), u"GO"));
}

TEST(Radixo, UnloadedLanguageAnswersNothingUntilLoadedAgain) {
    Load(2);
    EXPECT_EQ(UnloadLemmatizer(2), 1);
    EXPECT_EQ(RawLemmas("WENT", 2), "");
    EXPECT_EQ(UnloadLemmatizer(2), 1);
    EXPECT_EQ(UnloadLemmatizer(0), 0);
    EXPECT_EQ(UnloadLemmatizer(4), 0);
    Load(2);
    EXPECT_TRUE(Contains(UpperLemmas(u"WENT", 2), u"GO"));
}

TEST(Radixo, CallsFromSeveralThreadsGetTheSameAnswers) {
    Load(1);
    Load(2);
    const std::string russian = RawLemmas(WideToMultiByte(u"КНИГИ", CodePage::Cp1251), 1);
    const std::string english = RawLemmas("CHILDREN", 2);
    std::vector<std::thread> threads;
    std::atomic<int> nMismatches{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 300; ++i) {
                const std::string word = (t % 2 ? "CHILDREN" : "WORD") + std::to_string(i % 50);
                RawLemmas(word, 2);
                if (RawLemmas(WideToMultiByte(u"КНИГИ", CodePage::Cp1251), 1) != russian ||
                    RawLemmas("CHILDREN", 2) != english)
                    ++nMismatches;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(nMismatches, 0);
}

}  // namespace
