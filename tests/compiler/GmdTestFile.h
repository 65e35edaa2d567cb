// Reads a compiled file back for the tests, with its own decoding of the
// layout (independent of the writer's codecs), and walks its automaton.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct GmdTestOccurrence {
    uint32_t dwWordNum, dwPosition;
    uint8_t bySpan;
    uint32_t dwArticlePos;
    uint8_t byFlags;
    bool operator==(const GmdTestOccurrence&) const = default;
};

struct GmdTestMorph {
    std::u16string strName;
    uint8_t bySide;
    bool operator==(const GmdTestMorph&) const = default;
};

class CGmdTestFile {
public:
    // Reads and checks the whole structure; false with the reason in Fault().
    bool Load(const std::filesystem::path& path);
    const std::string& Fault() const { return m_strFault; }

    std::vector<uint8_t> bytes;
    uint8_t byVersion = 0;
    uint32_t dwDate = 0;
    uint8_t byFileType = 0, byDictType = 0, byIndexArea = 0;
    std::vector<GmdTestMorph> morph;
    std::u16string strName;
    int32_t nArticles = 0, nWords = 0;
    std::array<uint32_t, 5> blocks{};
    std::array<uint16_t, 4> key{};
    std::vector<std::array<int32_t, 6>> articles;
    uint32_t nNodes = 0;

    uint32_t Entry(uint32_t nNode) const { return U32(blocks[1] + 4 * nNode); }
    // The occurrences of a form, or nothing when the automaton lacks it.
    std::optional<std::vector<GmdTestOccurrence>> Lookup(std::u16string_view form) const;
    // Every form of the automaton (walked from the roots), for shape checks.
    std::vector<std::u16string> AllForms() const;
    // The text block, unscrambled.
    std::u16string Text() const;

    uint8_t U8(uint64_t off) const { return bytes.at(off); }
    uint16_t U16(uint64_t off) const { return static_cast<uint16_t>(U8(off) | (U8(off + 1) << 8)); }
    uint32_t U32(uint64_t off) const {
        return U16(off) | (static_cast<uint32_t>(U16(off + 2)) << 16);
    }

private:
    bool Fail(std::string strFault) {
        m_strFault = std::move(strFault);
        return false;
    }
    void Walk(uint32_t nNode, std::u16string& prefix, std::vector<std::u16string>& out) const;
    std::string m_strFault;
};
