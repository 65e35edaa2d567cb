// Which way glossmere runs: a lookup on the command line, or the window.
#pragma once

#include <optional>
#include <string>
#include <vector>

// True when the arguments ask for the headless lookup (or its help or
// version): they name --search, --batch, --list, --help, -h or --version.
bool IsHeadlessRequest(const std::vector<std::string>& args);

struct CWindowCommandLine {
    std::u16string strHome;   // --home DIR
    std::u16string strQuery;  // the words after the options, joined by blanks
};

// [--home DIR] [WORDS...]; "--" ends the options. Nothing, with strError,
// for an unknown option or a missing value.
std::optional<CWindowCommandLine> ParseWindowCommandLine(const std::vector<std::string>& args,
                                                         std::string& strError);
