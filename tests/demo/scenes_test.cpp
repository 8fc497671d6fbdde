// The scenes and what start-up makes for them: the compiled-in texts, each
// scene's set-up (fade colour, music period, and its exact count and order of
// random draws), the first frame of the bars, the credit page, the plasma and
// spiral indices over long runs, and the scroller keys.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "core/list.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "effects/lspiral.h"
#include "effects/raster.h"
#include "image/img.h"
#include "platform/fps.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "tests/demo/demo_support.h"
#include "text/cursorx.h"
#include "text/lscroll.h"
#include "vector/csine.h"
#include "vector/lfont.h"
#include "vector/sine.h"

namespace {

std::vector<std::string> Lines(const char* text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += *p;
        }
    }
    EXPECT_TRUE(line.empty()) << "the text ends with a line feed";
    return lines;
}

// Index of the first line equal to want at or after `from`, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& want, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i] == want) return i;
    }
    return -1;
}

void ExpectBytesBelow128(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        ASSERT_LT(static_cast<unsigned char>(*p), 128u) << "at " << (p - text);
        ASSERT_NE(0, *p);
    }
}

// Scene objects of a first visit, released so that the next set-up is one.
void ForgetFirstVisits() {
    if (spiral1 != nullptr) LSPIRALFree(&spiral1);
    if (spiral2 != nullptr) LSPIRALFree(&spiral2);
    if (figures != nullptr) {
        for (int32_t i = 0; i < figures->count; ++i) {
            auto* figure = static_cast<CSINE*>(LISTGet(figures, i));
            CSINEFree(&figure);
        }
        LISTFree(&figures);
    }
}

// Whole image as a list of words, for comparing pictures.
std::vector<uint32_t> Picture() {
    return std::vector<uint32_t>(
        imgWork->pixels, imgWork->pixels + static_cast<size_t>(imgWork->width) * imgWork->height);
}

// [SECTION] Texts

TEST(Texts, ScrollTextShape) {
    EXPECT_EQ(static_cast<size_t>(SCROLL_TEXT_LENGTH), std::strlen(scrollText));
    EXPECT_EQ(1042u, std::strlen(scrollText));
    ExpectBytesBelow128(scrollText);
    const std::vector<std::string> lines = Lines(scrollText);
    ASSERT_EQ(57u, lines.size());
    int withoutBlank = 0;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 32u) << line;
        if (line.empty() || line.back() != ' ') ++withoutBlank;
    }
    EXPECT_EQ(3, withoutBlank);
    // Two empty lines, then two blank ones.
    EXPECT_EQ("", lines[0]);
    EXPECT_EQ("", lines[1]);
    EXPECT_EQ(" ", lines[2]);
    EXPECT_EQ(" ", lines[3]);
    // The quoted lines, in this order.
    const char* const quoted[] = {
        "DATE: 20120707",
        "PLEASE, DON'T USE DRUGS. ",
        "DRUGS ARE BAD FOR THE HEALTH. ",
        "THANKS! ",
        "PRESS KEYS: ",
        "5: 25 F.P.S.  ",
        "6: FASTEST F.P.S.  ",
        "8: FRAMES PER SECOND (F.P.S.)  ",
        "U,I,O,P: SCROLL SPEED  ",
        "ESC,Q: EXIT  ",
        "SPACE: NEXT PART  ",
        "M: FADE ON/OFF  ",
        "B: BLURR ON/OFF  ",
        "R: RADIALS ON/OFF  ",
        "SAY NO TO DRUGS. ",
        "... ",
    };
    int at = 4;
    for (const char* q : quoted) {
        const int found = IndexOf(lines, q, at);
        ASSERT_GE(found, at) << "missing or out of order: \"" << q << "\"";
        at = found + 1;
    }
    // The character test comes last: codes 33 to 57, then a blank.
    std::string test;
    for (char c = 33; c <= 57; ++c) test += c;
    EXPECT_EQ(test + " ", lines.back());
    // The quotation after the greetings.
    std::string all(scrollText);
    const size_t quote = all.find("EVERYONE HAS THE RIGHT TO LIFE,");
    EXPECT_NE(std::string::npos, quote);
    EXPECT_GT(quote, all.find("... \n"));
}

TEST(Texts, CreditTextShape) {
    EXPECT_EQ(static_cast<size_t>(CREDIT_TEXT_LENGTH), std::strlen(creditText));
    EXPECT_EQ(267u, std::strlen(creditText));
    ExpectBytesBelow128(creditText);
    const std::vector<std::string> lines = Lines(creditText);
    for (int i = 0; i < 17; ++i) EXPECT_EQ("", lines[i]) << i;  // the page enters from below
    for (size_t i = 17; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].empty()) << i;
        EXPECT_LE(lines[i].size(), 13u) << lines[i];
    }
    EXPECT_EQ("DEMO", lines[18]);
    const int separator = IndexOf(lines, "@@@", 17);
    const int party = IndexOf(lines, "PARTY", separator);
    const int date = IndexOf(lines, "20120707", party);
    const int plus = IndexOf(lines, "+++", date);
    const int stars = IndexOf(lines, "***", plus);
    const int greetings = IndexOf(lines, "GREETINGS TO:", stars);
    EXPECT_EQ(20, separator);
    EXPECT_EQ(party + 1, date);
    EXPECT_EQ(date + 1, plus);
    EXPECT_EQ(plus + 7, stars);  // year, month, season, city, country, event
    EXPECT_EQ(stars + 1, greetings);
    EXPECT_EQ("...", lines.back());
}

// [SECTION] Start-up

TEST(StartUp, MakesTheBarsAndTheScrollerWall) {
    StartOnce();
    ASSERT_NE(nullptr, barCursor);
    ASSERT_NE(nullptr, barRaster);
    EXPECT_EQ(imgWork->width, barRaster->count);
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        ASSERT_NE(nullptr, scrollers[i]) << i;
        EXPECT_EQ(8 * i, scrollers[i]->y) << i;  // written after the set that zeroes it
        EXPECT_EQ(scrollText, scrollers[i]->text);
        EXPECT_EQ(imgWork, scrollers[i]->image);
        EXPECT_EQ(writer8, scrollers[i]->font);
        EXPECT_EQ(256, scrollers[i]->width);
    }
}

TEST(StartUp, KeysUAndIChangeOnlyTheFirstScrollersSpeed) {
    StartOnce();
    const int32_t s0 = scrollers[0]->speed;
    const int32_t s1 = scrollers[1]->speed;
    MOXA7730HandleKey('u');
    MOXA7730HandleKey('u');
    EXPECT_EQ(s0 + 2, scrollers[0]->speed);
    MOXA7730HandleKey('i');
    EXPECT_EQ(s0 + 1, scrollers[0]->speed);
    EXPECT_EQ(s1, scrollers[1]->speed);
    // Far below zero is a speed like any other; at the end of the range it wraps.
    scrollers[0]->speed = INT32_MIN;
    MOXA7730HandleKey('i');
    EXPECT_EQ(INT32_MAX, scrollers[0]->speed);
    MOXA7730HandleKey('u');
    EXPECT_EQ(INT32_MIN, scrollers[0]->speed);
    scrollers[0]->speed = s0;
}

// [SECTION] Set-ups: fade colour, music period and the draws they make

TEST(SetUp, SceneADrawsTheBarSweep) {
    StartOnce();
    // On the first visit (after the seeding and the bank's 32 draws): step 14,
    // offset step 1.
    RNGSeed(StateAfter(RNG_DEMO_SEED, 32));
    MOXA7730SetUpA();
    EXPECT_EQ(StateAfter(RNG_DEMO_SEED, 34), RNGState());
    EXPECT_EQ(0x040201u, fadeColour);
    EXPECT_EQ(48, music->period);
    EXPECT_EQ(1024, barCursor->size);
    EXPECT_EQ(14, barCursor->step);
    EXPECT_EQ(1, barCursor->offsetStep);
}

TEST(SetUp, SceneBDrawsNothingAndKeepsItsRasters) {
    StartOnce();
    const uint32_t before = RNGState();
    MOXA7730SetUpB();
    EXPECT_EQ(before, RNGState());
    EXPECT_EQ(0x404040u, fadeColour);
    EXPECT_EQ(64, music->period);
    ASSERT_NE(nullptr, plasmaV);
    ASSERT_NE(nullptr, plasmaH);
    EXPECT_EQ(imgWork->width, plasmaV->count);
    EXPECT_EQ(imgWork->height, plasmaH->count);
    // The band table: six segments, each rising from black and falling back.
    EXPECT_EQ(0u, bandTable[0]);
    EXPECT_EQ(0xFF0000u, bandTable[255]);
    EXPECT_EQ(0xFF0000u, bandTable[256]);
    EXPECT_EQ(0u, bandTable[511]);
    EXPECT_EQ(0x010100u, bandTable[512 + 1]);
    EXPECT_EQ(0x00FF00u, bandTable[1024 + 255]);
    EXPECT_EQ(0x000101u, bandTable[1536 + 510]);
    EXPECT_EQ(0x0000FFu, bandTable[2048 + 256]);
    EXPECT_EQ(0x800080u, bandTable[3071 - 128]);
    // A second visit keeps the same two rasters instead of dropping them.
    RASTER* v = plasmaV;
    RASTER* h = plasmaH;
    MOXA7730SetUpB();
    EXPECT_EQ(v, plasmaV);
    EXPECT_EQ(h, plasmaH);
}

TEST(SetUp, SceneCDrawsFourInItsOrder) {
    StartOnce();
    const uint32_t s = 0x1234567u;
    RNGSeed(s);
    scrollers[5]->y = 999;
    MOXA7730SetUpC();
    EXPECT_EQ(StateAfter(s, 4), RNGState());
    const uint32_t r1 = static_cast<uint32_t>(DrawAfter(s, 1));
    EXPECT_EQ(((r1 & 0x3Fu) | 0x40u) * 0x010101u, fadeColour);
    EXPECT_EQ(DrawAfter(s, 2) % 7 + 8, barCursor->step);
    EXPECT_EQ(DrawAfter(s, 3) % 2 + 1, barCursor->offsetStep);
    EXPECT_EQ(DrawAfter(s, 4) % 28 + 4, colourStride);
    EXPECT_EQ(80, music->period);
    EXPECT_EQ(40, scrollers[5]->y);
}

TEST(SetUp, SceneDResetsBothSpiralsBeforeItsFadeDraw) {
    StartOnce();
    ForgetFirstVisits();
    const uint32_t s = 77u;
    RNGSeed(s);
    MOXA7730SetUpD();  // first visit: two news (12 draws each), two resets (6 each), the fade
    EXPECT_EQ(StateAfter(s, 37), RNGState());
    const uint32_t r = static_cast<uint32_t>(DrawAfter(s, 37));
    EXPECT_EQ(((r & 0x3Fu) | 0x40u) * 0x010101u, fadeColour);
    EXPECT_EQ(96, music->period);
    // The resets: spiral 1 from draws 25..30, spiral 2 from 31..36.
    EXPECT_EQ(DrawAfter(s, 25) & 1023, spiral1->angle.x);
    EXPECT_EQ(DrawAfter(s, 31) & 1023, spiral2->angle.x);
    EXPECT_EQ((DrawAfter(s, 36) & 7) + 1, spiral2->radiusStep);

    LSPIRAL* first = spiral1;
    RNGSeed(s);
    MOXA7730SetUpD();  // later visits: the two resets and the fade
    EXPECT_EQ(first, spiral1);
    EXPECT_EQ(StateAfter(s, 13), RNGState());
    EXPECT_EQ(DrawAfter(s, 1) & 1023, spiral1->angle.x);
    const uint32_t r2 = static_cast<uint32_t>(DrawAfter(s, 13));
    EXPECT_EQ(((r2 & 0x3Fu) | 0x40u) * 0x010101u, fadeColour);
}

TEST(SetUp, SceneEMakesItsFiguresThenDrawsItsFade) {
    StartOnce();
    ForgetFirstVisits();
    music->period = 96;  // what scene D leaves
    const uint32_t s = 4242u;
    RNGSeed(s);
    MOXA7730SetUpE();
    ASSERT_NE(nullptr, figures);
    const int32_t n = figures->count;
    EXPECT_EQ(DrawAfter(s, 1) % 3 + 5, n);
    // One draw for the count; per figure ten to randomise and one for its
    // colour; then the fade.
    const int32_t draws = 1 + 11 * n + 1;
    EXPECT_EQ(StateAfter(s, draws), RNGState());
    const uint32_t r = static_cast<uint32_t>(DrawAfter(s, draws));
    EXPECT_EQ((r & 0x7Fu) * 0x010101u + 0x010101u, fadeColour);
    EXPECT_EQ(96, music->period);
    for (int32_t i = 0; i < n; ++i) {
        const auto* figure = static_cast<const CSINE*>(LISTGet(figures, i));
        EXPECT_EQ(256, figure->width);
        EXPECT_EQ(256, figure->height);
        EXPECT_EQ(128, figure->baseRadius);
    }
    // The last figure is set up first: its colour is draw 12 (after the count
    // and its ten), a palette entry.
    const auto* last = static_cast<const CSINE*>(LISTGet(figures, n - 1));
    EXPECT_EQ(static_cast<uint32_t>(palette->values[DrawAfter(s, 12) % PALETTE_SIZE]),
              last->colour);

    // A later visit keeps the figures and skips the count.
    RNGSeed(s);
    MOXA7730SetUpE();
    EXPECT_EQ(n, figures->count);
    EXPECT_EQ(StateAfter(s, 11 * n + 1), RNGState());
}

// [SECTION] Frames

TEST(Frames, NoSceneFrameDrawsARandomNumber) {
    StartOnce();
    MOXA7730SetUpA();
    MOXA7730SetUpB();
    MOXA7730SetUpC();
    MOXA7730SetUpD();
    MOXA7730SetUpE();
    const uint32_t before = RNGState();
    for (int32_t f = 0; f < 40; ++f) {
        MOXA7730DrawA(1000 - f);
        MOXA7730DrawB(1000 - f);
        MOXA7730DrawC(1000 - f);
        MOXA7730DrawD(1000 - f);
        radialsOn = static_cast<uint8_t>(f & 1);
        MOXA7730DrawE(1000 - f);
        ++frameCount;
    }
    radialsOn = 0;
    EXPECT_EQ(before, RNGState());
}

TEST(Frames, FirstFrameOfSceneAPutsTheBarsOnTheirColumns) {
    StartOnce();
    RNGSeed(StateAfter(RNG_DEMO_SEED, 32));
    MOXA7730SetUpA();  // step 14, offset step 1, as on the first visit
    barCursor->position = 0;
    textPos = nullptr;
    textY = 0;
    IMGClear(imgWork);
    imgWork->pixels[5] = 0xFFFFFFu;  // the bars repaint everything
    MOXA7730DrawA(SCENE_A_FRAMES);

    // Bar i reads sine index i + 1 (offset step 1 from position 0) and lands
    // on column ((254 * S) >> 16) + 128; a later bar wins a shared column.
    uint32_t want[256] = {};
    for (int32_t i = 0; i < 24; ++i) {
        const int32_t k = ((254 * SINE_TABLE[i + 1]) >> 16) + 128;
        want[k] = barColours[i];
    }
    // By hand: S[1] = 201 and S[2] = 402 give columns 128 and 129; S[24] = 4808
    // gives 146, the last bar's column.
    EXPECT_EQ(0xFF0000u, want[128]);
    EXPECT_EQ(0xFF4000u, want[129]);
    EXPECT_EQ(0xFF0040u, want[146]);
    EXPECT_EQ(0u, want[147]);
    // The credit page's 17 empty lines keep the first frame free of text.
    for (int32_t y = 0; y < 256; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            ASSERT_EQ(want[x], IMGGetPixel(imgWork, x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(14, barCursor->position);  // moved on by its step for the next frame
}

// Exact pixels of one frame of scenes B, C and D, worked out by hand from the
// scenes' rules and the sine table, so that a regenerated golden file cannot
// hide a fault in a scene.
TEST(Frames, SceneBMixesColumnAndRowBandsAtWorkedPixels) {
    StartOnce();
    MOXA7730SetUpB();
    frameCount = 100;
    MOXA7730DrawB(1);
    frameCount = 0;
    // Column 128 reads S[28] = 5602 and S[428] = 15976: index 262 + 1497 =
    // 1759, the fourth band rising at 223: 0x00DFDF. Row 200 reads S[500] =
    // 2210 and S[0]: index 103, the first band: 0x670000. The mix is the mean.
    EXPECT_EQ(0x336F6Fu, IMGGetPixel(imgWork, 128, 200));
    // Column 200: S[100] = 18868, S[500]: 884 + 207 = 1091, the third band at
    // 67: 0x004300. Row 10: S[310] = 30919, S[834] = -30037: 1449 - 2816 (the
    // shift rounds down) + 3072 = 1705, the fourth band at 169: 0x00A9A9.
    EXPECT_EQ(0x007654u, IMGGetPixel(imgWork, 200, 10));
    // Column 10: S[934] = -17018, S[310]: 2100, the fifth band at 52: 0x34.
    // Row 50: S[350] = 27356, S[874] = -25955: 1920, the fourth at 127.
    EXPECT_EQ(0x003F59u, IMGGetPixel(imgWork, 10, 50));
}

TEST(Frames, SceneCRowsRepeatOneTextInTheirOwnColours) {
    StartOnce();
    MOXA7730SetUpC();
    colourStride = 5;
    swayPhase = 0;
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        LSCROLLSet(scrollers[i], scrollText, writer8, imgWork);  // the text's start
        scrollers[i]->offset = 0;
        scrollers[i]->y = 8 * i;
    }
    IMGClear(imgWork);
    const int32_t n = 1000;
    MOXA7730DrawC(n);
    // Row i is row 0's picture 8 i lower, in palette colour n + 5 i.
    for (int32_t i : {1, 7, 31}) {
        const auto colour = static_cast<uint32_t>(palette->values[(n + 5 * i) % PALETTE_SIZE]);
        int lit = 0;
        for (int32_t y = 0; y < 8; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                const uint32_t here = IMGGetPixel(imgWork, x, 8 * i + y);
                ASSERT_EQ(IMGGetPixel(imgWork, x, y) != 0, here != 0) << i << ": " << x << "," << y;
                if (here == 0) continue;
                ASSERT_EQ(colour, here) << i << ": " << x << "," << y;
                ++lit;
            }
        }
        EXPECT_GT(lit, 0) << i;
    }
    // Then each row steps by its sway, S[32 i] * 8 >> 15, and by 3: row 8 by
    // 7 and 3 (one character of 8, and 2); row 24 by -8 (a negative multiple:
    // back two characters, offset 8) and 3 (one forward, offset 3).
    EXPECT_EQ(2, scrollers[8]->offset);
    EXPECT_EQ(1, scrollers[8]->cursor->position);
    EXPECT_EQ(3, scrollers[24]->offset);
    EXPECT_EQ(SCROLL_TEXT_LENGTH - 1, scrollers[24]->cursor->position);
}

TEST(Frames, SceneDMovesTheSecondSpiralAfterItsUpdate) {
    StartOnce();
    MOXA7730SetUpD();  // both centres back at (128, 128)
    IMGClear(imgWork);
    frameCount = 256;
    MOXA7730DrawD(1);
    // Updated round the old centre, drawn last: its point 0 shows its colour.
    EXPECT_EQ(128, spiral2->points[0]);
    EXPECT_EQ(128, spiral2->points[1]);
    EXPECT_EQ(spiral2->colour, IMGGetPixel(imgWork, 128, 128));
    // Then the path: x = 128 + (S[512] * 64 >> 15) = 128, y = 128 + (S[768] *
    // 64 >> 15) = 128 - 64.
    EXPECT_EQ(128, spiral2->centre.x);
    EXPECT_EQ(64, spiral2->centre.y);
    IMGClear(imgWork);
    MOXA7730DrawD(1);
    EXPECT_EQ(spiral2->colour, IMGGetPixel(imgWork, 128, 64));
    frameCount = 0;
}

TEST(Frames, CreditPageDropsALineEvery16FramesAndWraps) {
    StartOnce();
    textPos = nullptr;
    textY = 0;
    for (int f = 0; f < 15; ++f) MOXA7730DrawA(1);
    EXPECT_EQ(creditText, textPos);
    EXPECT_EQ(-15, textY);
    MOXA7730DrawA(1);
    EXPECT_EQ(creditText + 1, textPos);  // past the first (empty) line
    EXPECT_EQ(0, textY);
    for (int f = 0; f < 16 * 16; ++f) MOXA7730DrawA(1);
    EXPECT_EQ(0, std::strncmp(textPos, "MOXA\n", 5));  // the 18th line

    // The last line, then the end of the text, then the start again: the
    // position never runs past the NUL.
    textPos = creditText + CREDIT_TEXT_LENGTH - 4;
    ASSERT_STREQ("...\n", textPos);
    for (int f = 0; f < 16; ++f) MOXA7730DrawA(1);
    EXPECT_EQ(creditText + CREDIT_TEXT_LENGTH, textPos);
    for (int f = 0; f < 16; ++f) MOXA7730DrawA(1);
    EXPECT_EQ(creditText, textPos);
}

TEST(Frames, BarsBeyondTheRasterAreSkippedOnATallImage) {
    StartOnce();
    // A 256-colour raster under an image 600 high: bars swing to 598.
    IMGSetSize(imgWork, 256, 600);
    for (int32_t f = 0; f < 80; ++f) MOXA7730DrawA(1);
    EXPECT_EQ(256, barRaster->count);
    // The plasma rasters follow the image: one colour per column and per row.
    MOXA7730SetUpB();
    EXPECT_EQ(256, plasmaV->count);
    EXPECT_EQ(600, plasmaH->count);
    MOXA7730DrawB(1);
    IMGSetSize(imgWork, 300, 200);
    MOXA7730SetUpB();
    EXPECT_EQ(300, plasmaV->count);
    EXPECT_EQ(200, plasmaH->count);
    MOXA7730DrawB(1);
    IMGSetSize(imgWork, SCREEN_W, SCREEN_H);
    MOXA7730SetUpB();
    EXPECT_EQ(256, plasmaH->count);
}

TEST(Frames, FrameCountProductsKeepTheirIndexAfterWeeksOfRunning) {
    StartOnce();
    // 2f and 3f of a frame count of 2^31 - 1 leave int32_t; their sine indices
    // are those of 1023 (the same residue modulo 1024).
    MOXA7730SetUpB();
    frameCount = INT32_MAX;
    MOXA7730DrawB(1);
    const std::vector<uint32_t> late = Picture();
    frameCount = 1023;
    MOXA7730DrawB(1);
    EXPECT_EQ(Picture(), late);

    MOXA7730SetUpD();
    frameCount = INT32_MAX;
    MOXA7730DrawD(1);
    const int32_t x = spiral2->centre.x;
    const int32_t y = spiral2->centre.y;
    frameCount = 1023;
    MOXA7730DrawD(1);
    EXPECT_EQ(x, spiral2->centre.x);
    EXPECT_EQ(y, spiral2->centre.y);
    // 2 * 1023 = 2046 -> index 1022, S = -201; 3 * 1023 -> 1021, S = -402:
    // both a pixel left of and above the centre.
    EXPECT_EQ(127, x);
    EXPECT_EQ(127, y);
    frameCount = 0;
}

TEST(Frames, ScrollerWallStepsEachRowTwiceAndSways) {
    StartOnce();
    MOXA7730SetUpC();
    swayPhase = 1020;
    MOXA7730DrawC(SCENE_C_FRAMES);
    EXPECT_EQ(4, swayPhase);  // (1020 + 8) & 1023
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) EXPECT_EQ(3, scrollers[i]->speed) << i;
    EXPECT_EQ(1, writer8->scale->x);
}

}  // namespace
