// The object text parser on arbitrary bytes, then everything that reads its
// result: posed drawing (rotated, mirrored, far outside), points, transforms,
// clones, collisions, and a line font over the parsed list writing the input.
// The text sits in a block exactly one byte longer than the input, so a read
// past the terminating NUL is caught by the address sanitizer.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "image/img.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "fuzz/fuzz_text.h"

namespace {
// The structural promise of every parsed object: two points per segment, and
// they are the segment's own endpoints.
void CheckShape(const OBJ2D* obj) {
    if (obj->points->count != 2 * obj->segments->count) std::abort();
    for (int32_t i = 0; i < obj->segments->count; ++i) {
        const SEG2D* s = static_cast<const SEG2D*>(LISTGet(obj->segments, i));
        if (s == nullptr || LISTGet(obj->points, 2 * i) != s->start ||
            LISTGet(obj->points, 2 * i + 1) != s->end) {
            std::abort();
        }
    }
    if (obj->farthest < -1 || obj->farthest >= obj->points->count) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* text = FuzzText(data, size);
    if (text == nullptr) return 0;

    LIST* list = OBJ2DListFromASCII(text);
    if (list == nullptr) std::abort();  // only a null text gives no list
    IMG* img = IMGNew();
    IMGSetSize(img, 48, 40);

    const OBJ2D* previous = nullptr;
    for (int32_t i = 0; i < list->count; ++i) {
        OBJ2D* obj = static_cast<OBJ2D*>(LISTGet(list, i));
        if (obj == nullptr) continue;
        CheckShape(obj);
        OBJ2DDraw(obj, img);  // model pose
        obj->position->x = 20 - 7 * i;
        obj->position->y = -5 + 3 * i;
        obj->scale->x = i % 5 - 2;
        obj->scale->y = 3 - i % 4;
        obj->angle = i * 97 - 300;
        OBJ2DDraw(obj, img);
        OBJ2DDrawRaw(obj, img);
        OBJ2DDrawPoints(obj, img);
        OBJ2DDrawPointsPosed(obj, img);
        OBJ2DFindFarthest(obj);

        OBJ2D* clone = OBJ2DClone(obj);
        if (clone == nullptr) std::abort();
        CheckShape(clone);
        OBJ2DTransform(clone);
        OBJ2DSetColor(clone, 0x00123456u);
        OBJ2DDraw(clone, img);
        if (previous != nullptr && previous->points->count > 0 && clone->points->count > 0) {
            (void)OBJ2DCollide(previous, clone);
        }
        OBJ2DFree(&clone);
        previous = obj;
    }

    // The list as a font's glyphs, writing the input itself at two scales.
    LFONT* font = LFONTNew();
    font->glyphs = list;  // the font owns the list and the objects from here
    font->image = img;
    font->cellSize->x = 8;
    font->cellSize->y = 8;
    font->position->x = -4;
    LFONTDrawString(font, text);
    font->scale->x = -2;
    font->angle = 300;
    LFONTDrawLine(font, text);
    LFONTDrawHex32(font, size > 0 ? data[0] * 0x01010101u : 0u);
    LFONTFree(&font);

    IMGFree(&img);
    std::free(text);
    return 0;
}
