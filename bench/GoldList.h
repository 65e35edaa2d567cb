// Gold lists of inflected forms and their lemmas (see gold/README.md), and
// the recall and precision of a lemmatiser measured against them.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct GoldEntry {
    std::u16string form;                 // upper-cased
    std::vector<std::u16string> lemmas;  // required, upper-cased
    std::vector<std::u16string> others;  // also correct, upper-cased
};

// Empty when the file cannot be read.
std::vector<GoldEntry> LoadGoldList(const std::string& path, bool bFoldYo);

struct GoldScore {
    int nForms = 0;
    int nRequired = 0;
    int nFound = 0;    // required lemmas given
    int nGiven = 0;    // lemmas given
    int nCorrect = 0;  // lemmas given that are required or other readings
    double Recall() const { return nRequired ? double(nFound) / nRequired : 0.0; }
    double Precision() const { return nGiven ? double(nCorrect) / nGiven : 0.0; }
};

using LemmaFunction = std::function<std::vector<std::u16string>(const std::u16string& form)>;

// Scores every entry; pReport, when given, receives a line per form with a
// missing or a wrong lemma.
GoldScore ScoreGoldList(const std::vector<GoldEntry>& entries, const LemmaFunction& lemmatise,
                        bool bFoldYo, std::string* pReport);
