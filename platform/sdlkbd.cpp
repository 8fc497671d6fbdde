#include "platform/sdlkbd.h"

#include <cstdio>
#include <cstdlib>

#include "core/report.h"
#include "platform/edge.h"
#include "platform/sdldpy.h"

const char* const SDLKBD_IDENTITY[3] = {"SDLKBD", "20030728", "VKR"};

namespace {
// Trace lines: an operation's name on entry ("SDLKBDNew_") and before each
// return ("_SDLKBDNew"), and the reason before an early return. Switched off at
// build time; behaviour is the same either way.
constexpr bool kTrace = false;
void Trace(const char* line) {
    if constexpr (kTrace) std::fputs(line, stdout);
}

constinit SDLKBD* instance = nullptr;

// The key byte: the low byte of a key symbol, read as a signed byte.
int8_t KeyByte(int32_t sym) { return static_cast<int8_t>(static_cast<uint32_t>(sym) & 0xFFu); }
}  // namespace

SDLKBD* SDLKBDNew() {
    Trace("SDLKBDNew_\n");
    if (SDLDPYInstance() == nullptr) {
        Trace("ERR SDL not init'ed\n");
        Trace("_SDLKBDNew\n");
        return nullptr;
    }
    if (instance == nullptr) {
        auto* kbd = static_cast<SDLKBD*>(REPORTZeroAlloc(1, sizeof(SDLKBD)));
        auto* keys = static_cast<int8_t*>(REPORTZeroAlloc(SDLKBD_KEY_BUFFER, 1));
        if (kbd == nullptr || keys == nullptr) {
            std::free(kbd);
            std::free(keys);
            Trace("_SDLKBDNew\n");
            return nullptr;
        }
        kbd->keys = keys;
        instance = kbd;
    }
    Trace("_SDLKBDNew\n");
    return instance;
}

void SDLKBDFree(SDLKBD** ref) {
    Trace("SDLKBDFree_\n");
    if (ref == nullptr || *ref == nullptr) {
        Trace("ERR void parameter\n");
        Trace("_SDLKBDFree\n");
        return;
    }
    SDLKBD* kbd = *ref;
    std::free(kbd->keys);
    std::free(kbd);
    if (kbd == instance) instance = nullptr;
    *ref = nullptr;
    Trace("_SDLKBDFree\n");
}

const char* SDLKBDToASCII(const SDLKBD* kbd) { return kbd != nullptr ? "" : nullptr; }

SDLKBD* SDLKBDFromASCII(const char* /*text*/) { return nullptr; }

bool SDLKBDEqual(const SDLKBD* a, const SDLKBD* b) { return a != nullptr && b != nullptr && a == b; }

SDLKBD* SDLKBDCopy(const SDLKBD* /*kbd*/) { return nullptr; }

void SDLKBDGetKey(SDLKBD* kbd) {
    Trace("SDLKBDGetKey_\n");
    if (kbd == nullptr || kbd->keys == nullptr) {
        Trace("ERR void parameter\n");
        Trace("_SDLKBDGetKey\n");
        return;
    }
    if (SDLDPYInstance() == nullptr) Trace("ERR no display\n");  // polled all the same
    EDGEEvent event{};
    bool quit = false;  // a quit request outlasts the key events after it
    while (EDGEPollEvent(&event)) {
        switch (event.type) {
            case EDGE_EVENT_KEY_DOWN: {
                kbd->keys[0] = KeyByte(event.sym);
                if constexpr (kTrace) {
                    const char c = static_cast<char>(kbd->keys[0]);
                    const char name[2] = {c >= 32 && c < 127 ? c : '?', '\0'};
                    std::printf("keyName=%s\n", name);
                    std::printf("keySym=%c\n", c);
                }
                break;
            }
            case EDGE_EVENT_KEY_UP:
                kbd->keys[0] = 0;
                break;
            case EDGE_EVENT_QUIT:
                quit = true;
                break;
            default:
                break;  // every other event is dropped
        }
    }
    // The close button and the termination signals take the Escape key's path:
    // the demo fades out and exits with status 0. Key events later in the same
    // poll (the releases of Alt+F4, someone typing during a SIGTERM) must not
    // overwrite the request, so it is applied after the queue is drained.
    if (quit) kbd->keys[0] = SDLKBD_KEY_QUIT;
    Trace("_SDLKBDGetKey\n");
}
