// Definition text in the markup of an imported dictionary, turned into the
// markup of a source: tags the result page can show are kept (as upper-case
// HTML, which the compiler never mistakes for its own lower-case tags),
// others are dropped with their text kept, tags left open are closed and
// stray closing tags dropped, so that each article's markup is balanced.
#pragma once

#include <string_view>

#include "SourceArticle.h"

enum class MarkupDialect {
    Plain,  // no markup; every line end is a line break
    Dictd,  // plain text in which "{word}" refers to another headword
    Html,   // line ends are white space, except inside <pre>
    Xdxf,   // the XDXF article tags; line ends are line breaks
    Pango,  // Pango text attributes; line ends are line breaks
    Xml,    // any other XML: tags dropped, line ends are line breaks
};

void AppendMarkup(CSourceArticle& article, std::u16string_view text, MarkupDialect dialect);
