// The search's lemmas from the program's morphology adapter.
#include "core/Lemmatizer.h"
#include "library/DictSearch.h"

CLemmaProvider LemmaProviderFor(CLemmatizer& lemmatizer) {
    CLemmaProvider provider;
    provider.isLanguageEnabled = [&lemmatizer](int nLang) {
        return lemmatizer.IsLanguageEnabled(nLang);
    };
    provider.lemmas = [&lemmatizer](std::u16string_view word, int nLang,
                                    std::vector<std::u16string>& aOut) {
        CMyArray<std::u16string> arrLemmas;
        lemmatizer.GetWordLemmas(word, nLang, arrLemmas, false);
        for (const std::u16string& lemma : arrLemmas)
            aOut.push_back(lemma);
    };
    return provider;
}

CDictSearch::CDictSearch(CLemmatizer* pLemmatizer, CDictGroupList& groups)
    : m_lemmas(pLemmatizer ? LemmaProviderFor(*pLemmatizer) : CLemmaProvider{}), m_groups(groups) {}
