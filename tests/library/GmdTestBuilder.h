// Test support: writes small compiled dictionaries byte by byte from a plain
// description, so the search can be tried on exactly the index it needs
// (lemma forms chosen by the test, damaged nodes and lists).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

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

// Changes one byte of a file.
void PatchByte(const std::filesystem::path& path, uint64_t nOffset, uint8_t nValue);
