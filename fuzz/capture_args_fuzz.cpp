// demo_capture's command line on arbitrary bytes, split into arguments at NUL
// bytes: every line is run, asks for help or is refused with one short reason;
// a line that runs carries a consistent setup whose key script it owns.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/capture/capture.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr int32_t kMaxArgs = 64;
    char* bytes = FuzzText(data, size);
    if (bytes == nullptr) return 0;
    const char* argv[kMaxArgs + 1];
    int32_t argc = 0;
    argv[argc++] = "demo_capture";
    for (size_t at = 0; at < size && argc < kMaxArgs; at += std::strlen(bytes + at) + 1) {
        argv[argc++] = bytes + at;
    }
    argv[argc] = nullptr;

    CAPTURESetup setup{};
    const int32_t result = CAPTUREParseArgs(argc, argv, &setup);
    const char* problem = CAPTUREArgsProblem();
    const size_t length = std::strlen(problem);
    switch (result) {
        case CAPTURE_ARGS_RUN:
            if (length != 0 || setup.frames < 1 || setup.every < 1 || setup.keyCount < 0) std::abort();
            if ((setup.keyCount == 0) != (setup.keys == nullptr)) std::abort();
            for (int32_t i = 0; i < setup.keyCount; i++) {
                if (setup.keys[i].frame < 1) std::abort();
            }
            std::free(setup.keys);
            break;
        case CAPTURE_ARGS_HELP:
        case CAPTURE_ARGS_BAD:
            if ((result == CAPTURE_ARGS_BAD) != (length != 0)) std::abort();
            if (length >= 160 || std::strchr(problem, '\n') != nullptr) std::abort();
            for (size_t i = 0; i < length; i++) {
                const unsigned char c = static_cast<unsigned char>(problem[i]);
                if (c < 0x20 || c > 0x7E) std::abort();  // nothing a terminal would act on
            }
            if (setup.keys != nullptr || setup.frames != 0) std::abort();  // nothing half-filled
            break;
        default:
            std::abort();
    }
    std::free(bytes);
    return 0;
}
