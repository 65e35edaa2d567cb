#include "DictImport.h"

#include <memory>

#include "DictdReader.h"
#include "StarDictReader.h"
#include "TsvReader.h"
#include "core/Utf8.h"

namespace {

constexpr std::string_view kExtensions[] = {".index", ".dict.dz", ".dict", ".ifo", ".idx.gz",
                                            ".idx",   ".syn",     ".tsv",  ".tab"};

std::unique_ptr<CImportReader> MakeReader(ImportFormat format) {
    switch (format) {
        case ImportFormat::Dictd:
            return std::make_unique<CDictdReader>();
        case ImportFormat::StarDict:
            return std::make_unique<CStarDictReader>();
        case ImportFormat::Tsv:
            break;
    }
    return std::make_unique<CTsvReader>();
}

}  // namespace

std::optional<ImportFormat> ImportFormatFromName(std::string_view name) {
    if (name == "dictd") return ImportFormat::Dictd;
    if (name == "stardict") return ImportFormat::StarDict;
    if (name == "tsv") return ImportFormat::Tsv;
    return std::nullopt;
}

std::optional<ImportFormat> ImportFormatOfPath(const std::filesystem::path& input) {
    const std::string name = input.filename().string();
    if (name.ends_with(".index")) return ImportFormat::Dictd;
    if (name.ends_with(".ifo")) return ImportFormat::StarDict;
    if (name.ends_with(".tsv") || name.ends_with(".tab")) return ImportFormat::Tsv;
    if (name.ends_with(".dict") || name.ends_with(".dict.dz")) {
        std::error_code ec;
        const bool bStarDict =
            std::filesystem::exists(input.parent_path() / ImportBaseName(input) += ".ifo", ec);
        return bStarDict ? ImportFormat::StarDict : ImportFormat::Dictd;
    }
    return std::nullopt;
}

std::filesystem::path ImportBaseName(const std::filesystem::path& input) {
    std::string name = input.filename().string();
    for (std::string_view ext : kExtensions) {
        if (name.size() > ext.size() && name.ends_with(ext)) {
            name.resize(name.size() - ext.size());
            break;
        }
    }
    return name;
}

bool ImportDictionary(ImportFormat format, const std::filesystem::path& input,
                      const std::filesystem::path& output, const ImportOptions& options,
                      int& nArticles, std::u16string& strError) {
    nArticles = 0;
    std::unique_ptr<CImportReader> reader = MakeReader(format);
    std::string strFault;
    if (!reader->Open(input, strFault)) {
        strError = FromUtf8(strFault);
        return false;
    }
    SourceHeader header{options.strName, options.strMorph};
    if (header.strName.empty()) header.strName = reader->GetName();
    if (header.strName.empty()) header.strName = FromUtf8(ImportBaseName(input).string());
    CSourceWriter writer(options.separators);
    if (!writer.Create(output, header)) {
        strError = writer.GetError();
        return false;
    }
    if (!reader->WriteArticles(writer, strFault)) {
        writer.Discard();
        strError = FromUtf8(strFault);
        return false;
    }
    if (!writer.Commit()) {
        strError = writer.GetError();
        return false;
    }
    nArticles = writer.GetArticleCount();
    return true;
}
