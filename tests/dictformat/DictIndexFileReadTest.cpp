#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>

#include "GmdTestFiles.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/MappedPages.h"
#include "dictformat/ReadOnlyMapping.h"

namespace {

struct DictIndexFileRead : ::testing::Test {
    CTempDir dir;
    TestGmd gmd = SampleGmd();
    TestGmdLayout layout;
    std::vector<uint8_t> bytes = BuildGmd(gmd, &layout);

    std::unique_ptr<CDictIndexFile> Open(bool& bRead) { return OpenGmd(dir, bytes, bRead); }
    // The error text of ReadDictionary on the current bytes ("" on success).
    std::u16string OpenError() {
        bool bRead = false;
        auto dict = Open(bRead);
        return bRead ? u"" : dict->GetError();
    }
};

TEST_F(DictIndexFileRead, ReadsTheHeaderCountsPositionsAndKey) {
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead) << ToUtf8(dict->GetError());
    EXPECT_EQ(dict->GetFormatVersion(), 2);
    EXPECT_EQ(dict->GetCompileDate(), gmd.nDate);
    EXPECT_EQ(dict->GetFileType(), FILE_TYPE_DICT);
    EXPECT_EQ(dict->GetDictType(), DICT_TYPE_MAIN);
    EXPECT_EQ(dict->GetIndexArea(), INDEX_AREA_BOTH);
    EXPECT_EQ(dict->GetName(), u"Sample");
    EXPECT_EQ(dict->GetArticleCount(), 2);
    EXPECT_EQ(dict->GetWordCount(), 5);
    ASSERT_EQ(dict->GetMorphDescrCount(), 2);
    // Language ids come from the names, without regard to case; an unknown
    // language stays listed with id 0.
    EXPECT_EQ(dict->GetMorphDescr(0), (MorphDescr{u"english", 2, 1}));
    EXPECT_EQ(dict->GetMorphDescr(1), (MorphDescr{u"Klingon", 0, 3}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dict->GetBlockPos(i), static_cast<int32_t>(layout.blocks[i]));
    EXPECT_EQ(dict->GetBlockPos(gmd::BLOCK_NODES), static_cast<int32_t>(layout.blocks[1]));
    EXPECT_EQ(dict->GetTextKeys(), gmd.key);
    EXPECT_TRUE(dict->IsValid());
    EXPECT_EQ(dict->GetFileName(), u"sample.gmd");
}

TEST_F(DictIndexFileRead, ReadsRecordsTextAndTheAutomaton) {
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead);
    const CFormLookup found = dict->LookupForm(u"KATZE");
    ASSERT_EQ(found.status, CFormLookup::FOUND);
    ASSERT_EQ(found.occurrences.size(), 2u);
    const gmd::OccurrenceRecord occ = found.occurrences[1];
    EXPECT_EQ(occ.dwWordNum, 4u);
    CArticleRead article;
    ASSERT_TRUE(dict->ReadArticle(occ.dwArticlePos, article));
    EXPECT_EQ(article.record.nRightEnd, 43);
    EXPECT_TRUE(article.bHasCaption);
    EXPECT_EQ(article.nCaptionRightBeg, 6);
    std::u16string text;
    ASSERT_TRUE(dict->GetText(article.record.nLeftBeg, article.record.nLeftEnd, text));
    EXPECT_EQ(text, u"cats");
    EXPECT_EQ(dict->LookupForm(u"HUND").status, CFormLookup::ABSENT);
    EXPECT_FALSE(dict->ReadArticle(static_cast<uint32_t>(bytes.size()), article));
    EXPECT_FALSE(dict->GetText(40, 100, text));
    EXPECT_EQ(dict->GetError(), u"GetText error");
}

TEST_F(DictIndexFileRead, TextEqualityIgnoresMarkupReferencesAndCase) {
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead);
    struct Row {
        int32_t nStart, nEnd;
        std::u16string_view query;
        bool bEqual;
    };
    const Row rows[] = {
        {20, 33, u"katzen", true},  // "<b>Katzen</b>"
        {34, 43, u"KATZE", true},   // "&#75;atze"
        {34, 43, u"&#75;atze", false}, {0, 3, u"CAT", true}, {0, 3, u"CATS", false},
    };
    for (const Row& row : rows) {
        bool bEqual = !row.bEqual;
        ASSERT_TRUE(dict->IsTextEqual(row.query, row.nStart, row.nEnd, bEqual));
        EXPECT_EQ(bEqual, row.bEqual) << ToUtf8(row.query);
    }
    bool bEqual = true;
    EXPECT_FALSE(dict->IsTextEqual(u"X", 0, 1000, bEqual));
    EXPECT_FALSE(bEqual);
}

TEST_F(DictIndexFileRead, NotFinalEndNodeNamesTheFile) {
    // The end node of "A" is the only node below root 'A': clear its flag.
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead);
    uint32_t node = 'A';
    ASSERT_EQ(dict->GetIndexView().FindChild(node, u'+', node), GmdStep::FOUND);
    const size_t entry = layout.blocks[1] + 4ull * node;
    bytes[entry + 3] &= 0x7F;
    dict = Open(bRead);
    ASSERT_TRUE(bRead);
    EXPECT_EQ(dict->LookupForm(u"A").status, CFormLookup::NOT_FINAL);
    EXPECT_EQ(dict->GetError(),
              FormatTextId(41327, {u"sample.gmd"}) + u"\r\n" + FormatTextId(41328));
}

// One damaged field per row and the message ReadDictionary gives for it.
TEST_F(DictIndexFileRead, EachStepRefusesItsDamageWithItsMessage) {
    struct Row {
        const char* what;
        void (*damage)(std::vector<uint8_t>&, const TestGmdLayout&);
        std::u16string_view message;
    };
    constexpr std::u16string_view kVersion = u"Format version of this dictionary is not supported";
    const Row rows[] = {
        {"empty file", [](auto& b, auto&) { b.clear(); }, u"ReadDictFormatVersion error"},
        {"version 0", [](auto& b, auto&) { b[0] = 0; }, u"ReadDictFormatVersion error"},
        {"version 1", [](auto& b, auto&) { b[0] = 1; }, kVersion},
        {"a source text", [](auto& b, auto&) { b[0] = '$'; }, kVersion},
        {"cut in the date", [](auto& b, auto&) { b.resize(3); }, u"ReadCompileDate error"},
        {"file type 3", [](auto& b, auto& l) { b[l.nHeaderPos] = 3; }, u"ReadHeader error"},
        {"dictionary type 0", [](auto& b, auto& l) { b[l.nHeaderPos + 1] = 0; },
         u"ReadHeader error"},
        {"index area 4", [](auto& b, auto& l) { b[l.nHeaderPos + 2] = 4; }, u"ReadHeader error"},
        {"morphology side 0",
         [](auto& b, auto& l) { b[l.nHeaderPos + 3 + 1 + 14] = 0; },  // after "english"
         u"ReadHeader error"},
        {"cut in the name", [](auto& b, auto& l) { b.resize(l.nCountsPos - 1); },
         u"ReadHeader error"},
        {"negative article count", [](auto& b, auto& l) { gmd::PutI32(&b[l.nCountsPos], -1); },
         u"ReadArticleAndWordCount error"},
        {"negative word count", [](auto& b, auto& l) { gmd::PutI32(&b[l.nCountsPos + 4], -5); },
         u"ReadArticleAndWordCount error"},
        {"negative block position",
         [](auto& b, auto& l) { gmd::PutI32(&b[l.nBlockPosPos + 8], -1); }, u"ReadBlocksPos error"},
        {"block beyond the file",
         [](auto& b, auto& l) { gmd::PutI32(&b[l.nBlockPosPos + 16], 0x7FFFFFF0); },
         u"ReadBlocksPos error"},
        {"blocks out of order",
         [](auto& b, auto& l) { gmd::PutI32(&b[l.nBlockPosPos + 4], l.blocks[3] + 1); },
         u"ReadBlocksPos error"},
        {"a zero key unit", [](auto& b, auto& l) { gmd::PutU16(&b[l.nKeyPos + 4], 0); },
         u"ReadKey error"},
    };
    const std::vector<uint8_t> original = bytes;
    for (const Row& row : rows) {
        bytes = original;
        row.damage(bytes, layout);
        EXPECT_EQ(OpenError(), row.message) << row.what;
    }
}

TEST_F(DictIndexFileRead, HigherVersionsAndAnEmptyNameAreRead) {
    for (uint8_t version : {uint8_t{2}, uint8_t{3}, uint8_t{0x23}, uint8_t{0x25}, uint8_t{0xFF}}) {
        gmd.nVersion = version;
        bytes = BuildGmd(gmd, &layout);
        EXPECT_EQ(OpenError(), u"") << int{version};
    }
    gmd.nVersion = 2;
    gmd.name.clear();
    gmd.morph.clear();
    bytes = BuildGmd(gmd, &layout);
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead);
    EXPECT_EQ(dict->GetName(), u"");
    EXPECT_EQ(dict->GetMorphDescrCount(), 0);
}

// Looks up every form and reads what they point at; the file may be
// anything, the reads must stay inside it.
void ExerciseReads(CDictIndexFile& dict) {
    for (std::u16string_view form : {u"CAT", u"CATS", u"KATZE", u"KATZEN", u"A", u"Z"}) {
        const CFormLookup found = dict.LookupForm(form);
        if (found.status != CFormLookup::FOUND) continue;
        for (uint32_t i = 0; i < found.occurrences.size() && i < 100; ++i) {
            const gmd::OccurrenceRecord occ = found.occurrences[i];
            CArticleRead article;
            std::u16string text;
            bool bEqual = false;
            if (dict.ReadArticle(occ.dwArticlePos, article)) {
                static_cast<void>(
                    dict.GetText(article.record.nLeftBeg, article.record.nRightEnd, text));
            }
            static_cast<void>(dict.IsTextEqual(form, static_cast<int32_t>(occ.dwPosition),
                                               static_cast<int32_t>(occ.dwPosition + occ.bySpan),
                                               bEqual));
        }
    }
}

TEST_F(DictIndexFileRead, AFileCutAtAnyLengthFailsOrReadsSafely) {
    const std::vector<uint8_t> original = bytes;
    for (size_t n = 0; n < original.size(); ++n) {
        // Inside the node table only the ends of the cut matter.
        if (n > layout.blocks[1] + 8 && n + 8 < layout.blocks[2]) continue;
        bytes.assign(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(n));
        bool bRead = false;
        auto dict = Open(bRead);
        // Every block position must lie inside the file.
        EXPECT_EQ(bRead, n >= layout.blocks[4]) << n;
        if (!bRead) {
            EXPECT_FALSE(dict->GetError().empty()) << n;
        }
        ExerciseReads(*dict);
    }
}

TEST_F(DictIndexFileRead, AFlippedByteAnywhereFailsOrReadsSafely) {
    const auto path = dir.Path() / "sample.gmd";
    WriteBytes(path, bytes);
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    for (size_t i = 0; i < bytes.size(); ++i) {
        // The zero entries of unused roots are never read.
        if (i >= layout.blocks[1] && i < layout.blocks[2] && bytes[i] == 0) continue;
        for (uint8_t delta : {uint8_t{0xFF}, uint8_t{0x80}, uint8_t{0x01}}) {
            file.seekp(static_cast<std::streamoff>(i));
            file.put(static_cast<char>(bytes[i] ^ delta));
            file.flush();
            CDictIndexFile dict;
            ASSERT_TRUE(dict.Open(FromUtf8(path.string()), CMyFile::MODE_READ));
            if (!dict.ReadDictionary(2)) {
                EXPECT_FALSE(dict.GetError().empty());
            }
            ExerciseReads(dict);
        }
        file.seekp(static_cast<std::streamoff>(i));
        file.put(static_cast<char>(bytes[i]));
        file.flush();
    }
}

TEST_F(DictIndexFileRead, AClosedFileReadsNothing) {
    bool bRead = false;
    auto dict = Open(bRead);
    ASSERT_TRUE(bRead);
    dict->Close();
    EXPECT_EQ(dict->LookupForm(u"CAT").status, CFormLookup::CORRUPT);
    std::u16string text;
    EXPECT_FALSE(dict->GetText(0, 3, text));
    EXPECT_EQ(dict->GetFileName(), u"sample.gmd");
}

}  // namespace

// A file cut short by another program while it is mapped: the lost pages
// read as zeros and the mapping says so, instead of a SIGBUS.
class ReadOnlyMapping : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(m_path, std::vector<uint8_t>(3 << 16, 0xAB));
        m_fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(m_fd, 0);
        ASSERT_EQ(m_mapping.Map(m_fd), 0);
    }
    void TearDown() override {
        m_mapping.Release();
        if (m_fd >= 0) ::close(m_fd);
    }
    void CutShort() { std::filesystem::resize_file(m_path, 10); }

    CTempDir m_dir;
    std::filesystem::path m_path = m_dir.Path() / "cut.gmd";
    int m_fd = -1;
    CReadOnlyMapping m_mapping;
};

TEST_F(ReadOnlyMapping, AFileCutShortUnderTheMappingReadsZerosAndSaysSo) {
    const volatile uint8_t* p = m_mapping.Bytes().data();
    EXPECT_EQ(p[100000], 0xAB);
    CutShort();
    EXPECT_FALSE(m_mapping.HasFaulted());
    EXPECT_EQ(p[100000], 0);
    EXPECT_EQ(p[5], 0xAB);
    EXPECT_TRUE(m_mapping.HasFaulted());
}

// The read-ahead thread meets the cut too: it ends, the process lives, and
// the mapping says so.
TEST_F(ReadOnlyMapping, AReadAheadOverAFileCutShortEndsSafely) {
    CutShort();
    CPagePrefetcher prefetcher;
    prefetcher.Start(m_mapping.Bytes(), {{0, m_mapping.Bytes().size()}});
    prefetcher.Wait();
    EXPECT_TRUE(m_mapping.HasFaulted());
    EXPECT_EQ(m_mapping.Bytes()[5], 0xAB);
}
