// The Glossmill window program from start to end: settings, interface
// language, the single-instance lock, the main dialog, and the restart that
// brings a newly chosen language into effect.
#pragma once

#include <QStringList>
#include <filesystem>

// homeFolder holds "Glossmill.ini" and, by default, the "Dictionaries"
// folder; restartArguments are given to the program when it starts itself
// again. Returns the process's exit code.
int RunMillWindow(int argc, char** argv, const std::filesystem::path& homeFolder,
                  const QStringList& restartArguments);
