// lstars.cpp: LSTARS, the star field.
#include "effects/lstars.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "text/font.h"

const char* const LSTARS_IDENTITY[5] = {"LSTARS  ", "20120327", "Vaskoril", "C       ",
                                        "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LSTARSError() { REPORTError("LSTARS error\n", kReport); }

constexpr int32_t kWords = 2;  // x, y

bool SizeOk(const LSTARS* s) { return s->size.x > 0 && s->size.y > 0; }

int32_t AddWrap(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// A pixel coordinate as 16.16, wrapping as the stored words do.
int32_t Fixed(int64_t pixel) { return static_cast<int32_t>(static_cast<uint32_t>(pixel) << 16); }

// The streak's length in pixels for one velocity component: (2 v) >> 16.
int64_t Margin(int32_t v) { return (static_cast<int64_t>(v) * 2) >> 16; }

// Wraps one coordinate (16.16) round an area of `extent` pixels with margin m.
int32_t Wrap(int32_t p, int64_t extent, int64_t m) {
    const int64_t pixel = p >> 16;
    if (pixel < -m) return Fixed(extent + m - 1);
    if (pixel >= extent + m) return Fixed(1 - m);
    return p;
}

// Where a star was two moves earlier, in pixels.
int32_t Back(int32_t p, int32_t v) {
    return static_cast<int32_t>((static_cast<int64_t>(p) - 2 * static_cast<int64_t>(v)) >> 16);
}

void TakeSize(LSTARS* s, const IMG* img) {
    s->size.x = img->width;
    s->size.y = img->height;
}
}  // namespace

LSTARS* LSTARSNew() {
    LSTARS* s = static_cast<LSTARS*>(REPORTZeroAlloc(1, sizeof(LSTARS)));
    if (s == nullptr) {
        LSTARSError();
        return nullptr;
    }
    s->size = VEC2D{256, 256, 0};
    s->velocity = VEC2D{0, 0x10000, 0};
    s->colour = 0x00FFFFFFu;
    LSTARSSetCount(s, 16);
    if (s->stars == nullptr) LSTARSFree(&s);
    return s;
}

void LSTARSFree(LSTARS** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LSTARSError();
        return;
    }
    std::free((*ref)->stars);
    std::free(*ref);
    *ref = nullptr;
}

char* LSTARSToASCII(const LSTARS* s) {
    if (s == nullptr) LSTARSError();
    return nullptr;
}

LSTARS* LSTARSFromASCII(const char* text) {
    if (text == nullptr) LSTARSError();
    return nullptr;
}

bool LSTARSEqual(const LSTARS* a, const LSTARS* b) {
    if (a == nullptr || b == nullptr) LSTARSError();
    return false;
}

LSTARS* LSTARSCopy(const LSTARS* src) {
    if (src == nullptr) {
        LSTARSError();
        return nullptr;
    }
    return LSTARSNew();
}

void LSTARSCopyInto(const LSTARS* src, LSTARS* dst) {
    if (src == nullptr || dst == nullptr) LSTARSError();
}

void LSTARSSetCount(LSTARS* s, int32_t n) {
    if (s == nullptr || n <= 0 || n > INT32_MAX / kWords) {
        LSTARSError();
        return;
    }
    std::free(s->stars);
    s->count = n;
    s->stars = static_cast<int32_t*>(
        REPORTZeroAlloc(static_cast<size_t>(n) * kWords, sizeof(int32_t)));
    if (s->stars == nullptr) {
        LSTARSError();
        return;
    }
    LSTARSScatter(s);
}

void LSTARSScatter(LSTARS* s) {
    if (s == nullptr || s->stars == nullptr || !SizeOk(s)) {
        LSTARSError();
        return;
    }
    for (int32_t i = s->count - 1; i >= 0; --i) LSTARSPlaceStar(s, i);
}

void LSTARSPlaceStar(LSTARS* s, int32_t index) {
    if (s == nullptr || s->stars == nullptr || index < 0 || index >= s->count || !SizeOk(s)) {
        LSTARSError();
        return;
    }
    int32_t* p = s->stars + static_cast<size_t>(index) * kWords;
    // A draw is below 32768, so each shifted remainder fits the signed word.
    p[0] = (RNGDraw() % s->size.x) << 16;
    p[1] = (RNGDraw() % s->size.y) << 16;
}

void LSTARSMove(LSTARS* s) {
    if (s == nullptr || s->stars == nullptr) {
        LSTARSError();
        return;
    }
    const int64_t mx = Margin(s->velocity.x);
    const int64_t my = Margin(s->velocity.y);
    for (int32_t i = 0; i < s->count; ++i) {
        int32_t* p = s->stars + static_cast<size_t>(i) * kWords;
        p[0] = Wrap(AddWrap(p[0], s->velocity.x), s->size.x, mx);
        p[1] = Wrap(AddWrap(p[1], s->velocity.y), s->size.y, my);
    }
}

void LSTARSDrawDots(LSTARS* s, IMG* img) {
    if (s == nullptr || img == nullptr || s->stars == nullptr) {
        LSTARSError();
        return;
    }
    TakeSize(s, img);
    for (int32_t i = 0; i < s->count; ++i) {
        const int32_t* p = s->stars + static_cast<size_t>(i) * kWords;
        IMGPutPixel(img, p[0] >> 16, p[1] >> 16, s->colour);
    }
}

void LSTARSDrawStreaks(LSTARS* s, IMG* img) {
    if (s == nullptr || img == nullptr || s->stars == nullptr) {
        LSTARSError();
        return;
    }
    TakeSize(s, img);
    for (int32_t i = s->count - 1; i >= 0; --i) {
        const int32_t* p = s->stars + static_cast<size_t>(i) * kWords;
        IMGDrawLine(img, p[0] >> 16, p[1] >> 16, Back(p[0], s->velocity.x),
                    Back(p[1], s->velocity.y), s->colour);
    }
}

void LSTARSDrawChars(LSTARS* s, IMG* img) {
    if (s == nullptr || img == nullptr || s->stars == nullptr || s->font == nullptr) {
        LSTARSError();
        return;
    }
    TakeSize(s, img);
    FONT* font = s->font;
    for (int32_t i = 0; i < s->count; ++i) {
        const int32_t* p = s->stars + static_cast<size_t>(i) * kWords;
        const int32_t column = p[0] >> 16;
        const int32_t row = p[1] >> 16;
        font->target = img;
        font->character = row % 64;  // C's remainder: negative rows give negative codes
        font->penX = column - 16;    // x >> 16 is at least -32768: no overflow
        font->penY = row - 16;
        FONTDrawChar(font);
    }
}
