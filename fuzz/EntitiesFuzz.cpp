// Any text through DecodeEntity and CEntityScanner. The scanner remembers
// where the next ";" lies; it must answer exactly as the plain rule does
// (look for the next ";" afresh and decode what lies between), for every
// "&" of the text in order, and each answer must keep the decoder's promises.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/Entities.h"

namespace {

EntityRef PlainRule(std::u16string_view text, size_t nPos) {
    return DecodeEntityRef(text, nPos, text.find(u';', nPos + 1));
}

void CheckDecode(std::u16string_view name) {
    std::u16string message = u"stale";
    const char16_t c = DecodeEntity(name, message);
    // A message comes only with 0, and only for a numeric reference.
    if (!message.empty()) {
        FUZZ_CHECK(c == 0, name);
        FUZZ_CHECK(!name.empty() && name.front() == u'#', name);
    }
    if (name.empty()) FUZZ_CHECK(c == 0 && message.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = BytesToUnits(FuzzBytes(data, size));
    CheckDecode(text);

    CEntityScanner scanner(text);
    // The compiler's walk: after a reference it goes on behind its ";",
    // after a literal "&" right behind the "&".
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            FUZZ_CHECK(scanner.At(i).kind == EntityRef::Kind::Literal);
            continue;
        }
        const EntityRef got = scanner.At(i);
        const EntityRef want = PlainRule(text, i);
        FUZZ_CHECK(got.kind == want.kind, text);
        FUZZ_CHECK(got.nSymbol == want.nSymbol, text);
        FUZZ_CHECK(got.strMessage == want.strMessage, text);
        if (got.kind != EntityRef::Kind::Literal) {
            FUZZ_CHECK(got.nSemicolon == want.nSemicolon && got.nSemicolon > i, text);
            CheckDecode(std::u16string_view(text).substr(i + 1, got.nSemicolon - i - 1));
            if (got.kind == EntityRef::Kind::Symbol) i = got.nSemicolon;
        }
    }

    // Asked again from the start, the scanner must not answer from its memory
    // of a later position.
    const size_t nFirst = text.find(u'&');
    if (nFirst != std::u16string::npos) {
        const EntityRef again = scanner.At(nFirst);
        const EntityRef want = PlainRule(text, nFirst);
        FUZZ_CHECK(again.kind == want.kind && again.nSymbol == want.nSymbol, text);
    }
    return 0;
}
