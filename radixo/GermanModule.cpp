// German: our list of irregular verbs and pronouns first; then Hunspell's
// stems, mended where the dictionary's stem is not a lemma: umlaut plurals
// (Bücher → Buch), plurals listed as entries (Schulen → Schule), feminine
// nouns stored without their -e (Katz → Katze), comparison (größer → groß),
// prefixed strong verbs (verstand → verstehen), weak participles (gemacht →
// machen), and compounds Hunspell accepts but cannot stem (Haustüren →
// Haustür).
#include <algorithm>
#include <memory>

#include "GermanRules.h"
#include "LetterCase.h"
#include "MorphModule.h"

namespace {

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

class CGermanModule : public CMorphModule {
public:
    CGermanModule() : CMorphModule(3, CodePage::Cp1252, false) {}

protected:
    std::vector<std::u16string> Analyse(const std::u16string& lower) const override {
        std::vector<std::u16string> lemmas;
        if (const auto* pListed = m_forms.Find(lower)) {
            // A listed form keeps the nouns of the same spelling (Stand, Waren).
            lemmas = *pListed;
            for (const std::u16string& stem : WordStems(lower)) {
                if (StartsWithUpper(stem)) AddLemmas(lemmas, Lemmas(stem, lower));
            }
            return lemmas;
        }
        // Wohnungen → Wohnung, kombinierbare → kombinierbar: derived words
        // inflect regularly.
        if (std::u16string suffixed = SuffixNounLemma(lower); !suffixed.empty()) return {suffixed};
        lemmas = VerbLemmas(lower);
        const std::vector<std::u16string> stems = WordStems(lower);
        for (const std::u16string& stem : stems)
            AddLemmas(lemmas, Lemmas(stem, lower));
        if (lemmas.empty()) lemmas = CompoundLemmas(lower);
        AddLemmas(lemmas, ForeignSingulars(lower));
        DropWordUnlessAlone(lemmas, lower, false);
        return lemmas;
    }

private:
    static void AddLemmas(std::vector<std::u16string>& lemmas, std::vector<std::u16string> more) {
        for (std::u16string& lemma : more)
            AddLemma(lemmas, std::move(lemma));
    }

    // Museen → Museum, Themen → Thema: a noun whose plural the dictionary
    // spells, and which is no singular of its own (Omen, Omens is no plural
    // of Oma). The regular plural of a German noun is not that of a noun in
    // -a, -o, -on or -us, which mostly take -s (Karten of Karte, not of
    // Karton; Arten of Art, not of Artus); others share it (Studien, Dosen).
    std::vector<std::u16string> ForeignSingulars(std::u16string_view lower) const {
        std::vector<std::u16string> lemmas;
        const std::u16string plural = Capitalise(lower);
        if (!m_dict.Spell(plural) || m_dict.Spell(plural + u"s")) return lemmas;
        const bool bRegular =
            EndsWith(plural, u"en") && (IsDictEntry(plural.substr(0, plural.size() - 1)) ||
                                        IsDictEntry(plural.substr(0, plural.size() - 2)));
        for (const std::u16string& singular : ForeignSingularCandidates(lower)) {
            const bool bTakesS = EndsWith(singular, u"a") || EndsWith(singular, u"o") ||
                                 EndsWith(singular, u"on") || EndsWith(singular, u"us");
            if (bRegular && bTakesS) continue;
            if (IsDictEntry(singular)) AddLemma(lemmas, singular);
        }
        return lemmas;
    }

    // Hunspell's stems without those that lost the word's beginning (the
    // dictionary strips un- and ver- as if they were inflection) and nouns
    // in -e it gives an -en plural (Museen is no plural of Muse).
    std::vector<std::u16string> WordStems(std::u16string_view lower) const {
        std::vector<std::u16string> stems = DictStems(lower);
        std::erase_if(stems, [&](const std::u16string& stem) {
            return ToLowerLetter(stem[0]) != lower[0] ||
                   (stem.ends_with(u"e") && lower == ToLowerText(stem) + u"en");
        });
        return stems;
    }

    // Prefixed forms of listed verbs and weak past participles.
    std::vector<std::u16string> VerbLemmas(std::u16string_view lower) const {
        std::vector<std::u16string> lemmas;
        for (const SplitWord& split : PrefixSplits(lower)) {
            if (const auto* pListed = m_forms.Find(split.rest)) {
                for (const std::u16string& lemma : *pListed) {
                    // Hunspell stems prefixed verbs to the bare verb, so the
                    // spelling is all it can confirm.
                    const std::u16string verb = split.prefix + lemma;
                    if (IsInfinitive(lemma) && m_dict.Spell(verb)) AddLemma(lemmas, verb);
                }
            }
        }
        for (const std::u16string& candidate : WeakParticipleInfinitives(lower))
            AddIfEntry(lemmas, candidate);
        return lemmas;
    }

    void AddIfEntry(std::vector<std::u16string>& lemmas, const std::u16string& word) const {
        if (m_dict.Spell(word) && IsDictEntry(word)) AddLemma(lemmas, word);
    }

    // The lemmas a Hunspell stem of the word stands for; the stem itself
    // when no rule mends it.
    std::vector<std::u16string> Lemmas(const std::u16string& stem,
                                       std::u16string_view lower) const {
        std::vector<std::u16string> lemmas;
        if (StartsWithUpper(stem)) {
            lemmas = NounLemmas(stem, lower);
        } else {
            for (const std::u16string& base : ComparisonBaseCandidates(ToLowerText(stem)))
                AddIfEntry(lemmas, base);
        }
        if (lemmas.empty()) lemmas.push_back(stem);
        return lemmas;
    }

    std::vector<std::u16string> NounLemmas(const std::u16string& stem,
                                           std::u16string_view lower) const {
        std::vector<std::u16string> lemmas;
        // Gläser → Glas before Glaser: the first reading the dictionary has.
        for (const std::u16string& candidate : UmlautSingularCandidates(stem)) {
            AddIfEntry(lemmas, candidate);
            if (!lemmas.empty()) return lemmas;
        }
        const std::u16string stemLower = ToLowerText(stem);
        // Schulen → Schule, Betten → Bett: a plural the dictionary lists itself.
        if (EndsWith(stemLower, u"en") && stemLower.size() > 4) {
            AddIfEntry(lemmas, stem.substr(0, stem.size() - 1));
            AddIfEntry(lemmas, stem.substr(0, stem.size() - 2));
        }
        // Berge → Berg, a plural in -e listed itself, of a noun with a genitive -s.
        if (EndsWith(stemLower, u"e") && stemLower.size() > 3) {
            const std::u16string singular = stem.substr(0, stem.size() - 1);
            if (HasGenitiveS(singular)) AddIfEntry(lemmas, singular);
        }
        if (!lemmas.empty()) return lemmas;
        // Katzen → Katz and Katze, Kollegen → Kolleg and Kollege: the
        // dictionary derives some nouns in -e from a shorter word. Only
        // feminine and weak nouns take no genitive -s, which tells them from
        // a plural (Tage of Tag).
        lemmas.push_back(stem);
        const std::u16string withE = stem + u"e";
        if ((lower == stemLower + u"e" || lower == stemLower + u"en") &&
            !m_dict.Spell(withE + u"s") && m_dict.Spell(withE)) {
            const std::vector<std::u16string> stems = m_dict.Stem(withE);
            if (std::find(stems.begin(), stems.end(), stem) != stems.end()) AddLemma(lemmas, withE);
        }
        return lemmas;
    }

    // Wohnungen → Wohnung, Ärztinnen → Ärztin, Ärztin → Ärztin: nouns made
    // with -ung, -heit, -keit, -schaft, -ion, -tät and -in inflect regularly,
    // and Hunspell tends to lead them back to the word they are made from.
    std::u16string SuffixNounLemma(std::u16string_view lower) const {
        static constexpr std::u16string_view kSuffixes[] = {u"ung",    u"heit", u"keit",
                                                            u"schaft", u"ion",  u"tät"};
        for (std::u16string_view suffix : kSuffixes) {
            const std::u16string plural = std::u16string(suffix) + u"en";
            if (lower.size() > plural.size() + 2 && lower.ends_with(plural)) {
                const std::u16string singular = Capitalise(lower.substr(0, lower.size() - 2));
                if (m_dict.Spell(singular)) return singular;
            }
            if (lower.size() > suffix.size() + 2 && lower.ends_with(suffix)) {
                const std::u16string singular = Capitalise(lower);
                if (m_dict.Spell(singular)) return singular;
            }
        }
        for (std::u16string_view ending : {u"innen", u"in"}) {
            if (lower.size() < ending.size() + 3 || !lower.ends_with(ending)) continue;
            const std::u16string base = Capitalise(lower.substr(0, lower.size() - ending.size()));
            const std::u16string singular =
                Capitalise(lower.substr(0, lower.size() - ending.size() + 2));
            if (m_dict.Spell(singular) && (IsDictEntry(base) || IsDictEntry(UndoUmlauts(base))))
                return singular;
        }
        return SuffixAdjectiveLemma(lower);
    }

    // kombinierbare → kombinierbar, not the verb Hunspell derives it from:
    // adjectives made with -bar, -lich, -sam, -haft and -los.
    std::u16string SuffixAdjectiveLemma(std::u16string_view lower) const {
        static constexpr std::u16string_view kSuffixes[] = {u"bar", u"lich", u"sam", u"haft",
                                                            u"los"};
        static constexpr std::u16string_view kEndings[] = {u"", u"e", u"en", u"em", u"er", u"es"};
        for (std::u16string_view suffix : kSuffixes) {
            for (std::u16string_view ending : kEndings) {
                const std::u16string tail = std::u16string(suffix) + std::u16string(ending);
                if (lower.size() < tail.size() + 3 || !lower.ends_with(tail)) continue;
                const std::u16string adjective(lower.substr(0, lower.size() - ending.size()));
                if (m_dict.Spell(adjective)) return adjective;
            }
        }
        return {};
    }

    bool HasGenitiveS(const std::u16string& noun) const {
        return m_dict.Spell(noun + u"s") || m_dict.Spell(noun + u"es");
    }

    // Haustüren → Haus + Türen → Haustür: the longest tail Hunspell can stem
    // decides, and the whole lemma must still be a word.
    std::vector<std::u16string> CompoundLemmas(const std::u16string& lower) const {
        std::vector<std::u16string> lemmas;
        if (!m_dict.Spell(lower) && !m_dict.Spell(Capitalise(lower))) return lemmas;
        for (size_t nHead = 2; nHead + 3 <= lower.size() && lemmas.empty(); ++nHead) {
            const std::u16string head = lower.substr(0, nHead);
            const std::u16string tail = lower.substr(nHead);
            for (const std::u16string& stem : WordStems(tail)) {
                for (const std::u16string& tailLemma : Lemmas(stem, tail)) {
                    std::u16string lemma = head + ToLowerText(tailLemma);
                    if (StartsWithUpper(tailLemma)) lemma = Capitalise(lemma);
                    if (m_dict.Spell(lemma)) AddLemma(lemmas, std::move(lemma));
                }
            }
        }
        return lemmas;
    }
};

}  // namespace

std::unique_ptr<CMorphModule> CreateGermanModule() {
    return std::make_unique<CGermanModule>();
}
