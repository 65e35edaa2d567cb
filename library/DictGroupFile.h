// "DictGroup.bin": the groups of dictionaries as stored between runs. The
// layout is described in doc/groups-format.md; this object only reads,
// checks and writes it, and knows nothing of the dictionaries themselves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/MyObject.h"

inline constexpr char16_t kGroupFileName[] = u"DictGroup.bin";
// Value of the last byte in every file this program writes: the first group
// is the automatic "All dictionaries" group.
inline constexpr uint8_t kFirstGroupIsAutomatic = 1;

struct CGroupTableEntry {
    int16_t nFileIndex = 0;  // into the file-name list
    bool bEnabled = false;

    bool operator==(const CGroupTableEntry&) const = default;
};

class CDictGroupFile : public CMyObject {
public:
    // Reads and checks the whole file; on any failure the fields are empty and
    // the error text says why (41326 with the path for an unreadable or short
    // file, 41331 for data that breaks the rules).
    [[nodiscard]] bool ReadGroupFile(const std::filesystem::path& path);
    // Checks the fields and replaces the file through a temporary file, so the
    // old file survives any failure. With no groups nothing is written.
    [[nodiscard]] bool WriteGroupFile(const std::filesystem::path& path);
    // The validity rules; message tells which rule failed.
    [[nodiscard]] bool CheckGroupData(std::u16string& message) const;

    void Empty();
    // The file's bytes for the current fields (no checks).
    std::vector<uint8_t> Encode() const;

    // The counts as stored; they can disagree with the lists until checked.
    int16_t m_nGroupCount = 0;
    int16_t m_nFileCount = 0;
    int16_t m_nCurrentGroup = 0;
    std::vector<std::u16string> m_arrGroupNames;
    std::vector<std::u16string> m_arrFileNames;
    std::vector<std::vector<CGroupTableEntry>> m_arrGroupTables;
    uint8_t m_nFirstGroupMarker = 0;
};
