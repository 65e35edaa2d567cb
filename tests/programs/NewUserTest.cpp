// What a new user meets first, run as the user runs it: real dictionaries
// with characters beyond U+FFFF, and German lemmas on request.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/Utf8.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// UCS-2 little endian with its mark.
std::string Ucs2(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// Compiles the source into home's dictionaries and searches query there.
CProgramRun CompileAndSearch(const fs::path& home, const std::string& name,
                             const std::string& bytes, const std::vector<std::string>& search) {
    fs::create_directories(home);
    CTempDir sources;
    sources.Write(name, bytes);
    const CProgramRun compiled =
        RunProgram("glossmill", {"--compile", (sources.Path() / name).string(), "--out",
                                 (home / "Dictionaries").string(), "--quiet"});
    EXPECT_EQ(compiled.nExit, 0) << compiled.err;
    std::vector<std::string> args = {"--home", home.string()};
    args.insert(args.end(), search.begin(), search.end());
    return RunProgram("glossmere", args);
}

// A rare ideograph and an emoji read as their surrogate pairs, as the same
// text saved as UCS-2 reads; a broken 4-byte sequence still stops the compile
// on its line.
TEST(NewUser, CharactersBeyondTheBasicPlaneCompileFromUtf8) {
    const std::u16string text =
        u"$NAME: Rare\n\nfish \U00029E8A ##:## sakana \U0001F41F\n\nsmile ##:## \U0001F600\n";
    CTempDir dir;
    const CProgramRun fromUtf8 = CompileAndSearch(dir.Path() / "utf8", "rare.txt", ToUtf8(text),
                                                  {"--search", "fish", "--format", "text"});
    EXPECT_EQ(fromUtf8.nExit, 0) << fromUtf8.err;
    EXPECT_NE(fromUtf8.out.find("\xF0\xA9\xBA\x8A"), std::string::npos) << fromUtf8.out;
    EXPECT_NE(fromUtf8.out.find("\xF0\x9F\x90\x9F"), std::string::npos) << fromUtf8.out;
    const CProgramRun fromUcs2 = CompileAndSearch(dir.Path() / "ucs2", "rare.txt", Ucs2(text),
                                                  {"--search", "fish", "--format", "text"});
    EXPECT_EQ(fromUcs2.out, fromUtf8.out);

    dir.Write("broken.txt", "$NAME: Broken\n\nfish ##:## a\n\nsmile ##:## \xF0\x9F\x41\x80\n");
    const CProgramRun broken =
        RunProgram("glossmill", {"--compile", (dir.Path() / "broken.txt").string(), "--out",
                                 (dir.Path() / "out").string(), "--quiet"});
    EXPECT_EQ(broken.nExit, 1);
    EXPECT_EQ(broken.err, "glossmill: " + (dir.Path() / "broken.txt").string() +
                              ":5: Error processing text in UTF-8 character set (possibly the "
                              "text is encoded using other character set or 4-bytes UTF-8)\n");
}

// German lemmas are off until asked for, on the command line or in the
// settings file, and a search that would need them says how to ask.
TEST(NewUser, GermanLemmasOnRequest) {
    CTempDir dir;
    const fs::path home = dir.Path() / "home";
    const std::string source = "$MORPH: German(L), English(R)\n\nHaus ##:## house\n";
    const std::string notice =
        "glossmere: German lemmas are switched off, so German words are found only as "
        "written; switch them on with --german, or with German=1 in section [Morphology] of "
        "Glossmere.ini\n";
    const CProgramRun off = CompileAndSearch(home, "de.txt", source, {"--search", "Häuser"});
    EXPECT_EQ(off.nExit, 1);
    EXPECT_EQ(off.err, notice);
    const CProgramRun on =
        RunProgram("glossmere", {"--home", home.string(), "--search", "Häuser", "--german"});
    EXPECT_EQ(on.nExit, 0) << on.err;
    EXPECT_EQ(on.err, "");
    dir.Write("home/Glossmere.ini", "[Morphology]\nGerman=1\n");
    const CProgramRun fromIni =
        RunProgram("glossmere", {"--home", home.string(), "--search", "Häuser"});
    EXPECT_EQ(fromIni.nExit, 0) << fromIni.err;
    EXPECT_EQ(fromIni.out, on.out);
    dir.Write("home/Glossmere.ini", "[Morphology]\nGerman=yes\n");
    const CProgramRun bad = RunProgram("glossmere", {"--home", home.string(), "--search", "Haus"});
    EXPECT_EQ(bad.nExit, 0);
    EXPECT_NE(bad.err.find("key = 'German'"), std::string::npos) << bad.err;
}

}  // namespace
