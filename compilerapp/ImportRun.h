// Importing on the command line: --import writes a source; --compile of a
// dictd, StarDict or glossary file compiles it through a temporary source.
#pragma once

#include <filesystem>
#include <string>

#include "CommandLine.h"
#include "compiler/Separators.h"

// --import: the exit status (0 written, 1 bad input, 2 wrong command line);
// messages go to stderr, the summary to stdout.
int RunImport(const GlossmillOptions& options);

// Checks --name and --morph for an import; false with the reason.
bool CheckImportOptions(const GlossmillOptions& options, std::u16string& strError);

// A source imported for one compile, in a private temporary folder that
// goes with the object.
class CTemporaryImport {
public:
    CTemporaryImport() = default;
    CTemporaryImport(const CTemporaryImport&) = delete;
    CTemporaryImport& operator=(const CTemporaryImport&) = delete;
    ~CTemporaryImport();

    // Imports options.source when its name marks a format to import
    // (IsUsed() then tells so); a plain source is left alone.
    [[nodiscard]] bool Prepare(const GlossmillOptions& options,
                               const CSeparatorSettings& separators, std::u16string& strError);
    bool IsUsed() const { return !m_source.empty(); }
    const std::filesystem::path& GetSourcePath() const { return m_source; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_source;
};

// The .gmd a compile of input writes into folder: an imported dictionary is
// named after its files without their extensions.
std::filesystem::path CompiledPathOf(const std::filesystem::path& input,
                                     const std::filesystem::path& folder);
