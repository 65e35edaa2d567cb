// The text of the internal fault a call throws, for tests that check it.
#pragma once

#include <string>

#include "core/MyObject.h"

// "<no throw>" when the call returns normally.
template <class F>
std::u16string ThrownText(F&& f) {
    try {
        f();
    } catch (const CMyObjectThrow& e) {
        return e.GetError();
    }
    return u"<no throw>";
}
