#include "GmdBuilder.h"

namespace {

struct Node {
    std::vector<std::pair<char16_t, uint32_t>> relations;
    bool bFinal = false;
    uint32_t nList = 0;
};

class Out {
public:
    std::vector<uint8_t> bytes;
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v) {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    uint32_t Pos() const { return static_cast<uint32_t>(bytes.size()); }
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

std::vector<uint8_t> BuildGmd(const TestGmd& spec, TestGmdLayout* pLayout) {
    std::vector<Node> nodes(gmd::kRootCount);
    std::vector<std::vector<TestOccurrence>> lists;
    for (const auto& [form, occurrences] : spec.forms) {
        Node& end = nodes[Insert(nodes, form)];
        if (!end.bFinal) {
            end.bFinal = true;
            end.nList = static_cast<uint32_t>(lists.size());
            lists.emplace_back();
        }
        auto& list = lists[end.nList];
        list.insert(list.end(), occurrences.begin(), occurrences.end());
    }

    TestGmdLayout layout;
    Out out;
    out.U8(spec.nVersion);
    out.U32(spec.nDate);
    out.U8(spec.nFileType);
    out.U8(spec.nDictType);
    out.U8(spec.nIndexArea);
    for (const auto& [name, side] : spec.morph) {
        out.U8(static_cast<uint8_t>(name.size()));
        for (char16_t c : name)
            out.U16(c);
        out.U8(side);
    }
    out.U8(0);
    out.U16(static_cast<uint16_t>(spec.name.size()));
    for (char16_t c : spec.name)
        out.U16(c);
    layout.nCountsPos = out.Pos();
    out.U32(static_cast<uint32_t>(spec.articles.size()));
    out.U32(static_cast<uint32_t>(spec.nWordCount));

    auto& b = layout.blocks;
    b[0] = out.Pos() + static_cast<uint32_t>(gmd::kPositionsAndKeySize);
    b[1] = b[0] + static_cast<uint32_t>(gmd::kArticleRecordSize * spec.articles.size());
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
        out.U32(pos);
    layout.nKeyPos = out.Pos();
    for (uint16_t k : spec.key)
        out.U16(k);

    for (gmd::ArticleRecord record : spec.articles) {
        if (record.nGroupCaption >= 0) {
            record.nGroupCaption = static_cast<int32_t>(b[0] + 24 * record.nGroupCaption);
        }
        std::array<uint8_t, 24> bytes{};
        record.Encode(bytes.data());
        out.bytes.insert(out.bytes.end(), bytes.begin(), bytes.end());
    }
    uint32_t p = b[2], q = b[3];
    for (const Node& node : nodes) {
        if (node.bFinal) {
            out.U32(gmd::kFinalFlag | q);
            q += 4 + 14 * static_cast<uint32_t>(lists[node.nList].size());
        } else if (!node.relations.empty()) {
            out.U32(p);
            p += 4 + 5 * static_cast<uint32_t>(node.relations.size());
        } else {
            out.U32(0);
        }
    }
    for (const Node& node : nodes) {
        if (node.bFinal || node.relations.empty()) continue;
        out.U32(static_cast<uint32_t>(node.relations.size()));
        for (const auto& [symb, target] : node.relations) {
            std::array<uint8_t, 5> rel{};
            gmd::PutRelation(rel.data(), symb, target);
            out.bytes.insert(out.bytes.end(), rel.begin(), rel.end());
        }
    }
    for (const auto& list : lists) {
        out.U32(static_cast<uint32_t>(list.size()));
        for (const TestOccurrence& occ : list) {
            gmd::OccurrenceRecord record{occ.nWordNum, occ.nPosition, occ.nSpan,
                                         b[0] + 24 * occ.nArticle, occ.nFlags};
            std::array<uint8_t, 14> bytes{};
            record.Encode(bytes.data());
            out.bytes.insert(out.bytes.end(), bytes.begin(), bytes.end());
        }
    }
    for (size_t i = 0; i < spec.text.size(); ++i) {
        out.U16(gmd::ScrambleSymb(spec.text[i], i, spec.key));
    }
    layout.nNodeCount = static_cast<uint32_t>(nodes.size());
    if (pLayout) *pLayout = layout;
    return out.bytes;
}
