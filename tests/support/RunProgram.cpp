#include "support/RunProgram.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/TempDir.h"

extern char** environ;

std::string BuiltFolder() {
    return GLOSS_BIN_DIR;
}

std::string BuiltFile(const std::string& name) {
    return BuiltFolder() + "/" + name;
}

CProgramRun RunProgram(const std::string& name, const std::vector<std::string>& args,
                       const std::string& input) {
    return RunProgramAt(BuiltFile(name), args, input);
}

pid_t StartProgramAt(const std::string& path, const std::vector<std::string>& args,
                     const std::string& outPath, const std::string& errPath,
                     const std::string& inPath) {
    if (!std::filesystem::exists(path)) {
        ADD_FAILURE() << path << " was not built";
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int nError = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0) {
        ADD_FAILURE() << "cannot run " << path << ": " << std::strerror(nError);
        return -1;
    }
    return pid;
}

int WaitForProgram(pid_t pid) {
    int nStatus = 0;
    while (::waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

CProgramRun RunProgramAt(const std::string& path, const std::vector<std::string>& args,
                         const std::string& input) {
    CProgramRun run;
    CTempDir dir;
    const std::string outPath = (dir.Path() / "out").string();
    const std::string errPath = (dir.Path() / "err").string();
    const std::string inPath = (dir.Path() / "in").string();
    WriteBytes(inPath, std::vector<uint8_t>(input.begin(), input.end()));
    const pid_t pid = StartProgramAt(path, args, outPath, errPath, inPath);
    if (pid < 0) return run;
    run.nExit = WaitForProgram(pid);
    const auto out = ReadBytes(outPath);
    const auto err = ReadBytes(errPath);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}
