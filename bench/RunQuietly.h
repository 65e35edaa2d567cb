// Starting a program of the build from a benchmark, as a user would.
#pragma once

#include <string>
#include <vector>

enum class ErrorOutput { Keep, Discard };

// Runs args[0] with args (no shell in between) and env added to this
// process's environment, its output thrown away, and waits for it: the exit
// status, or -1 when it could not start or did not exit.
int RunQuietly(const std::vector<std::string>& args, const std::vector<std::string>& env = {},
               ErrorOutput errors = ErrorOutput::Keep);
