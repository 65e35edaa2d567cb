#include "MorphModule.h"

#include <algorithm>

#include "HunspellForms.h"
#include "LetterCase.h"
#include "core/LemmatizerApi.h"

std::unique_ptr<CMorphModule> CreateRussianModule();
std::unique_ptr<CMorphModule> CreateEnglishModule();
std::unique_ptr<CMorphModule> CreateGermanModule();

namespace {

// Longer input is no word of any of our languages; it is answered at once.
constexpr size_t kMaxAnalysedWord = 100;

}  // namespace

void AddLemma(std::vector<std::u16string>& lemmas, std::u16string text) {
    if (!text.empty() && std::find(lemmas.begin(), lemmas.end(), text) == lemmas.end())
        lemmas.push_back(std::move(text));
}

void DropWordUnlessAlone(std::vector<std::u16string>& lemmas, std::u16string_view lower,
                         bool bFoldYo) {
    const auto key = [bFoldYo](std::u16string_view text) {
        return bFoldYo ? FoldYo(ToLowerText(text)) : ToLowerText(text);
    };
    const std::u16string word = key(lower);
    const auto isWord = [&](const std::u16string& lemma) { return key(lemma) == word; };
    if (std::any_of(lemmas.begin(), lemmas.end(), [&](const auto& l) { return !isWord(l); }))
        std::erase_if(lemmas, isWord);
}

std::unique_ptr<CMorphModule> CMorphModule::Create(int nLang) {
    switch (nLang) {
        case 1:
            return CreateRussianModule();
        case 2:
            return CreateEnglishModule();
        case 3:
            return CreateGermanModule();
        default:
            return nullptr;
    }
}

CMorphModule::CMorphModule(int nLang, CodePage codePage, bool bFoldYo)
    : m_nLang(nLang), m_codePage(codePage), m_bFoldYo(bFoldYo) {}

bool CMorphModule::Load(const std::string& dataFolder) {
    m_cache.Clear();
    m_table.Close();
    m_live = Live::NotLoaded;
    if (!m_config.Load(dataFolder)) return false;
    if (m_config.Get("language") != std::to_string(m_nLang)) return false;
    // A table made from these very files answers alone until a word needs more.
    if (const auto table = m_config.GetPath("table")) {
        if (m_table.Open(*table, m_nLang, StampFiles(SourceFiles()))) return true;
    }
    return EnsureLive();
}

bool CMorphModule::EnsureLive() {
    if (m_live == Live::NotLoaded) m_live = LoadLive() ? Live::Loaded : Live::Failed;
    return m_live == Live::Loaded;
}

bool CMorphModule::LoadLive() {
    const auto aff = m_config.GetPath("aff");
    const auto dic = m_config.GetPath("dic");
    if (!aff || !dic || !m_dict.Open(*aff, *dic)) return false;
    if (const auto forms = m_config.GetPath("forms")) {
        if (!m_forms.Load(*forms, m_bFoldYo)) return false;
    }
    return LoadExtra(m_config);
}

bool CMorphModule::LoadExtra(const CModuleConfig&) {
    return true;
}

std::vector<std::string> CMorphModule::ExtraSourceFiles(const CModuleConfig&) const {
    return {};
}

std::vector<std::string> CMorphModule::SourceFiles() const {
    std::vector<std::string> files;
    for (const char* pszKey : {"aff", "dic", "forms"})
        files.push_back(m_config.GetPath(pszKey).value_or(std::string()));
    for (std::string& file : ExtraSourceFiles(m_config))
        files.push_back(std::move(file));
    return files;
}

std::vector<std::u16string> CMorphModule::TableWords() {
    std::vector<std::u16string> words;
    if (!EnsureLive()) return words;
    const auto add = [&](std::u16string_view form) { words.push_back(ToLowerText(form)); };
    ForEachHunspellForm(*m_config.GetPath("aff"), *m_config.GetPath("dic"), add);
    m_forms.ForEachForm(add);
    return words;
}

std::string CMorphModule::TableKey(std::u16string_view word) const {
    const std::u16string lower = ToLowerText(word);
    std::string key = WideToMultiByte(lower, m_codePage);
    if (MultiByteToWide(key, m_codePage) != lower) key.clear();
    return key;
}

const std::vector<std::string>& CMorphModule::Lemmas(const std::string& word) {
    const bool bTable = m_table.IsOpen() && !word.empty() && word.size() <= kMaxAnalysedWord;
    if (bTable) {
        const std::string key = TableKey(MultiByteToWide(word, m_codePage));
        if (auto lemmas = m_table.Find(key)) return m_tableAnswer = std::move(*lemmas);
    }
    if (const auto* pCached = m_cache.Find(word)) return *pCached;
    return m_cache.Insert(word, Live(word, bTable));
}

std::vector<std::string> CMorphModule::LiveLemmas(const std::string& word) {
    return Live(word, false);
}

std::vector<std::string> CMorphModule::Live(const std::string& word, bool bBeyondTable) {
    std::vector<std::u16string> lemmas;
    if (!word.empty() && word.size() <= kMaxAnalysedWord && EnsureLive()) {
        const std::u16string lower = ToLowerText(MultiByteToWide(word, m_codePage));
        lemmas = bBeyondTable ? AnalyseBeyondTable(lower) : Analyse(lower);
    }
    return Encode(lemmas);
}

std::vector<std::string> CMorphModule::Encode(const std::vector<std::u16string>& lemmas) const {
    std::vector<std::string> result;
    for (const std::u16string& lemma : lemmas) {
        std::string bytes = WideToMultiByte(lemma, m_codePage);
        // A lemma the code page cannot spell, or too long for the caller's
        // lemma buffer, is left out rather than garbled or cut.
        if (bytes.empty() || bytes.size() > static_cast<size_t>(kMaxLemmaBytes)) continue;
        if (MultiByteToWide(bytes, m_codePage) != lemma) continue;
        if (std::find(result.begin(), result.end(), bytes) == result.end())
            result.push_back(std::move(bytes));
    }
    return result;
}

std::vector<std::u16string> CMorphModule::DictStems(std::u16string_view lower) const {
    std::vector<std::u16string> stems;
    for (const std::u16string& variant : {std::u16string(lower), Capitalise(lower)}) {
        for (std::u16string& stem : m_dict.Stem(variant)) {
            if (m_dict.Spell(stem)) AddLemma(stems, std::move(stem));
        }
    }
    return stems;
}

bool CMorphModule::IsDictEntry(std::u16string_view word) const {
    const std::vector<std::u16string> stems = m_dict.Stem(word);
    return std::find(stems.begin(), stems.end(), word) != stems.end();
}

std::string CMorphModule::HunspellClosedLetters() {
    const auto beyond = ReadHunspellBeyondForms(*m_config.GetPath("aff"), *m_config.GetPath("dic"));
    if (!beyond) return {};
    std::u16string closed;
    for (int nByte = 1; nByte < 256; ++nByte) {
        const std::u16string letter =
            MultiByteToWide(std::string(1, static_cast<char>(nByte)), m_codePage);
        if (letter.size() == 1 && ToLowerText(letter) == letter && ToUpperText(letter) != letter &&
            beyond->inputLetters.find(letter[0]) == std::u16string::npos)
            closed += letter;
    }
    for (const std::u16string& part : beyond->compoundParts) {
        if (ToLowerText(part).find_first_not_of(closed) == std::u16string::npos) return {};
    }
    return WideToMultiByte(closed, m_codePage);
}
