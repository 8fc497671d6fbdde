// sample.cpp: SAMPLE, growable arrays of signed 32-bit values.
#include "sound/sample.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/report.h"

const char* const SAMPLE_IDENTITY[5] = {"SAMPLE  ", "20120516", "Vaskoril", "C       ",
                                        "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SAMPLEError() { REPORTError("SAMPLE error\n", kReport); }

constexpr int32_t kNewCapacity = 32;

// A sample every operation can work on: present, with values, and a length
// inside its capacity.
bool Usable(const SAMPLE* s) {
    return s != nullptr && s->values != nullptr && s->length >= 0 && s->length <= s->capacity;
}

// Wrapping helpers: the arithmetic is defined modulo 2^32, so it runs on
// unsigned values and converts back (modular narrowing is defined in C++20).
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// On a cache line: the music's mix buffer is copied whole on every step.
int32_t* NewValues(int32_t count) {
    return static_cast<int32_t*>(
        REPORTZeroAllocAligned(static_cast<size_t>(count), sizeof(int32_t)));
}

// A fresh sample record with a zeroed array of `capacity` values (at least 1).
SAMPLE* MakeSample(int32_t capacity) {
    auto* s = static_cast<SAMPLE*>(REPORTZeroAlloc(1, sizeof(SAMPLE)));
    if (s == nullptr) return nullptr;
    s->values = NewValues(std::max(capacity, 1));
    if (s->values == nullptr) {
        std::free(s);
        return nullptr;
    }
    s->capacity = capacity;
    return s;
}

// Replaces the array with a zeroed one of n values keeping min(length, n) of
// the old values. False (sample untouched) when the allocation fails.
bool Realloc(SAMPLE* s, int32_t n) {
    int32_t* fresh = NewValues(n);
    if (fresh == nullptr) return false;
    const int32_t keep = std::min(s->length, n);
    if (keep > 0) std::memcpy(fresh, s->values, static_cast<size_t>(keep) * sizeof(int32_t));
    std::free(s->values);
    s->values = fresh;
    s->capacity = n;
    s->length = keep;
    return true;
}

// Decimal text of v into out (at least 12 bytes); returns the characters written.
size_t FormatInt(int32_t v, char* out) {
    char digits[12];
    size_t n = 0;
    // Magnitude in unsigned arithmetic so that -2^31 needs no special case.
    uint32_t m = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
    do {
        digits[n++] = static_cast<char>('0' + m % 10u);
        m /= 10u;
    } while (m != 0);
    size_t w = 0;
    if (v < 0) out[w++] = '-';
    while (n > 0) out[w++] = digits[--n];
    return w;
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of decimal digits at *p, wrapping modulo 2^32, and advances *p.
uint32_t ReadDigits(const char** p) {
    uint32_t v = 0;
    const char* q = *p;
    while (IsDigit(*q)) {
        v = v * 10u + static_cast<uint32_t>(*q - '0');
        ++q;
    }
    *p = q;
    return v;
}

// Reads a run of decimal digits at *p as a count and advances *p past the
// whole run. It stops accumulating once past INT32_MAX, so a count too large
// for any sample stays too large instead of wrapping round to a small one.
uint32_t ReadCount(const char** p) {
    constexpr uint64_t kPast = uint64_t{INT32_MAX} + 1u;
    uint64_t v = 0;  // below kPast before each step, so v * 10 + 9 fits
    const char* q = *p;
    while (IsDigit(*q)) {
        if (v < kPast) v = std::min<uint64_t>(v * 10u + static_cast<uint64_t>(*q - '0'), kPast);
        ++q;
    }
    *p = q;
    return static_cast<uint32_t>(v);
}

// Rotation amount a reduced into 0..length-1, negative amounts included.
int32_t Reduce(int32_t a, int32_t length) {
    int32_t r = a % length;
    return r < 0 ? r + length : r;
}
}  // namespace

// [SECTION] Protocol

SAMPLE* SAMPLENew() {
    SAMPLE* s = MakeSample(kNewCapacity);
    if (s == nullptr) SAMPLEError();
    return s;
}

void SAMPLEFree(SAMPLE** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SAMPLEError();
        return;
    }
    std::free((*ref)->values);
    std::free(*ref);
    *ref = nullptr;
}

char* SAMPLEToASCII(const SAMPLE* s) {
    if (!Usable(s)) {
        SAMPLEError();
        return nullptr;
    }
    static constexpr char kHead[] = "SAMPLE { ";
    if (s->length == 0) {
        static constexpr char kEmpty[] = "SAMPLE { 0 }\n";
        char* text = static_cast<char*>(REPORTZeroAlloc(sizeof kEmpty, 1));
        if (text == nullptr) {
            SAMPLEError();
            return nullptr;
        }
        std::memcpy(text, kEmpty, sizeof kEmpty);
        return text;
    }
    // Every number takes at most 11 characters and a line feed; the count is one
    // more number, then "}\n" and the NUL.
    const size_t size = (sizeof kHead - 1) + (static_cast<size_t>(s->length) + 1) * 12 + 3;
    char* text = static_cast<char*>(REPORTZeroAlloc(size, 1));
    if (text == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    size_t w = sizeof kHead - 1;
    std::memcpy(text, kHead, w);
    w += FormatInt(s->length, text + w);
    text[w++] = '\n';
    for (int32_t i = 0; i < s->length; ++i) {
        w += FormatInt(s->values[i], text + w);
        text[w++] = '\n';
    }
    text[w++] = '}';
    text[w++] = '\n';
    text[w] = '\0';
    return text;
}

SAMPLE* SAMPLEFromASCII(const char* text) {
    if (text == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    const char* p = std::strstr(text, "SAMPLE");
    if (p != nullptr) p = std::strchr(p, '{');
    if (p == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    while (*p != '\0' && !IsDigit(*p)) ++p;
    if (*p == '\0') {
        SAMPLEError();
        return nullptr;
    }
    const uint32_t declared = ReadCount(&p);
    if (declared > static_cast<uint32_t>(INT32_MAX)) {  // no sample can be that long
        SAMPLEError();
        return nullptr;
    }
    const auto count = static_cast<int32_t>(declared);

    // The declared count alone never sizes an allocation: a value normally
    // takes a separator and a digit, so the rest of the text bounds the first
    // reservation; odd texts (a run of bare '-', each a 0) grow the array as
    // their values are actually read.
    const size_t rest = std::strlen(p);
    const size_t fits = rest / 2 + 1;
    const int32_t reserve =
        static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(count), fits));
    SAMPLE* s = MakeSample(std::max(reserve, kNewCapacity));
    if (s == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    for (int32_t i = 0; i < count; ++i) {
        while (*p != '\0' && *p != '-' && !IsDigit(*p)) ++p;
        if (*p == '\0') {  // the text ends before the declared number of values
            SAMPLEFree(&s);
            SAMPLEError();
            return nullptr;
        }
        const bool negative = *p == '-';
        if (negative) ++p;
        uint32_t magnitude = ReadDigits(&p);
        if (negative) magnitude = 0u - magnitude;
        if (s->length == s->capacity) {
            const int32_t grown =
                s->capacity > INT32_MAX / 2 ? INT32_MAX : std::max(2 * s->capacity, 1);
            if (grown == s->capacity || !Realloc(s, grown)) {
                SAMPLEFree(&s);
                SAMPLEError();
                return nullptr;
            }
        }
        s->values[s->length++] = static_cast<int32_t>(magnitude);
    }
    return s;  // whatever follows (normally "}") is not needed
}

bool SAMPLEEqual(const SAMPLE* a, const SAMPLE* b) {
    if (!Usable(a) || !Usable(b)) {
        SAMPLEError();
        return false;
    }
    if (a->length != b->length) return false;
    return std::memcmp(a->values, b->values, static_cast<size_t>(a->length) * sizeof(int32_t)) ==
           0;
}

SAMPLE* SAMPLEClone(const SAMPLE* s) {
    if (!Usable(s)) {
        SAMPLEError();
        return nullptr;
    }
    SAMPLE* c = MakeSample(s->length == 0 ? kNewCapacity : s->length);
    if (c == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    std::memcpy(c->values, s->values, static_cast<size_t>(s->length) * sizeof(int32_t));
    c->length = s->length;
    return c;
}

// [SECTION] Size and element access

void SAMPLEReserve(SAMPLE* s, int32_t n) {
    if (!Usable(s) || n <= 0) {
        SAMPLEError();
        return;
    }
    if (!Realloc(s, n)) SAMPLEError();
}

void SAMPLESetLength(SAMPLE* s, int32_t n) {
    if (!Usable(s) || n < 0) {
        SAMPLEError();
        return;
    }
    if (s->capacity < n) {
        if (!Realloc(s, n)) {
            SAMPLEError();
            return;
        }
    }
    s->length = n;
}

int32_t SAMPLEGet(const SAMPLE* s, int32_t index) {
    if (!Usable(s) || index < 0 || index >= s->length) {
        SAMPLEError();
        return 0;
    }
    return s->values[index];
}

void SAMPLESet(SAMPLE* s, int32_t index, int32_t value) {
    if (!Usable(s) || index < 0 || index >= s->length) {
        SAMPLEError();
        return;
    }
    s->values[index] = value;
}

void SAMPLEClear(SAMPLE* s) {
    if (!Usable(s)) {
        SAMPLEError();
        return;
    }
    std::memset(s->values, 0, static_cast<size_t>(s->length) * sizeof(int32_t));
}

// [SECTION] Ranges

void SAMPLECopyRange(const SAMPLE* src, SAMPLE* dst, int32_t count, int32_t srcIndex,
                     int32_t dstIndex) {
    if (!Usable(src) || !Usable(dst) || count < 0 || srcIndex < 0 || dstIndex < 0 ||
        int64_t{srcIndex} + count > src->length || int64_t{dstIndex} + count > dst->length) {
        SAMPLEError();
        return;
    }
    // memmove copies as if through a temporary, which is what the top-down or
    // bottom-up walk achieves for overlapping ranges of one sample.
    std::memmove(dst->values + dstIndex, src->values + srcIndex,
                 static_cast<size_t>(count) * sizeof(int32_t));
}

void SAMPLEInsert(SAMPLE* dst, const SAMPLE* src, int32_t index) {
    if (!Usable(dst) || !Usable(src) || index < 0 || index > dst->length ||
        int64_t{dst->length} + src->length > INT32_MAX) {
        SAMPLEError();
        return;
    }
    const int32_t gap = src->length;
    if (gap == 0) return;
    const int32_t total = dst->length + gap;
    int32_t* fresh = NewValues(total);
    if (fresh == nullptr) {
        SAMPLEError();
        return;
    }
    // Built in the new array straight away: head, inserted values, tail. This
    // also works when src is dst, since the old array is still intact.
    const size_t v = sizeof(int32_t);
    std::memcpy(fresh, dst->values, static_cast<size_t>(index) * v);
    std::memcpy(fresh + index, src->values, static_cast<size_t>(gap) * v);
    std::memcpy(fresh + index + gap, dst->values + index,
                static_cast<size_t>(dst->length - index) * v);
    std::free(dst->values);
    dst->values = fresh;
    dst->capacity = total;
    dst->length = total;
}

SAMPLE* SAMPLESub(const SAMPLE* s, int32_t from, int32_t to) {
    if (!Usable(s) || to < from) {
        SAMPLEError();
        return nullptr;
    }
    from = std::max(from, 0);
    to = std::min(to, s->length);
    const int32_t n = std::max(to - from, 0);
    SAMPLE* sub = MakeSample(n == 0 ? kNewCapacity : n);
    if (sub == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    if (n > 0) std::memcpy(sub->values, s->values + from, static_cast<size_t>(n) * sizeof(int32_t));
    sub->length = n;
    return sub;
}

int32_t SAMPLEInsertValue(SAMPLE* s, int32_t value, int32_t index) {
    if (!Usable(s) || index < 0 || index > s->length || s->length == INT32_MAX) {
        SAMPLEError();
        return 0;
    }
    if (s->length == s->capacity) {
        const int32_t grown = s->capacity > INT32_MAX / 2 ? INT32_MAX : std::max(2 * s->capacity, 1);
        if (!Realloc(s, grown)) {
            SAMPLEError();
            return 0;
        }
    }
    std::memmove(s->values + index + 1, s->values + index,
                 static_cast<size_t>(s->length - index) * sizeof(int32_t));
    s->values[index] = value;
    s->length++;
    return value;
}

int32_t SAMPLERemove(SAMPLE* s, int32_t index) {
    if (!Usable(s) || index < 0 || index >= s->length) {
        SAMPLEError();
        return 0;
    }
    std::memmove(s->values + index, s->values + index + 1,
                 static_cast<size_t>(s->length - index - 1) * sizeof(int32_t));
    return --s->length;
}

int32_t SAMPLEFind(const SAMPLE* s, int32_t value, int32_t start) {
    if (!Usable(s) || start < 0) {
        SAMPLEError();
        return -1;
    }
    for (int32_t i = start; i < s->length; ++i) {
        if (s->values[i] == value) return i;
    }
    return -1;
}

// [SECTION] Whole-buffer arithmetic

void SAMPLEAdd(SAMPLE* dst, const SAMPLE* src) {
    if (!Usable(dst) || !Usable(src)) {
        SAMPLEError();
        return;
    }
    const int32_t n = std::min(dst->length, src->length);
    int32_t* d = dst->values;
    const int32_t* a = src->values;  // may be d itself (doubling a sample)
    for (int32_t i = 0; i < n; ++i) d[i] = WrapAdd(d[i], a[i]);
}

void SAMPLEMul(SAMPLE* dst, const SAMPLE* src) {
    if (!Usable(dst) || !Usable(src)) {
        SAMPLEError();
        return;
    }
    const int32_t n = std::min(dst->length, src->length);
    int32_t* d = dst->values;
    const int32_t* a = src->values;
    for (int32_t i = 0; i < n; ++i) d[i] = WrapMul(d[i], a[i]);
}

void SAMPLEScale(SAMPLE* s, int32_t k) {
    if (!Usable(s)) {
        SAMPLEError();
        return;
    }
    int32_t* d = s->values;
    for (int32_t i = 0, n = s->length; i < n; ++i) d[i] = WrapMul(d[i], k);
}

void SAMPLEShiftRight(SAMPLE* s, int32_t shift) {
    if (!Usable(s) || shift > 32) {
        SAMPLEError();
        return;
    }
    const int32_t k = shift & 31;  // 32 shifts by 0, -1 by 31
    if (k == 0) return;
    int32_t* d = s->values;
    for (int32_t i = 0, n = s->length; i < n; ++i) d[i] >>= k;  // arithmetic in C++20
}

void SAMPLEShiftLeft(SAMPLE* s, int32_t shift) {
    if (!Usable(s) || shift > 32) {
        SAMPLEError();
        return;
    }
    const int32_t k = shift & 31;
    if (k == 0) return;
    int32_t* d = s->values;
    for (int32_t i = 0, n = s->length; i < n; ++i) {
        d[i] = static_cast<int32_t>(static_cast<uint32_t>(d[i]) << k);
    }
}

void SAMPLERotateLeft(SAMPLE* s, int32_t amount) {
    if (!Usable(s) || s->length == 0) {
        SAMPLEError();
        return;
    }
    const int32_t a = Reduce(amount, s->length);
    std::rotate(s->values, s->values + a, s->values + s->length);
}

void SAMPLERotateRight(SAMPLE* s, int32_t amount) {
    if (!Usable(s) || s->length == 0) {
        SAMPLEError();
        return;
    }
    // Right by a is left by length - a. Done in place: no scratch array, so
    // there is no allocation to fail.
    const int32_t a = Reduce(amount, s->length);
    std::rotate(s->values, s->values + (s->length - a) % s->length, s->values + s->length);
}

void SAMPLEReverse(SAMPLE* s) {
    if (!Usable(s)) {
        SAMPLEError();
        return;
    }
    std::reverse(s->values, s->values + s->length);
}

int32_t SAMPLEMin(const SAMPLE* s) {
    if (!Usable(s) || s->length == 0) {
        SAMPLEError();
        return 0;
    }
    return *std::min_element(s->values, s->values + s->length);
}

int32_t SAMPLEMax(const SAMPLE* s) {
    if (!Usable(s) || s->length == 0) {
        SAMPLEError();
        return 0;
    }
    return *std::max_element(s->values, s->values + s->length);
}

void SAMPLEMapRange(SAMPLE* s, int32_t lo, int32_t hi) {
    if (!Usable(s) || s->length == 0) {
        SAMPLEError();
        return;
    }
    const int32_t mn = SAMPLEMin(s);
    const int32_t mx = SAMPLEMax(s);
    int32_t* d = s->values;
    const int32_t n = s->length;
    if (mn == mx) {  // no spread to map: everything lands on lo
        std::fill(d, d + n, lo);
        return;
    }
    // lo + (v - min) * (hi - lo) / (max - min): v - min < 2^32 and |hi - lo| < 2^32,
    // so the product needs more than 64 bits.
    const int64_t span = int64_t{mx} - mn;
    const int64_t out = int64_t{hi} - lo;
    for (int32_t i = 0; i < n; ++i) {
        const __int128 num = static_cast<__int128>(int64_t{d[i]} - mn) * out;
        d[i] = static_cast<int32_t>(lo + static_cast<int64_t>(num / span));
    }
}

int32_t SAMPLEResample(SAMPLE* s, int32_t n) {
    if (!Usable(s) || n <= 0 || s->length == 0) {
        SAMPLEError();
        return 0;
    }
    const int32_t length = s->length;
    if (n == length) return n;
    int32_t* fresh = NewValues(n);
    if (fresh == nullptr) {
        SAMPLEError();
        return 0;
    }
    const int32_t* old = s->values;
    // Error terms in 64 bits: they swing by up to the larger of the two lengths.
    if (n < length) {
        // Dropping: keep value j whenever the error term has gone positive. The
        // term starts at n, so the first value is kept and exactly n are kept in
        // all (starting it at n - length would keep only n - 1 and leave the last
        // place empty).
        int64_t e = int64_t{n};
        int32_t w = 0;
        for (int32_t j = 0; j < length; ++j) {
            if (e > 0) {
                if (w < n) fresh[w++] = old[j];
                e -= length;
            }
            e += n;
        }
    } else {
        // Repeating: step the source index whenever the error term is positive.
        int64_t e = int64_t{length} - n;
        int32_t i = 0;
        for (int32_t j = 0; j < n; ++j) {
            const bool step = e > 0;
            if (step && i < length - 1) ++i;
            fresh[j] = old[i];
            e = (step ? e - n : e) + length;
        }
    }
    std::free(s->values);
    s->values = fresh;
    s->length = n;
    s->capacity = n;
    return n;
}

int32_t SAMPLEMatches(const SAMPLE* a, const SAMPLE* b, int32_t offset) {
    if (!Usable(a) || !Usable(b) || int64_t{offset} < 1 - int64_t{b->length} ||
        offset > a->length - 1) {
        SAMPLEError();
        return 0;
    }
    // j runs over the overlap: 0 <= j < len(b) and 0 <= offset + j < len(a).
    const int32_t first = std::max(0, -offset);
    const int32_t last = static_cast<int32_t>(std::min<int64_t>(b->length, int64_t{a->length} - offset));
    int32_t matches = 0;
    for (int32_t j = first; j < last; ++j) matches += a->values[offset + j] == b->values[j];
    return matches;
}

int32_t SAMPLEBestOffset(const SAMPLE* a, const SAMPLE* b) {
    if (!Usable(a) || !Usable(b)) {
        SAMPLEError();
        return 0;
    }
    int32_t best = -b->length;
    int32_t bestMatches = 0;
    for (int64_t off = 1 - int64_t{b->length}; off <= int64_t{a->length} - 1; ++off) {
        const int32_t m = SAMPLEMatches(a, b, static_cast<int32_t>(off));
        if (m > bestMatches) {
            bestMatches = m;
            best = static_cast<int32_t>(off);
        }
    }
    return best;
}

// [SECTION] Raw PCM

SAMPLE* SAMPLERead(FILE* in, int32_t bits, char order, char sign) {
    if (in == nullptr || (bits != 8 && bits != 16) || (order != 'b' && order != 'l') ||
        (sign != 's' && sign != 'u')) {
        SAMPLEError();
        return nullptr;
    }
    SAMPLE* s = MakeSample(1024);
    if (s == nullptr) {
        SAMPLEError();
        return nullptr;
    }
    const size_t width = static_cast<size_t>(bits / 8);
    const bool big = order == 'b';
    const int32_t bias = sign == 'u' ? 0x8000 : 0;
    unsigned char buf[8192];
    size_t held = 0;  // bytes of a value split across two reads
    for (;;) {
        const size_t got = std::fread(buf + held, 1, sizeof buf - held, in);
        const size_t avail = held + got;
        const size_t whole = avail / width;
        if (whole == 0) break;  // end of stream; a lone trailing byte is dropped
        if (int64_t{s->length} + static_cast<int64_t>(whole) > INT32_MAX) {
            SAMPLEFree(&s);  // longer than any sample can be
            SAMPLEError();
            return nullptr;
        }
        const auto need = static_cast<int32_t>(s->length + whole);
        if (need > s->capacity) {
            int64_t grown = s->capacity;
            while (grown < need) grown *= 2;
            if (!Realloc(s, static_cast<int32_t>(std::min<int64_t>(grown, INT32_MAX)))) {
                SAMPLEFree(&s);
                SAMPLEError();
                return nullptr;
            }
        }
        int32_t* d = s->values + s->length;
        if (width == 1) {
            for (size_t k = 0; k < whole; ++k) d[k] = int32_t{buf[k]} * 256 - bias;
        } else {
            for (size_t k = 0; k < whole; ++k) {
                const int32_t b0 = buf[2 * k];
                const int32_t b1 = buf[2 * k + 1];
                const int32_t word = big ? (b0 << 8) | b1 : (b1 << 8) | b0;
                d[k] = word - bias;
            }
        }
        s->length = need;
        held = avail - whole * width;
        if (held > 0) std::memmove(buf, buf + whole * width, held);
        if (got == 0) break;
    }
    if (std::ferror(in) != 0) {  // a failed read is not the end of the data
        SAMPLEFree(&s);
        SAMPLEError();
        return nullptr;
    }
    return s;
}

int32_t SAMPLEWrite(const SAMPLE* s, FILE* out, int32_t bits, char order) {
    if (!Usable(s) || out == nullptr || (bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
        SAMPLEError();
        return 0;
    }
    const int32_t width = bits / 8;
    int32_t lo = INT32_MIN + 1;  // 32 bits: -2^31 goes out as -2^31 + 1
    int32_t hi = INT32_MAX;
    if (bits < 32) {
        hi = static_cast<int32_t>((1u << (bits - 1)) - 1u);
        lo = -hi - 1;
    }
    const bool big = order == 'b';
    unsigned char buf[4096];  // a whole number of values of every width
    int32_t written = 0;
    int32_t i = 0;
    while (i < s->length) {
        const int32_t batch = std::min<int32_t>(s->length - i, static_cast<int32_t>(sizeof buf) / 4);
        unsigned char* w = buf;
        for (int32_t k = 0; k < batch; ++k) {
            const auto u = static_cast<uint32_t>(std::clamp(s->values[i + k], lo, hi));
            for (int32_t b = 0; b < width; ++b) {
                const int32_t byte = big ? width - 1 - b : b;
                *w++ = static_cast<unsigned char>(u >> (8 * byte));
            }
        }
        const size_t bytes = static_cast<size_t>(batch) * static_cast<size_t>(width);
        const size_t put = std::fwrite(buf, 1, bytes, out);
        written += static_cast<int32_t>(put / static_cast<size_t>(width));
        if (put != bytes) break;
        i += batch;
    }
    return written;
}
