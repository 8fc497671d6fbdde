// sample.h: SAMPLE, the system's growable array of signed 32-bit values.
// (Declarations are completed by the sound module; the record is fixed here.)
#pragma once
#include <cstdint>

struct SAMPLE {
    int32_t  length;    // values in use
    int32_t  capacity;  // values allocated
    int32_t* values;    // owned, capacity entries, zero-filled when allocated
};
