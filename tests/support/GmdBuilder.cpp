#include "support/GmdBuilder.h"

#include "core/CharTables.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace {

struct Node {
    std::vector<std::pair<char16_t, uint32_t>> relations;
    bool bFinal = false;
    uint32_t nList = 0;
};

uint32_t Insert(std::vector<Node>& nodes, const std::u16string& form) {
    uint32_t nNode = form[0];
    std::u16string rest = form.substr(1) + gmd::kEndSymbol;
    for (char16_t symb : rest) {
        uint32_t nNext = 0;
        bool bFound = false;
        for (auto& [s, t] : nodes[nNode].relations) {
            if (s == symb) {
                nNext = t;
                bFound = true;
                break;
            }
        }
        if (!bFound) {
            nNext = static_cast<uint32_t>(nodes.size());
            nodes[nNode].relations.emplace_back(symb, nNext);
            nodes.emplace_back();
        }
        nNode = nNext;
    }
    return nNode;
}

}  // namespace

std::vector<uint8_t> BuildGmd(const TestGmd& gmd, TestGmdLayout* pLayout) {
    std::vector<Node> nodes(gmd::kRootCount);
    std::vector<std::vector<TestOccurrence>> lists;
    TestGmdLayout layout;
    for (const auto& [form, occurrences] : gmd.forms) {
        const uint32_t nEnd = Insert(nodes, form);
        layout.finalNodes[form] = nEnd;
        Node& end = nodes[nEnd];
        if (!end.bFinal) {
            end.bFinal = true;
            end.nList = static_cast<uint32_t>(lists.size());
            lists.emplace_back();
        }
        auto& list = lists[end.nList];
        list.insert(list.end(), occurrences.begin(), occurrences.end());
    }

    Bytes out;
    out.u8(gmd.nVersion);
    out.u32(gmd.nDate);
    out.u8(gmd.nFileType);
    out.u8(gmd.nDictType);
    out.u8(gmd.nIndexArea);
    for (const auto& [name, side] : gmd.morph) {
        out.u8(static_cast<uint8_t>(name.size())).units(name).u8(side);
    }
    out.u8(0);
    out.u16(static_cast<uint16_t>(gmd.name.size())).units(gmd.name);
    layout.nCountsPos = out.Pos();
    out.u32(static_cast<uint32_t>(gmd.articles.size()));
    out.u32(static_cast<uint32_t>(gmd.nWordCount));

    auto& b = layout.blocks;
    b[0] = out.Pos() + static_cast<uint32_t>(gmd::kPositionsAndKeySize);
    b[1] = b[0] + static_cast<uint32_t>(gmd::kArticleRecordSize * gmd.articles.size());
    b[2] = b[1] + static_cast<uint32_t>(gmd::kNodeEntrySize * nodes.size());
    uint32_t nRel = 0, nOcc = 0;
    for (const Node& node : nodes) {
        if (!node.bFinal && !node.relations.empty()) nRel += 4 + 5 * node.relations.size();
    }
    for (const auto& list : lists)
        nOcc += 4 + 14 * list.size();
    b[3] = b[2] + nRel;
    b[4] = b[3] + nOcc;
    layout.nBlockPosPos = out.Pos();
    for (uint32_t pos : b)
        out.u32(pos);
    layout.nKeyPos = out.Pos();
    for (uint16_t k : gmd.key)
        out.u16(k);

    for (gmd::ArticleRecord record : gmd.articles) {
        if (record.nGroupCaption >= 0) {
            record.nGroupCaption = static_cast<int32_t>(b[0] + 24 * record.nGroupCaption);
        }
        std::array<uint8_t, 24> bytes{};
        record.Encode(bytes.data());
        out.raw(bytes);
    }
    uint32_t p = b[2], q = b[3];
    for (const Node& node : nodes) {
        if (node.bFinal) {
            out.u32(gmd::kFinalFlag | q);
            q += 4 + 14 * static_cast<uint32_t>(lists[node.nList].size());
        } else if (!node.relations.empty()) {
            out.u32(p);
            p += 4 + 5 * static_cast<uint32_t>(node.relations.size());
        } else {
            out.u32(0);
        }
    }
    for (const Node& node : nodes) {
        if (node.bFinal || node.relations.empty()) continue;
        out.u32(static_cast<uint32_t>(node.relations.size()));
        for (const auto& [symb, target] : node.relations) {
            std::array<uint8_t, 5> rel{};
            gmd::PutRelation(rel.data(), symb, target);
            out.raw(rel);
        }
    }
    for (const auto& list : lists) {
        out.u32(static_cast<uint32_t>(list.size()));
        for (const TestOccurrence& occ : list) {
            gmd::OccurrenceRecord record{occ.nWordNum, occ.nPosition, occ.nSpan,
                                         b[0] + 24 * occ.nArticle, occ.nFlags};
            std::array<uint8_t, 14> bytes{};
            record.Encode(bytes.data());
            out.raw(bytes);
        }
    }
    for (size_t i = 0; i < gmd.text.size(); ++i) {
        out.u16(gmd::ScrambleSymb(gmd.text[i], i, gmd.key));
    }
    layout.nNodeCount = static_cast<uint32_t>(nodes.size());
    if (pLayout) *pLayout = layout;
    return out.v;
}

namespace {

struct CWord {
    uint32_t nPos;
    uint8_t nSpan;
    uint32_t nArticle;
    uint8_t nFlags;
    std::u16string strUpper;
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
        aWords.push_back({static_cast<uint32_t>(nStart), static_cast<uint8_t>(i - nStart), nArticle,
                          static_cast<uint8_t>(bRight ? gmd::WORD_RIGHT_PART : 0), upper});
    }
    if (aWords.size() > nFirst) {
        aWords[nFirst].nFlags |= gmd::WORD_FIRST_IN_PART;
        aWords.back().nFlags |= gmd::WORD_END_OF_PART;
    }
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

    TestGmd gmd;
    gmd.nDate = 1700000000;
    gmd.nFileType = static_cast<uint8_t>(dict.nFileType);
    for (const CTestMorph& m : dict.aMorph)
        gmd.morph.emplace_back(m.strName, static_cast<uint8_t>(m.nSide));
    gmd.name = dict.strName;
    gmd.nWordCount = static_cast<int32_t>(aWords.size());
    gmd.key = {0x1234, 0x0101, 0xBEEF, 0x7777};
    gmd.text = text;
    for (size_t a = 0; a < dict.aArticles.size(); ++a) {
        const CTestLayout::Article& pos = layout.aArticles[a];
        gmd::ArticleRecord record{pos.nLeftStart,
                                  pos.nLeftEnd,
                                  pos.nRightStart,
                                  pos.nRightEnd,
                                  dict.aArticles[a].nCaption,
                                  0};
        // The sort key: the first two units of the article's first word.
        for (const CWord& word : aWords) {
            if (word.nArticle != a) continue;
            const uint32_t nHigh = word.strUpper[0];
            const uint32_t nLow = word.strUpper.size() > 1 ? word.strUpper[1] : 0;
            record.nSortKey = static_cast<int32_t>((nHigh << 16) | nLow);
            break;
        }
        gmd.articles.push_back(record);
    }
    for (size_t w = 0; w < aWords.size(); ++w) {
        const CWord& word = aWords[w];
        const TestOccurrence occ{static_cast<uint32_t>(w), word.nPos, word.nSpan, word.nArticle,
                                 word.nFlags};
        gmd.forms.push_back({word.strUpper, {occ}});
        if (!dict.lemmas) continue;
        for (const auto& [lemma, nSide] : dict.lemmas(word.strUpper)) {
            const bool bRight = word.nFlags & gmd::WORD_RIGHT_PART;
            if (lemma != word.strUpper && (nSide == 3 || (nSide == 2) == bRight))
                gmd.forms.push_back({lemma, {occ}});
        }
    }

    TestGmdLayout bytesLayout;
    const std::vector<uint8_t> bytes = BuildGmd(gmd, &bytesLayout);
    for (const auto& [form, nNode] : bytesLayout.finalNodes) {
        const uint64_t nEntry = bytesLayout.blocks[1] + 4ull * nNode;
        layout.finalEntry[form] = nEntry;
        layout.listCount[form] = gmd::GetU32(bytes.data() + nEntry) & gmd::kPosMask;
    }
    WriteBytes(path, bytes);
    return layout;
}
