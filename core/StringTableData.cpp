// The built-in English texts, by number. Sorted by id: looked up by binary search.
#include "StringTable.h"

namespace {
constexpr StringTableEntry kTexts[] = {
    {40101, u"Error!"},
    {40201, u"Information"},
    {40301, u"Warning!"},
    {41305, u"Error opening file"},
};
}  // namespace

std::span<const StringTableEntry> BuiltInStringTable() { return kTexts; }
