// The morphology adapter as the compiler's source of lemmas.
#pragma once

#include "LemmaSource.h"
#include "core/Lemmatizer.h"

class CLemmatizerSource : public CLemmaSource {
public:
    explicit CLemmatizerSource(CLemmatizer& lemmatizer) : m_lemmatizer(lemmatizer) {}

    bool IsLanguageAvailable(int32_t nLangId) const override;
    bool LoadLanguage(int32_t nLangId, std::u16string& strReport, std::u16string& strError) override;
    void AppendWordLemmas(const std::string& strWord, int32_t nLangId,
                          std::vector<std::u16string>& forms) override;

private:
    CLemmatizer& m_lemmatizer;
    CMyArray<std::u16string> m_arrLemmas;
};
