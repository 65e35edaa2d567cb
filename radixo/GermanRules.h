// Spelling rules of German inflection that need no dictionary: they propose
// candidates, and the German module keeps those its dictionary confirms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SplitWord {
    std::u16string prefix;
    std::u16string rest;
};

// Every way a lower-cased word splits into a verb prefix (separable or not)
// and a rest of at least three letters.
std::vector<SplitWord> PrefixSplits(std::u16string_view lower);

// A list lemma that can take a verb prefix: lower-case, ending in -n.
bool IsInfinitive(std::u16string_view lemma);

// gemacht → machen, aufgeräumt → aufräumen, geändert → ändern.
std::vector<std::u16string> WeakParticipleInfinitives(std::u16string_view lower);

// Bücher → Buch, Mütter → Mutter, Hände → Hand: a capitalised stem with an
// umlaut, with a plural ending taken off and its last umlaut undone.
std::vector<std::u16string> UmlautSingularCandidates(std::u16string_view stem);

// größer → groß, ältesten → alt, jünger → jung: an adjective stem with an
// umlaut, with a comparison ending taken off and its last umlaut undone.
std::vector<std::u16string> ComparisonBaseCandidates(std::u16string_view lowerStem);

// Museen → Museum, Themen → Thema, Visa → Visum, Praxen → Praxis: the
// capitalised singulars a lower-cased word may be the foreign plural of.
std::vector<std::u16string> ForeignSingularCandidates(std::u16string_view lower);

// Every ä, ö and ü without its umlaut (Ärzt → Arzt).
std::u16string UndoUmlauts(std::u16string_view text);
