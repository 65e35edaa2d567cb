// glossmill: the compiler's window, or a compile from the command line.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "CommandLine.h"
#include "ImportRun.h"
#include "ProgressView.h"
#include "compiler/DictCompiler.h"
#include "compiler/LemmatizerSource.h"
#include "compiler/Separators.h"
#include "core/CommandLineParser.h"
#include "core/InstallLayout.h"
#include "core/Lemmatizer.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/UserFolders.h"
#include "core/Utf8.h"
#include "dialog/MillApp.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = EXIT_USAGE;

std::atomic<bool> g_bInterrupted{false};

void OnSignal(int) {
    g_bInterrupted = true;
}

std::u16string Wide(const std::filesystem::path& path) {
    return FromFileName(path.string());
}

void PrintError(std::u16string_view text) {
    std::fprintf(stderr, "%s\n", ToConsoleText(text).c_str());
}

std::filesystem::path OutputFolder(const GlossmillOptions& options, const CInstallLayout& layout) {
    if (options.outDir) return *options.outDir;
    const CUserFolders folders =
        GetUserFolders(layout, options.homeDir ? Wide(*options.homeDir) : std::u16string());
    // The user's dictionaries folder is made on first use.
    std::u16string strError;
    if (folders.bPerUser && !PrepareUserFolders(folders, layout, u"Glossmill.ini", strError))
        PrintError(strError);
    std::error_code ec;
    std::filesystem::create_directories(ToUtf8(folders.strDictionariesFolder), ec);
    return ToUtf8(folders.strDictionariesFolder);
}

int Compile(const GlossmillOptions& options) {
    const CInstallLayout layout = GetInstallLayout();
    const std::filesystem::path outFolder = OutputFolder(options, layout);
    std::error_code ec;
    if (outFolder.empty() || !std::filesystem::is_directory(outFolder, ec)) {
        PrintError(FormatTextId(IDS_FOLDER_NOT_FOUND, {Wide(outFolder)}));
        return kExitUsage;
    }
    CSeparatorSettings separators;
    std::u16string strError;
    if (!DecodeSeparatorSettings(options.nSepType, options.strSep, options.strPartsSep, separators,
                                 strError)) {
        PrintError(strError);
        return kExitUsage;
    }

    // The lemmatiser library and its data folders sit side by side.
    CLemmatizer lemmatizer(layout.strLibraryFolder);
    lemmatizer.SetMorphologyRoot(layout.strLibraryFolder);
    CLemmatizerSource lemmas(lemmatizer);
    CDictCompiler compiler;
    // Nothing here waits on the user: the compile may take the full priority.
    compiler.SetLowerPriority(false);
    compiler.SetSeparators(separators);
    compiler.SetLemmaSource(&lemmas);
    const bool bContinue = options.bContinueOnMorphFailure;
    compiler.SetAskContinue([bContinue](const std::u16string& strQuestion) {
        std::fprintf(stderr, "\n%s %s\n", ToConsoleText(strQuestion).c_str(),
                     bContinue ? "yes" : "no");
        return bContinue;
    });

    // A dictionary in another format is compiled from a temporary source.
    CTemporaryImport imported;
    if (!imported.Prepare(options, separators, strError)) {
        PrintError(strError);
        return kExitFailed;
    }
    const std::filesystem::path& source =
        imported.IsUsed() ? imported.GetSourcePath() : options.source;

    // A closed terminal stops the compile as an interrupt does.
    for (const int nSignal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(nSignal, OnSignal);
    const std::filesystem::path output = CompiledPathOf(options.source, outFolder);
    if (!compiler.StartCompile(Wide(source), Wide(output), Wide(options.mapFile))) {
        PrintError(compiler.GetError());
        return kExitFailed;
    }
    CProgressView view(stderr, ::isatty(STDERR_FILENO) != 0);
    while (compiler.IsRunning()) {
        if (g_bInterrupted) compiler.RequestAbort();
        if (!options.bQuiet) {
            view.Show(compiler.GetStatusText(), compiler.GetProgressMin(),
                      compiler.GetProgressPos(), compiler.GetProgressMax());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    compiler.Wait();
    view.Clear();
    if (compiler.HasError() || compiler.IsAborted()) {
        PrintError(compiler.GetError());
        return kExitFailed;
    }
    std::printf("%s\n", ToConsoleText(compiler.GetStatusText()).c_str());
    return kExitOk;
}

// The arguments that give a restarted window the same home.
QStringList HomeArguments(const GlossmillOptions& options) {
    if (!options.homeDir) return {};
    return {QStringLiteral("--home"), QString::fromStdString(options.homeDir->string())};
}

// The window keeps its settings in the user's config folder, made with the
// default settings on the first start of an installed program.
int RunWindow(int argc, char** argv, const GlossmillOptions& options) {
    const CInstallLayout layout = GetInstallLayout();
    const CUserFolders folders =
        GetUserFolders(layout, options.homeDir ? Wide(*options.homeDir) : std::u16string());
    std::u16string strError;
    if (folders.bPerUser && !PrepareUserFolders(folders, layout, u"Glossmill.ini", strError)) {
        PrintError(strError);
        return kExitFailed;
    }
    return RunMillWindow(argc, argv, ToUtf8(folders.strConfigFolder),
                         ToUtf8(folders.strDictionariesFolder), HomeArguments(options));
}

}  // namespace

int main(int argc, char** argv) {
    SelectTextSet(TextSet::Compiler);
    std::string strError;
    const auto options = ParseCommandLine({argv + 1, argv + argc}, strError);
    if (!options) return ReportUsageError("glossmill", strError);
    switch (options->action) {
        case GlossmillOptions::Action::Help:
            std::fputs(UsageText().c_str(), stdout);
            return kExitOk;
        case GlossmillOptions::Action::Version:
            std::printf("glossmill %s\n", GLOSS_VERSION);
            return kExitOk;
        case GlossmillOptions::Action::Window:
            return RunWindow(argc, argv, *options);
        case GlossmillOptions::Action::Import:
            return RunImport(*options);
        case GlossmillOptions::Action::Compile:
            break;
    }
    return Compile(*options);
}
