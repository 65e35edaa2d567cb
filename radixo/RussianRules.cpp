#include "RussianRules.h"

namespace {

constexpr std::u16string_view kConsonants = u"бвгджзклмнпрстфхцчшщ";
constexpr std::u16string_view kVelars = u"кгх";
constexpr std::u16string_view kSibilants = u"жшчщ";

bool IsIn(std::u16string_view letters, char16_t c) {
    return letters.find(c) != std::u16string_view::npos;
}

// The case endings of a declension after the stem's last letter.
std::vector<std::u16string_view> Endings(Declension declension, char16_t last) {
    switch (declension) {
        case Declension::Hard:
            if (IsIn(kVelars, last))
                return {u"а", u"у", u"ом", u"е", u"и", u"ов", u"ам", u"ами", u"ах"};
            if (IsIn(kSibilants, last))
                return {u"а", u"у", u"ом", u"ем", u"е", u"и", u"ей", u"ам", u"ами", u"ах"};
            if (last == u'ц')
                return {u"а", u"у", u"ом", u"ем", u"е", u"ы", u"ов", u"ев", u"ам", u"ами", u"ах"};
            return {u"а", u"у", u"ом", u"е", u"ы", u"ов", u"ам", u"ами", u"ах"};
        case Declension::Soft:
            return {u"я",  u"ю",  u"ем", u"ём", u"е",   u"и",
                    u"ей", u"ев", u"ёв", u"ям", u"ями", u"ях"};
        case Declension::Feminine:
            return {u"и", u"ей", u"ям", u"ями", u"ях", u"ам", u"ами", u"ах"};
    }
    return {};
}

// The nominatives of an oblique stem: a vowel put back before its last
// consonant, or ь, й and a final ь read as the vowel they stand for.
std::vector<std::u16string> Nominatives(const std::u16string& stem, Declension declension) {
    std::vector<std::u16string> lemmas;
    const size_t n = stem.size();
    const std::u16string head = stem.substr(0, n - 1);
    const char16_t last = stem[n - 1];
    const char16_t before = stem[n - 2];
    const auto add = [&](std::u16string_view vowels, const std::u16string& front) {
        for (char16_t vowel : vowels) {
            // Only a hard nominative ends in its consonant; the others add ь.
            const std::u16string lemma = front + vowel + last;
            lemmas.push_back(declension == Declension::Hard ? lemma : lemma + u"ь");
        }
    };
    if (declension == Declension::Soft && last == u'ь') {
        lemmas.push_back(head + u"ей");
    } else if (IsIn(kConsonants, last) && IsIn(kConsonants, before)) {
        add(u"оеё", head);
    } else if (IsIn(kConsonants, last) && declension != Declension::Feminine) {
        if (before == u'ь') add(u"её", stem.substr(0, n - 2));
        if (before == u'й') add(u"еёя", stem.substr(0, n - 2));
    }
    return lemmas;
}

}  // namespace

std::vector<FleetingCandidate> FleetingVowelCandidates(std::u16string_view lower) {
    std::vector<FleetingCandidate> candidates;
    for (Declension declension : {Declension::Hard, Declension::Soft, Declension::Feminine}) {
        for (size_t nEnding = 1; nEnding <= 3 && nEnding + 2 <= lower.size(); ++nEnding) {
            const std::u16string stem(lower.substr(0, lower.size() - nEnding));
            const std::u16string_view ending = lower.substr(stem.size());
            bool bEnding = false;
            for (std::u16string_view e : Endings(declension, stem.back()))
                bEnding |= e == ending;
            if (!bEnding) continue;
            for (std::u16string& lemma : Nominatives(stem, declension))
                candidates.push_back({std::move(lemma), stem, declension});
        }
    }
    return candidates;
}

ConfirmingForms FormsToConfirm(const FleetingCandidate& candidate) {
    const std::u16string& s = candidate.stem;
    const std::u16string& lemma = candidate.lemma;
    const std::u16string bare = lemma.substr(0, lemma.size() - 1);  // without ь
    switch (candidate.declension) {
        case Declension::Hard: {
            const bool bSoftPlural = IsIn(kVelars, s.back()) || IsIn(kSibilants, s.back());
            return {{{s + u"а"}, {s + u"у"}, {s + u"ом", s + u"ем"}},
                    {{s + (bSoftPlural ? u"и" : u"ы")}, {s + u"ов", s + u"ев", s + u"ей"}},
                    lemma + u"а",
                    s + (IsIn(kSibilants, s.back()) || s.back() == u'ц' ? u"е" : u"о")};
        }
        case Declension::Soft:
            return {{{s + u"я"}, {s + u"ю"}, {s + u"ем", s + u"ём"}},
                    {{s + u"и"}, {s + u"ей", s + u"ев", s + u"ёв"}},
                    bare + u"я",
                    {}};
        case Declension::Feminine:
            // The instrumental keeps the vowel: любовью, вошью.
            return {{{s + u"и"}, {lemma + u"ю"}}, {}, bare + u"и", {}};
    }
    return {};
}
