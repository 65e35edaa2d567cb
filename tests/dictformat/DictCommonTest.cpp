// The header settings shared by the source and the compiled file.
#include <gtest/gtest.h>

#include "dictformat/DictCommon.h"
#include "support/DictHeader.h"
#include "support/ThrownText.h"

namespace {

class CTestDict : public CDictCommon {
public:
    bool ReadHeader(int32_t&) override { return true; }
    bool WriteHeader() override { return true; }
};

TEST(DictCommon, DefaultsAndReset) {
    CTestDict dict;
    EXPECT_EQ(HeaderOf(dict), TestHeader{});  // a main dictionary indexed on both sides

    dict.SetFileType(FILE_TYPE_PARTEXT);
    dict.SetIndexArea(INDEX_AREA_LEFT);
    dict.SetName(u"n");
    dict.AddMorphDescr({u"English", 2, MORPH_SIDE_RIGHT});
    ASSERT_TRUE(dict.SetArticleCount(3));
    dict.Reset();
    EXPECT_EQ(HeaderOf(dict), TestHeader{});
}

TEST(DictCommon, CountsRefuseNegatives) {
    CTestDict dict;
    ASSERT_TRUE(dict.SetArticleCount(5));
    EXPECT_FALSE(dict.SetArticleCount(-1));
    EXPECT_EQ(dict.GetArticleCount(), 5);
    EXPECT_EQ(dict.GetError(),
              u"Error in CDictCommon::SetArticleCount\nArticles count less than 0");
    ASSERT_TRUE(dict.SetWordCount(0));
    EXPECT_FALSE(dict.SetWordCount(-7));
    EXPECT_EQ(dict.GetWordCount(), 0);
    EXPECT_EQ(dict.GetError(), u"Error in CDictCommon::SetWordCount\nWords count less than 0");
}

TEST(DictCommon, MorphDescriptorOutOfRange) {
    CTestDict dict;
    dict.AddMorphDescr({u"Russian", 1, MORPH_SIDE_LEFT});
    EXPECT_EQ(dict.GetMorphDescr(0), (MorphDescr{u"Russian", 1, MORPH_SIDE_LEFT}));
    const std::u16string expected =
        u"Error in CDictCommon::GetMorphDescr(...)\n"
        u"CRetElemClass CMyArray<CElemClass, CRetElemClass>::GetAt(int):\r\nInvalid array index";
    for (int nIndex : {-1, 1}) {
        EXPECT_EQ(ThrownText([&] { dict.GetMorphDescr(nIndex); }), expected) << nIndex;
        EXPECT_EQ(dict.GetError(), expected);
    }
}

TEST(DictCommon, LanguageIdsFromNames) {
    EXPECT_EQ(MorphLangIdFromName(u"Russian"), 1);
    EXPECT_EQ(MorphLangIdFromName(u"english"), 2);
    EXPECT_EQ(MorphLangIdFromName(u"GERMAN"), 3);
    EXPECT_EQ(MorphLangIdFromName(u"Spanish"), 0);
    EXPECT_EQ(MorphLangIdFromName(u""), 0);
}

TEST(DictCommon, CopyHeaderTakesEverySetting) {
    CTestDict source;
    source.SetFileType(FILE_TYPE_PARTEXT);
    source.SetDictType(DICT_TYPE_OTHER);
    source.SetIndexArea(INDEX_AREA_RIGHT);
    source.SetName(u"Name");
    source.AddMorphDescr({u"German", 3, MORPH_SIDE_BOTH});
    source.AddMorphDescr({u"Klingon", 0, MORPH_SIDE_LEFT});
    ASSERT_TRUE(source.SetArticleCount(10));
    ASSERT_TRUE(source.SetWordCount(20));
    CTestDict copy;
    copy.AddMorphDescr({u"Russian", 1, MORPH_SIDE_LEFT});
    copy.CopyHeader(source);
    EXPECT_EQ(
        HeaderOf(copy),
        (TestHeader{.nFileType = FILE_TYPE_PARTEXT,
                    .nDictType = DICT_TYPE_OTHER,
                    .nIndexArea = INDEX_AREA_RIGHT,
                    .strName = u"Name",
                    .aMorph = {{u"German", 3, MORPH_SIDE_BOTH}, {u"Klingon", 0, MORPH_SIDE_LEFT}},
                    .nArticles = 10,
                    .nWords = 20}));
}

}  // namespace
