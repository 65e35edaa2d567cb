// The command line of the headless lookup.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class OutputFormat { Text, Html, Json };

#include "core/CommandLineParser.h"

// 0 with results, 1 without, 2 on usage or library errors.
enum : int { EXIT_RESULTS = 0, EXIT_NO_RESULTS = 1, EXIT_FAILURE_OR_USAGE = EXIT_USAGE };

struct CLookupOptions {
    std::optional<std::u16string> query;
    std::u16string strHome;  // empty: the program's own folder
    std::optional<std::u16string> group;
    int nArea = 0;
    int nSortMode = 0;
    std::optional<int> nPage;  // from 1
    OutputFormat format = OutputFormat::Text;
    bool bFormatGiven = false;             // --format named: a batch prints results, not counts
    std::optional<std::string> batchFile;  // "-": standard input
    std::vector<std::u16string> dicts;     // --dict: only these of the group
    std::optional<std::u16string> prefix;  // list the index words beginning so
    int nLayout = 0;
    int nFontSize = 18;
    bool bList = false;    // the groups and their dictionaries instead of a search
    bool bGerman = false;  // German lemmas on, whatever "Glossmere.ini" says
    bool bHelp = false;
    bool bVersion = false;
};

// Parses argv[1..]; on a usage error returns nothing and sets strError.
std::optional<CLookupOptions> ParseLookupOptions(const std::vector<std::string>& args,
                                                 std::string& strError);

std::string LookupUsage();
