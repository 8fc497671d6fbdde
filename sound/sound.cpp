// sound.cpp: SOUND, tone, noise and envelope generators over samples.
#include "sound/sound.h"

#include <algorithm>
#include <cmath>

#include "core/report.h"
#include "core/rng.h"

const char* const SOUND_IDENTITY[5] = {"SOUND   ", "20120707", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SOUNDError() { REPORTError("SOUND Error.\n", kReport); }

constexpr int32_t kRate = 44100;                    // values per second
constexpr int32_t kQuarter = kRate / 4;             // 11025
constexpr int64_t kSecond = int64_t{kRate} << 15;  // one second in 17.15: 0x56220000
static_assert(kSecond == 0x56220000);
// pi/2 as the nearest single-precision value, widened: the table is built from
// this constant, which puts the peak at 32766 rather than 32767.
constexpr double kHalfPi = 1.5707963705062866;

constinit SAMPLE* toneTable = nullptr;

bool Usable(const SAMPLE* s) {
    return s != nullptr && s->values != nullptr && s->length >= 0 && s->length <= s->capacity;
}

// One sine period of amplitude 32767 from a quarter wave and its mirrors.
SAMPLE* BuildToneTable() {
    SAMPLE* t = SAMPLENew();
    if (t == nullptr) return nullptr;
    SAMPLESetLength(t, kRate);
    if (t->length != kRate) {
        SAMPLEFree(&t);
        return nullptr;
    }
    int32_t* v = t->values;
    for (int32_t i = 0; i <= kQuarter; ++i) {
        // Truncation toward zero, as the conversion does.
        const auto b = static_cast<int32_t>(std::sin(i * kHalfPi / 11025.0) * 32767.0);
        v[i] = b;
        v[2 * kQuarter - i] = b;
        v[2 * kQuarter + i] = -b;
        if (i != 0) v[kRate - i] = -b;  // 44100 - 0 lies outside the table
    }
    return t;
}

// Gain envelope shared by both fades. The gain moves once per value by the
// carry of a 1.15 accumulator that gains step = 0x40000000 / length each time
// (about 32768 over the whole length): after i values the carries add up to
// exactly (i * step) >> 15, the accumulator keeping the remainder. Written in
// that closed form the loop has no chain from one value to the next.
// i * step < length * step <= 2^30, so the product fits.
void Envelope(SAMPLE* s, bool rising) {
    const auto step = static_cast<uint32_t>(0x40000000 / s->length);
    int32_t* d = s->values;
    for (int32_t i = 0, n = s->length; i < n; ++i) {
        const auto moved = static_cast<int32_t>((static_cast<uint32_t>(i) * step) >> 15);
        const int32_t gain = rising ? moved : 32768 - moved;
        // The product wraps like the rest of the sample arithmetic; for 16-bit
        // values it never needs to.
        const auto product = static_cast<int32_t>(static_cast<uint32_t>(d[i]) *
                                                  static_cast<uint32_t>(gain));
        d[i] = product >> 15;
    }
}
}  // namespace

char* SOUNDToASCII(const SAMPLE* sample) {
    if (sample == nullptr) SOUNDError();
    return nullptr;
}

const SAMPLE* SOUNDToneTable() {
    if (toneTable == nullptr) toneTable = BuildToneTable();
    return toneTable;
}

void SOUNDSine(SAMPLE* sample, int32_t frequency) {
    if (!Usable(sample) || frequency < 1) {
        SOUNDError();
        return;
    }
    const SAMPLE* table = SOUNDToneTable();
    if (table == nullptr) {
        SOUNDError();
        return;
    }
    // A frequency of f and one of f mod 44100 read the same table entries (whole
    // table periods drop out); reducing first keeps the phase inside the table
    // for any f instead of running past its end above 44100.
    const auto step = static_cast<uint32_t>((frequency % kRate) * kSecond / kRate);
    const int32_t* t = table->values;
    constexpr auto end = static_cast<uint32_t>(kSecond);
    uint32_t phase = 0;
    int32_t* d = sample->values;
    const int32_t n = sample->length;
    // In runs between two wraps of the phase, so that the inner loop is a bare
    // table walk: a run ends with the first read whose phase would reach the end.
    int32_t i = 0;
    while (i < n) {
        int32_t run = n - i;
        if (step != 0) run = static_cast<int32_t>(std::min<uint32_t>(run, (end - 1 - phase) / step + 1));
        for (int32_t r = 0; r < run; ++r) {
            d[i + r] = t[phase >> 15];
            phase += step;
        }
        i += run;
        if (phase >= end) phase -= end;
    }
}

void SOUNDSquare(SAMPLE* sample, int32_t frequency) {
    if (!Usable(sample) || frequency < 1) {
        SOUNDError();
        return;
    }
    const int64_t p = kSecond / frequency;  // period in 17.15 values
    if (p == 0) {                           // shorter than 1/32768 of a value
        SOUNDError();
        return;
    }
    const int64_t length = sample->length;
    const int64_t periods = (length << 15) / p;
    int32_t* d = sample->values;
    // Above 44100 a period is shorter than one value and its last index can fall
    // before the sample: every run is clipped to 0..length-1.
    auto fill = [&](int64_t from, int64_t to, int32_t v) {  // from .. to inclusive
        from = std::max<int64_t>(from, 0);
        to = std::min<int64_t>(to, length - 1);
        for (int64_t i = from; i <= to; ++i) d[i] = v;
    };
    for (int64_t j = 0; j < periods; ++j) {
        const int64_t b = j * p;
        const int64_t mid = (b + p / 2) >> 15;
        const int64_t end = (b + p) >> 15;
        fill(b >> 15, mid - 1, 32767);
        fill(mid, mid, 0);
        fill(mid + 1, end - 2, -32768);
        fill(end - 1, end - 1, 0);
    }
}

void SOUNDNoise(SAMPLE* sample) {
    if (!Usable(sample)) {
        SOUNDError();
        return;
    }
    int32_t* d = sample->values;
    for (int32_t i = sample->length - 1; i >= 0; --i) d[i] = (RNGDraw() & 0xFFFF) - 0x8000;
}

void SOUNDFadeOut(SAMPLE* sample) {
    if (!Usable(sample) || sample->length == 0) {
        SOUNDError();
        return;
    }
    Envelope(sample, false);
}

void SOUNDFadeIn(SAMPLE* sample) {
    if (!Usable(sample) || sample->length == 0) {
        SOUNDError();
        return;
    }
    Envelope(sample, true);
}
