// What each reader of a dictionary format offers the import: the name of
// the dictionary, then its entries written as articles of a source.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "SourceWriter.h"

class CImportReader {
public:
    virtual ~CImportReader() = default;
    // Reads what comes before the entries (index, info file). On a fault
    // strError names the file and the entry.
    [[nodiscard]] virtual bool Open(const std::filesystem::path& input, std::string& strError) = 0;
    // The dictionary's own name, or empty.
    virtual std::u16string GetName() const = 0;
    // Writes one article per headword.
    [[nodiscard]] virtual bool WriteArticles(CSourceWriter& writer, std::string& strError) = 0;
};

// "FILE: what" and "FILE, where: what", the shape of every import fault.
std::string ImportFault(const std::filesystem::path& file, std::string_view what);
std::string ImportFault(const std::filesystem::path& file, std::string_view where,
                        std::string_view what);
// "entry N ('headword')", N counted from 1.
std::string EntryName(size_t nIndex, std::string_view headword);
// The path with its extension replaced: "dict" for "x.index" gives "x.dict".
std::filesystem::path SiblingFile(const std::filesystem::path& path, std::string_view extension);
