// The hostile-argument sweep: every public operation of every toolkit module,
// first with null references, then with empty objects (a 0 x 0 image, an
// empty list, a sample of length 0, a font without glyphs or sheet, an
// unbound scroller, an effect over an empty image), the other arguments
// ordinary; every row runs a second time with zeroed records (no buffer at
// all) as the empty image, list, array and sample. Nothing may fault (the asan-ubsan preset runs this too), results
// are the null, 0 or false the module promises, and Free clears the caller's
// reference.
//
// One row per operation; tests/toolkit/sweep_complete.sh fails when a header
// declares an operation that has no row here (or an exemption there).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "core/array.h"
#include "core/int.h"
#include "core/list.h"
#include "core/report.h"
#include "core/rng.h"
#include "effects/grid2d.h"
#include "effects/laser.h"
#include "effects/lframe.h"
#include "effects/lspiral.h"
#include "effects/lstars.h"
#include "effects/raster.h"
#include "effects/sinedots.h"
#include "effects/sineline.h"
#include "effects/spirals.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe.h"
#include "platform/capture/capture.h"
#include "platform/edge.h"
#include "platform/fps.h"
#include "platform/sdldpy.h"
#include "platform/sdlkbd.h"
#include "platform/sdlsnd.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "sound/sound.h"
#include "tests/support/test_support.h"
#include "text/cursor.h"
#include "text/cursorx.h"
#include "text/font.h"
#include "text/lscroll.h"
#include "text/scroll.h"
#include "vector/csine.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/seg2d.h"
#include "vector/vec2d.h"

extern const uint32_t SDLDPY_MODE_FLAGS = SDLDPY_FLAGS_WINDOW;

namespace {

// [SECTION] Objects: ordinary ones to pass beside a null or empty argument

IMG* MakeImage(int32_t w, int32_t h) {
    IMG* img = IMGNew();
    IMGSetSize(img, w, h);
    for (int32_t i = 0; i < w && i < h; ++i) IMGSetPixel(img, i, i, 0x00808080u);
    return img;
}

// Releases whatever an operation returned (null included), so LeakSanitizer
// sees only what the operations themselves lose.
void Drop(IMG* p) { if (p != nullptr) IMGFree(&p); }
void Drop(LIST* p) { if (p != nullptr) LISTFree(&p); }
void Drop(ARRAY* p) { if (p != nullptr) ARRAYFree(&p); }
void Drop(SAMPLE* p) { if (p != nullptr) SAMPLEFree(&p); }
void Drop(VEC2D* p) { if (p != nullptr) VEC2DFree(&p); }
void Drop(SEG2D* p) { if (p != nullptr) SEG2DFree(&p); }
void Drop(OBJ2D* p) { if (p != nullptr) OBJ2DFree(&p); }
void Drop(CSINE* p) { if (p != nullptr) CSINEFree(&p); }
void Drop(LFONT* p) { if (p != nullptr) LFONTFree(&p); }
void Drop(CURSORX* p) { if (p != nullptr) CURSORXFree(&p); }
void Drop(GRID2D* p) { if (p != nullptr) GRID2DFree(&p); }
void Drop(LASER* p) { if (p != nullptr) LASERFree(&p); }
void Drop(LFRAME* p) { if (p != nullptr) LFRAMEFree(&p); }
void Drop(LSTARS* p) { if (p != nullptr) LSTARSFree(&p); }
void Drop(LSPIRAL* p) { if (p != nullptr) LSPIRALFree(&p); }
void Drop(RASTER* p) { if (p != nullptr) RASTERFree(&p); }
void Drop(SINELINE* p) { if (p != nullptr) SINELINEFree(&p); }
void Drop(SPIRALS* p) { if (p != nullptr) SPIRALSFree(&p); }
void Drop(MUSIC* p) { if (p != nullptr) MUSICFree(&p); }
void Drop(char* p) { std::free(p); }
void Drop(int32_t* p) { std::free(p); }

// Free through a null address, through a null reference, then through a live
// reference (which it must clear), then again through the cleared one.
template <typename T>
void FreeSweep(void (*freeFn)(T**), T* fresh) {
    freeFn(nullptr);
    T* none = nullptr;
    freeFn(&none);
    EXPECT_EQ(none, nullptr);
    ASSERT_NE(fresh, nullptr);
    freeFn(&fresh);
    EXPECT_EQ(fresh, nullptr);
    freeFn(&fresh);
}

// One small glyph list: code 0 is a single segment.
LIST* SmallGlyphs() { return OBJ2DListFromASCII("{ s 0 0 3 3 }\n"); }

LFONT* BoundLfont(IMG* img) {
    LFONT* f = LFONTNew();
    f->glyphs = SmallGlyphs();
    f->image = img;
    return f;
}

FONT* SheetFont(int32_t w, int32_t h) {
    FONT* f = FONTNew();
    f->sheet = MakeImage(w, h);
    return f;
}

// A zeroed record that never went through New: no buffer at all. Free must
// still release it, and every other operation must refuse it.
template <typename T>
T* Zeroed() {
    return static_cast<T*>(REPORTZeroAlloc(1, sizeof(T)));
}

// The arguments of one row. With `zeroed` the empty image, list, array and
// sample are zeroed records instead of new empty objects.
struct Kit {
    const bool zeroed;
    IMG* img = MakeImage(16, 16);
    IMG* img2 = MakeImage(16, 16);
    IMG* empty = zeroed ? Zeroed<IMG>() : MakeImage(0, 0);
    LIST* list = LISTNew();
    LIST* emptyList = zeroed ? Zeroed<LIST>() : LISTNew();
    ARRAY* array = ARRAYNew();
    ARRAY* emptyArray = zeroed ? Zeroed<ARRAY>() : ARRAYNew();
    SAMPLE* sample = SAMPLENew();
    SAMPLE* emptySample = zeroed ? Zeroed<SAMPLE>() : SAMPLENew();
    VEC2D* vec = VEC2DNew();
    SEG2D* seg = SEG2DNew();
    OBJ2D* obj = OBJ2DNew();
    OBJ2D* emptyObj = OBJ2DNew();
    int marks[3] = {1, 2, 3};

    explicit Kit(bool zeroedRecords) : zeroed(zeroedRecords) {
        for (int& m : marks) {
            LISTPush(list, &m);
            ARRAYPush(array, &m);
        }
        SAMPLESetLength(sample, 8);
        for (int32_t i = 0; i < 8; ++i) SAMPLESet(sample, i, i * 1000 - 3000);
        OBJ2DAddSegment(obj, SEG2DNew());
    }
    ~Kit() {
        Drop(img);
        Drop(img2);
        Drop(empty);
        Drop(list);
        Drop(emptyList);
        Drop(array);
        Drop(emptyArray);
        Drop(sample);
        Drop(emptySample);
        Drop(vec);
        Drop(seg);
        Drop(obj);
        Drop(emptyObj);
    }
    Kit(const Kit&) = delete;
    Kit& operator=(const Kit&) = delete;
};

// The common shapes of a row: an operation over (source, destination) images
// with one of them null or 0 x 0 in turn; one over a single image, null or
// 0 x 0; an object's drawing with the object, the image null or the image
// 0 x 0; an Equal or a copy into an object with either side null.
template <typename S, typename... A>
void PairSweep(void (*op)(S*, IMG*, A...), Kit& k, std::type_identity_t<A>... args) {
    op(nullptr, k.img, args...);
    op(k.img, nullptr, args...);
    op(k.empty, k.img, args...);
    op(k.img, k.empty, args...);
}

template <typename... A>
void OneSweep(void (*op)(IMG*, A...), Kit& k, std::type_identity_t<A>... args) {
    op(nullptr, args...);
    op(k.empty, args...);
}

template <typename T, typename P>
void DrawSweep(T* (*newFn)(), void (*draw)(P*, IMG*), Kit& k) {
    T* object = newFn();
    draw(nullptr, k.img);
    draw(object, nullptr);
    draw(object, k.empty);
    Drop(object);
}

template <typename T>
void EqualSweep(T* (*newFn)(), bool (*equal)(const T*, const T*)) {
    T* object = newFn();
    EXPECT_FALSE(equal(nullptr, object));
    EXPECT_FALSE(equal(object, nullptr));
    Drop(object);
}

template <typename T>
void CopyIntoSweep(T* (*newFn)(), void (*copy)(const T*, T*)) {
    T* object = newFn();
    copy(nullptr, object);
    copy(object, nullptr);
    Drop(object);
}

// Moves and draws of a laser: null, unbound, bound to an image emptied since.
void LaserSweep(void (*op)(LASER*), Kit& k) {
    op(nullptr);
    LASER* l = LASERNew();
    op(l);
    LASERSet(l, k.img);
    IMGSetSize(k.img, 0, 0);
    op(l);
    Drop(l);
}

// Resets and moves of a line frame: null, and over a 0 x 0 area.
void FrameSweep(void (*op)(LFRAME*)) {
    op(nullptr);
    LFRAME* f = LFRAMENew();
    f->size.x = 0;
    f->size.y = 0;
    op(f);
    Drop(f);
}

// Scroller draws: null, unbound, bound to an empty image (line font with
// glyphs; bitmap font without a sheet).
template <typename... A>
void LscrollSweep(void (*op)(LSCROLL*, A...), Kit& k, std::type_identity_t<A>... args) {
    op(nullptr, args...);
    LSCROLL* s = LSCROLLNew();
    op(s, args...);
    LFONT* f = BoundLfont(k.empty);
    LSCROLLSet(s, "ab", f, k.empty);
    op(s, args...);
    LSCROLLFree(&s);
    Drop(f);
}

void ScrollSweep(void (*op)(SCROLL*), Kit& k) {
    op(nullptr);
    SCROLL* s = SCROLLNew();
    op(s);
    FONT* f = FONTNew();
    SCROLLSet(s, "ab", f, k.empty);
    op(s);
    SCROLLFree(&s);
    FONTFree(&f);
}

// Font draws with a value: null font, no sheet, a 0 x 0 sheet (bitmap font);
// null font, no glyphs, glyphs over an empty image (line font).
void FontSweep(void (*op)(FONT*, uint32_t), Kit& k, uint32_t value) {
    op(nullptr, value);
    FONT* f = FONTNew();
    f->target = k.img;
    op(f, value);
    f->sheet = MakeImage(0, 0);
    op(f, value);
    FONTFree(&f);
}

void LfontSweep(void (*op)(LFONT*, uint32_t), Kit& k, uint32_t value) {
    op(nullptr, value);
    LFONT* f = LFONTNew();
    op(f, value);
    Drop(f);
    f = BoundLfont(k.empty);
    op(f, value);
    Drop(f);
}

// An empty raster: no colours (count 0, a valid size), or a zeroed record.
RASTER* EmptyRaster(bool zeroed) {
    if (zeroed) return Zeroed<RASTER>();
    RASTER* r = RASTERNew();
    RASTERSetSize(r, 0);
    return r;
}

// A raster operation on a null raster, on an empty one, and (for the image
// operations) a null and an empty image.
void RasterSweep(void (*op)(RASTER*), Kit& k) {
    op(nullptr);
    RASTER* r = EmptyRaster(k.zeroed);
    op(r);
    Drop(r);
}

template <typename... A>
void RasterDrawSweep(void (*op)(const RASTER*, IMG*, A...), Kit& k,
                     std::type_identity_t<A>... args) {
    RASTER* r = RASTERNew();
    op(nullptr, k.img, args...);
    op(r, nullptr, args...);
    op(r, k.empty, args...);
    Drop(r);
    r = EmptyRaster(k.zeroed);
    op(r, k.img, args...);
    Drop(r);
}

// [SECTION] The table

struct Row {
    const char* module;
    const char* operation;
    void (*sweep)(Kit& k);
};

const Row kRows[] = {
    // --- core: LIST
    {"LIST", "LISTNew", [](Kit&) { Drop(LISTNew()); }},
    {"LIST", "LISTFree", [](Kit&) { FreeSweep(LISTFree, LISTNew()); }},
    {"LIST", "LISTEqual", [](Kit& k) {
        EXPECT_TRUE(LISTEqual(nullptr, nullptr));
        EXPECT_FALSE(LISTEqual(nullptr, k.list));
        EXPECT_FALSE(LISTEqual(k.list, nullptr));
        EXPECT_FALSE(LISTEqual(k.emptyList, k.list));
        EXPECT_TRUE(LISTEqual(k.emptyList, k.emptyList));
    }},
    {"LIST", "LISTClone", [](Kit& k) {
        EXPECT_EQ(LISTClone(nullptr), nullptr);
        LIST* c = LISTClone(k.emptyList);
        if (c != nullptr) {
            EXPECT_EQ(c->count, 0);
        }
        Drop(c);
    }},
    {"LIST", "LISTToASCII", [](Kit& k) {
        EXPECT_EQ(LISTToASCII(nullptr), nullptr);
        EXPECT_EQ(LISTToASCII(k.emptyList), nullptr);
    }},
    {"LIST", "LISTFromASCII", [](Kit&) {
        EXPECT_EQ(LISTFromASCII(nullptr), nullptr);
        EXPECT_EQ(LISTFromASCII(""), nullptr);
    }},
    {"LIST", "LISTPush", [](Kit& k) {
        LISTPush(nullptr, &k);
        LISTPush(k.emptyList, nullptr);
        EXPECT_EQ(k.emptyList->count, k.zeroed ? 0 : 1);  // a zeroed list refuses
    }},
    {"LIST", "LISTPop", [](Kit& k) {
        EXPECT_EQ(LISTPop(nullptr), nullptr);
        EXPECT_EQ(LISTPop(k.emptyList), nullptr);
        EXPECT_EQ(k.emptyList->count, 0);
    }},
    {"LIST", "LISTInsert", [](Kit& k) {
        LISTInsert(nullptr, &k, 0);
        LISTInsert(k.emptyList, &k, 1);
        EXPECT_EQ(k.emptyList->count, 0);
        LISTInsert(k.emptyList, &k, 0);
        EXPECT_EQ(k.emptyList->count, k.zeroed ? 0 : 1);
    }},
    {"LIST", "LISTRemove", [](Kit& k) {
        EXPECT_EQ(LISTRemove(nullptr, 0), 0);
        EXPECT_EQ(LISTRemove(k.emptyList, 0), 0);
    }},
    {"LIST", "LISTGet", [](Kit& k) {
        EXPECT_EQ(LISTGet(nullptr, 0), nullptr);
        EXPECT_EQ(LISTGet(k.emptyList, 0), nullptr);
        EXPECT_EQ(LISTGet(k.emptyList, -1), nullptr);
    }},
    {"LIST", "LISTSet", [](Kit& k) {
        LISTSet(nullptr, &k, 0);
        LISTSet(k.emptyList, &k, 0);
        EXPECT_EQ(k.emptyList->count, 0);
    }},
    {"LIST", "LISTFind", [](Kit& k) {
        EXPECT_EQ(LISTFind(nullptr, &k), -1);
        EXPECT_EQ(LISTFind(k.list, nullptr), -1);
        EXPECT_EQ(LISTFind(k.emptyList, &k), -1);
    }},
    {"LIST", "LISTSublist", [](Kit& k) {
        EXPECT_EQ(LISTSublist(nullptr, 0, 1), nullptr);
        EXPECT_EQ(LISTSublist(k.emptyList, 0, 0), nullptr);
        EXPECT_EQ(LISTSublist(k.emptyList, 0, 1), nullptr);
    }},
    {"LIST", "LISTRemoveRange", [](Kit& k) {
        LISTRemoveRange(nullptr, 0, 1);
        LISTRemoveRange(k.emptyList, 0, 0);
        LISTRemoveRange(k.emptyList, 0, 1);
        EXPECT_EQ(k.emptyList->count, 0);
    }},
    {"LIST", "LISTInsertRange", [](Kit& k) {
        LISTInsertRange(nullptr, k.list, 0, 1, 0);
        LISTInsertRange(k.list, nullptr, 0, 1, 0);
        LISTInsertRange(k.emptyList, k.list, 0, 1, 0);
        LISTInsertRange(k.list, k.emptyList, 0, 3, 0);
        EXPECT_EQ(k.emptyList->count, k.zeroed ? 0 : 3);
        EXPECT_EQ(k.list->count, 3);
    }},
    {"LIST", "LISTGrow", [](Kit& k) {
        EXPECT_FALSE(LISTGrow(nullptr));
        EXPECT_EQ(LISTGrow(k.emptyList), !k.zeroed);
    }},

    // --- core: ARRAY
    {"ARRAY", "ARRAYNew", [](Kit&) { Drop(ARRAYNew()); }},
    {"ARRAY", "ARRAYFree", [](Kit&) { FreeSweep(ARRAYFree, ARRAYNew()); }},
    {"ARRAY", "ARRAYEqual", [](Kit& k) {
        EXPECT_TRUE(ARRAYEqual(nullptr, nullptr));
        EXPECT_FALSE(ARRAYEqual(nullptr, k.array));
        EXPECT_FALSE(ARRAYEqual(k.array, nullptr));
        EXPECT_FALSE(ARRAYEqual(k.emptyArray, k.array));
    }},
    {"ARRAY", "ARRAYClone", [](Kit& k) {
        EXPECT_EQ(ARRAYClone(nullptr), nullptr);
        Drop(ARRAYClone(k.emptyArray));
    }},
    {"ARRAY", "ARRAYToASCII", [](Kit& k) {
        EXPECT_EQ(ARRAYToASCII(nullptr), nullptr);
        EXPECT_EQ(ARRAYToASCII(k.emptyArray), nullptr);
    }},
    {"ARRAY", "ARRAYFromASCII", [](Kit&) {
        EXPECT_EQ(ARRAYFromASCII(nullptr), nullptr);
        EXPECT_EQ(ARRAYFromASCII(""), nullptr);
    }},
    {"ARRAY", "ARRAYPush", [](Kit& k) {
        ARRAYPush(nullptr, &k);
        ARRAYPush(k.emptyArray, nullptr);
        EXPECT_EQ(k.emptyArray->count, k.zeroed ? 0 : 1);
    }},
    {"ARRAY", "ARRAYPop", [](Kit& k) {
        EXPECT_EQ(ARRAYPop(nullptr), nullptr);
        EXPECT_EQ(ARRAYPop(k.emptyArray), nullptr);
    }},
    {"ARRAY", "ARRAYInsert", [](Kit& k) {
        ARRAYInsert(nullptr, &k, 0);
        ARRAYInsert(k.emptyArray, &k, 1);
        EXPECT_EQ(k.emptyArray->count, 0);
    }},
    {"ARRAY", "ARRAYRemove", [](Kit& k) {
        EXPECT_EQ(ARRAYRemove(nullptr, 0), 0);
        EXPECT_EQ(ARRAYRemove(k.emptyArray, 0), 0);
    }},
    {"ARRAY", "ARRAYGet", [](Kit& k) {
        EXPECT_EQ(ARRAYGet(nullptr, 0), nullptr);
        EXPECT_EQ(ARRAYGet(k.emptyArray, 0), nullptr);
    }},
    {"ARRAY", "ARRAYSet", [](Kit& k) {
        ARRAYSet(nullptr, &k, 0);
        ARRAYSet(k.emptyArray, &k, 0);
        EXPECT_EQ(k.emptyArray->count, 0);
    }},
    {"ARRAY", "ARRAYFind", [](Kit& k) {
        EXPECT_EQ(ARRAYFind(nullptr, &k), -1);
        EXPECT_EQ(ARRAYFind(k.emptyArray, &k), -1);
    }},
    {"ARRAY", "ARRAYSublist", [](Kit& k) {
        EXPECT_EQ(ARRAYSublist(nullptr, 0, 1), nullptr);
        EXPECT_EQ(ARRAYSublist(k.emptyArray, 0, 1), nullptr);
    }},
    {"ARRAY", "ARRAYRemoveRange", [](Kit& k) {
        ARRAYRemoveRange(nullptr, 0, 1);
        ARRAYRemoveRange(k.emptyArray, 0, 1);
    }},
    {"ARRAY", "ARRAYInsertRange", [](Kit& k) {
        ARRAYInsertRange(nullptr, k.array, 0, 1, 0);
        ARRAYInsertRange(k.array, nullptr, 0, 1, 0);
        ARRAYInsertRange(k.emptyArray, k.array, 0, 1, 0);
        EXPECT_EQ(k.array->count, 3);
    }},
    {"ARRAY", "ARRAYGrow", [](Kit& k) {
        EXPECT_FALSE(ARRAYGrow(nullptr));
        EXPECT_EQ(ARRAYGrow(k.emptyArray), !k.zeroed);
    }},

    // --- core: INT, RNG, REPORT (no objects: hostile values instead)
    {"INT", "INTPrintBinary", [](Kit&) {
        StdoutCapture out;
        INTPrintBinary(0);
        INTPrintBinary(INT32_MIN);
        EXPECT_EQ(out.Take().size(), 64u);
    }},
    {"INT", "INTBitLength", [](Kit&) {
        EXPECT_EQ(INTBitLength(0), 0);
        EXPECT_EQ(INTBitLength(INT32_MIN), 0);
    }},
    {"INT", "INTSqrt", [](Kit&) {
        StdoutCapture out;
        EXPECT_EQ(INTSqrt(0), 0u);
        EXPECT_EQ(INTSqrt(UINT32_MAX), 65535u);
    }},
    {"RNG", "RNGSeed", [](Kit&) { RNGSeed(0); }},
    {"RNG", "RNGDraw", [](Kit&) {
        RNGSeed(UINT32_MAX);
        const int32_t r = RNGDraw();
        EXPECT_TRUE(r >= 0 && r <= RNG_MAX);
    }},
    {"RNG", "RNGState", [](Kit&) {
        RNGSeed(7);
        EXPECT_EQ(RNGState(), 7u);
    }},
    {"REPORT", "REPORTError", [](Kit&) {
        const uint64_t before = REPORTCount();
        REPORTError(nullptr, true);
        REPORTError(nullptr, false);
        EXPECT_EQ(REPORTCount(), before + 2);
    }},
    {"REPORT", "REPORTCount", [](Kit&) { EXPECT_LT(REPORTCount(), UINT64_MAX); }},
    {"REPORT", "REPORTZeroAlloc", [](Kit&) {
        void* p = REPORTZeroAlloc(0, 0);
        EXPECT_NE(p, nullptr);
        std::free(p);
        EXPECT_EQ(REPORTZeroAlloc(SIZE_MAX, 2), nullptr);
    }},
    {"REPORT", "REPORTZeroAllocAligned", [](Kit&) {
        void* p = REPORTZeroAllocAligned(0, 0);
        EXPECT_NE(p, nullptr);
        std::free(p);
        EXPECT_EQ(REPORTZeroAllocAligned(SIZE_MAX, 2), nullptr);
        EXPECT_EQ(REPORTZeroAllocAligned(SIZE_MAX, 1), nullptr);
    }},

    // --- image: IMG
    {"IMG", "IMGNew", [](Kit&) { Drop(IMGNew()); }},
    {"IMG", "IMGFree", [](Kit&) { FreeSweep(IMGFree, MakeImage(0, 0)); }},
    {"IMG", "IMGToASCII", [](Kit& k) {
        EXPECT_EQ(IMGToASCII(nullptr), nullptr);
        char* text = IMGToASCII(k.empty);
        if (text != nullptr) {
            EXPECT_STREQ(text, "IMG{}");
        }
        Drop(text);
    }},
    {"IMG", "IMGFromASCII", [](Kit&) {
        EXPECT_EQ(IMGFromASCII(nullptr), nullptr);
        EXPECT_EQ(IMGFromASCII(""), nullptr);
        EXPECT_EQ(IMGFromASCII("IMG{}"), nullptr);
        Drop(IMGFromASCII("IMG{\nP3\n0 0\n255\n}\n"));
    }},
    {"IMG", "IMGEqual", [](Kit& k) {
        EXPECT_FALSE(IMGEqual(nullptr, nullptr));
        EXPECT_FALSE(IMGEqual(nullptr, k.img));
        EXPECT_FALSE(IMGEqual(k.img, nullptr));
        EXPECT_FALSE(IMGEqual(k.empty, k.img));
        EXPECT_FALSE(IMGEqual(k.img, k.empty));
        (void)IMGEqual(k.empty, k.empty);
    }},
    {"IMG", "IMGClone", [](Kit& k) {
        EXPECT_EQ(IMGClone(nullptr), nullptr);
        IMG* c = IMGClone(k.empty);
        if (c != nullptr) {
            EXPECT_EQ(c->width * c->height, 0);
        }
        Drop(c);
    }},
    {"IMG", "IMGSetSize", [](Kit& k) {
        IMGSetSize(nullptr, 4, 4);
        IMGSetSize(k.empty, 0, 5);
        IMGSetSize(k.empty, -1, -1);
        IMGSetSize(k.empty, 0, 0);
        EXPECT_EQ(k.empty->width, 0);
    }},
    {"IMG", "IMGSetPixel", [](Kit& k) { OneSweep(IMGSetPixel, k, 0, 0, 1); }},
    {"IMG", "IMGGetPixel", [](Kit& k) {
        EXPECT_EQ(IMGGetPixel(nullptr, 0, 0), 0u);
        EXPECT_EQ(IMGGetPixel(k.empty, 0, 0), 0u);
    }},
    {"IMG", "IMGPutPixel", [](Kit& k) { OneSweep(IMGPutPixel, k, 0, 0, 1); }},
    {"IMG", "IMGFetchPixel", [](Kit& k) {
        EXPECT_EQ(IMGFetchPixel(nullptr, 0, 0), 0u);
        EXPECT_EQ(IMGFetchPixel(k.empty, 0, 0), 0u);
    }},
    {"IMG", "IMGCopy", [](Kit& k) {
        IMGCopy(nullptr, k.img);
        IMGCopy(k.img, nullptr);
        IMGCopy(k.empty, k.img);
        IMGCopy(k.img, k.empty);
        IMGCopy(k.empty, k.empty);
    }},
    {"IMG", "IMGClear", [](Kit& k) { IMGClear(nullptr); IMGClear(k.empty); }},
    {"IMG", "IMGSubtract", [](Kit& k) { IMGSubtract(nullptr, 1); IMGSubtract(k.empty, 1); }},
    {"IMG", "IMGAnd", [](Kit& k) {
        IMGAnd(nullptr, k.img);
        IMGAnd(k.img, nullptr);
        IMGAnd(k.empty, k.img);
        IMGAnd(k.img, k.empty);
    }},
    {"IMG", "IMGInvert", [](Kit& k) { IMGInvert(nullptr); IMGInvert(k.empty); }},
    {"IMG", "IMGBlit", [](Kit& k) { PairSweep(IMGBlit, k, 0, 0, 0, 0, 4, 4); }},
    {"IMG", "IMGBlitOpaque", [](Kit& k) { PairSweep(IMGBlitOpaque, k, 0, 0, 0, 0, 4, 4); }},
    {"IMG", "IMGBlitAdd", [](Kit& k) { PairSweep(IMGBlitAdd, k, 0, 0, 0, 0, 4, 4); }},
    {"IMG", "IMGBlitAddSat", [](Kit& k) { PairSweep(IMGBlitAddSat, k, 0, 0, 0, 0, 4, 4); }},
    {"IMG", "IMGBlitHalf", [](Kit& k) { PairSweep(IMGBlitHalf, k, 0, 0); }},
    {"IMG", "IMGBlitSpaced", [](Kit& k) { PairSweep(IMGBlitSpaced, k, 0, 0, 0, 0, 4, 4, 2, 2); }},
    {"IMG", "IMGInvertRect", [](Kit& k) { OneSweep(IMGInvertRect, k, 0, 0, 4, 4); }},
    {"IMG", "IMGCopyRowWrap", [](Kit& k) { PairSweep(IMGCopyRowWrap, k, 0, 0, 3); }},
    {"IMG", "IMGOrRowWrap", [](Kit& k) { PairSweep(IMGOrRowWrap, k, 0, 0, 3); }},
    {"IMG", "IMGCopyColumnWrap", [](Kit& k) { PairSweep(IMGCopyColumnWrap, k, 0, 0, 3); }},
    {"IMG", "IMGCopyRow", [](Kit& k) { PairSweep(IMGCopyRow, k, 0, 0); }},
    {"IMG", "IMGDrawLine", [](Kit& k) { OneSweep(IMGDrawLine, k, 0, 0, 5, 5, 1); }},
    {"IMG", "IMGFillRect", [](Kit& k) { OneSweep(IMGFillRect, k, 0, 0, 4, 4, 1); }},
    {"IMG", "IMGDrawRect", [](Kit& k) { OneSweep(IMGDrawRect, k, 0, 0, 4, 4, 1); }},
    {"IMG", "IMGDrawCircle", [](Kit& k) { OneSweep(IMGDrawCircle, k, 0, 0, 4, 1); }},
    {"IMG", "IMGLinePoints", [](Kit&) {
        int32_t* p = IMGLinePoints(0, 0, 0, 0);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p[0], 2);
        Drop(p);
        EXPECT_EQ(IMGLinePoints(INT32_MIN, 0, INT32_MAX, 0), nullptr);
    }},
    {"IMG", "IMGRunTable", [](Kit&) {
        Drop(IMGRunTable(0, 0));
        EXPECT_EQ(IMGRunTable(INT32_MIN, 0), nullptr);
    }},
    {"IMG", "IMGRunTableSym", [](Kit&) {
        Drop(IMGRunTableSym(0, 0));
        EXPECT_EQ(IMGRunTableSym(INT32_MIN, 0), nullptr);
    }},
    {"IMG", "IMGScale", [](Kit& k) {
        IMGScale(nullptr, k.img);
        IMGScale(k.img, nullptr);
        IMGScale(k.empty, k.img);
        IMGScale(k.img, k.empty);
    }},
    {"IMG", "IMGRotoZoom", [](Kit& k) {
        EXPECT_EQ(IMGRotoZoom(nullptr, 3), nullptr);
        Drop(IMGRotoZoom(k.empty, 3));
    }},
    {"IMG", "IMGSave", [](Kit& k) {
        const std::string path = ::testing::TempDir() + "sweep_img_save.ppm";
        EXPECT_FALSE(IMGSave(nullptr, path.c_str()));
        EXPECT_FALSE(IMGSave(k.img, nullptr));
        EXPECT_FALSE(IMGSave(k.empty, path.c_str()));
        std::remove(path.c_str());
    }},
    {"IMG", "IMGLoad", [](Kit&) {
        EXPECT_EQ(IMGLoad(nullptr), nullptr);
        EXPECT_EQ(IMGLoad(""), nullptr);
        EXPECT_EQ(IMGLoad("/dev/null"), nullptr);
    }},
    {"IMG", "IMGFromPNM", [](Kit&) {
        const uint8_t bytes[] = {'P', '6'};
        EXPECT_EQ(IMGFromPNM(nullptr, 10), nullptr);
        EXPECT_EQ(IMGFromPNM(bytes, 0), nullptr);
        EXPECT_EQ(IMGFromPNM(bytes, sizeof bytes), nullptr);
    }},
    {"IMG", "IMGFindMarker", [](Kit&) {
        EXPECT_EQ(IMGFindMarker(nullptr, "IMG"), 0u);
        EXPECT_EQ(IMGFindMarker("IMG", nullptr), 0u);
        EXPECT_EQ(IMGFindMarker("", ""), 0u);
    }},

    // --- image: IMGFX
    {"IMGFX", "IMGFXBoxBlur", [](Kit& k) { PairSweep(IMGFXBoxBlur, k, 1); }},
    {"IMGFX", "IMGFXBlurH", [](Kit& k) { PairSweep(IMGFXBlurH, k, 1); }},
    {"IMGFX", "IMGFXBlur3", [](Kit& k) {
        IMGFXBlur3(nullptr, k.img);
        IMGFXBlur3(k.img, nullptr);
        IMGFXBlur3(k.empty, k.img);
        IMGFXBlur3(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXBlur121", [](Kit& k) {
        IMGFXBlur121(nullptr, k.img);
        IMGFXBlur121(k.img, nullptr);
        IMGFXBlur121(k.empty, k.img);
        IMGFXBlur121(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXBlur5", [](Kit& k) {
        IMGFXBlur5(nullptr, k.img);
        IMGFXBlur5(k.img, nullptr);
        IMGFXBlur5(k.empty, k.img);
        IMGFXBlur5(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXBlur7", [](Kit& k) {
        IMGFXBlur7(nullptr, k.img);
        IMGFXBlur7(k.img, nullptr);
        IMGFXBlur7(k.empty, k.img);
        IMGFXBlur7(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXSmooth3x3", [](Kit& k) {
        IMGFXSmooth3x3(nullptr, k.img);
        IMGFXSmooth3x3(k.img, nullptr);
        IMGFXSmooth3x3(k.empty, k.img);
        IMGFXSmooth3x3(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXGlow5", [](Kit& k) { PairSweep(IMGFXGlow5, k, 1); }},
    {"IMGFX", "IMGFXGlow7", [](Kit& k) { PairSweep(IMGFXGlow7, k, 1); }},
    {"IMGFX", "IMGFXGlowH", [](Kit& k) { PairSweep(IMGFXGlowH, k, 1, 1); }},
    {"IMGFX", "IMGFXGlow3x3", [](Kit& k) { PairSweep(IMGFXGlow3x3, k, 1); }},
    {"IMGFX", "IMGFXGlowBlurFade", [](Kit& k) {
        IMGFXGlowBlurFade(nullptr, k.img, k.img2, 3, 0);
        IMGFXGlowBlurFade(k.img, nullptr, k.img2, 3, 0);
        IMGFXGlowBlurFade(k.img, k.img2, nullptr, 3, 0);
        IMGFXGlowBlurFade(k.empty, k.img, k.img2, 3, 0);
        IMGFXGlowBlurFade(k.img, k.empty, k.img2, 3, 0);
        IMGFXGlowBlurFade(k.img, k.img2, k.empty, 3, 0);
        IMGFXGlowBlurFade(k.img, k.img, k.img, 3, 0);
    }},
    {"IMGFX", "IMGFXCheckFit", [](Kit& k) {
        EXPECT_FALSE(IMGFXCheckFit(nullptr, &k, k.img));
        EXPECT_FALSE(IMGFXCheckFit(k.img, nullptr, k.img));
        EXPECT_FALSE(IMGFXCheckFit(k.img, &k, nullptr));
        EXPECT_FALSE(IMGFXCheckFit(k.empty, &k, k.img));
        EXPECT_TRUE(IMGFXCheckFit(k.img, &k, k.empty));
    }},
    {"IMGFX", "IMGFXDrawLine", [](Kit& k) { OneSweep(IMGFXDrawLine, k, 0, 0, 5, 5, 1); }},
    {"IMGFX", "IMGFXRunTable", [](Kit&) {
        Drop(IMGFXRunTable(0, 0));
        EXPECT_EQ(IMGFXRunTable(INT32_MIN, 0), nullptr);
    }},
    {"IMGFX", "IMGFXRunTableSym", [](Kit&) {
        Drop(IMGFXRunTableSym(0, 0));
        EXPECT_EQ(IMGFXRunTableSym(INT32_MIN, 0), nullptr);
    }},
    {"IMGFX", "IMGFXLinePoints", [](Kit&) {
        Drop(IMGFXLinePoints(0, 0, 0, 0));
        EXPECT_EQ(IMGFXLinePoints(INT32_MIN, 0, INT32_MAX, 0), nullptr);
    }},
    {"IMGFX", "IMGFXFindMarker", [](Kit&) {
        EXPECT_EQ(IMGFXFindMarker(nullptr, "IMG"), 0u);
        EXPECT_EQ(IMGFXFindMarker("IMG", nullptr), 0u);
        EXPECT_EQ(IMGFXFindMarker("", ""), 0u);
    }},
    {"IMGFX", "IMGFXScale", [](Kit& k) {
        IMGFXScale(nullptr, k.img);
        IMGFXScale(k.img, nullptr);
        IMGFXScale(k.empty, k.img);
        IMGFXScale(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXRotoZoom", [](Kit& k) {
        EXPECT_EQ(IMGFXRotoZoom(nullptr, 3), nullptr);
        Drop(IMGFXRotoZoom(k.empty, 3));
    }},
    {"IMGFX", "IMGFXSubtract", [](Kit& k) { IMGFXSubtract(nullptr, 1); IMGFXSubtract(k.empty, 1); }},
    {"IMGFX", "IMGFXBlitHalf", [](Kit& k) { PairSweep(IMGFXBlitHalf, k, 0, 0); }},
    {"IMGFX", "IMGFXCopyRowWrap", [](Kit& k) { PairSweep(IMGFXCopyRowWrap, k, 0, 0, 3); }},
    {"IMGFX", "IMGFXOrRowWrap", [](Kit& k) { PairSweep(IMGFXOrRowWrap, k, 0, 0, 3); }},
    {"IMGFX", "IMGFXAnd", [](Kit& k) {
        IMGFXAnd(nullptr, k.img);
        IMGFXAnd(k.img, nullptr);
        IMGFXAnd(k.empty, k.img);
        IMGFXAnd(k.img, k.empty);
    }},
    {"IMGFX", "IMGFXCopyColumnWrap", [](Kit& k) { PairSweep(IMGFXCopyColumnWrap, k, 0, 0, 3); }},
    {"IMGFX", "IMGFXBlitSpaced", [](Kit& k) { PairSweep(IMGFXBlitSpaced, k, 0, 0, 0, 0, 4, 4, 2, 2); }},
    {"IMGFX", "IMGFXFillRect", [](Kit& k) { OneSweep(IMGFXFillRect, k, 0, 0, 4, 4, 1); }},
    {"IMGFX", "IMGFXDrawRect", [](Kit& k) { OneSweep(IMGFXDrawRect, k, 0, 0, 4, 4, 1); }},
    {"IMGFX", "IMGFXCopyRow", [](Kit& k) { PairSweep(IMGFXCopyRow, k, 0, 0); }},
    {"IMGFX", "IMGFXDrawCircle", [](Kit& k) { OneSweep(IMGFXDrawCircle, k, 0, 0, 4, 1); }},
    {"IMGFX", "IMGFXBlitAdd", [](Kit& k) { PairSweep(IMGFXBlitAdd, k, 0, 0, 0, 0, 4, 4); }},
    {"IMGFX", "IMGFXBlitOpaque", [](Kit& k) { PairSweep(IMGFXBlitOpaque, k, 0, 0, 0, 0, 4, 4); }},
    {"IMGFX", "IMGFXBlitAddSat", [](Kit& k) { PairSweep(IMGFXBlitAddSat, k, 0, 0, 0, 0, 4, 4); }},
    {"IMGFX", "IMGFXInvert", [](Kit& k) { IMGFXInvert(nullptr); IMGFXInvert(k.empty); }},
    {"IMGFX", "IMGFXInvertRect", [](Kit& k) { OneSweep(IMGFXInvertRect, k, 0, 0, 4, 4); }},

    // --- vector: VEC2D (its report prints, so standard output is captured)
    {"VEC2D", "VEC2DNew", [](Kit&) { Drop(VEC2DNew()); }},
    {"VEC2D", "VEC2DFree", [](Kit&) {
        StdoutCapture out;
        FreeSweep(VEC2DFree, VEC2DNew());
        EXPECT_NE(out.Take().find("VEC2D error\n"), std::string::npos);
    }},
    {"VEC2D", "VEC2DToASCII", [](Kit& k) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DToASCII(nullptr), nullptr);
        EXPECT_EQ(VEC2DToASCII(k.vec), nullptr);
    }},
    {"VEC2D", "VEC2DFromASCII", [](Kit&) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DFromASCII(nullptr), nullptr);
        EXPECT_EQ(VEC2DFromASCII(""), nullptr);
    }},
    {"VEC2D", "VEC2DEqual", [](Kit& k) {
        StdoutCapture out;
        EXPECT_FALSE(VEC2DEqual(nullptr, k.vec));
        EXPECT_FALSE(VEC2DEqual(k.vec, nullptr));
        EXPECT_FALSE(VEC2DEqual(nullptr, nullptr));
    }},
    {"VEC2D", "VEC2DCopy", [](Kit& k) {
        StdoutCapture out;
        VEC2DCopy(nullptr, k.vec);
        VEC2DCopy(k.vec, nullptr);
    }},
    {"VEC2D", "VEC2DClone", [](Kit&) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DClone(nullptr), nullptr);
    }},
    {"VEC2D", "VEC2DDraw", [](Kit& k) {
        StdoutCapture out;
        VEC2DDraw(nullptr, k.img);
        VEC2DDraw(k.vec, nullptr);
        VEC2DDraw(k.vec, k.empty);
    }},
    {"VEC2D", "VEC2DDrawRotated", [](Kit& k) {
        StdoutCapture out;
        VEC2DDrawRotated(nullptr, 5, k.vec, k.img);
        VEC2DDrawRotated(k.vec, 5, nullptr, k.img);
        VEC2DDrawRotated(k.vec, 5, k.vec, nullptr);
        VEC2DDrawRotated(k.vec, 5, k.vec, k.empty);
    }},
    {"VEC2D", "VEC2DAdd", [](Kit& k) {
        StdoutCapture out;
        VEC2DAdd(nullptr, k.vec);
        VEC2DAdd(k.vec, nullptr);
    }},
    {"VEC2D", "VEC2DSub", [](Kit& k) {
        StdoutCapture out;
        VEC2DSub(nullptr, k.vec);
        VEC2DSub(k.vec, nullptr);
    }},
    {"VEC2D", "VEC2DNeg", [](Kit&) { StdoutCapture out; VEC2DNeg(nullptr); }},
    {"VEC2D", "VEC2DRotate", [](Kit&) { StdoutCapture out; VEC2DRotate(nullptr, 3); }},
    {"VEC2D", "VEC2DScale", [](Kit&) { StdoutCapture out; VEC2DScale(nullptr, 3); }},
    {"VEC2D", "VEC2DMul", [](Kit& k) {
        StdoutCapture out;
        VEC2DMul(nullptr, k.vec);
        VEC2DMul(k.vec, nullptr);
    }},
    {"VEC2D", "VEC2DCompareX", [](Kit& k) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DCompareX(nullptr, k.vec), 0);
        EXPECT_EQ(VEC2DCompareX(k.vec, nullptr), 0);
    }},
    {"VEC2D", "VEC2DCompareY", [](Kit& k) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DCompareY(nullptr, k.vec), 0);
        EXPECT_EQ(VEC2DCompareY(k.vec, nullptr), 0);
    }},
    {"VEC2D", "VEC2DLengthSquared", [](Kit&) {
        StdoutCapture out;
        EXPECT_EQ(VEC2DLengthSquared(nullptr), -1);
    }},

    // --- vector: SEG2D (a shell without endpoints is its empty object)
    {"SEG2D", "SEG2DNew", [](Kit&) { Drop(SEG2DNew()); }},
    {"SEG2D", "SEG2DFree", [](Kit&) { FreeSweep(SEG2DFree, SEG2DNew()); }},
    {"SEG2D", "SEG2DFreeShell", [](Kit&) {
        SEG2D* s = SEG2DNew();
        VEC2D* a = s->start;
        VEC2D* b = s->end;
        FreeSweep(SEG2DFreeShell, s);
        Drop(a);
        Drop(b);
    }},
    {"SEG2D", "SEG2DToASCII", [](Kit& k) {
        EXPECT_EQ(SEG2DToASCII(nullptr), nullptr);
        EXPECT_EQ(SEG2DToASCII(k.seg), nullptr);
    }},
    {"SEG2D", "SEG2DFromASCII", [](Kit&) {
        EXPECT_EQ(SEG2DFromASCII(nullptr), nullptr);
        EXPECT_EQ(SEG2DFromASCII(""), nullptr);
    }},
    {"SEG2D", "SEG2DEqual", [](Kit& k) {
        SEG2D shell{};
        EXPECT_FALSE(SEG2DEqual(nullptr, k.seg));
        EXPECT_FALSE(SEG2DEqual(k.seg, nullptr));
        EXPECT_FALSE(SEG2DEqual(&shell, k.seg));
        EXPECT_FALSE(SEG2DEqual(k.seg, &shell));
    }},
    {"SEG2D", "SEG2DCopy", [](Kit& k) {
        SEG2D shell{};
        SEG2DCopy(nullptr, k.seg);
        SEG2DCopy(k.seg, nullptr);
        SEG2DCopy(&shell, k.seg);
        SEG2DCopy(k.seg, &shell);
    }},
    {"SEG2D", "SEG2DClone", [](Kit&) {
        SEG2D shell{};
        EXPECT_EQ(SEG2DClone(nullptr), nullptr);
        EXPECT_EQ(SEG2DClone(&shell), nullptr);
    }},
    {"SEG2D", "SEG2DDraw", [](Kit& k) {
        SEG2D shell{};
        SEG2DDraw(nullptr, k.img);
        SEG2DDraw(k.seg, nullptr);
        SEG2DDraw(&shell, k.img);
        SEG2DDraw(k.seg, k.empty);
    }},
    {"SEG2D", "SEG2DDrawEnds", [](Kit& k) {
        SEG2D shell{};
        SEG2DDrawEnds(nullptr, k.img);
        SEG2DDrawEnds(k.seg, nullptr);
        SEG2DDrawEnds(&shell, k.img);
        SEG2DDrawEnds(k.seg, k.empty);
    }},
    {"SEG2D", "SEG2DDrawRotated", [](Kit& k) {
        SEG2D shell{};
        SEG2DDrawRotated(nullptr, 5, k.vec, k.img);
        SEG2DDrawRotated(k.seg, 5, nullptr, k.img);
        SEG2DDrawRotated(k.seg, 5, k.vec, nullptr);
        SEG2DDrawRotated(&shell, 5, k.vec, k.img);
        SEG2DDrawRotated(k.seg, 5, k.vec, k.empty);
    }},
    {"SEG2D", "SEG2DRotate", [](Kit&) {
        SEG2D shell{};
        SEG2DRotate(nullptr, 5);
        SEG2DRotate(&shell, 5);
    }},
    {"SEG2D", "SEG2DTranslate", [](Kit& k) {
        SEG2D shell{};
        SEG2DTranslate(nullptr, k.vec);
        SEG2DTranslate(k.seg, nullptr);
        SEG2DTranslate(&shell, k.vec);
    }},
    {"SEG2D", "SEG2DScale", [](Kit&) {
        SEG2D shell{};
        SEG2DScale(nullptr, 2);
        SEG2DScale(&shell, 2);
    }},
    {"SEG2D", "SEG2DMul", [](Kit& k) {
        SEG2D shell{};
        SEG2DMul(nullptr, k.vec);
        SEG2DMul(k.seg, nullptr);
        SEG2DMul(&shell, k.vec);
    }},
    {"SEG2D", "SEG2DBoxOverlap", [](Kit& k) {
        SEG2D shell{};
        EXPECT_EQ(SEG2DBoxOverlap(nullptr, k.seg), 0);
        EXPECT_EQ(SEG2DBoxOverlap(k.seg, nullptr), 0);
        EXPECT_EQ(SEG2DBoxOverlap(&shell, k.seg), 0);
        EXPECT_EQ(SEG2DBoxOverlap(k.seg, &shell), 0);
    }},
    {"SEG2D", "SEG2DOverlaps", [](Kit& k) {
        SEG2D shell{};
        EXPECT_EQ(SEG2DOverlaps(nullptr, k.seg), 0);
        EXPECT_EQ(SEG2DOverlaps(k.seg, nullptr), 0);
        EXPECT_EQ(SEG2DOverlaps(&shell, k.seg), 0);
    }},
    {"SEG2D", "SEG2DSpanOverlap", [](Kit& k) {
        SEG2D shell{};
        EXPECT_EQ(SEG2DSpanOverlap(nullptr, k.seg), 0);
        EXPECT_EQ(SEG2DSpanOverlap(k.seg, nullptr), 0);
        EXPECT_EQ(SEG2DSpanOverlap(&shell, k.seg), 0);
    }},
    {"SEG2D", "SEG2DCrosses", [](Kit& k) {
        SEG2D shell{};
        EXPECT_EQ(SEG2DCrosses(nullptr, k.seg), 0);
        EXPECT_EQ(SEG2DCrosses(k.seg, nullptr), 0);
        EXPECT_EQ(SEG2DCrosses(&shell, k.seg), 0);
    }},

    // --- vector: OBJ2D (the empty object has no segments)
    {"OBJ2D", "OBJ2DNew", [](Kit&) { Drop(OBJ2DNew()); }},
    {"OBJ2D", "OBJ2DFree", [](Kit&) { FreeSweep(OBJ2DFree, OBJ2DNew()); }},
    {"OBJ2D", "OBJ2DToASCII", [](Kit& k) {
        EXPECT_EQ(OBJ2DToASCII(nullptr), nullptr);
        EXPECT_EQ(OBJ2DToASCII(k.emptyObj), nullptr);
    }},
    {"OBJ2D", "OBJ2DFromASCII", [](Kit&) {
        EXPECT_EQ(OBJ2DFromASCII(nullptr), nullptr);
        EXPECT_EQ(OBJ2DFromASCII(""), nullptr);
    }},
    {"OBJ2D", "OBJ2DEqual", [](Kit& k) {
        EXPECT_FALSE(OBJ2DEqual(nullptr, k.obj));
        EXPECT_FALSE(OBJ2DEqual(k.obj, nullptr));
        EXPECT_FALSE(OBJ2DEqual(k.emptyObj, k.emptyObj));
    }},
    {"OBJ2D", "OBJ2DCopy", [](Kit& k) {
        OBJ2DCopy(nullptr, k.obj);
        OBJ2DCopy(k.obj, nullptr);
        OBJ2DCopy(k.emptyObj, k.obj);
        OBJ2DCopy(k.obj, k.emptyObj);
        OBJ2D* other = OBJ2DNew();
        OBJ2DCopy(k.emptyObj, other);
        Drop(other);
    }},
    {"OBJ2D", "OBJ2DClone", [](Kit& k) {
        EXPECT_EQ(OBJ2DClone(nullptr), nullptr);
        OBJ2D* c = OBJ2DClone(k.emptyObj);
        if (c != nullptr) {
            EXPECT_EQ(c->segments->count, 0);
        }
        Drop(c);
    }},
    {"OBJ2D", "OBJ2DListFromASCII", [](Kit&) {
        EXPECT_EQ(OBJ2DListFromASCII(nullptr), nullptr);
        LIST* none = OBJ2DListFromASCII("");
        if (none != nullptr) {
            EXPECT_EQ(none->count, 0);
        }
        OBJ2DListFree(&none);
        LIST* stray = OBJ2DListFromASCII("} { s 1 2 3 4 }\n");
        OBJ2DListFree(&stray);
    }},
    {"OBJ2D", "OBJ2DListFree", [](Kit&) {
        OBJ2DListFree(nullptr);
        LIST* none = nullptr;
        OBJ2DListFree(&none);
        LIST* empty = LISTNew();
        OBJ2DListFree(&empty);
        EXPECT_EQ(empty, nullptr);
        LIST* holes = LISTNew();
        LISTPush(holes, nullptr);
        OBJ2DListFree(&holes);
        EXPECT_EQ(holes, nullptr);
    }},
    {"OBJ2D", "OBJ2DAddSegment", [](Kit& k) {
        SEG2D* s = SEG2DNew();
        SEG2D shell{};
        EXPECT_FALSE(OBJ2DAddSegment(nullptr, s));
        EXPECT_FALSE(OBJ2DAddSegment(k.emptyObj, nullptr));
        EXPECT_FALSE(OBJ2DAddSegment(k.emptyObj, &shell));
        EXPECT_EQ(k.emptyObj->segments->count, 0);
        Drop(s);
    }},
    {"OBJ2D", "OBJ2DDraw", [](Kit& k) {
        OBJ2DDraw(nullptr, k.img);
        OBJ2DDraw(k.obj, nullptr);
        OBJ2DDraw(k.emptyObj, k.img);
        OBJ2DDraw(k.obj, k.empty);
    }},
    {"OBJ2D", "OBJ2DDrawRaw", [](Kit& k) {
        OBJ2DDrawRaw(nullptr, k.img);
        OBJ2DDrawRaw(k.obj, nullptr);
        OBJ2DDrawRaw(k.emptyObj, k.img);
        OBJ2DDrawRaw(k.obj, k.empty);
    }},
    {"OBJ2D", "OBJ2DDrawPoints", [](Kit& k) {
        OBJ2DDrawPoints(nullptr, k.img);
        OBJ2DDrawPoints(k.obj, nullptr);
        OBJ2DDrawPoints(k.emptyObj, k.img);
        OBJ2DDrawPoints(k.obj, k.empty);
    }},
    {"OBJ2D", "OBJ2DDrawPointsPosed", [](Kit& k) {
        OBJ2DDrawPointsPosed(nullptr, k.img);
        OBJ2DDrawPointsPosed(k.obj, nullptr);
        OBJ2DDrawPointsPosed(k.emptyObj, k.img);
        OBJ2DDrawPointsPosed(k.obj, k.empty);
    }},
    {"OBJ2D", "OBJ2DTransform", [](Kit& k) {
        OBJ2DTransform(nullptr);
        OBJ2DTransform(k.emptyObj);
    }},
    {"OBJ2D", "OBJ2DSetColor", [](Kit& k) {
        OBJ2DSetColor(nullptr, 1);
        OBJ2DSetColor(k.emptyObj, 1);
    }},
    {"OBJ2D", "OBJ2DIsFarther", [](Kit& k) {
        EXPECT_EQ(OBJ2DIsFarther(nullptr, 0), 0);
        EXPECT_EQ(OBJ2DIsFarther(k.emptyObj, 0), 0);
        EXPECT_EQ(OBJ2DIsFarther(k.emptyObj, -1), 0);
    }},
    {"OBJ2D", "OBJ2DFindFarthest", [](Kit& k) {
        OBJ2DFindFarthest(nullptr);
        OBJ2DFindFarthest(k.emptyObj);
        EXPECT_EQ(k.emptyObj->farthest, -1);
    }},
    {"OBJ2D", "OBJ2DNear", [](Kit& k) {
        EXPECT_EQ(OBJ2DNear(nullptr, k.obj), 0);
        EXPECT_EQ(OBJ2DNear(k.obj, nullptr), 0);
        (void)OBJ2DNear(k.emptyObj, k.obj);
        (void)OBJ2DNear(k.obj, k.emptyObj);
    }},
    {"OBJ2D", "OBJ2DCollide", [](Kit& k) {
        EXPECT_EQ(OBJ2DCollide(nullptr, k.obj), 0);
        EXPECT_EQ(OBJ2DCollide(k.obj, nullptr), 0);
        EXPECT_EQ(OBJ2DCollide(k.emptyObj, k.obj), 0);
        EXPECT_EQ(OBJ2DCollide(k.obj, k.emptyObj), 0);
    }},

    // --- vector: CSINE (the empty figure has no segments)
    {"CSINE", "CSINENew", [](Kit&) { Drop(CSINENew()); }},
    {"CSINE", "CSINEFree", [](Kit&) {
        CSINE* f = CSINENew();
        CSINEFreeSegments(f);
        FreeSweep(CSINEFree, f);
    }},
    {"CSINE", "CSINEToASCII", [](Kit&) { EXPECT_EQ(CSINEToASCII(nullptr), nullptr); }},
    {"CSINE", "CSINEFromASCII", [](Kit&) { EXPECT_EQ(CSINEFromASCII(nullptr), nullptr); }},
    {"CSINE", "CSINEEqual", [](Kit&) { EqualSweep(CSINENew, CSINEEqual); }},
    {"CSINE", "CSINECopy", [](Kit&) { CopyIntoSweep(CSINENew, CSINECopy); }},
    {"CSINE", "CSINEClone", [](Kit&) {
        EXPECT_EQ(CSINEClone(nullptr), nullptr);
        CSINE* f = CSINENew();
        CSINEFreeSegments(f);
        Drop(CSINEClone(f));
        Drop(f);
    }},
    {"CSINE", "CSINESetSegmentCount", [](Kit&) {
        CSINESetSegmentCount(nullptr, 4);
        CSINE* f = CSINENew();
        CSINESetSegmentCount(f, 0);
        CSINESetSegmentCount(f, -1);
        CSINEFreeSegments(f);
        CSINESetSegmentCount(f, 0);
        Drop(f);
    }},
    {"CSINE", "CSINEFreeSegments", [](Kit&) {
        CSINEFreeSegments(nullptr);
        CSINE* f = CSINENew();
        CSINEFreeSegments(f);
        CSINEFreeSegments(f);
        Drop(f);
    }},
    // Each operation below on a null figure, on a figure without segments, on
    // one with an empty segment list, and with a null or empty image.
    {"CSINE", "CSINESetColor", [](Kit&) {
        CSINESetColor(nullptr, 1);
        CSINE* f = CSINENew();
        CSINESetSegmentCount(f, 0);
        CSINESetColor(f, 1);
        CSINEFreeSegments(f);
        CSINESetColor(f, 1);
        Drop(f);
    }},
    {"CSINE", "CSINEUpdate", [](Kit&) {
        CSINEUpdate(nullptr);
        CSINE* f = CSINENew();
        CSINESetSegmentCount(f, 0);
        CSINEUpdate(f);
        CSINEFreeSegments(f);
        CSINEUpdate(f);
        Drop(f);
    }},
    {"CSINE", "CSINEUpdateRing", [](Kit&) {
        CSINEUpdateRing(nullptr);
        CSINE* f = CSINENew();
        CSINESetSegmentCount(f, 0);
        CSINEUpdateRing(f);
        CSINEFreeSegments(f);
        CSINEUpdateRing(f);
        Drop(f);
    }},
    {"CSINE", "CSINERandomize", [](Kit&) {
        CSINERandomize(nullptr);
        CSINE* f = CSINENew();
        CSINEFreeSegments(f);
        CSINERandomize(f);
        Drop(f);
    }},
    {"CSINE", "CSINERandomizeRing", [](Kit&) {
        CSINERandomizeRing(nullptr);
        CSINE* f = CSINENew();
        CSINEFreeSegments(f);
        CSINERandomizeRing(f);
        Drop(f);
    }},
    {"CSINE", "CSINEDraw", [](Kit& k) {
        CSINE* f = CSINENew();
        CSINEDraw(nullptr, k.img);
        CSINEDraw(f, nullptr);
        CSINEDraw(f, k.empty);
        CSINESetSegmentCount(f, 0);
        CSINEDraw(f, k.img);
        CSINEFreeSegments(f);
        CSINEDraw(f, k.img);
        Drop(f);
    }},
    {"CSINE", "CSINEDrawRays", [](Kit& k) {
        CSINE* f = CSINENew();
        CSINEDrawRays(nullptr, k.img);
        CSINEDrawRays(f, nullptr);
        CSINEDrawRays(f, k.empty);
        CSINESetSegmentCount(f, 0);
        CSINEDrawRays(f, k.img);
        CSINEFreeSegments(f);
        CSINEDrawRays(f, k.img);
        Drop(f);
    }},

    // --- vector: LFONT (the empty font has no glyphs and no image)
    {"LFONT", "LFONTNew", [](Kit&) { Drop(LFONTNew()); }},
    {"LFONT", "LFONTFree", [](Kit& k) {
        FreeSweep(LFONTFree, LFONTNew());
        FreeSweep(LFONTFree, BoundLfont(k.img));
    }},
    {"LFONT", "LFONTToASCII", [](Kit& k) {
        LFONT* f = LFONTNew();
        EXPECT_EQ(LFONTToASCII(nullptr, nullptr), nullptr);
        EXPECT_EQ(LFONTToASCII(f, nullptr), nullptr);
        EXPECT_EQ(LFONTToASCII(f, &k), nullptr);
        Drop(f);
    }},
    {"LFONT", "LFONTFromASCII", [](Kit&) {
        EXPECT_EQ(LFONTFromASCII(nullptr), nullptr);
        EXPECT_EQ(LFONTFromASCII("{ s 0 0 1 1 }\n"), nullptr);
    }},
    {"LFONT", "LFONTEqual", [](Kit&) {
        LFONT* f = LFONTNew();
        EXPECT_FALSE(LFONTEqual(nullptr, f));
        EXPECT_FALSE(LFONTEqual(f, nullptr));
        EXPECT_FALSE(LFONTEqual(f, f));
        Drop(f);
    }},
    {"LFONT", "LFONTCopy", [](Kit&) {
        LFONT* f = LFONTNew();
        LFONTCopy(nullptr, f);
        LFONTCopy(f, nullptr);
        LFONTCopy(f, f);
        Drop(f);
    }},
    // The drawing operations: null font, empty font, a font over an empty
    // glyph list, a bound font over an empty image.
    {"LFONT", "LFONTDrawChar", [](Kit& k) {
        LFONTDrawChar(nullptr);
        LFONT* f = LFONTNew();
        LFONTDrawChar(f);
        f->glyphs = LISTNew();
        LFONTDrawChar(f);
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawChar(f);
        Drop(f);
        f = LFONTNew();
        f->glyphs = LISTNew();
        LISTPush(f->glyphs, nullptr);
        f->image = k.img;
        f->code = 0;
        LFONTDrawChar(f);
        f->code = -1;
        LFONTDrawChar(f);
        Drop(f);
    }},
    {"LFONT", "LFONTDrawCharRandomColor", [](Kit& k) {
        LFONTDrawCharRandomColor(nullptr);
        LFONT* f = LFONTNew();
        LFONTDrawCharRandomColor(f);
        f->glyphs = LISTNew();
        LFONTDrawCharRandomColor(f);
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawCharRandomColor(f);
        Drop(f);
    }},
    {"LFONT", "LFONTDrawHex8", [](Kit& k) { LfontSweep(LFONTDrawHex8, k, 0xAB); }},
    {"LFONT", "LFONTDrawHex16", [](Kit& k) { LfontSweep(LFONTDrawHex16, k, 0xAB); }},
    {"LFONT", "LFONTDrawHex32", [](Kit& k) { LfontSweep(LFONTDrawHex32, k, 0xAB); }},
    {"LFONT", "LFONTDrawLine", [](Kit& k) {
        LFONTDrawLine(nullptr, "ab");
        LFONT* f = LFONTNew();
        LFONTDrawLine(f, "ab");
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawLine(f, nullptr);
        LFONTDrawLine(f, "");
        LFONTDrawLine(f, "\xff\x80\n");
        Drop(f);
    }},
    {"LFONT", "LFONTDrawString", [](Kit& k) {
        LFONTDrawString(nullptr, "ab");
        LFONT* f = LFONTNew();
        LFONTDrawString(f, "ab");
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawString(f, nullptr);
        LFONTDrawString(f, "");
        LFONTDrawString(f, "\xff\n\x80");
        Drop(f);
    }},
    {"LFONT", "LFONTDrawCycle", [](Kit& k) {
        LFONTDrawCycle(nullptr, "ab", 2, 0, 3);
        LFONT* f = LFONTNew();
        LFONTDrawCycle(f, "ab", 2, 0, 3);
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawCycle(f, nullptr, 2, 0, 3);
        LFONTDrawCycle(f, "", 0, 0, 3);
        LFONTDrawCycle(f, "ab", -1, 0, 3);
        LFONTDrawCycle(f, "ab", 2, INT32_MIN, 0);
        LFONTDrawCycle(f, "ab", 2, 0, -5);
        Drop(f);
    }},
    {"LFONT", "LFONTDrawCycleInColour", [](Kit& k) {
        LFONTDrawCycleInColour(nullptr, "ab", 2, 0, 3, 1);
        LFONT* f = LFONTNew();
        LFONTDrawCycleInColour(f, "ab", 2, 0, 3, 1);
        Drop(f);
        f = BoundLfont(k.empty);
        LFONTDrawCycleInColour(f, nullptr, 2, 0, 3, 1);
        LFONTDrawCycleInColour(f, "", 0, 0, 3, 1);
        LFONTDrawCycleInColour(f, "ab", -1, 0, 3, 1);
        LFONTDrawCycleInColour(f, "ab", 2, INT32_MIN, 0, 1);
        LFONTDrawCycleInColour(f, "ab", 2, 0, -5, 1);
        Drop(f);
    }},
    {"LFONT", "LFONTSetColor", [](Kit&) {
        LFONTSetColor(nullptr, 1);
        LFONT* f = LFONTNew();
        LFONTSetColor(f, 1);
        f->glyphs = LISTNew();
        LISTPush(f->glyphs, nullptr);
        LFONTSetColor(f, 1);
        Drop(f);
    }},
    {"LFONT", "LFONTRandomColors", [](Kit&) {
        LFONTRandomColors(nullptr);
        LFONT* f = LFONTNew();
        LFONTRandomColors(f);
        f->glyphs = LISTNew();
        LISTPush(f->glyphs, nullptr);
        LFONTRandomColors(f);
        Drop(f);
    }},
    {"LFONT", "LFONTGlyphsChanged", [](Kit&) {
        LFONTGlyphsChanged(nullptr);
        LFONT* f = LFONTNew();
        LFONTGlyphsChanged(f);
        Drop(f);
    }},

    // --- text: CURSOR, CURSORX
    {"CURSOR", "CURSORNew", [](Kit&) {
        CURSOR* c = CURSORNew();
        CURSORFree(&c);
    }},
    {"CURSOR", "CURSORFree", [](Kit&) { FreeSweep(CURSORFree, CURSORNew()); }},
    {"CURSOR", "CURSORSet", [](Kit&) {
        CURSORSet(nullptr, "ab", 2, 1, 1);
        CURSOR* c = CURSORNew();
        CURSORSet(c, nullptr, 2, 1, 1);
        CURSORSet(c, "", 0, 1, 1);
        EXPECT_EQ(c->length, 4);
        CURSORFree(&c);
    }},
    // A cursor whose public length was zeroed from outside is its empty state.
    {"CURSOR", "CURSORStep", [](Kit&) {
        CURSORStep(nullptr);
        CURSOR* c = CURSORNew();
        c->length = 0;
        CURSORStep(c);
        CURSORFree(&c);
    }},
    {"CURSOR", "CURSORSetPosition", [](Kit&) {
        CURSORSetPosition(nullptr, 3);
        CURSOR* c = CURSORNew();
        c->length = 0;
        CURSORSetPosition(c, 3);
        CURSORFree(&c);
    }},
    {"CURSOR", "CURSORMark", [](Kit&) {
        CURSORMark(nullptr);
        CURSOR* c = CURSORNew();
        c->length = 0;
        CURSORMark(c);
        CURSORFree(&c);
    }},
    {"CURSOR", "CURSORRestore", [](Kit&) {
        CURSORRestore(nullptr);
        CURSOR* c = CURSORNew();
        c->length = 0;
        CURSORRestore(c);
        CURSORFree(&c);
    }},
    {"CURSORX", "CURSORXNew", [](Kit&) { Drop(CURSORXNew()); }},
    {"CURSORX", "CURSORXFree", [](Kit&) { FreeSweep(CURSORXFree, CURSORXNew()); }},
    {"CURSORX", "CURSORXToASCII", [](Kit&) { EXPECT_EQ(CURSORXToASCII(nullptr), nullptr); }},
    {"CURSORX", "CURSORXFromASCII", [](Kit&) { EXPECT_EQ(CURSORXFromASCII(nullptr), nullptr); }},
    {"CURSORX", "CURSORXCopy", [](Kit&) {
        EXPECT_EQ(CURSORXCopy(nullptr), nullptr);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        Drop(CURSORXCopy(c));
        Drop(c);
    }},
    {"CURSORX", "CURSORXCopyInto", [](Kit&) { CopyIntoSweep(CURSORXNew, CURSORXCopyInto); }},
    // The empty cursor has size 0: every reducing operation must refuse it.
    {"CURSORX", "CURSORXSet", [](Kit&) {
        CURSORXSet(nullptr, 4, 0, 1, 0, 1);
        CURSORX* c = CURSORXNew();
        CURSORXSet(c, 0, 5, 1, 3, 1);
        CURSORXSet(c, -1, 5, 1, 3, 1);
        Drop(c);
    }},
    {"CURSORX", "CURSORXSetSize", [](Kit&) {
        CURSORXSetSize(nullptr, 4);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        CURSORXSetSize(c, -4);
        Drop(c);
    }},
    {"CURSORX", "CURSORXReset", [](Kit&) {
        EXPECT_EQ(CURSORXReset(nullptr, 3), 0);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        EXPECT_EQ(CURSORXReset(c, 3), 0);
        Drop(c);
    }},
    {"CURSORX", "CURSORXSetPosition", [](Kit&) {
        EXPECT_EQ(CURSORXSetPosition(nullptr, 3), 0);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        EXPECT_EQ(CURSORXSetPosition(c, 3), 0);
        Drop(c);
    }},
    {"CURSORX", "CURSORXSetOffset", [](Kit&) {
        EXPECT_EQ(CURSORXSetOffset(nullptr, 3), 0);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        (void)CURSORXSetOffset(c, INT32_MIN);
        Drop(c);
    }},
    {"CURSORX", "CURSORXStep", [](Kit&) {
        EXPECT_EQ(CURSORXStep(nullptr), 0);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        EXPECT_EQ(CURSORXStep(c), 0);
        Drop(c);
    }},
    {"CURSORX", "CURSORXStepOffset", [](Kit&) {
        EXPECT_EQ(CURSORXStepOffset(nullptr), 0);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        (void)CURSORXStepOffset(c);
        Drop(c);
    }},
    {"CURSORX", "CURSORXUpdate", [](Kit&) {
        CURSORXUpdate(nullptr);
        CURSORX* c = CURSORXNew();
        CURSORXSetSize(c, 0);
        CURSORXUpdate(c);
        Drop(c);
    }},

    // --- text: FONT (the empty font has no sheet and no target)
    {"FONT", "FONTNew", [](Kit&) {
        FONT* f = FONTNew();
        FONTFree(&f);
    }},
    {"FONT", "FONTFree", [](Kit&) {
        FreeSweep(FONTFree, FONTNew());
        FreeSweep(FONTFree, SheetFont(0, 0));
    }},
    {"FONT", "FONTToASCII", [](Kit&) { EXPECT_EQ(FONTToASCII(nullptr), nullptr); }},
    {"FONT", "FONTCopy", [](Kit&) {
        FONT* f = FONTNew();
        FONTCopy(nullptr, f);
        FONTCopy(f, nullptr);
        FONTFree(&f);
    }},
    // Each drawing: null font, no sheet, a 0 x 0 sheet, a 0 x 0 target.
    {"FONT", "FONTDrawChar", [](Kit& k) {
        FONTDrawChar(nullptr);
        FONT* f = FONTNew();
        f->target = k.img;
        FONTDrawChar(f);
        f->sheet = MakeImage(0, 0);
        FONTDrawChar(f);
        IMGSetSize(f->sheet, 36, 6);
        f->target = k.empty;
        FONTDrawChar(f);
        f->target = nullptr;
        FONTDrawChar(f);
        f->target = k.img;
        f->cellWidth = 0;
        FONTDrawChar(f);
        f->cellWidth = -6;
        f->cellHeight = -6;
        FONTDrawChar(f);
        f->character = INT32_MIN;
        FONTDrawChar(f);
        FONTFree(&f);
    }},
    {"FONT", "FONTDrawCharOpaque", [](Kit& k) {
        FONTDrawCharOpaque(nullptr);
        FONT* f = FONTNew();
        f->target = k.img;
        FONTDrawCharOpaque(f);
        f->sheet = MakeImage(0, 0);
        FONTDrawCharOpaque(f);
        IMGSetSize(f->sheet, 36, 6);
        f->target = k.empty;
        FONTDrawCharOpaque(f);
        FONTFree(&f);
    }},
    {"FONT", "FONTDrawCharAdd", [](Kit& k) {
        FONTDrawCharAdd(nullptr);
        FONT* f = FONTNew();
        f->target = k.img;
        FONTDrawCharAdd(f);
        f->sheet = MakeImage(0, 0);
        FONTDrawCharAdd(f);
        IMGSetSize(f->sheet, 36, 6);
        f->target = k.empty;
        FONTDrawCharAdd(f);
        FONTFree(&f);
    }},
    {"FONT", "FONTDrawHex8", [](Kit& k) { FontSweep(FONTDrawHex8, k, 0xAB); }},
    {"FONT", "FONTDrawHex16", [](Kit& k) { FontSweep(FONTDrawHex16, k, 0xAB); }},
    {"FONT", "FONTDrawHex32", [](Kit& k) { FontSweep(FONTDrawHex32, k, 0xAB); }},
    {"FONT", "FONTDrawLine", [](Kit& k) {
        FONTDrawLine(nullptr, "ab");
        FONT* f = SheetFont(36, 6);
        f->target = k.img;
        FONTDrawLine(f, nullptr);
        FONTDrawLine(f, "");
        f->target = k.empty;
        FONTDrawLine(f, "\xff\x80");
        Drop(f->sheet);
        f->sheet = MakeImage(0, 0);
        FONTDrawLine(f, "ab");
        FONTFree(&f);
    }},
    {"FONT", "FONTDrawText", [](Kit& k) {
        FONTDrawText(nullptr, "ab");
        FONT* f = SheetFont(36, 6);
        f->target = k.img;
        FONTDrawText(f, nullptr);
        FONTDrawText(f, "");
        f->target = k.empty;
        FONTDrawText(f, "\xff\n\x80");
        Drop(f->sheet);
        f->sheet = MakeImage(0, 0);
        FONTDrawText(f, "ab");
        FONTFree(&f);
    }},
    {"FONT", "FONTDrawBig", [](Kit& k) {
        FONT* f = SheetFont(36, 6);
        f->target = k.img;
        FONT* bare = FONTNew();
        FONTDrawBig(nullptr, f);
        FONTDrawBig(f, nullptr);
        FONTDrawBig(bare, f);
        FONTDrawBig(f, bare);
        bare->sheet = MakeImage(0, 0);
        FONTDrawBig(bare, f);
        FONTDrawBig(f, bare);
        f->target = k.empty;
        FONTDrawBig(f, f);
        f->target = k.img;
        bare->cellWidth = 0;
        bare->cellHeight = 0;
        FONTDrawBig(f, bare);
        f->cellWidth = 0;
        FONTDrawBig(f, f);
        FONTFree(&bare);
        FONTFree(&f);
    }},

    // --- text: LSCROLL, SCROLL (the empty scroller is a new, unbound one)
    {"LSCROLL", "LSCROLLNew", [](Kit&) {
        LSCROLL* s = LSCROLLNew();
        LSCROLLFree(&s);
    }},
    {"LSCROLL", "LSCROLLFree", [](Kit&) { FreeSweep(LSCROLLFree, LSCROLLNew()); }},
    {"LSCROLL", "LSCROLLSet", [](Kit& k) {
        LFONT* f = BoundLfont(k.img);
        LSCROLL* s = LSCROLLNew();
        LSCROLLSet(nullptr, "ab", f, k.img);
        LSCROLLSet(s, nullptr, f, k.img);
        LSCROLLSet(s, "ab", nullptr, k.img);
        LSCROLLSet(s, "ab", f, nullptr);
        LSCROLLSet(s, "", f, k.img);
        EXPECT_EQ(s->bound, 0);
        LFONT* bare = LFONTNew();
        LSCROLLSet(s, "ab", bare, k.empty);
        LSCROLLStep(s);
        LSCROLLDraw(s);
        Drop(bare);
        LSCROLLFree(&s);
        Drop(f);
    }},
    {"LSCROLL", "LSCROLLStep", [](Kit&) {
        LSCROLLStep(nullptr);
        LSCROLL* s = LSCROLLNew();
        LSCROLLStep(s);
        LSCROLLFree(&s);
    }},
    {"LSCROLL", "LSCROLLDraw", [](Kit& k) { LscrollSweep(LSCROLLDraw, k); }},
    {"LSCROLL", "LSCROLLDrawOpaque", [](Kit& k) { LscrollSweep(LSCROLLDrawOpaque, k); }},
    {"LSCROLL", "LSCROLLDrawRandomColours", [](Kit& k) { LscrollSweep(LSCROLLDrawRandomColours, k); }},
    {"LSCROLL", "LSCROLLDrawColoured", [](Kit& k) { LscrollSweep(LSCROLLDrawColoured, k, 1); }},
    {"LSCROLL", "LSCROLLDrawColouredRows", [](Kit& k) {
        const uint32_t colours[3] = {1, 2, 3};
        LSCROLL* rows[3] = {nullptr, LSCROLLNew(), LSCROLLNew()};
        LSCROLLDrawColouredRows(nullptr, colours, 3);
        LSCROLLDrawColouredRows(rows, nullptr, 3);
        LSCROLLDrawColouredRows(rows, colours, -1);
        LSCROLLDrawColouredRows(rows, colours, 0);
        LSCROLLDrawColouredRows(rows, colours, 3);
        LFONT* f = BoundLfont(k.empty);
        LSCROLLSet(rows[2], "ab", f, k.empty);
        LSCROLLDrawColouredRows(rows, colours, 3);
        LSCROLLFree(&rows[1]);
        LSCROLLFree(&rows[2]);
        Drop(f);
    }},
    {"SCROLL", "SCROLLNew", [](Kit&) {
        SCROLL* s = SCROLLNew();
        SCROLLFree(&s);
    }},
    {"SCROLL", "SCROLLFree", [](Kit&) { FreeSweep(SCROLLFree, SCROLLNew()); }},
    {"SCROLL", "SCROLLSet", [](Kit& k) {
        FONT* f = SheetFont(36, 6);
        SCROLL* s = SCROLLNew();
        SCROLLSet(nullptr, "ab", f, k.img);
        SCROLLSet(s, nullptr, f, k.img);
        SCROLLSet(s, "ab", nullptr, k.img);
        SCROLLSet(s, "ab", f, nullptr);
        SCROLLSet(s, "", f, k.img);
        FONT* bare = FONTNew();
        bare->cellWidth = 0;
        SCROLLSet(s, "ab", bare, k.empty);
        SCROLLStep(s);
        SCROLLDraw(s);
        FONTFree(&bare);
        SCROLLFree(&s);
        FONTFree(&f);
    }},
    {"SCROLL", "SCROLLStep", [](Kit&) {
        SCROLLStep(nullptr);
        SCROLL* s = SCROLLNew();
        SCROLLStep(s);
        SCROLLFree(&s);
    }},
    {"SCROLL", "SCROLLDraw", [](Kit& k) { ScrollSweep(SCROLLDraw, k); }},
    {"SCROLL", "SCROLLDrawOpaque", [](Kit& k) { ScrollSweep(SCROLLDrawOpaque, k); }},

    // --- effects: GRID2D (empty: no particles; images 0 x 0)
    {"GRID2D", "GRID2DNew", [](Kit&) { Drop(GRID2DNew()); }},
    {"GRID2D", "GRID2DFree", [](Kit&) {
        StdoutCapture out;
        GRID2D* g = GRID2DNew();
        GRID2DSetCount(g, 0);
        FreeSweep(GRID2DFree, g);
    }},
    {"GRID2D", "GRID2DToASCII", [](Kit&) { EXPECT_EQ(GRID2DToASCII(nullptr), nullptr); }},
    {"GRID2D", "GRID2DFromASCII", [](Kit&) { EXPECT_EQ(GRID2DFromASCII(nullptr), nullptr); }},
    {"GRID2D", "GRID2DEqual", [](Kit&) {
        GRID2D* g = GRID2DNew();
        GRID2D* e = GRID2DNew();
        GRID2DSetCount(e, 0);
        EXPECT_FALSE(GRID2DEqual(nullptr, g));
        EXPECT_FALSE(GRID2DEqual(g, nullptr));
        EXPECT_FALSE(GRID2DEqual(e, g));
        EXPECT_TRUE(GRID2DEqual(e, e));
        Drop(g);
        Drop(e);
    }},
    {"GRID2D", "GRID2DCopy", [](Kit&) {
        EXPECT_EQ(GRID2DCopy(nullptr), nullptr);
        GRID2D* e = GRID2DNew();
        GRID2DSetCount(e, 0);
        Drop(GRID2DCopy(e));
        Drop(e);
    }},
    {"GRID2D", "GRID2DSetCount", [](Kit&) {
        StdoutCapture out;
        GRID2DSetCount(nullptr, 4);
        GRID2D* g = GRID2DNew();
        GRID2DSetCount(g, -1);
        GRID2DSetCount(g, 0);
        EXPECT_EQ(g->count, 0);
        Drop(g);
    }},
    {"GRID2D", "GRID2DReset", [](Kit&) {
        StdoutCapture out;
        GRID2DReset(nullptr);
        GRID2D* g = GRID2DNew();
        GRID2DSetCount(g, 0);
        GRID2DReset(g);
        g->width = 0;
        GRID2DSetCount(g, 2);
        GRID2DReset(g);
        Drop(g);
    }},
    {"GRID2D", "GRID2DRandomPosition", [](Kit&) {
        StdoutCapture out;
        GRID2DRandomPosition(nullptr, 0);
        GRID2D* g = GRID2DNew();
        GRID2DSetCount(g, 0);
        GRID2DRandomPosition(g, 0);
        Drop(g);
    }},
    {"GRID2D", "GRID2DRandomVelocity", [](Kit&) {
        StdoutCapture out;
        GRID2DRandomVelocity(nullptr, 0);
        GRID2D* g = GRID2DNew();
        GRID2DSetCount(g, 0);
        GRID2DRandomVelocity(g, 0);
        Drop(g);
    }},
    {"GRID2D", "GRID2DMove", [](Kit& k) {
        StdoutCapture out;
        GRID2DMove(nullptr);
        GRID2D* g = GRID2DNew();
        GRID2DMove(g);
        GRID2DDraw(g, k.empty);
        GRID2DMove(g);
        GRID2DSetCount(g, 0);
        GRID2DMove(g);
        Drop(g);
    }},
    {"GRID2D", "GRID2DDraw", [](Kit& k) {
        StdoutCapture out;
        GRID2D* g = GRID2DNew();
        GRID2DDraw(nullptr, k.img);
        GRID2DDraw(g, nullptr);
        GRID2DDraw(g, k.empty);
        GRID2DSetCount(g, 0);
        GRID2DDraw(g, k.img);
        Drop(g);
    }},
    {"GRID2D", "GRID2DDrawSprites", [](Kit& k) {
        StdoutCapture out;
        GRID2D* g = GRID2DNew();
        GRID2DDrawSprites(nullptr, k.img, k.img2);
        GRID2DDrawSprites(g, nullptr, k.img2);
        GRID2DDrawSprites(g, k.img, nullptr);
        GRID2DDrawSprites(g, k.empty, k.img2);
        GRID2DDrawSprites(g, k.img, k.empty);
        GRID2DSetCount(g, 0);
        GRID2DDrawSprites(g, k.img, k.img2);
        Drop(g);
    }},

    // --- effects: LASER (empty: new and unbound, or bound to a 0 x 0 image)
    {"LASER", "LASERNew", [](Kit&) { Drop(LASERNew()); }},
    {"LASER", "LASERFree", [](Kit&) { FreeSweep(LASERFree, LASERNew()); }},
    {"LASER", "LASERToASCII", [](Kit&) { EXPECT_EQ(LASERToASCII(nullptr), nullptr); }},
    {"LASER", "LASERFromASCII", [](Kit&) { EXPECT_EQ(LASERFromASCII(nullptr), nullptr); }},
    {"LASER", "LASEREqual", [](Kit&) {
        LASER* l = LASERNew();
        EXPECT_FALSE(LASEREqual(nullptr, l));
        EXPECT_FALSE(LASEREqual(l, nullptr));
        EXPECT_TRUE(LASEREqual(l, l));
        Drop(l);
    }},
    {"LASER", "LASERCopy", [](Kit&) { CopyIntoSweep(LASERNew, LASERCopy); }},
    {"LASER", "LASERSet", [](Kit& k) {
        LASER* l = LASERNew();
        LASERSet(nullptr, k.img);
        LASERSet(l, nullptr);
        LASERSet(l, k.empty);
        EXPECT_EQ(l->image, nullptr);
        Drop(l);
    }},
    {"LASER", "LASERRandomSpeed", [](Kit&) {
        EXPECT_EQ(LASERRandomSpeed(nullptr), 0);
        LASER* l = LASERNew();
        EXPECT_EQ(LASERRandomSpeed(l), 0);
        Drop(l);
    }},
    // The moves and draws: null, unbound, and bound to an image emptied later.
    {"LASER", "LASERBounce", [](Kit& k) { LaserSweep(LASERBounce, k); }},
    {"LASER", "LASERWander", [](Kit& k) { LaserSweep(LASERWander, k); }},
    {"LASER", "LASERDraw", [](Kit& k) { LaserSweep(LASERDraw, k); }},
    {"LASER", "LASERDrawRandom", [](Kit& k) { LaserSweep(LASERDrawRandom, k); }},

    // --- effects: LFRAME (empty: a 0 x 0 area, or no segment pair)
    {"LFRAME", "LFRAMENew", [](Kit&) { Drop(LFRAMENew()); }},
    {"LFRAME", "LFRAMEFree", [](Kit&) {
        LFRAME* f = LFRAMENew();
        LFRAME* copy = LFRAMECopy(f);
        FreeSweep(LFRAMEFree, f);
        FreeSweep(LFRAMEFree, copy);
    }},
    {"LFRAME", "LFRAMEToASCII", [](Kit&) { EXPECT_EQ(LFRAMEToASCII(nullptr), nullptr); }},
    {"LFRAME", "LFRAMEFromASCII", [](Kit&) { EXPECT_EQ(LFRAMEFromASCII(nullptr), nullptr); }},
    {"LFRAME", "LFRAMEEqual", [](Kit&) { EqualSweep(LFRAMENew, LFRAMEEqual); }},
    {"LFRAME", "LFRAMECopyInto", [](Kit&) {
        LFRAME* f = LFRAMENew();
        LFRAMECopyInto(nullptr, f);
        LFRAMECopyInto(f, nullptr);
        LFRAMECopyInto(f, f);
        Drop(f);
    }},
    {"LFRAME", "LFRAMECopy", [](Kit&) { EXPECT_EQ(LFRAMECopy(nullptr), nullptr); }},
    {"LFRAME", "LFRAMEReset", [](Kit&) { FrameSweep(LFRAMEReset); }},
    {"LFRAME", "LFRAMEResetParallel", [](Kit&) { FrameSweep(LFRAMEResetParallel); }},
    {"LFRAME", "LFRAMEResetAcross", [](Kit&) { FrameSweep(LFRAMEResetAcross); }},
    {"LFRAME", "LFRAMEMove", [](Kit&) { FrameSweep(LFRAMEMove); }},
    {"LFRAME", "LFRAMEDraw", [](Kit& k) { DrawSweep(LFRAMENew, LFRAMEDraw, k); }},
    {"LFRAME", "LFRAMEDrawEnds", [](Kit& k) { DrawSweep(LFRAMENew, LFRAMEDrawEnds, k); }},

    // --- effects: LSTARS (empty: drawn into a 0 x 0 image, no font)
    {"LSTARS", "LSTARSNew", [](Kit&) { Drop(LSTARSNew()); }},
    {"LSTARS", "LSTARSFree", [](Kit&) { FreeSweep(LSTARSFree, LSTARSNew()); }},
    {"LSTARS", "LSTARSToASCII", [](Kit&) { EXPECT_EQ(LSTARSToASCII(nullptr), nullptr); }},
    {"LSTARS", "LSTARSFromASCII", [](Kit&) { EXPECT_EQ(LSTARSFromASCII(nullptr), nullptr); }},
    {"LSTARS", "LSTARSEqual", [](Kit&) { EqualSweep(LSTARSNew, LSTARSEqual); }},
    {"LSTARS", "LSTARSCopy", [](Kit&) { EXPECT_EQ(LSTARSCopy(nullptr), nullptr); }},
    {"LSTARS", "LSTARSCopyInto", [](Kit&) { CopyIntoSweep(LSTARSNew, LSTARSCopyInto); }},
    {"LSTARS", "LSTARSSetCount", [](Kit&) {
        LSTARSSetCount(nullptr, 4);
        LSTARS* s = LSTARSNew();
        LSTARSSetCount(s, 0);
        LSTARSSetCount(s, -1);
        EXPECT_EQ(s->count, 16);
        Drop(s);
    }},
    {"LSTARS", "LSTARSScatter", [](Kit& k) {
        LSTARSScatter(nullptr);
        LSTARS* s = LSTARSNew();
        LSTARSDrawDots(s, k.empty);
        LSTARSScatter(s);
        Drop(s);
    }},
    {"LSTARS", "LSTARSPlaceStar", [](Kit& k) {
        LSTARSPlaceStar(nullptr, 0);
        LSTARS* s = LSTARSNew();
        LSTARSPlaceStar(s, -1);
        LSTARSDrawDots(s, k.empty);
        LSTARSPlaceStar(s, 0);
        Drop(s);
    }},
    {"LSTARS", "LSTARSMove", [](Kit& k) {
        LSTARSMove(nullptr);
        LSTARS* s = LSTARSNew();
        LSTARSDrawDots(s, k.empty);
        LSTARSMove(s);
        Drop(s);
    }},
    {"LSTARS", "LSTARSDrawDots", [](Kit& k) { DrawSweep(LSTARSNew, LSTARSDrawDots, k); }},
    {"LSTARS", "LSTARSDrawStreaks", [](Kit& k) { DrawSweep(LSTARSNew, LSTARSDrawStreaks, k); }},
    {"LSTARS", "LSTARSDrawChars", [](Kit& k) {
        LSTARS* s = LSTARSNew();
        LSTARSDrawChars(nullptr, k.img);
        LSTARSDrawChars(s, k.img);
        FONT* f = FONTNew();
        s->font = f;
        LSTARSDrawChars(s, nullptr);
        LSTARSDrawChars(s, k.empty);
        f->sheet = MakeImage(0, 0);
        LSTARSDrawChars(s, k.img);
        FONTFree(&f);
        Drop(s);
    }},

    // --- effects: SINELINE, SINEDOTS (empty: drawn into a 0 x 0 image)
    {"SINELINE", "SINELINENew", [](Kit&) { Drop(SINELINENew()); }},
    {"SINELINE", "SINELINEFree", [](Kit&) { FreeSweep(SINELINEFree, SINELINENew()); }},
    {"SINELINE", "SINELINEToASCII", [](Kit&) { EXPECT_EQ(SINELINEToASCII(nullptr), nullptr); }},
    {"SINELINE", "SINELINEFromASCII", [](Kit&) { EXPECT_EQ(SINELINEFromASCII(nullptr), nullptr); }},
    {"SINELINE", "SINELINEEqual", [](Kit&) { EqualSweep(SINELINENew, SINELINEEqual); }},
    {"SINELINE", "SINELINECopy", [](Kit&) { EXPECT_EQ(SINELINECopy(nullptr), nullptr); }},
    {"SINELINE", "SINELINECopyInto", [](Kit&) { CopyIntoSweep(SINELINENew, SINELINECopyInto); }},
    {"SINELINE", "SINELINESetCount", [](Kit&) {
        SINELINESetCount(nullptr, 4);
        SINELINE* s = SINELINENew();
        SINELINESetCount(s, 0);
        EXPECT_EQ(s->count, 16);
        Drop(s);
    }},
    {"SINELINE", "SINELINEReset", [](Kit&) { SINELINEReset(nullptr); }},
    {"SINELINE", "SINELINEMove", [](Kit&) { SINELINEMove(nullptr); }},
    {"SINELINE", "SINELINEDraw", [](Kit& k) { DrawSweep(SINELINENew, SINELINEDraw, k); }},
    {"SINELINE", "SINELINEVertex", [](Kit&) {
        SINELINE* s = SINELINENew();
        const int32_t phases[6] = {};
        int32_t x = 7;
        int32_t y = 7;
        SINELINEVertex(nullptr, phases, 16, 16, &x, &y);
        SINELINEVertex(s, nullptr, 16, 16, &x, &y);
        SINELINEVertex(s, phases, 16, 16, nullptr, nullptr);
        EXPECT_EQ(x, 7);
        SINELINEVertex(s, phases, 0, 0, &x, &y);
        Drop(s);
    }},
    {"SINELINE", "SINELINEPrepare", [](Kit&) {
        SINELINE* s = SINELINENew();
        int32_t phases[6] = {};
        SINELINEPrepare(nullptr, 16, 16, phases);
        SINELINEPrepare(s, 16, 16, nullptr);
        SINELINEPrepare(s, 0, 0, phases);
        Drop(s);
    }},
    {"SINELINE", "SINELINEStep", [](Kit&) {
        SINELINE* s = SINELINENew();
        int32_t phases[6] = {};
        SINELINEStep(nullptr, phases);
        SINELINEStep(s, nullptr);
        Drop(s);
    }},
    {"SINEDOTS", "SINEDOTSNew", [](Kit&) { Drop(SINEDOTSNew()); }},
    {"SINEDOTS", "SINEDOTSFree", [](Kit&) { FreeSweep(SINEDOTSFree, SINEDOTSNew()); }},
    {"SINEDOTS", "SINEDOTSToASCII", [](Kit&) { EXPECT_EQ(SINEDOTSToASCII(nullptr), nullptr); }},
    {"SINEDOTS", "SINEDOTSFromASCII", [](Kit&) { EXPECT_EQ(SINEDOTSFromASCII(nullptr), nullptr); }},
    {"SINEDOTS", "SINEDOTSEqual", [](Kit&) { EqualSweep(SINEDOTSNew, SINEDOTSEqual); }},
    {"SINEDOTS", "SINEDOTSCopy", [](Kit&) { EXPECT_EQ(SINEDOTSCopy(nullptr), nullptr); }},
    {"SINEDOTS", "SINEDOTSCopyInto", [](Kit&) { CopyIntoSweep(SINEDOTSNew, SINEDOTSCopyInto); }},
    {"SINEDOTS", "SINEDOTSSetCount", [](Kit&) {
        SINEDOTSSetCount(nullptr, 4);
        SINEDOTS* s = SINEDOTSNew();
        SINEDOTSSetCount(s, 0);
        Drop(s);
    }},
    {"SINEDOTS", "SINEDOTSReset", [](Kit&) { SINEDOTSReset(nullptr); }},
    {"SINEDOTS", "SINEDOTSMove", [](Kit&) { SINEDOTSMove(nullptr); }},
    {"SINEDOTS", "SINEDOTSDraw", [](Kit& k) { DrawSweep(SINEDOTSNew, SINEDOTSDraw, k); }},

    // --- effects: SPIRALS (empty: no image, or a 0 x 0 one)
    {"SPIRALS", "SPIRALSNew", [](Kit&) { Drop(SPIRALSNew()); }},
    {"SPIRALS", "SPIRALSFree", [](Kit&) { FreeSweep(SPIRALSFree, SPIRALSNew()); }},
    {"SPIRALS", "SPIRALSToASCII", [](Kit&) { EXPECT_EQ(SPIRALSToASCII(nullptr), nullptr); }},
    {"SPIRALS", "SPIRALSFromASCII", [](Kit&) { EXPECT_EQ(SPIRALSFromASCII(nullptr), nullptr); }},
    {"SPIRALS", "SPIRALSEqual", [](Kit&) { EqualSweep(SPIRALSNew, SPIRALSEqual); }},
    {"SPIRALS", "SPIRALSCopy", [](Kit&) { EXPECT_EQ(SPIRALSCopy(nullptr), nullptr); }},
    {"SPIRALS", "SPIRALSCopyInto", [](Kit&) { CopyIntoSweep(SPIRALSNew, SPIRALSCopyInto); }},
    {"SPIRALS", "SPIRALSSetCount", [](Kit&) {
        SPIRALSSetCount(nullptr, 4);
        SPIRALS* s = SPIRALSNew();
        SPIRALSSetCount(s, 0);
        EXPECT_EQ(s->count, 16);
        Drop(s);
    }},
    {"SPIRALS", "SPIRALSScatter", [](Kit& k) {
        SPIRALSScatter(nullptr);
        SPIRALS* s = SPIRALSNew();
        s->image = k.empty;
        SPIRALSDraw(s);
        SPIRALSScatter(s);
        Drop(s);
    }},
    {"SPIRALS", "SPIRALSPlaceParticle", [](Kit& k) {
        SPIRALSPlaceParticle(nullptr, 0);
        SPIRALS* s = SPIRALSNew();
        SPIRALSPlaceParticle(s, -1);
        s->image = k.empty;
        SPIRALSDraw(s);
        SPIRALSPlaceParticle(s, 0);
        Drop(s);
    }},
    {"SPIRALS", "SPIRALSMove", [](Kit& k) {
        SPIRALSMove(nullptr);
        SPIRALS* s = SPIRALSNew();
        s->image = k.empty;
        SPIRALSDraw(s);
        s->radialSpeed = 1000;
        SPIRALSMove(s);
        Drop(s);
    }},
    {"SPIRALS", "SPIRALSDraw", [](Kit& k) {
        SPIRALSDraw(nullptr);
        SPIRALS* s = SPIRALSNew();
        SPIRALSDraw(s);
        s->image = k.empty;
        SPIRALSDraw(s);
        Drop(s);
    }},

    // --- effects: RASTER (empty: no colours, or a zeroed record)
    {"RASTER", "RASTERNew", [](Kit&) { Drop(RASTERNew()); }},
    {"RASTER", "RASTERFree", [](Kit& k) { FreeSweep(RASTERFree, EmptyRaster(k.zeroed)); }},
    {"RASTER", "RASTERToASCII", [](Kit& k) {
        RASTER* r = EmptyRaster(k.zeroed);
        EXPECT_EQ(RASTERToASCII(nullptr), nullptr);
        EXPECT_EQ(RASTERToASCII(r), nullptr);
        Drop(r);
    }},
    {"RASTER", "RASTERFromASCII", [](Kit&) { EXPECT_EQ(RASTERFromASCII(nullptr), nullptr); }},
    {"RASTER", "RASTEREqual", [](Kit& k) {
        RASTER* r = RASTERNew();
        RASTER* e = EmptyRaster(k.zeroed);
        EXPECT_FALSE(RASTEREqual(nullptr, r));
        EXPECT_FALSE(RASTEREqual(r, nullptr));
        EXPECT_FALSE(RASTEREqual(e, r));
        EXPECT_FALSE(RASTEREqual(r, e));
        (void)RASTEREqual(e, e);
        Drop(r);
        Drop(e);
    }},
    {"RASTER", "RASTERClone", [](Kit& k) {
        EXPECT_EQ(RASTERClone(nullptr), nullptr);
        RASTER* e = EmptyRaster(k.zeroed);
        RASTER* c = RASTERClone(e);
        if (c != nullptr) {
            EXPECT_EQ(c->count, 0);
        }
        Drop(c);
        Drop(e);
    }},
    {"RASTER", "RASTERSetSize", [](Kit& k) {
        RASTERSetSize(nullptr, 4);
        RASTER* r = EmptyRaster(k.zeroed);
        RASTERSetSize(r, -1);
        RASTERSetSize(r, 0);
        EXPECT_EQ(r->count, 0);
        Drop(r);
    }},
    {"RASTER", "RASTERClear", [](Kit& k) { RasterSweep(RASTERClear, k); }},
    {"RASTER", "RASTERAdvance", [](Kit& k) {
        EXPECT_EQ(RASTERAdvance(nullptr), 0);
        RASTER* r = EmptyRaster(k.zeroed);
        EXPECT_EQ(RASTERAdvance(r), 0);
        Drop(r);
    }},
    {"RASTER", "RASTERSmooth", [](Kit& k) {
        RASTERSmooth(nullptr, 2);
        RASTER* r = EmptyRaster(k.zeroed);
        RASTERSmooth(r, 2);
        RASTERSmooth(r, INT32_MAX);
        Drop(r);
    }},
    {"RASTER", "RASTERDrawRows", [](Kit& k) { RasterDrawSweep(RASTERDrawRows, k); }},
    {"RASTER", "RASTERBlendRows", [](Kit& k) { RasterDrawSweep(RASTERBlendRows, k, 128); }},
    {"RASTER", "RASTERDrawColumns", [](Kit& k) { RasterDrawSweep(RASTERDrawColumns, k); }},
    {"RASTER", "RASTERFillRow", [](Kit& k) {
        RASTERFillRow(nullptr, 1, 0, 0, 15);
        RASTERFillRow(k.empty, 1, 0, 0, 15);
        RASTERFillRow(k.img, 1, 0, INT32_MIN, INT32_MAX);
    }},
    {"RASTER", "RASTERBlendRow", [](Kit& k) {
        RASTERBlendRow(nullptr, 1, 0, 0, 15, 128);
        RASTERBlendRow(k.empty, 1, 0, 0, 15, 128);
        RASTERBlendRow(k.img, 1, 0, INT32_MIN, INT32_MAX, INT32_MIN);
        RASTERBlendRow(k.img, 1, 0, 0, 15, INT32_MAX);
    }},
    {"RASTER", "RASTERFillColumn", [](Kit& k) {
        RASTERFillColumn(nullptr, 1, 0, 0, 15);
        RASTERFillColumn(k.empty, 1, 0, 0, 15);
        RASTERFillColumn(k.img, 1, 0, INT32_MIN, INT32_MAX);
    }},
    {"RASTER", "RASTERMix", [](Kit&) {
        EXPECT_EQ(RASTERMix(0xFFFFFFFFu, 0xFFFFFFFFu, 0), 0x00FFFFFFu);
        EXPECT_EQ(RASTERMix(0, 0x00FFFFFFu, RASTER_WEIGHT_MAX), 0x00FFFFFFu);
    }},
    {"RASTER", "RASTERLoad", [](Kit&) {
        EXPECT_EQ(RASTERLoad(nullptr), nullptr);
        EXPECT_EQ(RASTERLoad(""), nullptr);
    }},
    {"RASTER", "RASTERSave", [](Kit& k) {
        const std::string path = ::testing::TempDir() + "sweep_raster_save";
        RASTER* r = RASTERNew();
        RASTER* e = EmptyRaster(k.zeroed);
        EXPECT_FALSE(RASTERSave(nullptr, path.c_str()));
        EXPECT_FALSE(RASTERSave(r, nullptr));
        EXPECT_FALSE(RASTERSave(e, path.c_str()));
        Drop(r);
        Drop(e);
        std::remove(path.c_str());
    }},

    // --- effects: LSPIRAL (empty: drawn into a 0 x 0 image, or without points)
    {"LSPIRAL", "LSPIRALNew", [](Kit&) { Drop(LSPIRALNew()); }},
    {"LSPIRAL", "LSPIRALFree", [](Kit&) {
        FreeSweep(LSPIRALFree, LSPIRALNew());
        FreeSweep(LSPIRALFree, Zeroed<LSPIRAL>());
    }},
    {"LSPIRAL", "LSPIRALToASCII", [](Kit&) { EXPECT_EQ(LSPIRALToASCII(nullptr), nullptr); }},
    {"LSPIRAL", "LSPIRALFromASCII", [](Kit&) { EXPECT_EQ(LSPIRALFromASCII(nullptr), nullptr); }},
    {"LSPIRAL", "LSPIRALEqual", [](Kit&) { EqualSweep(LSPIRALNew, LSPIRALEqual); }},
    {"LSPIRAL", "LSPIRALCopy", [](Kit&) { EXPECT_EQ(LSPIRALCopy(nullptr), nullptr); }},
    {"LSPIRAL", "LSPIRALCopyInto", [](Kit&) { CopyIntoSweep(LSPIRALNew, LSPIRALCopyInto); }},
    {"LSPIRAL", "LSPIRALSetCount", [](Kit&) {
        LSPIRALSetCount(nullptr, 4);
        LSPIRAL* s = LSPIRALNew();
        LSPIRALSetCount(s, 0);
        LSPIRALSetCount(s, -1);
        EXPECT_EQ(s->count, LSPIRAL_DEFAULT_COUNT);
        Drop(s);
    }},
    {"LSPIRAL", "LSPIRALReset", [](Kit&) {
        LSPIRALReset(nullptr);
        LSPIRAL* s = Zeroed<LSPIRAL>();
        LSPIRALReset(s);
        Drop(s);
    }},
    {"LSPIRAL", "LSPIRALUpdate", [](Kit&) {
        LSPIRALUpdate(nullptr);
        LSPIRAL* s = Zeroed<LSPIRAL>();
        LSPIRALUpdate(s);
        s->count = 4;  // points still absent
        LSPIRALUpdate(s);
        Drop(s);
    }},
    {"LSPIRAL", "LSPIRALDraw", [](Kit& k) {
        DrawSweep(LSPIRALNew, LSPIRALDraw, k);
        LSPIRAL* s = Zeroed<LSPIRAL>();
        LSPIRALDraw(s, k.img);
        s->count = 4;
        LSPIRALDraw(s, k.img);
        Drop(s);
    }},

    // --- sound: SAMPLE (empty: length 0)
    {"SAMPLE", "SAMPLENew", [](Kit&) { Drop(SAMPLENew()); }},
    {"SAMPLE", "SAMPLEFree", [](Kit&) { FreeSweep(SAMPLEFree, SAMPLENew()); }},
    {"SAMPLE", "SAMPLEToASCII", [](Kit& k) {
        EXPECT_EQ(SAMPLEToASCII(nullptr), nullptr);
        char* text = SAMPLEToASCII(k.emptySample);
        SAMPLE* back = SAMPLEFromASCII(text);
        if (back != nullptr) {
            EXPECT_EQ(back->length, 0);
        }
        Drop(back);
        Drop(text);
    }},
    {"SAMPLE", "SAMPLEFromASCII", [](Kit&) {
        EXPECT_EQ(SAMPLEFromASCII(nullptr), nullptr);
        EXPECT_EQ(SAMPLEFromASCII(""), nullptr);
        Drop(SAMPLEFromASCII("SAMPLE { 0\n}\n"));
    }},
    {"SAMPLE", "SAMPLEEqual", [](Kit& k) {
        EXPECT_FALSE(SAMPLEEqual(nullptr, k.sample));
        EXPECT_FALSE(SAMPLEEqual(k.sample, nullptr));
        EXPECT_FALSE(SAMPLEEqual(k.emptySample, k.sample));
        EXPECT_EQ(SAMPLEEqual(k.emptySample, k.emptySample), !k.zeroed);
    }},
    {"SAMPLE", "SAMPLEClone", [](Kit& k) {
        EXPECT_EQ(SAMPLEClone(nullptr), nullptr);
        SAMPLE* c = SAMPLEClone(k.emptySample);
        if (k.zeroed) {
            EXPECT_EQ(c, nullptr);
        } else {
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->length, 0);
        }
        Drop(c);
    }},
    {"SAMPLE", "SAMPLEReserve", [](Kit& k) {
        SAMPLEReserve(nullptr, 4);
        SAMPLEReserve(k.emptySample, 0);
        SAMPLEReserve(k.emptySample, -1);
    }},
    {"SAMPLE", "SAMPLESetLength", [](Kit& k) {
        SAMPLESetLength(nullptr, 4);
        SAMPLESetLength(k.emptySample, -1);
        SAMPLESetLength(k.emptySample, 0);
        EXPECT_EQ(k.emptySample->length, 0);
    }},
    {"SAMPLE", "SAMPLEGet", [](Kit& k) {
        EXPECT_EQ(SAMPLEGet(nullptr, 0), 0);
        EXPECT_EQ(SAMPLEGet(k.emptySample, 0), 0);
    }},
    {"SAMPLE", "SAMPLESet", [](Kit& k) {
        SAMPLESet(nullptr, 0, 1);
        SAMPLESet(k.emptySample, 0, 1);
        EXPECT_EQ(k.emptySample->length, 0);
    }},
    {"SAMPLE", "SAMPLEClear", [](Kit& k) { SAMPLEClear(nullptr); SAMPLEClear(k.emptySample); }},
    {"SAMPLE", "SAMPLECopyRange", [](Kit& k) {
        SAMPLECopyRange(nullptr, k.sample, 1, 0, 0);
        SAMPLECopyRange(k.sample, nullptr, 1, 0, 0);
        SAMPLECopyRange(k.emptySample, k.sample, 1, 0, 0);
        SAMPLECopyRange(k.sample, k.emptySample, 1, 0, 0);
        SAMPLECopyRange(k.emptySample, k.emptySample, 0, 0, 0);
    }},
    {"SAMPLE", "SAMPLEInsert", [](Kit& k) {
        SAMPLEInsert(nullptr, k.sample, 0);
        SAMPLEInsert(k.sample, nullptr, 0);
        SAMPLEInsert(k.sample, k.emptySample, 0);
        SAMPLEInsert(k.emptySample, k.emptySample, 0);
        SAMPLEInsert(k.emptySample, k.sample, 0);
        EXPECT_EQ(k.emptySample->length, k.zeroed ? 0 : 8);
    }},
    {"SAMPLE", "SAMPLESub", [](Kit& k) {
        EXPECT_EQ(SAMPLESub(nullptr, 0, 1), nullptr);
        Drop(SAMPLESub(k.emptySample, 0, 0));
        Drop(SAMPLESub(k.emptySample, 0, 5));
        EXPECT_EQ(SAMPLESub(k.emptySample, 1, 0), nullptr);
    }},
    {"SAMPLE", "SAMPLEInsertValue", [](Kit& k) {
        EXPECT_EQ(SAMPLEInsertValue(nullptr, 5, 0), 0);
        EXPECT_EQ(SAMPLEInsertValue(k.emptySample, 5, 1), 0);
        EXPECT_EQ(SAMPLEInsertValue(k.emptySample, 5, 0), k.zeroed ? 0 : 5);
    }},
    {"SAMPLE", "SAMPLERemove", [](Kit& k) {
        EXPECT_EQ(SAMPLERemove(nullptr, 0), 0);
        EXPECT_EQ(SAMPLERemove(k.emptySample, 0), 0);
    }},
    {"SAMPLE", "SAMPLEFind", [](Kit& k) {
        EXPECT_EQ(SAMPLEFind(nullptr, 0, 0), -1);
        EXPECT_EQ(SAMPLEFind(k.emptySample, 0, 0), -1);
    }},
    {"SAMPLE", "SAMPLEAdd", [](Kit& k) {
        SAMPLEAdd(nullptr, k.sample);
        SAMPLEAdd(k.sample, nullptr);
        SAMPLEAdd(k.emptySample, k.sample);
        SAMPLEAdd(k.sample, k.emptySample);
    }},
    {"SAMPLE", "SAMPLEMul", [](Kit& k) {
        SAMPLEMul(nullptr, k.sample);
        SAMPLEMul(k.sample, nullptr);
        SAMPLEMul(k.emptySample, k.sample);
        SAMPLEMul(k.sample, k.emptySample);
    }},
    {"SAMPLE", "SAMPLEScale", [](Kit& k) { SAMPLEScale(nullptr, 2); SAMPLEScale(k.emptySample, 2); }},
    {"SAMPLE", "SAMPLEShiftRight", [](Kit& k) {
        SAMPLEShiftRight(nullptr, 1);
        SAMPLEShiftRight(k.emptySample, 1);
    }},
    {"SAMPLE", "SAMPLEShiftLeft", [](Kit& k) {
        SAMPLEShiftLeft(nullptr, 1);
        SAMPLEShiftLeft(k.emptySample, 1);
    }},
    {"SAMPLE", "SAMPLERotateLeft", [](Kit& k) {
        SAMPLERotateLeft(nullptr, 1);
        SAMPLERotateLeft(k.emptySample, 1);
        SAMPLERotateLeft(k.emptySample, INT32_MIN);
    }},
    {"SAMPLE", "SAMPLERotateRight", [](Kit& k) {
        SAMPLERotateRight(nullptr, 1);
        SAMPLERotateRight(k.emptySample, 1);
        SAMPLERotateRight(k.emptySample, INT32_MIN);
    }},
    {"SAMPLE", "SAMPLEReverse", [](Kit& k) { SAMPLEReverse(nullptr); SAMPLEReverse(k.emptySample); }},
    {"SAMPLE", "SAMPLEMin", [](Kit& k) {
        EXPECT_EQ(SAMPLEMin(nullptr), 0);
        EXPECT_EQ(SAMPLEMin(k.emptySample), 0);
    }},
    {"SAMPLE", "SAMPLEMax", [](Kit& k) {
        EXPECT_EQ(SAMPLEMax(nullptr), 0);
        EXPECT_EQ(SAMPLEMax(k.emptySample), 0);
    }},
    {"SAMPLE", "SAMPLEMapRange", [](Kit& k) {
        SAMPLEMapRange(nullptr, 0, 10);
        SAMPLEMapRange(k.emptySample, 0, 10);
    }},
    {"SAMPLE", "SAMPLEResample", [](Kit& k) {
        EXPECT_EQ(SAMPLEResample(nullptr, 4), 0);
        EXPECT_EQ(SAMPLEResample(k.emptySample, 4), 0);
        EXPECT_EQ(SAMPLEResample(k.emptySample, 0), 0);
    }},
    {"SAMPLE", "SAMPLEMatches", [](Kit& k) {
        EXPECT_EQ(SAMPLEMatches(nullptr, k.sample, 0), 0);
        EXPECT_EQ(SAMPLEMatches(k.sample, nullptr, 0), 0);
        EXPECT_EQ(SAMPLEMatches(k.emptySample, k.sample, 0), 0);
        EXPECT_EQ(SAMPLEMatches(k.sample, k.emptySample, 0), 0);
    }},
    {"SAMPLE", "SAMPLEBestOffset", [](Kit& k) {
        EXPECT_EQ(SAMPLEBestOffset(nullptr, k.sample), 0);
        EXPECT_EQ(SAMPLEBestOffset(k.sample, nullptr), 0);
        (void)SAMPLEBestOffset(k.emptySample, k.sample);
        (void)SAMPLEBestOffset(k.sample, k.emptySample);
        (void)SAMPLEBestOffset(k.emptySample, k.emptySample);
    }},
    {"SAMPLE", "SAMPLERead", [](Kit&) {
        EXPECT_EQ(SAMPLERead(nullptr, 16, 'l', 's'), nullptr);
        FILE* in = std::tmpfile();
        ASSERT_NE(in, nullptr);
        SAMPLE* s = SAMPLERead(in, 16, 'l', 's');
        if (s != nullptr) {
            EXPECT_EQ(s->length, 0);
        }
        Drop(s);
        EXPECT_EQ(SAMPLERead(in, 12, 'l', 's'), nullptr);
        std::fclose(in);
    }},
    {"SAMPLE", "SAMPLEWrite", [](Kit& k) {
        FILE* out = std::tmpfile();
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(SAMPLEWrite(nullptr, out, 16, 'l'), 0);
        EXPECT_EQ(SAMPLEWrite(k.sample, nullptr, 16, 'l'), 0);
        EXPECT_EQ(SAMPLEWrite(k.emptySample, out, 16, 'l'), 0);
        EXPECT_EQ(SAMPLEWrite(k.sample, out, 12, 'l'), 0);
        std::fclose(out);
    }},

    // --- sound: SOUND (works on samples)
    {"SOUND", "SOUNDToASCII", [](Kit& k) {
        EXPECT_EQ(SOUNDToASCII(nullptr), nullptr);
        EXPECT_EQ(SOUNDToASCII(k.emptySample), nullptr);
    }},
    {"SOUND", "SOUNDSine", [](Kit& k) {
        SOUNDSine(nullptr, 440);
        SOUNDSine(k.emptySample, 440);
        SOUNDSine(k.sample, 0);
    }},
    {"SOUND", "SOUNDSquare", [](Kit& k) {
        SOUNDSquare(nullptr, 440);
        SOUNDSquare(k.emptySample, 440);
        SOUNDSquare(k.sample, 0);
    }},
    {"SOUND", "SOUNDNoise", [](Kit& k) { SOUNDNoise(nullptr); SOUNDNoise(k.emptySample); }},
    {"SOUND", "SOUNDFadeOut", [](Kit& k) { SOUNDFadeOut(nullptr); SOUNDFadeOut(k.emptySample); }},
    {"SOUND", "SOUNDFadeIn", [](Kit& k) { SOUNDFadeIn(nullptr); SOUNDFadeIn(k.emptySample); }},
    {"SOUND", "SOUNDToneTable", [](Kit&) { EXPECT_NE(SOUNDToneTable(), nullptr); }},

    // --- sound: MUSIC (empty: an empty bank, an empty note, an empty mix)
    {"MUSIC", "MUSICNew", [](Kit&) { Drop(MUSICNew()); }},
    {"MUSIC", "MUSICFree", [](Kit&) { FreeSweep(MUSICFree, MUSICNew()); }},
    {"MUSIC", "MUSICToASCII", [](Kit&) { EXPECT_EQ(MUSICToASCII(nullptr), nullptr); }},
    {"MUSIC", "MUSICFromASCII", [](Kit&) { EXPECT_EQ(MUSICFromASCII(nullptr), nullptr); }},
    {"MUSIC", "MUSICEqual", [](Kit&) { EqualSweep(MUSICNew, MUSICEqual); }},
    {"MUSIC", "MUSICClone", [](Kit&) {
        MUSIC* m = MUSICNew();
        EXPECT_EQ(MUSICClone(nullptr), nullptr);
        EXPECT_EQ(MUSICClone(m), nullptr);
        Drop(m);
    }},
    {"MUSIC", "MUSICAddSample", [](Kit&) {
        MUSIC* m = MUSICNew();
        SAMPLE* s = SAMPLENew();
        MUSICAddSample(nullptr, s);
        MUSICAddSample(m, nullptr);
        MUSICAddSample(m, s);  // the bank owns it now
        Drop(m);
    }},
    {"MUSIC", "MUSICPrepare", [](Kit&) {
        EXPECT_FALSE(MUSICPrepare(nullptr));
        MUSIC* m = MUSICNew();
        EXPECT_FALSE(MUSICPrepare(m));
        MUSICAddSample(m, SAMPLENew());
        m->countdown = 0;
        if (MUSICPrepare(m)) MUSICCommit(m);
        SAMPLESetLength(m->mix, 0);  // an empty loop: nothing to blend
        m->countdown = 0;
        if (MUSICPrepare(m)) {
            EXPECT_TRUE(MUSICCommit(m));
        }
        Drop(m);
    }},
    {"MUSIC", "MUSICCommit", [](Kit&) {
        EXPECT_FALSE(MUSICCommit(nullptr));
        MUSIC* m = MUSICNew();
        EXPECT_FALSE(MUSICCommit(m));
        SAMPLESetLength(m->mix, 0);
        EXPECT_FALSE(MUSICCommit(m));
        Drop(m);
    }},
    {"MUSIC", "MUSICStep", [](Kit&) {
        MUSICStep(nullptr);
        MUSIC* m = MUSICNew();
        MUSICStep(m);
        MUSICAddSample(m, SAMPLENew());
        m->countdown = 0;
        MUSICStep(m);
        SAMPLESetLength(m->mix, 0);
        m->countdown = 0;
        MUSICStep(m);
        Drop(m);
    }},

    // --- platform: FPS (no objects: a null state and hostile rates)
    {"FPS", "FPSTickAt", [](Kit&) {
        EXPECT_EQ(FPSTickAt(nullptr, 5), 0);
        FPSState state{};
        (void)FPSTickAt(&state, 0);
        (void)FPSTickAt(&state, UINT32_MAX);
    }},
    {"FPS", "FPSSleepMs", [](Kit&) {
        EXPECT_EQ(FPSSleepMs(nullptr), 0u);
        FPSState state{};
        (void)FPSSleepMs(&state);
    }},
    {"FPS", "FPSTick", [](Kit&) {
        frameRate = 0;
        (void)FPSTick();
        frameRate = 25;
    }},
    {"FPS", "FPSWait", [](Kit&) {
        frameRate = -5;
        FPSWait();
        frameRate = 25;
    }},

    // --- platform: SDLDPY, SDLKBD, SDLSND over the capture backend
    {"SDLDPY", "SDLDPYNew", [](Kit&) {
        SDLDPY* d = SDLDPYNew();
        EXPECT_EQ(SDLDPYNew(), d);
        SDLDPYFree(&d);
    }},
    {"SDLDPY", "SDLDPYFree", [](Kit&) {
        SDLDPY stranger{};
        SDLDPY* ref = &stranger;
        SDLDPYFree(&ref);  // not the instance: refused
        EXPECT_EQ(ref, &stranger);
        FreeSweep(SDLDPYFree, SDLDPYNew());
    }},
    {"SDLDPY", "SDLDPYToASCII", [](Kit&) { EXPECT_EQ(SDLDPYToASCII(nullptr), nullptr); }},
    {"SDLDPY", "SDLDPYFromASCII", [](Kit&) { EXPECT_EQ(SDLDPYFromASCII(nullptr), nullptr); }},
    {"SDLDPY", "SDLDPYEqual", [](Kit&) {
        SDLDPY* d = SDLDPYNew();
        EXPECT_FALSE(SDLDPYEqual(nullptr, d));
        EXPECT_FALSE(SDLDPYEqual(d, nullptr));
        EXPECT_FALSE(SDLDPYEqual(nullptr, nullptr));
        SDLDPYFree(&d);
    }},
    {"SDLDPY", "SDLDPYCopy", [](Kit&) { EXPECT_EQ(SDLDPYCopy(nullptr), nullptr); }},
    {"SDLDPY", "SDLDPYInstance", [](Kit&) {
        SDLDPY* d = SDLDPYInstance();
        if (d != nullptr) SDLDPYFree(&d);
        EXPECT_EQ(SDLDPYInstance(), nullptr);
    }},
    {"SDLDPY", "SDLDPYIsDoubleBuffered", [](Kit&) {
        SDLDPY* d = SDLDPYInstance();
        if (d != nullptr) SDLDPYFree(&d);
        (void)SDLDPYIsDoubleBuffered();
    }},
    {"SDLDPY", "SDLDPYOpen", [](Kit& k) {
        SDLDPY* d = SDLDPYNew();
        EXPECT_FALSE(SDLDPYOpen(nullptr, 16, 16));
        EXPECT_FALSE(SDLDPYOpen(d, -1, 16));
        (void)SDLDPYOpen(d, 0, 0);  // a 0 x 0 mode: every presentation draws nothing
        SDLDPYPresent(d, nullptr);
        SDLDPYPresent(d, k.img);
        SDLDPYPresentDirect(d, k.img);
        SDLDPYPresentCopy(d, k.img);
        SDLDPYPresent(d, k.empty);
        SDLDPYFree(&d);
    }},
    {"SDLDPY", "SDLDPYPresent", [](Kit& k) {
        SDLDPY* d = SDLDPYNew();
        SDLDPYPresent(nullptr, k.img);
        SDLDPYPresent(d, nullptr);
        SDLDPYPresent(d, k.empty);
        SDLDPYFree(&d);
    }},
    {"SDLDPY", "SDLDPYPresentDirect", [](Kit& k) {
        SDLDPY* d = SDLDPYNew();
        SDLDPYPresentDirect(nullptr, k.img);
        SDLDPYPresentDirect(d, nullptr);
        SDLDPYPresentDirect(d, k.empty);
        SDLDPYFree(&d);
    }},
    {"SDLDPY", "SDLDPYPresentCopy", [](Kit& k) {
        SDLDPY* d = SDLDPYNew();
        SDLDPYPresentCopy(nullptr, k.img);
        SDLDPYPresentCopy(d, nullptr);
        SDLDPYPresentCopy(d, k.empty);
        SDLDPYFree(&d);
    }},
    {"SDLKBD", "SDLKBDNew", [](Kit&) {
        SDLDPY* d = SDLDPYInstance();
        if (d != nullptr) SDLDPYFree(&d);
        EXPECT_EQ(SDLKBDNew(), nullptr);
    }},
    {"SDLKBD", "SDLKBDFree", [](Kit&) {
        SDLDPY* d = SDLDPYNew();
        FreeSweep(SDLKBDFree, SDLKBDNew());
        SDLDPYFree(&d);
    }},
    {"SDLKBD", "SDLKBDToASCII", [](Kit&) { EXPECT_EQ(SDLKBDToASCII(nullptr), nullptr); }},
    {"SDLKBD", "SDLKBDFromASCII", [](Kit&) { EXPECT_EQ(SDLKBDFromASCII(nullptr), nullptr); }},
    {"SDLKBD", "SDLKBDEqual", [](Kit&) {
        EXPECT_FALSE(SDLKBDEqual(nullptr, nullptr));
    }},
    {"SDLKBD", "SDLKBDCopy", [](Kit&) { EXPECT_EQ(SDLKBDCopy(nullptr), nullptr); }},
    {"SDLKBD", "SDLKBDGetKey", [](Kit&) {
        SDLKBDGetKey(nullptr);
        SDLKBD shell{};
        SDLKBDGetKey(&shell);
    }},
    {"SDLSND", "SDLSNDNew", [](Kit&) {
        SDLSND* s = SDLSNDNew();
        SDLSNDFree(&s);
    }},
    {"SDLSND", "SDLSNDFree", [](Kit&) { FreeSweep(SDLSNDFree, SDLSNDNew()); }},
    {"SDLSND", "SDLSNDToASCII", [](Kit&) { EXPECT_EQ(SDLSNDToASCII(nullptr), nullptr); }},
    {"SDLSND", "SDLSNDFromASCII", [](Kit&) { EXPECT_EQ(SDLSNDFromASCII(nullptr), nullptr); }},
    {"SDLSND", "SDLSNDEqual", [](Kit&) { EXPECT_FALSE(SDLSNDEqual(nullptr, nullptr)); }},
    {"SDLSND", "SDLSNDCopy", [](Kit&) { EXPECT_EQ(SDLSNDCopy(nullptr), nullptr); }},
    {"SDLSND", "SDLSNDPlay", [](Kit&) { EXPECT_EQ(SDLSNDPlay(nullptr), 0); }},
    {"SDLSND", "SDLSNDPlaySAMPLE", [](Kit& k) {
        SDLSNDPlaySAMPLE(nullptr, k.sample);
        SDLSND shell{};
        SDLSNDPlaySAMPLE(&shell, nullptr);
        SDLSNDPlaySAMPLE(&shell, k.emptySample);
        LISTFree(&shell.queue);
    }},
    {"SDLSND", "SDLSNDQueued", [](Kit&) {
        EXPECT_EQ(SDLSNDQueued(nullptr), 0);
        SDLSND shell{};
        EXPECT_EQ(SDLSNDQueued(&shell), 0);
    }},
    {"SDLSND", "SDLSNDLock", [](Kit&) {
        SDLSNDLock(nullptr);
        SDLSNDUnlock(nullptr);
    }},
    {"SDLSND", "SDLSNDUnlock", [](Kit&) { SDLSNDUnlock(nullptr); }},
    // The callback with no output, with no queue, and over queued empty samples.
    {"SDLSND", "SDLSNDCallback", [](Kit& k) {
        uint8_t buffer[64] = {};
        SDLSNDCallback(nullptr, buffer, sizeof buffer);
        SDLSND shell{};
        SDLSNDCallback(&shell, nullptr, 64);
        SDLSNDCallback(&shell, buffer, -2);
        SDLSNDCallback(&shell, buffer, 3);
        SDLSNDPlaySAMPLE(&shell, k.emptySample);
        SDLSNDPlaySAMPLE(&shell, k.emptySample);
        SDLSNDCallback(&shell, buffer, sizeof buffer);
        LISTFree(&shell.queue);
    }},

    // --- platform: the device edge (capture backend) and the capture tool
    {"EDGE", "EDGEVideoOpen", [](Kit&) {
        int32_t depth = 0;
        bool doubled = false;
        (void)EDGEVideoOpen(0, 0, 0, nullptr, nullptr);
        (void)EDGEVideoOpen(-1, -1, 0, &depth, &doubled);
        EDGEVideoClose();
    }},
    {"EDGE", "EDGEVideoPresent", [](Kit&) {
        EDGEVideoPresent(nullptr, 16, 16, 16);
        const uint32_t pixel = 0;
        EDGEVideoPresent(&pixel, 0, 0, 0);
        EDGEVideoPresent(&pixel, -1, -1, -1);
    }},
    {"EDGE", "EDGEVideoClose", [](Kit&) { EDGEVideoClose(); EDGEVideoClose(); }},
    {"EDGE", "EDGEPollEvent", [](Kit&) { EXPECT_FALSE(EDGEPollEvent(nullptr)); }},
    {"EDGE", "EDGETicks", [](Kit&) { (void)EDGETicks(); }},
    {"EDGE", "EDGEDelay", [](Kit&) { EDGEDelay(0); }},
    {"EDGE", "EDGEAudioOpen", [](Kit&) {
        (void)EDGEAudioOpen(nullptr);
        EDGEAudioPause(false);
        (void)EDGETicks();
        EDGEAudioClose();
    }},
    {"EDGE", "EDGEAudioPause", [](Kit&) { EDGEAudioPause(false); EDGEAudioPause(true); }},
    {"EDGE", "EDGEAudioLock", [](Kit&) { EDGEAudioLock(); EDGEAudioUnlock(); }},
    {"EDGE", "EDGEAudioUnlock", [](Kit&) { EDGEAudioLock(); EDGEAudioUnlock(); }},
    {"EDGE", "EDGEAudioClose", [](Kit&) { EDGEAudioClose(); EDGEAudioClose(); }},
    {"CAPTURE", "CAPTUREParseKeys", [](Kit&) {
        EXPECT_EQ(CAPTUREParseKeys(nullptr, nullptr, 0), -1);
        EXPECT_EQ(CAPTUREParseKeys("", nullptr, 0), 0);
        EXPECT_EQ(CAPTUREParseKeys("1:a", nullptr, 5), -1);  // no room behind a capacity
        CAPTUREKey key{};
        EXPECT_EQ(CAPTUREParseKeys("1:a,2:b", &key, -1), -1);
    }},
    {"CAPTURE", "CAPTUREHashPixels", [](Kit&) {
        EXPECT_EQ(CAPTUREHashPixels(nullptr, 0), CAPTUREHashPixels(nullptr, 0));
        (void)CAPTUREHashPixels(nullptr, 16);
    }},
    {"CAPTURE", "CAPTUREWavHeader", [](Kit&) {
        CAPTUREWavHeader(0, nullptr);
        uint8_t header[CAPTURE_WAV_HEADER] = {};
        CAPTUREWavHeader(UINT32_MAX, header);
    }},
    {"CAPTURE", "CAPTUREWritePNG", [](Kit&) {
        const std::string path = ::testing::TempDir() + "sweep_capture.png";
        const uint32_t pixel = 0;
        EXPECT_FALSE(CAPTUREWritePNG(nullptr, &pixel, 1, 1));
        EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), nullptr, 1, 1));
        EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), &pixel, 0, 0));
        EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), &pixel, -1, 1));
        std::remove(path.c_str());
    }},
    {"CAPTURE", "CAPTUREParseArgs", [](Kit&) {
        CAPTURESetup setup{};
        EXPECT_EQ(CAPTUREParseArgs(0, nullptr, &setup), CAPTURE_ARGS_BAD);
        const char* args[] = {"demo_capture", "--frames", "1", nullptr};
        EXPECT_EQ(CAPTUREParseArgs(3, args, nullptr), CAPTURE_ARGS_BAD);
        EXPECT_EQ(CAPTUREParseArgs(-1, args, &setup), CAPTURE_ARGS_BAD);
        const char* holes[] = {"demo_capture", nullptr, nullptr};
        EXPECT_EQ(CAPTUREParseArgs(3, holes, &setup), CAPTURE_ARGS_BAD);
    }},
    {"CAPTURE", "CAPTUREDescribeKeysFault", [](Kit&) {
        char text[32];
        EXPECT_TRUE(CAPTUREDescribeKeysFault(nullptr, text, sizeof text));
        EXPECT_TRUE(CAPTUREDescribeKeysFault("5:nosuchkey", nullptr, 0));
        EXPECT_TRUE(CAPTUREDescribeKeysFault("5:nosuchkey", text, 1));
        EXPECT_STREQ(text, "");
        EXPECT_FALSE(CAPTUREDescribeKeysFault("", text, sizeof text));
    }},
    {"CAPTURE", "CAPTUREArgsProblem", [](Kit&) {
        CAPTURESetup setup{};
        (void)CAPTUREParseArgs(0, nullptr, &setup);
        ASSERT_NE(CAPTUREArgsProblem(), nullptr);
        EXPECT_GT(std::strlen(CAPTUREArgsProblem()), 0u);
    }},
    {"CAPTURE", "CAPTUREStart", [](Kit&) { EXPECT_FALSE(CAPTUREStart(nullptr)); }},
    {"CAPTURE", "CAPTUREFlush", [](Kit&) { EXPECT_TRUE(CAPTUREFlush()); }},
    {"CAPTURE", "CAPTUREClockMicros", [](Kit&) { (void)CAPTUREClockMicros(); }},
    {"CAPTURE", "CAPTUREPresentations", [](Kit&) { EXPECT_GE(CAPTUREPresentations(), 0); }},
    {"CAPTURE", "CAPTUREAudioValues", [](Kit&) { (void)CAPTUREAudioValues(); }},
    {"CAPTURE", "CAPTUREScreenHash", [](Kit&) { (void)CAPTUREScreenHash(); }},
    {"CAPTURE", "CAPTURESleptMs", [](Kit&) { (void)CAPTURESleptMs(); }},
};

// [SECTION] The sweep: one test per module, every row of it in turn

std::vector<std::string> Modules() {
    std::vector<std::string> names;
    for (const Row& row : kRows) {
        if (names.empty() || names.back() != row.module) names.push_back(row.module);
    }
    return names;
}

class Sweep : public ::testing::TestWithParam<std::string> {};

TEST_P(Sweep, EveryOperationTakesNullAndEmptyArguments) {
    int rows = 0;
    for (const Row& row : kRows) {
        if (GetParam() != row.module) continue;
        for (const bool zeroed : {false, true}) {
            SCOPED_TRACE(std::string(row.operation) + (zeroed ? " (zeroed records)" : ""));
            Kit kit(zeroed);
            row.sweep(kit);
        }
        ++rows;
    }
    EXPECT_GT(rows, 0);
}

INSTANTIATE_TEST_SUITE_P(Toolkit, Sweep, ::testing::ValuesIn(Modules()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

// Each module's rows sit together, so that one test per module runs them all.
TEST(SweepTable, RowsAreGroupedByModuleAndNamedOnce) {
    std::vector<std::string> seen;
    for (const Row& row : kRows) {
        EXPECT_EQ(std::string(row.operation).rfind(row.module, 0), 0u) << row.operation;
        for (const std::string& name : seen) EXPECT_NE(name, row.operation);
        seen.push_back(row.operation);
    }
    const std::vector<std::string> modules = Modules();
    for (size_t i = 0; i < modules.size(); ++i) {
        for (size_t j = i + 1; j < modules.size(); ++j) EXPECT_NE(modules[i], modules[j]);
    }
}

}  // namespace
