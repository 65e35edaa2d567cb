// The call table between CLemmatizer and the lemmatiser library
// (libRadixo.so): the four exports, looked up by name, with plain C types so
// that the library may come from another build. A boolean result is a byte,
// non-zero meaning success.
#pragma once

#include <cstdint>

extern "C" {
// pszDataFolder: the language's data folder, NUL-terminated UTF-16, ending
// with '/'. nLang: 1 Russian, 2 English, 3 German. On success *pSeconds holds
// the loading time (0 when nothing had to be loaded). Failure is reported by
// the result only; the library never ends the process.
using LoadLemmatizerProc = uint8_t (*)(const char16_t* pszDataFolder, int32_t nLang,
                                       double* pSeconds);
// Whether any language is loaded. Must be exported; the programs never call it.
using IsLemmatizerLoadProc = uint8_t (*)();
using UnloadLemmatizerProc = uint8_t (*)(int32_t nLang);
// pszWord: NUL-terminated, code page 1251 for Russian, 1252 for English and
// German. Fills pBuffer with the lemmas in the same code page, each followed by
// chSeparator, NUL-terminated, never writing more than nCapacity bytes; each
// lemma is at most kMaxLemmaBytes bytes. An unknown word gives an empty text.
using GetLemmasProc = void (*)(const char* pszWord, int32_t nLang, char* pBuffer, int32_t nCapacity,
                               char chSeparator);
}

inline constexpr char kLemmatizerLibraryName[] = "libRadixo.so";
inline constexpr int kLemmaResultCapacity = 511;
inline constexpr int kMaxWordBytes = 50;
inline constexpr int kMaxLemmaBytes = 49;
inline constexpr char kLemmaSeparator = ';';
