// What the compiler writes, opened by the shell's reader.
#include <gtest/gtest.h>

#include "CompileTestUtil.h"
#include "FakeLemmas.h"
#include "ParserTestUtil.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

TEST(CompileReadBack, TheReaderFindsEveryFormAndItsArticle) {
    CTempDir dir;
    const std::u16string text =
        u"$FILE_TYPE: PARTEXT\r\n$DICT_TYPE: OTHER\r\n$MORPH: English(L)\r\n$NAME: Round "
        u"trip\r\n\r\n"
        u"<h>Group</h>\r\n\r\n"
        u"Cats <b>run</b> fast ##:## \u041a\u043e\u0448\u043a\u0438 "
        u"\u0431\u0435\u0433\u0430\u044e\u0442\r\n\r\n"
        u"a cat &eacute;t\u00e9 ##:## \u043a\u043e\u0448\u043a\u0430\r\n";
    dir.Write("rt.txt", EncodeText(text, TextEncoding::Ucs2Be));
    CFakeLemmas lemmas;
    lemmas.Add(2, "CATS", {u"CAT"});
    CompileSetup setup;
    setup.pLemmas = &lemmas;
    CDictCompiler compiler;
    const auto out = dir.Path() / "rt.gmd";
    const auto outcome = RunCompile(compiler, dir.Path() / "rt.txt", out, setup);
    ASSERT_FALSE(outcome.bError) << ToUtf8(outcome.strError);

    CDictIndexFile dict;
    ASSERT_TRUE(dict.Open(FromUtf8(out.string()), CMyFile::MODE_READ));
    ASSERT_TRUE(dict.ReadDictionary(2)) << ToUtf8(dict.GetError());
    EXPECT_EQ(dict.GetFileType(), 2);
    EXPECT_EQ(dict.GetDictType(), 2);
    EXPECT_EQ(dict.GetName(), u"Round trip");
    ASSERT_EQ(dict.GetMorphDescrCount(), 1);
    EXPECT_EQ(dict.GetMorphDescr(0).nLangId, 2);
    EXPECT_EQ(dict.GetArticleCount(), 3);
    EXPECT_EQ(dict.GetWordCount(), 9);
    EXPECT_EQ(dict.GetCompileDate(), kTestDate);
    EXPECT_EQ(dict.GetTextKeys(), kTestKey);

    const CFormLookup cat = dict.LookupForm(u"CAT");
    ASSERT_EQ(cat.status, CFormLookup::FOUND);
    ASSERT_EQ(cat.occurrences.size(), 2u);  // "Cats" through its lemma, then "cat"
    const auto first = cat.occurrences[0];
    std::u16string word;
    ASSERT_TRUE(dict.GetText(static_cast<int32_t>(first.dwPosition),
                             static_cast<int32_t>(first.dwPosition + first.bySpan), word));
    EXPECT_EQ(word, u"Cats");
    CArticleRead article;
    ASSERT_TRUE(dict.ReadArticle(first.dwArticlePos, article));
    ASSERT_TRUE(article.bHasCaption);
    std::u16string caption;
    ASSERT_TRUE(dict.GetText(article.nCaptionLeftBeg, article.nCaptionRightEnd, caption));
    EXPECT_EQ(caption, u"Group");
    bool bEqual = false;
    ASSERT_TRUE(dict.IsTextEqual(u"RUN", text.find(u"<b>run"), text.find(u"</b>") + 4, bEqual));
    EXPECT_TRUE(bEqual);

    const CFormLookup ete = dict.LookupForm(u"\u00c9T\u00c9");
    EXPECT_EQ(ete.status, CFormLookup::FOUND);
    EXPECT_EQ(dict.LookupForm(u"GROUP").status, CFormLookup::ABSENT);
    std::u16string whole;
    ASSERT_TRUE(dict.GetText(0, static_cast<int32_t>(text.size()), whole));
    EXPECT_EQ(whole, text);
}
