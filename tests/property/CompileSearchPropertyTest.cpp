// Compile and search checked against each other: random valid sources are
// compiled, and every index word, every pair of adjacent index words and
// every word that is nowhere indexed is searched. The articles found must be
// exactly those the model says hold the phrase, each in the class its part
// and position imply.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "SourceModel.h"
#include "compiler/DictCompiler.h"
#include "compiler/Separators.h"
#include "core/Utf8.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"
#include "support/TempDir.h"

namespace {

std::string EncodeSource(const std::u16string& text, uint32_t nSeed) {
    std::string bytes;
    switch (nSeed % 3) {
        case 0:
            return "\xEF\xBB\xBF" + ToUtf8(text);
        case 1:
            return ToUtf8(text);
        default:
            bytes = "\xFF\xFE";
            for (char16_t c : text) {
                bytes += static_cast<char>(c & 0xFF);
                bytes += static_cast<char>(c >> 8);
            }
            return bytes;
    }
}

std::string Show(const std::vector<std::u16string>& q) {
    std::string s;
    for (const auto& w : q)
        s += (s.empty() ? "" : " ") + ToUtf8(w);
    return s;
}

class CompileSearchProperty : public ::testing::TestWithParam<uint32_t> {
protected:
    void SetUp() override {
        m_src = GenerateSource(GetParam());
        const std::filesystem::path dicts = m_dir.Path() / "Dictionaries";
        std::filesystem::create_directories(dicts);
        const std::u16string source =
            m_dir.Write("source.txt", EncodeSource(m_src.text, GetParam()));

        CSeparatorSettings settings;
        settings.nArticlesSepType = m_src.nSepType;
        settings.strArticlesSep = m_src.strArticlesSep;
        settings.strPartsSep = m_src.strPartsSep;
        CDictCompiler compiler;
        compiler.SetSeparators(settings);
        compiler.SetLowerPriority(false);
        ASSERT_TRUE(compiler.StartCompile(source, FromUtf8((dicts / "gen.gmd").string()), u""))
            << ToUtf8(compiler.GetError());
        compiler.Wait();
        ASSERT_FALSE(compiler.HasError()) << ToUtf8(compiler.GetError()) << "\n"
                                          << ToUtf8(m_src.text);

        ASSERT_TRUE(m_library.ScanFolder(FromUtf8(dicts.string())));
        ASSERT_EQ(m_library.GetCount(), 1) << ToUtf8(m_library.GetLoadMessages());
        m_groups = std::make_unique<CDictGroupList>(m_library, m_dir.Path() / "DictGroup.bin");
        m_search = std::make_unique<CDictSearch>(CLemmaProvider{}, *m_groups);
    }

    // Left part begin -> match class of every article found.
    std::map<int, int> Search(const std::vector<std::u16string>& q) {
        std::u16string query;
        for (const auto& w : q)
            query += (query.empty() ? u"" : u" ") + w;
        std::atomic<bool> bCancel{false};
        EXPECT_TRUE(m_search->SearchText(query, 0, 0, bCancel)) << ToUtf8(m_search->GetError());
        std::map<int, int> found;
        const CDictResults* pResults = m_search->GetResults(0);
        if (!pResults) return found;
        for (int n = 0;; ++n) {
            const CSearchResult* p = pResults->GetResultAt(n);
            if (!p) break;
            EXPECT_TRUE(found.emplace(p->m_nLeftStart, p->m_nClass).second)
                << "article listed twice for " << Show(q);
        }
        return found;
    }

    void CheckPhrase(const std::vector<std::u16string>& q) {
        if (!m_asked.insert(q).second) return;
        std::map<int, int> want;
        for (const ModelArticle& a : m_src.articles) {
            const int nClass = ExpectedClass(a, q);
            if (nClass >= 0) want.emplace(a.nBegin, nClass);
        }
        EXPECT_EQ(Search(q), want) << "query " << Show(q) << " (seed " << GetParam() << ")";
    }

    CTempDir m_dir;
    ModelSource m_src;
    CDictLibrary m_library;
    std::unique_ptr<CDictGroupList> m_groups;
    std::unique_ptr<CDictSearch> m_search;
    std::set<std::vector<std::u16string>> m_asked;
};

TEST_P(CompileSearchProperty, EveryIndexWordFindsExactlyItsArticles) {
    for (const ModelArticle& a : m_src.articles)
        for (const ModelPart& part : a.parts)
            for (const auto& w : part.words)
                CheckPhrase({w});
}

TEST_P(CompileSearchProperty, AdjacentIndexWordsFindTheirArticles) {
    for (const ModelArticle& a : m_src.articles)
        for (const ModelPart& part : a.parts)
            for (size_t i = 0; i + 1 < part.words.size(); ++i)
                CheckPhrase({part.words[i], part.words[i + 1]});
}

TEST_P(CompileSearchProperty, WordsOutsideTheIndexFindNothing) {
    for (const auto& w : m_src.hiddenWords)
        EXPECT_TRUE(Search({w}).empty()) << ToUtf8(w);
}

// More seeds with GLOSS_PROPERTY_SEEDS=n.
std::vector<uint32_t> Seeds() {
    const char* p = std::getenv("GLOSS_PROPERTY_SEEDS");
    const int n = p ? std::max(1, std::atoi(p)) : 24;
    std::vector<uint32_t> seeds;
    for (int i = 0; i < n; ++i)
        seeds.push_back(1000 + static_cast<uint32_t>(i));
    return seeds;
}

INSTANTIATE_TEST_SUITE_P(Seeds, CompileSearchProperty, ::testing::ValuesIn(Seeds()));

}  // namespace
