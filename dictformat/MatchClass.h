// How well an article matches a phrase: three bits read from the flags of
// the phrase's occurrences, so class 0 is the best match and 7 the worst.
#pragma once

enum : int {
    MATCH_NOT_WHOLE_PART = 1,  // the phrase is not the whole part
    MATCH_BY_LEMMA = 2,        // a query word matched a text that differs from it
    MATCH_RIGHT_PART = 4,      // the phrase lies in the right part
    MATCH_CLASS_WORST = MATCH_NOT_WHOLE_PART | MATCH_BY_LEMMA | MATCH_RIGHT_PART,
    MATCH_CLASS_COUNT = MATCH_CLASS_WORST + 1,
};
