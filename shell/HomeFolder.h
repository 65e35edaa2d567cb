// Where Glossmere keeps what belongs to its user: "Dictionaries",
// "DictGroup.bin" and "Glossmere.ini".
#pragma once

#include <string>

// The folder given with --home, else the program folder. The one place that
// decides it.
std::u16string ChooseHomeFolder(const std::u16string& strHomeOption,
                                const std::u16string& strProgramFolder);
