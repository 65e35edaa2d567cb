// Running whole compiles in the tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "compiler/DictCompiler.h"
#include "support/TempDir.h"

inline constexpr std::array<uint16_t, 4> kTestKey{0x1111, 0x2222, 0x4444, 0x8888};
inline constexpr uint32_t kTestDate = 0x5F5E1000;

struct CompileOutcome {
    bool bStarted = false;
    bool bError = false;
    bool bAborted = false;
    std::u16string strError;
    std::u16string strStatus;
    int32_t nLine = -1;
};

struct CompileSetup {
    CSeparatorSettings separators;
    CLemmaSource* pLemmas = nullptr;
    CDictCompiler::AskContinue ask;
    std::u16string strMapPath;
    uint32_t nNodeLimit = 0;
    // Runs on the compiler just after a successful start.
    std::function<void(CDictCompiler&)> afterStart;
};

// Compiles source into output with the fixed date and key and waits for it.
CompileOutcome RunCompile(CDictCompiler& compiler, const std::filesystem::path& source,
                          const std::filesystem::path& output, const CompileSetup& setup = {});
