#include "LemmatizerSource.h"

bool CLemmatizerSource::IsLanguageAvailable(int32_t nLangId) const {
    return nLangId >= CLemmatizer::LANG_RUSSIAN && nLangId <= CLemmatizer::LANG_GERMAN &&
           m_lemmatizer.IsLanguageEnabled(nLangId);
}

bool CLemmatizerSource::LoadLanguage(int32_t nLangId, std::u16string& strReport,
                                     std::u16string& strError) {
    if (m_lemmatizer.LoadLanguage(nLangId)) {
        strReport = m_lemmatizer.GetInfoText();
        return true;
    }
    strError = m_lemmatizer.GetError();
    return false;
}

void CLemmatizerSource::AppendWordLemmas(const std::string& strWord, int32_t nLangId,
                                         std::vector<std::u16string>& forms) {
    // The adapter appends to its own array type and keeps it free of
    // duplicates and at most ten long, counting what is already there.
    m_arrLemmas.RemoveAll();
    for (const std::u16string& form : forms) m_arrLemmas.Add(form);
    m_lemmatizer.GetWordLemmas(strWord.c_str(), nLangId, m_arrLemmas, true);
    forms.assign(m_arrLemmas.begin(), m_arrLemmas.end());
}
