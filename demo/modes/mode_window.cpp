#include "platform/sdldpy.h"
extern const uint32_t SDLDPY_MODE_FLAGS = SDLDPY_FLAGS_WINDOW;  // 0x10000001: in a window
