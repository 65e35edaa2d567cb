#include "core/StringTable.h"

#include "core/MyObject.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, LoadsByNumber) {
    EXPECT_EQ(LoadText(40101), u"Error!");
    EXPECT_FALSE(LoadText(1).has_value());
    CMyObject o;
    o.SetError(1);
    EXPECT_EQ(o.GetError(), u"");
    o.SetError(40301);
    EXPECT_EQ(o.GetError(), u"Warning!");
}

TEST(StringTable, FormatsThePlaceholdersTheTextsUse) {
    EXPECT_EQ(FormatText(u"line %d: '%s' %%", {int64_t{12}, u"word"}), u"line 12: 'word' %");
    EXPECT_EQ(FormatText(u"%.1lf|%.3lf|%.4lf", {0.25, 1.0, 2.5}), u"0.2|1.000|2.5000");
    EXPECT_EQ(FormatText(u"U+%04X", {int64_t{0x3a}}), u"U+003A");
    EXPECT_EQ(FormatText(u"Привет, %s!", {u"мир"}), u"Привет, мир!");
}

TEST(StringTable, MismatchedPlaceholdersNeverReadPastTheArguments) {
    EXPECT_EQ(FormatText(u"%s %s %d", {u"one"}), u"one  ");
    EXPECT_EQ(FormatText(u"%d", {u"text"}), u"text");
    EXPECT_EQ(FormatText(u"%s", {int64_t{5}}), u"5");
    EXPECT_EQ(FormatText(u"%n%p%", {int64_t{5}}), u"");
    EXPECT_EQ(FormatText(u"%999999999d", {int64_t{5}}).size(), 255u);
}

TEST(StringTable, OverrideWinsAndFallsBack) {
    SetTextOverride([](std::u16string_view english) -> std::optional<std::u16string> {
        if (english == u"Error!") return u"Fehler!";
        return std::nullopt;
    });
    EXPECT_EQ(LoadText(40101), u"Fehler!");
    EXPECT_EQ(LoadText(40301), u"Warning!");
    SetTextOverride(nullptr);
    EXPECT_EQ(LoadText(40101), u"Error!");
}

TEST(MyObject, MessageComposition) {
    EXPECT_EQ(WrapMessage(u"Error opening file", u"File is empty"),
              u"Error opening file:\r\nFile is empty");
    EXPECT_EQ(JoinMessages({u"a", u"b", u"c"}), u"a\r\nb\r\nc");
    EXPECT_EQ(InternalError(u"CAutomNodeRel::GetRelNode", u"Invalid array index"),
              u"Error in CAutomNodeRel::GetRelNode\nInvalid array index");
}

}  // namespace
