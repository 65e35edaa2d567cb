// The code-page tables behind CodePage.cpp, generated at build time by
// tools/gen_code_pages.py.
#pragma once

struct CodePageReverseEntry {
    char16_t unit;
    unsigned char byte;
};

// Bytes 0x80-0xFF to Unicode; bytes below 0x80 are ASCII in both code pages.
extern const char16_t kCp1251HighToUnicode[128];
extern const char16_t kCp1252HighToUnicode[128];
// The same pairs sorted by code unit, for the way back.
extern const CodePageReverseEntry kCp1251FromUnicode[128];
extern const CodePageReverseEntry kCp1252FromUnicode[128];
