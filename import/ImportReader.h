// What each reader of a dictionary format offers the import: the name of
// the dictionary, then its entries written as articles of a source.
#pragma once

#include <filesystem>
#include <initializer_list>
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
    const std::u16string& GetName() const { return m_strName; }
    // Writes one article per headword.
    [[nodiscard]] virtual bool WriteArticles(CSourceWriter& writer, std::string& strError) = 0;

protected:
    std::u16string m_strName;  // set by Open
};

// "FILE: what" and "FILE, where: what", the shape of every import fault.
std::string ImportFault(const std::filesystem::path& file, std::string_view what);
std::string ImportFault(const std::filesystem::path& file, std::string_view where,
                        std::string_view what);
// "entry N ('headword')", N counted from 1.
std::string EntryName(size_t nIndex, std::string_view headword);
// The path with its extension replaced: "dict" for "x.index" gives "x.dict".
std::filesystem::path SiblingFile(const std::filesystem::path& path, std::string_view extension);
// The path without the first of the suffixes it ends with: "x" for
// "x.dict.dz" and {".index", ".dict.dz"}.
std::filesystem::path WithoutSuffix(const std::filesystem::path& path,
                                    std::initializer_list<std::string_view> suffixes);
// The file's bytes; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& out);
