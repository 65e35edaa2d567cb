// Small dictionaries in each format, imported, compiled by the compile run
// and read back: every headword finds its own article with its definition.
// Broken inputs stop the import with the file and the entry named, and
// leave the output as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "ImportFiles.h"
#include "compiler/DictCompiler.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "import/DictImport.h"
#include "import/DictdReader.h"
#include "library/DictLibrary.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::u16string Trim(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return std::u16string(text);
}

class ImportRoundTrip : public ::testing::Test {
protected:
    // Imports input and compiles the source into a library of its own.
    CDictIndexFile& ImportAndCompile(ImportFormat format, const std::string& input,
                                     const ImportOptions& options = {}) {
        const fs::path source = m_dir.Path() / "source.txt";
        const fs::path folder = m_dir.Path() / "Dictionaries";
        fs::create_directories(folder);
        int nArticles = 0;
        std::u16string strError;
        EXPECT_TRUE(
            ImportDictionary(format, m_dir.Path() / input, source, options, nArticles, strError))
            << ToUtf8(strError);
        CDictCompiler compiler;
        compiler.SetLowerPriority(false);
        compiler.SetSeparators(options.separators);
        EXPECT_TRUE(compiler.StartCompile(FromUtf8(source.string()),
                                          FromUtf8((folder / "d.gmd").string()), u""));
        compiler.Wait();
        EXPECT_FALSE(compiler.HasError()) << ToUtf8(compiler.GetError());
        m_library = std::make_unique<CDictLibrary>();
        EXPECT_TRUE(m_library->ScanFolder(FromUtf8(folder.string())));
        EXPECT_EQ(m_library->GetCount(), 1);
        m_nArticles = nArticles;
        return *m_library->GetDictionary(0);
    }

    // "left|right" of each article where the upper-cased form is indexed.
    static std::vector<std::string> Find(CDictIndexFile& dict, std::u16string_view form) {
        std::vector<std::string> found;
        const CFormLookup lookup = dict.LookupForm(form);
        for (uint32_t i = 0; i < lookup.occurrences.size(); ++i) {
            const gmd::OccurrenceRecord occ = lookup.occurrences[i];
            CArticleRead article;
            std::u16string left, right;
            if (!dict.ReadArticle(occ.dwArticlePos, article) ||
                !dict.GetText(article.record.nLeftBeg, article.record.nLeftEnd, left) ||
                !dict.GetText(article.record.nRightBeg, article.record.nRightEnd, right)) {
                found.push_back("unreadable");
                continue;
            }
            found.push_back(ToUtf8(Trim(left)) + "|" + ToUtf8(Trim(right)));
        }
        return found;
    }

    CTempDir m_dir;
    std::unique_ptr<CDictLibrary> m_library;
    int m_nArticles = 0;
};

using Found = std::vector<std::string>;

TEST_F(ImportRoundTrip, Dictd) {
    auto [index, dict] = MakeDictd({{"00-database-short", "00-database-short\n   Pets  \n"},
                                    {"cat", "cat\n   Katze <f>\n"},
                                    {"dog", "dog\n   Hund\n"},
                                    {"allpurpose", "all-purpose\n   Allzweck-\n"}});
    // A second headword of the cat's entry, and the original spelling of
    // the last one.
    const size_t nCat = index.find("cat\t") + 3;
    const std::string catNumbers = index.substr(nCat, index.find('\n', nCat) - nCat);
    index.insert(index.find('\n', index.find("allpurpose")), "\tall-purpose");
    index += "kitty" + catNumbers + "\n";
    index += catNumbers + "\n";  // dictfmt's empty key of a headword without letters
    for (const bool bDictzip : {false, true}) {
        m_dir.Write("pets.index", index);
        fs::remove(m_dir.Path() / "pets.dict");
        fs::remove(m_dir.Path() / "pets.dict.dz");
        m_dir.Write(bDictzip ? "pets.dict.dz" : "pets.dict",
                    bDictzip ? MakeDictzip(dict, 16) : dict);
        CDictIndexFile& d = ImportAndCompile(ImportFormat::Dictd, "pets.index");
        EXPECT_EQ(d.GetName(), u"Pets");
        EXPECT_EQ(m_nArticles, 4);
        EXPECT_EQ(Find(d, u"KITTY"), Found{"kitty|cat<br>\nKatze &#60;f&#62;"});
        EXPECT_EQ(Find(d, u"KATZE").size(), 2u);
        EXPECT_EQ(Find(d, u"HUND"), Found{"dog|dog<br>\nHund"});
        EXPECT_EQ(Find(d, u"PURPOSE"), (Found{"all-purpose|all-purpose<br>\nAllzweck-",
                                              "all-purpose|all-purpose<br>\nAllzweck-"}));
    }
}

TEST(DictdHeadword, TheKeyIsWrittenAsTheDefinitionsFirstLineHasIt) {
    const struct {
        std::u16string key, definition, expected;
    } cases[] = {
        {u"a und bboden", u"A- und B-Boden /x/ <masc>\n A and B", u"A- und B-Boden"},
        {u"das a und o", u"  das A und O\nthe nuts", u"das A und O"},
        {u"color", u"colour <n>\n", u"color"},
        {u"cat", u"catalogue\n", u"cat"},
        {u"a", u"Aal /a/", u"a"},
        {u"x", u"", u"x"},
        {u"", u"anything", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeadwordAsWritten(c.key, c.definition), c.expected) << ToUtf8(c.key);
}

TEST_F(ImportRoundTrip, StarDictWithTypesAndSynonyms) {
    const std::string html = std::string("h") + "<b>Haus</b> &amp; Hof" + '\0';
    auto [idx, dict] = MakeStarDict(
        {{"house", "m" + std::string("a building\nto live in") + '\0' + "t" + "haus" + '\0'},
         {"home", html + "W" + BigEndian32(3) + "wav"}});
    m_dir.Write("b.ifo", MakeIfo(2, "Bauten", ""));
    m_dir.Write("b.idx", idx);
    m_dir.Write("b.dict.dz", MakeDictzip(dict, 20));
    m_dir.Write("b.syn", "abode" + std::string(1, '\0') + BigEndian32(1));
    CDictIndexFile& d = ImportAndCompile(ImportFormat::StarDict, "b.ifo");
    EXPECT_EQ(d.GetName(), u"Bauten");
    EXPECT_EQ(m_nArticles, 3);
    EXPECT_EQ(Find(d, u"HOUSE"), Found{"house|a building<br>\nto live in<br>\n[haus]"});
    EXPECT_EQ(Find(d, u"ABODE"), Found{"abode|<B>Haus</B> &#38; Hof"});
    EXPECT_EQ(Find(d, u"HOF").size(), 2u);
}

TEST_F(ImportRoundTrip, StarDictSameTypeSequence) {
    auto [idx, dict] = MakeStarDict({{"a", "<k>a</k> one"}, {"b", "two <kref>a</kref>"}});
    m_dir.Write("x.ifo", MakeIfo(2, "X", "x", "3.0.0"));
    m_dir.Write("x.idx", idx);
    m_dir.Write("x.dict", dict);
    CDictIndexFile& d = ImportAndCompile(ImportFormat::StarDict, "x.ifo");
    EXPECT_EQ(Find(d, u"TWO"), Found{"b|two <A href=\"find\">a</A>"});
}

TEST_F(ImportRoundTrip, TabSeparatedWithOtherSeparatorsAndMorphology) {
    m_dir.Write("g.tsv",
                "\xEF\xBB\xBF"
                "cat\tKatze\\nf.\n\n  \ndog\tHund \\\\ \\t x\r\nn\\q\t\\\n");
    ImportOptions options{u"", u"German(R)", {ARTICLES_SEP_LINE, u"", u"="}};
    CDictIndexFile& d = ImportAndCompile(ImportFormat::Tsv, "g.tsv", options);
    EXPECT_EQ(d.GetName(), u"g");
    EXPECT_EQ(d.GetMorphDescrCount(), 1);
    EXPECT_EQ(Find(d, u"KATZE"), Found{"cat|Katze<br>f."});
    EXPECT_EQ(Find(d, u"HUND"), Found{"dog|Hund \\ \t x"});
    EXPECT_EQ(Find(d, u"Q"), Found{"n\\q|\\"});
}

struct Broken {
    ImportFormat format;
    std::vector<std::pair<std::string, std::string>> files;
    std::string input;
    std::string message;  // the part after the folder
};

TEST_F(ImportRoundTrip, BrokenInputStopsAndLeavesTheOutputAlone) {
    const auto [index, dict] = MakeDictd({{"cat", "Katze"}, {"dog", "Hund"}});
    const auto [idx, sdict] = MakeStarDict({{"cat", "Katze"}, {"dog", "Hund"}});
    const std::string dz = MakeDictzip("0123456789abcdefghij", 8);
    // The last of its three chunks starts with an invalid block type.
    std::string brokenDz = dz;
    brokenDz[dz.size() - 8 - (uint8_t(dz[26]) | uint8_t(dz[27]) << 8)] = '\xFF';
    const std::vector<Broken> cases = {
        {ImportFormat::Dictd,
         {{"d.index", index + "bird\tBA"}, {"d.dict", dict}},
         "d.index",
         "d.index, line 3: not 'headword TAB offset TAB length' (truncated index?)"},
        {ImportFormat::Dictd,
         {{"d.index", index + "bird\tBA\tK\n"}, {"d.dict", dict}},
         "d.index",
         "d.index, line 3 ('bird'): definition at 64 (10 bytes) in "},
        {ImportFormat::Dictd, {{"d.index", index}}, "d.index", "d.dict: cannot open the file"},
        {ImportFormat::Dictd,
         {{"d.index", "x\tA\tU\n"}, {"d.dict.dz", brokenDz}},
         "d.index",
         "d.dict.dz: broken compressed chunk 2"},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(2, "S", "", "2.4.1")}},
         "s.ifo",
         "s.ifo: wrong version '2.4.1' (2.4.2 and 3.0.0 are read)"},
        {ImportFormat::StarDict,
         {{"s.ifo", "StarDict dict\nversion=2.4.2\n"}},
         "s.ifo",
         "s.ifo: not a StarDict .ifo file"},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(2, "S", "m")},
          {"s.idx", idx.substr(0, idx.size() - 3)},
          {"s.dict", sdict}},
         "s.ifo",
         "s.idx, entry 2: truncated (the index ends inside the entry)"},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(3, "S", "m")}, {"s.idx", idx}, {"s.dict", sdict}},
         "s.ifo",
         "s.idx: holds 2 entries, the .ifo's wordcount says 3"},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(2, "S", "m")}, {"s.idx", idx}, {"s.dict", sdict.substr(0, 6)}},
         "s.ifo",
         "s.idx, entry 2 ('dog'): definition at 5 (4 bytes) in "},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(2, "S", "m")},
          {"s.idx", idx},
          {"s.dict", sdict},
          {"s.syn", "x" + std::string(1, '\0') + BigEndian32(2)}},
         "s.ifo",
         "s.syn, synonym 1 ('x'): points at entry 3 of 2"},
        {ImportFormat::StarDict,
         {{"s.ifo", MakeIfo(2, "S", "mm")}, {"s.idx", idx}, {"s.dict", sdict}},
         "s.ifo",
         "s.dict, entry 1 ('cat'): text field 'm' has no terminating NUL byte"},
        {ImportFormat::Tsv,
         {{"t.tsv", "a\tb\nno tab here\n"}},
         "t.tsv",
         "t.tsv, line 2: no TAB between headword and definition"},
        {ImportFormat::Tsv, {{"t.tsv", " \tb\n"}}, "t.tsv", "t.tsv, line 1: empty headword"},
    };
    const fs::path output = m_dir.Path() / "out" / "source.txt";
    for (const Broken& c : cases) {
        fs::remove_all(m_dir.Path() / "in");
        fs::create_directories(m_dir.Path() / "in");
        fs::create_directories(output.parent_path());
        std::ofstream(output) << "old";
        for (const auto& [name, bytes] : c.files)
            std::ofstream(m_dir.Path() / "in" / name, std::ios::binary) << bytes;
        int nArticles = 0;
        std::u16string strError;
        EXPECT_FALSE(ImportDictionary(c.format, m_dir.Path() / "in" / c.input, output, {},
                                      nArticles, strError));
        const std::string folder = (m_dir.Path() / "in").string() + "/";
        EXPECT_EQ(ToUtf8(strError).rfind(folder + c.message, 0), 0u) << ToUtf8(strError);
        EXPECT_EQ(Slurp(output), "old");
        EXPECT_EQ(
            std::distance(fs::directory_iterator(output.parent_path()), fs::directory_iterator()),
            1);
    }
}

TEST(ImportFormat, NamesAndFileNames) {
    EXPECT_EQ(ImportFormatFromName("stardict"), ImportFormat::StarDict);
    EXPECT_EQ(ImportFormatFromName("StarDict"), std::nullopt);
    EXPECT_EQ(ImportFormatOfPath("/a/b.index"), ImportFormat::Dictd);
    EXPECT_EQ(ImportFormatOfPath("/a/b.dict.dz"), ImportFormat::Dictd);
    EXPECT_EQ(ImportFormatOfPath("b.ifo"), ImportFormat::StarDict);
    EXPECT_EQ(ImportFormatOfPath("b.tab"), ImportFormat::Tsv);
    EXPECT_EQ(ImportFormatOfPath("b.txt"), std::nullopt);
    EXPECT_EQ(ImportBaseName("/usr/share/dictd/freedict-deu-eng.dict.dz"), "freedict-deu-eng");
    EXPECT_EQ(ImportBaseName("x.y.ifo"), "x.y");
}

}  // namespace
