// Which random draw goes to which field: every effect whose set-up draws from
// the shared generator, set up from a known seed, each field checked against
// the draw that should have made it. Counts of draws alone miss two fields
// taking each other's draws. (The line spiral's reset has its own such test.)
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
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

struct Field {
    const char* name;
    int64_t got;
    int64_t want;
};

// Sets up one module from `seed` (after any preparation of its own) and lists
// its fields with what draws r[0], r[1], ... should have made of them.
struct Module {
    const char* module;
    int32_t draws;
    std::function<std::vector<Field>(uint32_t seed, const int32_t* r)> run;
};

int64_t Signed(int32_t magnitude, int32_t signDraw) {
    return (signDraw & 1) != 0 ? -int64_t{magnitude} : magnitude;
}

int64_t Unit(int32_t r) {
    return 2 * (r & 1) - 1;
}

std::vector<Module> Modules() {
    constexpr int32_t w = 200;
    constexpr int32_t h = 120;
    return {
        {"SINELINE", 18,
         [](uint32_t seed, const int32_t* r) {
             RNGSeed(seed);
             Owned<SINELINE, SINELINEFree> s(SINELINENew());
             return std::vector<Field>{
                 {"phaseA.x", s->phaseA.x, r[0] % 1024},
                 {"phaseA.y", s->phaseA.y, r[1] % 1024},
                 {"speedA.x", s->speedA.x, (r[2] & 7) + 3},
                 {"speedA.y", s->speedA.y, (r[3] & 7) + 3},
                 {"stepA.x", s->stepA.x, (r[4] & 15) + 5},
                 {"stepA.y", s->stepA.y, (r[5] & 15) + 6},
                 {"phaseB.x", s->phaseB.x, r[6] % 1024},
                 {"phaseB.y", s->phaseB.y, r[7] % 1024},
                 {"speedB.x", s->speedB.x, (r[8] & 7) + 2},
                 {"speedB.y", s->speedB.y, (r[9] & 7) + 2},
                 {"stepB.x", s->stepB.x, (r[10] & 15) + 6},
                 {"stepB.y", s->stepB.y, (r[11] & 15) + 7},
                 {"phaseC.x", s->phaseC.x, r[12] % 1024},
                 {"phaseC.y", s->phaseC.y, r[13] % 1024},
                 {"speedC.x", s->speedC.x, (r[14] & 3) + 1},
                 {"speedC.y", s->speedC.y, (r[15] & 3) + 1},
                 {"stepC.x", s->stepC.x, (r[16] & 15) + 7},
                 {"stepC.y", s->stepC.y, (r[17] & 15) + 8},
             };
         }},
        {"LFRAMEReset", 11,
         [](uint32_t seed, const int32_t* r) {
             Owned<LFRAME, LFRAMEFree> f(LFRAMENew());
             f->size.x = w;
             f->size.y = h;
             RNGSeed(seed);
             LFRAMEReset(f.get());
             const VEC2D* a = f->positions->start;
             const VEC2D* b = f->positions->end;
             const VEC2D* va = f->velocities->start;
             const VEC2D* vb = f->velocities->end;
             return std::vector<Field>{
                 {"a.x", a->x, r[0] % w},
                 {"a.y", a->y, r[1] % h},
                 {"b.x", b->x, r[2] % w},
                 {"b.y", b->y, r[3] % h},
                 {"a.colour", a->colour, r[4] & 0xFFFFFF},
                 {"b.colour", b->colour, r[5] & 0xFFFFFF},
                 {"va.x", va->x, Unit(r[6])},
                 {"va.y", va->y, Unit(r[7])},
                 {"vb.x", vb->x, Unit(r[8])},
                 {"vb.y", vb->y, Unit(r[9])},
                 {"speed", f->speed, (r[10] & 7) + 4},
             };
         }},
        {"LFRAMEResetAcross", 7,
         [](uint32_t seed, const int32_t* r) {
             Owned<LFRAME, LFRAMEFree> f(LFRAMENew());
             f->size.x = w;
             f->size.y = h;
             RNGSeed(seed);
             LFRAMEResetAcross(f.get());
             // Edge e (left, top, right, bottom) for the first end, the next
             // one for the second; each takes one draw along its edge.
             const int32_t e = r[2] % 4;
             const bool upright = e % 2 == 0;  // left or right: the draw is y
             const VEC2D* a = f->positions->start;
             const VEC2D* b = f->positions->end;
             const VEC2D* va = f->velocities->start;
             return std::vector<Field>{
                 {"a.colour", a->colour, r[0] & 0xFFFFFF},
                 {"b.colour", b->colour, r[1] & 0xFFFFFF},
                 {"a along", upright ? a->y : a->x, r[3] % (upright ? h : w)},
                 {"b along", upright ? b->x : b->y, r[4] % (upright ? w : h)},
                 {"va along", upright ? va->y : va->x, Unit(r[5])},
                 {"speed", f->speed, (r[6] & 7) + 4},
             };
         }},
        {"LASERSet", 8,
         [](uint32_t seed, const int32_t* r) {
             Owned<IMG, IMGFree> img(Sized(w, h));
             Owned<LASER, LASERFree> l(LASERNew());
             RNGSeed(seed);
             LASERSet(l.get(), img.get());
             return std::vector<Field>{
                 {"sourceX", l->sourceX, r[0] % w},
                 {"sourceY", l->sourceY, r[1] % h},
                 {"endX", l->endX, r[2] % w},
                 {"endY", l->endY, 0},
                 {"velocityX", l->velocityX, Signed(r[3] % 4 + 2, r[4])},
                 {"velocityY", l->velocityY, Signed(r[5] % 4 + 2, r[6])},
                 {"colour", l->colour, r[7] & 0xFFFFFF},
             };
         }},
        {"GRID2D", 18,
         [](uint32_t seed, const int32_t* r) {
             Owned<GRID2D, GRID2DFree> g(GRID2DNew());
             g->width = 40;
             g->height = 20;
             g->depth = 10;
             RNGSeed(seed);
             GRID2DSetCount(g.get(), 2);  // the last particle first
             std::vector<Field> fields;
             for (int32_t j = 0; j < 2; ++j) {
                 const int32_t* p = g->particles + 6 * j;
                 const int32_t* d = r + 9 * (1 - j);
                 const std::vector<Field> one = {
                     {"x", p[0], (d[0] % 40) << 16},
                     {"y", p[1], (d[1] % 20) << 16},
                     {"z", p[2], (d[2] % 10) << 16},
                     {"vx", p[3], Signed(d[3] & 0x3FFFF, d[4])},
                     {"vy", p[4], Signed(d[5] & 0x3FFFF, d[6])},
                     {"vz", p[5], Signed(d[7] & 0x3FFFF, d[8])},
                 };
                 fields.insert(fields.end(), one.begin(), one.end());
             }
             return fields;
         }},
        {"LSTARS", 4,
         [](uint32_t seed, const int32_t* r) {
             Owned<LSTARS, LSTARSFree> s(LSTARSNew());
             s->size = VEC2D{w, h, 0};
             RNGSeed(seed);
             LSTARSSetCount(s.get(), 2);  // the last star first, x before y
             return std::vector<Field>{
                 {"star 1 x", s->stars[2], (r[0] % w) << 16},
                 {"star 1 y", s->stars[3], (r[1] % h) << 16},
                 {"star 0 x", s->stars[0], (r[2] % w) << 16},
                 {"star 0 y", s->stars[1], (r[3] % h) << 16},
             };
         }},
        {"SPIRALS", 4,
         [](uint32_t seed, const int32_t* r) {
             Owned<SPIRALS, SPIRALSFree> s(SPIRALSNew());
             s->size = VEC2D{w, h, 0};
             RNGSeed(seed);
             SPIRALSSetCount(s.get(), 2);  // the first particle first, angle before radius
             return std::vector<Field>{
                 {"0 angle", s->particles[0], r[0] % 1023},
                 {"0 radius", s->particles[2], r[1] % 300},
                 {"1 angle", s->particles[3], r[2] % 1023},
                 {"1 radius", s->particles[5], r[3] % 300},
             };
         }},
    };
}

TEST(DrawOrder, EachFieldTakesItsOwnDraw) {
    for (const Module& set : Modules()) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            std::vector<int32_t> r(static_cast<size_t>(set.draws));
            for (int32_t i = 0; i < set.draws; ++i) {
                r[static_cast<size_t>(i)] = DrawAfter(seed, i + 1);
            }
            for (const Field& f : set.run(seed, r.data())) {
                ASSERT_EQ(f.want, f.got) << set.module << " " << f.name << ", seed " << seed;
            }
            EXPECT_EQ(StateAfter(seed, set.draws), RNGState()) << set.module << ", seed " << seed;
        }
    }
}

}  // namespace
