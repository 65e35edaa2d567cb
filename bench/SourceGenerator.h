// Makes large dictionary sources of a realistic shape for benchmarks: an
// English headword, Russian translations, a comment, numbered examples in
// both languages, some markup, references and group captions. Words come
// from the Hunspell word lists and are drawn with Zipf frequencies, so that
// a few words are very common and most are rare, as in real text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

struct SourceGenOptions {
    uint64_t nTargetBytes = 10u << 20;
    uint32_t nSeed = 1;
    std::string strMorph;  // the "$MORPH:" value; empty for none
    std::string strEnglishDic = "/usr/share/hunspell/en_US.dic";
    std::string strRussianDic = "/usr/share/hunspell/ru_RU.dic";
};

class CSourceGenerator {
public:
    explicit CSourceGenerator(SourceGenOptions options);
    // Reads the word lists; false with strError when they cannot be read.
    bool LoadWords(std::string& strError);
    // Writes a UTF-8 source of about nTargetBytes (ends after the article
    // that reaches it). Returns the bytes written.
    uint64_t Write(std::FILE* pOut);

private:
    struct WordList {
        std::vector<std::string> words;
        std::vector<double> cumulative;  // Zipf weights by rank
    };
    static bool ReadDic(const std::string& strPath, bool bCyrillic, WordList& list,
                        std::string& strError);
    const std::string& Pick(const WordList& list);
    std::string Sentence(const WordList& list, int nMin, int nMax);
    std::string Article();

    SourceGenOptions m_options;
    std::mt19937_64 m_rng;
    WordList m_english;
    WordList m_russian;
    uint64_t m_nArticles = 0;
};
