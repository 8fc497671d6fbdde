// Tests of the image's text form, the binary PPM writer and the PNM readers:
// the worked figures, round trips, and hostile input (truncated, endless
// comments, huge sizes, long digit runs), which must give null quickly.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

std::string TextOf(const IMG* img) {
    char* text = IMGToASCII(img);
    std::string s = text == nullptr ? "(null)" : text;
    std::free(text);
    return s;
}

IMG* FromPixels(int32_t w, int32_t h, std::vector<uint32_t> pixels) {
    IMG* img = Sized(w, h);
    for (size_t i = 0; i < pixels.size(); ++i) img->pixels[i] = pixels[i];
    return img;
}

IMG* Random(int32_t w, int32_t h) {
    IMG* img = Sized(w, h);
    for (int32_t i = 0; i < w * h; ++i)
        img->pixels[i] = ((static_cast<uint32_t>(RNGDraw()) << 9) ^ static_cast<uint32_t>(RNGDraw())) & 0xFFFFFF;
    return img;
}

std::string Scratch(const char* name) {
    return std::string(::testing::TempDir()) + "img_forms_" + std::to_string(getpid()) + "_" + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

IMG* Pnm(const std::string& bytes) {
    // An exact-size heap copy, so a read past the end is an error under ASan.
    std::vector<uint8_t> copy(bytes.begin(), bytes.end());
    return IMGFromPNM(copy.data(), copy.size());
}

IMG* LoadBytes(const std::string& bytes) {
    const std::string path = Scratch("load.pnm");
    WriteFile(path, bytes);
    IMG* img = IMGLoad(path.c_str());
    std::remove(path.c_str());
    return img;
}

int OpenFiles() {
    int n = 0;
    DIR* d = opendir("/proc/self/fd");
    while (readdir(d) != nullptr) ++n;
    closedir(d);
    return n;
}

// ---------------------------------------------------------------------------
// Text form

TEST(ImgForms, TextFormFigures) {
    Img two(FromPixels(2, 1, {0xFF0000, 0x00FF80}));
    EXPECT_EQ("IMG{\nP3\n2 1\n255\n255   0   0   0 255 128\n}\n", TextOf(two.get()));
    Img empty(Sized(0, 0));
    EXPECT_EQ("IMG{}", TextOf(empty.get()));

    const std::string pixel = "  1   2   3 ";
    Img six(FromPixels(6, 1, std::vector<uint32_t>(6, 0x010203)));
    std::string want6 = "IMG{\nP3\n6 1\n255\n";
    for (int i = 0; i < 6; ++i) want6 += pixel;
    want6.back() = '\n';
    EXPECT_EQ(want6 + "}\n", TextOf(six.get()));
    Img seven(FromPixels(7, 1, std::vector<uint32_t>(7, 0x010203)));
    std::string want7 = "IMG{\nP3\n7 1\n255\n" + want6.substr(want6.find("255\n") + 4);
    want7 += pixel;
    want7.back() = '\n';
    EXPECT_EQ(want7 + "}\n", TextOf(seven.get()));

    // A top byte stays out of the text: each channel is printed masked.
    Img top(FromPixels(1, 1, {0xFF12345Au}));
    EXPECT_EQ("IMG{\nP3\n1 1\n255\n 18  52  90\n}\n", TextOf(top.get()));
}

TEST(ImgForms, TextFormRoundTripsAndTolerantParsing) {
    RNGSeed(5u);
    for (auto [w, h] : {std::pair{1, 1}, {6, 1}, {7, 1}, {3, 5}, {13, 4}}) {
        Img img(Random(w, h));
        char* text = IMGToASCII(img.get());
        Img back(IMGFromASCII(text));
        std::free(text);
        ASSERT_NE(nullptr, back.get());
        EXPECT_TRUE(IMGEqual(img.get(), back.get())) << w << "x" << h;
    }
    Img odd(IMGFromASCII("xx IMG yy { zz P3\n2 1\n9\n1,2,3;400 5 6}} trailing IMG{ P3\n"));
    ASSERT_NE(nullptr, odd.get());
    EXPECT_EQ(0x010203u, odd->pixels[0]);
    EXPECT_EQ((400u << 16) | 0x0506u, odd->pixels[1]);  // values taken as they stand
}

TEST(ImgForms, TextParseRefusesWhatItCannotRead) {
    const char* refused[] = {
        "IMG{}",
        "IMG{ P3 1 1 255 1 2 3}",  // "P3" without its line feed
        "{IMG\nP3\n1 1\n255\n1 2 3\n}",
        "IMG{\nP3\n1",             // ends inside the header
        "IMG{\nP3\n0 3\n255\n}",  // no pixels: the empty image's text is "IMG{}"
        "IMG{\nP3\n2 1\n255\n1 2 3 4 5",  // one value short
        "IMG{\nP3\n99999 99999\n255\n1 2 3\n}\n",  // far more than the text holds
        "IMG{\nP3\n99999999999999999999999 99999999999999999\n255\n1 2 3\n}\n",
        "IMG{\nP3\n1 1\n255\n",
    };
    for (const char* text : refused) {
        const uint64_t before = REPORTCount();
        EXPECT_EQ(nullptr, IMGFromASCII(text)) << text;
        EXPECT_EQ(before + 1, REPORTCount()) << text;
    }
    EXPECT_EQ(nullptr, IMGFromASCII(nullptr));
    EXPECT_EQ(nullptr, IMGToASCII(nullptr));

    // A digit run longer than any value saturates instead of wrapping.
    Img big(IMGFromASCII("IMG{\nP3\n1 1\n255\n99999999999999999999999 0 0\n}"));
    ASSERT_NE(nullptr, big.get());
    EXPECT_EQ(0xFFFF0000u, big->pixels[0]);
}

TEST(ImgForms, FindMarker) {
    EXPECT_EQ(3u, IMGFindMarker("IMG{", "IMG"));
    EXPECT_EQ(6u, IMGFindMarker("a IMG{", "G{"));
    EXPECT_EQ(0u, IMGFindMarker("", "IMG"));
    EXPECT_EQ(0u, IMGFindMarker("IM", "IMG"));
    const uint64_t before = REPORTCount();
    EXPECT_EQ(0u, IMGFindMarker(nullptr, "x"));
    EXPECT_EQ(0u, IMGFindMarker("x", nullptr));
    EXPECT_EQ(before + 2, REPORTCount());
}

// ---------------------------------------------------------------------------
// Files

TEST(ImgForms, SaveWritesTheHeaderAndThreeBytesAPixel) {
    Img two(FromPixels(2, 1, {0xFF0000, 0xAB00FF80}));
    const std::string path = Scratch("two.ppm");
    ASSERT_TRUE(IMGSave(two.get(), path.c_str()));
    EXPECT_EQ(std::string("P6\n2 1\n255\n\xFF\x00\x00\x00\xFF\x80", 17), ReadFile(path));
    std::remove(path.c_str());

    Img flat(Sized(0, 4));
    const uint64_t before = REPORTCount();
    EXPECT_FALSE(IMGSave(flat.get(), path.c_str()));
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(IMGSave(two.get(), "/nonexistent-folder/x.ppm"));
    EXPECT_FALSE(IMGSave(nullptr, path.c_str()));
    EXPECT_FALSE(IMGSave(two.get(), nullptr));
    EXPECT_EQ(before + 4, REPORTCount());
}

// Saves a 100 x 100 image where files may not grow past 1000 bytes; exits 0
// when the save failed and left no file behind. Run in a child process.
void SaveUnderASizeLimit(const std::string& path) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    IMG* img = Sized(100, 100);
    const bool saved = IMGSave(img, path.c_str());
    IMGFree(&img);
    std::exit(!saved && !Exists(path) ? 0 : 1);
}

TEST(ImgForms, SaveThatCannotWriteEverythingLeavesNoFile) {
    EXPECT_EXIT(SaveUnderASizeLimit(Scratch("limited.ppm")), ::testing::ExitedWithCode(0), "");
}

TEST(ImgForms, RoundTripsThroughFilesAndMemory) {
    RNGSeed(9u);
    for (auto [w, h] : {std::pair{1, 1}, {6, 1}, {7, 1}, {3, 5}, {64, 3}}) {
        Img img(Random(w, h));
        const std::string path = Scratch("round.ppm");
        ASSERT_TRUE(IMGSave(img.get(), path.c_str()));
        Img loaded(IMGLoad(path.c_str()));
        Img parsed(Pnm(ReadFile(path)));
        std::remove(path.c_str());
        ASSERT_NE(nullptr, loaded.get());
        ASSERT_NE(nullptr, parsed.get());
        EXPECT_TRUE(IMGEqual(img.get(), loaded.get())) << w << "x" << h;
        EXPECT_TRUE(IMGEqual(img.get(), parsed.get())) << w << "x" << h;
    }
}

// The same bytes through both readers, where their rules agree.
TEST(ImgForms, EveryFormatFromFileAndMemory) {
    struct Case {
        const char* what;
        std::string bytes;
        int32_t w, h;
        std::vector<uint32_t> pixels;
    };
    const std::vector<Case> cases = {
        {"P6 with single blanks", std::string("P6 2 1 255 \xFF\x00\x00\x00\xFF\x80", 17), 2, 1,
         {0xFF0000, 0x00FF80}},
        {"P1: 1 is white", "P1\n# a comment\n3 1\n1 0 1\n", 3, 1, {0xFFFFFF, 0, 0xFFFFFF}},
        {"P2 grey", "P2\n2 1\n255\n0 64\n", 2, 1, {0, 0x404040}},
        {"P3 triples", "P3 2 1 255\n1 2 3 300 0 0\n", 2, 1, {0x010203, 300u << 16}},
        {"P5 bytes", std::string("P5 3 1 255\n\x01\x00\x03", 14), 3, 1, {0x010101, 0, 0x030303}},
    };
    for (const Case& c : cases) {
        for (bool file : {true, false}) {
            Img img(file ? LoadBytes(c.bytes) : Pnm(c.bytes));
            ASSERT_NE(nullptr, img.get()) << c.what << (file ? " (file)" : " (memory)");
            EXPECT_EQ(c.w, img->width) << c.what;
            EXPECT_EQ(c.h, img->height) << c.what;
            EXPECT_EQ(c.pixels, std::vector<uint32_t>(img->pixels, img->pixels + c.w * c.h))
                << c.what << (file ? " (file)" : " (memory)");
        }
    }
}

TEST(ImgForms, WhereTheFileAndMemoryRulesDiffer) {
    // P4 10 wide: the file keeps 10 columns, memory rounds up to 16.
    const std::string p4("P4\n10 1\n\xFF\xC1", 10);
    Img fromFile(LoadBytes(p4));
    Img fromMemory(Pnm(p4));
    ASSERT_NE(nullptr, fromFile.get());
    ASSERT_NE(nullptr, fromMemory.get());
    EXPECT_EQ(10, fromFile->width);
    EXPECT_EQ(16, fromMemory->width);
    ExpectPicture(fromMemory.get(), {"##########.....#"});
    ExpectPicture(fromFile.get(), {"##########"});

    // P1 pixels: single digits in memory, numbers in a file.
    Img digits(Pnm("P1\n3 1\n100"));
    ASSERT_NE(nullptr, digits.get());
    ExpectPicture(digits.get(), {"#.."});
    EXPECT_EQ(nullptr, LoadBytes("P1\n3 1\n100"));  // one number, two missing
    // A number too long for 32 bits stays non-zero: white, not a wrapped black.
    Img white(LoadBytes("P1 1 1 4294967296\n"));
    ASSERT_NE(nullptr, white.get());
    EXPECT_EQ(0xFFFFFFu, white->pixels[0]);
}

// The readers at their edges: a file longer than the first block read, padded
// P4 rows over several rows, the shortest text form.
TEST(ImgForms, ReadersAtTheirEdges) {
    RNGSeed(31u);
    Img big(Random(200, 200));  // 120 000 bytes of pixels: the first read holds 65 536
    const std::string path = Scratch("big.ppm");
    ASSERT_TRUE(IMGSave(big.get(), path.c_str()));
    Img loaded(IMGLoad(path.c_str()));
    std::remove(path.c_str());
    ASSERT_NE(nullptr, loaded.get());
    EXPECT_TRUE(IMGEqual(big.get(), loaded.get()));

    // Each row of P4 starts on a whole byte: 10 columns take 2 bytes a row.
    const std::string twoRows("P4\n10 2\n\xFF\xC0\x00\x40", 12);
    for (bool file : {true, false}) {
        Img whole(file ? LoadBytes(twoRows) : Pnm(twoRows));
        ASSERT_NE(nullptr, whole.get()) << (file ? "file" : "memory");
        EXPECT_EQ(0xFFFFFFu, IMGGetPixel(whole.get(), 9, 0));
        EXPECT_EQ(0u, IMGGetPixel(whole.get(), 0, 1));
        EXPECT_EQ(0xFFFFFFu, IMGGetPixel(whole.get(), 9, 1));
        const uint64_t before = REPORTCount();
        const std::string short3 = twoRows.substr(0, 11);  // three of the four data bytes
        EXPECT_EQ(nullptr, Img(file ? LoadBytes(short3) : Pnm(short3)).get())
            << (file ? "file" : "memory");
        EXPECT_EQ(before + 1, REPORTCount());
    }

    Img least(IMGFromASCII("IMG{\nP3\n1 1\n255\n1 2 3"));
    ASSERT_NE(nullptr, least.get());
    EXPECT_EQ(1, least->width);
    EXPECT_EQ(1, least->height);
    EXPECT_EQ(0x010203u, least->pixels[0]);
}

TEST(ImgForms, HostileInputGivesNullQuicklyWithoutLeakingTheFile) {
    const std::vector<std::string> hostile = {
        "",
        "x",
        "xxxxxxxx",
        "P",
        "P7 1 1 255 abc",
        "P6",
        "P6\n# end of file inside a comment",
        "P3 2 1 255 1 2 3 4 5",                      // ends inside a value list
        std::string("P5 2 2 255\n\x01\x02\x03", 14),  // one byte short
        "P6\n99999 99999\n255\n\x01\x02",             // huge, almost no data
        "P6 4294967295 4294967295 255 ",
        "P2 99999999999999999999999 1 255 1",
        "P6 0 5 255 ",
        "P4 3 0 ",
        std::string("P6 1 1 255 \x00\x00", 13),
    };
    const int files = OpenFiles();
    for (const std::string& bytes : hostile) {
        for (bool file : {true, false}) {
            const uint64_t before = REPORTCount();
            Img img(file ? LoadBytes(bytes) : Pnm(bytes));
            EXPECT_EQ(nullptr, img.get()) << bytes << (file ? " (file)" : " (memory)");
            EXPECT_EQ(before + 1, REPORTCount()) << bytes;
        }
    }
    EXPECT_EQ(files, OpenFiles());
    EXPECT_EQ(nullptr, IMGLoad("/nonexistent-folder/none.pnm"));
    EXPECT_EQ(nullptr, IMGLoad(nullptr));
    EXPECT_EQ(nullptr, IMGFromPNM(nullptr, 4));
    EXPECT_EQ(files, OpenFiles());
}
}  // namespace
