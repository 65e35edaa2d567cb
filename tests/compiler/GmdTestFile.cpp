#include "GmdTestFile.h"

#include <fstream>
#include <iterator>

bool CGmdTestFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail("cannot open");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    try {
        uint64_t p = 0;
        byVersion = U8(p++);
        dwDate = U32(p);
        p += 4;
        byFileType = U8(p++);
        byDictType = U8(p++);
        byIndexArea = U8(p++);
        for (uint8_t n = U8(p++); n != 0; n = U8(p++)) {
            GmdTestMorph m;
            for (int i = 0; i < n; ++i, p += 2)
                m.strName += static_cast<char16_t>(U16(p));
            m.bySide = U8(p++);
            morph.push_back(m);
        }
        const uint16_t nName = U16(p);
        p += 2;
        for (int i = 0; i < nName; ++i, p += 2)
            strName += static_cast<char16_t>(U16(p));
        nArticles = static_cast<int32_t>(U32(p));
        nWords = static_cast<int32_t>(U32(p + 4));
        p += 8;
        for (auto& b : blocks) {
            b = U32(p);
            p += 4;
        }
        for (auto& k : key) {
            k = U16(p);
            p += 2;
        }
        if (blocks[0] != p) return Fail("B0 does not follow the key");
        for (uint16_t k : key) {
            if (k == 0) return Fail("zero key unit");
        }
        if (blocks[1] != blocks[0] + 24ull * static_cast<uint32_t>(nArticles)) return Fail("B1");
        for (int32_t a = 0; a < nArticles; ++a) {
            std::array<int32_t, 6> r{};
            for (int i = 0; i < 6; ++i)
                r[static_cast<size_t>(i)] =
                    static_cast<int32_t>(U32(blocks[0] + 24ull * a + 4 * i));
            articles.push_back(r);
        }
        if ((blocks[2] - blocks[1]) % 4 != 0) return Fail("node table length");
        nNodes = (blocks[2] - blocks[1]) / 4;
        if (nNodes < 65535) return Fail("fewer nodes than roots");
        // Relation blocks and lists lie back to back in node order.
        uint64_t nRel = blocks[2];
        uint64_t nList = blocks[3];
        for (uint32_t i = 0; i < nNodes; ++i) {
            const uint32_t e = Entry(i);
            if (e & 0x80000000u) {
                if ((e & 0x7FFFFFFFu) != nList)
                    return Fail("list out of place at node " + std::to_string(i));
                const uint32_t m = U32(nList);
                if (m == 0) return Fail("empty list");
                nList += 4 + 14ull * m;
            } else if (e != 0) {
                if (e != nRel)
                    return Fail("relation block out of place at node " + std::to_string(i));
                const uint32_t r = U32(nRel);
                if (r == 0) return Fail("empty relation block");
                for (uint32_t k = 0; k < r; ++k) {
                    const uint64_t q = nRel + 4 + 5ull * k;
                    if (U8(q + 4) * 65536u + U16(q + 2) >= nNodes)
                        return Fail("target beyond the nodes");
                }
                nRel += 4 + 5ull * r;
            }
        }
        if (nRel != blocks[3]) return Fail("B3");
        if (nList != blocks[4]) return Fail("B4");
        if ((bytes.size() - blocks[4]) % 2 != 0) return Fail("odd text block");
    } catch (const std::out_of_range&) {
        return Fail("read beyond the file");
    }
    return true;
}

std::optional<std::vector<GmdTestOccurrence>> CGmdTestFile::Lookup(std::u16string_view form) const {
    if (form.empty()) return std::nullopt;
    uint32_t node = form[0];
    std::u16string rest(form.substr(1));
    rest += u'+';
    for (char16_t c : rest) {
        const uint32_t e = Entry(node);
        if (e == 0 || (e & 0x80000000u)) return std::nullopt;
        const uint32_t r = U32(e);
        bool bFound = false;
        for (uint32_t k = 0; k < r && !bFound; ++k) {
            const uint64_t q = e + 4 + 5ull * k;
            if (U16(q) == c) {
                node = U8(q + 4) * 65536u + U16(q + 2);
                bFound = true;
            }
        }
        if (!bFound) return std::nullopt;
    }
    const uint32_t e = Entry(node);
    if (!(e & 0x80000000u)) return std::nullopt;
    const uint64_t p = e & 0x7FFFFFFFu;
    std::vector<GmdTestOccurrence> result;
    for (uint32_t i = 0, m = U32(p); i < m; ++i) {
        const uint64_t q = p + 4 + 14ull * i;
        result.push_back({U32(q), U32(q + 4), U8(q + 8), U32(q + 9), U8(q + 13)});
    }
    return result;
}

void CGmdTestFile::Walk(uint32_t nNode, std::u16string& prefix,
                        std::vector<std::u16string>& out) const {
    const uint32_t e = Entry(nNode);
    if (e & 0x80000000u) {
        out.push_back(prefix.substr(0, prefix.size() - 1));  // without the ending symbol
        return;
    }
    if (e == 0) return;
    for (uint32_t k = 0, r = U32(e); k < r; ++k) {
        const uint64_t q = e + 4 + 5ull * k;
        prefix += static_cast<char16_t>(U16(q));
        Walk(U8(q + 4) * 65536u + U16(q + 2), prefix, out);
        prefix.pop_back();
    }
}

std::vector<std::u16string> CGmdTestFile::AllForms() const {
    std::vector<std::u16string> out;
    for (uint32_t root = 0; root < 65535; ++root) {
        std::u16string prefix(1, static_cast<char16_t>(root));
        Walk(root, prefix, out);
    }
    return out;
}

std::u16string CGmdTestFile::Text() const {
    std::u16string text;
    for (uint64_t p = blocks[4], i = 0; p + 1 < bytes.size(); p += 2, ++i) {
        text += static_cast<char16_t>(U16(p) ^ key[i % 4]);
    }
    return text;
}
