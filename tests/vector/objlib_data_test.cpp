// The compiled-in object library: entry order and names, segment counts,
// colours and grid bounds, read back through the real parser.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/list.h"
#include "tests/support/test_support.h"
#include "tests/support/objects.h"
#include "vector/obj2d.h"
#include "vector/seg2d.h"
#include "vector/texts.h"
#include "vector/vec2d.h"

namespace {

using ListHolder = Owned<LIST, OBJ2DListFree>;

// Entries by index; nullptr marks the five entries that have no name line.
const char* const kNames[87] = {
    "apple1",     "apple2",     "ball1",       "ball2",       "ball3",       "ball4",
    "bird1",      "bird2",      "birds1",      "birds2",      "brick1",      "brick2",
    "cadeau1",    "candle1",    "candle2",     "candle3",     nullptr,       "car1",
    "car2",       "car3",       "circle1",     "circle2",     "circle3",     "clobber",
    "cloud1",     "cloud2",     "clouds1",     "clouds2",     nullptr,       "cubeClear1",
    "droplet1",   "droplet2",   "droplet3",    nullptr,       "female1",     "flower1",
    "flower2",    "flower3",    "flower4",     "fruit1",      "fruit2",      "heart",
    "house1",     "house2",     "kiss1",       nullptr,       "lips2",       nullptr,
    "lolipop2",   "lolipopBig1", "lolipopBig2", "male1",      "maple",       "maple2",
    "mug1",       "mug2",       "mug3",        "paquet1",     "paquet2",     "pear1",
    "pentagon",   "polo1",      "polo2",       "smile1",      "smile2",      "smileFace1",
    "smileFace2", "smileFace3", "smileFace4",  "smileFace5",  "square1",     "star2",
    "star",       "star3",      "star4",       "star5",       "sun1",        "sun2",
    "sunSmile1",  "sweet1",     "sweet2",      "sweet3",      "tree1",       "triangle1",
    "wheel1",     "wheel2",     "wheel3",
};

constexpr int kSquare1 = 70;
constexpr int kTriangle1 = 83;
constexpr int kWheel2 = 85;
constexpr int kWheel3 = 86;

class ObjLib : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(list_.get(), nullptr);
        ASSERT_EQ(list_->count, 87);
        for (int i = 0; i < 87; ++i) {
            const OBJ2D* obj = Entry(list_.get(), i);
            ASSERT_NE(obj, nullptr) << "entry " << i;
            ASSERT_NE(obj->segments, nullptr) << "entry " << i;
            ASSERT_NE(obj->points, nullptr) << "entry " << i;
        }
    }
    ListHolder list_{OBJ2DListFromASCII(OBJLIB_TEXT)};
};

TEST(ObjLibText, IsPlainAsciiWithLineFeedsAndOneColourLine) {
    const std::string text = OBJLIB_TEXT;
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');  // the parser drops a last token followed by the end
    for (unsigned char c : text) {
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c);
    }
    size_t colourLines = 0;
    for (size_t at = text.find("color"); at != std::string::npos; at = text.find("color", at + 1)) ++colourLines;
    EXPECT_EQ(colourLines, 1u);
    // Outside comments a "-" would leave a negative sign pending, which the
    // parser carries over into the next text it reads.
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t lineEnd = text.find('\n', lineStart);
        const std::string line = text.substr(lineStart, lineEnd - lineStart);
        if (line.empty() || line[0] != '#') {
            EXPECT_EQ(line.find('-'), std::string::npos) << line;
        }
        lineStart = lineEnd + 1;
    }
}

TEST_F(ObjLib, EntriesAreNamedByIndex) {
    for (int i = 0; i < 87; ++i) {
        const OBJ2D* obj = Entry(list_.get(), i);
        if (kNames[i] == nullptr) {
            EXPECT_EQ(obj->name, nullptr) << "entry " << i;
        } else {
            ASSERT_NE(obj->name, nullptr) << "entry " << i;
            EXPECT_STREQ(obj->name, kNames[i]) << "entry " << i;
        }
    }
}

TEST_F(ObjLib, SegmentCountsStayWithinTheirBounds) {
    int total = 0;
    for (int i = 0; i < 87; ++i) {
        const OBJ2D* obj = Entry(list_.get(), i);
        const int n = obj->segments->count;
        total += n;
        EXPECT_GE(n, 3) << "entry " << i;
        EXPECT_LE(n, 28) << "entry " << i;
        if (i != kTriangle1) {
            EXPECT_GT(n, 3) << "only triangle1 is that small: entry " << i;
        }
        if (i != kWheel2 && i != kWheel3) {
            EXPECT_LT(n, 28) << "only the wheels are that large: entry " << i;
        }
        EXPECT_EQ(obj->points->count, 2 * n) << "entry " << i;
    }
    EXPECT_EQ(total, 1273);
    EXPECT_EQ(Entry(list_.get(), kTriangle1)->segments->count, 3);
    EXPECT_EQ(Entry(list_.get(), kWheel2)->segments->count, 28);
    EXPECT_EQ(Entry(list_.get(), kWheel3)->segments->count, 28);
}

TEST_F(ObjLib, EveryPointIsWhiteAndOnTheGrid) {
    int onEdge = 0;
    int coordinates = 0;
    for (int i = 0; i < 87; ++i) {
        const OBJ2D* obj = Entry(list_.get(), i);
        for (int k = 0; k < obj->segments->count; ++k) {
            const SEG2D* s = Seg(obj, k);
            // the object's points are the segment's own endpoints
            EXPECT_EQ(LISTGet(obj->points, 2 * k), s->start) << "entry " << i;
            EXPECT_EQ(LISTGet(obj->points, 2 * k + 1), s->end) << "entry " << i;
            for (const VEC2D* p : {s->start, s->end}) {
                EXPECT_EQ(p->colour, 0x00FFFFFFu) << "entry " << i << " segment " << k;
                for (int32_t v : {p->x, p->y}) {
                    EXPECT_GE(v, 0) << "entry " << i << " segment " << k;
                    EXPECT_LE(v, 15) << "entry " << i << " segment " << k;
                    onEdge += v == 15;
                    ++coordinates;
                }
            }
            EXPECT_FALSE(s->start->x == s->end->x && s->start->y == s->end->y)
                << "entry " << i << " segment " << k << " is a single point";
        }
    }
    EXPECT_LT(onEdge * 50, coordinates);  // the designs keep to 0 .. 14 but for a few strokes
}

TEST_F(ObjLib, Square1IsTheSquareOutline) {
    const OBJ2D* sq = Entry(list_.get(), kSquare1);
    ASSERT_EQ(sq->segments->count, 4);
    EXPECT_EQ(Picture(sq), (std::vector<std::string>{"0,0>0,14", "0,14>14,14", "14,14>14,0", "14,0>0,0"}));
    // (14,14) ends the second segment; the third's start is as far, but starts
    // are never compared, and the later ends are nearer.
    EXPECT_EQ(sq->farthest, 3);
}

TEST_F(ObjLib, NoTwoEntriesDrawTheSamePicture) {
    std::set<std::vector<std::string>> seen;
    for (int i = 0; i < 87; ++i) {
        EXPECT_TRUE(seen.insert(Picture(Entry(list_.get(), i))).second) << "entry " << i << " repeats another";
    }
}

}  // namespace
