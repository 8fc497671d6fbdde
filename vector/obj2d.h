// obj2d.h: OBJ2D, a line drawing with a pose, and the object text format.
//
// An object is a list of segments in model coordinates (the compiled-in data
// uses 0 .. 15, origin top-left, y downwards) plus a pose: a model point p lands
// in the image at rotate(p * scale, angle) + position. The line font and the
// demo write position, scale and angle directly before each draw.
//
// Points: `points` holds the endpoints of the segments themselves, not copies,
// two per segment in the order added (point 2i is the start of segment i, point
// 2i + 1 its end). Changing a point changes its segment. Each endpoint has its
// own colour, and a segment is drawn in its start point's colour.
//
// Ownership (one rule, no sharing):
//   - an object owns its segments and, through them, its points; OBJ2DFree
//     frees every segment with its endpoints, both lists, the pose vectors and
//     the record. OBJ2DAddSegment hands a segment over to the object.
//   - an object owns every text its fields refer to (name, version, author,
//     info, type), and OBJ2DFree frees them. OBJ2DCopy therefore gives the
//     destination its own copies of the source's texts: texts are never shared
//     between two objects, so no text is freed twice and none outlives its
//     owner.
//   - OBJ2DListFromASCII returns a list the caller owns together with the
//     objects in it; OBJ2DListFree releases both.
//
// Failures: every operation checks its references. A missing one calls the
// error report (switch off: silent, only counted) and the operation does
// nothing, returning 0, false or null. Malformed text is never an error: the
// parser reads every byte sequence by the token rules below.
//
// Not thread-safe: the parser keeps process-wide state (see below).
#pragma once
#include <cstdint>
#include <type_traits>

#include "core/list.h"
#include "vector/seg2d.h"
#include "vector/vec2d.h"

struct IMG;

struct OBJ2D {
    char*    name;      // owned text or null; set by a name line
    char*    version;   // owned text or null; set by a version line inside an object
    char*    author;    // owned text or null; set by an author line inside an object
    char*    info;      // owned text or null; no operation but OBJ2DCopy sets it
    char*    type;      // owned text or null; set by a type line inside an object
    VEC2D*   position;  // owned; where the model origin lands; new: (0, 0)
    VEC2D*   size;      // owned; nominal extent, read by no drawing; new: (16, 16)
    VEC2D*   scale;     // owned; per-axis multiplier; new: (1, 1)
    int32_t  angle;     // 1024ths of a turn; new: 0
    uint32_t colour;    // last colour given by OBJ2DSetColor; new: 0 (informational)
    int32_t  farthest;  // index in points of the point farthest from the origin; -1: unset
    LIST*    points;    // owned list of the segments' endpoints (VEC2D*), 2 per segment
    LIST*    segments;  // owned list of owned segments (SEG2D*), in the order added
};
static_assert(std::is_trivially_copyable_v<OBJ2D> && std::is_standard_layout_v<OBJ2D>);

// {"OBJ2D   ", "20120515", "Vaskoril", "C       ", "CODE    "}
extern const char* const OBJ2D_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] OBJ2D* OBJ2DNew();                        // empty lists, pose as above, farthest -1
void                 OBJ2DFree(OBJ2D** ref);            // frees everything it owns, *ref = nullptr
[[nodiscard]] char*  OBJ2DToASCII(const OBJ2D* obj);    // no text form: always null
[[nodiscard]] OBJ2D* OBJ2DFromASCII(const char* text);  // always null; see OBJ2DListFromASCII
[[nodiscard]] bool   OBJ2DEqual(const OBJ2D* a, const OBJ2D* b);  // not provided: always false
// Needs both point lists with the same count (else error, nothing copied).
// Copies every point by index (x, y, colour), then position, size, scale,
// angle, colour, the five texts (as the destination's own copies) and farthest.
void OBJ2DCopy(const OBJ2D* src, OBJ2D* dst);
// A new object with as many new segments as the source, then OBJ2DCopy.
[[nodiscard]] OBJ2D* OBJ2DClone(const OBJ2D* obj);

// [SECTION] The object text format
// Parses text into a list of objects in the order of their closing braces; a
// "}" without an open object gives a null entry. Never rejects; never reads
// past the terminating NUL. Null text: error, null. Token rules:
//   - separators are 0x01 .. 0x20, 0x7F, 0x80 .. 0xFF (blanks), "," and ";";
//   - a punctuation character (0x21 .. 0x2F, 0x3A .. 0x40, 0x5B .. 0x60,
//     0x7B .. 0x7E) at the start of a token is a token alone; otherwise a token
//     is the run of characters 0x21 .. 0x7E other than "," and ";" (so "12}" is
//     one token), cut at 255 characters, the next token then starting again
//     with the 255th;
//   - a token directly followed by the terminating NUL is discarded and ends
//     the parse, so a text's last token needs a separator after it.
// Tokens: "#" comment to the line's end; "{" opens an object (braces do not
// nest); "}" closes it; '"' and "=" ignored; "-" makes the next decimal number
// negative, whenever it comes (the pending sign is process-wide and survives
// into the next parse); "$" reads the text directly after it (a word or one
// punctuation character; nothing at a blank) as a hexadecimal number; "name"
// (any case) skips blanks but not "," or ";" and takes the rest of the line
// (null when empty) as the open object's name; "version", "author", "type"
// skip separators and take the rest of the line likewise, stored in the open
// object (outside an object these four values are discarded); a token starting
// with a digit is a decimal number (leading digits), one starting with x or h
// a hexadecimal number from its second character; one starting with c turns
// the colour flag on, one starting with s starts a segment when none is under
// construction. Hexadecimal numbers become the current colour while the colour
// flag is on (which turns it off) and are ignored otherwise. Decimal numbers
// fill the segment under construction: start x, start y (the start takes the
// current colour), end x, end y (the end takes it too; the segment then goes
// to the open object, or is dropped when none is open). Numbers wrap modulo
// 2^32. At the end an open object and an unfinished segment are dropped.
[[nodiscard]] LIST* OBJ2DListFromASCII(const char* text);
void OBJ2DListFree(LIST** ref);  // frees every object in the list (nulls skipped), then the list

// [SECTION] Building
// Appends the segment and then its start and end to points; farthest becomes
// the end point's index when OBJ2DIsFarther holds for it (starts are never
// compared). True: the object owns the segment now. False (null object, a
// segment without both endpoints, no memory): error, nothing changed, and the
// segment stays the caller's.
bool OBJ2DAddSegment(OBJ2D* obj, SEG2D* seg);

// [SECTION] Drawing (nothing allocates; the object is never changed)
// Every segment, last to first, through the pose: scale, rotate about the
// model origin, translate by position; drawn in its start point's colour.
void OBJ2DDraw(const OBJ2D* obj, IMG* img);
void OBJ2DDrawRaw(const OBJ2D* obj, IMG* img);          // segments in model coordinates, last to first
void OBJ2DDrawPoints(const OBJ2D* obj, IMG* img);       // points in model coordinates, last to first
void OBJ2DDrawPointsPosed(const OBJ2D* obj, IMG* img);  // points through the pose, last to first

// [SECTION] Pose and colour
// Applies the pose to every point for good (scale, rotate, add position),
// last to first.
void OBJ2DTransform(OBJ2D* obj);
void OBJ2DSetColor(OBJ2D* obj, uint32_t colour);  // the colour field and every point's colour

// [SECTION] Extent and proximity
// 1 when farthest is not a valid index, or point index is strictly farther
// from the origin than point farthest; 0 otherwise (and for a bad index).
[[nodiscard]] int32_t OBJ2DIsFarther(const OBJ2D* obj, int32_t index);
// Scans the points last to first for the strictly greatest squared length
// (so the highest index wins a tie); leaves farthest alone when every point
// is at the origin.
void OBJ2DFindFarthest(OBJ2D* obj);
// With a, b the squared distances of each farthest point from its object's
// position and c that between the positions: 1 when c <= a + b + a * b.
// Computed exactly (saturating far beyond any drawable size).
[[nodiscard]] int32_t OBJ2DNear(const OBJ2D* a, const OBJ2D* b);
// When OBJ2DNear holds: 1 at the first pair of segments whose boxes overlap.
[[nodiscard]] int32_t OBJ2DCollide(const OBJ2D* a, const OBJ2D* b);
