// How a source fuzz input carries its separator settings.
#pragma once

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "compiler/Separators.h"

struct FuzzSource {
    CSeparatorInput separators;
    FuzzBytes source;
};

// A first line "#SEP type<TAB>articles<TAB>parts" gives the settings and
// is not part of the source; without it the settings are drawn from a
// checksum of the bytes among a few typical ones.
FuzzSource SplitFuzzSource(FuzzBytes input);
