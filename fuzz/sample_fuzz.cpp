// Sample readers on arbitrary bytes: the text parser (whose result must
// survive a text round trip) and the raw PCM reader in every format.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sound/sample.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* text = FuzzText(data, size);
    if (text == nullptr) return 0;
    SAMPLE* s = SAMPLEFromASCII(text);
    std::free(text);
    if (s != nullptr) {
        char* again = SAMPLEToASCII(s);
        SAMPLE* back = SAMPLEFromASCII(again);
        if (!SAMPLEEqual(s, back)) std::abort();
        std::free(again);
        SAMPLEFree(&back);
        SAMPLEFree(&s);
    }

    if (size == 0) return 0;
    // The first byte picks the PCM format, the rest is the stream.
    const uint8_t mode = data[0];
    const size_t streamSize = size - 1;
    static uint8_t none[1];
    FILE* in = fmemopen(streamSize > 0 ? const_cast<uint8_t*>(data + 1) : none,
                        streamSize > 0 ? streamSize : 1, "rb");
    if (in == nullptr) return 0;
    if (streamSize == 0) (void)std::fgetc(in);  // fmemopen needs a byte: use it up
    SAMPLE* pcm = SAMPLERead(in, (mode & 1) ? 16 : 8, (mode & 2) ? 'b' : 'l', (mode & 4) ? 'u' : 's');
    std::fclose(in);
    if (pcm != nullptr) {
        const int64_t expected = static_cast<int64_t>(streamSize) / ((mode & 1) ? 2 : 1);
        if (pcm->length != expected) std::abort();
        SAMPLEFree(&pcm);
    }
    return 0;
}
