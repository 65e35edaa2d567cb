#include "render/Highlighter.h"

#include <gtest/gtest.h>

#include "render/PageTags.h"

namespace {

const std::u16string kH = u"<H>";

std::u16string Apply(std::u16string_view page, std::vector<CPageRange> ranges,
                     std::vector<std::u16string> own = {}) {
    return ApplyHighlights(page, MergeRanges(std::move(ranges)), kH, own);
}

TEST(PageTags, SizesFollowTheBaseSize) {
    struct Row {
        int nBase, nLarge, nSmall;
    };
    for (Row row :
         {Row{18, 21, 15}, Row{10, 12, 8}, Row{40, 48, 32}, Row{6, 7, 5}, Row{48, 57, 39}}) {
        EXPECT_EQ(LargeFontSize(row.nBase), row.nLarge) << row.nBase;
        EXPECT_EQ(SmallFontSize(row.nBase), row.nSmall) << row.nBase;
    }
    EXPECT_EQ(MakeFontTag(18, u"black"),
              u"<FONT STYLE=\"FONT-SIZE: 18px; FONT-FAMILY: Arial\" COLOR=\"black\">");
    const CPageTags tags(10);
    EXPECT_EQ(tags.m_strHighlight,
              u"<FONT STYLE=\"FONT-SIZE: 12px; FONT-FAMILY: Arial\" COLOR=\"blue\">");
    EXPECT_EQ(tags.m_strCaption,
              u"<FONT STYLE=\"FONT-SIZE: 8px; FONT-FAMILY: Arial\" COLOR=\"black\">");
    EXPECT_EQ(tags.m_strAlert,
              u"<FONT STYLE=\"FONT-SIZE: 12px; FONT-FAMILY: Arial\" COLOR=\"red\">");
}

TEST(Highlighter, MergesOverlapsAndKeepsSeparateRangesApart) {
    EXPECT_EQ(MergeRanges({{5, 9}, {0, 2}, {7, 12}, {12, 14}, {3, 3}, {0, 1}}),
              (std::vector<CPageRange>{{0, 2}, {5, 12}, {12, 14}}));
    EXPECT_EQ(MergeRanges({{4, 8}, {4, 8}, {4, 6}}), (std::vector<CPageRange>{{4, 8}}));
}

TEST(Highlighter, WrapsEachRangeAndLeavesTheTextBetween) {
    EXPECT_EQ(Apply(u"one two three", {{8, 13}, {0, 3}}), u"<H>one</FONT> two <H>three</FONT>");
    EXPECT_EQ(Apply(u"abc", {}), u"abc");
    // Touching ranges stay two highlights; overlapping ones become one.
    EXPECT_EQ(Apply(u"aaaa", {{0, 2}, {2, 4}}), u"<H>aa</FONT><H>aa</FONT>");
    EXPECT_EQ(Apply(u"go go go", {{0, 5}, {3, 8}}), u"<H>go go go</FONT>");
}

TEST(Highlighter, CoversAnArticleFontTagRightBeforeTheMatch) {
    EXPECT_EQ(Apply(u"x <font color=red>word</font>", {{18, 22}}),
              u"x <H><font color=red>word</FONT></font>");
    // Blanks between the tag and the match, and inside the tag, do not matter.
    EXPECT_EQ(Apply(u"x <FONT  COLOR=red >\r\n word", {{23, 27}}),
              u"x <H><FONT  COLOR=red >\r\n word</FONT>");
}

TEST(Highlighter, LeavesOtherTagsAndThePagesOwnTagsOutside) {
    const std::u16string body = MakeFontTag(18, u"black");
    EXPECT_EQ(Apply(body + u"word", {{body.size(), body.size() + 4}}, {body}),
              body + u"<H>word</FONT>");
    // The same tag spelt with other blanks and case is still the page's own.
    const std::u16string spelt =
        u"<font style=\"font-size:18px;font-family:arial\"color=\"black\">";
    EXPECT_EQ(Apply(spelt + u"w", {{spelt.size(), spelt.size() + 1}}, {body}),
              spelt + u"<H>w</FONT>");
    EXPECT_EQ(Apply(u"<b>word", {{3, 7}}), u"<b><H>word</FONT>");
    EXPECT_EQ(Apply(u"<font>w", {{6, 7}}), u"<H><font>w</FONT>");
    EXPECT_EQ(Apply(u"a</font>w", {{8, 9}}), u"a</font><H>w</FONT>");
    EXPECT_EQ(Apply(u"font>w", {{5, 6}}), u"font><H>w</FONT>");  // no "<" at all
}

TEST(Highlighter, NeverReachesBackIntoTheTagsItInserted) {
    // The second range starts right after the first one's closing tag.
    EXPECT_EQ(Apply(u"<font a=1>ab", {{10, 11}, {11, 12}}), u"<H><font a=1>a</FONT><H>b</FONT>");
}

TEST(Highlighter, ReadsTagsAsThePageDoesInHostileMarkup) {
    const std::u16string run(100000, u'<');
    struct Row {
        std::u16string page;
        CPageRange range;
        std::u16string highlighted;
    };
    const Row rows[] = {
        {u"a < b w", {6, 7}, u"a < b <H>w</FONT>"},
        // "< font" is text on the page: there is no font tag to cover.
        {u"< font c>w", {9, 10}, u"< font c><H>w</FONT>"},
        // The page reads one tag "<a <font c>", which is no font tag.
        {u"<a <font c>w", {11, 12}, u"<a <font c><H>w</FONT>"},
        // The ">" before the match is text, not the end of the font tag.
        {u"<font c>x > w", {12, 13}, u"<font c>x > <H>w</FONT>"},
        {u"&amp <font c>w", {13, 14}, u"&amp <H><font c>w</FONT>"},
        {run + u"<font c>w", {run.size() + 8, run.size() + 9}, run + u"<H><font c>w</FONT>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Apply(row.page, {row.range}), row.highlighted) << row.range.nStart;
}

TEST(Highlighter, RangesOutsideThePageAreCut) {
    EXPECT_EQ(Apply(u"abc", {{2, 10}, {7, 9}}), u"ab<H>c</FONT>");
}

}  // namespace
