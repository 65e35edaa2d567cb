// The definition data of one StarDict entry: a sequence of typed fields,
// either as the .ifo's "sametypesequence" lists them (no type bytes; the
// last field runs to the end of the data) or each led by its type byte.
// Lower-case types are text ending in a NUL byte, upper-case ones binary
// data led by a 32-bit big-endian size.
#pragma once

#include <string>
#include <string_view>

#include "SourceArticle.h"

// Appends the text fields to the article's definition, one after the other
// on lines of their own: plain text (m, l, y, w, n), the transcription t in
// square brackets, Pango markup g, XDXF x, HTML h, other XML k as text.
// Resource lists (r) and binary fields (sound, pictures) are left out. False
// with the reason when a field runs past the end of the data.
[[nodiscard]] bool AppendStarDictFields(CSourceArticle& article, std::string_view data,
                                        std::string_view sameTypeSequence, std::string& strError);
