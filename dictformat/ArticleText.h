// The plain text of a piece of article text, as a query word is compared
// with it: markup left out and character references decoded.
#pragma once

#include <string>
#include <string_view>

// "<...>" is dropped (a "<" without a later ">" stays); "&name;" becomes its
// character; a reference DecodeEntity rejects with a message makes the
// result false (the piece then equals no query); one it ignores leaves the
// "&" as an ordinary character.
bool MakePlainText(std::u16string_view piece, std::u16string& plain);
