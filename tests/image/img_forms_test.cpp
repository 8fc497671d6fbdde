// Tests of the image's text form, the binary PPM writer and the PNM readers:
// the worked figures, round trips, and hostile input (truncated, endless
// comments, huge sizes, long digit runs), which must give null quickly.
#include <dirent.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
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

// A new private folder for the saves of one test.
std::string Folder(const char* name) {
    const std::string dir = Scratch(name);
    mkdir(dir.c_str(), 0777);
    return dir;
}

int EntriesIn(const std::string& dir) {
    int n = 0;
    DIR* d = opendir(dir.c_str());
    for (dirent* e; d != nullptr && (e = readdir(d)) != nullptr;) n += e->d_name[0] != '.';
    if (d != nullptr) closedir(d);
    return n;
}

// Saves a 100 x 100 image where files may not grow past 1000 bytes, over
// `before` ("" for no file); exits 0 when the save failed and left the folder
// as it was. Run in a child process.
void SaveUnderASizeLimit(const std::string& dir, const std::string& before) {
    const std::string path = dir + "/limited.ppm";
    if (!before.empty()) WriteFile(path, before);
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    IMG* img = Sized(100, 100);
    const bool saved = IMGSave(img, path.c_str());
    IMGFree(&img);
    const bool kept = before.empty() ? !Exists(path) : ReadFile(path) == before;
    std::exit(!saved && kept && EntriesIn(dir) == (before.empty() ? 0 : 1) ? 0 : 1);
}

TEST(ImgForms, SaveThatCannotWriteEverythingLeavesWhatWasThere) {
    const std::string dir = Folder("limited");
    EXPECT_EXIT(SaveUnderASizeLimit(dir, ""), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(SaveUnderASizeLimit(dir, "P6\n1 1\n255\nabc"), ::testing::ExitedWithCode(0), "");
    std::remove((dir + "/limited.ppm").c_str());
    rmdir(dir.c_str());
}

// A FIFO whose reader takes one byte and leaves: the save fails on the
// broken pipe, and the FIFO is still there.
TEST(ImgForms, FailedSaveIntoAFifoLeavesTheFifo) {
    const std::string path = Folder("fifo") + "/pipe";
    ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
    struct sigaction ignore {}, saved {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &saved);
    std::thread reader([&path] {
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
        pollfd p{fd, POLLIN, 0};
        char byte;
        if (poll(&p, 1, 5000) == 1) (void)!read(fd, &byte, 1);
        close(fd);
    });
    Img big(Sized(300, 300));  // more than a pipe holds
    EXPECT_FALSE(IMGSave(big.get(), path.c_str()));
    reader.join();
    sigaction(SIGPIPE, &saved, nullptr);
    struct stat st {};
    EXPECT_TRUE(lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    std::remove(path.c_str());
    rmdir(path.substr(0, path.rfind('/')).c_str());
}

// A new file has the permissions of the umask, a replaced one keeps its own,
// and a link to a file is written through, the link kept.
TEST(ImgForms, SaveReplacesAFileWithItsPermissionsAndLinks) {
    const std::string dir = Folder("modes");
    const std::string path = dir + "/a.ppm", link = dir + "/link.ppm";
    Img one(Sized(1, 1));
    const mode_t mask = umask(027);
    ASSERT_TRUE(IMGSave(one.get(), path.c_str()));
    umask(mask);
    struct stat st {};
    ASSERT_EQ(0, stat(path.c_str(), &st));
    EXPECT_EQ(0640u, st.st_mode & 07777);
    chmod(path.c_str(), 0604);
    ASSERT_EQ(0, symlink("a.ppm", link.c_str()));
    Img two(FromPixels(2, 1, {0x414243, 0x444546}));
    ASSERT_TRUE(IMGSave(two.get(), link.c_str()));
    EXPECT_EQ("P6\n2 1\n255\nABCDEF", ReadFile(path));
    ASSERT_EQ(0, lstat(link.c_str(), &st));
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(0, stat(path.c_str(), &st));
    EXPECT_EQ(0604u, st.st_mode & 07777);
    EXPECT_FALSE(IMGSave(two.get(), dir.c_str()));  // a folder
    EXPECT_EQ(2, EntriesIn(dir));
    std::remove(link.c_str());
    std::remove(path.c_str());
    rmdir(dir.c_str());
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
        SCOPED_TRACE(file ? "file" : "memory");
        Img whole(file ? LoadBytes(twoRows) : Pnm(twoRows));
        ASSERT_NE(nullptr, whole.get());
        ExpectPicture(whole.get(), {"##########", ".........#"});
        const uint64_t before = REPORTCount();
        const std::string short3 = twoRows.substr(0, 11);  // three of the four data bytes
        EXPECT_EQ(nullptr, Img(file ? LoadBytes(short3) : Pnm(short3)).get());
        EXPECT_EQ(before + 1, REPORTCount());
    }

    Img least(IMGFromASCII("IMG{\nP3\n1 1\n255\n1 2 3")), want(FromPixels(1, 1, {0x010203}));
    EXPECT_TRUE(least.get() != nullptr && IMGEqual(want.get(), least.get()));
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
