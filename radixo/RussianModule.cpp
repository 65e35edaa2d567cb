// Russian: Hunspell's stems together with our list of suppletive and
// irregular forms (pronouns, numerals, люди, шёл, лучше...). The list also
// mends the past-tense pseudo-entries Hunspell returns as stems (мог,
// пришла). Where the dictionary lists an inflected form as a word of its own
// (окон, врачом, тяжелее, принёс), spelling rules find the lemma it belongs to;
// so they do for the oblique cases of nouns that lose a vowel (угла, дня,
// муравья), which the dictionary lists as words of their own.
#include <algorithm>
#include <memory>
#include <string_view>

#include "LetterCase.h"
#include "MorphModule.h"
#include "RussianRules.h"

namespace {

constexpr std::u16string_view kConsonants = u"бвгджзйклмнпрстфхцчшщ";
constexpr std::u16string_view kSibilants = u"жшчщц";

// Verb prefixes, longer first so that "пере" is tried before "п...".
constexpr std::u16string_view kVerbPrefixes[] = {
    u"пере", u"разо", u"подо", u"пред", u"взо", u"изо", u"обо", u"ото", u"раз", u"рас", u"под",
    u"над",  u"при",  u"про",  u"пре",  u"вз",  u"вс",  u"во",  u"вы",  u"до",  u"за",  u"из",
    u"ис",   u"на",   u"об",   u"от",   u"по",  u"со",  u"в",   u"о",   u"с",   u"у"};

bool IsIn(std::u16string_view letters, char16_t c) {
    return letters.find(c) != std::u16string_view::npos;
}

bool IsVerbLemma(std::u16string_view lemma) {
    for (std::u16string_view ending : {u"ть", u"ти", u"чь", u"ться", u"тись", u"чься"}) {
        if (lemma.ends_with(ending)) return true;
    }
    return false;
}

class CRussianModule : public CMorphModule {
public:
    CRussianModule() : CMorphModule(1, CodePage::Cp1251, true) {}

protected:
    std::vector<std::u16string> Analyse(const std::u16string& lower) const override {
        const std::vector<std::u16string> stemLemmas = StemLemmas(lower);
        if (const auto* pListed = m_forms.Find(lower)) {
            // The list decides; the dictionary may add another word of the
            // same spelling (цветов: цветок from the list, цвет).
            std::vector<std::u16string> lemmas = *pListed;
            for (const std::u16string& lemma : stemLemmas) {
                if (FoldYo(lemma) != FoldYo(lower)) AddLemma(lemmas, lemma);
            }
            return lemmas;
        }
        std::vector<std::u16string> lemmas = stemLemmas;
        if (lemmas.empty() || (lemmas.size() == 1 && FoldYo(lemmas[0]) == FoldYo(lower))) {
            for (std::u16string& lemma : RuleLemmas(lower))
                AddLemma(lemmas, std::move(lemma));
        }
        DropWordUnlessAlone(lemmas, lower, true);
        return lemmas;
    }

private:
    // Hunspell's stems, those our list knows as forms replaced by its lemmas.
    std::vector<std::u16string> StemLemmas(const std::u16string& lower) const {
        std::vector<std::u16string> stems = DictStems(lower);
        // The dictionary spells most words with е; a text may write ё.
        if (stems.empty() && HasYo(lower)) stems = DictStems(FoldYo(lower));
        std::vector<std::u16string> lemmas;
        for (std::u16string& stem : stems) {
            const auto* pListed = m_forms.Find(ToLowerText(stem));
            if (pListed != nullptr && !IsListLemma(*pListed, stem)) {
                for (const std::u16string& lemma : *pListed)
                    AddLemma(lemmas, lemma);
                continue;
            }
            // A stem that is an oblique case itself (угла, углы) stands for
            // its nominative. One that is a feminine noun as well stays, and
            // as the word itself it is that noun (ложка, not ложок's genitive).
            const bool bNoun = IsFeminineNoun(stem);
            std::vector<std::u16string> nominatives;
            if (!bNoun || stem != lower) nominatives = FleetingVowelLemmas(stem, lower);
            if (nominatives.empty() || bNoun) AddLemma(lemmas, stem);
            for (std::u16string& lemma : nominatives)
                AddLemma(lemmas, std::move(lemma));
        }
        return lemmas;
    }

    // ложка, кружка: a noun in -а with its own instrumental.
    bool IsFeminineNoun(const std::u16string& word) const {
        return word.ends_with(u"а") && m_dict.Spell(word.substr(0, word.size() - 1) + u"ой");
    }

    // A stem that our list names as a lemma is a lemma, even if it is also a
    // form of another word.
    static bool IsListLemma(const std::vector<std::u16string>& lemmas, const std::u16string& stem) {
        const std::u16string key = FoldYo(ToLowerText(stem));
        for (const std::u16string& lemma : lemmas) {
            if (FoldYo(ToLowerText(lemma)) == key) return true;
        }
        return false;
    }

    // угла → угол, дня → день, зайца → заяц, любви → любовь: the nominatives
    // a stem of the word stands for when it is an oblique case of a noun that
    // loses a vowel, and the word is a case of the same noun.
    std::vector<std::u16string> FleetingVowelLemmas(const std::u16string& stem,
                                                    const std::u16string& lower) const {
        const std::vector<FleetingCandidate> ofWord = FleetingVowelCandidates(lower);
        std::vector<FleetingCandidate> confirmed;
        for (const FleetingCandidate& candidate : FleetingVowelCandidates(ToLowerText(stem))) {
            const bool bOfWord = std::any_of(ofWord.begin(), ofWord.end(), [&](const auto& c) {
                return c.lemma == candidate.lemma && c.stem == candidate.stem;
            });
            if (bOfWord && IsConfirmed(candidate)) confirmed.push_back(candidate);
        }
        // Of several readings, those that keep their vowel are other nouns
        // (мех, меха beside мох, мха); a single one is a homonym (лев, лева).
        const auto keepsVowel = [&](const FleetingCandidate& c) {
            const std::vector<std::u16string> stems =
                m_dict.Stem(FoldYo(FormsToConfirm(c).keptVowelGenitive));
            return std::any_of(stems.begin(), stems.end(),
                               [&](const auto& stem) { return FoldYo(stem) == FoldYo(c.lemma); });
        };
        if (!std::all_of(confirmed.begin(), confirmed.end(), keepsVowel))
            std::erase_if(confirmed, keepsVowel);
        // Two vowels for one stem: the о reading is an abbreviation or a
        // coined word (пос beside пёс), never the noun.
        const auto hasSoftVowel = [](const FleetingCandidate& c) {
            const auto vowel =
                std::mismatch(c.stem.begin(), c.stem.end(), c.lemma.begin(), c.lemma.end()).second;
            return vowel != c.lemma.end() && (*vowel == u'е' || *vowel == u'ё');
        };
        if (std::any_of(confirmed.begin(), confirmed.end(), hasSoftVowel))
            std::erase_if(confirmed, [&](const auto& c) { return !hasSoftVowel(c); });
        std::vector<std::u16string> lemmas;
        for (const FleetingCandidate& candidate : confirmed)
            AddLemma(lemmas, candidate.lemma);
        return lemmas;
    }

    // The candidate is a dictionary word, the dictionary has the oblique
    // forms its declension makes of the stem, and it is no plural of a
    // neuter noun (окон of окно).
    bool IsConfirmed(const FleetingCandidate& candidate) const {
        if (!IsDictEntry(candidate.lemma)) return false;
        const ConfirmingForms forms = FormsToConfirm(candidate);
        const auto exists = [&](const std::vector<std::u16string>& any) {
            return std::any_of(any.begin(), any.end(),
                               [&](const std::u16string& form) { return m_dict.Spell(form); });
        };
        if (!std::all_of(forms.singular.begin(), forms.singular.end(), exists)) return false;
        if (std::all_of(forms.plural.begin(), forms.plural.end(), exists)) return true;
        // A noun without a plural (лён, кашель), unless a neuter noun owns the stem.
        return std::none_of(forms.plural.begin(), forms.plural.end(), exists) &&
               (forms.neuter.empty() || !m_dict.Spell(forms.neuter));
    }

    std::vector<std::u16string> RuleLemmas(const std::u16string& lower) const {
        std::vector<std::u16string> candidates = GenitivePluralCandidates(lower);
        for (std::u16string& c : SibilantCaseCandidates(lower))
            candidates.push_back(std::move(c));
        for (std::u16string& c : ComparativeCandidates(lower))
            candidates.push_back(std::move(c));
        std::vector<std::u16string> lemmas;
        for (std::u16string& candidate : candidates) {
            if (IsDictEntry(candidate)) AddLemma(lemmas, std::move(candidate));
        }
        for (std::u16string& lemma : PrefixedListVerbs(lower))
            AddLemma(lemmas, std::move(lemma));
        return lemmas;
    }

    // окон → окно, писем → письмо, кукол → кукла, песен → песня, денег →
    // деньги: a vowel inserted before the last consonant; лошадьми → лошадь.
    static std::vector<std::u16string> GenitivePluralCandidates(const std::u16string& lower) {
        std::vector<std::u16string> candidates;
        const size_t n = lower.size();
        if (n >= 5 && lower.ends_with(u"ьми")) candidates.push_back(lower.substr(0, n - 2));
        if (n >= 4 && IsIn(u"оеё", lower[n - 2]) && IsIn(kConsonants, lower[n - 1]) &&
            IsIn(kConsonants, lower[n - 3])) {
            const std::u16string head = lower.substr(0, n - 2);
            const std::u16string last(1, lower[n - 1]);
            for (const char16_t* pszEnding : {u"о", u"а", u"я", u"и"}) {
                candidates.push_back(head + last + pszEnding);
                candidates.push_back(head + u"ь" + last + pszEnding);
            }
        }
        return candidates;
    }

    // врачом → врач, месяцев → месяц, отцом → отец: endings after ж, ш, ч,
    // щ and ц, whose stressed forms the dictionary lists separately.
    static std::vector<std::u16string> SibilantCaseCandidates(const std::u16string& lower) {
        std::vector<std::u16string> candidates;
        for (std::u16string_view ending : {u"ами", u"ом", u"ем", u"ём", u"ов", u"ев", u"ей", u"ам",
                                           u"ах", u"а", u"у", u"е", u"и"}) {
            if (lower.size() < ending.size() + 2 || !lower.ends_with(ending)) continue;
            const std::u16string base = lower.substr(0, lower.size() - ending.size());
            if (!IsIn(kSibilants, base.back())) continue;
            candidates.push_back(base);
            if (base.size() >= 3 && IsIn(kConsonants, base[base.size() - 2]))
                candidates.push_back(base.substr(0, base.size() - 1) + u"е" + base.back());
            break;
        }
        return candidates;
    }

    // тяжелее → тяжелый: the comparative in -ее/-ей of an adjective.
    static std::vector<std::u16string> ComparativeCandidates(const std::u16string& lower) {
        std::vector<std::u16string> candidates;
        if (lower.size() < 6 || !(lower.ends_with(u"ее") || lower.ends_with(u"ей")))
            return candidates;
        const std::u16string base = lower.substr(0, lower.size() - 2);
        for (const char16_t* pszEnding : {u"ый", u"ий", u"ой"})
            candidates.push_back(base + pszEnding);
        return candidates;
    }

    // принёс → при + нёс → принести: a prefixed form of a listed verb.
    std::vector<std::u16string> PrefixedListVerbs(const std::u16string& lower) const {
        std::vector<std::u16string> lemmas;
        for (std::u16string_view prefix : kVerbPrefixes) {
            if (lower.size() < prefix.size() + 2 || !lower.starts_with(prefix)) continue;
            const auto* pListed = m_forms.Find(lower.substr(prefix.size()));
            if (pListed == nullptr) continue;
            for (const std::u16string& lemma : *pListed) {
                const std::u16string verb = std::u16string(prefix) + lemma;
                if (IsVerbLemma(lemma) && m_dict.Spell(verb)) AddLemma(lemmas, verb);
            }
        }
        return lemmas;
    }
};

}  // namespace

std::unique_ptr<CMorphModule> CreateRussianModule() {
    return std::make_unique<CRussianModule>();
}
