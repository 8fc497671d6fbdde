#include "platform/sdlsnd.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "platform/edge.h"

namespace {
// Trace lines: an operation's name on entry ("SDLSNDNew_") and before each
// return ("_SDLSNDNew"), and the reason before an early return. Switched off at
// build time; behaviour is the same either way.
constexpr bool kTrace = false;
void Trace(const char* line) {
    if constexpr (kTrace) std::fputs(line, stdout);
}

constexpr int32_t kQueueLimit = 1 << 30;  // LIST capacities stop doubling here

// An empty queue with room for at least `room` entries, built outside the audio
// lock so that nothing is ever allocated while the audio thread may wait on it.
LIST* NewQueue(int32_t room) {
    LIST* queue = LISTNew();
    while (queue != nullptr && queue->capacity < room) {
        if (!LISTGrow(queue)) LISTFree(&queue);
    }
    return queue;
}

// The low-order 16 bits of each value, little-endian. A plain loop over the
// value array: the compiler turns it into a vector narrowing copy.
void WriteValues(uint8_t* __restrict out, const int32_t* __restrict values, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const auto v = static_cast<uint32_t>(values[i]);
        out[2 * i] = static_cast<uint8_t>(v);
        out[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
}
}  // namespace

SDLSND* SDLSNDNew() {
    Trace("SDLSNDNew_\n");
    auto* snd = static_cast<SDLSND*>(REPORTZeroAlloc(1, sizeof(SDLSND)));
    LIST* queue = NewQueue(SDLSND_QUEUE_RESERVE);
    if (snd == nullptr || queue == nullptr) {
        Trace("ERR calloc SDLSND\n");
        std::free(snd);
        LISTFree(&queue);
        Trace("_SDLSNDNew\n");
        return nullptr;
    }
    snd->rate = SDLSND_RATE;
    snd->width = SDLSND_WIDTH;
    snd->sign = 's';
    snd->order = 'l';
    snd->mute = 0;
    snd->queue = queue;
    // Brings the whole media library up and opens the device, paused; the
    // callback receives this record.
    if (!EDGEAudioOpen(snd)) {
        Trace("ERR open audio\n");
        LISTFree(&snd->queue);
        std::free(snd);
        Trace("_SDLSNDNew\n");
        return nullptr;
    }
    EDGEAudioPause(false);  // plays at once, from an empty queue: silence
    Trace("_SDLSNDNew\n");
    return snd;
}

void SDLSNDFree(SDLSND** ref) {
    Trace("SDLSNDFree_\n");
    if (ref == nullptr || *ref == nullptr) {
        Trace("ERR void parameter\n");
        Trace("_SDLSNDFree\n");
        return;
    }
    SDLSND* snd = *ref;
    EDGEAudioPause(true);
    // Closed without the audio lock: the close waits for the device's thread
    // to finish its last pass, and that thread takes the lock on every pass
    // (paused or not), so closing with the lock held can wait for ever. Once
    // the close returns, no callback runs and the record is ours alone.
    EDGEAudioClose();
    std::free(snd->buffer);
    if (snd->queue != nullptr) LISTFree(&snd->queue);
    std::free(snd);
    *ref = nullptr;
    Trace("_SDLSNDFree\n");
}

const char* SDLSNDToASCII(const SDLSND* snd) { return snd != nullptr ? "" : nullptr; }

SDLSND* SDLSNDFromASCII(const char* /*text*/) { return nullptr; }

bool SDLSNDEqual(const SDLSND* a, const SDLSND* b) { return a != nullptr && b != nullptr; }

SDLSND* SDLSNDCopy(const SDLSND* /*snd*/) { return nullptr; }

int32_t SDLSNDPlay(SDLSND* /*snd*/) { return 0; }

void SDLSNDPlaySAMPLE(SDLSND* snd, SAMPLE* sample) {
    Trace("SDLSNDPlaySAMPLE_\n");
    if (snd == nullptr || sample == nullptr) {
        Trace("ERR void parameter\n");
        Trace("_SDLSNDPlaySAMPLE\n");
        return;
    }
    // Only this thread replaces snd->queue, so reading the reference here needs
    // no lock; every replacement happens under the lock, where the callback
    // reads it.
    if (snd->queue == nullptr) {
        Trace("ERR void snd->queue\n");
        LIST* fresh = NewQueue(SDLSND_QUEUE_RESERVE);
        if (fresh == nullptr) {
            Trace("_SDLSNDPlaySAMPLE\n");
            return;
        }
        EDGEAudioLock();
        snd->queue = fresh;
        EDGEAudioUnlock();
    }

    LIST* queue = snd->queue;
    EDGEAudioLock();
    const int32_t capacity = queue->capacity;
    const bool room = queue->count < capacity;
    if (room) LISTPush(queue, sample);  // within capacity: no allocation
    EDGEAudioUnlock();
    if (room || capacity >= kQueueLimit) {
        Trace("_SDLSNDPlaySAMPLE\n");
        return;
    }

    // Full: build a queue of twice the capacity outside the lock, then move the
    // entries over and swap it in under the lock. The callback only removes
    // entries meanwhile, so the new queue has room for all of them and the new one.
    LIST* bigger = NewQueue(capacity * 2);
    if (bigger == nullptr) {
        Trace("_SDLSNDPlaySAMPLE\n");
        return;
    }
    EDGEAudioLock();
    for (int32_t i = 0; i < queue->count; ++i) LISTPush(bigger, LISTGet(queue, i));
    LISTPush(bigger, sample);
    snd->queue = bigger;
    EDGEAudioUnlock();
    LISTFree(&queue);
    Trace("_SDLSNDPlaySAMPLE\n");
}

int32_t SDLSNDQueued(SDLSND* snd) {
    if (snd == nullptr) return 0;
    EDGEAudioLock();
    const int32_t count = snd->queue != nullptr ? snd->queue->count : 0;
    EDGEAudioUnlock();
    return count;
}

void SDLSNDLock(SDLSND* snd) {
    if (snd != nullptr) EDGEAudioLock();
}

void SDLSNDUnlock(SDLSND* snd) {
    if (snd != nullptr) EDGEAudioUnlock();
}

void SDLSNDCallback(void* userdata, uint8_t* buffer, int32_t bytes) {
    Trace("SDLSNDCallback_\n");
    auto* snd = static_cast<SDLSND*>(userdata);
    if (snd == nullptr || buffer == nullptr) {
        Trace("ERR void parameter\n");
        Trace("_SDLSNDCallback\n");
        return;
    }
    if (bytes <= 0) {
        Trace("ERR wrong length\n");
        Trace("_SDLSNDCallback\n");
        return;
    }
    LIST* queue = snd->queue;
    if (queue == nullptr || queue->count <= 0) {
        Trace("ERR underflow\n");  // the device's silence plays; the position stays
        Trace("_SDLSNDCallback\n");
        return;
    }
    auto* current = static_cast<const SAMPLE*>(LISTGet(queue, 0));
    if (snd->mute != 0 || current == nullptr) {
        std::memset(buffer, 0, static_cast<size_t>(bytes));
        Trace("_SDLSNDCallback\n");
        return;
    }

    // Copy runs: as many values of the current sample as fit, then drop the
    // sample when it has played to its end and continue with the next. An odd
    // last byte keeps the device's silence.
    uint8_t* out = buffer;
    int32_t remaining = bytes / 2;
    while (remaining > 0) {
        const int32_t position = snd->position;
        const int32_t length = current->length;
        int32_t run = 1;
        int32_t next = 0;
        if (current->values != nullptr && position >= 0 && position < length &&
            length <= current->capacity) {
            run = length - position < remaining ? length - position : remaining;
            WriteValues(out, current->values + position, run);
            next = position + run;
        } else {
            out[0] = 0;  // a position outside the sample reads as the value 0
            out[1] = 0;
            next = position < length ? position + 1 : length;  // never past INT32_MAX
        }
        out += 2 * run;
        remaining -= run;
        snd->position = next;
        if (next >= length) {
            LISTRemove(queue, 0);
            snd->position = 0;
            if (queue->count == 0) {
                Trace("ERR underflow\n");  // the rest of the buffer keeps the silence
                break;
            }
            current = static_cast<const SAMPLE*>(LISTGet(queue, 0));
            if (current == nullptr) {
                std::memset(out, 0, static_cast<size_t>(remaining) * 2);
                break;
            }
        }
    }
    Trace("_SDLSNDCallback\n");
}
