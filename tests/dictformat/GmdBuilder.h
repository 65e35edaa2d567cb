// Builds .gmd bytes from a readable description, laid out as the compiler
// lays them out, so the reader can be tested on exact files and on files
// damaged in exact places.
#pragma once

#include <array>
#include <cstdint>
#include <map>
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
};

std::vector<uint8_t> BuildGmd(const TestGmd& spec, TestGmdLayout* pLayout = nullptr);
