// fuzz_text.h: the fuzz input as a NUL-terminated text the readers can take.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// A malloc'd copy of the input with a NUL after it (free it with std::free);
// null when memory runs out, which the caller treats as nothing to test.
[[nodiscard]] inline char* FuzzText(const uint8_t* data, size_t size) {
    char* text = static_cast<char*>(std::malloc(size + 1));
    if (text == nullptr) return nullptr;
    if (size > 0) std::memcpy(text, data, size);
    text[size] = '\0';
    return text;
}
