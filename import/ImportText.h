// Text of an imported dictionary as UTF-16, whatever its bytes.
#pragma once

#include <string>
#include <string_view>

// UTF-8 (a character beyond U+FFFF becomes its surrogate pair); a byte that
// starts no well-formed sequence is taken as a Latin-1 character, so older
// 8-bit dictionaries come through instead of failing. CR LF and lone CR
// become LF; the other control characters except TAB and LF become a space.
std::u16string DecodeImportText(std::string_view bytes);

// The text with white space removed from both ends.
std::u16string_view TrimImportText(std::u16string_view text);
