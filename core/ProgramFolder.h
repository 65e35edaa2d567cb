// Where the running program lives: its settings, data folders and the
// lemmatiser library are found relative to this folder.
#pragma once

#include <string>

// The folder of the running executable, without a trailing '/'; empty when
// the system cannot tell.
std::u16string GetProgramFolder();

// folder + '/' + name, without doubling a '/' that folder already ends with.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);
