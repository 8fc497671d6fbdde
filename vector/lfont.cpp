// lfont.cpp: LFONT, vector text through OBJ2D glyphs.
#include "vector/lfont.h"

#include <algorithm>
#include <cstddef>
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

// [SECTION] Stamps
//
// A glyph drawn without rotation whose walks' points all land inside the
// image is drawn by IMGDrawLine without any clipping, and an unclipped walk
// depends only on its two ends: its points are the start plus fixed steps.
// (Not only the ends: a walk of one step along an axis takes its second point
// one to the side, as the lines of one or two points do.) A stamp
// holds those points for one scale and one image width as pixel offsets from
// the pen's pixel, every segment's walk in drawing order (a shared end is
// stored, and drawn, twice, as the lines draw it), so that such a glyph is
// drawn by storing its colours at the offsets: the same pixels in the same
// order. Stamps are made on a glyph's first draw at the current scale and
// width, from the walk as img_line.cpp states it; a new scale or width
// starts them over, as does a rebuilt cache. A glyph whose stamp would not
// fit, or has a segment longer than kStampRun steps, is drawn by lines.
constexpr int32_t kStampPoints = 16384;
constexpr int64_t kStampRun = 1024;
constexpr int32_t kNoStamp = -1;      // not made yet at this key
constexpr int32_t kCannotStamp = -2;  // drawn by lines at this key

struct Stamp {
    int32_t first;                   // its first offset, or kNoStamp / kCannotStamp
    int32_t count;                   // its offsets
    int64_t minX, maxX, minY, maxY;  // where the walks' points lie, from the pen
};

}  // namespace

struct LFONTCACHE {
    const LIST* glyphs;  // the list the cache was made from; null: stale
    int32_t glyphCount;  // its count then
    int32_t used;        // segments filled
    CacheEntry entries[kCacheCodes];
    CachedSegment segments[kCacheSegments];
    uint32_t colours[kCacheSegments];  // apart, so that recolouring is one plain fill
    // Stamps, for scale (stampKx, stampKy) and images stampWidth wide (0: none).
    int32_t stampKx, stampKy, stampWidth;
    int32_t stampUsed;  // offsets filled
    Stamp stamps[kCacheCodes];
    int32_t walkPoints[kCacheSegments];  // each cached segment's points in its stamp
    int32_t offsets[kStampPoints];
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
    cache->stampWidth = 0;  // the segments move: every stamp is made again
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

// Makes the stamps start over for scale (kx, ky) and images width wide.
void StartStamps(LFONTCACHE* cache, int32_t kx, int32_t ky, int32_t width) {
    cache->stampKx = kx;
    cache->stampKy = ky;
    cache->stampWidth = width;
    cache->stampUsed = 0;
    for (Stamp& st : cache->stamps) st.first = kNoStamp;
}

// Appends the points of the unclipped walk from (x1, y1) to (x2, y2) (img_line.cpp's
// reference form) as offsets y * width + x; false when it is longer than
// kStampRun steps, an offset does not fit in int32_t or the store is full.
bool StampWalk(LFONTCACHE* cache, int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t width,
               int32_t* points, Stamp* st) {
    const int64_t dx = x2 > x1 ? x2 - x1 : x1 - x2;
    const int64_t dy = y2 > y1 ? y2 - y1 : y1 - y2;
    const int64_t sx = x2 < x1 ? -1 : 1;
    const int64_t sy = y2 < y1 ? -1 : 1;
    const bool xMajor = dx > dy;
    const int64_t major = xMajor ? dx : dy;
    const int64_t minor = xMajor ? dy : dx;
    if (major > kStampRun || major + 1 > kStampPoints - cache->stampUsed) return false;
    int64_t x = x1;
    int64_t y = y1;
    int64_t e = major >> 1;
    for (int64_t n = major;; --n) {
        const int64_t at = y * width + x;
        if (at < INT32_MIN || at > INT32_MAX) return false;
        cache->offsets[cache->stampUsed++] = static_cast<int32_t>(at);
        st->minX = std::min(st->minX, x);
        st->maxX = std::max(st->maxX, x);
        st->minY = std::min(st->minY, y);
        st->maxY = std::max(st->maxY, y);
        if (n == 0) break;
        if (xMajor) {
            x += sx;
        } else {
            y += sy;
        }
        e -= minor;
        if (e <= 0) {
            e += major;
            if (xMajor) {
                y += sy;
            } else {
                x += sx;
            }
        }
    }
    *points = static_cast<int32_t>(major + 1);
    return true;
}

// The segment ends of a cached glyph at the stamps' scale, from the pen: the
// model point times the scale, wrapped to 32 bits as the draws wrap it.
int32_t Scaled(int32_t v, int32_t k) {
    return static_cast<int32_t>(static_cast<uint32_t>(v) * static_cast<uint32_t>(k));
}

// Makes the stamp of a cached glyph at the stamps' key.
void MakeStamp(LFONTCACHE* cache, int32_t code, const CacheEntry& e) {
    Stamp& st = cache->stamps[code];
    const int32_t mark = cache->stampUsed;
    st = {kCannotStamp, 0, INT64_MAX, INT64_MIN, INT64_MAX, INT64_MIN};
    for (int32_t i = 0; i < e.segmentCount; ++i) {
        const CachedSegment& g = cache->segments[e.first + i];
        const int32_t x1 = Scaled(g.x1, cache->stampKx);
        const int32_t y1 = Scaled(g.y1, cache->stampKy);
        const int32_t x2 = Scaled(g.x2, cache->stampKx);
        const int32_t y2 = Scaled(g.y2, cache->stampKy);
        if (!StampWalk(cache, x1, y1, x2, y2, cache->stampWidth, &cache->walkPoints[e.first + i],
                       &st)) {
            cache->stampUsed = mark;
            st.first = kCannotStamp;
            return;
        }
    }
    st.first = mark;
    st.count = cache->stampUsed - mark;
}

// Draws a cached glyph by its stamp when every point of its walks lands
// inside the image at the pen (IMGDrawLine then clips nothing); false
// otherwise, and nothing is drawn.
bool DrawStamped(LFONTCACHE* cache, int32_t code, const CacheEntry& e, const VEC2D& scale,
                 const VEC2D& pen, IMG* image, bool tinted, uint32_t tint) {
    if (image->pixels == nullptr || image->width <= 0) return false;  // the lines report
    if (cache->stampWidth != image->width || cache->stampKx != scale.x ||
        cache->stampKy != scale.y) {
        StartStamps(cache, scale.x, scale.y, image->width);
    }
    Stamp& st = cache->stamps[code];
    if (st.first == kNoStamp) MakeStamp(cache, code, e);
    if (st.first < 0 || st.count == 0) return false;
    const int64_t px = pen.x;
    const int64_t py = pen.y;
    if (px + st.minX < 0 || px + st.maxX >= image->width || py + st.minY < 0 ||
        py + st.maxY >= image->height) {
        return false;
    }
    // The ends land at pen + scaled point without wrapping (both are in range),
    // so the walks are the stamp's from the pen's pixel.
    // Counts and colours are read before the stores, which the compiler
    // could not otherwise keep apart from them.
    uint32_t* const pixels = image->pixels;
    const ptrdiff_t base = static_cast<ptrdiff_t>(py * image->width + px);
    const int32_t* at = cache->offsets + st.first;
    if (tinted) {
        const uint32_t colour = tint;
        const int32_t count = st.count;
        for (int32_t k = 0; k < count; ++k) pixels[base + at[k]] = colour;
        return true;
    }
    const uint32_t* colours = cache->colours + e.first;
    const int32_t* points = cache->walkPoints + e.first;
    for (int32_t i = 0, n = e.segmentCount; i < n; ++i) {
        const uint32_t colour = colours[i];
        const int32_t count = points[i];
        for (int32_t k = 0; k < count; ++k) pixels[base + at[k]] = colour;
        at += count;
    }
    return true;
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
        if (DrawStamped(font->cache, code, *e, pose.scale, pose.pen, font->image, tint.on,
                        tint.colour)) {
            return;
        }
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
