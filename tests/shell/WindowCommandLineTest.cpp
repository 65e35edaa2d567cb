#include "shell/WindowCommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowCommandLineTest, LookupOptionsRunHeadlessAnythingElseOpensTheWindow) {
    using Args = std::vector<std::string>;
    EXPECT_TRUE(IsHeadlessRequest(Args{"--search", "cat"}));
    EXPECT_TRUE(IsHeadlessRequest(Args{"--home", "x", "--search=cat"}));
    EXPECT_TRUE(IsHeadlessRequest(Args{"--version"}));
    EXPECT_TRUE(IsHeadlessRequest(Args{"-h"}));
    EXPECT_FALSE(IsHeadlessRequest(Args{}));
    EXPECT_FALSE(IsHeadlessRequest(Args{"--home", "x", "big", "city"}));
    EXPECT_FALSE(IsHeadlessRequest(Args{"--", "--search"}));

    std::string strError;
    auto line = ParseWindowCommandLine({"--home", "/h", "big", "city"}, strError);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->strHome, u"/h");
    EXPECT_EQ(line->strQuery, u"big city");
    line = ParseWindowCommandLine({"--home=/h", "--", "-x"}, strError);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->strQuery, u"-x");
    EXPECT_FALSE(ParseWindowCommandLine({"--home"}, strError));
    EXPECT_FALSE(ParseWindowCommandLine({"--colour", "red"}, strError));
    EXPECT_EQ(strError, "unknown option --colour");
}

}  // namespace
