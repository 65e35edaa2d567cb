// Random valid dictionary sources together with what a search must find in
// them: every article's index words per part, in order, and the article's
// first position in the text. The generator writes the text and keeps the
// model as it goes, so the model never has to parse anything.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct ModelPart {
    bool bRight = false;
    // Index words in word-number order, upper-cased.
    std::vector<std::u16string> words;
};

struct ModelArticle {
    int32_t nBegin = 0;  // code units from the start of the text
    bool bCaption = false;
    std::vector<ModelPart> parts;  // only the indexed ones
};

struct ModelSource {
    std::u16string text;  // without byte-order mark
    int32_t nSepType = 2;
    std::u16string strArticlesSep;  // for type 3, decoded
    std::u16string strPartsSep;
    int32_t nIndexArea = 3;
    std::vector<ModelArticle> articles;
    // Words that occur in the text only where nothing is indexed (comments,
    // no-index text, captions, parts the index area leaves out).
    std::vector<std::u16string> hiddenWords;
};

// The same seed gives the same source.
ModelSource GenerateSource(uint32_t nSeed);

// The match class the search must give article a for the query words q (one
// or two upper-cased words), or -1 when the article must not be found.
int ExpectedClass(const ModelArticle& a, const std::vector<std::u16string>& q);
