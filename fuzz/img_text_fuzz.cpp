// The image text form on arbitrary bytes: IMGFromASCII, then everything that
// reads its result (the text form back, the filters, a resize, a rotation).
// The text sits in a block exactly one byte longer than the input, so a read
// past the terminating NUL is caught by the address sanitizer.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "image/img.h"
#include "image/imgfx.h"
#include "fuzz/fuzz_text.h"

namespace {
bool TopBytesClear(const IMG* img) {
    for (int64_t i = 0; i < int64_t{img->width} * img->height; ++i) {
        if ((img->pixels[i] >> 24) != 0) return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* text = FuzzText(data, size);
    if (text == nullptr) return 0;

    (void)IMGFindMarker(text, "P3\n");
    IMG* img = IMGFromASCII(text);
    if (img != nullptr) {
        if (img->pixels == nullptr || img->width < 0 || img->height < 0) std::abort();
        // The text form of the result reads back to the same image, as long
        // as no pixel carries a top byte (the text holds 8-bit channels).
        char* again = IMGToASCII(img);
        if (again == nullptr) std::abort();
        IMG* back = IMGFromASCII(again);
        const bool empty = img->width == 0 || img->height == 0;
        if (!empty && TopBytesClear(img) && !IMGEqual(img, back)) std::abort();
        if (back != nullptr) IMGFree(&back);
        std::free(again);

        if (int64_t{img->width} * img->height <= 4096) {
            IMG* out = IMGNew();
            IMGFXGlow5(img, out, 3);
            IMGFXBlur5(img, out);
            IMGFXBoxBlur(img, img, 2);
            IMGScale(img, out);
            IMGFree(&out);
            IMG* turned = IMGRotoZoom(img, static_cast<int32_t>(size) * 37);
            if (turned != nullptr) IMGFree(&turned);
        }
        IMGFree(&img);
    }
    std::free(text);
    return 0;
}
