#include "render/StatusPages.h"

#include <gtest/gtest.h>

namespace {

const std::u16string kBlue = u"<FONT STYLE=\"FONT-SIZE: 21px; FONT-FAMILY: Arial\" COLOR=\"blue\">";
const std::u16string kRed = u"<FONT STYLE=\"FONT-SIZE: 21px; FONT-FAMILY: Arial\" COLOR=\"red\">";

TEST(StatusPages, EachOutcomeHasItsPage) {
    EXPECT_EQ(AbortedPageHtml(18), kBlue + u"Text search aborted</FONT>");
    EXPECT_EQ(EmptyTextPageHtml(18), kBlue + u"Enter text to search</FONT>");
    EXPECT_EQ(NotFoundPageHtml(18, u"big cat", u"All dictionaries"),
              kBlue + u"Text \"" + kRed + u"big cat</FONT>\" not found in group \"" + kRed +
                  u"All dictionaries</FONT>\"</FONT>");
    EXPECT_EQ(NoEnabledDictionariesPageHtml(18, u"Work"),
              kRed +
                  u"There are no enabled dictionaries in group 'Work'.<BR>Search function not "
                  u"available</FONT>");
}

TEST(StatusPages, StartAndSearchingPages) {
    EXPECT_EQ(StartPageHtml(),
              u"<center><font style=\"font-size: 40px; color: #EAEAEA\"><br><br><br><b>Glossmere "
              u"2.03</b></font></center>");
    EXPECT_EQ(
        SearchingPageHtml(),
        u"<center><font style=\"font-size: 40px; color: #EAEAEA\"><br><br><br><b>Searching\u2026"
        u"</b></font></center>");
}

TEST(StatusPages, TypedTextIsShownAsTypedNotAsMarkup) {
    EXPECT_EQ(NotFoundPageHtml(10, u"<b>a&b</b>", u"x<y"),
              u"<FONT STYLE=\"FONT-SIZE: 12px; FONT-FAMILY: Arial\" COLOR=\"blue\">Text \""
              u"<FONT STYLE=\"FONT-SIZE: 12px; FONT-FAMILY: Arial\" COLOR=\"red\">"
              u"&lt;b&gt;a&amp;b&lt;/b&gt;</FONT>\" not found in group \""
              u"<FONT STYLE=\"FONT-SIZE: 12px; FONT-FAMILY: Arial\" COLOR=\"red\">x&lt;y</FONT>"
              u"\"</FONT>");
    // A "%" in the text is not a placeholder.
    EXPECT_EQ(NotFoundPageHtml(18, u"100%s", u"g"), kBlue + u"Text \"" + kRed +
                                                        u"100%s</FONT>\" not found in group \"" +
                                                        kRed + u"g</FONT>\"</FONT>");
}

}  // namespace
