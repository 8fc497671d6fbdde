// Tests of SPIRALS: the worked placements, the random draws, wrap-round of
// angles, re-placing past the maximum radius, and radii that grow without end.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/spirals.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Spirals = Owned<SPIRALS, SPIRALSFree>;
using Img = Owned<IMG, IMGFree>;

int32_t* ParticleOf(SPIRALS* s, int32_t i) { return s->particles + 3 * i; }

TEST(Spirals, IdentityAndNullArguments) {
    const char* const want[5] = {"SPIRALS ", "20101102", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], SPIRALS_IDENTITY[i]);
    StdoutCapture out;
    const uint64_t reports = ReportsDuring([] {
        SPIRALSFree(nullptr);
        EXPECT_EQ(nullptr, SPIRALSToASCII(nullptr));
        EXPECT_EQ(nullptr, SPIRALSFromASCII(nullptr));
        EXPECT_FALSE(SPIRALSEqual(nullptr, nullptr));
        EXPECT_EQ(nullptr, SPIRALSCopy(nullptr));
        SPIRALSCopyInto(nullptr, nullptr);
        SPIRALSSetCount(nullptr, 2);
        SPIRALSScatter(nullptr);
        SPIRALSPlaceParticle(nullptr, 0);
        SPIRALSMove(nullptr);
        SPIRALSDraw(nullptr);
        Spirals s(SPIRALSNew());
        SPIRALSDraw(s.get());  // no image
        SPIRALSPlaceParticle(s.get(), -1);
        SPIRALSPlaceParticle(s.get(), 16);
    });
    EXPECT_EQ(14u, reports);
    EXPECT_EQ("", out.Take());
}

TEST(Spirals, NewPlacesSixteenParticlesWithTwoDrawsEach) {
    EXPECT_EQ(32, DrawsMade([] { Spirals s(SPIRALSNew()); }));
    Spirals s(SPIRALSNew());
    EXPECT_EQ(32, DrawsMade([&] { Spirals c(SPIRALSCopy(s.get())); }));
    EXPECT_EQ(2, DrawsMade([&] { SPIRALSPlaceParticle(s.get(), 5); }));
    EXPECT_EQ(8, DrawsMade([&] { SPIRALSSetCount(s.get(), 4); }));
    for (uint32_t seed = 0; seed < 40; ++seed) {
        RNGSeed(seed);
        Spirals t(SPIRALSNew());
        for (int32_t i = 0; i < t->count; ++i) {
            const int32_t* p = ParticleOf(t.get(), i);
            EXPECT_LE(p[0], 1022);
            EXPECT_EQ((p[0] + 256) % 1024, p[1]);
            EXPECT_LE(p[2], 383);
        }
    }
}

TEST(Spirals, DrawPlotsAtTheWorkedPlaces) {
    struct Case {
        int32_t ax, ay, radius;
        int32_t x, y;
    };
    const Case cases[] = {
        {0, 256, 100, 128, 177},   // 128 + (100 * 32766 >> 16)
        {256, 512, 100, 177, 128},
        {512, 768, 100, 128, 78},  // the shift floors: 128 - 50, not 128 - 49
        {0, 256, 0, 128, 128},
    };
    for (const Case& c : cases) {
        Spirals s(SPIRALSNew());
        SPIRALSSetCount(s.get(), 1);
        int32_t* p = ParticleOf(s.get(), 0);
        p[0] = c.ax;
        p[1] = c.ay;
        p[2] = c.radius;
        Img img(Sized(256, 256));
        s->image = img.get();
        SPIRALSDraw(s.get());
        EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(img.get(), c.x, c.y)) << c.ax << " r " << c.radius;
    }
}

TEST(Spirals, MoveWrapsAnglesAndReplacesPastTheMaximum) {
    Spirals s(SPIRALSNew());
    SPIRALSSetCount(s.get(), 2);
    int32_t* p = ParticleOf(s.get(), 0);
    p[0] = 1023;
    p[1] = 1023;
    p[2] = 10;
    int32_t* q = ParticleOf(s.get(), 1);
    q[0] = 5;
    q[1] = 261;
    q[2] = 256;
    // particle 1 reaches 257 > 256 and is placed again: its two draws only
    EXPECT_EQ(2, DrawsMade([&] { SPIRALSMove(s.get()); }));
    EXPECT_EQ(0, p[0]);
    EXPECT_EQ(0, p[1]);
    EXPECT_EQ(11, p[2]);
    EXPECT_LE(q[2], 383);
    EXPECT_EQ((q[0] + 256) % 1024, q[1]);

    // Exactly the maximum is not past it: kept, no draws.
    q[0] = 5;
    q[1] = 261;
    q[2] = 255;
    EXPECT_EQ(0, DrawsMade([&] { SPIRALSMove(s.get()); }));
    EXPECT_EQ(256, q[2]);
    EXPECT_EQ(6, q[0]);
    EXPECT_EQ(262, q[1]);
}

TEST(Spirals, DrawSetsTheSizeThatBoundsNewRadii) {
    Spirals s(SPIRALSNew());
    Img img(Sized(128, 128));
    s->image = img.get();
    SPIRALSDraw(s.get());
    EXPECT_EQ(128, s->size.x);
    int32_t largest = 0;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        RNGSeed(seed);
        SPIRALSScatter(s.get());
        for (int32_t i = 0; i < s->count; ++i) {
            largest = std::max(largest, ParticleOf(s.get(), i)[2]);
        }
    }
    EXPECT_LE(largest, 191);
    EXPECT_GE(largest, 180);
}

TEST(Spirals, RadiiThatCannotBeReplacedKeepGrowingSafely) {
    // A draw into an image of width 0 leaves nothing to place particles in:
    // each move past the maximum is refused, and the radius keeps growing.
    Spirals s(SPIRALSNew());
    Img empty(Sized(0, 0));
    s->image = empty.get();
    SPIRALSDraw(s.get());
    s->radialSpeed = 0x40000000;
    EXPECT_GT(ReportsDuring([&] {
                  for (int i = 0; i < 6; ++i) SPIRALSMove(s.get());  // wraps round 2^32
              }),
              0u);
    Img img(Sized(256, 256));
    s->image = img.get();
    SPIRALSDraw(s.get());  // huge radii times the sine: in 64 bits, then wrapped
    SUCCEED();
}

TEST(Spirals, SetCountAndScatterRefuseWhatCannotBeHeld) {
    Spirals s(SPIRALSNew());
    int32_t* particles = s->particles;
    for (int32_t n : {0, -3, INT32_MAX / 3 + 1}) {
        EXPECT_EQ(1u, ReportsDuring([&] { SPIRALSSetCount(s.get(), n); })) << n;
        EXPECT_EQ(16, s->count);
        EXPECT_EQ(particles, s->particles);
    }
    s->size.y = 0;
    EXPECT_EQ(0, DrawsMade([&] {
        EXPECT_EQ(1u, ReportsDuring([&] { SPIRALSScatter(s.get()); }));
    }));
}
}  // namespace
