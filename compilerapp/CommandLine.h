// The command line of glossmill: what to compile, where to, and how.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "compiler/Separators.h"

struct GlossmillOptions {
    enum class Action { Compile, Import, Help, Version, Window };
    Action action = Action::Compile;
    std::filesystem::path source;                  // with --import: the dictionary to import
    std::string strImportFormat;                   // "dictd", "stardict" or "tsv"
    std::u16string strName;                        // --name: the imported dictionary's name
    std::u16string strMorph;                       // --morph: its morphology list
    std::filesystem::path mapFile;                 // empty: no mapping file
    std::optional<std::filesystem::path> outDir;   // default: the dictionaries folder;
                                                   // with --import the source to write
    std::optional<std::filesystem::path> homeDir;  // default: the program's folder
    CSeparatorInput separators;                    // --sep-type, --sep and --parts-sep
    bool bContinueOnMorphFailure = true;           // --yes (default) or --no
    bool bGerman = false;                          // --german: German lemmas on
    bool bQuiet = false;
};

// Parses the arguments after the program name. No arguments, or only
// --home, open the window. On a fault, returns nothing
// and strError says what is wrong.
std::optional<GlossmillOptions> ParseCommandLine(const std::vector<std::string>& args,
                                                 std::string& strError);

// The usage text of --help.
std::string UsageText();

// The output file of a source: its name with the extension replaced by
// "gmd" (or ".gmd" appended to a name without one), in folder.
std::filesystem::path CompiledFilePath(const std::filesystem::path& source,
                                       const std::filesystem::path& folder);
