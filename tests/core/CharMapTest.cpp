#include <gtest/gtest.h>

#include <string>

#include "TextBytes.h"
#include "core/StringTable.h"
#include "core/UnicodeMappingFile.h"
#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

std::u16string Text(int nId) {
    return LoadText(nId).value();
}
std::u16string ToUtf16Number(int n) {
    return FromUtf8(std::to_string(n));
}

TEST(CharMap, ReadsKeyAndReplacementPerLine) {
    CTempDir dir;
    struct Case {
        std::string bytes;
        CharMap expected;
    };
    const Case cases[] = {
        {"ß ss", {{u'ß', u"ss"}}},
        {"  Ё \t Е  \r\n\r\n\tß ss\r\n", {{u'Ё', u"Е"}, {u'ß', u"ss"}}},
        {"Ё Е\nЁ ЙО\n", {{u'Ё', u"ЙО"}}},            // the later replacement wins
        {"ßss", {{u'ß', u"ss"}}},                    // no blank needed
        {"a b\nc d", {{u'a', u"b"}, {u'c', u"d"}}},  // last line without line end
        {"a b\rc d\r", {{u'a', u"b"}, {u'c', u"d"}}},
        {"-\tx1", {{u'-', u"x1"}}},  // any key character
        {"\xEF\xBB\xBF", {}},
        {"\n\n  \n", {}},
        {Ucs2Bytes(u"a b\r\nc d", false) + "!", {{u'a', u"b"}, {u'c', u"d"}}},
        {Ucs2Bytes(u"a b\nc d", true), {{u'a', u"b"}, {u'c', u"d"}}},
        {Ucs2Bytes(u"", true), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        CMyObject owner;
        CharMap map = {{u'z', u"stale"}};
        EXPECT_TRUE(LoadCharMap(dir.Write("map.txt", c.bytes), map, owner))
            << ToUtf8(owner.GetError());
        EXPECT_EQ(map, c.expected);
    }
}

TEST(CharMap, EmptyPathMeansNoMap) {
    CMyObject owner;
    CharMap map = {{u'z', u"stale"}};
    EXPECT_TRUE(LoadCharMap(u"", map, owner));
    EXPECT_TRUE(map.empty());
}

TEST(CharMap, FaultyLinesNameTheirLineNumber) {
    struct Case {
        std::string bytes;
        int nLine;
        std::u16string detail;
    };
    const Case cases[] = {
        {"ё", 1, Text(41341)},
        {"a b\n\n  \nё\nc d\n", 4, Text(41341)},  // blank lines count
        {"a b\r\nc   \r\n", 2, Text(41341)},
        {"a b-c", 1, Text(41342)},
        {"a b\nc d e\n", 2, Text(41342)},
        {"a b\nc d\n\xFF", 3, Text(41333)},  // a decoding fault, in the line that holds it
        {"a b\nc d\n\xE3\x81\x41\n", 3, Text(41333)},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::u16string path = dir.Write("map.txt", c.bytes);
        CMyObject owner;
        CharMap map;
        EXPECT_FALSE(LoadCharMap(path, map, owner));
        EXPECT_EQ(owner.GetError(), u"Error reading mapping file '" + path + u"':\r\n" +
                                        u"Error in file, line " + ToUtf16Number(c.nLine) + u"\r\n" +
                                        c.detail);
        EXPECT_TRUE(map.empty());
    }
}

TEST(CharMap, UnreadableOrUnopenableFiles) {
    CTempDir dir;
    CMyObject owner;
    CharMap map;
    const std::u16string missing = dir.PathOf("missing.txt");
    EXPECT_FALSE(LoadCharMap(missing, map, owner));
    EXPECT_EQ(owner.GetError(), u"Mapping file '" + missing + u"'  not found or could not be read");

    const std::u16string empty = dir.Write("empty.txt", "");
    EXPECT_FALSE(LoadCharMap(empty, map, owner));
    EXPECT_EQ(owner.GetError(), u"Error opening mapping file '" + empty + u"':\r\nFile is empty");

    // A fault met while the line end is settled fails the open.
    const std::u16string bad = dir.Write("bad.txt", "ab\x80");
    EXPECT_FALSE(LoadCharMap(bad, map, owner));
    EXPECT_EQ(owner.GetError(), u"Error opening mapping file '" + bad + u"':\r\n" + Text(41333));

    const std::u16string folder = dir.PathOf("");
    EXPECT_FALSE(LoadCharMap(folder, map, owner));
    EXPECT_EQ(owner.GetError(), u"Error opening mapping file '" + folder +
                                    u"':\r\nFailed to open document.\r\n" + folder +
                                    u": Is a directory");
}

}  // namespace
