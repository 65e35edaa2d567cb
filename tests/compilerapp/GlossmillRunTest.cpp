// The glossmill program run as a user runs it.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class GlossmillRun : public ::testing::Test {
protected:
    CProgramRun Run(const fs::path& program, const std::vector<std::string>& args) {
        return RunProgramAt(program.string(), args);
    }
    fs::path Write(const std::string& name, const std::string& bytes) {
        m_temp.Write(name, bytes);
        return m_dir / name;
    }

    const fs::path m_program = BuiltFile("glossmill");
    CTempDir m_temp;
    const fs::path& m_dir = m_temp.Path();
};

}  // namespace

TEST_F(GlossmillRun, CompilesIntoTheGivenFolderAndPrintsTheStatistics) {
    const auto src = Write("words.txt", "$NAME: Words\n\nalpha ##:## beta\n\ngamma ##:##\n");
    // A folder that does not exist yet is made.
    const auto r =
        Run(m_program, {"--compile", src.string(), "--out", (m_dir / "out" / "new").string()});
    EXPECT_EQ(r.nExit, 0) << r.err;
    EXPECT_TRUE(fs::exists(m_dir / "out" / "new" / "words.gmd"));
    EXPECT_EQ(r.out.rfind("\nFile compilation time: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n2 articles and 3 words processed\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    // Not a terminal: the phases it saw, one per line (a short run may
    // finish before the first look).
    std::istringstream lines(r.err);
    const std::set<std::string> phases = {"Initializing", "Loading lemmatizers",
                                          "Checking source file syntax", "Processing source file",
                                          "Indexing in progress"};
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(phases.count(line)) << line;
}

TEST_F(GlossmillRun, TheDefaultFolderIsTheHomeFoldersDictionaries) {
    const auto src = Write("w.txt", "one ##:## two\n");
    const auto r =
        Run(m_program, {"--compile", src.string(), "--home", (m_dir / "home").string(), "--quiet"});
    EXPECT_EQ(r.nExit, 0) << r.err;
    EXPECT_TRUE(fs::exists(m_dir / "home" / "Dictionaries" / "w.gmd"));
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(GlossmillRun, ExitCodesTellUsageFromCompileFaults) {
    const auto good = Write("g.txt", "one ##:##\n");
    const auto bad = Write("b.txt", "a ##:## b ##:## c\n");
    fs::create_directory(m_dir / "out");
    const std::string out = (m_dir / "out").string();
    struct Case {
        std::vector<std::string> args;
        int nExit;
        std::string errPart;
    };
    const std::vector<Case> cases = {
        {{"--compile", good.string(), "--out", out, "--bogus"}, 2, "unknown option"},
        {{"--compile", good.string(), "--out", (good / "sub").string()},
         2,
         "Dictionary folder path not found:\n"},
        {{"--compile", good.string(), "--out", out, "--sep", "##"},
         2,
         "--sep applies to --sep-type 3 only"},
        {{"--compile", good.string(), "--out", out, "--sep-type", "3", "--sep", ""},
         2,
         "Articles separator error"},
        {{"--compile", good.string(), "--out", out, "--parts-sep", "\\q"},
         2,
         "Article parts separator error"},
        {{"--compile", (m_dir / "missing.txt").string(), "--out", out},
         1,
         "glossmill: " + (m_dir / "missing.txt").string() + ": Error opening file:\n"},
        {{"--compile", bad.string(), "--out", out},
         1,
         "glossmill: " + bad.string() +
             ":1: Excessive separator '##:##' for left and right parts of article\n"},
        {{"--compile", good.string(), "--out", out, "--map", (m_dir / "no.map").string()},
         1,
         "not found or could not be read"},
    };
    for (const Case& c : cases) {
        const auto r = Run(m_program, c.args);
        EXPECT_EQ(r.nExit, c.nExit) << r.err;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    // Every option given, empty ones included, as scripts do.
    const auto r =
        Run(m_program, {"--compile", good.string(), "--map", "", "--out", out, "--sep-type", "2",
                        "--sep", "", "--parts-sep", "##:##", "--yes", "--quiet"});
    EXPECT_EQ(r.nExit, 0) << r.err;
}

TEST_F(GlossmillRun, AFailedCompileKeepsTheOldDictionary) {
    fs::create_directory(m_dir / "out");
    std::ofstream(m_dir / "out" / "d.gmd") << "old";
    const auto bad = Write("d.txt", "fine\n\n<i>open comment\n");
    const auto r = Run(m_program, {"--compile", bad.string(), "--out", (m_dir / "out").string()});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(Slurp(m_dir / "out" / "d.gmd"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "out"), fs::directory_iterator()), 1);
}

TEST_F(GlossmillRun, AnInterruptHangUpOrTerminateStopsTheCompileAndKeepsTheOldDictionary) {
    std::string source;
    for (int i = 0; source.size() < (20u << 20); ++i)
        source += "word" + std::to_string(i) + " ##:## a translation of some length\n\n";
    const auto src = Write("d.txt", source);
    fs::create_directory(m_dir / "out");
    for (const int nSignal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(nSignal);
        std::ofstream(m_dir / "out" / "d.gmd") << "old";
        const fs::path err = m_dir / "err";
        const pid_t pid = StartProgramAt(
            m_program, {"--compile", src.string(), "--out", (m_dir / "out").string()}, "/dev/null",
            err.string());
        ASSERT_GT(pid, 0);
        // The first status line shows the compile has begun.
        for (int i = 0; i < 3000 && fs::file_size(err) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::kill(pid, nSignal);
        EXPECT_EQ(WaitForProgram(pid), 1);
        EXPECT_EQ(Slurp(m_dir / "out" / "d.gmd"), "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "out"), fs::directory_iterator()),
                  1);
    }
}

TEST_F(GlossmillRun, NoStopsWhenAMorphologyModuleIsMissing) {
    // A portable copy of the program without the lemmatiser library beside it.
    fs::create_directories(m_dir / "alone");
    fs::copy_file(m_program, m_dir / "alone" / "glossmill");
    std::ofstream(m_dir / "alone" / "portable").put('\n');
    const auto src = Write("m.txt", "$MORPH: English\n\nwords\n");
    const auto no =
        Run(m_dir / "alone" / "glossmill", {"--compile", src.string(), "--no", "--quiet"});
    EXPECT_EQ(no.nExit, 1);
    EXPECT_NE(no.err.find("Continue indexing? no\n"), std::string::npos) << no.err;
    EXPECT_NE(no.err.find("Indexing aborted"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "alone" / "Dictionaries" / "m.gmd"));
    const auto yes = Run(m_dir / "alone" / "glossmill", {"--compile", src.string(), "--quiet"});
    EXPECT_EQ(yes.nExit, 0) << yes.err;
    EXPECT_TRUE(fs::exists(m_dir / "alone" / "Dictionaries" / "m.gmd"));
    // Without "$MORPH:" the library is never needed.
    const auto plain = Write("p.txt", "words ##:##\n");
    const auto r = Run(m_dir / "alone" / "glossmill", {"--compile", plain.string(), "--quiet"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(GlossmillRun, ImportsAGlossaryAndCompilesOneDirectly) {
    const auto tsv = Write("pets.tsv", "cat\tKatze\ndog\tHund\\nder\n");
    const auto src = m_dir / "pets-source.txt";
    auto r = Run(m_program, {"--import", "tsv", tsv.string(), "--out", src.string(), "--name",
                             "Pets", "--morph", "German(R)"});
    EXPECT_EQ(r.nExit, 0) << r.err;
    EXPECT_EQ(r.out, "2 articles written to " + src.string() + "\n");
    EXPECT_EQ(Slurp(src),
              "\xEF\xBB\xBF$FILE_TYPE: DICT\n$DICT_TYPE: MAIN\n$INDEX: BOTH\n$MORPH: German(R)\n"
              "$NAME: Pets\n\ncat ##:## Katze\n\ndog ##:## Hund<br>\nder\n\n");
    fs::create_directory(m_dir / "out");
    r = Run(m_program, {"--compile", tsv.string(), "--out", (m_dir / "out").string(), "--quiet"});
    EXPECT_EQ(r.nExit, 0) << r.err;
    EXPECT_TRUE(fs::exists(m_dir / "out" / "pets.gmd"));
    EXPECT_NE(r.out.find("\n2 articles and 5 words processed\n"), std::string::npos) << r.out;
    // Faults of the input, of --morph, and of options for a plain source.
    Write("bad.tsv", "no tab\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> faults = {
        {{"--import", "tsv", (m_dir / "bad.tsv").string()}, "bad.tsv, line 1: no TAB"},
        {{"--import", "xdxf", tsv.string()}, "unknown import format 'xdxf'"},
        {{"--import", "tsv", tsv.string(), "--morph", "Eng-lish"}, "--morph: "},
        {{"--compile", (m_dir / "bad.tsv").string(), "--quiet"}, "bad.tsv, line 1: no TAB"},
        {{"--compile", src.string(), "--name", "x"}, "--name and --morph apply"},
    };
    for (const auto& [args, message] : faults) {
        r = Run(m_program, args);
        EXPECT_NE(r.nExit, 0);
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

// Sources that compile, but hardly as their authors meant: the compile ends as
// it would without the warnings, which name the file and the line.
TEST_F(GlossmillRun, WarnsAboutWhatIsValidButProbablyNotMeant) {
    struct Case {
        std::string name;
        std::string bytes;
        std::vector<std::string> args;
        int nExit;
        std::vector<std::string> warnings;  // ":LINE: warning: ..." up to its first word after
    };
    const std::string gzip("\x1F\x8B\x08\x00\x00\x00\x00\x00\x02\x03", 10);
    const std::vector<Case> cases = {
        {"sep.txt",
         "zorp ##;## to rotate\n\nflux ##:## flow\n\nbar baz\n",
         {},
         0,
         {":1: warning: 2 articles have no parts separator '##:##' (the first here)"}},
        {"colon.txt",
         "$NAME: X\n$MORPH English(L)\n\nword ##:## w\n",
         {},
         0,
         {":2: warning: 1 article has no parts separator",
          ":2: warning: 1 article starts with '$'"}},
        {"klingon.txt",
         "$MORPH: Klingon, English\n\nword ##:## w\n",
         {},
         0,
         {":1: warning: no lemmas for 'Klingon': only Russian, English and German"}},
        {"empty.txt", "$NAME: Nothing yet\n", {}, 0, {": warning: the source has no articles"}},
        {"words.txt.gz", gzip, {}, 1, {":1: warning: this is gzip or dictzip data"}},
        {"index.txt",
         "00-database-short\tA\tb\nword\tBa\tc\n",
         {"--sep-type", "1"},
         0,
         {":1: warning: this looks like a dictd index", ":1: warning: 2 articles have no"}},
        {"pets.txt",
         "cat\tKatze\ndog\tHund\n",
         {"--sep-type", "1"},
         0,
         {":1: warning: these lines hold tabs and no parts separator; for a tab-separated file "
          "use --sep-type 1 --parts-sep '\\t', or --import tsv",
          ":1: warning: 2 articles have no"}},
        {"pets2.txt", "cat\tKatze\ndog\tHund\n", {"--sep-type", "1", "--parts-sep", "\\t"}, 0, {}},
        {"german.txt",
         "$MORPH: German(L), German(R)\n\nHaus ##:## house\n",
         {},
         0,
         {":1: warning: German lemmas are switched off, so German words are found only as "
          "written; switch them on with --german, or with German=1 in section [Morphology] "
          "of Glossmill.ini"}},
        {"german2.txt", "$MORPH: German(L)\n\nHaus ##:## house\n", {"--german"}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto src = Write(c.name, c.bytes);
        std::vector<std::string> args = {"--compile", src.string(), "--out",
                                         (m_dir / "out").string(), "--quiet"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = Run(m_program, args);
        EXPECT_EQ(r.nExit, c.nExit) << r.err;
        size_t nWarnings = 0;
        for (size_t n = r.err.find("warning: "); n != std::string::npos;
             n = r.err.find("warning: ", n + 1))
            ++nWarnings;
        EXPECT_EQ(nWarnings, c.warnings.size()) << r.err;
        for (const std::string& warning : c.warnings)
            EXPECT_NE(r.err.find("glossmill: " + src.string() + warning), std::string::npos)
                << r.err;
    }
}
