// The presentation's row copy: the fast form (AVX2 blocks, SSE2 blocks, the
// plain tail) against the plain loop, and a whole-screen presentation, which
// copies the rows as one run.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/capture/capture.h"
#include "platform/capture/present_impl.h"
#include "platform/edge.h"

namespace {

uint32_t Next(uint32_t* state) {
    *state = *state * 1664525u + 1013904223u;
    return *state ^ (*state >> 13);
}

TEST(CapturePresentRow, FastFormEqualsThePlainLoop) {
    uint32_t state = 7;
    const int32_t counts[] = {0, 1, 3, 4, 5, 7, 8, 31, 32, 33, 63, 64, 67, 100, 257, 1031};
    for (const int32_t count : counts) {
        for (int32_t fromAt = 0; fromAt < 4; ++fromAt) {
            for (int32_t toAt = 0; toAt < 4; ++toAt) {
                // How the screen starts: random, already the picture, or the
                // picture but for one pixel (first, last or in between).
                for (int32_t start = 0; start < 5; ++start) {
                    std::vector<uint32_t> from(static_cast<size_t>(count + 8));
                    for (uint32_t& p : from) p = Next(&state);  // top bytes set too
                    std::vector<uint32_t> fast(static_cast<size_t>(count + 8));
                    for (size_t i = 0; i < fast.size(); ++i) {
                        const size_t j = i - static_cast<size_t>(toAt) + static_cast<size_t>(fromAt);
                        fast[i] = start == 0 || i < static_cast<size_t>(toAt) || j >= from.size()
                                      ? Next(&state)
                                      : from[j] & 0x00FFFFFFu;
                    }
                    if (count > 0 && start >= 2) {
                        const int32_t at = start == 2 ? 0 : start == 3 ? count - 1 : count / 2;
                        fast[static_cast<size_t>(toAt + at)] ^= 1u << (Next(&state) % 24);
                    }
                    std::vector<uint32_t> plain = fast;
                    const uint32_t got =
                        CAPTURECopyOpaqueRow(from.data() + fromAt, fast.data() + toAt, count);
                    const uint32_t want =
                        CAPTURECopyOpaqueRowPlain(from.data() + fromAt, plain.data() + toAt, count);
                    ASSERT_EQ(got, want) << count << " " << fromAt << " " << toAt << " " << start;
                    ASSERT_EQ(fast, plain) << count << " " << fromAt << " " << toAt << " " << start;
                    if (start == 1) {
                        EXPECT_EQ(got, 0u) << count;
                    }
                    if (start >= 2 && count > 0) {
                        EXPECT_NE(got, 0u) << count << " " << start;
                    }
                }
            }
        }
    }
}

TEST(CapturePresentRow, WholeScreenShowsEveryPixelOpaque) {
    constexpr int32_t kW = 37;
    constexpr int32_t kH = 5;
    int32_t depth = 0;
    bool flip = false;
    ASSERT_TRUE(EDGEVideoOpen(kW, kH, 0x10000001u, &depth, &flip));
    uint32_t state = 11;
    std::vector<uint32_t> picture(kW * kH);
    for (uint32_t& p : picture) p = Next(&state);
    std::vector<uint32_t> shown(picture.size());
    for (size_t i = 0; i < picture.size(); ++i) shown[i] = picture[i] & 0x00FFFFFFu;
    EDGEVideoPresent(picture.data(), kW, kH, kW);
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(shown.data(), shown.size()));
    // The same picture with other top bytes: unchanged; then the last pixel.
    for (uint32_t& p : picture) p ^= 0xFF000000u;
    EDGEVideoPresent(picture.data(), kW, kH, kW);
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(shown.data(), shown.size()));
    picture.back() ^= 0x10u;
    shown.back() ^= 0x10u;
    EDGEVideoPresent(picture.data(), kW, kH, kW);
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(shown.data(), shown.size()));
    EDGEVideoClose();
}

}  // namespace
