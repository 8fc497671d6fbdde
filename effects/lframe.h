// lframe.h: LFRAME, a line whose two endpoints run round the border of an area.
//
// Each endpoint moves by its velocity (-1, 0 or +1 per axis) times speed
// pixels a move. Running past an edge it is clamped onto the edge and turned
// to run along it, keeping its sense of rotation, so after at most one bounce
// both endpoints circulate on the frame and the line between them sweeps the
// picture. Three resets pick the start: anywhere (Reset), both endpoints on
// one edge moving the same way (ResetParallel), or on two adjacent edges
// (ResetAcross).
//
// Ownership: LFRAMENew and LFRAMECopy return a frame the caller owns;
// LFRAMEFree releases it and clears the reference. The positions and
// velocities segments are a pair shared between a frame and its copies
// (LFRAMECopy, LFRAMECopyInto) and counted: `shares` points at the number of
// frames holding the pair, and the last frame to let go of it (by a reset, by
// taking another frame's pair, or by Free) frees both segments. Callers may
// change the segments' endpoints in place but must not replace the segment
// references. The image is never owned.
//
// Failures: a null frame, image or segment, or a width or height <= 0 (the
// resets divide by them) call the error report "LFRAME error\n" (switch off:
// only counted) and change nothing; a reset that cannot allocate its segments
// keeps the frame's old ones. Steps are summed in 64 bits and clamped to the
// frame.
#pragma once
#include <cstdint>
#include <type_traits>

#include "vector/seg2d.h"
#include "vector/vec2d.h"

struct IMG;

struct LFRAME {
    VEC2D    origin;      // copied by CopyInto; not read otherwise; 0, 0, 0
    VEC2D    size;        // width, height (the third word unread); 256 x 256
    SEG2D*   positions;   // start and end: the two endpoints, with their colours
    SEG2D*   velocities;  // start: first endpoint's velocity, end: the second's
    int32_t  speed;       // pixels per velocity unit and move; 4 .. 11
    int32_t* shares;      // frames holding this segment pair (owned jointly)
};
static_assert(std::is_trivially_copyable_v<LFRAME> && std::is_standard_layout_v<LFRAME>);

// {"LFRAME  ", "20120517", "Vaskoril", "C       ", "CODE    "}
extern const char* const LFRAME_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] LFRAME* LFRAMENew();  // 256 x 256, then Reset: 11 draws
void                  LFRAMEFree(LFRAME** ref);  // lets go of the pair, frees the record
[[nodiscard]] char*   LFRAMEToASCII(const LFRAME* frame);  // no text form: null
[[nodiscard]] LFRAME* LFRAMEFromASCII(const char* text);   // no text form: null
// The same segment pair and the same speed.
[[nodiscard]] bool    LFRAMEEqual(const LFRAME* a, const LFRAME* b);
// dst shares src's pair and takes its speed and first triple (not its size).
void                  LFRAMECopyInto(const LFRAME* src, LFRAME* dst);
// LFRAMENew (11 draws), then the new frame shares src's pair and speed.
[[nodiscard]] LFRAME* LFRAMECopy(const LFRAME* src);

// [SECTION] Motion
void LFRAMEReset(LFRAME* frame);          // free start: 11 draws
void LFRAMEResetParallel(LFRAME* frame);  // one edge, same way: 7 draws
void LFRAMEResetAcross(LFRAME* frame);    // two adjacent edges: 7 draws
void LFRAMEMove(LFRAME* frame);           // first endpoint, then second
void LFRAMEDraw(const LFRAME* frame, IMG* img);      // the line, first endpoint's colour
void LFRAMEDrawEnds(const LFRAME* frame, IMG* img);  // the two endpoints
