#include "render/ResultPage.h"

#include <gtest/gtest.h>

namespace {

// Fragments typed out independently of the renderer's own constants.
const std::u16string kHead =
    u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    u"\"http://www.w3.org/TR/html4/loose.dtd\"><META HTTP-EQUIV=\"Content-type\" "
    u"CONTENT=\"text/html; charset=utf-16le\"><HEAD><TITLE></TITLE><BASEFONT STYLE=\"FONT-SIZE: "
    u"18px; FONT-FAMILY: Arial\" COLOR=\"black\"><BASE href=\"/opt/gm\\\"></HEAD><BODY>";
const std::u16string kBody =
    u"<FONT STYLE=\"FONT-SIZE: 18px; FONT-FAMILY: Arial\" COLOR=\"black\">";
const std::u16string kHeading =
    u"<FONT STYLE=\"FONT-SIZE: 21px; FONT-FAMILY: Arial\" COLOR=\"black\">";
const std::u16string kCaption =
    u"<FONT STYLE=\"FONT-SIZE: 15px; FONT-FAMILY: Arial\" COLOR=\"black\">";
const std::u16string kBlue = u"<FONT STYLE=\"FONT-SIZE: 21px; FONT-FAMILY: Arial\" COLOR=\"blue\">";
const std::u16string kPlainTable = u"<TABLE BORDER=0 WIDTH=100%>";
const std::u16string kBordered =
    u"<table style=\"border-collapse: collapse; border: 1px solid #B1B1B1\" border=1 "
    u"CELLPADDING=5>";
const std::u16string kIndent = u"</FONT></TD></TR><TR><TD><TABLE><TR><TD WIDTH=\"20\"></TD><TD>";
const std::u16string kIndentEnd = u"</FONT></TD></TR></TABLE></TD></TR>";
const std::u16string kTopRow = u"<TR valign=\"top\"><TD>";
const std::u16string kNextCell = u"</FONT></TD><TD>";
const std::u16string kRowEnd = u"</FONT></TD></TR>";
const std::u16string kTail = u"</TABLE></BODY>";

std::u16string Header(std::u16string_view name, int page, int pages, int first, int last,
                      int total) {
    auto n = [](int v) {
        std::string s = std::to_string(v);
        return std::u16string(s.begin(), s.end());
    };
    return u"<CENTER>" + kHeading + u"<B>" + std::u16string(name) + u"</B></FONT><BR> Page <B>" +
           n(page) + u"</B> of <B>" + n(pages) + u"</B>, articles <B>" + n(first) + u"</B> - <B>" +
           n(last) + u"</B> of <B>" + n(total) + u"</B></CENTER><BR>";
}

// A text block and results placed into it by the positions of their pieces.
class ResultPageTest : public ::testing::Test {
protected:
    const std::u16string m_text =
        u"$NAME: t\r\n"
        u"<h>Fruit##:##Frukt</h>\r\n\r\n"
        u"apple##:##<font color=\"green\">ablo</font> ko\r\n\r\n"
        u"pear pear pear\r\n\r\n"
        u"Ich bin##:##I am";

    int At(std::u16string_view piece) const { return static_cast<int>(m_text.find(piece)); }
    int End(std::u16string_view piece) const { return At(piece) + static_cast<int>(piece.size()); }

    CMatchSpan Span(std::u16string_view piece) const { return {At(piece), End(piece)}; }

    // An article whose left and right parts are the given pieces of the text.
    CSearchResult Article(std::u16string_view left, std::u16string_view right,
                          std::vector<CMatchSpan> spans, int nClass) const {
        CSearchResult r;
        r.m_nLeftStart = At(left);
        r.m_nLeftEnd = End(left);
        r.m_nRightStart = At(right);
        r.m_nRightEnd = End(right);
        r.m_aSpans = std::move(spans);
        r.m_nClass = nClass;
        return r;
    }

    CSearchResult Apple() const {
        CSearchResult r = Article(u"apple", u"<font color=\"green\">ablo</font> ko",
                                  {Span(u"apple"), Span(u"ablo")}, 0);
        r.m_nCaptionPos = 64;
        r.m_nCaptionLeftStart = At(u"Fruit");
        r.m_nCaptionLeftEnd = End(u"Fruit");
        r.m_nCaptionRightStart = At(u"Frukt");
        r.m_nCaptionRightEnd = End(u"Frukt");
        return r;
    }

    CSearchResult Pears() const {
        CSearchResult r;
        r.m_nLeftStart = At(u"pear");
        r.m_nLeftEnd = -1;
        r.m_nRightStart = -1;
        r.m_nRightEnd = End(u"pear pear pear");
        // A query "pear pear" met three pears in a row: overlapping spans.
        r.m_aSpans = {{r.m_nLeftStart, r.m_nLeftStart + 9}, {r.m_nLeftStart + 5, r.m_nRightEnd}};
        r.m_nClass = 1;
        return r;
    }

    CSearchResult Ich() const { return Article(u"Ich bin", u"I am", {Span(u"am")}, 4); }

    std::u16string Render(const CDictResults& results, int nLayout, int nFileType = FILE_TYPE_DICT,
                          int nPage = 0) {
        CResultPageRenderer renderer({nLayout, 18});
        CResultPageRequest request{&results, nFileType, results.GetTotal(),
                                   nPage,    u"Test",   u"/opt/gm"};
        std::u16string page;
        EXPECT_TRUE(renderer.RenderResultPage(request, Reader(), page)) << "render failed";
        return page;
    }

    ArticleTextReader Reader() {
        return [this](int s, int e, std::u16string& out, std::u16string& err) {
            if (s < 0 || e < s || static_cast<size_t>(e) > m_text.size()) {
                err = u"GetText error";
                return false;
            }
            out = m_text.substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
            return true;
        };
    }

    CDictResults Three() const {
        CDictResults results;
        results.GetList(0).push_back(Apple());
        results.GetList(1).push_back(Pears());
        results.GetList(4).push_back(Ich());
        return results;
    }
};

TEST_F(ResultPageTest, StandardLayoutOfADictionary) {
    const std::u16string expected =
        kHead + Header(u"Test", 1, 1, 1, 3, 3) + kPlainTable +
        // The headword follows the page's own tag: highlighted from itself. The
        // translation's match follows the article's own font tag: that is covered.
        u"<TR><TD><BR>" + kHeading + kBlue + u"apple</FONT>" + kIndent + kBody + kBlue +
        u"<font color=\"green\">ablo</FONT></font> ko" + kIndentEnd + u"<TR><TD>" + kCaption +
        u"Fruit / Frukt" + kRowEnd +
        // No split: all of it on the left, the right cell empty; the overlapping
        // spans make one highlight.
        u"<TR><TD><BR>" + kHeading + kBlue + u"pear pear pear</FONT>" + kIndent + kBody +
        kIndentEnd +
        // Class 4 comes after class 1.
        u"<TR><TD><BR>" + kHeading + u"Ich bin" + kIndent + kBody + u"I " + kBlue + u"am</FONT>" +
        kIndentEnd + kTail;
    EXPECT_EQ(Render(Three(), LAYOUT_STANDARD), expected);
}

TEST_F(ResultPageTest, SeparatedLayoutDrawsARuleInsteadOfABreak) {
    CDictResults results;
    results.GetList(4).push_back(Ich());
    EXPECT_EQ(Render(results, LAYOUT_SEPARATED),
              kHead + Header(u"Test", 1, 1, 1, 1, 1) + kPlainTable + u"<TR><TD><HR>" + kHeading +
                  u"Ich bin" + kIndent + kBody + u"I " + kBlue + u"am</FONT>" + kIndentEnd + kTail);
}

TEST_F(ResultPageTest, TableLayoutPutsPartsAndCaptionSideBySide) {
    const std::u16string expected = kHead + Header(u"Test", 1, 1, 1, 3, 3) + kBordered + kTopRow +
                                    kHeading + kBlue + u"apple</FONT>" + kNextCell + kBody + kBlue +
                                    u"<font color=\"green\">ablo</FONT></font> ko" + kNextCell +
                                    kCaption + u"Fruit / Frukt" + kRowEnd + kTopRow + kHeading +
                                    kBlue + u"pear pear pear</FONT>" + kNextCell + kBody + kRowEnd +
                                    kTopRow + kHeading + u"Ich bin" + kNextCell + kBody + u"I " +
                                    kBlue + u"am</FONT>" + kRowEnd + kTail;
    EXPECT_EQ(Render(Three(), LAYOUT_TABLE), expected);
}

TEST_F(ResultPageTest, ParallelTextUsesTheBorderedTableAndBodyTagInEveryLayout) {
    CDictResults results;
    results.GetList(4).push_back(Ich());
    CSearchResult unsplitCaption = Ich();
    unsplitCaption.m_nCaptionPos = 10;
    unsplitCaption.m_nCaptionLeftStart = At(u"Fruit");
    unsplitCaption.m_nCaptionLeftEnd = -1;
    unsplitCaption.m_nCaptionRightStart = -1;
    unsplitCaption.m_nCaptionRightEnd = End(u"Frukt");
    results.GetList(5).push_back(unsplitCaption);
    const std::u16string row =
        kTopRow + kBody + u"Ich bin" + kNextCell + kBody + u"I " + kBlue + u"am</FONT>";
    const std::u16string expected = kHead + Header(u"Test", 1, 1, 1, 2, 2) + kBordered + row +
                                    kRowEnd + row + kNextCell + kCaption + u"Fruit##:##Frukt" +
                                    kRowEnd + kTail;
    for (int nLayout : {LAYOUT_STANDARD, LAYOUT_SEPARATED, LAYOUT_TABLE})
        EXPECT_EQ(Render(results, nLayout, FILE_TYPE_PARTEXT), expected) << nLayout;
}

TEST_F(ResultPageTest, PagesShowTwentyArticlesInDisplayOrder) {
    struct Row {
        int nResults, nPage, nPages, nFirst, nLast;
    };
    for (Row row : {Row{20, 0, 1, 1, 20}, Row{21, 1, 2, 21, 21}, Row{41, 2, 3, 41, 41},
                    Row{41, 1, 3, 21, 40}}) {
        CDictResults results;
        for (int i = 0; i < row.nResults; ++i) {
            CSearchResult r = Ich();
            r.m_aSpans.clear();
            r.m_nSortKey = i;  // marks the ordinal; spread over classes 0, 3 and 6
            results.GetList(i % 3 * 3).push_back(r);
        }
        const std::u16string page = Render(results, LAYOUT_STANDARD, FILE_TYPE_DICT, row.nPage);
        EXPECT_NE(page.find(Header(u"Test", row.nPage + 1, row.nPages, row.nFirst, row.nLast,
                                   row.nResults)),
                  std::u16string::npos)
            << row.nResults << " page " << row.nPage;
        size_t nArticles = 0;
        for (size_t at = page.find(u"Ich bin"); at != std::u16string::npos;
             at = page.find(u"Ich bin", at + 1))
            ++nArticles;
        EXPECT_EQ(nArticles, static_cast<size_t>(row.nLast - row.nFirst + 1));
        // Every page walks the ordinals of the display order.
        std::vector<int> shown;
        results.ForEachOnPage(row.nPage, [&](const CSearchResult& r, int n) {
            EXPECT_EQ(results.GetResultAt(n), &r);
            shown.push_back(n);
        });
        ASSERT_EQ(shown.size(), nArticles);
        EXPECT_EQ(shown.front(), row.nFirst - 1);
    }
}

TEST_F(ResultPageTest, AnUnreadableTextFailsWithTheReadersError) {
    CDictResults results;
    CSearchResult broken = Ich();
    broken.m_nRightEnd = 1 << 30;
    results.GetList(0).push_back(broken);
    CResultPageRenderer renderer({LAYOUT_STANDARD, 18});
    std::u16string page = u"old";
    EXPECT_FALSE(
        renderer.RenderResultPage({&results, FILE_TYPE_DICT, 1, 0, u"T", u"/"}, Reader(), page));
    EXPECT_EQ(renderer.GetError(), u"GetText error");
    EXPECT_TRUE(page.empty());
}

TEST_F(ResultPageTest, SpansOutsideTheirPartNeverTouchThePagesMarkup) {
    CDictResults results;
    CSearchResult r = Ich();
    r.m_aSpans = {{-50, 2}, {r.m_nRightEnd - 1, r.m_nRightEnd + 400}};
    results.GetList(0).push_back(r);
    EXPECT_EQ(Render(results, LAYOUT_TABLE),
              kHead + Header(u"Test", 1, 1, 1, 1, 1) + kBordered + kTopRow + kHeading + u"Ich bin" +
                  kNextCell + kBody + u"I a" + kBlue + u"m</FONT>" + kRowEnd + kTail);
}

}  // namespace
