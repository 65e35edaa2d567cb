// Both programs keep the same command-line rules, run as a user runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

using Args = std::vector<std::string>;

const char* const kPrograms[] = {"glossmill", "glossmere"};

TEST(CommandLineRules, HelpAndVersionPrintAndSucceed) {
    for (const char* program : kPrograms) {
        for (const char* arg : {"--help", "-h", "--version"}) {
            SCOPED_TRACE(std::string(program) + " " + arg);
            const CProgramRun r = RunProgram(program, {arg});
            EXPECT_EQ(r.nExit, 0);
            EXPECT_FALSE(r.out.empty());
            EXPECT_EQ(r.err, "");
        }
        EXPECT_NE(RunProgram(program, {"--help"}).out.find("Usage: "), std::string::npos);
        EXPECT_EQ(RunProgram(program, {"--version"}).out.rfind(program, 0), 0u);
    }
}

TEST(CommandLineRules, AUsageErrorIsOneLineAndAHint) {
    const struct {
        Args args;
        const char* problem;
    } cases[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"-x"}, "unknown option '-x'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--home", "a", "--home", "b"}, "option '--home' given more than once"},
        {{"--home=a", "--home", "b"}, "option '--home' given more than once"},
        {{"--home"}, "option '--home' needs a value"},
        {{"--help=yes"}, "option '--help' takes no value"},
    };
    for (const char* program : kPrograms) {
        for (const auto& c : cases) {
            // Without a request to work headless either program opens its window.
            Args args = program == std::string("glossmill") ? Args{"--compile", "x.txt"}
                                                            : Args{"--search", "x"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            SCOPED_TRACE(std::string(program) + " " + testing::PrintToString(args));
            const CProgramRun r = RunProgram(program, args);
            EXPECT_EQ(r.nExit, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, std::string(program) + ": " + c.problem + "\nTry '--help'.\n");
        }
    }
}

TEST(CommandLineRules, AValueMayFollowTheNameOrAnEqualsSign) {
    CTempDir home;
    std::filesystem::create_directories(home.Path() / "Dictionaries");
    for (const Args& form :
         {Args{"--home", home.Path().string()}, Args{"--home=" + home.Path().string()}}) {
        SCOPED_TRACE(form[0]);
        Args args = form;
        args.insert(args.end(), {"--list", "--format=json"});
        const CProgramRun r = RunProgram("glossmere", args);
        EXPECT_EQ(r.nExit, 0) << r.err;
        EXPECT_EQ(r.out,
                  "{\"groups\": [{\"name\": \"All dictionaries\", \"current\": true, "
                  "\"dictionaries\": []}]}\n");
    }
}

}  // namespace
