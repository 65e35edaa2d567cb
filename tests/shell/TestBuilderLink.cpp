// The shell's tests write their dictionaries with the library tests' builder.
#include "library/GmdTestBuilder.cpp"
