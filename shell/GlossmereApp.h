// Glossmere with its window: start-up, the run and shut-down.
#pragma once

// The command line is [Qt options] [--home DIR] [WORDS...]: the words are
// searched at once, or handed to the window that already runs. Returns the
// process's exit code.
int RunGlossmereWindow(int& argc, char** argv);
