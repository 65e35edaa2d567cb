// The rules of the compiler's main dialog, without a display.
#include <gtest/gtest.h>

#include <fstream>

#include "compilerapp/MillDialogRules.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "support/TextSets.h"

namespace {

// The window's numbered texts are the compiler's own.
using MillDialogRules = CCompilerTextsTest;

TEST_F(MillDialogRules, PhasesLockTheInputsAndTurnTheButton) {
    CMillDialogState state;
    EXPECT_TRUE(state.InputsEnabled());
    EXPECT_FALSE(state.ProgressVisible());
    EXPECT_EQ(state.CompileButtonTextId(), IDS_COMPILE_BUTTON);
    EXPECT_FALSE(state.CloseNeedsQuestion());
    state.SetCompiling(true);
    EXPECT_FALSE(state.InputsEnabled());
    EXPECT_TRUE(state.ProgressVisible());
    EXPECT_EQ(state.CompileButtonTextId(), IDS_ABORT_BUTTON);
    EXPECT_TRUE(state.CloseNeedsQuestion());
}

TEST_F(MillDialogRules, CompileButton) {
    struct Case {
        bool bCompiling, bEngineRunning;
        CompileButtonAction expected;
    };
    const Case cases[] = {
        {false, false, CompileButtonAction::Start},
        {true, true, CompileButtonAction::Abort},
        // The run ended between two polls: an abort now would turn the
        // written dictionary into a reported abort.
        {true, false, CompileButtonAction::Finish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompileButtonPress(c.bCompiling, c.bEngineRunning), c.expected);
}

TEST_F(MillDialogRules, FieldsNeededBeforeACompile) {
    struct Case {
        std::u16string source, folder;
        bool bFolderExists;
        std::u16string expected;  // empty: no fault
    };
    const Case cases[] = {
        {u"", u"/d", true, u"Source file name not found"},
        {u"a.txt", u"", false, u"Dictionary folder path not found:\r\n"},
        {u"a.txt", u"/gone", false, u"Dictionary folder path not found:\r\n/gone"},
        {u"a.txt", u"/d", true, u""},
    };
    for (const Case& c : cases) {
        const auto fault = CompileInputFault(c.source, c.folder, c.bFolderExists);
        EXPECT_EQ(fault.value_or(u""), c.expected) << ToUtf8(c.source) << ToUtf8(c.folder);
    }
}

TEST_F(MillDialogRules, InfoCaptionNamesTheSourceFile) {
    EXPECT_EQ(InfoCaption(u"Information", "/src.old/dict"), u"Information (dict)");
    EXPECT_EQ(InfoCaption(u"Information", "/src/en-ru.txt"), u"Information (en-ru.txt)");
}

TEST_F(MillDialogRules, FinishedRunShows) {
    struct Case {
        CRunOutcome outcome;
        CInfoText expected;
    };
    const Case cases[] = {
        {{true, false, u"Error in file, line 8\r\nOpen tag found", u"Checking source file syntax"},
         {u"Error in file, line 8\r\nOpen tag found", true}},
        {{false, true, u"Indexing aborted", u"Processing source file"}, {u"Indexing abort", false}},
        {{false, false, u"", u"\r\nFile compilation time: 0.1 [seconds]"},
         {u"\r\nFile compilation time: 0.1 [seconds]", false}},
        // Abort asked for after the run had written the file.
        {{false, true, u"", u"12 articles"}, {u"12 articles", false}},
        // An error that an abort followed is still an error.
        {{true, true, u"Indexing aborted", u""}, {u"Indexing aborted", true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FinishedInfo(c.outcome), c.expected);
}

TEST_F(MillDialogRules, OneDroppedFileIsTheSource) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path file = folder / "gloss-drop-test.txt";
    std::ofstream(file) << "word\n";
    struct Case {
        std::vector<std::filesystem::path> paths;
        bool bCompiling;
        bool bTaken;
    };
    const Case cases[] = {
        {{file}, false, true},
        {{file}, true, false},
        {{file, file}, false, false},
        {{folder}, false, false},
        {{folder / "gloss-no-such-file.txt"}, false, false},
        {{}, false, false},
    };
    for (const Case& c : cases) {
        const auto source = DroppedSource(c.paths, c.bCompiling);
        EXPECT_EQ(source.has_value(), c.bTaken);
        if (c.bTaken) {
            EXPECT_EQ(*source, file);
        }
    }
    std::filesystem::remove(file);
}

}  // namespace
