// Tab-separated glossaries: one entry a line, the headword, a TAB, the
// definition, in which "\n" stands for a line break, "\t" for a TAB and
// "\\" for a backslash. Empty lines are passed over.
#pragma once

#include <string>

#include "ImportReader.h"

class CTsvReader : public CImportReader {
public:
    // A glossary has no name of its own: the file's name stands for it.
    bool Open(const std::filesystem::path& input, std::string& strError) override;
    bool WriteArticles(CSourceWriter& writer, std::string& strError) override;

private:
    std::filesystem::path m_path;
    std::string m_text;
};

// The definition with its backslash escapes decoded; other backslashes stay.
std::string UnescapeTsvDefinition(std::string_view text);
