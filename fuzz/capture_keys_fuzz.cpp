// The capture's key script on arbitrary bytes: counting and storing agree, the
// description of a fault is one short line exactly when the script is refused,
// every stored entry is one the replay can deliver, and the replay delivers
// them in frame order without reading past the script.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/capture/capture.h"
#include "platform/edge.h"
#include "platform/fps.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* script = FuzzText(data, size);
    if (script == nullptr) return 0;

    const int32_t count = CAPTUREParseKeys(script, nullptr, 0);
    char fault[120];
    const bool refused = CAPTUREDescribeKeysFault(script, fault, sizeof fault);
    if (refused != (count < 0)) std::abort();
    const size_t length = std::strlen(fault);
    if (refused ? (length == 0 || std::strchr(fault, '\n') != nullptr) : length != 0) std::abort();
    if (count <= 0) {
        std::free(script);
        return 0;
    }

    auto* keys = static_cast<CAPTUREKey*>(std::calloc(static_cast<size_t>(count), sizeof(CAPTUREKey)));
    if (keys == nullptr) {
        std::free(script);
        return 0;
    }
    if (CAPTUREParseKeys(script, keys, count) != count) std::abort();
    if (CAPTUREParseKeys(script, keys, count / 2) != count) std::abort();  // stores fewer, counts all
    std::free(script);
    for (int32_t i = 0; i < count; i++) {
        const CAPTUREKey& k = keys[i];
        const bool press = k.type == EDGE_EVENT_KEY_DOWN && k.sym >= 0x21 && k.sym <= 0x7E;
        const bool named = (k.type == EDGE_EVENT_KEY_DOWN && (k.sym == 27 || k.sym == 32)) ||
                           (k.type == EDGE_EVENT_QUIT && k.sym == 0);
        if (k.frame < 1 || !(press || named)) std::abort();
    }

    // Replay the first frames' keys (the backend takes the script over).
    CAPTURESetup setup{};
    setup.every = 1;
    setup.keys = keys;
    setup.keyCount = count;
    if (!CAPTUREStart(&setup)) std::abort();
    int32_t delivered = 0;
    for (frameCount = 1; frameCount <= 64; frameCount++) {
        EDGEEvent e{};
        int32_t polls = 0;
        while (EDGEPollEvent(&e)) {
            if (++polls > count + 1) std::abort();  // each entry once, plus one release
            if (e.type != EDGE_EVENT_KEY_UP) delivered++;
        }
    }
    int32_t due = 0;
    for (int32_t i = 0; i < count; i++) due += keys[i].frame <= 64 ? 1 : 0;
    if (delivered != due) std::abort();
    return 0;
}
