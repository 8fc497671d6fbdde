// The copy to a screen whose pixels are bytes R, G, B, A (a web page's), run
// natively on surfaces of that layout: the bytes written, clipping, pitch, and
// agreement with the library's own conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "tests/platform/sdl/sdl_test_env.h"

namespace {

// A 32-bit surface laid out as bytes R, G, B, A, filled with `fill` as stored.
SDL_Surface* SurfaceRGBA(int w, int h, Uint32 amask, uint32_t fill) {
    SDL_Surface* s =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, amask);
    if (s != nullptr) {
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
            for (int x = 0; x < w; ++x) row[x] = fill;
        }
    }
    return s;
}

// The four bytes of a pixel as they lie in memory.
std::vector<uint8_t> Bytes(SDL_Surface* s, int x, int y) {
    const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

using ByteList = std::vector<uint8_t>;
constexpr uint32_t kUntouched = 0x5A5A5A5A;

TEST(SdlPageScreen, RecognisesOnlyTheRGBAByteLayout) {
    SDL_Surface* withAlpha = SurfaceRGBA(2, 2, 0xFF000000, 0);
    SDL_Surface* noAlpha = SurfaceRGBA(2, 2, 0, 0);
    SDL_Surface* plain =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    SDL_Surface* bgr24 =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 24, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    ASSERT_TRUE(withAlpha && noAlpha && plain && bgr24);
    EXPECT_TRUE(SDLEDGEIsRGBA32(withAlpha));
    EXPECT_TRUE(SDLEDGEIsRGBA32(noAlpha));
    EXPECT_FALSE(SDLEDGEIsRGBA32(plain));
    EXPECT_FALSE(SDLEDGEIsRGBA32(bgr24));  // same masks, three bytes a pixel
    EXPECT_FALSE(SDLEDGEIsRGBA32(nullptr));
    for (SDL_Surface* s : {withAlpha, noAlpha, plain, bgr24}) SDL_FreeSurface(s);
}

TEST(SdlPageScreen, WritesOpaqueRGBABytesAndIgnoresTheTopByte) {
    SDL_Surface* s = SurfaceRGBA(3, 2, 0xFF000000, kUntouched);
    ASSERT_NE(s, nullptr);
    const uint32_t pixels[6] = {0x00123456, 0x00FFFFFF, 0x00000000,
                                0xAB010203, 0x00FF0000, 0x000000FF};
    SDLEDGEDraw(s, pixels, 3, 2, 3);
    EXPECT_EQ(Bytes(s, 0, 0), (ByteList{0x12, 0x34, 0x56, 0xFF}));
    EXPECT_EQ(Bytes(s, 1, 0), (ByteList{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(s, 2, 0), (ByteList{0x00, 0x00, 0x00, 0xFF}));  // black is opaque too
    EXPECT_EQ(Bytes(s, 0, 1), (ByteList{0x01, 0x02, 0x03, 0xFF}));
    EXPECT_EQ(Bytes(s, 1, 1), (ByteList{0xFF, 0x00, 0x00, 0xFF}));  // red first
    EXPECT_EQ(Bytes(s, 2, 1), (ByteList{0x00, 0x00, 0xFF, 0xFF}));
    SDL_FreeSurface(s);
}

TEST(SdlPageScreen, FollowsThePitchAndClipsToTheSurface) {
    // A 2 x 2 corner of rows 3 pixels apart lands at the top-left corner of a
    // 3 x 3 surface; the rest keeps what it held.
    SDL_Surface* small = SurfaceRGBA(3, 3, 0xFF000000, kUntouched);
    ASSERT_NE(small, nullptr);
    const uint32_t corner[6] = {0x00FF0000, 0x0000FF00, 0x000000FF,  //
                                0x00FFFFFF, 0x00000000, 0x00FF0000};
    SDLEDGEDraw(small, corner, 2, 2, 3);
    EXPECT_EQ(Bytes(small, 1, 0), (ByteList{0x00, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(Bytes(small, 0, 1), (ByteList{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(small, 1, 1), (ByteList{0x00, 0x00, 0x00, 0xFF}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Bytes(small, 2, i), (ByteList{0x5A, 0x5A, 0x5A, 0x5A})) << "column 2, row " << i;
        EXPECT_EQ(Bytes(small, i, 2), (ByteList{0x5A, 0x5A, 0x5A, 0x5A})) << "row 2, column " << i;
    }
    SDL_FreeSurface(small);

    // A picture larger than the surface fills it and writes nothing beyond:
    // the surface is the top-left 2 x 2 of a 4 x 4 store.
    std::vector<uint32_t> store(16, kUntouched);
    SDL_Surface* view = SDL_CreateRGBSurfaceFrom(store.data(), 2, 2, 32, 16, 0x000000FF,
                                                 0x0000FF00, 0x00FF0000, 0xFF000000);
    ASSERT_NE(view, nullptr);
    const std::vector<uint32_t> big(5 * 5, 0x00102030);
    SDLEDGEDraw(view, big.data(), 5, 5, 5);
    for (int i = 0; i < 16; ++i) {
        const bool inside = i % 4 < 2 && i / 4 < 2;
        EXPECT_EQ(store[i], inside ? 0xFF302010u : kUntouched) << "store index " << i;
    }
    SDL_FreeSurface(view);
}

// The copy agrees with the library's own conversion of 0x00RRGGBB pixels to
// that layout, colour for colour, over every value of each channel.
TEST(SdlPageScreen, AgreesWithTheLibrarysConversion) {
    constexpr int kW = 256;
    constexpr int kH = 3;
    std::vector<uint32_t> pixels(kW * kH);
    for (int x = 0; x < kW; ++x) {
        const auto v = static_cast<uint32_t>(x);
        pixels[x] = v << 16 | (255 - v) << 8 | (v * 7 & 0xFF);
        pixels[kW + x] = (v * 13 & 0xFF) << 16 | v << 8 | (255 - v);
        pixels[2 * kW + x] = (255 - v) << 16 | (v * 29 & 0xFF) << 8 | v;
    }
    SDL_Surface* ours = SurfaceRGBA(kW, kH, 0xFF000000, 0);
    SDL_Surface* library = SurfaceRGBA(kW, kH, 0xFF000000, 0);
    SDL_Surface* source = SDL_CreateRGBSurfaceFrom(pixels.data(), kW, kH, 32, kW * 4, 0x00FF0000,
                                                   0x0000FF00, 0x000000FF, 0);
    ASSERT_TRUE(ours && library && source);
    SDLEDGEDraw(ours, pixels.data(), kW, kH, kW);
    ASSERT_EQ(SDL_BlitSurface(source, nullptr, library, nullptr), 0);
    for (int y = 0; y < kH; ++y) {
        EXPECT_EQ(std::memcmp(static_cast<uint8_t*>(ours->pixels) + y * ours->pitch,
                              static_cast<uint8_t*>(library->pixels) + y * library->pitch, kW * 4),
                  0)
            << "row " << y;
    }
    for (SDL_Surface* s : {ours, library, source}) SDL_FreeSurface(s);
}

}  // namespace
