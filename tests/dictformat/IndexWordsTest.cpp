#include "dictformat/IndexWords.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Utf8.h"
#include "support/GmdBuilder.h"

namespace {

// One article holding every word, so that each form has an occurrence.
struct IndexWordsTest : ::testing::Test {
    void SetUp() override {
        const std::u16string words[] = {u"CAT",  u"CART", u"COAT",   u"AT",  u"ACT", u"BAT",
                                        u"SCAT", u"CATS", u"CATTLE", u"DOG", u"CA"};
        for (size_t i = 0; i < std::size(words); ++i) {
            gmd.text += words[i] + u" ";
            gmd.forms.push_back({words[i], {{static_cast<uint32_t>(i), 0, 1, 0, 0}}});
        }
        gmd.articles = {{0, static_cast<int32_t>(gmd.text.size()), -1, -1, -1, 0}};
        bytes = BuildGmd(gmd, &layout);
        view = CGmdIndexView(CByteView(bytes), layout.blocks[1], layout.blocks[2], layout.blocks[4],
                             gmd.key);
    }

    static std::vector<std::string> Forms(const std::vector<CIndexWord>& words) {
        std::vector<std::string> forms;
        for (const CIndexWord& word : words)
            forms.push_back(ToUtf8(word.strForm));
        return forms;
    }

    TestGmd gmd;
    TestGmdLayout layout;
    std::vector<uint8_t> bytes;
    CGmdIndexView view;
};

TEST_F(IndexWordsTest, PrefixWordsComeShortestFirst) {
    std::vector<CIndexWord> words;
    EXPECT_EQ(FindFormsWithPrefix(view, u"CA", SIZE_MAX, words), GmdStep::FOUND);
    EXPECT_EQ(Forms(words), (std::vector<std::string>{"CA", "CAT", "CATS", "CART", "CATTLE"}));
    EXPECT_EQ(FindFormsWithPrefix(view, u"CA", 3, words), GmdStep::FOUND);
    EXPECT_EQ(Forms(words),
              (std::vector<std::string>{"CA", "CAT", "CATS", "CART"}));  // length 4 whole
    EXPECT_EQ(FindFormsWithPrefix(view, u"CX", 5, words), GmdStep::ABSENT);
}

TEST_F(IndexWordsTest, EveryKindOfEditIsFound) {
    const struct {
        std::u16string_view word;
        std::vector<std::string> near;
    } rows[] = {
        {u"CAT", {"ACT", "AT", "BAT", "CA", "CART", "CATS", "COAT", "SCAT"}},
        {u"CTA", {"CA", "CAT"}},  // a swap; a deletion
        {u"DGO", {"DOG"}},
        {u"ZZZ", {}},
    };
    for (const auto& row : rows) {
        std::vector<CIndexWord> words;
        EXPECT_NE(FindFormsOneEditAway(view, row.word, words), GmdStep::CORRUPT);
        std::vector<std::string> forms = Forms(words);
        std::ranges::sort(forms);
        EXPECT_EQ(forms, row.near) << ToUtf8(std::u16string(row.word));
    }
}

TEST_F(IndexWordsTest, RelationsRunningInCirclesEndTheWalk) {
    // C's first relation leads back to C itself.
    const uint32_t nRelations =
        gmd::GetU32(bytes.data() + layout.blocks[1] + 4 * u'C') & 0x7FFFFFFF;
    gmd::PutU16(bytes.data() + nRelations + 4 + 2, u'C');
    gmd::PutU8(bytes.data() + nRelations + 4 + 4, 0);
    std::vector<CIndexWord> words;
    EXPECT_EQ(FindFormsWithPrefix(view, u"C", SIZE_MAX, words), GmdStep::CORRUPT);
}

}  // namespace
