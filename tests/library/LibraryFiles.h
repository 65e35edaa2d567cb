// Dictionary folders for the library tests: small valid files, broken ones
// and information files.
#pragma once

#include <string>

#include "core/Utf8.h"
#include "support/GmdBuilder.h"
#include "support/TempDir.h"

inline std::vector<uint8_t> SmallGmd(std::u16string name, uint8_t nFileType = 1,
                                     uint8_t nDictType = 1) {
    TestGmd gmd;
    gmd.name = std::move(name);
    gmd.nFileType = nFileType;
    gmd.nDictType = nDictType;
    gmd.text = u"cat - Katze\r\n";
    gmd.articles = {{0, 4, 6, 11, -1, 0x00430041}};
    gmd.forms = {{u"CAT", {{0, 0, 3, 0, 0x06}}}};
    return BuildGmd(gmd);
}

inline void WriteText(const std::filesystem::path& path, std::string_view utf8) {
    WriteBytes(path, {utf8.begin(), utf8.end()});
}

inline std::u16string U16(const std::filesystem::path& path) {
    return FromUtf8(path.string());
}
