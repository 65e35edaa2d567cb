// Dictionaries compiled by the compile run, read back the way the shell
// reads them: header, records, automaton and the unscrambled text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "compiler/DictCompiler.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictLibrary.h"
#include "support/TempDir.h"

namespace {

// A home with its "Dictionaries" folder.
struct CHomeDir : CTempDir {
    CHomeDir() { std::filesystem::create_directories(Path() / "Dictionaries"); }
};

constexpr char kSource[] =
    "\xEF\xBB\xBF$FILE_TYPE: DICT\r\n"
    "$DICT_TYPE: OTHER\r\n"
    "$INDEX: LEFT\r\n"
    "$NAME: Pets\r\n"
    "\r\n"
    "cat ##:## <b>Katze</b>, die\r\n"
    "\r\n"
    "dog ##:## Hund\r\n";

std::u16string U16(const std::filesystem::path& path) {
    return FromUtf8(path.string());
}

// Compiles source into folder/name; the compile run's error text on failure.
std::u16string Compile(const std::filesystem::path& folder, const char* name,
                       std::string_view source) {
    const auto sourcePath = folder.parent_path() / (std::string(name) + ".txt");
    std::ofstream(sourcePath, std::ios::binary) << source;
    CDictCompiler compiler;
    compiler.SetLowerPriority(false);
    if (!compiler.StartCompile(U16(sourcePath), U16(folder / (std::string(name) + ".gmd")), u"")) {
        return compiler.GetError();
    }
    compiler.Wait();
    return compiler.HasError() ? compiler.GetError() + u"|" + compiler.GetStatusText() : u"";
}

TEST(CompiledDictionary, OpensAndReadsHeaderRecordsAndText) {
    CHomeDir dir;
    const auto folder = dir.Path() / "Dictionaries";
    ASSERT_EQ(ToUtf8(Compile(folder, "pets", kSource)), "");
    CDictLibrary library;
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    ASSERT_EQ(library.GetLoadMessages(), u"");
    ASSERT_EQ(library.GetCount(), 1);
    CDictIndexFile& dict = *library.GetDictionary(0);
    EXPECT_TRUE(dict.IsValid());
    EXPECT_EQ(dict.GetFormatVersion(), 2);
    EXPECT_EQ(dict.GetName(), u"Pets");
    EXPECT_EQ(dict.GetFileType(), FILE_TYPE_DICT);
    EXPECT_EQ(dict.GetDictType(), DICT_TYPE_OTHER);
    EXPECT_EQ(dict.GetIndexArea(), INDEX_AREA_LEFT);
    EXPECT_EQ(dict.GetArticleCount(), 2);
    EXPECT_EQ(dict.GetWordCount(), 2);
    EXPECT_EQ(CDictLibrary::GetCategory(dict), DICT_CATEGORY_REFERENCE);

    // The whole text block is the source after its byte-order mark.
    const std::u16string source = FromUtf8(std::string_view(kSource + 3));
    std::u16string text;
    ASSERT_TRUE(dict.GetText(0, static_cast<int32_t>(source.size()), text));
    EXPECT_EQ(text, source);

    const CFormLookup dog = dict.LookupForm(u"DOG");
    ASSERT_EQ(dog.status, CFormLookup::FOUND);
    ASSERT_EQ(dog.occurrences.size(), 1u);
    CArticleRead article;
    ASSERT_TRUE(dict.ReadArticle(dog.occurrences[0].dwArticlePos, article));
    ASSERT_TRUE(dict.GetText(article.record.nRightBeg, article.record.nRightEnd, text));
    EXPECT_EQ(text, u" Hund");
    // The right part is not indexed.
    EXPECT_EQ(dict.LookupForm(u"HUND").status, CFormLookup::ABSENT);
    const CFormLookup cat = dict.LookupForm(u"CAT");
    ASSERT_EQ(cat.status, CFormLookup::FOUND);
    bool bEqual = false;
    const gmd::OccurrenceRecord occ = cat.occurrences[0];
    ASSERT_TRUE(dict.IsTextEqual(u"cat", static_cast<int32_t>(occ.dwPosition),
                                 static_cast<int32_t>(occ.dwPosition + occ.bySpan), bEqual));
    EXPECT_TRUE(bEqual);
}

TEST(CompiledDictionary, ABigEndianSourceIsStoredAsTheSameText) {
    CHomeDir dir;
    const auto folder = dir.Path() / "Dictionaries";
    const std::u16string text = FromUtf8(std::string_view(kSource + 3));
    std::string source = "\xFE\xFF";
    for (char16_t c : text) {
        source += static_cast<char>(c >> 8);
        source += static_cast<char>(c & 0xFF);
    }
    ASSERT_EQ(ToUtf8(Compile(folder, "pets-be", source)), "");
    CDictLibrary library;
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    ASSERT_EQ(library.GetCount(), 1);
    std::u16string stored;
    ASSERT_TRUE(library.GetDictionary(0)->GetText(0, static_cast<int32_t>(text.size()), stored));
    EXPECT_EQ(stored, text);
    EXPECT_EQ(library.GetDictionary(0)->GetIndexView().GetTextLength(), text.size());
}

TEST(CompiledDictionary, ACompiledFileCutShortIsListedInvalid) {
    CHomeDir dir;
    const auto folder = dir.Path() / "Dictionaries";
    ASSERT_EQ(ToUtf8(Compile(folder, "pets", kSource)), "");
    std::filesystem::resize_file(folder / "pets.gmd", 100);
    CDictLibrary library;
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    ASSERT_EQ(library.GetCount(), 1);
    EXPECT_FALSE(library.GetDictionary(0)->IsValid());
    EXPECT_NE(library.GetLoadMessages().find(u"ReadBlocksPos error"), std::u16string::npos)
        << ToUtf8(library.GetLoadMessages());
}

}  // namespace
