#include <gtest/gtest.h>

#include <string>

#include "core/CodePage.h"

namespace {

TEST(CodePage, LocaleNames) {
    EXPECT_EQ(CodePageFromLocaleName(".1251"), CodePage::Cp1251);
    EXPECT_EQ(CodePageFromLocaleName(".1252"), CodePage::Cp1252);
    EXPECT_EQ(CodePageFromLocaleName("NULL"), CodePage::Cp1252);
    EXPECT_EQ(CodePageFromLocaleName(""), std::nullopt);
    EXPECT_EQ(CodePageFromLocaleName("ru_RU.UTF-8"), std::nullopt);
    EXPECT_EQ(CodePageFromLocaleName(".866"), std::nullopt);
}

TEST(CodePage, Cyrillic1251) {
    const std::u16string text = u"Съешь же ещё этих мягких булок, ЁЖ №5";
    const std::string bytes = WideToMultiByte(text, CodePage::Cp1251);
    EXPECT_EQ(bytes,
              "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8"
              "\xF5 \xE1\xF3\xEB\xEE\xEA, \xA8\xC6 \xB9"
              "5");
    EXPECT_EQ(MultiByteToWide(bytes, CodePage::Cp1251), text);
}

TEST(CodePage, Western1252) {
    const std::u16string text = u"Straße café 5€ ÿ";
    const std::string bytes = WideToMultiByte(text, CodePage::Cp1252);
    EXPECT_EQ(bytes,
              "Stra\xDF"
              "e caf\xE9 5\x80 \xFF");
    EXPECT_EQ(MultiByteToWide(bytes, CodePage::Cp1252), text);
}

TEST(CodePage, CharacterWithNoPlaceBecomesQuestionMark) {
    EXPECT_EQ(WideToMultiByte(u"café ж", CodePage::Cp1251), "caf? \xE6");
    EXPECT_EQ(WideToMultiByte(u"ж€", CodePage::Cp1252), "?\x80");
    EXPECT_EQ(WideToMultiByte(std::u16string{0x4E2D, 0xFFFD, 0xD800, 0x0080}, CodePage::Cp1252),
              "????");
    EXPECT_EQ(WideToMultiByte(u"\u0098", CodePage::Cp1252), "?");  // 0x98 is a tilde here
}

TEST(CodePage, LengthIsPreservedIncludingNul) {
    const std::u16string text(u"a\0b", 3);
    EXPECT_EQ(WideToMultiByte(text, CodePage::Cp1252), std::string("a\0b", 3));
    EXPECT_EQ(MultiByteToWide(std::string("a\0b", 3), CodePage::Cp1251), text);
    EXPECT_EQ(WideToMultiByte(u"", CodePage::Cp1251), "");
    EXPECT_EQ(MultiByteToWide("", CodePage::Cp1252), u"");
}

// Every byte survives a round trip; the bytes a code page leaves undefined
// stand for the C1 control of the same value.
TEST(CodePage, EveryByteRoundTrips) {
    for (CodePage cp : {CodePage::Cp1251, CodePage::Cp1252}) {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
        const std::u16string wide = MultiByteToWide(all, cp);
        ASSERT_EQ(wide.size(), 256u);
        for (int b = 0; b < 0x80; ++b)
            EXPECT_EQ(wide[b], b);
        EXPECT_EQ(WideToMultiByte(wide, cp), all) << static_cast<int>(cp);
    }
    EXPECT_EQ(MultiByteToWide("\x98", CodePage::Cp1251), u"\u0098");
    EXPECT_EQ(MultiByteToWide("\x81\x8D\x8F\x90\x9D", CodePage::Cp1252),
              u"\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(MultiByteToWide("\x88\xB9", CodePage::Cp1251), u"€№");
}

}  // namespace
