// What a headless compile tells on stderr besides its progress: its fault
// and its warnings, each line naming the source ("glossmill: FILE:LINE: ...").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/CompileWarning.h"
#include "compiler/ForeignInput.h"

// "glossmill: FILE:LINE: text", without ":LINE" for line 0, in UTF-8 with
// LF line ends and a final LF.
std::string SourceMessage(std::string_view strFile, int32_t nLine, std::u16string_view text);

// The text of a warning (after "warning: "); strPartsSep as the user typed it.
std::u16string WarningText(const CompileWarning& warning, std::u16string_view strPartsSep);
std::u16string ForeignInputText(ForeignInput nKind);
