// The names of the numbered texts, made of core/TextList.h. Code names a text
// by these constants, never by its number. A number of the shell and one of
// the compiler may be equal (the two programs' own texts).
#pragma once

enum TextId : int {
#define GLOSS_TEXT(set, name, number, english) name = number,
#define GLOSS_PROMPT(number, english)
#include "core/TextList.h"
#undef GLOSS_TEXT
#undef GLOSS_PROMPT
};
