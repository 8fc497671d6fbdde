#include "platform/sdldpy.h"
extern const uint32_t SDLDPY_MODE_FLAGS = SDLDPY_FLAGS_FULLSCREEN;  // 0x90000001: full-screen
