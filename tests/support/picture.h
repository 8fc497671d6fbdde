// picture.h: hand-drawn ASCII reference pictures for image tests.
//
//     ExpectPicture(img, {"#....",
//                         ".#...",
//                         "..##."});
// compares the top-left corner of the image: '.' is black (0), any other
// character is a non-black pixel. PictureOf renders the same form for messages.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "image/img.h"

// A new black image of w x h pixels (the caller frees it).
inline IMG* Sized(int32_t w, int32_t h) {
    IMG* img = IMGNew();
    IMGSetSize(img, w, h);
    return img;
}

inline std::string PictureOf(const IMG* img, int32_t w, int32_t h) {
    std::string s;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) s += IMGGetPixel(img, x, y) != 0 ? '#' : '.';
        s += '\n';
    }
    return s;
}

inline void ExpectPicture(const IMG* img, std::initializer_list<const char*> rows) {
    std::string want;
    int32_t w = 0;
    int32_t h = 0;
    for (const char* row : rows) {
        std::string r(row);
        for (char& c : r) c = (c == '.') ? '.' : '#';
        want += r + '\n';
        w = static_cast<int32_t>(r.size());
        ++h;
    }
    EXPECT_EQ(want, PictureOf(img, w, h));
}
