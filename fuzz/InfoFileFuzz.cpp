// Any bytes as a dictionary's "_info.txt": the reader either gives up
// quietly or yields display names that are trimmed and non-empty, and the
// choice of a name always returns one of them (or "" when there is none).
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "library/DictInfoFile.h"

namespace {

bool IsEdgeBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

void CheckNames(std::u16string_view text) {
    const std::vector<CDisplayName> names = ParseDictInfoText(text);
    for (const CDisplayName& name : names) {
        FUZZ_CHECK(!name.strName.empty());
        FUZZ_CHECK(!IsEdgeBlank(name.strName.front()) && !IsEdgeBlank(name.strName.back()),
                   name.strName);
        FUZZ_CHECK(name.strName.find(u'\n') == std::u16string::npos, name.strName);
    }
    const std::u16string chosen = ChooseDisplayName(names, u"Deutsch", u"Russian", u"English");
    if (names.empty()) {
        FUZZ_CHECK(chosen.empty());
        return;
    }
    bool bKnown = false;
    for (const CDisplayName& name : names)
        bKnown = bKnown || name.strName == chosen;
    FUZZ_CHECK(bKnown, chosen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string path = WriteScratchFile("d_info.txt", FuzzBytes(data, size));
    FUZZ_CHECK(DictInfoFilePath(ScratchPath("d.gmd")) == path);
    if (const auto text = ReadDictInfoText(path)) CheckNames(*text);
    CheckNames(BytesToUnits(FuzzBytes(data, size)));
    return 0;
}
