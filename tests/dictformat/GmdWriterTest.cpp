// The byte layout of the writer, checked against files composed by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace {

// A hand-made index: nodes with given relations or lists.
class CFakeIndex : public CCompiledIndex {
public:
    struct Node {
        std::u16string symbols;
        std::vector<uint32_t> targets;
        int nList = -1;  // final when >= 0
    };
    std::vector<gmd::ArticleRecord> articles;
    std::vector<Node> nodes;
    std::vector<std::vector<gmd::OccurrenceRecord>> lists;
    uint32_t nFakeNodeCount = 0;  // reported instead of nodes.size() when set

    uint32_t GetArticleRecordCount() const override {
        return static_cast<uint32_t>(articles.size());
    }
    gmd::ArticleRecord GetArticleRecord(uint32_t i) const override { return articles[i]; }
    uint32_t GetNodeCount() const override {
        return nFakeNodeCount ? nFakeNodeCount : static_cast<uint32_t>(nodes.size());
    }
    bool IsNodeFinal(uint32_t n) const override { return n < nodes.size() && nodes[n].nList >= 0; }
    uint32_t GetNodeListIndex(uint32_t n) const override {
        return static_cast<uint32_t>(nodes[n].nList);
    }
    uint32_t GetNodeRelationCount(uint32_t n) const override {
        return n < nodes.size() ? static_cast<uint32_t>(nodes[n].symbols.size()) : 0;
    }
    IndexRelation GetNodeRelation(uint32_t n, uint32_t i) const override {
        return {nodes[n].targets[i], nodes[n].symbols[i]};
    }
    uint32_t GetListCount() const override { return static_cast<uint32_t>(lists.size()); }
    uint32_t GetListSize(uint32_t k) const override {
        return static_cast<uint32_t>(lists[k].size());
    }
    // Each list in two pieces where it can, to exercise the joining.
    bool StreamLists(const ListSink& sink) const override {
        for (uint32_t k = 0; k < lists.size(); ++k) {
            std::vector<uint8_t> b(lists[k].size() * gmd::kOccurrenceSize);
            for (size_t i = 0; i < lists[k].size(); ++i)
                lists[k][i].Encode(b.data() + i * gmd::kOccurrenceSize);
            const size_t nHalf = lists[k].size() / 2 * gmd::kOccurrenceSize;
            if (nHalf > 0 && !sink(k, std::span<const uint8_t>(b).first(nHalf))) return false;
            if (!sink(k, std::span<const uint8_t>(b).subspan(nHalf))) return false;
        }
        return true;
    }
};

const std::array<uint16_t, 4> kKey{1, 2, 0x100, 0x8000};

GmdTextReader TextOf(std::u16string text) {
    auto pos = std::make_shared<size_t>(0);
    return [text, pos](std::span<char16_t> out) {
        size_t n = std::min(out.size(), text.size() - *pos);
        std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(*pos), n, out.begin());
        *pos += n;
        return n;
    };
}

class GmdWriterTest : public ::testing::Test {
protected:
    bool WriteFile(const GmdHeader& header, const CCompiledIndex& index, std::u16string text,
                   const GmdWriteControl& control = {}) {
        if (!m_out.Create(m_dir.Path() / "d.gmd")) return false;
        CGmdWriter writer(m_out, control);
        m_bOk = writer.Write(header, 0x01020304, kKey, index, TextOf(std::move(text)), 0);
        m_strError = writer.GetError();
        m_bAborted = writer.WasAborted();
        m_blocks = writer.GetBlockPos();
        return m_bOk && m_out.Commit();
    }
    std::vector<uint8_t> Written() { return ReadBytes(m_dir.Path() / "d.gmd"); }

    CTempDir m_dir;
    CGmdOutputFile m_out;
    bool m_bOk = false;
    bool m_bAborted = false;
    std::u16string m_strError;
    std::array<uint64_t, gmd::kBlockCount> m_blocks{};
};

}  // namespace

TEST_F(GmdWriterTest, WholeFileByteForByte) {
    GmdHeader header;
    header.nFileType = 2;
    header.nDictType = 1;
    header.nIndexArea = 3;
    header.morph = {{u"English", 3}, {u"Russian", 1}};
    header.strName = u"Tst";
    header.nArticleCount = 2;
    header.nWordCount = 6;

    CFakeIndex index;
    index.articles = {{0, 3, 8, 12, -1, 0x410042}, {14, -1, -1, 20, 0, 0}};
    index.nodes = {{u"A", {1}}, {u"+B", {2, 3}}, {u"", {}, 0}, {u"", {}, 1}};
    index.lists = {{{0, 0, 2, 0, 0x0E}, {5, 14, 2, 1, 0x05}}, {{1, 8, 1, 0, 0x0F}}};
    ASSERT_TRUE(WriteFile(header, index, u"ab\u0416"))
        << std::string(m_strError.begin(), m_strError.end());

    // version, date, header (3 + 2 descriptors + end + name) and counts: B0 = 5 + 44 + 8 + 28.
    const uint32_t b0 = 85, b1 = b0 + 48, b2 = b1 + 16, b3 = b2 + 9 + 14, b4 = b3 + 32 + 18;
    Bytes e;
    e.u8(2).u32(0x01020304);
    e.u8(2).u8(1).u8(3);
    e.u8(7).units(u"English").u8(3).u8(7).units(u"Russian").u8(1).u8(0);
    e.u16(3).units(u"Tst");
    e.u32(2).u32(6);
    e.u32(b0).u32(b1).u32(b2).u32(b3).u32(b4);
    e.u16(1).u16(2).u16(0x100).u16(0x8000);
    ASSERT_EQ(e.v.size(), b0);
    e.u32(0).u32(3).u32(8).u32(12).u32(0xFFFFFFFF).u32(0x410042);
    e.u32(14).u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(20).u32(b0).u32(0);
    e.u32(b2).u32(b2 + 9).u32(0x80000000 | b3).u32(0x80000000 | (b3 + 32));
    e.u32(1).u16('A').u16(1).u8(0);
    e.u32(2).u16('+').u16(2).u8(0).u16('B').u16(3).u8(0);
    e.u32(2);
    e.u32(0).u32(0).u8(2).u32(b0).u8(0x0E);
    e.u32(5).u32(14).u8(2).u32(b0 + 24).u8(0x05);
    e.u32(1);
    e.u32(1).u32(8).u8(1).u32(b0).u8(0x0F);
    ASSERT_EQ(e.v.size(), b4);
    e.u16('a' ^ 1).u16('b' ^ 2).u16(0x416 ^ 0x100);

    EXPECT_EQ(Written(), e.v);
    EXPECT_EQ(m_blocks[gmd::BLOCK_TEXT], b4);
}

TEST_F(GmdWriterTest, EmptyDictionaryHasOnlyRootsAndText) {
    GmdHeader header;
    CFakeIndex index;
    index.nodes.resize(gmd::kRootCount);
    ASSERT_TRUE(WriteFile(header, index, u"$NAME:\r\n"));
    const std::vector<uint8_t> file = Written();
    // No descriptors: the terminating 0 sits right after the index area, then u16 0 for the name.
    EXPECT_EQ(file[5], 1);
    EXPECT_EQ(file[8], 0);
    EXPECT_EQ(file[9], 0);
    EXPECT_EQ(file[10], 0);
    const uint64_t b0 = 5 + 6 + 8 + 28;
    EXPECT_EQ(m_blocks[gmd::BLOCK_ARTICLES], b0);
    EXPECT_EQ(m_blocks[gmd::BLOCK_NODES], b0);
    EXPECT_EQ(m_blocks[gmd::BLOCK_RELATIONS], b0 + 262140);
    EXPECT_EQ(m_blocks[gmd::BLOCK_OCCURRENCES], b0 + 262140);
    EXPECT_EQ(m_blocks[gmd::BLOCK_TEXT], b0 + 262140);
    EXPECT_EQ(file.size(), b0 + 262140 + 2 * 8);
    for (uint64_t i = b0; i < b0 + 262140; ++i)
        ASSERT_EQ(file[i], 0) << i;
}

TEST_F(GmdWriterTest, ScrambledTextComesBackWithTheKey) {
    std::u16string text;
    for (char16_t c = 1; c < 2000; c += 7)
        text += c;
    CFakeIndex index;
    ASSERT_TRUE(WriteFile(GmdHeader{}, index, text));
    const std::vector<uint8_t> file = Written();
    const uint64_t b4 = m_blocks[gmd::BLOCK_TEXT];
    ASSERT_EQ(file.size(), b4 + 2 * text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t stored = gmd::GetU16(file.data() + b4 + 2 * i);
        EXPECT_NE(stored, text[i]);
        EXPECT_EQ(gmd::ScrambleSymb(stored, i, kKey), text[i]);
    }
}

TEST_F(GmdWriterTest, HeaderCodecRefusesWhatCannotBeStored) {
    std::vector<uint8_t> bytes;
    GmdHeader header;
    header.morph = {{u"", 3}};
    EXPECT_FALSE(CGmdWriter::EncodeHeader(header, bytes));  // would end the list early
    header.morph = {{std::u16string(256, u'a'), 3}};
    EXPECT_FALSE(CGmdWriter::EncodeHeader(header, bytes));
    header.morph = {{std::u16string(255, u'a'), 2}};
    ASSERT_TRUE(CGmdWriter::EncodeHeader(header, bytes));
    EXPECT_EQ(bytes.size(), CGmdWriter::HeaderSize(header));
    EXPECT_EQ(bytes[3], 255);
    EXPECT_EQ(bytes[3 + 1 + 510], 2);
}

TEST_F(GmdWriterTest, RefusesAFileOfTwoGigabytesBeforeWritingIt) {
    CFakeIndex index;
    GmdHeader header;
    ASSERT_TRUE(m_out.Create(m_dir.Path() / "d.gmd"));
    CGmdWriter writer(m_out, {});
    // The text alone would take the file past 2^31 - 1 bytes.
    EXPECT_FALSE(writer.Write(header, 0, kKey, index, TextOf(u"x"), uint64_t{1} << 30));
    EXPECT_EQ(writer.GetError(), kFileTooLargeText);
    EXPECT_LT(m_out.GetCalculatedSize(), 100u);

    index.nFakeNodeCount = gmd::kMaxNodeCount + 1;
    ASSERT_TRUE(m_out.Create(m_dir.Path() / "d.gmd"));
    CGmdWriter writer2(m_out, {});
    EXPECT_FALSE(writer2.Write(header, 0, kKey, index, TextOf(u"x"), 1));
    EXPECT_EQ(writer2.GetError(), kFileTooLargeText);
}

TEST_F(GmdWriterTest, RefusesInconsistentIndexData) {
    CFakeIndex index;
    index.articles = {{0, -1, -1, 1, 5, 0}};  // a caption index beyond the records
    EXPECT_FALSE(WriteFile(GmdHeader{}, index, u"a"));
    EXPECT_EQ(m_strError, kBadIndexText);

    CFakeIndex index2;
    index2.nodes = {{u"A", {7}}};  // a target beyond the nodes
    EXPECT_FALSE(WriteFile(GmdHeader{}, index2, u"a"));
    EXPECT_EQ(m_strError, kBadIndexText);

    std::array<uint16_t, 4> zeroKey{1, 0, 1, 1};
    ASSERT_TRUE(m_out.Create(m_dir.Path() / "d.gmd"));
    CGmdWriter writer(m_out, {});
    EXPECT_FALSE(writer.Write(GmdHeader{}, 0, zeroKey, CFakeIndex{}, TextOf(u"a"), 0));
}

TEST_F(GmdWriterTest, AbortStopsWithoutAnErrorText) {
    CFakeIndex index;
    index.nodes.resize(5000);
    GmdWriteControl control;
    int nCalls = 0;
    control.isAborted = [&] { return ++nCalls > 2; };
    EXPECT_FALSE(WriteFile(GmdHeader{}, index, u"abc", control));
    EXPECT_TRUE(m_bAborted);
    EXPECT_TRUE(m_strError.empty());
}

TEST_F(GmdWriterTest, SizeCheckNoticesAFileThatGrewBehindTheWriter) {
    CFakeIndex index;
    index.articles = {{0, -1, -1, 1, -1, 0}};
    GmdWriteControl control;
    bool bDone = false;
    control.progress = [&](uint64_t, uint64_t) {
        if (bDone) return;
        bDone = true;
        // More than the writer puts down before its next check.
        std::ofstream(m_out.GetWritePath(), std::ios::binary | std::ios::app)
            << std::string(500, 'x');
    };
    EXPECT_FALSE(WriteFile(GmdHeader{}, index, u"a", control));
    EXPECT_EQ(m_strError, kSizeMismatchText);
}

TEST_F(GmdWriterTest, ProgressRunsUpToTheTotal) {
    CFakeIndex index;
    index.nodes.resize(gmd::kRootCount);
    GmdWriteControl control;
    uint64_t nLast = 0, nTotal = 0;
    control.progress = [&](uint64_t nDone, uint64_t nAll) {
        EXPECT_GE(nDone, nLast);
        nLast = nDone;
        nTotal = nAll;
    };
    ASSERT_TRUE(m_out.Create(m_dir.Path() / "d.gmd"));
    CGmdWriter writer(m_out, control);
    ASSERT_TRUE(writer.Write(GmdHeader{}, 0, kKey, index, TextOf(u"abcd"), 4));
    EXPECT_EQ(nTotal, m_out.GetCalculatedSize());
    EXPECT_EQ(nLast, nTotal);
}
