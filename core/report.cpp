#include "core/report.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// Relaxed atomic: reports come from the main thread, but the counter must stay
// race-free if a test drives a module from a second thread.
constinit std::atomic<uint64_t> reportCount{0};
}  // namespace

void REPORTError(const char* line, bool print) {
    reportCount.fetch_add(1, std::memory_order_relaxed);
    if (print && line != nullptr) {
        std::fputs(line, stdout);
    }
}

uint64_t REPORTCount() { return reportCount.load(std::memory_order_relaxed); }

void* REPORTZeroAlloc(size_t count, size_t size) {
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    // calloc(0, n) may return null or a unique pointer; ask for at least one
    // byte so that "allocated but empty" is always a valid, non-null block.
    if (count == 0 || size == 0) return std::calloc(1, 1);
    return std::calloc(count, size);
}

void* REPORTZeroAllocAligned(size_t count, size_t size) {
    constexpr size_t kLine = 64;
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    size_t bytes = count * size;
    if (bytes > SIZE_MAX - kLine) return nullptr;
    bytes = bytes == 0 ? kLine : (bytes + kLine - 1) / kLine * kLine;
    void* p = nullptr;
    if (posix_memalign(&p, kLine, bytes) != 0) return nullptr;
    std::memset(p, 0, bytes);
    return p;
}
