// How a source fuzz input carries its separator settings.
#pragma once

#include <cstdint>
#include <string>

#include "FuzzSupport.h"

struct FuzzSource {
    int32_t nType = 2;
    std::u16string strArticlesSep;  // as typed, with backslash escapes
    std::u16string strPartsSep = u"##:##";
    FuzzBytes source;
};

// A first line "#SEP type<TAB>articles<TAB>parts" gives the settings and
// is not part of the source; without it the settings are drawn from a
// checksum of the bytes among a few typical ones.
FuzzSource SplitFuzzSource(FuzzBytes input);
