// Hand-written sources are often wrong: no input may crash, hang or read out
// of bounds. Random soups of the characters the parser cares about, run
// through one article and through whole files (best under the sanitizers).
#include <gtest/gtest.h>

#include <cstdint>

#include "ParserTestUtil.h"
#include "compiler/ArticlePass.h"

namespace {

class CRandom {
public:
    explicit CRandom(uint64_t nSeed) : m_nState(nSeed) {}
    uint32_t Below(uint32_t n) {
        m_nState = m_nState * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(m_nState >> 33) % n;
    }

private:
    uint64_t m_nState;
};

std::u16string Soup(CRandom& rnd, size_t nPieces) {
    static const std::u16string_view kPieces[] = {
        u"<",    u">",        u"&",    u";",         u"#",          u"x",      u"a",
        u"Z9",   u" ",        u"\r\n", u"\r",        u"\n",         u"##:##",  u"<h>",
        u"</h>", u"<i>",      u"</i>", u"<noindex>", u"</noindex>", u"<br>",   u"&#65;",
        u"&#;",  u"&eacute;", u"&#x",  u"\u4E2D",    u"\u3000",     u"\u0436", u"\uFFFF",
    };
    std::u16string text;
    for (size_t i = 0; i < nPieces; ++i)
        text += kPieces[rnd.Below(std::size(kPieces))];
    return text;
}

TEST(Robustness, RandomArticles) {
    CRandom rnd(7);
    int nAccepted = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::u16string text = Soup(rnd, 1 + rnd.Below(60));
        for (int32_t nArea : {INDEX_AREA_LEFT, INDEX_AREA_RIGHT, INDEX_AREA_BOTH}) {
            ParseOutcome out = ParseOne(text, nArea);
            if (out.bOk) {
                ++nAccepted;
                for (const RecordedWord& w : out.words) {
                    ASSERT_GE(w.nSpan, 1);
                    ASSERT_LE(w.nSpan, 255);
                    ASSERT_GE(w.nPosition, 0);
                    ASSERT_LE(w.nPosition + w.nSpan, static_cast<int32_t>(text.size()));
                }
            } else {
                ASSERT_FALSE(out.strError.empty());
            }
            ASSERT_GE(out.nLine, 1);
        }
    }
    EXPECT_GT(nAccepted, 0);
}

TEST(Robustness, RandomSources) {
    CRandom rnd(11);
    CTempDir dir;
    for (int i = 0; i < 200; ++i) {
        std::u16string text;
        if (rnd.Below(2) == 0) text += u"$NAME: n\r\n$MORPH: English\r\n";
        text += Soup(rnd, rnd.Below(400));
        const TextEncoding encoding = static_cast<TextEncoding>(rnd.Below(4));
        std::string bytes = EncodeText(text, encoding);
        if (rnd.Below(4) == 0 && !bytes.empty()) bytes.pop_back();  // cut the last unit
        const std::u16string strPath = dir.Write("s.txt", bytes);
        CSeparatorSettings settings;
        settings.nArticlesSepType = 1 + static_cast<int32_t>(rnd.Below(3));
        settings.strArticlesSep = u"\r\n@";
        const ArticlePassResult result = CheckSourceFile(strPath, settings);
        if (result.nOutcome == ArticlePassResult::FAILED) {
            ASSERT_FALSE(result.strError.empty());
        }
    }
}

TEST(Robustness, HugeArticleWithoutAnyClosingCharacter) {
    // Every "<" and "&" looks for a ">" or ";" that never comes.
    std::u16string text;
    for (int i = 0; i < 100000; ++i)
        text += u"&a b";
    text += u"<";
    EXPECT_EQ(ParseOne(text).strError, u"Open tag found");
}

}  // namespace
