// Any bytes as a mapping file: the mapped reader must decode exactly what
// the plain reader decodes, and LoadCharMap must either fail with a message
// or deliver a map whose replacements are non-empty runs of word characters.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/CharTables.h"
#include "core/UnicodeMappingFile.h"

namespace {

struct Decoded {
    std::u16string text;
    bool bFault = false;
};

Decoded DecodePlain(const std::u16string& path) {
    Decoded d;
    CUnicodeFile file;
    if (!file.OpenUnicode(path)) return d;
    file.SkipByteOrderMark();
    try {
        char16_t c = 0;
        while (file.ReadSymb(c) > 0)
            d.text += c;
    } catch (const CMyObjectThrow&) {
        d.bFault = true;
    }
    return d;
}

Decoded DecodeMapped(const std::u16string& path, bool& bOpened) {
    Decoded d;
    CUnicodeMappingFile file;
    bOpened = file.OpenUnicode(path);
    if (!bOpened) {
        FUZZ_CHECK(!file.GetError().empty());
        return d;
    }
    const int32_t nStart = file.SkipByteOrderMark();
    // A file holding only its byte-order mark has no position behind it.
    if (!file.SetMapPos(nStart, 0)) {
        FUZZ_CHECK(nStart >= file.GetFileLength());
        return d;
    }
    try {
        char16_t c = 0;
        int nBytes = 0;
        while ((nBytes = file.ReadMapSymb(c)) > 0) {
            d.text += c;
            FUZZ_CHECK(file.GetMapPos() <= file.GetFileLength());
        }
    } catch (const CMyObjectThrow& e) {
        FUZZ_CHECK(!e.GetError().empty());
        d.bFault = true;
    }
    // Positioning at the edges answers without moving past them.
    FUZZ_CHECK(!file.SetMapPos(0, 2));
    FUZZ_CHECK(file.SetMapPos(-1, 2));
    FUZZ_CHECK(file.GetMapPos() == file.GetFileLength() - 1);
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string path = WriteScratchFile("map.txt", FuzzBytes(data, size));

    bool bOpened = false;
    const Decoded mapped = DecodeMapped(path, bOpened);
    if (bOpened) {
        const Decoded plain = DecodePlain(path);
        FUZZ_CHECK(plain.bFault == mapped.bFault);
        FUZZ_CHECK(plain.text == mapped.text);
    }

    CharMap map;
    CMyObject errors;
    if (!LoadCharMap(path, map, errors)) {
        FUZZ_CHECK(!errors.GetError().empty());
        return 0;
    }
    for (const auto& [key, replacement] : map) {
        FUZZ_CHECK(!replacement.empty());
        for (char16_t c : replacement)
            FUZZ_CHECK(IsWordSymb(c), replacement);
    }
    return 0;
}
