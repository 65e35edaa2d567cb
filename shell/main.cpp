// glossmere: looks words and phrases up in the dictionary library, in its
// window or, with --search, --batch, --prefix or --list, headless on the
// command line.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/InstallLayout.h"
#include "core/Lemmatizer.h"
#include "core/MorphologySettings.h"
#include "core/ProgramFolder.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictGroup.h"
#include "shell/GlossmereApp.h"
#include "shell/GroupListing.h"
#include "shell/HeadlessLookup.h"
#include "shell/HomeFolder.h"
#include "shell/Json.h"
#include "shell/LookupDefaults.h"
#include "shell/LookupOptions.h"
#include "shell/WindowCommandLine.h"

#ifndef GLOSS_VERSION
#define GLOSS_VERSION "0.0.0"
#endif

namespace {

// Whether an enabled dictionary of the group searched names German.
bool SearchesGerman(const CHeadlessLookup& lookup) {
    const CDictGroup* pGroup = lookup.GetCurrentGroup();
    for (int i = 0; pGroup != nullptr && i < pGroup->Count(GROUP_FILTER_ENABLED); ++i) {
        const CDictIndexFile* pDict = pGroup->GetDict(i, GROUP_FILTER_ENABLED);
        for (int k = 0; pDict != nullptr && k < pDict->GetMorphDescrCount(); ++k)
            if (pDict->GetMorphDescr(k).nLangId == CLemmatizer::LANG_GERMAN) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!IsHeadlessRequest(args)) return RunGlossmereWindow(argc, argv);
    std::ios::sync_with_stdio(false);
    std::string strError;
    auto options = ParseLookupOptions(args, strError);
    if (!options) {
        return ReportUsageError("glossmere", strError);
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
    const CUserFolders folders = ChooseHomeFolders(options->strHome, layout);
    std::u16string strFolderError;
    if (!PrepareHomeFolders(folders, layout, strFolderError)) {
        std::cerr << "glossmere: " << ToUtf8(strFolderError) << '\n';
        return EXIT_FAILURE_OR_USAGE;
    }
    const std::u16string& strHome = folders.strConfigFolder;
    std::u16string strWarnings;
    CIniFile ini;
    if (ini.Load(std::filesystem::path(JoinPath(strHome, kSettingsFileName)), strWarnings))
        strWarnings = ApplyViewSettings(ini, args, *options);
    if (!strWarnings.empty()) std::cerr << "glossmere: " << ToUtf8(strWarnings) << '\n';
    strWarnings.clear();
    const bool bGerman =
        ReadGermanSetting(ini, IDS_SHELL_INI_LOCATION, strWarnings) || options->bGerman;
    if (!strWarnings.empty()) std::cerr << "glossmere: " << ToUtf8(strWarnings) << '\n';
    strWarnings.clear();
    CHeadlessLookup lookup(strHome, layout.strLibraryFolder);
    if (bGerman) lookup.EnableGerman();
    lookup.SetDictionaryFolders(folders.strDictionariesFolder, folders.systemDictionaries);
    const bool bOpen = lookup.Open(options->group, strWarnings);
    if (!strWarnings.empty()) std::cerr << ToUtf8(strWarnings) << '\n';
    if (!bOpen) {
        if (options->format == OutputFormat::Json)
            std::cout << "{\"error\": " << JsonString(lookup.GetError()) << "}\n";
        std::cerr << "glossmere: " << ToUtf8(lookup.GetError()) << '\n';
        return EXIT_FAILURE_OR_USAGE;
    }
    if (options->bList) {
        PrintGroupList(lookup.GetSession(), options->format, std::cout);
        return EXIT_RESULTS;
    }
    if (!options->dicts.empty() && !lookup.SelectDictionaries(options->dicts))
        return ReportUsageError("glossmere", ToUtf8(lookup.GetError()));
    // After the choice of dictionaries: only those searched count.
    if (!lookup.IsGermanEnabled() && SearchesGerman(lookup))
        std::cerr << "glossmere: " << ToUtf8(GermanSwitchedOffText(kSettingsFileName)) << '\n';
    if (options->prefix) return lookup.ListPrefix(*options, std::cout, std::cerr);
    if (options->batchFile == "-") return lookup.Batch(*options, std::cin, std::cout);
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
