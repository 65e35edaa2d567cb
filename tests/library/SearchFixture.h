// A program folder in a temporary directory with test dictionaries, the
// library and groups over it, and a search engine with chosen lemmas.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"
#include "support/GmdBuilder.h"
#include "support/TempDir.h"

class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes Dictionaries/<file>.
    CTestLayout AddDictionary(const std::string& strFile, const CTestDictionary& dict);
    // Scans the folder and builds the groups and the engine; the query lemmas
    // come from m_queryLemmas (language 2, English).
    void Open();
    bool Search(std::u16string_view query, int nSort = 0, int nArea = 0);

    const CDictResults& Results(int nPos = 0) const { return *m_pSearch->GetResults(nPos); }
    // Display order of a dictionary's results as (class, left start) pairs.
    std::vector<std::pair<int, int>> Shown(int nPos = 0) const;

    CTempDir m_temp;
    const std::filesystem::path& m_dir = m_temp.Path();
    std::map<std::u16string, std::vector<std::u16string>> m_queryLemmas;
    std::atomic<bool> m_bCancel{false};
    std::unique_ptr<CDictLibrary> m_pLibrary;
    std::unique_ptr<CDictGroupList> m_pGroups;
    std::unique_ptr<CDictSearch> m_pSearch;
};
