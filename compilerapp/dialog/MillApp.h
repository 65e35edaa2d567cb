// The Glossmill window program from start to end: settings, interface
// language, the single-instance lock, the main dialog, and the restart that
// brings a newly chosen language into effect.
#pragma once

#include <QStringList>
#include <filesystem>

// configFolder holds "Glossmill.ini"; dictFolder is the default
// "Dictionaries" folder; restartArguments are given to the program when it
// starts itself again. Returns the process's exit code.
int RunMillWindow(int argc, char** argv, const std::filesystem::path& configFolder,
                  const std::filesystem::path& dictFolder, const QStringList& restartArguments);
