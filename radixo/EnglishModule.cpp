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
    // WordNet is read on the first word that needs it: a word the table does
    // not hold seldom does.
    bool LoadExtra(const CModuleConfig& config) override {
        const auto folder = config.GetPath("wordnet");
        if (!folder || !CWordNetMorph::HasIndexes(*folder)) return false;
        m_wordNetFolder = *folder;
        m_bWordNetRead = false;
        return true;
    }

    std::vector<std::string> ExtraSourceFiles(const CModuleConfig& config) const override {
        const auto folder = config.GetPath("wordnet");
        return folder ? CWordNetMorph::Files(*folder) : std::vector<std::string>{std::string()};
    }

    std::vector<std::u16string> TableWords() override {
        std::vector<std::u16string> words = CMorphModule::TableWords();
        for (const std::string& word : WordNet().Words()) {
            if (word.find('_') == std::string::npos) words.push_back(FromUtf8(word));
        }
        return words;
    }

    // Our list's forms and every word WordNet's morphy answers are in the
    // table, so a word outside it can only get Hunspell's stems.
    std::string ClosedLetters() override { return HunspellClosedLetters(); }

    std::vector<std::u16string> Analyse(const std::u16string& lower) const override {
        if (const auto* pListed = m_forms.Find(lower)) return *pListed;
        std::vector<std::u16string> lemmas;
        for (const std::string& base : WordNet().Morphy(ToUtf8(lower))) {
            // Collocations are not single words.
            if (base.find('_') == std::string::npos) AddLemma(lemmas, FromUtf8(base));
        }
        return lemmas.empty() ? HunspellLemmas(lower) : lemmas;
    }

    // Our list's forms and every single word WordNet answers are in the
    // table: a word beyond it gets Hunspell's stems or nothing.
    std::vector<std::u16string> AnalyseBeyondTable(const std::u16string& lower) const override {
        if (lower.find(u'_') != std::u16string::npos) return Analyse(lower);
        return HunspellLemmas(lower);
    }

private:
    std::vector<std::u16string> HunspellLemmas(const std::u16string& lower) const {
        std::vector<std::u16string> lemmas = DictStems(lower);
        DropWordUnlessAlone(lemmas, lower, false);
        return lemmas;
    }

    const CWordNetMorph& WordNet() const {
        if (!m_bWordNetRead) {
            m_bWordNetRead = true;
            // Files gone since the start answer nothing rather than a part.
            if (!m_wordNet.Load(m_wordNetFolder)) m_wordNet = CWordNetMorph();
        }
        return m_wordNet;
    }

    std::string m_wordNetFolder;
    mutable bool m_bWordNetRead = false;
    mutable CWordNetMorph m_wordNet;
};

}  // namespace

std::unique_ptr<CMorphModule> CreateEnglishModule() {
    return std::make_unique<CEnglishModule>();
}
