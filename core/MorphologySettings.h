// German lemmas on request. Both programs leave German switched off unless
// the user asks for it: the key "German" of section "Morphology" in the
// program's settings file ("Glossmill.ini", "Glossmere.ini"), 1 on and 0 off
// (the default), or --german on the command line of a headless run.
#pragma once

#include <string>
#include <string_view>

#include "IniFile.h"

inline constexpr char16_t kMorphologySection[] = u"Morphology";
inline constexpr char16_t kGermanKey[] = u"German";

// The key's value: true for 1; false for 0 or no key. Any other value is
// false and leaves in strError the program's location text (nLocationTextId,
// "INI file; section '%s'; key = '%s'"), CR LF and what the value must be.
bool ReadGermanSetting(const CIniFile& ini, int nLocationTextId, std::u16string& strError);

// What a headless program says once when a source or dictionary names
// German while its lemmas are off; strSettingsFile names the program's file.
std::u16string GermanSwitchedOffText(std::u16string_view strSettingsFile);
