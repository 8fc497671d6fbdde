// texts.h: the three compiled-in texts in the object text format. Start-up
// parses them, in this order, with OBJ2DListFromASCII.
#pragma once

extern const char* const FONT8_TEXT;       // 8 x 8 line font, 256 entries
extern const char* const FONT16_TEXT;      // 16 x 16 line font, 256 entries
extern const char* const OBJLIB_TEXT;      // object library, 87 entries
