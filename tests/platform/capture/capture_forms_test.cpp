// Key script, presentation hash, WAV header and PNG writer of the capture backend.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/capture/capture.h"
#include "platform/edge.h"

namespace {

std::vector<CAPTUREKey> Parse(const char* script) {
    const int32_t n = CAPTUREParseKeys(script, nullptr, 0);
    if (n < 0) return {{-1, -1, -1}};
    std::vector<CAPTUREKey> keys(static_cast<size_t>(n));
    EXPECT_EQ(CAPTUREParseKeys(script, keys.data(), n), n);
    return keys;
}

void ExpectKey(const CAPTUREKey& k, int32_t frame, int32_t type, int32_t sym) {
    EXPECT_EQ(k.frame, frame);
    EXPECT_EQ(k.type, type);
    EXPECT_EQ(k.sym, sym);
}

TEST(CaptureKeys, ParsesTheDocumentedExample) {
    const auto k = Parse("120:space,300:g,310:6,900:q");
    ASSERT_EQ(k.size(), 4u);
    ExpectKey(k[0], 120, EDGE_EVENT_KEY_DOWN, 32);
    ExpectKey(k[1], 300, EDGE_EVENT_KEY_DOWN, 103);
    ExpectKey(k[2], 310, EDGE_EVENT_KEY_DOWN, 54);
    ExpectKey(k[3], 900, EDGE_EVENT_KEY_DOWN, 113);
}

TEST(CaptureKeys, NamesCaseAndPunctuation) {
    const auto k = Parse("1:esc,2:quit,3:Q,4:,,5::,6:e,7:s");
    ASSERT_EQ(k.size(), 7u);
    ExpectKey(k[0], 1, EDGE_EVENT_KEY_DOWN, 27);
    ExpectKey(k[1], 2, EDGE_EVENT_QUIT, 0);
    ExpectKey(k[2], 3, EDGE_EVENT_KEY_DOWN, 81);  // upper case keeps its own code
    ExpectKey(k[3], 4, EDGE_EVENT_KEY_DOWN, ',');
    ExpectKey(k[4], 5, EDGE_EVENT_KEY_DOWN, ':');
    ExpectKey(k[5], 6, EDGE_EVENT_KEY_DOWN, 'e');  // a name's first letter alone
    ExpectKey(k[6], 7, EDGE_EVENT_KEY_DOWN, 's');
    EXPECT_TRUE(Parse("").empty());
    // Entries keep their order; the same frame may carry several keys.
    const auto same = Parse("9:a,9:b,2:c");
    ASSERT_EQ(same.size(), 3u);
    EXPECT_EQ(same[0].sym, 'a');
    EXPECT_EQ(same[2].frame, 2);
    EXPECT_EQ(Parse("2147483647:x")[0].frame, 2147483647);
}

TEST(CaptureKeys, RejectsMalformedScripts) {
    for (const char* bad : {"a:b", "0:q", "-1:q", "+1:q", "12", "12:", "12:ab", "12:q,",
                            ",12:q", "12: q", "12:q ,13:r", " 12:q", "12:Space", "12:spacebar",
                            "2147483648:q", "99999999999999999999:q", "12:\t", "12:\x7f",
                            "12:\xc3\xa9", "12;q", "1:q,,2:r"}) {
        EXPECT_EQ(CAPTUREParseKeys(bad, nullptr, 0), -1) << '"' << bad << '"';
    }
    EXPECT_EQ(CAPTUREParseKeys(nullptr, nullptr, 0), -1);
    EXPECT_EQ(CAPTUREParseKeys("1:a", nullptr, 1), -1);  // capacity without storage
}

TEST(CaptureKeys, DescribesTheFirstFault) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"5:nosuchkey", "unknown key 'nosuchkey' at frame 5"},
        {"1:a,7:Space,8:zz", "unknown key 'Space' at frame 7"},
        {"12:", "no key at frame 12"},
        {"12", "no ':KEY' after frame 12"},
        {"12;q", "no ':KEY' after frame 12"},
        {"0:q", "bad frame '0' (a whole number from 1 to 2147483647)"},
        {"2147483648:q", "bad frame '2147483648' (a whole number from 1 to 2147483647)"},
        {"a:b", "bad frame 'a' (a whole number from 1 to 2147483647)"},
        {",12:q", "an entry without a frame number"},
        {"1:q,,2:r", "an entry without a frame number"},
        {"12:q,", "nothing after the last comma"},
        {"3:\t", "unknown key '?' at frame 3"},
        {"3:\xc3\xa9", "unknown key '?\?' at frame 3"},
        {"4:abcdefghijklmnopqrstuvwxyz0123456789", "unknown key 'abcdefghijklmnopqrstuvwx...' at frame 4"},
    };
    char text[120];
    for (const auto& [script, wanted] : cases) {
        EXPECT_TRUE(CAPTUREDescribeKeysFault(script, text, sizeof text)) << script;
        EXPECT_STREQ(text, wanted) << script;
    }
    EXPECT_FALSE(CAPTUREDescribeKeysFault("1:a,2:space", text, sizeof text));
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(CAPTUREDescribeKeysFault(nullptr, text, sizeof text));
    // A short buffer is cut and terminated; none at all still answers.
    char tiny[8];
    EXPECT_TRUE(CAPTUREDescribeKeysFault("5:nosuchkey", tiny, sizeof tiny));
    EXPECT_STREQ(tiny, "unknown");
    EXPECT_TRUE(CAPTUREDescribeKeysFault("5:nosuchkey", nullptr, 0));
    EXPECT_FALSE(CAPTUREDescribeKeysFault("5:q", nullptr, 0));
}

TEST(CaptureKeys, StoresOnlyWhatFits) {
    CAPTUREKey keys[3] = {{0, 0, 0}, {0, 0, 0}, {7, 7, 7}};
    EXPECT_EQ(CAPTUREParseKeys("1:a,2:b,3:c", keys, 2), 3);
    EXPECT_EQ(keys[0].sym, 'a');
    EXPECT_EQ(keys[1].sym, 'b');
    ExpectKey(keys[2], 7, 7, 7);  // beyond the capacity: untouched
}

TEST(CaptureHash, Fnv1a64OverLittleEndianPixelBytes) {
    EXPECT_EQ(CAPTUREHashPixels(nullptr, 0), 0xcbf29ce484222325ull);  // offset basis
    const uint32_t abcd = 0x64636261u;  // bytes "abcd" in memory order
    const uint32_t dcba = 0x61626364u;
    EXPECT_EQ(CAPTUREHashPixels(&abcd, 1), 0xfc179f83ee0724ddull);
    EXPECT_EQ(CAPTUREHashPixels(&dcba, 1), 0x7379236726592e75ull);
    const uint32_t two[2] = {0x00123456u, 0x00123456u};
    EXPECT_EQ(CAPTUREHashPixels(two, 2), 0x2de2e29435039ff5ull);
    const std::vector<uint32_t> black(256 * 256, 0u);
    EXPECT_EQ(CAPTUREHashPixels(black.data(), black.size()), 0x9c735bed0a722325ull);
}

TEST(CaptureWav, HeaderOfAMonoSixteenBitFile) {
    uint8_t h[CAPTURE_WAV_HEADER];
    CAPTUREWavHeader(3528, h);  // one frame of audio at 25 frames per second
    const uint8_t expected[CAPTURE_WAV_HEADER] = {
        'R', 'I', 'F', 'F', 0xEC, 0x0D, 0x00, 0x00, 'W', 'A', 'V', 'E',  // 36 + 3528
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,                      // PCM, mono
        0x44, 0xAC, 0x00, 0x00, 0x88, 0x58, 0x01, 0x00,                   // 44100, 88200
        2, 0, 16, 0, 'd', 'a', 't', 'a', 0xC8, 0x0D, 0x00, 0x00};         // 2 bytes, 16 bits
    EXPECT_EQ(std::vector<uint8_t>(h, h + CAPTURE_WAV_HEADER),
              std::vector<uint8_t>(expected, expected + CAPTURE_WAV_HEADER));

    // A data size the 32-bit RIFF size cannot hold is clamped, not wrapped.
    CAPTUREWavHeader(0xFFFFFFFFu, h);
    EXPECT_EQ(h[4] | h[5] << 8 | h[6] << 16 | static_cast<uint32_t>(h[7]) << 24, 0xFFFFFFFEu);
    EXPECT_EQ(h[40] | h[41] << 8 | h[42] << 16 | static_cast<uint32_t>(h[43]) << 24, 0xFFFFFFDAu);
    CAPTUREWavHeader(0, nullptr);  // no header, no fault
}

TEST(CapturePng, WritesRgbThatReadsBack) {
    const std::string path = ::testing::TempDir() + "capture_png_test.png";
    const uint32_t pixels[6] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu,
                                0x00123456u, 0xFF000000u, 0x00FFFFFFu};
    ASSERT_TRUE(CAPTUREWritePNG(path.c_str(), pixels, 3, 2));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0);
    EXPECT_EQ(image.width, 3u);
    EXPECT_EQ(image.height, 2u);
    EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u);  // opaque RGB
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0);
    // The top byte of a pixel is not colour: 0xFF000000 shows as black.
    const std::vector<uint8_t> expected = {255, 0, 0, 0, 255, 0,    0,    0,    255,
                                           0x12, 0x34, 0x56, 0, 0, 0, 255, 255, 255};
    EXPECT_EQ(rgb, expected);
    std::remove(path.c_str());
}

TEST(CapturePng, RefusesBadArgumentsAndLeavesNoFile) {
    const uint32_t pixel = 0;
    EXPECT_FALSE(CAPTUREWritePNG("/nonexistent-folder/x.png", &pixel, 1, 1));
    const std::string path = ::testing::TempDir() + "capture_png_refused.png";
    EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), nullptr, 1, 1));
    EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), &pixel, 0, 1));
    EXPECT_FALSE(CAPTUREWritePNG(path.c_str(), &pixel, 1, -1));
    EXPECT_FALSE(CAPTUREWritePNG(nullptr, &pixel, 1, 1));
    EXPECT_NE(access(path.c_str(), F_OK), 0);
}

}  // namespace
