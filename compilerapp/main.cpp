// glossmill: the compiler's window, or a compile from the command line.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "CommandLine.h"
#include "CompileReport.h"
#include "ImportRun.h"
#include "ProgressView.h"
#include "compiler/DictCompiler.h"
#include "compiler/ForeignInput.h"
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
    std::fprintf(stderr, "glossmill: %s\n", ToConsoleText(text).c_str());
}

std::filesystem::path OutputFolder(const GlossmillOptions& options, const CInstallLayout& layout) {
    std::error_code ec;
    if (options.outDir) {
        // A folder named on the command line is made as asked.
        std::filesystem::create_directories(*options.outDir, ec);
        return *options.outDir;
    }
    const CUserFolders folders =
        GetUserFolders(layout, options.homeDir ? Wide(*options.homeDir) : std::u16string());
    // The user's dictionaries folder is made on first use.
    std::u16string strError;
    if (folders.bPerUser && !PrepareUserFolders(folders, layout, u"Glossmill.ini", strError))
        PrintError(strError);
    std::filesystem::create_directories(ToUtf8(folders.strDictionariesFolder), ec);
    return ToUtf8(folders.strDictionariesFolder);
}

// The first bytes of the source, for telling an input that is no source;
// nothing when it cannot be read.
std::optional<std::string> ReadHead(const std::filesystem::path& source) {
    std::ifstream in(source, std::ios::binary);
    if (!in) return std::nullopt;
    std::string head(kForeignInputHead, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (in.bad()) return std::nullopt;
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
}

// The warnings of a finished run; German switched off is said once. Of an
// imported dictionary only the languages count: the rest concerns a source
// the user never saw.
void PrintWarnings(const CDictCompiler& compiler, const GlossmillOptions& options, bool bImported) {
    const std::string strFile = options.source.string();
    bool bGermanSaid = false;
    for (const CompileWarning& warning : compiler.GetWarnings()) {
        const bool bLanguage = warning.nKind == CompileWarning::MORPH_WITHOUT_LEMMAS ||
                               warning.nKind == CompileWarning::MORPH_SWITCHED_OFF;
        if (bImported && !bLanguage) continue;
        if (warning.nKind == CompileWarning::MORPH_SWITCHED_OFF) {
            if (bGermanSaid) continue;
            bGermanSaid = true;
        }
        const int32_t nLine = bImported ? 0 : warning.nLine;
        const std::u16string text = WarningText(warning, options.separators.strPartsSep);
        std::fputs(SourceMessage(strFile, nLine, text).c_str(), stderr);
    }
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
    if (!DecodeSeparatorSettings(options.separators, separators, strError)) {
        PrintError(strError);
        return kExitUsage;
    }

    // The lemmatiser library and its data folders sit side by side.
    CLemmatizer lemmatizer(layout.strLibraryFolder);
    lemmatizer.SetMorphologyRoot(layout.strLibraryFolder);
    if (options.bGerman) lemmatizer.EnableLanguage(CLemmatizer::LANG_GERMAN);
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
    // Messages about the source name it as the user did; an imported
    // dictionary's temporary source has no lines worth naming.
    const std::string strFile = options.source.string();
    const std::optional<std::string> head = ReadHead(source);
    if (head && !imported.IsUsed()) {
        const ForeignInputFinding found = FindForeignInput(*head, separators.strPartsSep);
        if (found.nKind != ForeignInput::NONE) {
            std::fputs(SourceMessage(strFile, found.nLine, ForeignInputText(found.nKind)).c_str(),
                       stderr);
        }
    }

    // A closed terminal stops the compile as an interrupt does.
    for (const int nSignal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(nSignal, OnSignal);
    const std::filesystem::path output = CompiledPathOf(options.source, outFolder);
    if (!compiler.StartCompile(Wide(source), Wide(output), Wide(options.mapFile))) {
        // The other faults of a start name their own files.
        if (compiler.HasSourceOpenFault()) {
            std::fputs(SourceMessage(strFile, 0, compiler.GetError()).c_str(), stderr);
        } else {
            PrintError(compiler.GetError());
        }
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
    PrintWarnings(compiler, options, imported.IsUsed());
    if (!compiler.GetLineFault().empty()) {
        const int32_t nLine = imported.IsUsed() ? 0 : compiler.GetLine();
        std::fputs(SourceMessage(strFile, nLine, compiler.GetLineFault()).c_str(), stderr);
        return kExitFailed;
    }
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
