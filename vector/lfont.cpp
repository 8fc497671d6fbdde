// lfont.cpp: LFONT, vector text through OBJ2D glyphs.
#include "vector/lfont.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "vector/obj2d.h"

const char* const LFONT_IDENTITY[5] = {"LFONT   ", "20120707", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LFONTError() {
    REPORTError("LFONT Error.\n", kReport);
}

// A font whose pen can be used: present, with its three pen vectors.
bool PenReady(const LFONT* font) {
    return font != nullptr && font->position != nullptr && font->cellSize != nullptr &&
           font->scale != nullptr;
}

// The glyph of code, or null when the code has none (out of range or a null
// entry). The glyph list must exist.
OBJ2D* GlyphOf(const LFONT* font, int32_t code) {
    if (code < 0 || code >= font->glyphs->count) return nullptr;
    return static_cast<OBJ2D*>(font->glyphs->slots[code]);
}

// A light random colour: red 0x80, green and blue 0x80 .. 0xFF.
uint32_t LightColour() {
    return (static_cast<uint32_t>(RNGDraw()) & 0x7F7F7Fu) | 0x808080u;
}

// [SECTION] Glyph cache
//
// The segments of glyph codes 0 .. kCacheCodes - 1, packed: each code's
// segments lie at entries[code].first .., last segment first (OBJ2DDraw's
// order), with the start point's colour. An entry is current when the glyph,
// its segment list and that list's count are still the ones it was made from;
// anything else rebuilds the cache once. A glyph that cannot be packed (no
// room left, a segment without endpoints) gets a current entry marked not
// packed, so it is drawn from the list by OBJ2DDraw (which also makes its
// reports) without rebuilding again until the list or the entry changes;
// codes beyond the cache always come from the list.
constexpr int32_t kCacheCodes = 256;
constexpr int32_t kCacheSegments = 1024;

struct CachedSegment {
    int32_t x1, y1, x2, y2;  // model coordinates
};

struct CacheEntry {
    const OBJ2D* glyph;    // null: no glyph when the cache was made
    const LIST* segments;  // the glyph's segment list then
    int32_t segmentCount;  // and its count
    int32_t first;         // the first packed segment; -1: not packed
};

}  // namespace

struct LFONTCACHE {
    const LIST* glyphs;  // the list the cache was made from; null: stale
    int32_t glyphCount;  // its count then
    int32_t used;        // segments filled
    CacheEntry entries[kCacheCodes];
    CachedSegment segments[kCacheSegments];
    uint32_t colours[kCacheSegments];  // apart, so that recolouring is one plain fill
};

namespace {

// Packs one glyph. One that does not fit or has a segment without both
// endpoints keeps an entry marked not packed (first -1), so that its draws
// do not rebuild the cache again and again.
void PackGlyph(LFONTCACHE* cache, int32_t code, const OBJ2D* glyph) {
    const LIST* list = glyph->segments;
    if (list == nullptr) return;  // never looked up: drawn from the list
    cache->entries[code] = {glyph, list, list->count, -1};
    if (glyph->points == nullptr || list->count > kCacheSegments - cache->used) return;
    const int32_t first = cache->used;
    for (int32_t i = list->count - 1; i >= 0; --i) {
        const SEG2D* s = static_cast<const SEG2D*>(list->slots[i]);
        if (s == nullptr || s->start == nullptr || s->end == nullptr) return;
        const int32_t k = first + (list->count - 1 - i);
        cache->segments[k] = {s->start->x, s->start->y, s->end->x, s->end->y};
        cache->colours[k] = s->start->colour;
    }
    cache->used += list->count;
    cache->entries[code].first = first;
}

void Rebuild(const LFONT* font) {
    LFONTCACHE* cache = font->cache;
    cache->glyphs = font->glyphs;
    cache->glyphCount = font->glyphs->count;
    cache->used = 0;
    for (int32_t code = 0; code < kCacheCodes; ++code) {
        cache->entries[code] = {};
        const OBJ2D* glyph = code < font->glyphs->count
                                 ? static_cast<const OBJ2D*>(font->glyphs->slots[code])
                                 : nullptr;
        if (glyph != nullptr) PackGlyph(cache, code, glyph);
    }
}

bool Current(const LFONTCACHE* cache, const LFONT* font) {
    return cache->glyphs == font->glyphs && cache->glyphCount == font->glyphs->count;
}

bool EntryMatches(const CacheEntry& e, const OBJ2D* glyph) {
    return e.glyph == glyph && e.segments == glyph->segments &&
           e.segmentCount == glyph->segments->count;
}

// The cache entry for code's glyph, rebuilt once if it is stale; null when
// the glyph must be drawn from its list.
const CacheEntry* EntryFor(const LFONT* font, int32_t code, const OBJ2D* glyph) {
    LFONTCACHE* cache = font->cache;
    if (cache == nullptr || code >= kCacheCodes || glyph->segments == nullptr) return nullptr;
    if (!Current(cache, font) || !EntryMatches(cache->entries[code], glyph)) {
        Rebuild(font);
        if (!EntryMatches(cache->entries[code], glyph)) return nullptr;
    }
    const CacheEntry* e = &cache->entries[code];
    return e->first >= 0 ? e : nullptr;
}

// Draws a cached glyph at the font's pen with its scale (no rotation): each
// model point p lands at p * scale + position, wrapping as OBJ2DDraw's pose
// does, so the pixels are OBJ2DDraw's.
// With `tinted`, every segment takes `tint` instead of its cached colour.
void DrawCachedAt(const LFONTCACHE* cache, const CacheEntry& e, const VEC2D& scale,
                  const VEC2D& pen, IMG* image, bool tinted, uint32_t tint) {
    const uint32_t kx = static_cast<uint32_t>(scale.x);
    const uint32_t ky = static_cast<uint32_t>(scale.y);
    const uint32_t px = static_cast<uint32_t>(pen.x);
    const uint32_t py = static_cast<uint32_t>(pen.y);
    const CachedSegment* s = cache->segments + e.first;
    const uint32_t* colours = cache->colours + e.first;
    for (int32_t i = 0; i < e.segmentCount; ++i) {
        IMGDrawLine(image, static_cast<int32_t>(static_cast<uint32_t>(s[i].x1) * kx + px),
                    static_cast<int32_t>(static_cast<uint32_t>(s[i].y1) * ky + py),
                    static_cast<int32_t>(static_cast<uint32_t>(s[i].x2) * kx + px),
                    static_cast<int32_t>(static_cast<uint32_t>(s[i].y2) * ky + py),
                    tinted ? tint : colours[i]);
    }
}

// The cached colours of code's glyph, after its points took colour.
void RecolourCached(const LFONT* font, int32_t code, const OBJ2D* glyph, uint32_t colour) {
    LFONTCACHE* cache = font->cache;
    if (cache == nullptr || code >= kCacheCodes || !Current(cache, font) ||
        glyph->segments == nullptr || !EntryMatches(cache->entries[code], glyph)) {
        return;  // not cached as it stands: the next draw rebuilds or uses the list
    }
    const CacheEntry& e = cache->entries[code];
    if (e.first < 0) return;  // drawn from the list, which has the colour
    for (int32_t i = 0; i < e.segmentCount; ++i) cache->colours[e.first + i] = colour;
}

// OBJ2DSetColor's effect on one glyph (its colour field and every point),
// and the same colour in the cache.
void SetGlyphColour(const LFONT* font, int32_t code, OBJ2D* glyph, uint32_t colour) {
    OBJ2DSetColor(glyph, colour);
    RecolourCached(font, code, glyph, colour);
}

int32_t WrapMulAdd(int32_t base, int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(base) +
                                static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

void Advance(LFONT* font) {
    font->position->x = WrapMulAdd(font->position->x, font->cellSize->x, font->scale->x);
}

// The pose one draw gives its glyph: the font's scale and angle, the pen.
struct Pose {
    VEC2D scale;
    int32_t angle;
    VEC2D pen;
};

// A colour that replaces the glyphs' own for one run (see
// LFONTDrawCycleInColour), or none.
struct Tint {
    bool on;
    uint32_t colour;
};

// Poses code's glyph (the glyph object receives the pose: it is shared pen
// state) and draws it, from the cache when it can; nothing for a code
// without a glyph. A tint draws the cached segments in its colour and gives
// a glyph drawn from its list the colour first. The font is checked.
void PoseAndDraw(LFONT* font, int32_t code, const Pose& pose, Tint tint = {}) {
    OBJ2D* glyph = GlyphOf(font, code);
    if (glyph == nullptr || glyph->scale == nullptr || glyph->position == nullptr) return;
    *glyph->scale = pose.scale;
    glyph->angle = pose.angle;
    *glyph->position = pose.pen;
    const CacheEntry* e =
        pose.angle == 0 && font->image != nullptr ? EntryFor(font, code, glyph) : nullptr;
    if (e != nullptr) {
        DrawCachedAt(font->cache, *e, pose.scale, pose.pen, font->image, tint.on, tint.colour);
    } else {
        if (tint.on) SetGlyphColour(font, code, glyph, tint.colour);
        OBJ2DDraw(glyph, font->image);  // a missing image: the object's report, nothing drawn
    }
}

// Draws the current code's glyph and advances; the font is checked.
void DrawGlyph(LFONT* font) {
    PoseAndDraw(font, font->code, Pose{*font->scale, font->angle, *font->position});
    Advance(font);
}

void DrawNibble(LFONT* font, uint32_t n) {
    font->code = n <= 9 ? static_cast<int32_t>('0' + n) : static_cast<int32_t>('A' + n - 10);
    DrawGlyph(font);
}

bool Ready(const LFONT* font) {
    return PenReady(font) && font->glyphs != nullptr;
}
}  // namespace

LFONT* LFONTNew() {
    LFONT* font = static_cast<LFONT*>(REPORTZeroAlloc(1, sizeof(LFONT)));
    if (font == nullptr) {
        LFONTError();
        return nullptr;
    }
    font->position = VEC2DNew();
    font->cellSize = VEC2DNew();
    font->scale = VEC2DNew();
    font->cache = static_cast<LFONTCACHE*>(REPORTZeroAlloc(1, sizeof(LFONTCACHE)));
    if (font->position == nullptr || font->cellSize == nullptr || font->scale == nullptr ||
        font->cache == nullptr) {
        LFONTFree(&font);
        LFONTError();
        return nullptr;
    }
    font->cellSize->x = 16;
    font->cellSize->y = 16;
    font->scale->x = 1;
    font->scale->y = 1;
    return font;
}

void LFONTFree(LFONT** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LFONTError();
        return;
    }
    LFONT* font = *ref;
    if (font->position != nullptr) VEC2DFree(&font->position);
    if (font->cellSize != nullptr) VEC2DFree(&font->cellSize);
    if (font->scale != nullptr) VEC2DFree(&font->scale);
    if (font->glyphs != nullptr)
        OBJ2DListFree(&font->glyphs);  // glyphs first to last, then the list
    std::free(font->cache);
    std::free(font);
    *ref = nullptr;
}

char* LFONTToASCII(const LFONT* font, const void* other) {
    if (font == nullptr || other == nullptr) LFONTError();
    return nullptr;
}

LFONT* LFONTFromASCII(const char* text) {
    if (text == nullptr) LFONTError();
    return nullptr;
}

bool LFONTEqual(const LFONT* a, const LFONT* b) {
    if (a == nullptr || b == nullptr) LFONTError();
    return false;
}

void LFONTCopy(const LFONT* src, LFONT* dst) {
    if (src == nullptr || dst == nullptr) LFONTError();
}

void LFONTDrawChar(LFONT* font) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    DrawGlyph(font);
}

void LFONTDrawCharRandomColor(LFONT* font) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    const uint32_t colour = LightColour();
    OBJ2D* glyph = GlyphOf(font, font->code);
    if (glyph != nullptr) SetGlyphColour(font, font->code, glyph, colour);
    DrawGlyph(font);
}

void LFONTDrawHex8(LFONT* font, uint32_t value) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    DrawNibble(font, (value >> 4) & 0xFu);
    DrawNibble(font, value & 0xFu);
}

void LFONTDrawHex16(LFONT* font, uint32_t value) {
    LFONTDrawHex8(font, value >> 8);
    LFONTDrawHex8(font, value);
}

void LFONTDrawHex32(LFONT* font, uint32_t value) {
    LFONTDrawHex16(font, value >> 16);
    LFONTDrawHex16(font, value);
}

void LFONTDrawLine(LFONT* font, const char* text) {
    if (!Ready(font) || text == nullptr) {
        LFONTError();
        return;
    }
    for (; *text != '\0' && *text != '\n'; ++text) {
        font->code = static_cast<unsigned char>(*text);
        DrawGlyph(font);
    }
}

void LFONTDrawString(LFONT* font, const char* text) {
    if (!Ready(font) || text == nullptr || font->image == nullptr) {
        LFONTError();
        return;
    }
    const int32_t x0 = font->position->x;
    for (; *text != '\0'; ++text) {
        if (*text == '\n') {
            font->position->y = WrapMulAdd(font->position->y, font->cellSize->y, font->scale->y);
            font->position->x = x0;
        } else {
            font->code = static_cast<unsigned char>(*text);
            DrawGlyph(font);
        }
    }
}

void LFONTSetColor(LFONT* font, uint32_t colour) {
    if (font == nullptr || font->glyphs == nullptr) {
        LFONTError();
        return;
    }
    // OBJ2DSetColor for every glyph, last to first, written out here: the
    // scroller wall recolours the whole font 32 times a frame.
    void* const* slots = font->glyphs->slots;
    for (int32_t i = font->glyphs->count - 1; i >= 0; --i) {
        OBJ2D* glyph = static_cast<OBJ2D*>(slots[i]);
        if (glyph == nullptr) continue;
        if (glyph->points == nullptr) {
            OBJ2DSetColor(glyph, colour);  // its report
            continue;
        }
        glyph->colour = colour;
        void* const* points = glyph->points->slots;
        for (int32_t k = 0, n = glyph->points->count; k < n; ++k) {
            VEC2D* p = static_cast<VEC2D*>(points[k]);
            if (p != nullptr) p->colour = colour;
        }
    }
    // Every cached glyph has its points in the list, so all take the colour.
    LFONTCACHE* cache = font->cache;
    if (cache != nullptr && Current(cache, font)) {
        for (int32_t i = 0; i < cache->used; ++i) cache->colours[i] = colour;
    }
}

void LFONTRandomColors(LFONT* font) {
    if (font == nullptr || font->glyphs == nullptr) {
        LFONTError();
        return;
    }
    for (int32_t i = font->glyphs->count - 1; i >= 0; --i) {
        const uint32_t colour = LightColour();
        OBJ2D* glyph = GlyphOf(font, i);
        if (glyph != nullptr) SetGlyphColour(font, i, glyph, colour);
    }
}

void LFONTGlyphsChanged(LFONT* font) {
    if (font == nullptr) {
        LFONTError();
        return;
    }
    if (font->cache != nullptr) font->cache->glyphs = nullptr;
}

namespace {
void DrawCycle(LFONT* font, const char* text, int32_t length, int32_t start, int64_t count,
               Tint tint) {
    if (!Ready(font) || text == nullptr || length < 1) {
        LFONTError();
        return;
    }
    int32_t at = start % length;
    if (at < 0) at += length;
    // The pose is the same for every character of the run but for the pen's
    // x, so it is read once.
    Pose pose{*font->scale, font->angle, *font->position};
    const uint32_t advance =
        static_cast<uint32_t>(font->cellSize->x) * static_cast<uint32_t>(pose.scale.x);
    for (int64_t i = 0; i < count; ++i) {
        font->code = static_cast<int8_t>(text[at]);
        at = at + 1 == length ? 0 : at + 1;
        PoseAndDraw(font, font->code, pose, tint);
        pose.pen.x = static_cast<int32_t>(static_cast<uint32_t>(pose.pen.x) + advance);
    }
    font->position->x = pose.pen.x;
}
}  // namespace

void LFONTDrawCycle(LFONT* font, const char* text, int32_t length, int32_t start, int64_t count) {
    DrawCycle(font, text, length, start, count, Tint{});
}

void LFONTDrawCycleInColour(LFONT* font, const char* text, int32_t length, int32_t start,
                            int64_t count, uint32_t colour) {
    DrawCycle(font, text, length, start, count, Tint{true, colour});
}
