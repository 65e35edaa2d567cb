#include "GermanRules.h"

#include "LetterCase.h"

namespace {

// Longer prefixes first, so that "hinaus" is tried before "hin".
constexpr std::u16string_view kVerbPrefixes[] = {
    u"zusammen", u"herunter", u"hinunter", u"zurück", u"vorbei", u"weiter", u"wieder", u"heraus",
    u"herein",   u"hinaus",   u"hinein",   u"hinter", u"durch",  u"empor",  u"unter",  u"wider",
    u"über",     u"nach",     u"fort",     u"fest",   u"frei",   u"hoch",   u"miss",   u"teil",
    u"voll",     u"statt",    u"auf",      u"aus",    u"bei",    u"ein",    u"mit",    u"vor",
    u"weg",      u"dar",      u"her",      u"hin",    u"los",    u"ent",    u"emp",    u"ver",
    u"zer",      u"ab",       u"an",       u"zu",     u"um",     u"be",     u"er"};

// Prefixes that keep "ge" in the participle after them (aufgeräumt).
constexpr std::u16string_view kSeparablePrefixes[] = {
    u"",       u"zusammen", u"zurück", u"vorbei", u"weiter", u"wieder", u"heraus", u"herein",
    u"hinaus", u"hinein",   u"fort",   u"fest",   u"frei",   u"hoch",   u"teil",   u"auf",
    u"aus",    u"bei",      u"ein",    u"mit",    u"nach",   u"vor",    u"weg",    u"her",
    u"hin",    u"los",      u"ab",     u"an",     u"zu"};

constexpr size_t kMinRest = 3;

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The last ä, ö or ü without its umlaut; nothing when there is none.
std::u16string UndoLastUmlaut(std::u16string_view text) {
    const size_t nPos = text.find_last_of(u"äöü");
    if (nPos == std::u16string_view::npos) return {};
    std::u16string result(text);
    result[nPos] = result[nPos] == u'ä' ? u'a' : result[nPos] == u'ö' ? u'o' : u'u';
    return result;
}

}  // namespace

std::vector<SplitWord> PrefixSplits(std::u16string_view lower) {
    std::vector<SplitWord> splits;
    for (std::u16string_view prefix : kVerbPrefixes) {
        if (lower.size() >= prefix.size() + kMinRest && lower.substr(0, prefix.size()) == prefix)
            splits.push_back({std::u16string(prefix), std::u16string(lower.substr(prefix.size()))});
    }
    return splits;
}

bool IsInfinitive(std::u16string_view lemma) {
    return lemma.size() >= 3 && lemma.back() == u'n' && !StartsWithUpper(lemma);
}

std::vector<std::u16string> WeakParticipleInfinitives(std::u16string_view lower) {
    std::vector<std::u16string> candidates;
    if (!EndsWith(lower, u"t")) return candidates;
    for (std::u16string_view prefix : kSeparablePrefixes) {
        const size_t nCore = prefix.size() + 2;
        if (lower.size() < nCore + 1 + 2 || lower.substr(0, prefix.size()) != prefix ||
            lower.substr(prefix.size(), 2) != u"ge")
            continue;
        const std::u16string core(lower.substr(nCore, lower.size() - nCore - 1));
        // gearbeitet → arbeite+n; geändert → änder+n; gemacht → mach+en.
        if (EndsWith(core, u"e") || EndsWith(core, u"er") || EndsWith(core, u"el"))
            candidates.push_back(std::u16string(prefix) + core + u"n");
        candidates.push_back(std::u16string(prefix) + core + u"en");
    }
    return candidates;
}

std::vector<std::u16string> UmlautSingularCandidates(std::u16string_view stem) {
    std::vector<std::u16string> candidates;
    const std::u16string lower = ToLowerText(stem);
    // A plural ending first (Gläser → Glas), then the umlaut alone (Mütter).
    std::vector<std::u16string> bases;
    if (EndsWith(lower, u"er")) bases.push_back(lower.substr(0, lower.size() - 2));
    if (EndsWith(lower, u"e")) bases.push_back(lower.substr(0, lower.size() - 1));
    if (EndsWith(lower, u"er") || EndsWith(lower, u"el") || EndsWith(lower, u"en"))
        bases.push_back(lower);
    for (const std::u16string& base : bases) {
        std::u16string singular = UndoLastUmlaut(base);
        if (singular.size() >= 2) candidates.push_back(Capitalise(singular));
    }
    return candidates;
}

std::vector<std::u16string> ComparisonBaseCandidates(std::u16string_view lowerStem) {
    static constexpr std::u16string_view kEndings[] = {u"esten", u"este", u"est", u"sten",
                                                       u"ste",   u"st",   u"er",  u"te"};
    std::vector<std::u16string> candidates;
    for (std::u16string_view ending : kEndings) {
        if (!EndsWith(lowerStem, ending)) continue;
        std::u16string base = UndoLastUmlaut(lowerStem.substr(0, lowerStem.size() - ending.size()));
        if (base.size() >= 2) candidates.push_back(std::move(base));
    }
    return candidates;
}

std::vector<std::u16string> ForeignSingularCandidates(std::u16string_view lower) {
    // Plural endings of Latin and Greek nouns, longer first, with the
    // singular endings they replace. The longest plural ending that matches
    // decides: Studien is Studium's plural, never Studio's.
    static constexpr struct {
        std::u16string_view plural;
        std::u16string_view singular;
    } kEndings[] = {
        {u"anten", u"as"},                                                      // Atlanten
        {u"izes", u"ex"},                                                       // Indizes
        {u"ien", u"ium"},  {u"ien", u"ion"}, {u"ien", u"ius"}, {u"ien", u""},   // Materialien
        {u"ta", u""},                                                           // Schemata
        {u"en", u"um"},    {u"en", u"a"},    {u"en", u"on"},   {u"en", u"is"},  // Themen
        {u"en", u"us"},    {u"en", u"os"},   {u"en", u"o"},                     // Viren, Konten
        {u"a", u"um"},     {u"a", u"on"},                                       // Visa, Lexika
        {u"i", u"o"}};                                                          // Tempi
    constexpr size_t kMinStem = 3;
    std::vector<std::u16string> candidates;
    std::u16string_view matched;
    for (const auto& ending : kEndings) {
        if (!matched.empty() && ending.plural != matched) break;
        if (lower.size() < ending.plural.size() + kMinStem || !EndsWith(lower, ending.plural))
            continue;
        matched = ending.plural;
        const std::u16string stem(lower.substr(0, lower.size() - ending.plural.size()));
        // -ien without a singular ending only after l, p and b: Mineral, Prinzip, Adverb.
        if (ending.plural == u"ien" && ending.singular.empty() &&
            std::u16string_view(u"lpb").find(stem.back()) == std::u16string_view::npos)
            continue;
        candidates.push_back(Capitalise(stem + std::u16string(ending.singular)));
    }
    return candidates;
}

std::u16string UndoUmlauts(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result) {
        if (c == u'ä') c = u'a';
        if (c == u'ö') c = u'o';
        if (c == u'ü') c = u'u';
        if (c == u'Ä') c = u'A';
        if (c == u'Ö') c = u'O';
        if (c == u'Ü') c = u'U';
    }
    return result;
}
