#include "dictformat/MarkupScanner.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"

namespace {

constexpr size_t N = CMarkupScanner::npos;

TEST(MarkupScanner, WhereATagEndsUnderEachRule) {
    struct Row {
        std::u16string_view text;
        size_t nLt;
        size_t nTagEnd, nClosedTagEnd, nPageTagEnd;
    };
    const Row rows[] = {
        {u"<b>x", 0, 2, 2, 2},     {u"a < b", 2, N, N, N},  // no ">" at all
        {u"a<", 1, N, N, N},                                // "<" as the last unit
        {u"<a <b>", 0, 5, N, 5},  // another "<" first: open for the compiler
        {u"<a <b>", 3, 5, 5, 5},   {u"< b> x", 0, 3, 3, N},  // a page reads "< " as text
        {u"<1>", 0, 2, 2, N},      {u"<!-- a -->", 0, 9, 9, 9},
        {u"x >> <i>", 5, 7, 7, 7},  // a ">" before the "<" belongs to no tag
    };
    for (const Row& row : rows) {
        CMarkupScanner index(row.text), closed(row.text), page(row.text);
        EXPECT_EQ(index.TagEnd(row.nLt), row.nTagEnd) << ToUtf8(row.text);
        EXPECT_EQ(closed.ClosedTagEnd(row.nLt), row.nClosedTagEnd) << ToUtf8(row.text);
        EXPECT_EQ(page.PageTagEnd(row.nLt), row.nPageTagEnd) << ToUtf8(row.text);
    }
}

TEST(MarkupScanner, EveryOpenBracketOfALongRunAskedInTurn) {
    // Each answer comes from what the scanner remembers; a fresh search at
    // every "<" would take minutes here.
    const size_t nRun = 200000;
    const std::u16string text = std::u16string(nRun, u'<') + u"b>";
    CMarkupScanner index(text), closed(text), page(text);
    for (size_t i = 0; i < nRun; ++i) {
        ASSERT_EQ(index.TagEnd(i), nRun + 1);
        ASSERT_EQ(closed.ClosedTagEnd(i), i + 1 == nRun ? nRun + 1 : N);
        ASSERT_EQ(page.PageTagEnd(i), i + 1 == nRun ? nRun + 1 : N);
    }
}

}  // namespace
