// Importing the dictionaries Linux users already have (dictd, StarDict and
// tab-separated glossaries) as dictionary sources that the compiler reads.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/Separators.h"

enum class ImportFormat { Dictd, StarDict, Tsv };

// "dictd", "stardict" or "tsv".
std::optional<ImportFormat> ImportFormatFromName(std::string_view name);
// The format a file name tells: ".index" (or a ".dict"/".dict.dz" without
// an ".ifo" beside it) dictd, ".ifo" StarDict, ".tsv" and ".tab" a glossary;
// nothing for any other name.
std::optional<ImportFormat> ImportFormatOfPath(const std::filesystem::path& input);
// The input's file name without the extensions of its format:
// "freedict-deu-eng" for "/usr/share/dictd/freedict-deu-eng.dict.dz".
std::filesystem::path ImportBaseName(const std::filesystem::path& input);

struct ImportOptions {
    std::u16string strName;   // "$NAME:"; empty: the dictionary's own name, else its file name
    std::u16string strMorph;  // "$MORPH:" as the compiler accepts it; empty: none
    CSeparatorSettings separators;  // the separators the source will be compiled with
};

// Reads input and writes the source to output, through a temporary file
// that replaces output only when everything has been written. On a fault
// strError names the file and the entry, and output is left as it was.
[[nodiscard]] bool ImportDictionary(ImportFormat format, const std::filesystem::path& input,
                                    const std::filesystem::path& output,
                                    const ImportOptions& options, int& nArticles,
                                    std::u16string& strError);
