#include "GmdTestBuilder.h"

#include <fstream>
#include <map>

#include "core/CharTables.h"
#include "dictformat/GmdLayout.h"

namespace {

struct CWord {
    uint32_t nNumber;
    uint32_t nPos;
    uint8_t nSpan;
    uint32_t nArticle;
    uint8_t nFlags;
    std::u16string strUpper;
};

// A trie over forms + "+"; node i < 65535 is the root of unit i.
struct CTrie {
    std::vector<std::vector<std::pair<char16_t, uint32_t>>> aRelations =
        std::vector<std::vector<std::pair<char16_t, uint32_t>>>(gmd::kRootCount);
    std::vector<int> aList = std::vector<int>(gmd::kRootCount, -1);
    std::vector<std::vector<gmd::OccurrenceRecord>> aLists;
    std::map<std::u16string, uint32_t> finals;

    uint32_t Child(uint32_t nNode, char16_t c) {
        for (auto [s, t] : aRelations[nNode])
            if (s == c) return t;
        const uint32_t nNew = static_cast<uint32_t>(aRelations.size());
        aRelations.emplace_back();
        aList.push_back(-1);
        aRelations[nNode].emplace_back(c, nNew);
        return nNew;
    }
    void Add(const std::u16string& form, const gmd::OccurrenceRecord& occ) {
        uint32_t nNode = form[0];
        for (size_t i = 1; i <= form.size(); ++i)
            nNode = Child(nNode, i < form.size() ? form[i] : gmd::kEndSymbol);
        finals[form] = nNode;
        if (aList[nNode] < 0) {
            aList[nNode] = static_cast<int>(aLists.size());
            aLists.emplace_back();
        }
        aLists[static_cast<size_t>(aList[nNode])].push_back(occ);
    }
};

void SplitWords(const std::u16string& text, int nFrom, int nTo, uint32_t nArticle, bool bRight,
                std::vector<CWord>& aWords) {
    const size_t nFirst = aWords.size();
    for (int i = nFrom; i < nTo;) {
        if (text[static_cast<size_t>(i)] == u'<') {
            while (i < nTo && text[static_cast<size_t>(i)] != u'>')
                ++i;
            ++i;
            continue;
        }
        if (!IsWordSymb(text[static_cast<size_t>(i)])) {
            ++i;
            continue;
        }
        const int nStart = i;
        while (i < nTo && IsWordSymb(text[static_cast<size_t>(i)]))
            ++i;
        std::u16string upper =
            text.substr(static_cast<size_t>(nStart), static_cast<size_t>(i - nStart));
        ToUpperString(upper);
        aWords.push_back({0, static_cast<uint32_t>(nStart), static_cast<uint8_t>(i - nStart),
                          nArticle, static_cast<uint8_t>(bRight ? gmd::WORD_RIGHT_PART : 0),
                          upper});
    }
    if (aWords.size() > nFirst) {
        aWords[nFirst].nFlags |= gmd::WORD_FIRST_IN_PART;
        aWords.back().nFlags |= gmd::WORD_END_OF_PART;
    }
}

void Put(std::vector<uint8_t>& out, uint64_t v, int nBytes) {
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutString(std::vector<uint8_t>& out, std::u16string_view s) {
    for (char16_t c : s)
        Put(out, c, 2);
}

}  // namespace

CTestLayout WriteTestDictionary(const CTestDictionary& dict, const std::filesystem::path& path) {
    CTestLayout layout;
    std::u16string& text = layout.strText;
    text = u"$NAME: " + dict.strName + u"\r\n";
    std::vector<CWord> aWords;
    for (size_t a = 0; a < dict.aArticles.size(); ++a) {
        const CTestArticle& article = dict.aArticles[a];
        text += u"\r\n";
        CTestLayout::Article pos{static_cast<int>(text.size()), -1, -1, 0};
        text += article.strLeft;
        if (article.strRight) {
            pos.nLeftEnd = static_cast<int>(text.size());
            text += u"##:##";
            pos.nRightStart = static_cast<int>(text.size());
            text += *article.strRight;
        }
        pos.nRightEnd = static_cast<int>(text.size());
        text += u"\r\n";
        const int nLeftTo = article.strRight ? pos.nLeftEnd : pos.nRightEnd;
        SplitWords(text, pos.nLeftStart, nLeftTo, static_cast<uint32_t>(a), false, aWords);
        if (article.strRight)
            SplitWords(text, pos.nRightStart, pos.nRightEnd, static_cast<uint32_t>(a), true,
                       aWords);
        layout.aArticles.push_back(pos);
    }

    // Records: B0 and the key are known once the header is laid out.
    std::vector<uint8_t> head;
    Put(head, gmd::kFormatVersion, 1);
    Put(head, 1700000000, 4);
    Put(head, static_cast<uint64_t>(dict.nFileType), 1);
    Put(head, 1, 1);
    Put(head, 3, 1);
    for (const CTestMorph& m : dict.aMorph) {
        Put(head, m.strName.size(), 1);
        PutString(head, m.strName);
        Put(head, static_cast<uint64_t>(m.nSide), 1);
    }
    Put(head, 0, 1);
    Put(head, dict.strName.size(), 2);
    PutString(head, dict.strName);
    Put(head, dict.aArticles.size(), 4);
    Put(head, aWords.size(), 4);
    const uint32_t nB0 = static_cast<uint32_t>(head.size() + gmd::kPositionsAndKeySize);

    CTrie trie;
    for (size_t w = 0; w < aWords.size(); ++w) {
        CWord& word = aWords[w];
        const gmd::OccurrenceRecord occ{static_cast<uint32_t>(w), word.nPos, word.nSpan,
                                        nB0 + 24 * word.nArticle, word.nFlags};
        trie.Add(word.strUpper, occ);
        if (!dict.lemmas) continue;
        for (const auto& [lemma, nSide] : dict.lemmas(word.strUpper)) {
            const bool bRight = word.nFlags & gmd::WORD_RIGHT_PART;
            if (lemma != word.strUpper && (nSide == 3 || (nSide == 2) == bRight))
                trie.Add(lemma, occ);
        }
    }

    const uint32_t nNodes = static_cast<uint32_t>(trie.aRelations.size());
    const uint32_t nB1 = nB0 + 24 * static_cast<uint32_t>(dict.aArticles.size());
    const uint32_t nB2 = nB1 + 4 * nNodes;
    std::vector<uint8_t> nodes, relations, lists;
    for (uint32_t n = 0; n < nNodes; ++n) {
        uint32_t nEntry = 0;
        if (trie.aList[n] >= 0) {
            nEntry = gmd::kFinalFlag;  // positions fixed up below, once B3 is known
        } else if (!trie.aRelations[n].empty()) {
            nEntry = nB2 + static_cast<uint32_t>(relations.size());
            Put(relations, trie.aRelations[n].size(), 4);
            for (auto [s, t] : trie.aRelations[n]) {
                Put(relations, s, 2);
                Put(relations, t & 0xFFFF, 2);
                Put(relations, t >> 16, 1);
            }
        }
        Put(nodes, nEntry, 4);
    }
    const uint32_t nB3 = nB2 + static_cast<uint32_t>(relations.size());
    for (uint32_t n = 0; n < nNodes; ++n) {
        if (trie.aList[n] < 0) continue;
        const uint32_t nEntry = gmd::kFinalFlag | (nB3 + static_cast<uint32_t>(lists.size()));
        for (int i = 0; i < 4; ++i)
            nodes[4 * n + static_cast<uint32_t>(i)] = static_cast<uint8_t>(nEntry >> (8 * i));
        const auto& list = trie.aLists[static_cast<size_t>(trie.aList[n])];
        Put(lists, list.size(), 4);
        for (const gmd::OccurrenceRecord& occ : list) {
            uint8_t record[gmd::kOccurrenceSize];
            occ.Encode(record);
            lists.insert(lists.end(), record, record + gmd::kOccurrenceSize);
        }
    }
    const uint32_t nB4 = nB3 + static_cast<uint32_t>(lists.size());
    for (const auto& [form, nNode] : trie.finals) {
        layout.finalEntry[form] = nB1 + 4ull * nNode;
        layout.listCount[form] =
            uint64_t{nodes[4 * nNode]} | (uint64_t{nodes[4 * nNode + 1]} << 8) |
            (uint64_t{nodes[4 * nNode + 2]} << 16) | (uint64_t{nodes[4 * nNode + 3] & 0x7Fu} << 24);
    }

    std::vector<uint8_t> out = head;
    for (uint32_t b : {nB0, nB1, nB2, nB3, nB4})
        Put(out, b, 4);
    const uint16_t key[4] = {0x1234, 0x0101, 0xBEEF, 0x7777};
    for (uint16_t k : key)
        Put(out, k, 2);
    for (size_t a = 0; a < dict.aArticles.size(); ++a) {
        const CTestLayout::Article& pos = layout.aArticles[a];
        const int nCaption = dict.aArticles[a].nCaption;
        const gmd::ArticleRecord record{
            pos.nLeftStart,
            pos.nLeftEnd,
            pos.nRightStart,
            pos.nRightEnd,
            nCaption >= 0 ? static_cast<int32_t>(nB0 + 24 * static_cast<uint32_t>(nCaption)) : -1,
            0};
        uint8_t bytes[gmd::kArticleRecordSize];
        gmd::ArticleRecord withKey = record;
        // The sort key: the first two units of the article's first word.
        for (const CWord& word : aWords) {
            if (word.nArticle != a) continue;
            const uint32_t nHigh = word.strUpper[0];
            const uint32_t nLow = word.strUpper.size() > 1 ? word.strUpper[1] : 0;
            withKey.nSortKey = static_cast<int32_t>((nHigh << 16) | nLow);
            break;
        }
        withKey.Encode(bytes);
        out.insert(out.end(), bytes, bytes + sizeof bytes);
    }
    out.insert(out.end(), nodes.begin(), nodes.end());
    out.insert(out.end(), relations.begin(), relations.end());
    out.insert(out.end(), lists.begin(), lists.end());
    for (size_t i = 0; i < text.size(); ++i)
        Put(out, text[i] ^ key[i % 4], 2);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return layout;
}

void PatchByte(const std::filesystem::path& path, uint64_t nOffset, uint8_t nValue) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(nOffset));
    file.put(static_cast<char>(nValue));
}
