// Tests of IMGFX's operations beside the filters: the fit check, the line
// walk, and every operation refusing null images.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "core/report.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

TEST(ImgFxOps, CheckFitWantsTheFirstImageAtLeastAsLarge) {
    Img a(Sized(256, 256));
    Img b(Sized(257, 10));
    Img c(Sized(256, 256));
    int reference = 0;
    const uint64_t before = REPORTCount();
    EXPECT_FALSE(IMGFXCheckFit(a.get(), &reference, b.get()));
    EXPECT_FALSE(IMGFXCheckFit(a.get(), nullptr, c.get()));
    EXPECT_TRUE(IMGFXCheckFit(a.get(), &reference, c.get()));
    EXPECT_TRUE(IMGFXCheckFit(b.get(), &reference, Img(Sized(3, 10)).get()));
    EXPECT_EQ(before + 2, REPORTCount());
}

TEST(ImgFxOps, DrawLineIsTheClippedLineWalk) {
    struct Line {
        int32_t x0, y0, x1, y1;
    };
    const Line lines[] = {{-5, -3, 20, 9},          {3, 1, 3, 1},
                          {INT32_MIN, 4, INT32_MAX, 5}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
                          {-100, 50, 100, -50},      {7, -1000000000, 8, 1000000000}};
    for (const Line& l : lines) {
        Img fx(Sized(16, 12));
        Img plain(Sized(16, 12));
        IMGFXDrawLine(fx.get(), l.x0, l.y0, l.x1, l.y1, 0xFF);
        IMGDrawLine(plain.get(), l.x0, l.y0, l.x1, l.y1, 0xFF);
        EXPECT_TRUE(IMGEqual(plain.get(), fx.get())) << l.x0 << "," << l.y0 << " " << l.x1 << "," << l.y1;
    }
}

TEST(ImgFxOps, EveryOperationRefusesNullImages) {
    Img img(Sized(8, 8));
    IMG noPixels{8, 8, nullptr};
    const std::vector<std::function<void(IMG*)>> calls = {
        [&](IMG* p) { IMGFXDrawLine(p, 0, 0, 5, 5, 1); },
        [&](IMG* p) { IMGFXScale(p, img.get()); },
        [&](IMG* p) { IMGFXScale(img.get(), p); },
        [&](IMG* p) { EXPECT_EQ(nullptr, IMGFXRotoZoom(p, 3)); },
        [&](IMG* p) { IMGFXSubtract(p, 0x010101); },
        [&](IMG* p) { IMGFXBlitHalf(p, img.get(), 0, 0); },
        [&](IMG* p) { IMGFXCopyRowWrap(img.get(), p, 0, 0, 1); },
        [&](IMG* p) { IMGFXOrRowWrap(p, img.get(), 0, 0, 1); },
        [&](IMG* p) { IMGFXAnd(p, img.get()); },
        [&](IMG* p) { IMGFXCopyColumnWrap(p, img.get(), 0, 0, 1); },
        [&](IMG* p) { IMGFXBlitSpaced(p, img.get(), 0, 0, 0, 0, 2, 2, 1, 1); },
        [&](IMG* p) { IMGFXFillRect(p, 0, 0, 2, 2, 1); },
        [&](IMG* p) { IMGFXDrawRect(p, 0, 0, 2, 2, 1); },
        [&](IMG* p) { IMGFXCopyRow(img.get(), p, 0, 0); },
        [&](IMG* p) { IMGFXDrawCircle(p, 4, 4, 2, 1); },
        [&](IMG* p) { IMGFXBlitAdd(p, img.get(), 0, 0, 0, 0, 2, 2); },
        [&](IMG* p) { IMGFXBlitOpaque(img.get(), p, 0, 0, 0, 0, 2, 2); },
        [&](IMG* p) { IMGFXBlitAddSat(p, img.get(), 0, 0, 0, 0, 2, 2); },
        [&](IMG* p) { IMGFXInvert(p); },
        [&](IMG* p) { IMGFXInvertRect(p, 0, 0, 2, 2); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        const uint64_t before = REPORTCount();
        calls[i](nullptr);
        calls[i](&noPixels);
        EXPECT_EQ(before + 2, REPORTCount()) << "operation " << i;
    }
    ExpectPicture(img.get(), {"........", "........"});
    const uint64_t before = REPORTCount();
    EXPECT_EQ(0u, IMGFXFindMarker(nullptr, "P3"));
    EXPECT_EQ(4u, IMGFXFindMarker("IMG{", "G{"));
    EXPECT_EQ(before + 1, REPORTCount());
}
}  // namespace
