// The search with the real English morphology: the dictionary indexes each
// word with its lemmas from the lemmatiser, and the query words are looked up
// through theirs.
#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "core/Lemmatizer.h"
#include "core/Utf8.h"
#include "support/RunProgram.h"

namespace {

const std::u16string kBinFolder = FromUtf8(BuiltFolder());

class SearchMorphology : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        m_pLemmatizer = std::make_unique<CLemmatizer>(kBinFolder);
        m_pLemmatizer->SetMorphologyRoot(kBinFolder);
        if (!m_pLemmatizer->LoadLanguage(CLemmatizer::LANG_ENGLISH))
            GTEST_SKIP() << "no English morphology: " << ToUtf8(m_pLemmatizer->GetError());
    }

    // Index forms as the compiler makes them: the word's English lemmas.
    CTestDictionary English(std::vector<CTestArticle> articles) {
        CTestDictionary dict;
        dict.aMorph = {{u"English", 3}};
        dict.aArticles = std::move(articles);
        dict.lemmas = [this](const std::u16string& word) {
            std::vector<std::pair<std::u16string, int>> forms;
            if (word.size() < 3 || word.size() > 50) return forms;
            CMyArray<std::u16string> lemmas;
            m_pLemmatizer->GetWordLemmas(word, CLemmatizer::LANG_ENGLISH, lemmas, false);
            for (const std::u16string& lemma : lemmas)
                forms.emplace_back(lemma, 3);
            return forms;
        };
        return dict;
    }

    void OpenWithLemmatizer() {
        Open();
        m_pSearch = std::make_unique<CDictSearch>(m_pLemmatizer.get(), *m_pGroups);
    }

    std::unique_ptr<CLemmatizer> m_pLemmatizer;
};

TEST_F(SearchMorphology, WordsAreFoundThroughTheirLemmas) {
    const CTestLayout l = AddDictionary("a.gmd", English({{u"child", u"a young person"},
                                                          {u"family", u"the children went home"},
                                                          {u"go", u"to move"},
                                                          {u"mice", u"small animals"}}));
    OpenWithLemmatizer();
    const auto& a = l.aArticles;

    ASSERT_TRUE(Search(u"children"));  // CHILD through the query's lemma, and literally
    EXPECT_EQ(Shown(),
              (std::vector<std::pair<int, int>>{{2, a[0].nLeftStart}, {5, a[1].nLeftStart}}));
    ASSERT_TRUE(Search(u"going"));  // GO: the headword and "went" of article 1
    EXPECT_EQ(Shown(),
              (std::vector<std::pair<int, int>>{{2, a[2].nLeftStart}, {7, a[1].nLeftStart}}));
    // GO reaches "went" through the index, but a two-letter word never
    // counts as a lemma match, and the other two words match literally.
    ASSERT_TRUE(Search(u"children go home"));
    EXPECT_EQ(Shown(), (std::vector<std::pair<int, int>>{{5, a[1].nLeftStart}}));
    ASSERT_TRUE(Search(u"child went home"));
    EXPECT_EQ(Shown(), (std::vector<std::pair<int, int>>{{7, a[1].nLeftStart}}));
    ASSERT_TRUE(Search(u"mouse"));
    EXPECT_EQ(Shown(), (std::vector<std::pair<int, int>>{{2, a[3].nLeftStart}}));
    ASSERT_TRUE(Search(u"mice"));
    EXPECT_EQ(Shown(), (std::vector<std::pair<int, int>>{{0, a[3].nLeftStart}}));
}

}  // namespace
