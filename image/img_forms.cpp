// img_forms.cpp: the image's text form, the binary PPM writer and the PNM
// readers (P1 to P6) from a file or from memory.
//
// Every reader is bounded by the data it is given: no read past the end (or
// past a text's terminating NUL), every number saturates instead of wrapping,
// and a declared size is compared with what the remaining data could hold
// before the image is allocated, so a short input costs nothing however large
// the size it announces. Input that ends early gives null, never a partly
// filled image. A file is read whole and parsed by the same reader as memory,
// under the file's rules (see PNM reader below).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "image/img.h"

namespace {
constexpr bool kReport = false;  // the image module's build-time error switch
void IMGError() {
    REPORTError("IMG error\n", kReport);
}

constexpr uint32_t kSaturated = 0xFFFFFFFFu;

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

// v * 10 + digit, held at kSaturated once it would pass it.
uint32_t Accumulate(uint32_t v, int c) {
    const uint64_t next = uint64_t{v} * 10 + static_cast<uint64_t>(c - '0');
    return next > kSaturated ? kSaturated : static_cast<uint32_t>(next);
}

// Pixel from three values as they stand (larger values spill into the next
// channel up, as the shifts put them; unsigned, so nothing is undefined).
uint32_t Colour(uint32_t r, uint32_t g, uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

size_t PixelCount(const IMG* img) {
    if (img->width <= 0 || img->height <= 0) return 0;
    return static_cast<size_t>(img->width) * static_cast<size_t>(img->height);
}

// A new black image of exactly w x h, or null (reported).
IMG* Make(int32_t w, int32_t h) {
    IMG* img = IMGNew();
    if (img == nullptr) return nullptr;
    IMGSetSize(img, w, h);
    if (img->width != w || img->height != h) {
        IMGFree(&img);
        return nullptr;
    }
    return img;
}

// A declared size usable for an image: both sides positive, product in int32_t.
bool UsableSize(uint32_t w, uint32_t h) {
    return w > 0 && h > 0 && uint64_t{w} * h <= static_cast<uint64_t>(INT32_MAX);
}
}  // namespace

size_t IMGFindMarker(const char* text, const char* marker) {
    if (text == nullptr || marker == nullptr) {
        IMGError();
        return 0;
    }
    const char* found = std::strstr(text, marker);
    if (found == nullptr) return 0;
    return static_cast<size_t>(found - text) + std::strlen(marker);
}

// ---------------------------------------------------------------------------
// [SECTION] Text form

char* IMGToASCII(const IMG* img) {
    if (img == nullptr || img->pixels == nullptr) {
        IMGError();
        return nullptr;
    }
    const size_t n = PixelCount(img);
    if (n == 0) {
        char* empty = static_cast<char*>(REPORTZeroAlloc(6, 1));
        if (empty == nullptr) {
            IMGError();
            return nullptr;
        }
        std::memcpy(empty, "IMG{}", 6);
        return empty;
    }
    // 12 characters a pixel, at most 34 of header and 3 of tail.
    if (n > (SIZE_MAX - 64) / 12) {
        IMGError();
        return nullptr;
    }
    const size_t size = 12 * n + 64;
    char* text = static_cast<char*>(REPORTZeroAlloc(size, 1));
    if (text == nullptr) {
        IMGError();
        return nullptr;
    }
    const int head = std::snprintf(text, size, "IMG{\nP3\n%d %d\n255\n", img->width, img->height);
    char* out = text + head;
    for (size_t i = 0; i < n; ++i) {
        const uint32_t p = img->pixels[i];
        for (int shift = 16; shift >= 0; shift -= 8) {
            const uint32_t v = (p >> shift) & 0xFFu;  // "%3d " of the masked channel
            out[0] = v >= 100 ? static_cast<char>('0' + v / 100) : ' ';
            out[1] = v >= 10 ? static_cast<char>('0' + v / 10 % 10) : ' ';
            out[2] = static_cast<char>('0' + v % 10);
            out[3] = ' ';
            out += 4;
        }
        if ((i + 1) % 6 == 0) out[-1] = '\n';
    }
    out[-1] = '\n';
    std::memcpy(out, "}\n", 3);
    return text;
}

namespace {
// A text cursor that never moves past the terminating NUL.
struct Text {
    const char* at;
};

// A run of decimal digits (possibly none), saturating.
uint32_t Digits(Text* t) {
    uint32_t v = 0;
    while (IsDigit(*t->at)) v = Accumulate(v, *t->at++);
    return v;
}

void SkipOne(Text* t) {
    if (*t->at != '\0') ++t->at;
}

// Skips to the next digit and reads its run; false at the end of the text.
bool NextValue(Text* t, uint32_t* v) {
    while (*t->at != '\0' && !IsDigit(*t->at)) ++t->at;
    if (*t->at == '\0') return false;
    *v = Digits(t);
    return true;
}
}  // namespace

IMG* IMGFromASCII(const char* text) {
    if (text == nullptr) {
        IMGError();
        return nullptr;
    }
    const size_t a = IMGFindMarker(text, "IMG");
    const size_t b = a == 0 ? 0 : IMGFindMarker(text + a, "{");
    const size_t c = b == 0 ? 0 : IMGFindMarker(text + a + b, "P3\n");
    if (c == 0) {
        IMGError();
        return nullptr;
    }
    Text t{text + a + b + c};
    const uint32_t w = Digits(&t);
    SkipOne(&t);
    const uint32_t h = Digits(&t);
    SkipOne(&t);
    (void)Digits(&t);  // the maximum, not used
    SkipOne(&t);

    // A zero side is refused as the file readers refuse it (the empty image's
    // text is "IMG{}"); 3n values need 3n digits and a separator between each two.
    const uint64_t n = uint64_t{w} * h;
    if (!UsableSize(w, h) || 6 * n - 1 > std::strlen(t.at)) {
        IMGError();
        return nullptr;
    }
    IMG* img = Make(static_cast<int32_t>(w), static_cast<int32_t>(h));
    if (img == nullptr) return nullptr;
    for (uint64_t i = 0; i < n; ++i) {
        uint32_t r = 0;
        uint32_t g = 0;
        uint32_t bl = 0;
        if (!NextValue(&t, &r) || !NextValue(&t, &g) || !NextValue(&t, &bl)) {
            IMGFree(&img);
            IMGError();
            return nullptr;
        }
        img->pixels[i] = Colour(r, g, bl);
    }
    return img;
}

// ---------------------------------------------------------------------------
// [SECTION] Binary PPM file
//
// A save never harms what the path held before it. What is at the path
// decides how the picture goes there:
//   - nothing: a new file is written beside it and renamed to it;
//   - a regular file (through any symbolic links): the new file is written
//     beside the file itself, takes its permission bits (and, where allowed,
//     its owner), and is renamed over it, so the old picture stays whole until
//     the new one is complete. The links stay as they were; other hard links
//     keep the old picture. A file this process may not write is refused, as
//     opening it for writing would be;
//   - a folder: refused;
//   - anything else (a FIFO, a device, a socket, a link to nothing): written
//     in place, as opening it for writing does, and never removed.
// The new file is "<target>.<pid>-<n>.tmp", created exclusively (no existing
// file is ever opened by that name) with the permissions fopen gives a new
// file, 0666 less the umask. A failed save removes that file and nothing else.
// So a save needs a folder it may write to, even where the file itself may be
// written: where it cannot create the new file, it fails and changes nothing.
// Nothing is synced to the disk: the rename keeps the old picture until the
// new one is written, not across a power cut.

namespace {
// Writes the P6 form of img to f and closes f; true when every byte went out
// and the close succeeded.
bool WritePPM(const IMG* img, FILE* f) {
    bool ok = std::fprintf(f, "P6\n%d %d\n255\n", img->width, img->height) > 0;
    unsigned char chunk[3 * 1024];
    size_t used = 0;
    const size_t n = PixelCount(img);
    for (size_t i = 0; i < n && ok; ++i) {
        const uint32_t p = img->pixels[i];
        chunk[used++] = static_cast<unsigned char>(p >> 16);
        chunk[used++] = static_cast<unsigned char>(p >> 8);
        chunk[used++] = static_cast<unsigned char>(p);
        if (used == sizeof chunk || i + 1 == n) {
            ok = std::fwrite(chunk, 1, used, f) == used;
            used = 0;
        }
    }
    const bool closed = std::fclose(f) == 0;
    return ok && closed;
}

std::atomic<uint32_t> tempCount{0};  // the <n> of the new files' names

// Writes img into a new file beside target and renames it to target; `old`
// is target's status when a regular file is there, else null.
bool ReplaceFile(const IMG* img, const char* target, const struct stat* old) {
    const size_t size = std::strlen(target) + 48;
    char* temp = static_cast<char*>(std::malloc(size));
    if (temp == nullptr) return false;
    int fd = -1;
    for (int tries = 0; tries < 100 && fd < 0; ++tries) {
        std::snprintf(temp, size, "%s.%ld-%u.tmp", target, static_cast<long>(getpid()),
                      static_cast<unsigned>(tempCount.fetch_add(1)));
        fd = open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        std::free(temp);
        return false;
    }
    if (old != nullptr) {
        if (fchown(fd, old->st_uid, old->st_gid) != 0) {
            // not allowed (the process does not own the old file): it keeps its owner
        }
        (void)fchmod(fd, old->st_mode & 07777);
    }
    FILE* f = fdopen(fd, "wb");
    if (f == nullptr) close(fd);
    const bool ok = f != nullptr && WritePPM(img, f) && std::rename(temp, target) == 0;
    if (!ok) unlink(temp);  // the file this save created, nothing else
    std::free(temp);
    return ok;
}

bool Save(const IMG* img, const char* fileName) {
    struct stat at;
    if (lstat(fileName, &at) != 0) return errno == ENOENT && ReplaceFile(img, fileName, nullptr);
    struct stat st;
    const bool found = stat(fileName, &st) == 0;  // through links
    if (found && S_ISDIR(st.st_mode)) return false;
    if (found && S_ISREG(st.st_mode)) {
        if (access(fileName, W_OK) != 0) return false;
        char* real = realpath(fileName, nullptr);  // rename over the file, not a link to it
        const bool ok = real != nullptr && ReplaceFile(img, real, &st);
        std::free(real);
        return ok;
    }
    FILE* f = std::fopen(fileName, "wb");
    return f != nullptr && WritePPM(img, f);
}
}  // namespace

bool IMGSave(const IMG* img, const char* fileName) {
    if (img == nullptr || img->pixels == nullptr || fileName == nullptr || img->width <= 0 ||
        img->height <= 0) {
        IMGError();
        return false;
    }
    if (!Save(img, fileName)) {
        IMGError();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] PNM reader
//
// Header: characters outside 0x21 .. 0x7E are skipped; "P" and a digit 1 to 6
// give the format (P1 and P4 have no maximum); "#" skips to the end of the
// line; anything else is a number (a character that is not a digit reads as
// 0 and is consumed). Numbers fill width, height and maximum in that order,
// until all four items are there. The rules of a file and of memory differ:
//
//                          file                     memory
//   header number's end    consumed                 left, one character
//                                                   skipped after the header
//   P1 pixel               decimal number, 0 black  single digit, 0 black
//   P4 width               as declared              rounded up to 8 columns
//
// The end of the data anywhere before the last pixel gives null.

namespace {
struct Bytes {
    const uint8_t* data;
    size_t length;
    size_t at;
    bool fileRules;
};

int Next(Bytes* b) {
    return b->at < b->length ? b->data[b->at++] : -1;
}
int Peek(const Bytes* b) {
    return b->at < b->length ? b->data[b->at] : -1;
}
size_t Remaining(const Bytes* b) {
    return b->length - b->at;
}

// The rest of a number whose first character c was read.
uint32_t HeaderNumber(Bytes* b, int c) {
    if (!IsDigit(c)) return 0;  // consumed, so the header always moves on
    uint32_t v = Accumulate(0, c);
    while (IsDigit(Peek(b))) v = Accumulate(v, Next(b));
    if (b->fileRules) (void)Next(b);  // the character that ends it
    return v;
}

struct Header {
    int format;
    uint32_t width;
    uint32_t height;
};

bool ReadHeader(Bytes* b, Header* out) {
    bool magic = false;
    int numbers = 0;  // width, height, maximum
    bool noMaximum = false;
    while (!magic || numbers < (noMaximum ? 2 : 3)) {
        const int c = Next(b);
        if (c < 0) return false;
        if (c < 0x21 || c > 0x7E) continue;
        if (c == 'P' && !magic) {
            const int d = Next(b);
            if (d < '1' || d > '6') return false;
            out->format = d - '0';
            noMaximum = out->format == 1 || out->format == 4;
            magic = true;
            continue;
        }
        if (c == '#') {
            int skipped;
            do {
                skipped = Next(b);
            } while (skipped >= 0 && skipped != '\n');
            if (skipped < 0) return false;
            continue;
        }
        const uint32_t v = HeaderNumber(b, c);
        if (numbers == 0) {
            out->width = v;
            ++numbers;
        } else if (numbers == 1) {
            out->height = v;
            ++numbers;
        } else {
            numbers = 3;  // the maximum: read, not used
        }
    }
    if (!b->fileRules) (void)Next(b);
    return true;
}

// Skips to the next digit and reads a decimal number; false at the end.
bool TextValue(Bytes* b, uint32_t* v) {
    while (Peek(b) >= 0 && !IsDigit(Peek(b))) ++b->at;
    if (Peek(b) < 0) return false;
    uint32_t acc = 0;
    while (IsDigit(Peek(b))) acc = Accumulate(acc, Next(b));
    *v = acc;
    return true;
}

// The fewest bytes that can hold the pixel data of a w x h image.
uint64_t LeastData(int format, uint64_t w, uint64_t h, bool fileRules) {
    const uint64_t n = w * h;
    switch (format) {
        case 1: return fileRules ? 2 * n - 1 : n;  // numbers need separators
        case 2: return 2 * n - 1;
        case 3: return 6 * n - 1;
        case 4: return (w + 7) / 8 * h;
        case 5: return n;
        default: return 3 * n;
    }
}

IMG* ReadPNM(Bytes* b) {
    Header head{0, 0, 0};
    if (!ReadHeader(b, &head) || !UsableSize(head.width, head.height)) {
        IMGError();
        return nullptr;
    }
    uint64_t width = head.width;
    const uint64_t height = head.height;
    if (head.format == 4 && !b->fileRules) width = (width + 7) / 8 * 8;
    if (!UsableSize(static_cast<uint32_t>(std::min<uint64_t>(width, kSaturated)), head.height) ||
        LeastData(head.format, width, height, b->fileRules) > Remaining(b)) {
        IMGError();
        return nullptr;
    }
    IMG* img = Make(static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (img == nullptr) return nullptr;

    const size_t n = PixelCount(img);
    uint32_t* px = img->pixels;
    bool ok = true;
    switch (head.format) {
        case 1:
            for (size_t i = 0; i < n && ok; ++i) {
                uint32_t v = 0;
                if (b->fileRules) {
                    ok = TextValue(b, &v);
                } else {
                    while (Peek(b) >= 0 && !IsDigit(Peek(b))) ++b->at;
                    const int c = Next(b);
                    ok = c >= 0;
                    v = ok ? static_cast<uint32_t>(c - '0') : 0;
                }
                px[i] = v != 0 ? 0xFFFFFFu : 0u;
            }
            break;
        case 2:
            for (size_t i = 0; i < n && ok; ++i) {
                uint32_t g = 0;
                ok = TextValue(b, &g);
                px[i] = Colour(g, g, g);
            }
            break;
        case 3:
            for (size_t i = 0; i < n && ok; ++i) {
                uint32_t r = 0, g = 0, bl = 0;
                ok = TextValue(b, &r) && TextValue(b, &g) && TextValue(b, &bl);
                px[i] = Colour(r, g, bl);
            }
            break;
        case 4:  // the size check above guarantees every byte below
            for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
                int byte = 0;
                for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
                    if (x % 8 == 0) byte = Next(b);
                    const bool set = ((byte >> (7 - x % 8)) & 1) != 0;
                    px[y * static_cast<size_t>(width) + x] = set ? 0xFFFFFFu : 0u;
                }
            }
            break;
        case 5:
            for (size_t i = 0; i < n; ++i) {
                const auto g = static_cast<uint32_t>(Next(b));
                px[i] = Colour(g, g, g);
            }
            break;
        default:
            for (size_t i = 0; i < n; ++i) {
                const auto r = static_cast<uint32_t>(Next(b));
                const auto g = static_cast<uint32_t>(Next(b));
                const auto bl = static_cast<uint32_t>(Next(b));
                px[i] = Colour(r, g, bl);
            }
            break;
    }
    if (!ok) {
        IMGFree(&img);
        IMGError();
        return nullptr;
    }
    return img;
}
}  // namespace

IMG* IMGFromPNM(const uint8_t* bytes, size_t length) {
    if (bytes == nullptr) {
        IMGError();
        return nullptr;
    }
    Bytes b{bytes, length, 0, false};
    return ReadPNM(&b);
}

IMG* IMGLoad(const char* fileName) {
    if (fileName == nullptr) {
        IMGError();
        return nullptr;
    }
    FILE* f = std::fopen(fileName, "rb");
    if (f == nullptr) {
        IMGError();
        return nullptr;
    }
    // The whole file, in growing blocks (a file's size may not be knowable).
    size_t capacity = 1 << 16;
    size_t length = 0;
    auto* data = static_cast<uint8_t*>(std::malloc(capacity));
    bool ok = data != nullptr;
    while (ok) {
        length += std::fread(data + length, 1, capacity - length, f);
        if (length < capacity) {
            ok = std::ferror(f) == 0;
            break;
        }
        auto* grown = capacity <= SIZE_MAX / 2
                          ? static_cast<uint8_t*>(std::realloc(data, capacity * 2))
                          : nullptr;
        if (grown == nullptr) {
            ok = false;
            break;
        }
        data = grown;
        capacity *= 2;
    }
    std::fclose(f);
    IMG* img = nullptr;
    if (ok) {
        Bytes b{data, length, 0, true};
        img = ReadPNM(&b);
    } else {
        IMGError();
    }
    std::free(data);
    return img;
}
