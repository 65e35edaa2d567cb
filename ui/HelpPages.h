// The help pages both programs open with F1 and "Help Topics": one HTML page
// per interface language, "Glossmere_<language>.html", in the help folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// The help folder in the folder of what the programs ship (CInstallLayout).
std::filesystem::path HelpFolder(const std::filesystem::path& dataFolder);

// The page of the language, else the English one; nothing when neither
// exists.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& helpFolder,
                                                  std::u16string_view languageName);

// Opens the page in the user's browser; false when nothing could open it.
bool OpenHelpPage(const std::filesystem::path& page);
