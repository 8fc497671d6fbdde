// A frame of the demo must not allocate: after start-up and the first music
// step (which creates the music's scratch buffer once), whole frames, scene
// changes and fade-outs run without a single call to the allocator.
//
// The allocator is counted by interposing malloc, calloc and realloc over the
// C library's own, which sanitizer runtimes also do; under a sanitizer the
// check is left out.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>

#include "demo/moxa7730.h"
#include "platform/fps.h"
#include "tests/demo/demo_support.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define MOXA_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define MOXA_SANITIZED 1
#endif

#ifndef MOXA_SANITIZED
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
}

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

extern "C" void* malloc(size_t size) {
    if (counting) ++allocations;
    return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size) {
    if (counting) ++allocations;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, size_t size) {
    if (counting) ++allocations;
    return __libc_realloc(p, size);
}

TEST(Frame, RunsWithoutAllocating) {
    StartOnce();
    infoFlags = 1;  // the overlay draws too
    for (int i = 0; i < 3; ++i) MOXA7730CommonLayers();  // first music step

    counting = true;
    allocations = 0;
    void* probe = std::malloc(16);  // the counter itself works
    std::free(probe);
    ASSERT_EQ(1, allocations);
    allocations = 0;
    for (int i = 0; i < 200; ++i) {  // twenty music steps at the default period
        MOXA7730CommonLayers();
        if (i == 100) MOXA7730FadeOut();
    }
    counting = false;
    EXPECT_EQ(0, allocations);
    EXPECT_GE(frameCount, 203);
}

// Every scene's frames, with every key but the quit keys pressed in turn (glow,
// blur, fading, radials, overlay, both rates, the scroll speed, space): set-ups
// may allocate (the objects of a first visit), frames never do. A second set-up
// of the plasma scene reuses its rasters.
TEST(Frame, EverySceneRunsWithoutAllocatingWhateverTheKeys) {
    StartOnce();
    for (int i = 0; i < 3; ++i) MOXA7730CommonLayers();
    struct Scene {
        char name;
        void (*setUp)();
        void (*draw)(int32_t);
    };
    const Scene scenes[] = {{'A', MOXA7730SetUpA, MOXA7730DrawA}, {'B', MOXA7730SetUpB, MOXA7730DrawB},
                            {'C', MOXA7730SetUpC, MOXA7730DrawC}, {'D', MOXA7730SetUpD, MOXA7730DrawD},
                            {'E', MOXA7730SetUpE, MOXA7730DrawE}};
    const char keys[] = "gb8ur6mi5 r9g1b2m3u4i7 ";
    for (const Scene& scene : scenes) {
        scene.setUp();
        counting = true;
        allocations = 0;
        if (scene.name == 'B') scene.setUp();
        for (int32_t f = 0; f < 2 * static_cast<int32_t>(sizeof keys); ++f) {
            scene.draw(1000 - f);
            MOXA7730CommonLayers();
            MOXA7730HandleKey(static_cast<int8_t>(keys[f % (sizeof keys - 1)]));
            (void)MOXA7730SceneShouldEnd();
        }
        MOXA7730FadeOut();
        counting = false;
        EXPECT_EQ(0, allocations) << "scene " << scene.name;
    }
}
#endif
