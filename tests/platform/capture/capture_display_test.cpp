// The display over the capture backend, where a mode can be refused on
// purpose (sides above 16384): a failed open must not leave the former mode
// in the record, or start-up's size check would pass with no screen held.
#include <gtest/gtest.h>

#include "core/report.h"
#include "platform/capture/capture.h"
#include "platform/sdldpy.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {

TEST(CaptureDisplay, AFailedOpenReportsFailureAndLeavesNoMode) {
    SDLDPY* dpy = SDLDPYInstance() != nullptr ? SDLDPYInstance() : SDLDPYNew();
    ASSERT_NE(dpy, nullptr);
    EXPECT_TRUE(SDLDPYOpen(dpy, 256, 256));
    EXPECT_EQ(dpy->width, 256);
    EXPECT_EQ(dpy->height, 256);
    EXPECT_EQ(dpy->depth, 32);

    const uint64_t reports = REPORTCount();
    EXPECT_FALSE(SDLDPYOpen(dpy, 20000, 256));  // the device refuses the mode
    EXPECT_EQ(REPORTCount(), reports + 1);
    EXPECT_EQ(dpy->width, 0) << "the former 256 x 256 must not survive the failure";
    EXPECT_EQ(dpy->height, 0);
    EXPECT_EQ(dpy->depth, 0);

    // Nothing is shown without a screen.
    Owned<IMG, IMGFree> img(Sized(256, 256));
    const int64_t shown = CAPTUREPresentations();
    SDLDPYPresent(dpy, img.get());
    EXPECT_EQ(CAPTUREPresentations(), shown);

    // Refused arguments reach no device and change nothing.
    EXPECT_FALSE(SDLDPYOpen(dpy, -1, 256));
    EXPECT_FALSE(SDLDPYOpen(nullptr, 256, 256));

    EXPECT_TRUE(SDLDPYOpen(dpy, 256, 256));
    EXPECT_EQ(dpy->width, 256);
    SDLDPYPresent(dpy, img.get());
    EXPECT_EQ(CAPTUREPresentations(), shown + 1);
}

}  // namespace
