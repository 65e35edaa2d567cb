// Dictionary folders for the library tests: small valid files, broken ones,
// information files and groups files.
#pragma once

#include <string>
#include <vector>

#include "core/Utf8.h"
#include "library/DictGroupFile.h"
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

// A groups file over the names given, with one table per group; tables name
// file indices with their flags. Marker 1: the first group is automatic.
inline CDictGroupFile GroupFileData(std::vector<std::u16string> groups,
                                    std::vector<std::u16string> files,
                                    std::vector<std::vector<CGroupTableEntry>> tables,
                                    uint8_t nMarker = kFirstGroupIsAutomatic,
                                    int16_t nCurrent = 0) {
    CDictGroupFile data;
    data.m_nGroupCount = static_cast<int16_t>(groups.size());
    data.m_nFileCount = static_cast<int16_t>(files.size());
    data.m_nCurrentGroup = nCurrent;
    data.m_arrGroupNames = std::move(groups);
    data.m_arrFileNames = std::move(files);
    data.m_arrGroupTables = std::move(tables);
    data.m_nFirstGroupMarker = nMarker;
    return data;
}
