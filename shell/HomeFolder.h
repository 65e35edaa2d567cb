// Where Glossmere keeps what belongs to its user: "Glossmere.ini" and
// "DictGroup.bin" in the config folder, the user's "Dictionaries", and the
// read-only dictionaries installed for every user.
#pragma once

#include <string>

#include "core/UserFolders.h"

// The folder given with --home, else the program folder of a portable copy,
// else the user's XDG folders. The one place that decides it.
CUserFolders ChooseHomeFolders(const std::u16string& strHomeOption, const CInstallLayout& layout);

// The first start of an installed program makes the user's folders and its
// default settings; false with the reason when a folder cannot be made.
bool PrepareHomeFolders(const CUserFolders& folders, const CInstallLayout& layout,
                        std::u16string& strError);
