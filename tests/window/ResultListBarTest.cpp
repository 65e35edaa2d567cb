#include "shell/ResultListBar.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "library/DictLibrary.h"

namespace {

std::string Dump(const std::vector<CListBarRow>& rows) {
    std::string out;
    for (const CListBarRow& row : rows) {
        out += std::to_string(row.nCommand) + (row.bFolder ? " [" : " ") + ToUtf8(row.strText) +
               (row.bFolder ? "]" : " #" + std::to_string(*row.nFile)) + "\n";
    }
    return out;
}

TEST(ResultListBarTest, FilesAreGroupedByCategoryAndNumberedInDisplayOrder) {
    const std::vector<CListBarFile> files = {
        {DICT_CATEGORY_PARALLEL, u"Book", 3},
        {DICT_CATEGORY_MAIN, u"Big", 40},
        {DICT_CATEGORY_MAIN, u"Small", 1},
    };
    EXPECT_EQ(Dump(BuildListBarRows(files)),
              "45533 [Main dictionaries]\n"
              "45534 Big (40) #1\n"
              "45535 Small (1) #2\n"
              "45536 [Parallel texts]\n"
              "45537 Book (3) #0\n");
    EXPECT_TRUE(BuildListBarRows({}).empty());
}

}  // namespace
