// Settings tests start from the text of an INI file.
#pragma once

#include <string_view>

#include "core/IniFile.h"

inline CIniFile IniFromText(std::string_view text) {
    CIniFile ini;
    ini.LoadText(text);
    return ini;
}
