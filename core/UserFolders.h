// Where the programs keep each user's files. Portable (see InstallLayout.h)
// or with --home DIR, everything lives in that one folder. Installed, they
// follow the XDG base directories: settings, groups and history in
// $XDG_CONFIG_HOME/glossmere, the user's own dictionaries in
// $XDG_DATA_HOME/glossmere/Dictionaries, and the dictionaries installed for
// every user, read-only, in glossmere/Dictionaries under $XDG_DATA_DIRS.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "InstallLayout.h"

struct CUserFolders {
    // "Glossmere.ini", "Glossmill.ini", "DictGroup.bin".
    std::u16string strConfigFolder;
    // The user's own "Dictionaries": compiled into, added to, deleted from.
    std::u16string strDictionariesFolder;
    // Existing folders of dictionaries installed for every user, listed after
    // the user's own and never written.
    std::vector<std::u16string> systemDictionaries;
    // True for the XDG folders of an installed program.
    bool bPerUser = false;
};

// Reads an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// strHomeOption (the --home folder; empty when not given) wins over the
// layout. Without HOME and XDG variables the config and data folders are
// empty: there is nowhere to keep the user's files.
CUserFolders ResolveUserFolders(const CInstallLayout& layout, const std::u16string& strHomeOption,
                                const EnvironmentLookup& environment);

// The same, from the process's environment.
CUserFolders GetUserFolders(const CInstallLayout& layout, const std::u16string& strHomeOption);

// Creates the config and dictionaries folders when missing, and on the first
// start of an installed program (bPerUser) copies the shipped default settings file
// (strDataFolder/strSettingsName) into the config folder. False with the
// reason in strError when a folder cannot be made.
bool PrepareUserFolders(const CUserFolders& folders, const CInstallLayout& layout,
                        std::u16string_view strSettingsName, std::u16string& strError);
