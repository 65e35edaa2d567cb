// The headless lookup shows what the window would show: the layout, font
// size, sort order and search area of "Glossmere.ini" apply unless the
// command line names its own. The file is only read.
#pragma once

#include <string>
#include <vector>

#include "shell/LookupOptions.h"
#include "shell/ShellSettings.h"

// Takes the view settings for the options that args do not give. A bad
// setting's message (the settings it leaves at their defaults, as the window
// does) is returned for a warning; empty when all was well.
std::u16string ApplyViewSettings(const CIniFile& ini, const std::vector<std::string>& args,
                                 CLookupOptions& options);
