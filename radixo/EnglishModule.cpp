// English: our list first (function words, pronouns, modal verbs), then
// WordNet's morphology, then Hunspell for words WordNet does not know.
#include <memory>

#include "MorphModule.h"
#include "WordNetMorph.h"
#include "core/Utf8.h"

namespace {

class CEnglishModule : public CMorphModule {
public:
    CEnglishModule() : CMorphModule(2, CodePage::Cp1252, false) {}

protected:
    bool LoadExtra(const CModuleConfig& config) override {
        const auto folder = config.GetPath("wordnet");
        return folder && m_wordNet.Load(*folder);
    }

    std::vector<std::string> ExtraSourceFiles(const CModuleConfig& config) const override {
        const auto folder = config.GetPath("wordnet");
        return folder ? CWordNetMorph::Files(*folder) : std::vector<std::string>{std::string()};
    }

    std::vector<std::u16string> TableWords() override {
        std::vector<std::u16string> words = CMorphModule::TableWords();
        for (const std::string& word : m_wordNet.Words()) {
            if (word.find('_') == std::string::npos) words.push_back(FromUtf8(word));
        }
        return words;
    }

    std::vector<std::u16string> Analyse(const std::u16string& lower) const override {
        if (const auto* pListed = m_forms.Find(lower)) return *pListed;
        std::vector<std::u16string> lemmas;
        for (const std::string& base : m_wordNet.Morphy(ToUtf8(lower))) {
            // Collocations are not single words.
            if (base.find('_') == std::string::npos) AddLemma(lemmas, FromUtf8(base));
        }
        if (lemmas.empty()) {
            lemmas = DictStems(lower);
            DropWordUnlessAlone(lemmas, lower, false);
        }
        return lemmas;
    }

private:
    CWordNetMorph m_wordNet;
};

}  // namespace

std::unique_ptr<CMorphModule> CreateEnglishModule() {
    return std::make_unique<CEnglishModule>();
}
