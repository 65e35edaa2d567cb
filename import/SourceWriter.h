// Writes a dictionary source from imported entries: the keyword header, then
// one article per headword. The text goes to a temporary file beside the
// target and replaces it only on Commit, so a failed import leaves nothing
// half-written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "SourceArticle.h"
#include "core/MyObject.h"
#include "dictformat/GmdOutputFile.h"

struct SourceHeader {
    std::u16string strName;   // "$NAME:"; cut to one line of at most 255 units
    std::u16string strMorph;  // "$MORPH:", already checked; empty: none
};

class CSourceWriter : public CMyObject {
public:
    explicit CSourceWriter(const CSeparatorSettings& separators);

    // Creates the temporary file and writes the header.
    [[nodiscard]] bool Create(const std::filesystem::path& target, const SourceHeader& header);

    // The article to fill before each WriteArticle.
    CSourceArticle& Article() { return m_article; }
    // Finishes the article and appends it; fails with the article's reason.
    [[nodiscard]] bool WriteArticle();
    int GetArticleCount() const { return m_nArticles; }

    [[nodiscard]] bool Commit();
    void Discard() { m_file.Discard(); }

private:
    bool WriteText(std::u16string_view text);

    CSeparatorSettings m_separators;
    CSourceArticle m_article;
    CGmdOutputFile m_file;
    std::u16string m_strArticleEnd;
    int m_nArticles = 0;
};

// The header value as it can stand on its keyword line: control characters
// and line ends as blanks, units outside the Basic Multilingual Plane (which
// the source's UTF-8 cannot carry) as U+FFFD, trimmed, at most 255 units.
std::u16string HeaderValue(std::u16string_view text);
