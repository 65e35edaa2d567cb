// Spelling rules of Russian nouns whose stem loses a vowel outside the
// nominative singular (угол - угла, день - дня, заяц - зайца, муравей -
// муравья, любовь - любви): they propose nominatives, and the Russian module
// keeps those its dictionary confirms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Declension {
    Hard,  // угол, отец, кусок: угла, углу, углом, углы, углов
    Soft,  // день, муравей: дня, дню, днём, дни, дней
    Feminine,  // любовь, вошь: любви, вши, вшей
};

struct FleetingCandidate {
    std::u16string lemma;  // угол
    std::u16string stem;   // угл: the stem the oblique forms are made of
    Declension declension;
};

// Every nominative a lower-cased form may be an oblique case of: its ending
// taken off and о, е or ё put back before the stem's last consonant (угл →
// угол, дн → день), ь read as е or ё (льв → лев) and й as е, ё or я (зайц →
// заяц), a final ь read as ей (муравь → муравей).
std::vector<FleetingCandidate> FleetingVowelCandidates(std::u16string_view lower);

// Forms a candidate's own declension makes, each as the spellings any of
// which will do (углом or углем).
struct ConfirmingForms {
    std::vector<std::vector<std::u16string>> singular;  // угла, углу, углом
    std::vector<std::vector<std::u16string>> plural;    // углы, углов
    std::u16string keptVowelGenitive;  // угола: the form of a noun that keeps its vowel
    std::u16string neuter;             // угло, сердце: a neuter noun of the same stem
};
ConfirmingForms FormsToConfirm(const FleetingCandidate& candidate);
