// Both programs keep the same command-line rules, run as a user runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int nExit = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

RunResult Run(const std::string& program, const std::string& args) {
    const fs::path dir = fs::temp_directory_path();
    const std::string out = (dir / ("gloss-rules-out-" + std::to_string(getpid()))).string();
    const std::string err = (dir / ("gloss-rules-err-" + std::to_string(getpid()))).string();
    const std::string command =
        std::string(GLOSS_BIN_DIR) + "/" + program + " " + args + " >" + out + " 2>" + err;
    const int nStatus = std::system(command.c_str());
    RunResult r{WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1, Slurp(out), Slurp(err)};
    fs::remove(out);
    fs::remove(err);
    return r;
}

const char* const kPrograms[] = {"glossmill", "glossmere"};

TEST(CommandLineRules, HelpAndVersionPrintAndSucceed) {
    for (const char* program : kPrograms) {
        for (const char* args : {"--help", "-h", "--version"}) {
            SCOPED_TRACE(std::string(program) + " " + args);
            const RunResult r = Run(program, args);
            EXPECT_EQ(r.nExit, 0);
            EXPECT_FALSE(r.out.empty());
            EXPECT_EQ(r.err, "");
        }
        EXPECT_NE(Run(program, "--help").out.find("Usage: "), std::string::npos);
        EXPECT_EQ(Run(program, "--version").out.rfind(program, 0), 0u);
    }
}

TEST(CommandLineRules, AUsageErrorIsOneLineAndAHint) {
    const struct {
        const char* args;
        const char* problem;
    } cases[] = {
        {"--frobnicate", "unknown option '--frobnicate'"},
        {"stray", "unexpected argument 'stray'"},
        {"--home a --home b", "option '--home' given more than once"},
        {"--home=a --home b", "option '--home' given more than once"},
        {"--home", "option '--home' needs a value"},
        {"--help=yes", "option '--help' takes no value"},
    };
    for (const char* program : kPrograms) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(program) + " " + c.args);
            const RunResult r = Run(program, c.args);
            EXPECT_EQ(r.nExit, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, std::string(program) + ": " + c.problem + "\nTry '--help'.\n");
        }
    }
}

TEST(CommandLineRules, AValueMayFollowTheNameOrAnEqualsSign) {
    const fs::path home = fs::temp_directory_path() / ("gloss-rules-" + std::to_string(getpid()));
    fs::create_directories(home / "Dictionaries");
    for (const std::string& form : {"--home " + home.string(), "--home=" + home.string()}) {
        SCOPED_TRACE(form);
        const RunResult r = Run("glossmere", form + " --list --format=json");
        EXPECT_EQ(r.nExit, 0) << r.err;
        EXPECT_EQ(r.out,
                  "{\"groups\": [{\"name\": \"All dictionaries\", \"current\": true, "
                  "\"dictionaries\": []}]}\n");
    }
    fs::remove_all(home);
}

}  // namespace
