// Any text through ParseEscapes. A rejected text leaves the output alone; an
// accepted one decodes to no more units than it has, and the text encoded
// back with escapes (every unit as \xHHHH) decodes to the same result.
#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzSupport.h"
#include "core/Escapes.h"

namespace {

std::u16string EscapeAll(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%04X", static_cast<unsigned>(c));
        for (const char* p = buf; *p; ++p)
            out += static_cast<char16_t>(*p);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = BytesToUnits(FuzzBytes(data, size));
    std::u16string out = u"untouched";
    if (!ParseEscapes(text, out)) {
        FUZZ_CHECK(out == u"untouched", text);
        FUZZ_CHECK(text.find(u'\\') != std::u16string::npos, text);
        return 0;
    }
    FUZZ_CHECK(out.size() <= text.size(), text);
    if (text.find(u'\\') == std::u16string::npos) FUZZ_CHECK(out == text, text);

    std::u16string again;
    FUZZ_CHECK(ParseEscapes(EscapeAll(out), again), out);
    FUZZ_CHECK(again == out, out);
    return 0;
}
