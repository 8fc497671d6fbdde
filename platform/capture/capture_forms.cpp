// capture_forms.cpp: the capture backend's pure parts: the key script, the
// presentation hash, the WAV header and the PNG writer.
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/capture/capture.h"
#include "platform/edge.h"

namespace {

struct KeyName {
    const char* name;
    int32_t     type;
    int32_t     sym;
};
constexpr KeyName kKeyNames[] = {
    {"esc", EDGE_EVENT_KEY_DOWN, 27},
    {"space", EDGE_EVENT_KEY_DOWN, 32},
    {"quit", EDGE_EVENT_QUIT, 0},
};

// Reads a decimal frame count 1 .. INT32_MAX at *text and moves past it.
bool ParseFrame(const char** text, int32_t* frame) {
    const char* p = *text;
    int64_t value = 0;
    if (*p < '0' || *p > '9') return false;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX) return false;
        p++;
    }
    if (value < 1) return false;
    *frame = static_cast<int32_t>(value);
    *text = p;
    return true;
}

// Reads one key at *text: a name followed by ',' or the end, else a single
// printable character (',' and ':' included, so "5:,,6::" is two entries).
bool ParseKey(const char** text, int32_t* type, int32_t* sym) {
    const char* p = *text;
    for (const KeyName& k : kKeyNames) {
        const size_t n = std::strlen(k.name);
        if (std::strncmp(p, k.name, n) == 0 && (p[n] == ',' || p[n] == '\0')) {
            *type = k.type;
            *sym = k.sym;
            *text = p + n;
            return true;
        }
    }
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c < 0x21 || c > 0x7E) return false;  // blanks, controls and non-ASCII
    if (p[1] != ',' && p[1] != '\0') return false;
    *type = EDGE_EVENT_KEY_DOWN;
    *sym = c;
    *text = p + 1;
    return true;
}

void Put32(uint8_t* at, uint32_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
    at[2] = static_cast<uint8_t>(v >> 16);
    at[3] = static_cast<uint8_t>(v >> 24);
}

void Put16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

// The RGB rows of the PNG being written; grown on demand, kept for the next.
constinit uint8_t* rgb = nullptr;
constinit size_t rgbSize = 0;

}  // namespace

// [SECTION] Key script

namespace {

// Where and why a script stops parsing: the reasons CAPTUREDescribeKeysFault
// puts into words.
enum class KeyFault : int32_t { kNone, kFrame, kColon, kKey, kTrailingComma, kTooMany };
struct KeyFaultAt {
    KeyFault    kind;
    const char* at;     // where the offending text starts
    int32_t     frame;  // the entry's frame, once read
};

// Parses the whole script, storing what fits; -1 on the first fault, which
// fault (when not null) then describes.
int32_t ParseScript(const char* script, CAPTUREKey* keys, int32_t capacity, KeyFaultAt* fault) {
    KeyFaultAt local{};
    KeyFaultAt& f = fault != nullptr ? *fault : local;
    f = KeyFaultAt{KeyFault::kNone, script, 0};
    const char* p = script;
    int32_t count = 0;
    while (*p != '\0') {
        CAPTUREKey key = {};
        f.at = p;
        if (!ParseFrame(&p, &key.frame)) {
            f.kind = KeyFault::kFrame;
            return -1;
        }
        f.frame = key.frame;
        f.at = p;
        if (*p != ':') {
            f.kind = KeyFault::kColon;
            return -1;
        }
        p++;
        f.at = p;
        if (!ParseKey(&p, &key.type, &key.sym)) {
            f.kind = KeyFault::kKey;
            return -1;
        }
        if (*p == ',') {
            p++;
            if (*p == '\0') {  // a trailing comma promises an entry
                f.kind = KeyFault::kTrailingComma;
                return -1;
            }
        }
        if (count == INT32_MAX) {
            f.kind = KeyFault::kTooMany;
            return -1;
        }
        if (count < capacity) keys[count] = key;
        count++;
    }
    return count;
}

// Copies the text at p up to the next stop character (or the end) into out,
// at most 24 characters ("..." marks a cut), anything unprintable as '?'.
void QuoteUpTo(const char* p, const char* stops, char* out, size_t size) {
    constexpr size_t kShown = 24;
    size_t n = 0;
    while (p[n] != '\0' && std::strchr(stops, p[n]) == nullptr) n++;
    const bool cut = n > kShown;
    if (cut) n = kShown;
    size_t o = 0;
    for (size_t i = 0; i < n && o + 1 < size; i++) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        out[o++] = (c >= 0x20 && c <= 0x7E) ? static_cast<char>(c) : '?';
    }
    for (int32_t i = 0; cut && i < 3 && o + 1 < size; i++) out[o++] = '.';
    out[o] = '\0';
}

}  // namespace

int32_t CAPTUREParseKeys(const char* script, CAPTUREKey* keys, int32_t capacity) {
    if (script == nullptr || capacity < 0 || (keys == nullptr && capacity > 0)) return -1;
    return ParseScript(script, keys, capacity, nullptr);
}

bool CAPTUREDescribeKeysFault(const char* script, char* text, size_t size) {
    if (text == nullptr || size == 0) return CAPTUREParseKeys(script, nullptr, 0) < 0;
    text[0] = '\0';
    if (script == nullptr) {
        std::snprintf(text, size, "no script");
        return true;
    }
    KeyFaultAt f{};
    if (ParseScript(script, nullptr, 0, &f) >= 0) return false;
    char quoted[32];
    switch (f.kind) {
        case KeyFault::kFrame:
            QuoteUpTo(f.at, ":,", quoted, sizeof quoted);
            if (quoted[0] == '\0') {
                std::snprintf(text, size, "an entry without a frame number");
            } else {
                std::snprintf(text, size, "bad frame '%s' (a whole number from 1 to 2147483647)",
                              quoted);
            }
            break;
        case KeyFault::kColon:
            std::snprintf(text, size, "no ':KEY' after frame %d", static_cast<int>(f.frame));
            break;
        case KeyFault::kKey:
            QuoteUpTo(f.at, ",", quoted, sizeof quoted);
            if (quoted[0] == '\0') {
                std::snprintf(text, size, "no key at frame %d", static_cast<int>(f.frame));
            } else {
                std::snprintf(text, size, "unknown key '%s' at frame %d", quoted,
                              static_cast<int>(f.frame));
            }
            break;
        case KeyFault::kTrailingComma:
            std::snprintf(text, size, "nothing after the last comma");
            break;
        case KeyFault::kTooMany:
        case KeyFault::kNone:
            std::snprintf(text, size, "too many entries");
            break;
    }
    return true;
}

// [SECTION] Hash

uint64_t CAPTUREHashPixels(const uint32_t* pixels, size_t count) {
    uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a 64 offset basis
    constexpr uint64_t kPrime = 0x100000001b3ull;
    if (pixels == nullptr) return h;
    for (size_t i = 0; i < count; i++) {
        const uint32_t p = pixels[i];
        h = (h ^ (p & 0xFFu)) * kPrime;
        h = (h ^ ((p >> 8) & 0xFFu)) * kPrime;
        h = (h ^ ((p >> 16) & 0xFFu)) * kPrime;
        h = (h ^ (p >> 24)) * kPrime;
    }
    return h;
}

// [SECTION] WAV

void CAPTUREWavHeader(uint32_t dataBytes, uint8_t header[CAPTURE_WAV_HEADER]) {
    if (header == nullptr) return;
    // The RIFF size counts the 36 header bytes after it plus the data.
    constexpr uint32_t kMaxData = (UINT32_MAX - 36u) & ~1u;
    if (dataBytes > kMaxData) dataBytes = kMaxData;
    std::memcpy(header, "RIFF", 4);
    Put32(header + 4, 36u + dataBytes);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    Put32(header + 16, 16);      // size of the format chunk
    Put16(header + 20, 1);       // PCM
    Put16(header + 22, 1);       // mono
    Put32(header + 24, 44100);   // values per second
    Put32(header + 28, 88200);   // bytes per second
    Put16(header + 32, 2);       // bytes per value
    Put16(header + 34, 16);      // bits per value
    std::memcpy(header + 36, "data", 4);
    Put32(header + 40, dataBytes);
}

// [SECTION] PNG

bool CAPTUREWritePNG(const char* path, const uint32_t* pixels, int32_t width, int32_t height) {
    if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0) return false;
    if (width > 65536 || height > 65536) return false;  // keeps the byte count in range
    const size_t need = static_cast<size_t>(width) * static_cast<size_t>(height) * 3u;
    if (need > rgbSize) {
        uint8_t* grown = static_cast<uint8_t*>(std::realloc(rgb, need));
        if (grown == nullptr) return false;
        rgb = grown;
        rgbSize = need;
    }
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    uint8_t* out = rgb;
    for (size_t i = 0; i < count; i++) {
        const uint32_t p = pixels[i];
        out[0] = static_cast<uint8_t>(p >> 16);
        out[1] = static_cast<uint8_t>(p >> 8);
        out[2] = static_cast<uint8_t>(p);
        out += 3;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    image.flags = PNG_IMAGE_FLAG_FAST;  // larger files, written much faster
    const int ok = png_image_write_to_file(&image, path, 0, rgb, 0, nullptr);
    png_image_free(&image);
    if (ok == 0) {
        const int error = errno;  // why the write failed, for the caller's message
        std::remove(path);
        errno = error;
        return false;
    }
    return true;
}
