// glossmere: looks words and phrases up in the dictionary library. For now
// the program runs headless, from the command line.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/InstallLayout.h"
#include "core/Utf8.h"
#include "shell/HeadlessLookup.h"
#include "shell/Json.h"
#include "shell/LookupOptions.h"

#ifndef GLOSS_VERSION
#define GLOSS_VERSION "0.0.0"
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::string strError;
    const auto options =
        ParseLookupOptions(std::vector<std::string>(argv + 1, argv + argc), strError);
    if (!options) {
        std::cerr << "glossmere: " << strError << "\n" << LookupUsage();
        return EXIT_FAILURE_OR_USAGE;
    }
    if (options->bHelp) {
        std::cout << LookupUsage();
        return 0;
    }
    if (options->bVersion) {
        std::cout << "glossmere " GLOSS_VERSION "\n";
        return 0;
    }
    const CInstallLayout layout = GetInstallLayout();
    const std::u16string strHome =
        options->strHome.empty() ? layout.strProgramFolder : options->strHome;
    CHeadlessLookup lookup(strHome, layout.strLibraryFolder);
    std::u16string strWarnings;
    const bool bOpen = lookup.Open(options->group, strWarnings);
    if (!strWarnings.empty()) std::cerr << ToUtf8(strWarnings) << '\n';
    if (!bOpen) {
        if (options->format == OutputFormat::Json)
            std::cout << "{\"error\": " << JsonString(lookup.GetError()) << "}\n";
        std::cerr << "glossmere: " << ToUtf8(lookup.GetError()) << '\n';
        return EXIT_FAILURE_OR_USAGE;
    }
    if (options->batchFile) {
        std::ifstream in(*options->batchFile);
        if (!in) {
            std::cerr << "glossmere: cannot read " << *options->batchFile << '\n';
            return EXIT_FAILURE_OR_USAGE;
        }
        return lookup.Batch(*options, in, std::cout);
    }
    return lookup.Lookup(*options, std::cout, std::cerr);
}
