#include "RunQuietly.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

int RunQuietly(const std::vector<std::string>& args, const std::vector<std::string>& env,
               ErrorOutput errors) {
    if (args.empty()) return -1;
    std::vector<char*> argv, envp;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    for (char** p = environ; *p; ++p)
        envp.push_back(*p);
    for (const std::string& var : env)
        envp.push_back(const_cast<char*>(var.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (errors == ErrorOutput::Discard) {
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int nError = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int nStatus = 0;
    if (nError != 0 || waitpid(pid, &nStatus, 0) < 0 || !WIFEXITED(nStatus)) return -1;
    return WEXITSTATUS(nStatus);
}
