// sample_values.h: building samples from value lists and reading them back.
#pragma once
#include <initializer_list>
#include <vector>

#include "sound/sample.h"

using Values = std::vector<int32_t>;

// A new sample holding exactly these values (the caller frees it).
inline SAMPLE* Make(std::initializer_list<int32_t> values) {
    SAMPLE* s = SAMPLENew();
    SAMPLESetLength(s, static_cast<int32_t>(values.size()));
    int32_t i = 0;
    for (int32_t v : values) s->values[i++] = v;
    return s;
}

// The values in use, as a vector for comparisons.
inline Values Of(const SAMPLE* s) { return Values(s->values, s->values + s->length); }
