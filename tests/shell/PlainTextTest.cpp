#include "shell/PlainText.h"

#include <gtest/gtest.h>

#include "shell/Json.h"
#include "shell/LookupOptions.h"

namespace {

TEST(PlainText, MarkupGoesReferencesAreDecodedMatchesAreMarked) {
    struct Row {
        std::u16string raw;
        std::vector<CMatchSpan> spans;
        std::u16string plain;
    };
    const Row rows[] = {
        {u"a <b>cat</b> sat", {{105, 108}}, u"a [[cat]] sat"},
        {u"caf&eacute; au lait", {{100, 111}}, u"[[café]] au lait"},
        {u"AT&T <x", {}, u"AT&T <x"},
        {u"one\r\ntwo", {{105, 108}}, u"one\n[[two]]"},
        {u"go go go", {{100, 105}, {103, 108}}, u"[[go go go]]"},  // overlapping spans join
        {u"xy", {{50, 101}, {101, 500}}, u"[[xy]]"},
        {u"noun<br>a <BR/>b</p>c", {}, u"noun\na \nb\nc"},
        // What the page shows: "<" opens a tag only before a letter, "/", "!"
        // or "?"; every reference the page knows is decoded.
        {u"a < b & c > d<!-- x --><3", {}, u"a < b & c > d<3"},
        {u"brass &amp; tin", {{100, 115}}, u"[[brass & tin]]"},
        {u"&lt;&quot;&nbsp;&copy;&#233;&#x1F600;&foo;&#0;",
         {},
         u"<\"\u00A0\u00A9\u00E9\U0001F600&foo;&#0;"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ToMarkedPlainText(row.raw, 100, row.spans), row.plain);
}

TEST(Json, StringsAreEscapedAndLoneSurrogatesKept) {
    EXPECT_EQ(JsonString(u"a\"b\\c\r\n\x01"), "\"a\\\"b\\\\c\\r\\n\\u0001\"");
    EXPECT_EQ(JsonString(u"кот"), "\"\xD0\xBA\xD0\xBE\xD1\x82\"");
    EXPECT_EQ(JsonString(u"\xD83D\xDE00"), "\"\xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString(u"\xD800x\xDC00"), "\"\\ud800x\\udc00\"");
}

TEST(LookupOptions, ParsesEveryOptionAndRefusesBadOnes) {
    std::string error;
    const auto options =
        ParseLookupOptions({"--search", "big cat", "--home", "/h", "--group", "G", "--area",
                            "right", "--sort", "relevance", "--page", "3", "--format", "json"},
                           error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->query, u"big cat");
    EXPECT_EQ(options->strHome, u"/h");
    EXPECT_EQ(options->group, u"G");
    EXPECT_EQ(options->nArea, 2);
    EXPECT_EQ(options->nSortMode, 2);
    EXPECT_EQ(options->nPage, 3);
    EXPECT_EQ(options->format, OutputFormat::Json);
    const std::vector<std::vector<std::string>> bad = {{},
                                                       {"--search"},
                                                       {"--search", "x", "--area", "up"},
                                                       {"--search", "x", "--page", "0"},
                                                       {"--search", "x", "--format", "xml"},
                                                       {"--frobnicate", "x"},
                                                       {"stray"},
                                                       {"--search", "x", "--font-size", "5"}};
    for (const auto& args : bad)
        EXPECT_FALSE(ParseLookupOptions(args, error)) << args.size();
    EXPECT_TRUE(ParseLookupOptions({"--help"}, error)->bHelp);
}

}  // namespace
