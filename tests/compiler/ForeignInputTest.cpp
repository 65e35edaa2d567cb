// Telling inputs that are plainly no source from their first bytes.
#include "compiler/ForeignInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ForeignInput, TellsWhatTheFirstLinesShow) {
    const std::string kGzip("\x1F\x8B\x08\x00", 4);
    const struct {
        std::string head;
        std::u16string strPartsSep;
        ForeignInput nKind;
        int32_t nLine;
    } cases[] = {
        {kGzip, u"##:##", ForeignInput::GZIP, 1},
        {"00-database-url\tA\tBc\nword\tCd\tk\n", u"##:##", ForeignInput::DICTD_INDEX, 1},
        // Keyword lines and empty lines are passed over, and a BOM is no text.
        {"\xEF\xBB\xBF$NAME: x\n\ncat\tKatze\r\ndog\tHund", u"##:##", ForeignInput::TAB_SEPARATED,
         3},
        // A tab in the parts separator, or the separator in every line: meant so.
        {"cat\tKatze\ndog\tHund\n", u"\t", ForeignInput::NONE, 0},
        {"cat ##:## Katze\tdie\n", u"##:##", ForeignInput::NONE, 0},
        {"cat ##:## Katze\n\ndog\tHund\n", u"##:##", ForeignInput::NONE, 0},
        // UCS-2 is not judged line by line.
        {std::string("\xFF\xFE"
                     "c\0\t\0d\0\n\0",
                     10),
         u"##:##", ForeignInput::NONE, 0},
        {"", u"##:##", ForeignInput::NONE, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        const ForeignInputFinding found = FindForeignInput(c.head, c.strPartsSep);
        EXPECT_EQ(found.nKind, c.nKind);
        EXPECT_EQ(found.nLine, c.nLine);
    }
    // A head cut inside its last line judges the whole lines only.
    std::string head;
    while (head.size() < kForeignInputHead)
        head += "word\tdefinition\n";
    head.resize(kForeignInputHead);
    EXPECT_EQ(FindForeignInput(head, u"##:##").nKind, ForeignInput::TAB_SEPARATED);
}

}  // namespace
