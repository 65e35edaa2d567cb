#include "core/Escapes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EscapeRow {
    std::u16string_view text;
    bool bOk;
    std::u16string_view expected;
};

TEST(ParseEscapes, DecodesAndRejects) {
    const EscapeRow rows[] = {
        {u"", true, u""},
        {u"##:##", true, u"##:##"},
        {u"\\r\\n", true, u"\r\n"},
        {u"\\R\\N\\T\\t", true, u"\r\n\t\t"},
        {u"\\x000D\\x000A", true, u"\r\n"},
        {u"\\X00e9\\xFFFF", true, u"\u00e9\uffff"},
        {u"\\x00411", true, u"A1"},
        {u"\\\\", true, u"\\"},
        {u"\\\\n", true, u"\\n"},
        {u"a\\tb", true, u"a\tb"},
        {u"\u0416\\n", true, u"\u0416\n"},
        {u"\\x0D", false, u""},
        {u"\\x", false, u""},
        {u"\\x12G4", false, u""},
        {u"\\xZZZZ", false, u""},
        {u"\\x-001", false, u""},
        {u"\\q", false, u""},
        {u"\\0", false, u""},
        {u"\\", false, u""},
        {u"abc\\", false, u""},
        {u"\\n\\", false, u""},
    };
    for (const EscapeRow& r : rows) {
        std::u16string out = u"unchanged";
        SCOPED_TRACE(testing::Message() << "text of " << r.text.size() << " units");
        EXPECT_EQ(ParseEscapes(r.text, out), r.bOk);
        EXPECT_EQ(out, r.bOk ? std::u16string(r.expected) : u"unchanged");
    }
}

}  // namespace
