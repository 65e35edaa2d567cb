// Builds .gmd bytes from a readable description, laid out as the compiler
// lays them out, so the reader can be tested on exact files and on files
// damaged in exact places; and whole dictionaries from plain articles, so the
// search can be tried on exactly the index it needs.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dictformat/GmdLayout.h"

struct TestOccurrence {
    uint32_t nWordNum = 0;
    uint32_t nPosition = 0;
    uint8_t nSpan = 1;
    uint32_t nArticle = 0;  // index; the builder stores the record's offset
    uint8_t nFlags = 0;
};

struct TestGmd {
    uint8_t nVersion = gmd::kFormatVersion;
    uint32_t nDate = 0x01020304;
    uint8_t nFileType = 1, nDictType = 1, nIndexArea = 3;
    std::vector<std::pair<std::u16string, uint8_t>> morph;
    std::u16string name = u"Test";
    int32_t nWordCount = 0;
    std::array<uint16_t, 4> key{0x1111, 0x2222, 0x3333, 0x4444};
    std::vector<gmd::ArticleRecord> articles;  // group caption as an index or -1
    // Forms in insertion order with their occurrences.
    std::vector<std::pair<std::u16string, std::vector<TestOccurrence>>> forms;
    std::u16string text;
};

// Where the builder put things, for tests that damage them.
struct TestGmdLayout {
    std::array<uint32_t, 5> blocks{};
    uint32_t nHeaderPos = 5;
    uint32_t nCountsPos = 0;
    uint32_t nBlockPosPos = 0;
    uint32_t nKeyPos = 0;
    uint32_t nNodeCount = 0;
    std::map<std::u16string, uint32_t> finalNodes;  // of each form
};

std::vector<uint8_t> BuildGmd(const TestGmd& gmd, TestGmdLayout* pLayout = nullptr);

// ---- Dictionaries from articles ----

struct CTestArticle {
    std::u16string strLeft;
    // nullopt: the article has no parts separator.
    std::optional<std::u16string> strRight;
    // Index of the caption article of its group, or -1.
    int nCaption = -1;
};

struct CTestMorph {
    std::u16string strName;  // "English", "Russian", ...
    int nSide = 3;           // 1 left, 2 right, 3 both
};

struct CTestDictionary {
    int nFileType = 1;
    std::vector<CTestMorph> aMorph;
    std::u16string strName = u"Test";
    std::vector<CTestArticle> aArticles;
    // Extra index forms of an upper-cased word (its lemmas), each with the
    // side it is indexed on (1 left, 2 right, 3 both).
    std::function<std::vector<std::pair<std::u16string, int>>(const std::u16string&)> lemmas;
};

// Where the pieces of an article stand in the text block.
struct CTestLayout {
    struct Article {
        int nLeftStart, nLeftEnd, nRightStart, nRightEnd;
    };
    std::vector<Article> aArticles;
    std::u16string strText;  // the whole text block, unscrambled
    // File offset of the node-table entry of each indexed form's final node,
    // and of its occurrence list's count.
    std::map<std::u16string, uint64_t> finalEntry;
    std::map<std::u16string, uint64_t> listCount;
};

// Writes the dictionary to path. The text block holds a "$NAME:" line, then
// the articles, each "left##:##right" (or just "left"), separated by an empty
// line. Words are runs of word characters outside "<...>" tags.
CTestLayout WriteTestDictionary(const CTestDictionary& dict, const std::filesystem::path& path);
