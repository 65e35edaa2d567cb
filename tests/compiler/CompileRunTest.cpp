// Whole compiles, read back from the file byte by byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "CompileTestUtil.h"
#include "FakeLemmas.h"
#include "GmdTestFile.h"
#include "ParserTestUtil.h"
#include "compiler/CompileTexts.h"
#include "core/Utf8.h"
#include "support/Bytes.h"
#include "support/ThrownText.h"

namespace {

std::string Narrow(std::u16string_view s) {
    return ToUtf8(s);
}

std::string FormatKb(uint64_t nBytes) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(nBytes) / 1024.0);
    return buf;
}

class CompileRunTest : public ::testing::Test {
protected:
    std::filesystem::path Source(const std::string& name, std::u16string_view text,
                                 TextEncoding enc = TextEncoding::Utf8Bom) {
        m_dir.Write(name, EncodeText(text, enc));
        return m_dir.Path() / name;
    }
    std::filesystem::path Out(const std::string& name = "out.gmd") { return m_dir.Path() / name; }
    CompileOutcome Compile(const std::filesystem::path& source, const std::filesystem::path& output,
                           const CompileSetup& setup = {}) {
        return RunCompile(m_compiler, source, output, setup);
    }
    size_t FilesInFolder() {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir.Path()))
            ++n;
        return n;
    }

    CTempDir m_dir;
    CDictCompiler m_compiler;
};

}  // namespace

TEST_F(CompileRunTest, SmallSourceByteForByte) {
    const std::u16string text = u"$NAME: T\r\n\r\nab ##:## c\r\n";
    const auto outcome = Compile(Source("s.txt", text), Out());
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);

    const uint32_t b0 = 5 + 8 + 8 + 28, b1 = b0 + 24, b2 = b1 + 4 * 65538, b3 = b2 + 27,
                   b4 = b3 + 36;
    Bytes e;
    e.u8(2).u32(kTestDate).u8(1).u8(1).u8(3).u8(0).u16(1).u16('T').u32(1).u32(2);
    e.u32(b0).u32(b1).u32(b2).u32(b3).u32(b4);
    for (uint16_t k : kTestKey)
        e.u16(k);
    e.u32(12).u32(15).u32(20).u32(22).u32(0xFFFFFFFF).u32(0x00410042);
    for (uint32_t i = 0; i < 65538; ++i) {
        uint32_t entry = 0;
        if (i == 'A') entry = b2;
        if (i == 'C') entry = b2 + 9;
        if (i == 65535) entry = b2 + 18;
        if (i == 65536) entry = 0x80000000 | b3;
        if (i == 65537) entry = 0x80000000 | (b3 + 18);
        e.u32(entry);
    }
    e.u32(1).u16('B').u16(65535 & 0xFFFF).u8(0);     // root A: B -> 65535
    e.u32(1).u16('+').u16(65537 & 0xFFFF).u8(1);     // root C: + -> 65537
    e.u32(1).u16('+').u16(65536 & 0xFFFF).u8(1);     // node 65535: + -> 65536
    e.u32(1).u32(0).u32(12).u8(2).u32(b0).u8(0x0E);  // AB
    e.u32(1).u32(1).u32(21).u8(1).u32(b0).u8(0x0F);  // C
    ASSERT_EQ(e.v.size(), b4);
    for (size_t i = 0; i < text.size(); ++i)
        e.u16(text[i] ^ kTestKey[i % 4]);

    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_EQ(file.bytes, e.v);
    EXPECT_EQ(m_compiler.GetOutputSize(), e.v.size());
}

TEST_F(CompileRunTest, EveryEncodingGivesTheSameFile) {
    const std::u16string text =
        u"$FILE_TYPE: PARTEXT\r\n$NAME: \u0421\u043b\u043e\u0432\u0430\r\n\r\n"
        u"<h>Caption</h>\r\n\r\n"
        u"\u0451\u043b\u043a\u0430 &amp; <b>Stra\u00dfe</b> ##:## fir tree<br>x "
        u"&#233;t\u00e9\r\n\r\n"
        u"\u4e2d\u6587 word\r\nsecond line ##:## <i>comment</i> w\u00f6rter\r\n\r\n"
        u"\U00029E8A fish ##:## \U0001F600 smile\r\n";
    std::vector<std::vector<uint8_t>> files;
    int n = 0;
    for (auto enc :
         {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Ucs2Le, TextEncoding::Ucs2Be}) {
        const auto out = Out("e" + std::to_string(n) + ".gmd");
        const auto outcome = Compile(Source("e" + std::to_string(n++) + ".txt", text, enc), out);
        ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
        CGmdTestFile file;
        ASSERT_TRUE(file.Load(out)) << file.Fault();
        EXPECT_EQ(file.Text(), text);
        EXPECT_EQ(file.bytes.size(), file.blocks[4] + 2 * text.size());
        files.push_back(file.bytes);
    }
    EXPECT_EQ(files[0], files[1]);
    EXPECT_EQ(files[0], files[2]);
    EXPECT_EQ(files[0], files[3]);
}

TEST_F(CompileRunTest, RecordsCaptionsAndListsReadBack) {
    const std::u16string text =
        u"$INDEX: BOTH\r\n$NAME: Test\r\n\r\n"
        u"<h>Animals</h>\r\n\r\n"
        u"cat ##:## \u043a\u043e\u0442, cat\r\n\r\n"
        u"<i>only a comment</i>\r\n\r\n"
        u"dog Cat\r\n";
    const auto outcome = Compile(Source("r.txt", text), Out());
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_EQ(file.strName, u"Test");
    ASSERT_EQ(file.nArticles, 4);
    EXPECT_EQ(file.nWords, 5);
    const int32_t b0 = static_cast<int32_t>(file.blocks[0]);
    // The caption points at itself; the articles after it at the caption.
    EXPECT_EQ(file.articles[0][4], b0);
    EXPECT_EQ(file.articles[1][4], b0);
    EXPECT_EQ(file.articles[2][4], b0);
    // An article of a comment only: sort key 0, no parts separator.
    EXPECT_EQ(file.articles[2][5], 0);
    EXPECT_EQ(file.articles[2][1], -1);
    EXPECT_EQ(file.articles[2][2], -1);
    EXPECT_EQ(file.articles[1][5], ('C' << 16) | 'A');
    EXPECT_EQ(text.substr(file.articles[0][0], file.articles[0][3] - file.articles[0][0]),
              u"Animals");

    const auto cat = file.Lookup(u"CAT");
    ASSERT_TRUE(cat);
    ASSERT_EQ(cat->size(), 3u);
    const uint32_t a1 = b0 + 24, a3 = b0 + 72;
    EXPECT_EQ((*cat)[0],
              (GmdTestOccurrence{0, static_cast<uint32_t>(text.find(u"cat ")), 3, a1, 0x0E}));
    EXPECT_EQ((*cat)[1].byFlags, 0x0B);  // right part, last of it
    EXPECT_EQ((*cat)[1].dwWordNum, 2u);
    EXPECT_EQ((*cat)[2],
              (GmdTestOccurrence{4, static_cast<uint32_t>(text.find(u"Cat")), 3, a3, 0x0A}));
    const auto dog = file.Lookup(u"DOG");
    ASSERT_TRUE(dog);
    EXPECT_EQ((*dog)[0].byFlags, 0x04);
    EXPECT_FALSE(file.Lookup(u"ONLY"));     // comments are not indexed
    EXPECT_FALSE(file.Lookup(u"ANIMALS"));  // nor captions
    EXPECT_EQ(file.AllForms().size(), 3u);
}

TEST_F(CompileRunTest, EmptyDictionaryHasOnlyRootsAndItsHeaderText) {
    const std::u16string text = u"$NAME:\r\n$INDEX: LEFT\r\n";
    const auto outcome = Compile(Source("h.txt", text), Out());
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_EQ(file.nArticles, 0);
    EXPECT_EQ(file.byIndexArea, 1);
    EXPECT_TRUE(file.strName.empty());
    EXPECT_EQ(file.blocks[1], file.blocks[0]);
    EXPECT_EQ(file.blocks[2], file.blocks[1] + 262140);
    EXPECT_EQ(file.blocks[3], file.blocks[2]);
    EXPECT_EQ(file.blocks[4], file.blocks[2]);
    EXPECT_EQ(file.Text(), text);
    // The time varies; everything around it is fixed.
    const std::string status = Narrow(outcome.strStatus);
    const std::string head = "\r\nFile compilation time: ";
    const size_t nTimeEnd = status.find(" [seconds]\r\n");
    ASSERT_EQ(status.rfind(head, 0), 0u) << status;
    ASSERT_NE(nTimeEnd, std::string::npos) << status;
    const std::string time = status.substr(head.size(), nTimeEnd - head.size());
    EXPECT_EQ(time.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(time.size() - time.find('.'), 2u);  // one decimal
    EXPECT_EQ(status.substr(nTimeEnd),
              " [seconds]\r\n0 articles and 0 words processed\r\nSource file size: 0.024 [KB]\r\n"
              "File size with index: " +
                  FormatKb(m_compiler.GetOutputSize()) + " [KB]");
}

TEST_F(CompileRunTest, HeaderMorphologyAndLemmasReachTheFile) {
    CFakeLemmas lemmas;
    lemmas.Add(2, "RUNS", {u"RUN"});
    lemmas.Add(1, "\xCA\xCE\xD2\xDB", {u"\u041a\u041e\u0422"});
    lemmas.strLoadReport = u"Morphological module for English language loaded in 0.5 [seconds]";
    CompileSetup setup;
    setup.pLemmas = &lemmas;
    const std::u16string text =
        u"$MORPH: English(L), Russian(r), Klingon\r\n\r\nruns ##:## \u043a\u043e\u0442\u044b "
        u"runs\r\n";
    const auto outcome = Compile(Source("m.txt", text), Out(), setup);
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_EQ(file.morph,
              (std::vector<GmdTestMorph>{{u"English", 1}, {u"Russian", 2}, {u"Klingon", 3}}));
    EXPECT_EQ(file.Lookup(u"RUN")->size(), 1u);  // English for the left part only
    EXPECT_EQ(file.Lookup(u"RUNS")->size(), 2u);
    EXPECT_EQ(file.Lookup(u"\u041a\u041e\u0422")->size(), 1u);
    EXPECT_EQ(lemmas.loaded, (std::vector<int32_t>{2, 1}));  // Klingon has no module
    // Both modules' reports stand before the time line.
    EXPECT_EQ(outcome.strStatus.rfind(lemmas.strLoadReport + u"\r\n" + lemmas.strLoadReport +
                                          u"\r\nFile compilation time:",
                                      0),
              0u)
        << Narrow(outcome.strStatus);
}

TEST_F(CompileRunTest, MappedSpellingsAreFound) {
    m_dir.Write("map.txt", EncodeText(u"\u00df ss\r\n\u0401 \u0415\r\n", TextEncoding::Utf8));
    CompileSetup setup;
    setup.strMapPath = FromUtf8((m_dir.Path() / "map.txt").string());
    const auto outcome =
        Compile(Source("s.txt", u"Stra\u00dfe \u0451\u043b\u043a\u0430\r\n"), Out(), setup);
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_TRUE(file.Lookup(u"STRASSE"));
    EXPECT_TRUE(file.Lookup(u"STRA\u00dfE"));
    EXPECT_TRUE(file.Lookup(u"\u0415\u041b\u041a\u0410"));
    EXPECT_EQ(m_compiler.GetCharMap().size(), 2u);
}

TEST_F(CompileRunTest, ErrorsLeaveNoOutputAndKeepTheOldDictionary) {
    WriteBytes(Out(), {'o', 'l', 'd'});
    struct Case {
        std::u16string text;
        std::string expected;  // start of the error text
        int32_t nLine;
        std::u16string_view status;  // what the run was doing
    };
    std::u16string languages;
    for (int i = 0; i < 40; ++i)
        languages += u"a,";
    const std::string tooMany =
        "The list of languages for morphological analysis holds more "
        "than 64 items";
    const Case cases[] = {
        {u"$AUTHOR: x\r\n\r\na\r\n", "Error in file, line 1\r\nError recording keyword '$AUTHOR:'",
         1, u""},
        {u"a ##:## b\r\n\r\nc ##:## d ##:## e\r\n", "Error in file, line 3\r\n", 3,
         kStatusChecking},
        // A dictionary with more languages than a reader accepts would never open.
        {u"$MORPH: " + languages + u"a\r\n$MORPH: " + languages + u"a\r\n\r\na\r\n",
         "Error in file, line 2\r\n" + tooMany, 2, u""},
    };
    for (const Case& c : cases) {
        const auto outcome = Compile(Source("bad.txt", c.text), Out());
        ASSERT_TRUE(outcome.bStarted);
        EXPECT_TRUE(outcome.bError);
        EXPECT_EQ(Narrow(outcome.strError).rfind(c.expected, 0), 0u) << Narrow(outcome.strError);
        EXPECT_EQ(outcome.nLine, c.nLine);
        EXPECT_EQ(outcome.strStatus, c.status);
        EXPECT_EQ(ReadBytes(Out()), (std::vector<uint8_t>{'o', 'l', 'd'}));
        EXPECT_EQ(FilesInFolder(), 2u);  // the source and the old dictionary
    }
}

TEST_F(CompileRunTest, HeaderErrorComesBeforeInitializing) {
    const auto outcome = Compile(Source("bad.txt", u"$INDEX: MIDDLE\r\n"), Out());
    EXPECT_TRUE(outcome.bError);
    EXPECT_TRUE(outcome.strStatus.empty());
    EXPECT_EQ(m_compiler.GetNodeCount(), 0u);  // the roots were never made
}

TEST_F(CompileRunTest, AnsweringNoEndsWithIndexingAborted) {
    WriteBytes(Out(), {'o', 'l', 'd'});
    CFakeLemmas lemmas;
    lemmas.nFailingLanguage = 2;
    std::u16string strQuestion;
    CompileSetup setup;
    setup.pLemmas = &lemmas;
    setup.ask = [&](const std::u16string& q) {
        strQuestion = q;
        return false;
    };
    const auto outcome =
        Compile(Source("m.txt", u"$MORPH: Russian, English\r\n\r\nwords\r\n"), Out(), setup);
    EXPECT_EQ(strQuestion, u"module 2 failed\r\nContinue indexing?");
    EXPECT_TRUE(outcome.bAborted);
    EXPECT_EQ(outcome.strError, kIndexingAbortedText);
    EXPECT_EQ(ReadBytes(Out()), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(FilesInFolder(), 2u);

    setup.ask = [](const std::u16string&) { return true; };
    const auto goesOn =
        Compile(Source("m.txt", u"$MORPH: Russian, English\r\n\r\nwords\r\n"), Out(), setup);
    EXPECT_FALSE(goesOn.bError) << Narrow(goesOn.strError);
    EXPECT_FALSE(goesOn.bAborted);
}

TEST_F(CompileRunTest, AnAbortWhileLoadingTheLemmatizersStopsTheLoadingAndAsksNothing) {
    CFakeLemmas lemmas;
    lemmas.nFailingLanguage = 2;
    lemmas.onLoad = [&] { m_compiler.RequestAbort(); };
    bool bAsked = false;
    CompileSetup setup;
    setup.pLemmas = &lemmas;
    setup.ask = [&](const std::u16string&) { return bAsked = true; };
    const auto outcome =
        Compile(Source("m.txt", u"$MORPH: Russian, English\r\n\r\nwords\r\n"), Out(), setup);
    EXPECT_TRUE(outcome.bAborted);
    EXPECT_EQ(lemmas.loaded, (std::vector<int32_t>{1}));
    EXPECT_FALSE(bAsked);
}

TEST_F(CompileRunTest, AbortDuringThePassesKeepsTheOldDictionary) {
    WriteBytes(Out(), {'o', 'l', 'd'});
    std::u16string text = u"\r\n";
    for (int i = 0; i < 20000; ++i)
        text += u"word" + FromUtf8(std::to_string(i)) + u" ##:## x\r\n\r\n";
    CompileSetup setup;
    setup.afterStart = [](CDictCompiler& c) { c.RequestAbort(); };
    const auto outcome = Compile(Source("big.txt", text), Out(), setup);
    EXPECT_TRUE(outcome.bAborted);
    EXPECT_EQ(outcome.strError, kIndexingAbortedText);
    EXPECT_EQ(ReadBytes(Out()), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(CompileRunTest, ASourceNeedingTooManyNodesIsRefused) {
    CompileSetup setup;
    setup.nNodeLimit = 65535 + 10;
    const auto outcome = Compile(Source("n.txt", u"abcdef ghijkl\r\n"), Out(), setup);
    EXPECT_TRUE(outcome.bError);
    EXPECT_EQ(outcome.strError,
              u"Error creating index file:\r\n" + std::u16string(kTooManyNodesText));
    EXPECT_FALSE(std::filesystem::exists(Out()));
    EXPECT_EQ(FilesInFolder(), 1u);
}

// The articles are indexed on one thread while the next are parsed on
// another; of a fault of the index and a syntax error thousands of articles
// apart, the one that comes first in the source is reported.
TEST_F(CompileRunTest, TheFirstFaultInTheSourceIsReported) {
    std::u16string filler;
    for (int i = 0; i < 20000; ++i)
        filler += u"a ##:## b\r\n\r\n";
    const std::u16string tooManyNodes = u"abcdef ghijkl\r\n\r\n";
    const std::u16string syntaxError = u"x <i>\r\n\r\n";
    CompileSetup setup;
    setup.nNodeLimit = 65535 + 10;
    auto outcome = Compile(Source("n.txt", tooManyNodes + filler + syntaxError), Out(), setup);
    EXPECT_EQ(outcome.strError,
              u"Error creating index file:\r\n" + std::u16string(kTooManyNodesText));
    outcome = Compile(Source("s.txt", syntaxError + filler + tooManyNodes), Out(), setup);
    EXPECT_EQ(Narrow(outcome.strError).rfind("Error in file, line 1\r\n", 0), 0u)
        << Narrow(outcome.strError);
    EXPECT_EQ(outcome.nLine, 1);
}

TEST_F(CompileRunTest, StartFailuresNameTheirCause) {
    CompileOutcome outcome = Compile(m_dir.Path() / "missing.txt", Out());
    EXPECT_FALSE(outcome.bStarted);
    EXPECT_EQ(Narrow(outcome.strError).rfind("Error opening file:\r\nFailed to open document.", 0),
              0u)
        << Narrow(outcome.strError);
    EXPECT_FALSE(m_compiler.IsRunning());

    outcome = Compile(Source("s.txt", u"a\r\n"), m_dir.Path() / "no-folder" / "out.gmd");
    EXPECT_FALSE(outcome.bStarted);
    EXPECT_EQ(Narrow(outcome.strError).rfind("Error opening file:\r\nFailed to open document.", 0),
              0u);

    CompileSetup setup;
    setup.strMapPath = FromUtf8((m_dir.Path() / "nomap.txt").string());
    outcome = Compile(Source("s.txt", u"a\r\n"), Out(), setup);
    EXPECT_FALSE(outcome.bStarted);
    EXPECT_NE(Narrow(outcome.strError).find("not found or could not be read"), std::string::npos);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(CompileRunTest, ASourceCanBeCompiledOverItself) {
    // The source is read through its mapping while its successor is written
    // beside it; the rename at the end replaces it.
    const auto path = Source("self.gmd", u"alpha beta\r\n");
    const auto outcome = Compile(path, path);
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(path)) << file.Fault();
    EXPECT_EQ(file.Text(), u"alpha beta\r\n");
}

TEST(CompileTexts, TimeLineSwitchesToMinutesAtOneMinute) {
    EXPECT_EQ(CompileTimeText(59.9), u"File compilation time: 59.9 [seconds]");
    EXPECT_EQ(CompileTimeText(90.0), u"File compilation time: 1.5 [minutes]");
    EXPECT_EQ(CompileStatisticsText(u"", 1.25, 3, 7, 2048, 1536),
              u"\r\nFile compilation time: 1.2 [seconds]\r\n3 articles and 7 words processed\r\n"
              u"Source file size: 2.000 [KB]\r\nFile size with index: 1.500 [KB]");
}

TEST_F(CompileRunTest, TextBlockHoldsWhatTheReaderDecodedEvenAtACutEnd) {
    // A three-byte sequence cut off by the end of the file.
    m_dir.Write("cut.txt", std::string("alpha \xD0\xB1\xD0\xB5 beta \xE2\x82"));
    const auto outcome = Compile(m_dir.Path() / "cut.txt", Out());
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    CGmdTestFile file;
    ASSERT_TRUE(file.Load(Out())) << file.Fault();
    EXPECT_EQ(file.Text(), u"alpha \u0431\u0435 beta \uFFFD");
    EXPECT_TRUE(file.Lookup(u"\u0411\u0415"));
}

TEST_F(CompileRunTest, TheRunsArraysAreReadableAfterwards) {
    const auto outcome = Compile(Source("a.txt", u"ab ac\r\n\r\nab\r\n"), Out());
    ASSERT_FALSE(outcome.bError) << Narrow(outcome.strError);
    EXPECT_EQ(m_compiler.GetArticleCount(), 2);
    EXPECT_EQ(m_compiler.GetArticleInfo(1).nSortKey, ('A' << 16) | 'B');
    CAutomNodeRel root = m_compiler.GetAutom('A');
    ASSERT_EQ(root.GetRelCount(), 2);
    EXPECT_EQ(root.GetRelSymb(0), u'B');
    EXPECT_EQ(root.GetRelSymb(1), u'C');
    ASSERT_EQ(m_compiler.GetWordInfoCount(), 2);
    const auto ab = m_compiler.GetWordInfo(0);
    ASSERT_EQ(ab.size(), 2u);
    EXPECT_EQ(ab[1].dwArticlePos, 1u);  // the article index while compiling
    const std::pair<std::function<void()>, std::u16string> faults[] = {
        {[&] { m_compiler.GetAutom(static_cast<int>(m_compiler.GetNodeCount())); },
         u"Error in CDictCompiler::GetAutom\nInvalid array index"},
        {[&] { m_compiler.GetWordInfo(2); },
         u"Error in CDictCompiler::GetWordInfo\nInvalid array index"},
        {[&] { m_compiler.GetArticleInfo(-1); },
         u"Error in CDictCompiler::GetArticleInfo\nInvalid array index"},
    };
    for (const auto& [call, text] : faults)
        EXPECT_EQ(ThrownText(call), text);
}
