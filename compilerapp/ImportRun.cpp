#include "ImportRun.h"

#include <cstdio>
#include <cstdlib>

#include "ProgressView.h"
#include "compiler/DictSource.h"
#include "core/Utf8.h"
#include "import/DictImport.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void PrintError(std::u16string_view text) {
    std::fprintf(stderr, "glossmill: %s\n", ToConsoleText(text).c_str());
}

ImportOptions OptionsFor(const GlossmillOptions& options, const CSeparatorSettings& separators) {
    return {options.strName, options.strMorph, separators};
}

}  // namespace

bool CheckImportOptions(const GlossmillOptions& options, std::u16string& strError) {
    if (options.strMorph.empty()) return true;
    CDictSource probe;
    if (probe.ApplyMorphList(options.strMorph)) return true;
    strError = u"--morph: " + probe.GetError();
    return false;
}

int RunImport(const GlossmillOptions& options) {
    const std::optional<ImportFormat> format = ImportFormatFromName(options.strImportFormat);
    if (!format) {
        std::fprintf(stderr, "glossmill: unknown import format '%s' (dictd, stardict or tsv)\n",
                     options.strImportFormat.c_str());
        return kExitUsage;
    }
    CSeparatorSettings separators;
    std::u16string strError;
    if (!DecodeSeparatorSettings(options.separators, separators, strError) ||
        !CheckImportOptions(options, strError)) {
        PrintError(strError);
        return kExitUsage;
    }
    const std::filesystem::path output =
        options.outDir.value_or(ImportBaseName(options.source) += ".txt");
    std::error_code ec;
    if (std::filesystem::equivalent(output, options.source, ec)) {
        PrintError(u"the source would replace the dictionary it is imported from");
        return kExitUsage;
    }
    int nArticles = 0;
    if (!ImportDictionary(*format, options.source, output, OptionsFor(options, separators),
                          nArticles, strError)) {
        PrintError(strError);
        return kExitFailed;
    }
    std::printf("%d articles written to %s\n", nArticles, output.string().c_str());
    return kExitOk;
}

CTemporaryImport::~CTemporaryImport() {
    if (m_folder.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}

bool CTemporaryImport::Prepare(const GlossmillOptions& options,
                               const CSeparatorSettings& separators, std::u16string& strError) {
    const std::optional<ImportFormat> format = ImportFormatOfPath(options.source);
    if (!format) {
        if (options.strName.empty() && options.strMorph.empty()) return true;
        strError = u"--name and --morph apply to a dictionary that is imported";
        return false;
    }
    if (!CheckImportOptions(options, strError)) return false;
    std::string folder =
        (std::filesystem::temp_directory_path() / "glossmill-import-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        strError = u"cannot make a temporary folder in " +
                   FromUtf8(std::filesystem::temp_directory_path().string());
        return false;
    }
    m_folder = folder;
    const std::filesystem::path source = m_folder / "source.txt";
    int nArticles = 0;
    if (!ImportDictionary(*format, options.source, source, OptionsFor(options, separators),
                          nArticles, strError)) {
        return false;
    }
    m_source = source;
    return true;
}

std::filesystem::path CompiledPathOf(const std::filesystem::path& input,
                                     const std::filesystem::path& folder) {
    if (!ImportFormatOfPath(input)) return CompiledFilePath(input, folder);
    return folder / (ImportBaseName(input) += ".gmd");
}
