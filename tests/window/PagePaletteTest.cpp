#include "shell/PagePalette.h"

#include <gtest/gtest.h>

namespace {

TEST(PagePaletteTest, DarkPagesGetThePaletteTextAndLightenedHighlights) {
    const QColor base(0x20, 0x20, 0x20), text(0xee, 0xee, 0xee);
    ASSERT_TRUE(IsDarkPalette(base, text));
    EXPECT_FALSE(IsDarkPalette(text, base));
    const CPageColours colours = DarkPageColours(base, text);
    EXPECT_EQ(colours.text, text);
    EXPECT_GT(colours.highlight.lightness(), 150);
    EXPECT_GT(colours.alert.lightness(), 150);
    EXPECT_EQ(colours.highlight.hslHue(), QColor(Qt::blue).hslHue());
    EXPECT_EQ(colours.alert.hslHue(), QColor(Qt::red).hslHue());

    const QString strPage =
        QStringLiteral(R"(<FONT STYLE="FONT-SIZE: 18px; FONT-FAMILY: Arial" COLOR="black">a</FONT>)"
                       R"(<FONT COLOR="Blue">b</FONT><font color=red>c</font>)"
                       R"(<font style="font-size: 40px; color: #EAEAEA">d</font>)"
                       R"(<td style="background-color: black">e</td> blackboard)");
    const QString strExpected =
        QStringLiteral(R"(<FONT STYLE="FONT-SIZE: 18px; FONT-FAMILY: Arial" COLOR="%1">a</FONT>)"
                       R"(<FONT COLOR="%2">b</FONT><font color=%3>c</font>)"
                       R"(<font style="font-size: 40px; color: %4">d</font>)"
                       R"(<td style="background-color: black">e</td> blackboard)")
            .arg(colours.text.name(), colours.highlight.name(), colours.alert.name(),
                 colours.faint.name());
    EXPECT_EQ(AdaptPageColours(strPage, colours), strExpected);
}

}  // namespace
