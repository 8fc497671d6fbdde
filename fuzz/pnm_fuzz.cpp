// The PNM readers on arbitrary bytes: IMGFromPNM from memory (in a block of
// exactly the input's size, so any read past its end is caught), and IMGLoad
// from the same bytes in a file. What they read is written with IMGSave and
// must load back equal when no pixel carries a top byte.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image/img.h"

namespace {
// One file per fuzzing process.
const char* Scratch() {
    static char path[64];
    if (path[0] == '\0') std::snprintf(path, sizeof path, "/tmp/pnm_fuzz_%d.pnm", getpid());
    return path;
}

bool TopBytesClear(const IMG* img) {
    for (int64_t i = 0; i < int64_t{img->width} * img->height; ++i) {
        if ((img->pixels[i] >> 24) != 0) return false;
    }
    return true;
}

void CheckSaveLoad(const IMG* img) {
    if (img->pixels == nullptr || img->width <= 0 || img->height <= 0) std::abort();
    if (!TopBytesClear(img) || int64_t{img->width} * img->height > 65536) return;
    if (!IMGSave(img, Scratch())) std::abort();
    IMG* back = IMGLoad(Scratch());
    if (back == nullptr || !IMGEqual(img, back)) std::abort();
    IMGFree(&back);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto* bytes = static_cast<uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (bytes == nullptr) return 0;
    if (size > 0) std::memcpy(bytes, data, size);

    IMG* img = IMGFromPNM(bytes, size);
    if (img != nullptr) {
        CheckSaveLoad(img);
        IMGFree(&img);
    }

    FILE* f = std::fopen(Scratch(), "wb");
    if (f == nullptr) std::abort();
    if (size > 0 && std::fwrite(bytes, 1, size, f) != size) std::abort();
    std::fclose(f);
    img = IMGLoad(Scratch());
    if (img != nullptr) {
        CheckSaveLoad(img);
        IMGFree(&img);
    }
    std::remove(Scratch());
    std::free(bytes);
    return 0;
}
