// The dictionary tests' file builder, shared with this test program.
#include "dictformat/GmdBuilder.cpp"
