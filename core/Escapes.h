// Backslash escapes in the compiler's separator settings, so that line feeds
// and tabs can be typed into an edit field and kept in the settings file.
#pragma once

#include <string>
#include <string_view>

// Decodes \n \r \t (either case), \\ and \x followed by four hexadecimal
// digits; every other character is copied. A trailing "\", "\" before any
// other character, or "\x" without four hexadecimal digits rejects the whole
// text: false, and out is left as it was.
bool ParseEscapes(std::u16string_view text, std::u16string& out);
