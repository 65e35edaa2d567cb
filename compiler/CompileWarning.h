// What a compile accepts although it is probably not what the author meant.
// The run collects them and the headless program prints them; they never
// change the outcome.
#pragma once

#include <cstdint>
#include <string>

struct CompileWarning {
    enum Kind {
        ARTICLES_WITHOUT_PARTS_SEPARATOR,  // nCount articles, the first on nLine
        ARTICLES_STARTING_WITH_DOLLAR,     // nCount articles, the first on nLine
        MORPH_WITHOUT_LEMMAS,  // "$MORPH:" names strName (line nLine), which has no lemmas
        MORPH_SWITCHED_OFF,    // ... strName, a language whose lemmas are switched off
        NO_ARTICLES,
    };
    Kind nKind = NO_ARTICLES;
    int32_t nLine = 0;  // 0: the whole file
    int32_t nCount = 0;
    std::u16string strName;

    bool operator==(const CompileWarning&) const = default;
};
