// Runs a program of the build as a user runs it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct CProgramRun {
    int nExit = -1;  // -1 when killed by a signal
    std::string out;
    std::string err;
};

// The folder the programs, the lemmatiser library and its data are built in.
std::string BuiltFolder();
// The path of a program (or library) built there.
std::string BuiltFile(const std::string& name);
// Runs the built program with args (no shell in between), its output
// collected. A program that was not built fails the calling test.
// Its standard input is empty, or input when given.
CProgramRun RunProgram(const std::string& name, const std::vector<std::string>& args,
                       const std::string& input = {});
// The same for a program at any path.
CProgramRun RunProgramAt(const std::string& path, const std::vector<std::string>& args,
                         const std::string& input = {});
// Starts the program at path with its output going to the two files (its
// input read from inPath), and returns at once; -1 (the test failed) when it
// cannot be started.
pid_t StartProgramAt(const std::string& path, const std::vector<std::string>& args,
                     const std::string& outPath, const std::string& errPath,
                     const std::string& inPath = "/dev/null");
// Waits for a started program: its exit status, -1 when a signal ended it.
int WaitForProgram(pid_t pid);
