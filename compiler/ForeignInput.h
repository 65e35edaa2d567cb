// Inputs that are plainly no dictionary source, told from their first bytes:
// compressed data, a dictd index, a tab-separated glossary. Such a file may
// still compile (a glossary without parts separators does), so this only
// names what the user probably meant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

enum class ForeignInput { NONE, GZIP, DICTD_INDEX, TAB_SEPARATED };

struct ForeignInputFinding {
    ForeignInput nKind = ForeignInput::NONE;
    int32_t nLine = 0;  // the first line that shows it
};

inline constexpr size_t kForeignInputHead = 4096;

// head: the first kForeignInputHead bytes of the file, all of a shorter one.
// strPartsSep: the compile's article parts separator; a tab-separated file
// compiled with a tab in it is what its author meant.
ForeignInputFinding FindForeignInput(std::string_view head, std::u16string_view strPartsSep);
