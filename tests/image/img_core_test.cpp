// Tests of the image record: life cycle, size changes, pixel access and clipping.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

TEST(ImgCore, IdentityRecord) {
    const char* const want[5] = {"IMG     ", "20120518", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(want[i], IMG_IDENTITY[i]) << "entry " << i;
        EXPECT_EQ(8u, std::strlen(IMG_IDENTITY[i]));
    }
}

TEST(ImgCore, NewIsSixteenSquareAndBlack) {
    Img img(IMGNew());
    ASSERT_NE(nullptr, img.get());
    EXPECT_EQ(16, img->width);
    EXPECT_EQ(16, img->height);
    ASSERT_NE(nullptr, img->pixels);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(0u, img->pixels[i]) << i;
}

TEST(ImgCore, FreeClearsTheReferenceAndReportsASecondFree) {
    IMG* img = IMGNew();
    const uint64_t before = REPORTCount();
    IMGFree(&img);
    EXPECT_EQ(nullptr, img);
    EXPECT_EQ(before, REPORTCount());
    IMGFree(&img);  // reference already null: report only
    EXPECT_EQ(nullptr, img);
    IMGFree(nullptr);
    EXPECT_EQ(before + 2, REPORTCount());
}

TEST(ImgCore, PixelsAreRowByRow) {
    Img img(Sized(5, 3));
    IMGSetPixel(img.get(), 4, 2, 0x123456u);
    IMGSetPixel(img.get(), 1, 0, 0x000001u);
    EXPECT_EQ(0x123456u, img->pixels[14]);
    EXPECT_EQ(0x000001u, img->pixels[1]);
    EXPECT_EQ(0x123456u, IMGGetPixel(img.get(), 4, 2));
    // A write stores the word unmasked.
    IMGSetPixel(img.get(), 0, 1, 0xFF00FF00u);
    EXPECT_EQ(0xFF00FF00u, IMGGetPixel(img.get(), 0, 1));
    // clang-format off
    ExpectPicture(img.get(), {".#...",
                              "#....",
                              "....#"});
    // clang-format on
}

TEST(ImgCore, PixelAccessOutsideIsIgnoredSilently) {
    Img img(Sized(4, 3));
    const uint64_t before = REPORTCount();
    const int32_t outside[][2] = {
        {-1, 0}, {4, 0}, {0, 3}, {0, -1}, {INT32_MIN, 0}, {0, INT32_MAX}, {INT32_MAX, INT32_MAX},
        {-1, -1}};
    for (const auto& p : outside) {
        IMGSetPixel(img.get(), p[0], p[1], 0xFFFFFFu);
        IMGPutPixel(img.get(), p[0], p[1], 0xFFFFFFu);
        EXPECT_EQ(0u, IMGGetPixel(img.get(), p[0], p[1]));
        EXPECT_EQ(0u, IMGFetchPixel(img.get(), p[0], p[1]));
    }
    EXPECT_EQ(before, REPORTCount());
    for (int i = 0; i < 12; ++i) EXPECT_EQ(0u, img->pixels[i]);
    // The corners are inside.
    IMGPutPixel(img.get(), 3, 2, 7u);
    IMGSetPixel(img.get(), 0, 0, 9u);
    EXPECT_EQ(7u, IMGFetchPixel(img.get(), 3, 2));
    EXPECT_EQ(7u, IMGPixelAt(img.get(), 3, 2));
    EXPECT_EQ(9u, IMGGetPixel(img.get(), 0, 0));
}

TEST(ImgCore, SetSizeDiscardsTheOldContent) {
    Img img(IMGNew());
    for (int i = 0; i < 16; ++i) IMGSetPixel(img.get(), i, i, 0xFFFFFFu);
    IMGSetSize(img.get(), 7, 2);
    EXPECT_EQ(7, img->width);
    EXPECT_EQ(2, img->height);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(0u, img->pixels[i]);
    IMGSetSize(img.get(), 16, 16);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(0u, img->pixels[i]);
}

TEST(ImgCore, SetSizeWithAZeroSideKeepsAnArray) {
    Img img(Sized(0, 5));
    const uint64_t before = REPORTCount();
    EXPECT_EQ(0, img->width);
    EXPECT_EQ(5, img->height);
    EXPECT_NE(nullptr, img->pixels);
    IMGSetPixel(img.get(), 0, 0, 1u);
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 0, 0));
    EXPECT_EQ(before, REPORTCount());
}

// A size product that overflows, or a negative side, must not leave a size
// that disagrees with the array: the image becomes an empty 0 x 0 one.
TEST(ImgCore, SetSizeRefusesImpossibleSizesAndLeavesAnEmptyImage) {
    const int32_t bad[][2] = {{65536, 65536},         {INT32_MAX, 2},  {2, INT32_MAX},
                              {INT32_MAX, INT32_MAX}, {-1, 4},         {4, -1},
                              {INT32_MIN, INT32_MIN}, {-65536, -65536}};
    for (const auto& s : bad) {
        Img img(IMGNew());
        IMGSetPixel(img.get(), 1, 1, 0xFFu);
        const uint64_t before = REPORTCount();
        IMGSetSize(img.get(), s[0], s[1]);
        EXPECT_EQ(before + 1, REPORTCount()) << s[0] << " x " << s[1];
        EXPECT_EQ(0, img->width);
        EXPECT_EQ(0, img->height);
        ASSERT_NE(nullptr, img->pixels);
        // The empty image stays usable.
        IMGSetPixel(img.get(), 0, 0, 1u);
        EXPECT_EQ(0u, IMGGetPixel(img.get(), 0, 0));
        Img copy(IMGClone(img.get()));
        ASSERT_NE(nullptr, copy.get());
        EXPECT_TRUE(IMGEqual(img.get(), copy.get()));
        IMGSetSize(img.get(), 3, 3);
        EXPECT_EQ(3, img->width);
        EXPECT_EQ(0u, IMGGetPixel(img.get(), 2, 2));
    }
}

TEST(ImgCore, EqualComparesSizeAndEveryPixel) {
    Img a(Sized(4, 2));
    Img b(Sized(2, 4));  // same pixel count, other shape
    const uint64_t before = REPORTCount();
    EXPECT_FALSE(IMGEqual(a.get(), b.get()));
    IMGSetSize(b.get(), 4, 2);
    EXPECT_TRUE(IMGEqual(a.get(), b.get()));
    IMGSetPixel(b.get(), 3, 1, 1u);  // the very last pixel
    EXPECT_FALSE(IMGEqual(a.get(), b.get()));
    EXPECT_TRUE(IMGEqual(a.get(), a.get()));
    EXPECT_EQ(before, REPORTCount());  // unequal is not an error
}

TEST(ImgCore, CloneIsADeepCopy) {
    Img img(Sized(3, 2));
    IMGSetPixel(img.get(), 0, 0, 0x010203u);
    IMGSetPixel(img.get(), 2, 1, 0xFF000000u);
    Img copy(IMGClone(img.get()));
    ASSERT_NE(nullptr, copy.get());
    EXPECT_NE(img->pixels, copy->pixels);
    EXPECT_EQ(3, copy->width);
    EXPECT_EQ(2, copy->height);
    EXPECT_TRUE(IMGEqual(img.get(), copy.get()));
    IMGSetPixel(copy.get(), 1, 1, 5u);
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 1, 1));
    EXPECT_FALSE(IMGEqual(img.get(), copy.get()));

    Img thin(Sized(0, 5));
    Img thinCopy(IMGClone(thin.get()));
    ASSERT_NE(nullptr, thinCopy.get());
    EXPECT_EQ(0, thinCopy->width);
    EXPECT_EQ(5, thinCopy->height);
    EXPECT_TRUE(IMGEqual(thin.get(), thinCopy.get()));
}

TEST(ImgCore, NullArgumentsReportAndYieldNothing) {
    Img img(IMGNew());
    IMG bare{4, 4, nullptr};  // a record without pixels
    const uint64_t before = REPORTCount();
    EXPECT_FALSE(IMGEqual(nullptr, img.get()));
    EXPECT_FALSE(IMGEqual(img.get(), nullptr));
    EXPECT_EQ(nullptr, IMGClone(nullptr));
    IMGSetSize(nullptr, 4, 4);
    IMGSetPixel(nullptr, 0, 0, 1u);
    IMGSetPixel(&bare, 0, 0, 1u);
    IMGPutPixel(nullptr, 0, 0, 1u);
    IMGPutPixel(&bare, 0, 0, 1u);
    EXPECT_EQ(0u, IMGGetPixel(nullptr, 0, 0));
    EXPECT_EQ(0u, IMGGetPixel(&bare, 0, 0));
    EXPECT_EQ(0u, IMGFetchPixel(nullptr, 0, 0));
    EXPECT_EQ(before + 11, REPORTCount());
}
}  // namespace
