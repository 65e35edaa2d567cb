// A lemmatiser with a fixed table, for tests.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "compiler/LemmaSource.h"

class CFakeLemmas : public CLemmaSource {
public:
    void Add(int32_t nLang, std::string strWord, std::vector<std::u16string> lemmas) {
        m_table[{nLang, std::move(strWord)}] = std::move(lemmas);
    }
    bool IsLanguageAvailable(int32_t nLangId) const override {
        return nLangId == 1 || nLangId == 2 || (nLangId == 3 && bGermanAvailable);
    }
    bool LoadLanguage(int32_t nLangId, std::u16string& strReport,
                      std::u16string& strError) override {
        loaded.push_back(nLangId);
        if (onLoad) onLoad();
        if (nLangId == nFailingLanguage) {
            strError =
                u"module " + std::u16string(1, static_cast<char16_t>(u'0' + nLangId)) + u" failed";
            if (nLangId == 3) bGermanAvailable = false;
            return false;
        }
        strReport = strLoadReport;
        return true;
    }
    void AppendWordLemmas(const std::string& strWord, int32_t nLangId,
                          std::vector<std::u16string>& forms) override {
        ++nCalls;
        auto it = m_table.find({nLangId, strWord});
        if (it == m_table.end()) return;
        // As the adapter does: no entry twice in the whole list.
        for (const auto& lemma : it->second) {
            if (std::find(forms.begin(), forms.end(), lemma) == forms.end()) forms.push_back(lemma);
        }
    }

    bool bGermanAvailable = true;
    int nCalls = 0;
    int32_t nFailingLanguage = 0;
    std::u16string strLoadReport;
    std::vector<int32_t> loaded;
    std::function<void()> onLoad;

private:
    std::map<std::pair<int32_t, std::string>, std::vector<std::u16string>> m_table;
};
