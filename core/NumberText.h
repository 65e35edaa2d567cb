// Number checks and readers for numbers written inside other text (character
// references, escapes), on top of IsHexNumber and IsDecimalNumber.
#pragma once

#include <cstdint>
#include <string_view>

// IsHexNumber / IsDecimalNumber of the text. A text holding an ASCII
// character that cannot belong to such a number is refused at once, without
// copying it: a reference may run to the next ";" far away.
bool IsHexNumberText(std::u16string_view text, int nBytes);
bool IsDecimalNumberText(std::u16string_view text, int nBytes, bool bSigned);

// The value of a text that passed the check above. Characters around the
// number (the blanks the check allows) are skipped; the value saturates at
// kNumberTextLimit instead of wrapping.
inline constexpr int64_t kNumberTextLimit = int64_t{1} << 40;
int64_t ReadHexValue(std::u16string_view text);
int64_t ReadDecimalValue(std::u16string_view text);
