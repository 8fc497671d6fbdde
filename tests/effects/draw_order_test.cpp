// Which random draw goes to which field: every effect whose set-up draws from
// the shared generator, set up from known seeds, each field checked against
// the value its own draw r[i] makes (a count of draws misses two fields taking
// each other's draws). The line spiral's reset has its own such test.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "core/rng.h"
#include "effects/grid2d.h"
#include "effects/laser.h"
#include "effects/lframe.h"
#include "effects/lstars.h"
#include "effects/sineline.h"
#include "effects/spirals.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/rng_draws.h"
#include "tests/support/test_support.h"

namespace {

constexpr int32_t w = 200;
constexpr int32_t h = 120;

using Fields = std::vector<std::array<int64_t, 2>>;  // {field, what its draw makes}

int64_t Signed(int32_t magnitude, int32_t signDraw) {
    return (signDraw & 1) != 0 ? -int64_t{magnitude} : magnitude;
}

int64_t Unit(int32_t r) {
    return 2 * (r & 1) - 1;
}

LFRAME* Framed() {
    LFRAME* f = LFRAMENew();
    f->size.x = w;
    f->size.y = h;
    return f;
}

// Sets a module up from `seed` and pairs its fields with the draws r[0], r[1], ...
struct Module {
    const char* name;
    int32_t draws;
    Fields (*run)(uint32_t seed, const int32_t* r);
};

// A few fields to a line.
// clang-format off
const Module kModules[] = {
    {"SINELINE", 18,
     [](uint32_t seed, const int32_t* r) {
         RNGSeed(seed);
         Owned<SINELINE, SINELINEFree> s(SINELINENew());
         return Fields{{s->phaseA.x, r[0] % 1024},     {s->phaseA.y, r[1] % 1024},
                       {s->speedA.x, (r[2] & 7) + 3},  {s->speedA.y, (r[3] & 7) + 3},
                       {s->stepA.x, (r[4] & 15) + 5},  {s->stepA.y, (r[5] & 15) + 6},
                       {s->phaseB.x, r[6] % 1024},     {s->phaseB.y, r[7] % 1024},
                       {s->speedB.x, (r[8] & 7) + 2},  {s->speedB.y, (r[9] & 7) + 2},
                       {s->stepB.x, (r[10] & 15) + 6}, {s->stepB.y, (r[11] & 15) + 7},
                       {s->phaseC.x, r[12] % 1024},    {s->phaseC.y, r[13] % 1024},
                       {s->speedC.x, (r[14] & 3) + 1}, {s->speedC.y, (r[15] & 3) + 1},
                       {s->stepC.x, (r[16] & 15) + 7}, {s->stepC.y, (r[17] & 15) + 8}};
     }},
    {"LFRAMEReset", 11,
     [](uint32_t seed, const int32_t* r) {
         Owned<LFRAME, LFRAMEFree> f(Framed());
         RNGSeed(seed);
         LFRAMEReset(f.get());
         const VEC2D *a = f->positions->start, *b = f->positions->end;
         const VEC2D *va = f->velocities->start, *vb = f->velocities->end;
         return Fields{{a->x, r[0] % w}, {a->y, r[1] % h}, {b->x, r[2] % w}, {b->y, r[3] % h},
                       {a->colour, r[4] & 0xFFFFFF}, {b->colour, r[5] & 0xFFFFFF},
                       {va->x, Unit(r[6])}, {va->y, Unit(r[7])},
                       {vb->x, Unit(r[8])}, {vb->y, Unit(r[9])},
                       {f->speed, (r[10] & 7) + 4}};
     }},
    {"LFRAMEResetAcross", 7,
     [](uint32_t seed, const int32_t* r) {
         Owned<LFRAME, LFRAMEFree> f(Framed());
         RNGSeed(seed);
         LFRAMEResetAcross(f.get());
         // Edge r[2] % 4 (left, top, right, bottom) for the first end, the next for the second.
         const bool upright = r[2] % 2 == 0;  // left or right: the draw is y
         const VEC2D *a = f->positions->start, *b = f->positions->end, *va = f->velocities->start;
         return Fields{{a->colour, r[0] & 0xFFFFFF}, {b->colour, r[1] & 0xFFFFFF},
                       {upright ? a->y : a->x, r[3] % (upright ? h : w)},
                       {upright ? b->x : b->y, r[4] % (upright ? w : h)},
                       {upright ? va->y : va->x, Unit(r[5])}, {f->speed, (r[6] & 7) + 4}};
     }},
    {"LASERSet", 8,
     [](uint32_t seed, const int32_t* r) {
         Owned<IMG, IMGFree> img(Sized(w, h));
         Owned<LASER, LASERFree> l(LASERNew());
         RNGSeed(seed);
         LASERSet(l.get(), img.get());
         return Fields{{l->sourceX, r[0] % w}, {l->sourceY, r[1] % h}, {l->endX, r[2] % w},
                       {l->velocityX, Signed(r[3] % 4 + 2, r[4])},
                       {l->velocityY, Signed(r[5] % 4 + 2, r[6])}, {l->colour, r[7] & 0xFFFFFF}};
     }},
    {"GRID2D", 18,
     [](uint32_t seed, const int32_t* r) {
         Owned<GRID2D, GRID2DFree> g(GRID2DNew());
         g->width = 40;
         g->height = 20;
         g->depth = 10;
         RNGSeed(seed);
         GRID2DSetCount(g.get(), 2);  // the last particle first: x, y, z, vx, vy, vz
         Fields f;
         for (int32_t j = 0; j < 2; ++j) {
             const int32_t* p = g->particles + 6 * j;
             const int32_t* d = r + 9 * (1 - j);
             f.insert(f.end(), {{p[0], (d[0] % 40) << 16}, {p[1], (d[1] % 20) << 16},
                                {p[2], (d[2] % 10) << 16}, {p[3], Signed(d[3] & 0x3FFFF, d[4])},
                                {p[4], Signed(d[5] & 0x3FFFF, d[6])},
                                {p[5], Signed(d[7] & 0x3FFFF, d[8])}});
         }
         return f;
     }},
    {"LSTARS", 4,
     [](uint32_t seed, const int32_t* r) {
         Owned<LSTARS, LSTARSFree> s(LSTARSNew());
         s->size = VEC2D{w, h, 0};
         RNGSeed(seed);
         LSTARSSetCount(s.get(), 2);  // the last star first, x before y
         return Fields{{s->stars[2], (r[0] % w) << 16}, {s->stars[3], (r[1] % h) << 16},
                       {s->stars[0], (r[2] % w) << 16}, {s->stars[1], (r[3] % h) << 16}};
     }},
    {"SPIRALS", 4,
     [](uint32_t seed, const int32_t* r) {
         Owned<SPIRALS, SPIRALSFree> s(SPIRALSNew());
         s->size = VEC2D{w, h, 0};
         RNGSeed(seed);
         SPIRALSSetCount(s.get(), 2);  // the first particle first, angle before radius
         return Fields{{s->particles[0], r[0] % 1023}, {s->particles[2], r[1] % 300},
                       {s->particles[3], r[2] % 1023}, {s->particles[5], r[3] % 300}};
     }},
};
// clang-format on

TEST(DrawOrder, EachFieldTakesItsOwnDraw) {
    for (const Module& m : kModules) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            std::vector<int32_t> r;
            for (int32_t i = 1; i <= m.draws; ++i) r.push_back(DrawAfter(seed, i));
            const Fields fields = m.run(seed, r.data());
            for (size_t i = 0; i < fields.size(); ++i) {
                ASSERT_EQ(fields[i][1], fields[i][0])
                    << m.name << " field " << i << ", seed " << seed;
            }
            EXPECT_EQ(StateAfter(seed, m.draws), RNGState()) << m.name << ", seed " << seed;
        }
    }
}

}  // namespace
