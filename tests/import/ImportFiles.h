// Small dictionaries in the formats the import reads, made byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// dictd's base-64 number.
std::string DictdNumber(uint64_t value);
// gzip with a dictzip chunk table: chunks of chunkLength bytes, each
// compressed on its own.
std::string MakeDictzip(std::string_view data, size_t chunkLength);

struct DictEntry {
    std::string headword;
    std::string definition;
};
// The .index lines and the .dict data of the entries, in that order.
std::pair<std::string, std::string> MakeDictd(const std::vector<DictEntry>& entries);

std::string BigEndian32(uint32_t value);
// The .idx and .dict of the entries (definitions taken as the raw data).
std::pair<std::string, std::string> MakeStarDict(const std::vector<DictEntry>& entries);
std::string MakeIfo(size_t nWordCount, std::string_view bookName, std::string_view sameTypeSequence,
                    std::string_view version = "2.4.2");
