// The keyword header of a source.
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
#include "compiler/DictSource.h"
#include "core/Utf8.h"
#include "support/DictHeader.h"

namespace {

class SourceHeaderTest : public ::testing::Test {
protected:
    // Opens the text as a source and reads its header.
    bool Read(std::u16string_view text, TextEncoding encoding = TextEncoding::Utf8) {
        m_source.Close();
        const std::u16string strPath = m_dir.Write("source.txt", EncodeText(text, encoding));
        EXPECT_TRUE(m_source.OpenUnicode(strPath)) << ToUtf8(m_source.GetError());
        return m_source.ReadHeader();
    }
    std::string Error() const { return ToUtf8(m_source.GetError()); }
    int32_t Line() const { return m_source.GetReadPos().nLine; }

    CTempDir m_dir;
    CDictSource m_source;
};

TEST_F(SourceHeaderTest, Defaults) {
    ASSERT_TRUE(Read(u"word ##:## translation"));
    EXPECT_EQ(HeaderOf(m_source), TestHeader{});  // a main dictionary indexed on both sides
    EXPECT_EQ(m_source.GetReadPos(), (SourcePos{0, 0, 1}));
}

TEST_F(SourceHeaderTest, AllKeywords) {
    ASSERT_TRUE(
        Read(u"$FILE_TYPE: PARTEXT\r\n$DICT_TYPE: other\r\n$INDEX: left\r\n"
             u"$MORPH: russian(l), English\r\n$NAME:  My dictionary \r\nfirst article"))
        << Error();
    EXPECT_EQ(HeaderOf(m_source), (TestHeader{.nFileType = FILE_TYPE_PARTEXT,
                                              .nDictType = DICT_TYPE_OTHER,
                                              .nIndexArea = INDEX_AREA_LEFT,
                                              .strName = u"My dictionary",
                                              .aMorph = {{u"russian", 1, MORPH_SIDE_LEFT},
                                                         {u"English", 2, MORPH_SIDE_BOTH}}}));
    // The counters describe the first article line.
    EXPECT_EQ(m_source.GetReadPos().nLine, 6);
    EXPECT_EQ(m_source.GetReadPos().nCharPos, 107);
    EXPECT_EQ(m_source.GetReadPos().nBytePos, 107);
}

TEST_F(SourceHeaderTest, KeywordsAndValuesIgnoreCaseAndBlanks) {
    for (std::u16string_view line : {u"$index: both", u"$INDEX:BOTH", u"$INDEX:   BOTH   ",
                                     u"  $Index:\tRIGHT", u"$INDEX:right"}) {
        ASSERT_TRUE(Read(std::u16string(line) + u"\r\nx")) << ToUtf8(line) << Error();
    }
    EXPECT_EQ(m_source.GetIndexArea(), INDEX_AREA_RIGHT);
}

TEST_F(SourceHeaderTest, EmptyValuesAndRepeats) {
    ASSERT_TRUE(Read(u"$INDEX: LEFT\r\n$INDEX:\r\n$FILE_TYPE:\r\n$NAME: a\r\n$NAME: b\r\n"));
    EXPECT_EQ(m_source.GetIndexArea(), INDEX_AREA_LEFT);  // an empty value keeps it
    EXPECT_EQ(m_source.GetFileType(), FILE_TYPE_DICT);
    EXPECT_EQ(m_source.GetName(), u"b");
    ASSERT_TRUE(Read(u"$NAME: a\r\n$NAME:\r\n"));
    EXPECT_EQ(m_source.GetName(), u"");  // the name always takes its value
    ASSERT_TRUE(Read(u"$MORPH: German\r\n$MORPH:\r\n$MORPH: Klingon (R)\r\n"));
    ASSERT_EQ(m_source.GetMorphDescrCount(), 2);
    EXPECT_EQ(m_source.GetMorphDescr(0), (MorphDescr{u"German", 3, MORPH_SIDE_BOTH}));
    EXPECT_EQ(m_source.GetMorphDescr(1), (MorphDescr{u"Klingon", 0, MORPH_SIDE_RIGHT}));
}

TEST_F(SourceHeaderTest, OnlyHeaderLines) {
    ASSERT_TRUE(Read(u"$NAME: x\r\n\r\n$INDEX: LEFT"));
    EXPECT_EQ(m_source.GetIndexArea(), INDEX_AREA_LEFT);
    std::u16string strText;
    int32_t nBeg = 0, nEnd = 0, nLine = 0;
    EXPECT_FALSE(m_source.ReadNextArticle(strText, nBeg, nEnd, nLine));
    EXPECT_EQ(m_source.GetError(), u"");
}

TEST_F(SourceHeaderTest, WhatEndsTheHeader) {
    // A line of blanks ends the header; an empty line does not.
    ASSERT_TRUE(Read(u"$NAME: a\r\n\r\n$INDEX: LEFT\r\n  \r\n$INDEX: RIGHT\r\n"));
    EXPECT_EQ(m_source.GetIndexArea(), INDEX_AREA_LEFT);
    EXPECT_EQ(m_source.GetReadPos().nLine, 4);
    // No "$", or no ":", ends it too.
    ASSERT_TRUE(Read(u"AUTHOR: x\r\n$INDEX: LEFT"));
    EXPECT_EQ(m_source.GetIndexArea(), INDEX_AREA_BOTH);
    EXPECT_EQ(m_source.GetReadPos(), (SourcePos{0, 0, 1}));
    ASSERT_TRUE(Read(u"$ dollars\r\n"));
    EXPECT_EQ(m_source.GetReadPos().nLine, 1);
}

struct HeaderErrorCase {
    const char* pszName;
    std::u16string strText;
    std::u16string strError;
    int32_t nLine;
};

void PrintTo(const HeaderErrorCase& c, std::ostream* os) {
    *os << c.pszName;
}

class SourceHeaderErrorTest : public SourceHeaderTest,
                              public ::testing::WithParamInterface<HeaderErrorCase> {};

TEST_P(SourceHeaderErrorTest, NamesTheFaultAndItsLine) {
    const HeaderErrorCase& c = GetParam();
    EXPECT_FALSE(Read(c.strText)) << c.pszName;
    EXPECT_EQ(Error(), ToUtf8(c.strError)) << c.pszName;
    EXPECT_EQ(Line(), c.nLine) << c.pszName;
}

const HeaderErrorCase kHeaderErrors[] = {
    {"unknown keyword", u"$AUTHOR: x\r\nword", u"Error recording keyword '$AUTHOR:'", 1},
    {"unknown keyword after an empty line", u"$NAME: n\r\n\r\n$Author:x",
     u"Error recording keyword '$Author:'", 3},
    {"keyword with a blank", u"$NAME : x", u"Error recording keyword '$NAME :'", 1},
    {"value too long", u"$NAME: " + std::u16string(256, u'n'),
     u"The parameter for keyword ' $NAME:' contains more than 255 symbols", 1},
    {"file type", u"\r\n$FILE_TYPE: XML", u"Wrong file type: 'XML'", 2},
    {"dictionary type", u"$DICT_TYPE: MAINS", u"Wrong dictionary type: 'MAINS'", 1},
    {"index area", u"$INDEX: NONE", u"Wrong index area record: 'NONE'", 1},
    {"language with a digit", u"$MORPH: Russian-1",
     u"Error recording language for morphological analysis 'Russian-1'", 1},
    {"language with a non-ASCII letter", u"$MORPH: Fran\u00E7ais",
     u"Error recording language for morphological analysis 'Fran\u00E7ais'", 1},
    {"two commas", u"$NAME: x\r\n$MORPH: Russian,,English",
     u"Error recording language for morphological analysis ''", 2},
    {"trailing comma", u"$MORPH: Russian, ",
     u"Error recording language for morphological analysis ''", 1},
    {"suffix alone", u"$MORPH: (L)", u"Error recording language for morphological analysis '(L)'",
     1},
    {"bad suffix", u"$MORPH: English(X)",
     u"Error recording language for morphological analysis 'English(X)'", 1},
};

INSTANTIATE_TEST_SUITE_P(Table, SourceHeaderErrorTest, ::testing::ValuesIn(kHeaderErrors),
                         CaseNamer());

TEST_F(SourceHeaderTest, ValueOf255IsAccepted) {
    ASSERT_TRUE(Read(u"$NAME: " + std::u16string(255, u'n') + u"   "));
    EXPECT_EQ(m_source.GetName().size(), 255u);
}

TEST_F(SourceHeaderTest, EveryEncoding) {
    const std::u16string text = u"$NAME: \u0421\u043B\u043E\u0432\u0430\r\n\u0434\u043E\u043C";
    for (TextEncoding e :
         {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Ucs2Le, TextEncoding::Ucs2Be}) {
        ASSERT_TRUE(Read(text, e)) << Error();
        EXPECT_EQ(m_source.GetName(), u"\u0421\u043B\u043E\u0432\u0430");
        EXPECT_EQ(m_source.GetReadPos().nCharPos, 14);
        EXPECT_EQ(m_source.GetReadPos().nLine, 2);
    }
}

TEST_F(SourceHeaderTest, OddLengthUcs2KeepsItsLastHeaderLine) {
    m_source.Close();
    std::string bytes = EncodeText(u"$INDEX: LEFT\r\n$NAME: last", TextEncoding::Ucs2Be);
    bytes.push_back('\0');
    ASSERT_TRUE(m_source.OpenUnicode(m_dir.Write("odd.txt", bytes)));
    ASSERT_TRUE(m_source.ReadHeader()) << Error();
    EXPECT_EQ(m_source.GetName(), u"last");
}

TEST_F(SourceHeaderTest, DecodingFaultNamesItsLine) {
    m_source.Close();
    const std::u16string strPath =
        m_dir.Write("bad.txt", "$NAME: a\r\n\r\n$INDEX: \xF0\x9F\x98\x41\r\n");
    ASSERT_TRUE(m_source.OpenUnicode(strPath));
    EXPECT_FALSE(m_source.ReadHeader());
    EXPECT_EQ(Error(),
              "Error processing text in UTF-8 character set (possibly the text is encoded using "
              "other character set or 4-bytes UTF-8)");
    EXPECT_EQ(Line(), 3);
}

}  // namespace
