// The markup of imported definitions as the source's markup: a table of
// inputs and the right part of the article each gives.
#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "import/MarkupConverter.h"

namespace {

std::string RightPart(MarkupDialect dialect, std::u16string_view text) {
    CSourceArticle article({});
    article.Begin(u"w");
    AppendMarkup(article, text, dialect);
    std::u16string strError;
    EXPECT_TRUE(article.Finish(strError));
    const std::string all = ToUtf8(article.GetText());
    return all.size() > 8 ? all.substr(8) : "";
}

struct Case {
    MarkupDialect dialect;
    std::u16string input;
    std::string expected;
};

TEST(Markup, TagsReferencesAndLineEnds) {
    using D = MarkupDialect;
    const std::vector<Case> cases = {
        // HTML: kept tags in capitals (the source's own tags are lower case).
        {D::Html, u"<b>bold</b> <i>it</i>\nnext", "<B>bold</B> <I>it</I> next"},
        {D::Html, u"<b>open <u>both", "<B>open <U>both</U></B>"},
        {D::Html, u"stray</b> <p>x</P>", "stray <P>x</P>"},
        {D::Html, u"a<br/>b<BR>c", "a<br>\nb<br>\nc"},
        {D::Html, u"<script>x<b></script>y<!-- <b> -->z", "yz"},
        {D::Html, u"<a href=\"bword://cat\" onclick=\"x\">cat</a>",
         "<A href=\"find://cat\">cat</A>"},
        {D::Html, u"<a href='javascript:x'>j</a><img src=\"p.png\">", "<A>j</A>"},
        {D::Html, u"<font color=\"a<b>\" size=2>f</font>",
         "<FONT color=\"ab\" size=\"2\">f</FONT>"},
        {D::Html, u"&amp; &lt;&gt; &eacute; &mdash; &#233;&#x41; &bogus; &x1; & ;",
         "&#38; &#60;&#62; &eacute; \u2014 \u00E9A &bogus; &#38;x1; &#38; ;"},
        {D::Html, u"1 < 2 and <3", "1 &#60; 2 and &#60;3"},
        {D::Html, u"<pre>a\nb</pre>", "<PRE>a<br>\nb</PRE>"},
        // XDXF as StarDict stores it.
        {D::Xdxf, u"<k>cat</k>\n<tr>kat</tr> <abr>n</abr> <kref>dog</kref>",
         "<B>cat</B><br>\n[kat] <FONT color=\"green\">n</FONT> <A href=\"find\">dog</A>"},
        {D::Xdxf, u"<ex>ex</ex> <c c=\"red\">r</c> <rref>s.wav</rref><dtrn>t</dtrn>",
         "<FONT color=\"#5F5F5F\">ex</FONT> <FONT color=\"red\">r</FONT> t"},
        // Pango.
        {D::Pango, u"<span foreground=\"blue\">b</span> <b>x</b>\ny",
         "<FONT color=\"blue\">b</FONT> <B>x</B><br>\ny"},
        // Other XML: text only.
        {D::Xml, u"<a><b>x</b></a>\ny", "x<br>\ny"},
        // dictd: "{word}" refers to another headword.
        {D::Dictd, u"see {cat}, {two\n   lines} {} {a{b} <{x}>",
         "see <A href=\"find\">cat</A>, <A href=\"find\">two lines</A> {} {a<A "
         "href=\"find\">b</A> &#60;<A href=\"find\">x</A>&#62;"},
        // Plain text: nothing is markup.
        {D::Plain, u"<b>&amp;</b>", "&#60;b&#62;&#38;amp;&#60;/b&#62;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RightPart(c.dialect, c.input), c.expected) << ToUtf8(c.input);
}

}  // namespace
