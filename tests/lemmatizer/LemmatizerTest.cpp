// CLemmatizer against stand-in libraries with canned answers: the parsing of
// the library's answer, the limits, the texts of every failure, the language
// switches and the order of unloading.
#include "core/Lemmatizer.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/StringTable.h"
#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

const std::u16string kFakeFolder = FromUtf8(GLOSS_TEST_LIBS_DIR "/fake");
const std::u16string kNoExportFolder = FromUtf8(GLOSS_TEST_LIBS_DIR "/noexport");

// The test's own handle on a stand-in library, to read its call counters.
class FakeLibrary {
public:
    explicit FakeLibrary(const std::u16string& folder)
        : m_hModule(dlopen((ToUtf8(folder) + "/libRadixo.so").c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~FakeLibrary() {
        if (m_hModule != nullptr) dlclose(m_hModule);
    }
    int LoadCalls() const { return Call<int (*)()>("FakeLoadCalls")(); }
    int GetCalls() const { return Call<int (*)()>("FakeGetCalls")(); }
    int UnloadCalls(int nLang) const { return Call<int (*)(int)>("FakeUnloadCalls")(nLang); }

private:
    template <class F>
    F Call(const char* pszName) const {
        return reinterpret_cast<F>(dlsym(m_hModule, pszName));
    }
    void* m_hModule;
};

// A morphology root with the three data folders the stand-in checks for.
class MorphRoot {
public:
    MorphRoot() {
        for (const char* pszFolder : {"RusMorph", "EngMorph", "GerMorph"})
            std::filesystem::create_directory(m_dir.Path() / pszFolder);
    }
    std::u16string Path() const { return FromUtf8(m_dir.Path().string()); }

private:
    CTempDir m_dir;
};

class LemmatizerFake : public ::testing::Test {
protected:
    LemmatizerFake() : m_lemmatizer(kFakeFolder) { m_lemmatizer.SetMorphologyRoot(m_root.Path()); }

    std::vector<std::u16string> LemmasOf(const char* pszWord, int nCode = 2) {
        m_lemmatizer.GetWordLemmas(pszWord, nCode, m_array, false);
        return {m_array.begin(), m_array.end()};
    }

    FakeLibrary m_fake{kFakeFolder};
    MorphRoot m_root;
    CLemmatizer m_lemmatizer;
    CMyArray<std::u16string> m_array;
};

using Words = std::vector<std::u16string>;

// The message that switches a language off: the reason, the library's folder
// when the library is at fault, and the language's data folder.
std::u16string LanguageOff(std::u16string_view strLanguage, std::u16string_view strDataFolder) {
    return u"Error loading morphological module for " + std::u16string(strLanguage) +
           u" language\r\nMorphological module path: '" + std::u16string(strDataFolder) +
           u"'\r\nMorphological analysis and lemmatization for this language will not be "
           u"available.";
}
std::u16string LibraryFault(std::u16string_view strReason, std::u16string_view strLibraryFolder,
                            std::u16string_view strLanguage, std::u16string_view strDataFolder) {
    return std::u16string(strReason) + u"\r\nDynamic library path: '" +
           std::u16string(strLibraryFolder) + u"'\r\n" + LanguageOff(strLanguage, strDataFolder);
}

TEST_F(LemmatizerFake, AnswerIsCutAtSeparatorsUpperCasedAndDeduplicated) {
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    EXPECT_EQ(LemmasOf("DUP"), (Words{u"A", u"B"}));
    EXPECT_EQ(LemmasOf("TAIL"), (Words{u"X"}));  // text after the last ';' is no lemma
    EXPECT_EQ(LemmasOf("EMPTY"), (Words{u"Z"}));
    // 50 bytes do not fit the lemma buffer: skipped, never cut; 49 do.
    EXPECT_EQ(LemmasOf("LONG"), (Words{u"OK", std::u16string(49, u'E')}));
}

TEST_F(LemmatizerFake, AppendStopsAtTenEntriesBeforeDuplicatesGo) {
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    EXPECT_EQ(m_lemmatizer.GetWordLemmas("SEVEN", 2, m_array, false), 7);
    EXPECT_EQ(m_lemmatizer.GetWordLemmas("FIVE", 2, m_array, true), 10);
    EXPECT_EQ(m_array[9], u"10");
    // Seven, then only three of the next seven fit; those three are
    // duplicates, so seven remain.
    m_lemmatizer.GetWordLemmas("SEVEN", 2, m_array, false);
    EXPECT_EQ(m_lemmatizer.GetWordLemmas("SEVEN", 2, m_array, true), 7);
    EXPECT_EQ(m_array[6], u"7");
}

TEST_F(LemmatizerFake, WordsOfMoreThanFiftyBytesAreNotLookedUp) {
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    const int nCalls = m_fake.GetCalls();
    EXPECT_EQ(LemmasOf(std::string(50, 'w').c_str()), (Words{u"SEEN"}));
    EXPECT_EQ(LemmasOf(std::string(51, 'w').c_str()), Words{});
    EXPECT_EQ(LemmasOf(std::string(10000, 'w').c_str()), Words{});
    EXPECT_EQ(m_fake.GetCalls(), nCalls + 1);
    // With append, what the array already holds stays and is counted.
    m_lemmatizer.GetWordLemmas("DUP", 2, m_array, false);
    EXPECT_EQ(m_lemmatizer.GetWordLemmas(std::string(51, 'w').c_str(), 2, m_array, true), 2);
}

TEST_F(LemmatizerFake, WideWordsGoThroughTheLanguagesCodePage) {
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(1));
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    m_lemmatizer.GetWordLemmas(u"ECHOкнига", 1, m_array, false);
    EXPECT_EQ(m_array.GetSize(), 1);
    EXPECT_EQ(m_array[0], u"ECHOКНИГА");
    m_lemmatizer.GetWordLemmas(u"ECHOhäuser", 2, m_array, false);
    EXPECT_EQ(m_array[0], u"ECHOHÄUSER");
    // A letter the code page lacks reaches the library as '?'.
    m_lemmatizer.GetWordLemmas(u"ECHOж", 2, m_array, false);
    EXPECT_EQ(m_array[0], u"ECHO?");
    EXPECT_EQ(m_lemmatizer.GetWordLemmas(std::u16string(u"ECHO\0x", 6), 2, m_array, false), 0);
}

TEST_F(LemmatizerFake, TimingTextOnlyWhenLoadingTookTime) {
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    EXPECT_EQ(m_lemmatizer.GetInfoText(),
              u"Morphological module for English language loaded in 1.3 [seconds]");
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(1));  // the stand-in loads Russian in 0 s
    EXPECT_EQ(m_lemmatizer.GetInfoText(), u"");
}

TEST_F(LemmatizerFake, GermanStartsSwitchedOffAndIsNeverAsked) {
    EXPECT_FALSE(m_lemmatizer.IsLanguageEnabled(0));
    EXPECT_TRUE(m_lemmatizer.IsLanguageEnabled(1));
    EXPECT_TRUE(m_lemmatizer.IsLanguageEnabled(2));
    EXPECT_FALSE(m_lemmatizer.IsLanguageEnabled(3));
    const int nLoads = m_fake.LoadCalls();
    EXPECT_TRUE(m_lemmatizer.LoadLanguage(3));
    EXPECT_EQ(m_lemmatizer.GetInfoText(), u"");
    EXPECT_EQ(m_fake.LoadCalls(), nLoads);
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(2));
    EXPECT_EQ(LemmasOf("DUP", 3), Words{});
    EXPECT_FALSE(m_lemmatizer.UnloadLanguage(3));
    m_lemmatizer.EnableLanguage(3);
    ASSERT_TRUE(m_lemmatizer.LoadLanguage(3));
    EXPECT_EQ(LemmasOf("DUP", 3), (Words{u"A", u"B"}));
}

TEST_F(LemmatizerFake, CodesOutsideOneToThreeAreRefused) {
    for (int nCode : {0, 4, -1}) {
        m_lemmatizer.SetError(u"old");
        EXPECT_FALSE(m_lemmatizer.LoadLanguage(nCode)) << nCode;
        EXPECT_EQ(m_lemmatizer.GetError(), u"This language is not supported");
        EXPECT_FALSE(m_lemmatizer.UnloadLanguage(nCode));
        EXPECT_EQ(LemmasOf("DUP", nCode), Words{});
    }
}

TEST_F(LemmatizerFake, MissingDataFolderSwitchesTheLanguageOff) {
    m_lemmatizer.SetMorphologyRoot(u"/nonexistent/root");
    EXPECT_FALSE(m_lemmatizer.LoadLanguage(1));
    EXPECT_EQ(m_lemmatizer.GetError(), LanguageOff(u"Russian", u"/nonexistent/root/RusMorph/"));
    EXPECT_FALSE(m_lemmatizer.IsLanguageEnabled(1));
    // Switched off for the rest of the run: no second attempt, no lemmas.
    const int nLoads = m_fake.LoadCalls();
    EXPECT_TRUE(m_lemmatizer.LoadLanguage(1));
    EXPECT_EQ(m_fake.LoadCalls(), nLoads);
    EXPECT_EQ(LemmasOf("DUP", 1), Words{});
}

TEST_F(LemmatizerFake, DestructionUnloadsTheSwitchedOnLanguages) {
    const int nRussian = m_fake.UnloadCalls(1), nEnglish = m_fake.UnloadCalls(2),
              nGerman = m_fake.UnloadCalls(3);
    {
        CLemmatizer lemmatizer(kFakeFolder);
        lemmatizer.SetMorphologyRoot(m_root.Path());
        ASSERT_TRUE(lemmatizer.LoadLanguage(2));
        EXPECT_TRUE(lemmatizer.UnloadLanguage(2));
    }
    EXPECT_EQ(m_fake.UnloadCalls(1), nRussian + 1);
    EXPECT_EQ(m_fake.UnloadCalls(2), nEnglish + 2);
    EXPECT_EQ(m_fake.UnloadCalls(3), nGerman);
}

TEST_F(LemmatizerFake, NothingIsAskedBeforeTheLibraryIsLoaded) {
    EXPECT_EQ(LemmasOf("DUP"), Words{});
    EXPECT_FALSE(m_lemmatizer.UnloadLanguage(2));
}

TEST(Lemmatizer, MissingLibraryIsReportedWithItsFolder) {
    MorphRoot root;
    CTempDir emptyFolder;
    const std::u16string libraryFolder = FromUtf8(emptyFolder.Path().string());
    CLemmatizer lemmatizer(libraryFolder);
    lemmatizer.SetMorphologyRoot(root.Path());
    EXPECT_FALSE(lemmatizer.LoadLemmatizerDll());
    EXPECT_EQ(lemmatizer.GetError(),
              u"Dynamic link library is absent or corrupted:\r\nlibRadixo.so");
    EXPECT_FALSE(lemmatizer.LoadLanguage(2));
    EXPECT_EQ(lemmatizer.GetError(),
              LibraryFault(u"Dynamic link library is absent or corrupted:\r\nlibRadixo.so",
                           libraryFolder, u"English", root.Path() + u"/EngMorph/"));
    EXPECT_FALSE(lemmatizer.IsLanguageEnabled(2));
    EXPECT_TRUE(lemmatizer.IsLanguageEnabled(1));
}

TEST(Lemmatizer, LibraryWithoutAnExportIsNeverCalled) {
    MorphRoot root;
    FakeLibrary fake(kNoExportFolder);
    CLemmatizer lemmatizer(kNoExportFolder);
    lemmatizer.SetMorphologyRoot(root.Path());
    EXPECT_FALSE(lemmatizer.LoadLanguage(1));
    EXPECT_EQ(
        lemmatizer.GetError(),
        LibraryFault(u"Dynamic library 'libRadixo.so' does not contain function 'UnloadLemmatizer'",
                     kNoExportFolder, u"Russian", root.Path() + u"/RusMorph/"));
    // The next language finds no half-loaded library: the same failure again.
    EXPECT_FALSE(lemmatizer.LoadLanguage(2));
    EXPECT_TRUE(lemmatizer.GetError().starts_with(u"Dynamic library 'libRadixo.so' does not"));
    EXPECT_EQ(fake.LoadCalls(), 0);
}

TEST(Lemmatizer, DataFoldersHangUnderTheMorphologyRoot) {
    CLemmatizer lemmatizer(kFakeFolder);
    lemmatizer.SetMorphologyRoot(u"/opt/gloss");
    EXPECT_EQ(lemmatizer.GetMorphologyRoot(), u"/opt/gloss");
    EXPECT_EQ(lemmatizer.LanguageDataFolder(1), u"/opt/gloss/RusMorph/");
    lemmatizer.SetMorphologyRoot(u"/opt/gloss/");
    EXPECT_EQ(lemmatizer.LanguageDataFolder(2), u"/opt/gloss/EngMorph/");
    EXPECT_EQ(lemmatizer.LanguageDataFolder(3), u"/opt/gloss/GerMorph/");
    EXPECT_EQ(lemmatizer.LanguageDataFolder(4), u"");
}

TEST(Lemmatizer, RemoveDuplicatesKeepsFirstOccurrences) {
    CMyArray<std::u16string> arr;
    for (const char16_t* psz : {u"A", u"B", u"A", u"C", u"B", u"A"})
        arr.Add(psz);
    RemoveDuplicateLemmas(arr);
    EXPECT_EQ(Words(arr.begin(), arr.end()), (Words{u"A", u"B", u"C"}));
}

}  // namespace
