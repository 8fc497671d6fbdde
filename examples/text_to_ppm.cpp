// text_to_ppm: writes two lines of text with the toolkit's 16 x 16 line font
// into a 256 x 64 image, gives them a glow and saves the picture as a binary
// PPM file.
//
// usage: text_to_ppm OUT.ppm
#include <cstdint>
#include <cstdio>

#include <moxa7730/core/list.h>
#include <moxa7730/core/report.h>
#include <moxa7730/image/img.h>
#include <moxa7730/image/imgfx.h>
#include <moxa7730/vector/lfont.h>
#include <moxa7730/vector/obj2d.h>
#include <moxa7730/vector/texts.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: text_to_ppm OUT.ppm\n", stderr);
        return 2;
    }

    // Create: the picture, the glow's output, and a pen over the compiled-in
    // 16 x 16 font. The glyph list is parsed from its text form; once handed
    // to the pen, the pen owns it.
    IMG* picture = IMGNew();
    IMG* glowing = IMGNew();
    LFONT* pen = LFONTNew();
    LIST* glyphs = OBJ2DListFromASCII(FONT16_TEXT);
    if (picture == nullptr || glowing == nullptr || pen == nullptr || glyphs == nullptr) {
        std::fputs("text_to_ppm: out of memory\n", stderr);
        OBJ2DListFree(&glyphs);
        LFONTFree(&pen);
        IMGFree(&glowing);
        IMGFree(&picture);
        return 1;
    }
    pen->glyphs = glyphs;
    IMGSetSize(picture, 256, 64);  // black
    IMGSetSize(glowing, 256, 64);

    // Use: the pen writes into the picture; a line feed starts the next line
    // under the first character. Each glyph keeps the colour last set.
    pen->image = picture;
    pen->cellSize->x = 16;
    pen->cellSize->y = 24;  // line spacing
    pen->position->x = 16;
    pen->position->y = 8;
    LFONTSetColor(pen, 0xFFC040u);
    LFONTDrawString(pen, "HELLO FROM\nTHE TOOLKIT");
    IMGFXGlow3x3(picture, glowing, 1);
    const bool saved = IMGSave(glowing, argv[1]);  // P6, 3 bytes a pixel

    // Free: the pen frees its glyphs with it.
    LFONTFree(&pen);
    IMGFree(&glowing);
    IMGFree(&picture);
    if (!saved || REPORTCount() != 0) {
        std::fprintf(stderr, "text_to_ppm: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
