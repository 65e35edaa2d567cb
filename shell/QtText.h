// The numbered texts as Qt strings.
#pragma once

#include <initializer_list>

#include <QString>

#include "core/StringTable.h"

inline QString TextOf(int nId, std::initializer_list<TextArg> args = {}) {
    return QString::fromStdU16String(FormatTextId(nId, args));
}
