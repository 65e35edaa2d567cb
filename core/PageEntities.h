// Character references as a result page shows them: every HTML 4.01 name
// (and "apos"), and numbers for any Unicode character. The index reads
// references by a narrower rule (Entities.h); this one serves output meant
// to read as the page does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The characters the page shows for "&" name ";" (name without both);
// nothing when the page shows the reference as written (an unknown name, a
// malformed number, 0, a surrogate or a number beyond U+10FFFF).
std::optional<std::u16string> DecodePageReference(std::u16string_view name);
