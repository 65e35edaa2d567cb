#include "SearchFixture.h"

#include "core/Utf8.h"

void SearchFixture::SetUp() {
    std::filesystem::create_directories(m_dir / "Dictionaries");
}

void SearchFixture::TearDown() {
    m_pSearch.reset();
    m_pGroups.reset();
    m_pLibrary.reset();
}

CTestLayout SearchFixture::AddDictionary(const std::string& strFile, const CTestDictionary& dict) {
    return WriteTestDictionary(dict, m_dir / "Dictionaries" / strFile);
}

void SearchFixture::Open() {
    m_pSearch.reset();
    m_pGroups.reset();
    m_pLibrary = std::make_unique<CDictLibrary>();
    ASSERT_TRUE(m_pLibrary->ScanFolder(FromUtf8((m_dir / "Dictionaries").string())));
    m_pGroups = std::make_unique<CDictGroupList>(*m_pLibrary, m_dir / "DictGroup.bin");
    CLemmaProvider provider;
    provider.isLanguageEnabled = [](int nLang) { return nLang == 1 || nLang == 2; };
    provider.lemmas = [this](std::u16string_view word, int nLang,
                             std::vector<std::u16string>& aOut) {
        if (nLang != 2) return;
        if (auto it = m_queryLemmas.find(std::u16string(word)); it != m_queryLemmas.end())
            aOut.insert(aOut.end(), it->second.begin(), it->second.end());
    };
    m_pSearch = std::make_unique<CDictSearch>(provider, *m_pGroups);
}

bool SearchFixture::Search(std::u16string_view query, int nSort, int nArea) {
    return m_pSearch->SearchText(query, nSort, nArea, m_bCancel);
}

std::vector<std::pair<int, int>> SearchFixture::Shown(int nPos) const {
    std::vector<std::pair<int, int>> shown;
    const CDictResults& results = Results(nPos);
    for (int n = 0; n < results.GetTotal(); ++n) {
        const CSearchResult* r = results.GetResultAt(n);
        shown.emplace_back(r->m_nClass, r->m_nLeftStart);
    }
    return shown;
}
