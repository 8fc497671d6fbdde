#include "demo/icon.h"

#include "image/img.h"
#include "image/imgfx.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/texts.h"

namespace {
constexpr int32_t kCell = 16;                // the line font's cell
constexpr int32_t kMargin = 2;               // black border around the letters
constexpr int32_t kSketch = 2 * kCell + 2 * kMargin;  // the letters at their own size
constexpr char kLetters[2][3] = {"MO", "XA"};
constexpr uint32_t kColours[4] = {0xFF5000u, 0xFFC800u, 0x00B0FFu, 0x30FF30u};

// The four letters at the font's own size, into a kSketch x kSketch image.
bool DrawLetters(IMG* sketch) {
    LIST* glyphs = OBJ2DListFromASCII(FONT16_TEXT);
    LFONT* pen = LFONTNew();
    const bool ok = glyphs != nullptr && pen != nullptr;
    if (ok) {
        pen->glyphs = glyphs;  // the pen owns the glyphs from here on
        glyphs = nullptr;
        pen->image = sketch;
        pen->cellSize->x = kCell;
        pen->cellSize->y = kCell;
        for (int32_t row = 0; row < 2; ++row) {
            pen->position->x = kMargin;
            pen->position->y = kMargin + row * kCell;
            for (int32_t k = 0; k < 2; ++k) {
                LFONTSetColor(pen, kColours[2 * row + k]);
                pen->code = static_cast<unsigned char>(kLetters[row][k]);
                LFONTDrawChar(pen);
            }
        }
    }
    OBJ2DListFree(&glyphs);
    LFONTFree(&pen);
    return ok;
}
}  // namespace

IMG* MOXA7730DrawIcon(int32_t size) {
    if (size < MOXA7730_ICON_MIN || size > MOXA7730_ICON_MAX) return nullptr;
    IMG* sketch = IMGNew();
    IMG* icon = IMGNew();
    IMG* glow = IMGNew();
    IMGSetSize(sketch, kSketch, kSketch);
    IMGSetSize(icon, size, size);
    IMGSetSize(glow, size, size);
    const bool sized = sketch != nullptr && icon != nullptr && glow != nullptr &&
                       sketch->width == kSketch && icon->width == size && glow->width == size;
    if (sized && DrawLetters(sketch)) {
        IMGScale(sketch, glow);         // sharp pixels at every size
        IMGFXGlow3x3(glow, icon, 3);    // a halo of an eighth of the neighbours' light
    } else {
        IMGFree(&icon);
    }
    IMGFree(&sketch);
    IMGFree(&glow);
    return icon;
}
