// obj2d.cpp: OBJ2D objects, their pose and drawing, and the text format parser.
#include "vector/obj2d.h"

#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "image/img.h"
#include "vector/sine.h"

const char* const OBJ2D_IDENTITY[5] = {"OBJ2D   ", "20120515", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void OBJ2DError() { REPORTError("OBJ2D error\n", kReport); }

// [SECTION] Texts

// A new NUL-terminated copy of the len bytes at text; null when out of memory.
char* CopyText(const char* text, size_t len) {
    char* copy = static_cast<char*>(REPORTZeroAlloc(len + 1, 1));
    if (copy == nullptr) {
        OBJ2DError();
        return nullptr;
    }
    std::memcpy(copy, text, len);
    return copy;
}

// Replaces the owned text in *field with value (null stays null).
void SetText(char** field, char* value) {
    std::free(*field);
    *field = value;
}

void CopyTextField(const char* src, char** dst) {
    char* value = nullptr;
    if (src != nullptr) value = CopyText(src, std::strlen(src));
    SetText(dst, value);
}

void FreeTexts(OBJ2D* obj) {
    SetText(&obj->name, nullptr);
    SetText(&obj->version, nullptr);
    SetText(&obj->author, nullptr);
    SetText(&obj->info, nullptr);
    SetText(&obj->type, nullptr);
}

// [SECTION] Point access

VEC2D* PointAt(const OBJ2D* obj, int32_t i) {
    return static_cast<VEC2D*>(obj->points->slots[i]);
}

// Saturating unsigned 64-bit arithmetic for the proximity test.
uint64_t SatAdd(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }
uint64_t SatMul(uint64_t a, uint64_t b) {
    if (a != 0 && b > UINT64_MAX / a) return UINT64_MAX;
    return a * b;
}
uint64_t DistanceSquared(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = static_cast<int64_t>(x1) - x2;  // |dx| < 2^32
    const int64_t dy = static_cast<int64_t>(y1) - y2;
    const uint64_t ux = static_cast<uint64_t>(dx < 0 ? -dx : dx);
    const uint64_t uy = static_cast<uint64_t>(dy < 0 ? -dy : dy);
    return SatAdd(ux * ux, uy * uy);  // each square < 2^64
}

// The farthest point of an object, or null when farthest is not a valid index.
const VEC2D* FarthestPoint(const OBJ2D* obj) {
    if (obj->points == nullptr || obj->farthest < 0 || obj->farthest >= obj->points->count) {
        return nullptr;
    }
    return PointAt(obj, obj->farthest);
}

// [SECTION] Pose
//
// The pose of one object, prepared once for all its points: the arithmetic of
// VEC2DMul by scale, VEC2DRotate by angle and VEC2DAdd of position, in that
// order and with the same results (wrapping products and sums, 64-bit rotation
// products shifted right by 15, angle 0 exact), without a call per step.
struct Pose {
    uint32_t kx, ky;  // scale
    uint32_t px, py;  // position
    int64_t s, c;     // table sine and cosine of the angle
    bool turn;        // angle != 0
};

Pose PoseOf(const OBJ2D* obj) {
    Pose p;
    p.kx = static_cast<uint32_t>(obj->scale->x);
    p.ky = static_cast<uint32_t>(obj->scale->y);
    p.px = static_cast<uint32_t>(obj->position->x);
    p.py = static_cast<uint32_t>(obj->position->y);
    p.turn = obj->angle != 0;
    p.s = SINE_TABLE[obj->angle & SINE_MASK];
    p.c = SINE_TABLE[(static_cast<uint32_t>(obj->angle) + 256u) & SINE_MASK];  // wraps, defined
    return p;
}

void Place(const Pose& p, int32_t x, int32_t y, int32_t* outX, int32_t* outY) {
    int32_t sx = static_cast<int32_t>(static_cast<uint32_t>(x) * p.kx);
    int32_t sy = static_cast<int32_t>(static_cast<uint32_t>(y) * p.ky);
    if (p.turn) {
        const int64_t wx = sx;
        const int64_t wy = sy;
        sx = static_cast<int32_t>((wx * p.c - wy * p.s) >> 15);
        sy = static_cast<int32_t>((wx * p.s + wy * p.c) >> 15);
    }
    *outX = static_cast<int32_t>(static_cast<uint32_t>(sx) + p.px);
    *outY = static_cast<int32_t>(static_cast<uint32_t>(sy) + p.py);
}

// A segment placed by its object's pose, ready for IMGDrawLine.
struct Line {
    int32_t x1, y1, x2, y2;  // image coordinates
    uint32_t colour;         // the start point's colour
};

// The object's segments top, top - 1, ... down to bottom (the drawing order
// runs from the last segment to the first) through its pose: each a posed
// copy, as SEG2DMul by scale, SEG2DRotate by angle and SEG2DTranslate by
// position would make it. Returns the number of lines written; a segment
// without both endpoints is reported and left out. The object and its segment
// list, position and scale must be present; 0 <= bottom <= top + 1 <= count.
int32_t PoseLines(const OBJ2D* obj, int32_t top, int32_t bottom, Line* lines) {
    const Pose pose = PoseOf(obj);
    void* const* slots = obj->segments->slots;
    int32_t n = 0;
    for (int32_t i = top; i >= bottom; --i) {
        const SEG2D* s = static_cast<const SEG2D*>(slots[i]);
        if (s == nullptr || s->start == nullptr || s->end == nullptr) {
            OBJ2DError();
            continue;
        }
        Line& l = lines[n++];
        Place(pose, s->start->x, s->start->y, &l.x1, &l.y1);
        Place(pose, s->end->x, s->end->y, &l.x2, &l.y2);
        l.colour = s->start->colour;
    }
    return n;
}

// [SECTION] Parser state
//
// Process-wide, as the format's users expect: the cursor into the text, the
// token buffer and the pending sign. The pending sign of a "-" that no number
// followed survives into the next parse. Only the main thread parses.
constexpr size_t kTokenMax = 255;
constinit const char* gCursor = nullptr;
constinit char gToken[kTokenMax + 1] = {};
constinit int32_t gSign = 1;

// Bytes are classified as signed 8-bit values: 0x80 .. 0xFF act as blanks.
bool IsBlank(unsigned char c) { return (c >= 0x01 && c <= 0x20) || c >= 0x7F; }
bool IsSeparator(unsigned char c) { return IsBlank(c) || c == ',' || c == ';'; }
bool IsPunctuation(unsigned char c) {
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}
bool IsWordChar(unsigned char c) { return c >= 0x21 && c <= 0x7E && c != ',' && c != ';'; }
unsigned char At(const char* p) { return static_cast<unsigned char>(*p); }

// Reads the token that starts exactly at the cursor into gToken: one
// punctuation character, or the run of word characters (none at a separator
// or the end). A run longer than kTokenMax is cut, and the cursor is left on
// its kTokenMax-th character, where the next token starts. Every loop stops at
// the NUL, which is neither a word character nor punctuation.
void ReadToken() {
    const char* p = gCursor;
    if (IsPunctuation(At(p))) {
        gToken[0] = *p;
        gToken[1] = '\0';
        gCursor = p + 1;
        return;
    }
    size_t n = 0;
    while (n < kTokenMax && IsWordChar(At(p + n))) {
        gToken[n] = p[n];
        ++n;
    }
    gToken[n] = '\0';
    gCursor = (n == kTokenMax && IsWordChar(At(p + n))) ? p + kTokenMax - 1 : p + n;
}

// The next token after separators. False when the text is over: at the end,
// or when the token is directly followed by the end (it is then discarded).
bool NextToken() {
    while (IsSeparator(At(gCursor))) ++gCursor;
    if (*gCursor == '\0') return false;
    ReadToken();
    return *gCursor != '\0';
}

bool TokenIs(const char* word) {
    size_t i = 0;
    for (; word[i] != '\0'; ++i) {
        unsigned char c = At(gToken + i);
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        if (c != static_cast<unsigned char>(word[i])) return false;
    }
    return gToken[i] == '\0';
}

// Digits 0-9, a-f, A-F from text on, stopping at the first other character;
// no digits give 0. Wraps modulo 2^32.
uint32_t HexValue(const char* text) {
    uint32_t v = 0;
    for (;; ++text) {
        const unsigned char c = At(text);
        uint32_t digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10u;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10u;
        } else {
            return v;
        }
        v = v * 16u + digit;
    }
}

// The leading decimal digits of text; wraps modulo 2^32.
uint32_t DecimalValue(const char* text) {
    uint32_t v = 0;
    for (; At(text) >= '0' && At(text) <= '9'; ++text) v = v * 10u + (At(text) - '0');
    return v;
}

// The rest of the line from the cursor, up to the line feed or the end; the
// cursor is left there. Null for an empty rest (or no memory).
char* RestOfLine() {
    const char* start = gCursor;
    while (*gCursor != '\0' && *gCursor != '\n') ++gCursor;
    const size_t len = static_cast<size_t>(gCursor - start);
    return len == 0 ? nullptr : CopyText(start, len);
}

// State of one parse.
struct Parse {
    LIST* result;
    OBJ2D* open;     // the object between "{" and "}", if any
    SEG2D* segment;  // the segment under construction, if any
    int32_t k;       // which coordinate the next number fills: 0 .. 3
    uint32_t colour;
    bool colourPending;
};

void HexNumber(Parse* ps, uint32_t value) {
    if (ps->colourPending) {
        ps->colour = value;
        ps->colourPending = false;
    }
}

void DecimalNumber(Parse* ps, uint32_t magnitude) {
    const int32_t value = static_cast<int32_t>(gSign < 0 ? 0u - magnitude : magnitude);
    gSign = 1;
    SEG2D* s = ps->segment;
    if (s == nullptr) return;  // no segment: ignored, k stays
    switch (ps->k) {
        case 0:
            s->start->x = value;
            break;
        case 1:
            s->start->y = value;
            s->start->colour = ps->colour;
            break;
        case 2:
            s->end->x = value;
            break;
        default:
            s->end->y = value;
            s->end->colour = ps->colour;
            if (ps->open == nullptr) {
                OBJ2DError();  // a segment outside any object is dropped
                SEG2DFree(&s);
            } else if (!OBJ2DAddSegment(ps->open, s)) {
                SEG2DFree(&s);
            }
            ps->segment = nullptr;
            break;
    }
    ps->k = (ps->k + 1) & 3;
}

void CloseObject(Parse* ps) {
    const int32_t before = ps->result->count;
    LISTPush(ps->result, ps->open);
    if (ps->result->count != before + 1 && ps->open != nullptr) {
        OBJ2DError();  // no memory for the entry: the object cannot be kept
        OBJ2DFree(&ps->open);
    }
    ps->open = nullptr;
}

// Handles the token in gToken. Returns false when the text is over.
bool Handle(Parse* ps) {
    const char first = gToken[0];
    const bool single = gToken[1] == '\0';
    if (single && first == '#') {
        while (*gCursor != '\0' && *gCursor != '\n') ++gCursor;
    } else if (single && first == '{') {
        if (ps->open == nullptr) ps->open = OBJ2DNew();
    } else if (single && first == '}') {
        CloseObject(ps);
    } else if (single && (first == '"' || first == '=')) {
        // ignored
    } else if (single && first == '-') {
        gSign = -1;
    } else if (single && first == '$') {
        ReadToken();  // directly after the "$": no separators skipped
        if (*gCursor == '\0') return false;
        HexNumber(ps, HexValue(gToken));
    } else if (TokenIs("name")) {
        while (IsBlank(At(gCursor))) ++gCursor;
        char* value = RestOfLine();
        if (ps->open != nullptr) {
            SetText(&ps->open->name, value);
        } else {
            std::free(value);  // the library's name: discarded
        }
    } else if (TokenIs("version") || TokenIs("author") || TokenIs("type")) {
        char** field = nullptr;
        if (ps->open != nullptr) {
            field = TokenIs("version")  ? &ps->open->version
                    : TokenIs("author") ? &ps->open->author
                                        : &ps->open->type;
        }
        while (IsSeparator(At(gCursor))) ++gCursor;
        char* value = RestOfLine();
        if (field != nullptr) {
            SetText(field, value);
        } else {
            std::free(value);  // library header: discarded
        }
    } else if (first >= '0' && first <= '9') {
        DecimalNumber(ps, DecimalValue(gToken));
    } else if (first == 'x' || first == 'X' || first == 'h' || first == 'H') {
        HexNumber(ps, HexValue(gToken + 1));
    } else if (first == 'c' || first == 'C') {
        ps->colourPending = true;
    } else if (first == 's' || first == 'S') {
        if (ps->segment == nullptr) ps->segment = SEG2DNew();
    }
    // anything else: ignored
    return true;
}
}  // namespace

// [SECTION] Protocol

OBJ2D* OBJ2DNew() {
    OBJ2D* obj = static_cast<OBJ2D*>(REPORTZeroAlloc(1, sizeof(OBJ2D)));
    if (obj == nullptr) {
        OBJ2DError();
        return nullptr;
    }
    obj->position = VEC2DNew();
    obj->size = VEC2DNew();
    obj->scale = VEC2DNew();
    obj->points = LISTNew();
    obj->segments = LISTNew();
    if (obj->position == nullptr || obj->size == nullptr || obj->scale == nullptr ||
        obj->points == nullptr || obj->segments == nullptr) {
        OBJ2DFree(&obj);
        OBJ2DError();
        return nullptr;
    }
    obj->size->x = 16;
    obj->size->y = 16;
    obj->scale->x = 1;
    obj->scale->y = 1;
    obj->farthest = -1;
    return obj;
}

void OBJ2DFree(OBJ2D** ref) {
    if (ref == nullptr || *ref == nullptr) {
        OBJ2DError();
        return;
    }
    OBJ2D* obj = *ref;
    FreeTexts(obj);
    if (obj->position != nullptr) VEC2DFree(&obj->position);
    if (obj->size != nullptr) VEC2DFree(&obj->size);
    if (obj->scale != nullptr) VEC2DFree(&obj->scale);
    if (obj->segments != nullptr) {
        // The points are these segments' endpoints: freed with them.
        for (int32_t i = 0; i < obj->segments->count; ++i) {
            SEG2D* s = static_cast<SEG2D*>(obj->segments->slots[i]);
            if (s != nullptr) SEG2DFree(&s);
        }
        LISTFree(&obj->segments);
    }
    if (obj->points != nullptr) LISTFree(&obj->points);
    std::free(obj);
    *ref = nullptr;
}

char* OBJ2DToASCII(const OBJ2D* obj) {
    if (obj == nullptr) OBJ2DError();
    return nullptr;
}

OBJ2D* OBJ2DFromASCII(const char* text) {
    if (text == nullptr) OBJ2DError();
    return nullptr;
}

bool OBJ2DEqual(const OBJ2D* a, const OBJ2D* b) {
    if (a == nullptr || b == nullptr) OBJ2DError();
    return false;
}

void OBJ2DCopy(const OBJ2D* src, OBJ2D* dst) {
    if (src == nullptr || dst == nullptr || src->points == nullptr || dst->points == nullptr ||
        src->points->count != dst->points->count) {
        OBJ2DError();
        return;
    }
    if (src == dst) return;
    for (int32_t i = 0; i < src->points->count; ++i) {
        const VEC2D* from = PointAt(src, i);
        VEC2D* to = PointAt(dst, i);
        if (from == nullptr || to == nullptr) {
            OBJ2DError();
            continue;
        }
        *to = *from;
    }
    if (src->position != nullptr && dst->position != nullptr) *dst->position = *src->position;
    if (src->size != nullptr && dst->size != nullptr) *dst->size = *src->size;
    if (src->scale != nullptr && dst->scale != nullptr) *dst->scale = *src->scale;
    dst->angle = src->angle;
    dst->colour = src->colour;
    CopyTextField(src->name, &dst->name);
    CopyTextField(src->version, &dst->version);
    CopyTextField(src->author, &dst->author);
    CopyTextField(src->info, &dst->info);
    CopyTextField(src->type, &dst->type);
    dst->farthest = src->farthest;
}

OBJ2D* OBJ2DClone(const OBJ2D* obj) {
    if (obj == nullptr || obj->segments == nullptr) {
        OBJ2DError();
        return nullptr;
    }
    OBJ2D* copy = OBJ2DNew();
    if (copy == nullptr) return nullptr;
    for (int32_t i = 0; i < obj->segments->count; ++i) {
        SEG2D* s = SEG2DNew();
        if (s == nullptr || !OBJ2DAddSegment(copy, s)) {
            if (s != nullptr) SEG2DFree(&s);
            OBJ2DFree(&copy);
            OBJ2DError();
            return nullptr;
        }
    }
    OBJ2DCopy(obj, copy);
    return copy;
}

// [SECTION] The object text format

LIST* OBJ2DListFromASCII(const char* text) {
    if (text == nullptr) {
        OBJ2DError();
        return nullptr;
    }
    Parse ps{};
    ps.result = LISTNew();
    if (ps.result == nullptr) {
        OBJ2DError();
        return nullptr;
    }
    gCursor = text;
    while (NextToken() && Handle(&ps)) {
    }
    if (ps.open != nullptr) OBJ2DFree(&ps.open);
    if (ps.segment != nullptr) SEG2DFree(&ps.segment);
    gCursor = nullptr;
    return ps.result;
}

void OBJ2DListFree(LIST** ref) {
    if (ref == nullptr || *ref == nullptr) {
        OBJ2DError();
        return;
    }
    LIST* list = *ref;
    for (int32_t i = 0; i < list->count; ++i) {
        OBJ2D* obj = static_cast<OBJ2D*>(list->slots[i]);
        if (obj != nullptr) OBJ2DFree(&obj);
    }
    LISTFree(ref);
}

// [SECTION] Building

bool OBJ2DAddSegment(OBJ2D* obj, SEG2D* seg) {
    if (obj == nullptr || obj->points == nullptr || obj->segments == nullptr || seg == nullptr ||
        seg->start == nullptr || seg->end == nullptr) {
        OBJ2DError();
        return false;
    }
    const int32_t segments = obj->segments->count;
    const int32_t points = obj->points->count;
    LISTPush(obj->segments, seg);
    LISTPush(obj->points, seg->start);
    LISTPush(obj->points, seg->end);
    if (obj->segments->count != segments + 1 || obj->points->count != points + 2) {
        // No memory: take back whatever went in.
        if (obj->segments->count > segments) obj->segments->count = segments;
        if (obj->points->count > points) obj->points->count = points;
        OBJ2DError();
        return false;
    }
    if (OBJ2DIsFarther(obj, points + 1) != 0) obj->farthest = points + 1;
    return true;
}

// [SECTION] Drawing

void OBJ2DDraw(const OBJ2D* obj, IMG* img) {
    if (obj == nullptr || obj->segments == nullptr || obj->position == nullptr ||
        obj->scale == nullptr || img == nullptr) {
        OBJ2DError();
        return;
    }
    // Posed a batch at a time before any is drawn: the endpoint loads of a
    // batch are independent and overlap, instead of each waiting behind the
    // previous line's walk.
    constexpr int32_t kBatch = 32;
    Line batch[kBatch];
    for (int32_t top = obj->segments->count - 1; top >= 0; top -= kBatch) {
        const int32_t n = PoseLines(obj, top, top >= kBatch ? top - kBatch + 1 : 0, batch);
        for (int32_t i = 0; i < n; ++i) {
            IMGDrawLine(img, batch[i].x1, batch[i].y1, batch[i].x2, batch[i].y2, batch[i].colour);
        }
    }
}

void OBJ2DDrawRaw(const OBJ2D* obj, IMG* img) {
    if (obj == nullptr || obj->segments == nullptr || img == nullptr) {
        OBJ2DError();
        return;
    }
    for (int32_t i = obj->segments->count - 1; i >= 0; --i) {
        SEG2DDraw(static_cast<const SEG2D*>(obj->segments->slots[i]), img);
    }
}

void OBJ2DDrawPoints(const OBJ2D* obj, IMG* img) {
    if (obj == nullptr || obj->points == nullptr || img == nullptr) {
        OBJ2DError();
        return;
    }
    for (int32_t i = obj->points->count - 1; i >= 0; --i) {
        const VEC2D* p = PointAt(obj, i);
        if (p != nullptr) IMGSetPixel(img, p->x, p->y, p->colour);
    }
}

void OBJ2DDrawPointsPosed(const OBJ2D* obj, IMG* img) {
    if (obj == nullptr || obj->points == nullptr || obj->position == nullptr ||
        obj->scale == nullptr || img == nullptr) {
        OBJ2DError();
        return;
    }
    const Pose pose = PoseOf(obj);
    for (int32_t i = obj->points->count - 1; i >= 0; --i) {
        const VEC2D* p = PointAt(obj, i);
        if (p == nullptr) continue;
        int32_t x, y;
        Place(pose, p->x, p->y, &x, &y);
        IMGSetPixel(img, x, y, p->colour);
    }
}

// [SECTION] Pose and colour

void OBJ2DTransform(OBJ2D* obj) {
    if (obj == nullptr || obj->points == nullptr || obj->position == nullptr ||
        obj->scale == nullptr) {
        OBJ2DError();
        return;
    }
    for (int32_t i = obj->points->count - 1; i >= 0; --i) {
        VEC2D* p = PointAt(obj, i);
        if (p == nullptr) continue;
        VEC2DMul(p, obj->scale);
        VEC2DRotate(p, obj->angle);
        VEC2DAdd(obj->position, p);
    }
}

void OBJ2DSetColor(OBJ2D* obj, uint32_t colour) {
    if (obj == nullptr || obj->points == nullptr) {
        OBJ2DError();
        return;
    }
    obj->colour = colour;
    for (int32_t i = 0; i < obj->points->count; ++i) {
        VEC2D* p = PointAt(obj, i);
        if (p != nullptr) p->colour = colour;
    }
}

// [SECTION] Extent and proximity

int32_t OBJ2DIsFarther(const OBJ2D* obj, int32_t index) {
    if (obj == nullptr || obj->points == nullptr || index < 0 || index >= obj->points->count ||
        PointAt(obj, index) == nullptr) {
        OBJ2DError();
        return 0;
    }
    const VEC2D* best = FarthestPoint(obj);
    if (best == nullptr) return 1;
    return VEC2DLengthSquared(best) < VEC2DLengthSquared(PointAt(obj, index)) ? 1 : 0;
}

void OBJ2DFindFarthest(OBJ2D* obj) {
    if (obj == nullptr || obj->points == nullptr) {
        OBJ2DError();
        return;
    }
    int32_t best = 0;
    for (int32_t i = obj->points->count - 1; i >= 0; --i) {
        const VEC2D* p = PointAt(obj, i);
        if (p == nullptr) continue;
        const int32_t length = VEC2DLengthSquared(p);
        if (length > best) {
            best = length;
            obj->farthest = i;
        }
    }
}

int32_t OBJ2DNear(const OBJ2D* a, const OBJ2D* b) {
    if (a == nullptr || b == nullptr || a->position == nullptr || b->position == nullptr) {
        OBJ2DError();
        return 0;
    }
    const VEC2D* fa = FarthestPoint(a);
    const VEC2D* fb = FarthestPoint(b);
    if (fa == nullptr || fb == nullptr) {
        OBJ2DError();
        return 0;
    }
    const uint64_t ra = DistanceSquared(fa->x, fa->y, a->position->x, a->position->y);
    const uint64_t rb = DistanceSquared(fb->x, fb->y, b->position->x, b->position->y);
    const uint64_t c =
        DistanceSquared(a->position->x, a->position->y, b->position->x, b->position->y);
    return c <= SatAdd(SatAdd(ra, rb), SatMul(ra, rb)) ? 1 : 0;
}

int32_t OBJ2DCollide(const OBJ2D* a, const OBJ2D* b) {
    if (a == nullptr || b == nullptr || a->points == nullptr || b->points == nullptr ||
        a->segments == nullptr || b->segments == nullptr || a->points->count < 1 ||
        b->points->count < 1) {
        OBJ2DError();
        return 0;
    }
    if (OBJ2DNear(a, b) != 1) return 0;
    for (int32_t i = 0; i < a->segments->count; ++i) {
        const SEG2D* sa = static_cast<const SEG2D*>(a->segments->slots[i]);
        for (int32_t j = 0; j < b->segments->count; ++j) {
            const SEG2D* sb = static_cast<const SEG2D*>(b->segments->slots[j]);
            if (SEG2DBoxOverlap(sa, sb) != 0) return 1;
        }
    }
    return 0;
}
