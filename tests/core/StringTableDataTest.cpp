#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TextSets.h"

namespace {

struct NamedTable {
    const char* name;
    std::span<const StringTableEntry> table;
};

TEST(StringTableData, TablesAreSortedWithoutDuplicatesAndHoldTexts) {
    for (const NamedTable& t : {NamedTable{"common", BuiltInStringTable()},
                                NamedTable{"shell", BuiltInProgramTable(TextSet::Shell)},
                                NamedTable{"compiler", BuiltInProgramTable(TextSet::Compiler)}}) {
        SCOPED_TRACE(t.name);
        ASSERT_FALSE(t.table.empty());
        for (size_t i = 0; i < t.table.size(); ++i) {
            ASSERT_NE(t.table[i].pszText, nullptr) << t.table[i].nId;
            EXPECT_NE(t.table[i].pszText[0], u'\0') << t.table[i].nId;
            if (i > 0) {
                EXPECT_LT(t.table[i - 1].nId, t.table[i].nId) << "at " << t.table[i].nId;
            }
        }
    }
}

// A program text must never hide a common one: the common numbers mean the
// same in both programs.
TEST(StringTableData, ProgramTablesDoNotRedefineCommonTexts) {
    for (TextSet set : {TextSet::Shell, TextSet::Compiler}) {
        for (const StringTableEntry& e : BuiltInProgramTable(set)) {
            for (const StringTableEntry& c : BuiltInStringTable())
                EXPECT_NE(e.nId, c.nId) << "text " << e.nId << " is in two tables";
        }
    }
}

TEST(StringTableData, TextsTheCodeDependsOn) {
    struct Row {
        int nId;
        const char16_t* pszText;
    };
    const Row rows[] = {
        {40101, u"Error!"},
        {41305, u"Error opening file"},
        {41311, u"File is empty"},
        {41306, u"Error in file, line %d"},
        {41323, u"Error in escape sequence '%s'"},
        {41324, u"Value '%s' in escape sequence does not represent a symbol code"},
        {41333,
         u"Error processing text in UTF-8 character set (possibly the text is encoded using "
         u"other character set or 4-bytes UTF-8)"},
        {41338, u"Mapping file '%s'  not found or could not be read"},
        {41343, u"The parameter for keyword ' %s' contains more than %d symbols"},
        {41344, u"File mapping error:\r\n%s\r\nPossibly, the file is empty"},
        {61697, u"Failed to open document."},
        // The shell's set is the default.
        {40511,
         u"<CENTER>%s<B>%s</B></FONT><BR> Page <B>%s</B> of <B>%s</B>, articles <B>%s</B> - "
         u"<B>%s</B> of <B>%s</B></CENTER><BR>"},
        {40205, u"%sText \"%s%s%s\" not found in group \"%s%s%s\"%s"},
        {40316,
         u"The file\n'%s'\ncannot be deleted.\nSharing violation error or permission denied."},
        {32795, u"Copy dictionary files to 'Dictionaries' folder\nAdd dictionaries"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(LoadText(r.nId), r.pszText) << r.nId;

    const auto searching = LoadText(40513);
    ASSERT_TRUE(searching.has_value());
    EXPECT_NE(searching->find(u"Searching\u2026</b>"), std::u16string::npos);
}

TEST(StringTableData, EachProgramSeesItsOwnTexts) {
    EXPECT_EQ(LoadText(40504), u"List of dictionaries");
    EXPECT_EQ(LoadText(40404), u"Delete dictionary '%s'?");
    EXPECT_FALSE(LoadText(40501).has_value());
    {
        CTextSetGuard guard(TextSet::Compiler);
        EXPECT_EQ(LoadText(40504), u"INI file; section '%s'; key = '%s'");
        EXPECT_EQ(LoadText(40404), u"Stop compilation?");
        EXPECT_EQ(LoadText(40511), u"Help Topics");
        EXPECT_EQ(LoadText(40501), u"Choose folder");
        EXPECT_FALSE(LoadText(40513).has_value());
        // Common texts stay reachable from either program.
        EXPECT_EQ(LoadText(40301), u"Warning!");
        EXPECT_EQ(FormatTextId(40106, {int64_t{1}, int64_t{3}}),
                  u"The type of articles separator must be an integer value from 1 to 3");
    }
    EXPECT_EQ(LoadText(40510), u"INI file; section '%s'; key = '%s'");
}

TEST(StringTableData, FormatsTheTextsWithTheirArguments) {
    EXPECT_EQ(FormatTextId(41101, {u"English", 2.0}),
              u"Morphological module for English language loaded in 2.0 [seconds]");
    EXPECT_EQ(FormatTextId(40203, {0.5}), u"Search time: 0.5000 [seconds]");
    EXPECT_EQ(FormatTextId(41343, {u"$NAME:", int64_t{255}}),
              u"The parameter for keyword ' $NAME:' contains more than 255 symbols");
    EXPECT_EQ(FormatTextId(40511, {u"<FONT>", u"Dict", u"1", u"2", u"1", u"20", u"33"}),
              u"<CENTER><FONT><B>Dict</B></FONT><BR> Page <B>1</B> of <B>2</B>, articles "
              u"<B>1</B> - <B>20</B> of <B>33</B></CENTER><BR>");
}

}  // namespace
