// The built-in English texts, made of core/TextList.h: one table a set, each
// sorted by number and looked up by binary search.
#include <algorithm>
#include <array>

#include "StringTable.h"

namespace {

enum class Owner { Common, Shell, Compiler };

struct Definition {
    Owner owner;
    StringTableEntry entry;
};

constexpr Definition kDefinitions[] = {
#define GLOSS_TEXT(set, name, number, english) {Owner::set, {number, english}},
#define GLOSS_PROMPT(number, english) {Owner::Shell, {number, english}},
#include "core/TextList.h"
#undef GLOSS_TEXT
#undef GLOSS_PROMPT
};

template <Owner owner>
constexpr auto TableOf() {
    std::array<StringTableEntry, std::ranges::count(kDefinitions, owner, &Definition::owner)>
        table{};
    auto next = table.begin();
    for (const Definition& d : kDefinitions)
        if (d.owner == owner) *next++ = d.entry;
    return table;
}

constexpr auto kCommonTexts = TableOf<Owner::Common>();
constexpr auto kShellTexts = TableOf<Owner::Shell>();
constexpr auto kCompilerTexts = TableOf<Owner::Compiler>();

}  // namespace

std::span<const StringTableEntry> BuiltInStringTable() {
    return kCommonTexts;
}

std::span<const StringTableEntry> BuiltInProgramTable(TextSet set) {
    if (set == TextSet::Compiler) return kCompilerTexts;
    return kShellTexts;
}
