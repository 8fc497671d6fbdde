// The presentation's row copy: the fast form (AVX2 blocks, SSE2 blocks, the
// plain tail) against the plain loop, at every length around the block sizes,
// both alignments of each row, and screens that differ nowhere, everywhere or
// in one pixel (first, middle, last).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/capture/present_impl.h"

namespace {

uint32_t Next(uint32_t* state) {
    *state = *state * 1664525u + 1013904223u;
    return *state ^ (*state >> 13);  // top bytes set too
}

TEST(CapturePresentRow, FastFormEqualsThePlainLoop) {
    uint32_t state = 7;
    for (const int32_t count : {0, 1, 3, 4, 5, 7, 8, 31, 32, 33, 63, 64, 67, 100, 257, 1031}) {
        for (int32_t at = 0; at < 16; ++at) {  // from's and to's offsets, 0 .. 3 each
            const int32_t fromAt = at % 4;
            const int32_t toAt = at / 4;
            for (int32_t start = 0; start < 5; ++start) {  // random, same, one pixel off
                std::vector<uint32_t> from(static_cast<size_t>(count + 4));
                std::vector<uint32_t> fast(static_cast<size_t>(count + 4));
                for (uint32_t& p : from) p = Next(&state);
                for (uint32_t& p : fast) p = Next(&state);
                for (int32_t i = 0; start > 0 && i < count; ++i)
                    fast[static_cast<size_t>(toAt + i)] =
                        from[static_cast<size_t>(fromAt + i)] & 0xFFFFFFu;
                if (start >= 2 && count > 0) {
                    const int32_t i = start == 2 ? 0 : start == 3 ? count - 1 : count / 2;
                    fast[static_cast<size_t>(toAt + i)] ^= 1u << (Next(&state) % 24);
                }
                std::vector<uint32_t> plain = fast;
                const uint32_t got =
                    CAPTURECopyOpaqueRow(from.data() + fromAt, fast.data() + toAt, count);
                const uint32_t want =
                    CAPTURECopyOpaqueRowPlain(from.data() + fromAt, plain.data() + toAt, count);
                ASSERT_EQ(got, want) << count << " " << at << " " << start;
                ASSERT_EQ(fast, plain) << count << " " << at << " " << start;
                EXPECT_EQ(got != 0, start != 1 && count > 0) << count << " " << at << " " << start;
            }
        }
    }
}

}  // namespace
