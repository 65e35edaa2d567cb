// The examples of the source format (and of the README's first dictionary)
// compile as they stand, so the documents stay true.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct DocExample {
    std::string source;
    std::vector<std::string> args;  // from "<!-- glossmill: ARGS -->" just before it
    std::string charMap;            // the last "charmap" block before it
    int nLine = 0;
};

// The "source" blocks of a Markdown document.
std::vector<DocExample> ExamplesOf(const fs::path& document) {
    std::ifstream in(document);
    EXPECT_TRUE(in) << document;
    std::vector<DocExample> examples;
    std::vector<std::string> args;
    std::string charMap;
    std::string* pBlock = nullptr;
    int nLine = 0;
    for (std::string line; std::getline(in, line);) {
        ++nLine;
        if (pBlock != nullptr) {
            if (line == "```") {
                pBlock = nullptr;
            } else {
                *pBlock += line + "\n";
            }
        } else if (line == "```source") {
            examples.push_back({"", args, charMap, nLine});
            args.clear();
            pBlock = &examples.back().source;
        } else if (line == "```charmap") {
            charMap.clear();
            pBlock = &charMap;
        } else if (line.starts_with("<!-- glossmill: ")) {
            std::istringstream words(line.substr(16, line.size() - 16 - 4));
            for (std::string word; words >> word;)
                args.push_back(word);
        }
    }
    return examples;
}

// Every example of the source format compiles as it stands, without warnings.
TEST(SourceFormatDoc, EveryExampleCompilesWithoutWarnings) {
    for (const char* document : {"doc/source-format.md", "README.md"}) {
        const std::vector<DocExample> examples = ExamplesOf(fs::path(GLOSS_SOURCE_DIR) / document);
        EXPECT_GE(examples.size(), 1u);
        for (const DocExample& example : examples) {
            SCOPED_TRACE(std::string(document) + ":" + std::to_string(example.nLine));
            CTempDir dir;
            dir.Write("example.txt", example.source);
            std::vector<std::string> args = {"--compile", (dir.Path() / "example.txt").string(),
                                             "--out", (dir.Path() / "out").string(), "--quiet"};
            for (size_t i = 0; i < example.args.size(); ++i) {
                args.push_back(example.args[i]);
                if (example.args[i] == "--map" && i + 1 < example.args.size()) {
                    dir.Write(example.args[++i], example.charMap);
                    args.push_back((dir.Path() / example.args[i]).string());
                }
            }
            const CProgramRun r = RunProgram("glossmill", args);
            EXPECT_EQ(r.nExit, 0) << r.err;
            EXPECT_EQ(r.err, "");
        }
    }
}

}  // namespace
