#include "dictformat/GmdIndexView.h"

#include <gtest/gtest.h>

#include "support/GmdBuilder.h"

namespace {

// Two articles: "cat - Katze" and "cats - Katzen"; index forms CAT, CATS, KATZE,
// KATZEN and A (a one-unit form).
TestGmd Sample() {
    TestGmd gmd;
    gmd.text = u"cat - Katze\r\ncats - Katzen\r\n";
    gmd.articles = {{0, 4, 6, 11, -1, 0x00430041}, {13, 18, 20, 26, 0, 0x00430041}};
    gmd.nWordCount = 4;
    gmd.forms = {
        {u"CAT", {{0, 0, 3, 0, 0x06}}},   {u"KATZE", {{1, 6, 5, 0, 0x0F}}},
        {u"CATS", {{2, 13, 4, 1, 0x06}}}, {u"KATZEN", {{3, 20, 6, 1, 0x0F}}},
        {u"CAT", {{2, 13, 4, 1, 0x06}}},  // CATS lemmatised: a second occurrence of CAT
        {u"A", {{9, 1, 1, 0, 0}}},
    };
    return gmd;
}

CGmdIndexView ViewOf(const std::vector<uint8_t>& bytes, const TestGmdLayout& layout,
                     const std::array<uint16_t, 4>& key) {
    return CGmdIndexView(CByteView(bytes), layout.blocks[1], layout.blocks[2], layout.blocks[4],
                         key);
}

struct Fixture {
    TestGmd gmd = Sample();
    TestGmdLayout layout;
    std::vector<uint8_t> bytes = BuildGmd(gmd, &layout);
    CGmdIndexView view = ViewOf(bytes, layout, gmd.key);

    // The node the walk of form + "+" ends in.
    uint32_t EndNode(std::u16string_view form) {
        uint32_t node = form[0];
        for (char16_t c : std::u16string(form.substr(1)) + u"+") {
            EXPECT_EQ(view.FindChild(node, c, node), GmdStep::FOUND);
        }
        return node;
    }
    void PutU32(uint64_t pos, uint32_t value) { gmd::PutU32(bytes.data() + pos, value); }
};

struct GmdIndexViewTest : ::testing::Test, Fixture {};

TEST_F(GmdIndexViewTest, LooksUpFormsAndDecodesTheirOccurrences) {
    const CFormLookup cat = view.LookupForm(u"CAT");
    ASSERT_EQ(cat.status, CFormLookup::FOUND);
    ASSERT_EQ(cat.occurrences.size(), 2u);
    EXPECT_EQ(cat.occurrences[0], (gmd::OccurrenceRecord{0, 0, 3, layout.blocks[0], 0x06}));
    EXPECT_EQ(cat.occurrences[1], (gmd::OccurrenceRecord{2, 13, 4, layout.blocks[0] + 24, 0x06}));

    const CFormLookup katzen = view.LookupForm(u"KATZEN");
    ASSERT_EQ(katzen.status, CFormLookup::FOUND);
    EXPECT_EQ(katzen.occurrences[0].dwWordNum, 3u);
    EXPECT_EQ(view.LookupForm(u"A").status, CFormLookup::FOUND);
}

TEST_F(GmdIndexViewTest, FormsNotIndexedAreAbsent) {
    for (std::u16string_view form : {u"CA", u"CATZ", u"KATZENS", u"DOG", u"B", u"", u"\uFFFF"}) {
        EXPECT_EQ(view.LookupForm(form).status, CFormLookup::ABSENT) << form.size();
    }
}

TEST_F(GmdIndexViewTest, RelationsKeepInsertionOrderAndTheFirstMatchWins) {
    // Below CAT the ending symbol came first, then S.
    uint32_t node = 'C';
    ASSERT_EQ(view.FindChild(node, u'A', node), GmdStep::FOUND);
    ASSERT_EQ(view.FindChild(node, u'T', node), GmdStep::FOUND);
    const auto entry = view.NodeEntry(node);
    ASSERT_TRUE(entry);
    const uint32_t pos = *entry & gmd::kPosMask;
    EXPECT_EQ(gmd::GetU32(bytes.data() + pos), 2u);
    EXPECT_EQ(gmd::GetU16(bytes.data() + pos + 4), u'+');
    EXPECT_EQ(gmd::GetU16(bytes.data() + pos + 9), u'S');
    // A duplicate relation later in the block is never taken.
    const uint32_t target = gmd::GetRelationTarget(bytes.data() + pos + 4);
    gmd::PutU16(bytes.data() + pos + 9, u'+');
    uint32_t child = 0;
    EXPECT_EQ(view.FindChild(node, u'+', child), GmdStep::FOUND);
    EXPECT_EQ(child, target);
}

TEST_F(GmdIndexViewTest, AnEndNodeThatIsNotFinalIsReported) {
    const uint32_t node = EndNode(u"KATZE");
    const uint64_t entryPos = layout.blocks[1] + 4ull * node;
    PutU32(entryPos, gmd::GetU32(bytes.data() + entryPos) & gmd::kPosMask);
    EXPECT_EQ(view.LookupForm(u"KATZE").status, CFormLookup::NOT_FINAL);
}

// Each row points one thing outside the file or outside its table.
TEST_F(GmdIndexViewTest, PositionsAndCountsOutsideTheFileAreCorrupt) {
    struct Row {
        const char* what;
        void (*damage)(Fixture&);
    };
    const Row rows[] = {
        {"relation block past the end",
         [](Fixture& f) { f.PutU32(f.layout.blocks[1] + 4 * 'K', 0x7FFFFFF0); }},
        {"huge relation count",
         [](Fixture& f) {
             f.PutU32(gmd::GetU32(f.bytes.data() + f.layout.blocks[1] + 4 * 'K'), 0xFFFFFFFF);
         }},
        {"relation target outside the node table",
         [](Fixture& f) {
             const uint32_t pos = gmd::GetU32(f.bytes.data() + f.layout.blocks[1] + 4 * 'K');
             gmd::PutRelation(f.bytes.data() + pos + 4, u'A', 0xFFFFFF);
         }},
        {"occurrence list past the end",
         [](Fixture& f) {
             const uint32_t node = f.EndNode(u"KATZE");
             f.PutU32(f.layout.blocks[1] + 4ull * node, gmd::kFinalFlag | 0x7FFFFFF0);
         }},
        {"huge occurrence count",
         [](Fixture& f) {
             const uint32_t node = f.EndNode(u"KATZE");
             const uint32_t pos = gmd::GetU32(f.bytes.data() + f.layout.blocks[1] + 4ull * node);
             f.PutU32(pos & gmd::kPosMask, 0x20000000);
         }},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.damage(f);
        EXPECT_EQ(f.view.LookupForm(u"KATZE").status, CFormLookup::CORRUPT) << row.what;
    }
}

TEST_F(GmdIndexViewTest, ReadsArticlesWithTheirCaption) {
    const auto first = view.ReadArticle(layout.blocks[0]);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->record, gmd.articles[0]);
    EXPECT_FALSE(first->bHasCaption);

    const auto second = view.ReadArticle(layout.blocks[0] + 24);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->record.nGroupCaption, static_cast<int32_t>(layout.blocks[0]));
    ASSERT_TRUE(second->bHasCaption);
    EXPECT_EQ(second->nCaptionLeftBeg, 0);
    EXPECT_EQ(second->nCaptionRightEnd, 11);

    EXPECT_FALSE(view.ReadArticle(bytes.size() - 23));
    EXPECT_FALSE(view.ReadArticle(UINT64_MAX - 3));
    PutU32(layout.blocks[0] + 24 + 16, static_cast<uint32_t>(bytes.size() - 8));
    EXPECT_FALSE(view.ReadArticle(layout.blocks[0] + 24));
}

TEST_F(GmdIndexViewTest, TextIsUnscrambledByAbsolutePosition) {
    std::u16string text;
    ASSERT_TRUE(view.GetText(0, static_cast<int64_t>(gmd.text.size()), text));
    EXPECT_EQ(text, gmd.text);
    ASSERT_TRUE(view.GetText(6, 11, text));
    EXPECT_EQ(text, u"Katze");
    ASSERT_TRUE(view.GetText(7, 7, text));
    EXPECT_EQ(text, u"");
    EXPECT_EQ(view.GetTextLength(), gmd.text.size());

    // Unit 5 is stored with key unit 1, then 2, 3, 0.
    const uint64_t at5 = layout.blocks[4] + 10;
    for (int i = 0; i < 4; ++i) {
        const uint16_t stored = gmd::GetU16(bytes.data() + at5 + 2 * i);
        EXPECT_EQ(stored ^ gmd.key[(1 + i) % 4], gmd.text[5 + i]);
    }
}

TEST_F(GmdIndexViewTest, TextRangesOutsideTheBlockFail) {
    const auto n = static_cast<int64_t>(gmd.text.size());
    std::u16string text = u"old";
    EXPECT_FALSE(view.GetText(0, n + 1, text));
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(view.GetText(5, 4, text));
    EXPECT_FALSE(view.GetText(-1, 2, text));
    EXPECT_FALSE(view.GetText(0, INT64_MAX, text));
    EXPECT_FALSE(view.GetText(INT64_MAX - 1, INT64_MAX, text));
    EXPECT_FALSE(view.GetText(n + 1, n + 1, text));
}

TEST_F(GmdIndexViewTest, NoDamagedByteMakesAReadLeaveTheFile) {
    const std::vector<uint8_t> original = bytes;
    for (size_t i = layout.blocks[0]; i < layout.blocks[4]; ++i) {
        if (original[i] == 0 && i >= layout.blocks[1] && i < layout.blocks[2]) continue;
        for (uint8_t delta : {uint8_t{0x80}, uint8_t{0xFF}, uint8_t{0x01}}) {
            bytes = original;
            bytes[i] ^= delta;
            CGmdIndexView damaged = ViewOf(bytes, layout, gmd.key);
            for (std::u16string_view form : {u"CAT", u"CATS", u"KATZE", u"KATZEN", u"A"}) {
                const CFormLookup found = damaged.LookupForm(form);
                for (uint32_t k = 0;
                     found.status == CFormLookup::FOUND && k < found.occurrences.size(); ++k) {
                    const auto article = damaged.ReadArticle(found.occurrences[k].dwArticlePos);
                    std::u16string text;
                    if (article && damaged.GetText(article->record.nLeftBeg,
                                                   article->record.nRightEnd, text)) {
                        EXPECT_EQ(text.size(), static_cast<size_t>(article->record.nRightEnd -
                                                                   article->record.nLeftBeg));
                    }
                }
            }
        }
    }
}

}  // namespace
