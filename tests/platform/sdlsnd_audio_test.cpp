// The audio output's queue and callback, driven directly: the test plays the
// device, calling SDLSNDCallback with the audio lock held as a device does.
// Runs under ThreadSanitizer with the stress test at the end.
#include "platform/sdlsnd.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <initializer_list>
#include <thread>
#include <vector>

#include "sound/sample.h"
#include "tests/support/test_support.h"

namespace {

constexpr uint8_t kUntouched = 0xAA;  // what the "device" put in the buffer
constexpr int32_t kUntouchedValue = static_cast<int16_t>(0xAAAA);

// An audio output record built by hand: no device is opened.
struct Output {
    SDLSND snd{};
    Output() {
        snd.rate = SDLSND_RATE;
        snd.width = SDLSND_WIDTH;
        snd.sign = 's';
        snd.order = 'l';
        snd.queue = LISTNew();
    }
    ~Output() {
        if (snd.queue != nullptr) LISTFree(&snd.queue);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
};

using Sample = Owned<SAMPLE, SAMPLEFree>;

SAMPLE* Values(std::initializer_list<int32_t> values) {
    SAMPLE* s = SAMPLENew();
    SAMPLESetLength(s, static_cast<int32_t>(values.size()));
    int32_t i = 0;
    for (int32_t v : values) SAMPLESet(s, i++, v);
    return s;
}

// One device buffer of `count` values (bytes = 2 * count + extra), read back as
// signed 16-bit little-endian values; kUntouchedValue where nothing was written.
std::vector<int32_t> Play(SDLSND* snd, int32_t count) {
    std::vector<uint8_t> buffer(static_cast<size_t>(count) * 2, kUntouched);
    SDLSNDLock(snd);
    SDLSNDCallback(snd, buffer.data(), static_cast<int32_t>(buffer.size()));
    SDLSNDUnlock(snd);
    std::vector<int32_t> values;
    for (size_t i = 0; i + 1 < buffer.size(); i += 2) {
        values.push_back(static_cast<int16_t>(buffer[i] | (buffer[i + 1] << 8)));
    }
    return values;
}

using V = std::vector<int32_t>;
constexpr int32_t U = kUntouchedValue;

TEST(AudioCallback, SampleQueuedSeveralTimesPlaysBackToBack) {
    Output out;
    Sample a(Values({1, 2, 3}));
    for (int i = 0; i < 3; ++i) SDLSNDPlaySAMPLE(&out.snd, a.get());
    EXPECT_EQ(Play(&out.snd, 4), (V{1, 2, 3, 1}));
    EXPECT_EQ(out.snd.position, 1);
    EXPECT_EQ(SDLSNDQueued(&out.snd), 2);
    // The last pass ends inside the buffer: the rest keeps the device's silence.
    EXPECT_EQ(Play(&out.snd, 7), (V{2, 3, 1, 2, 3, U, U}));
    EXPECT_EQ(SDLSNDQueued(&out.snd), 0);
    EXPECT_EQ(out.snd.position, 0);
}

TEST(AudioCallback, ShortSampleIsFollowedWithinTheSameBuffer) {
    Output out;
    Sample a(Values({10, 20}));
    Sample b(Values({7, 8, 9, 10, 11}));
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    SDLSNDPlaySAMPLE(&out.snd, b.get());
    EXPECT_EQ(Play(&out.snd, 5), (V{10, 20, 7, 8, 9}));
    EXPECT_EQ(out.snd.position, 3);
    EXPECT_EQ(Play(&out.snd, 3), (V{10, 11, U}));
}

TEST(AudioCallback, EmptyQueueLeavesSilenceAndKeepsThePosition) {
    Output out;
    EXPECT_EQ(Play(&out.snd, 3), (V{U, U, U}));
    out.snd.position = 5;
    EXPECT_EQ(Play(&out.snd, 2), (V{U, U}));
    EXPECT_EQ(out.snd.position, 5);
    // After an underflow the next sample starts at its first value.
    out.snd.position = 0;
    Sample a(Values({4, 5}));
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    EXPECT_EQ(Play(&out.snd, 3), (V{4, 5, U}));

    SDLSND noQueue{};
    EXPECT_EQ(Play(&noQueue, 2), (V{U, U}));
}

TEST(AudioCallback, OnlyTheLow16BitsAreWrittenLittleEndian) {
    Output out;
    Sample a(Values({65537, -1, 32768, -32769, 0x12345678, INT32_MIN, 0x7FFF}));
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    EXPECT_EQ(Play(&out.snd, 7), (V{1, -1, -32768, 32767, 0x5678, 0, 32767}));

    SDLSNDPlaySAMPLE(&out.snd, a.get());
    std::vector<uint8_t> bytes(4, kUntouched);
    SDLSNDCallback(&out.snd, bytes.data(), 4);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x01, 0x00, 0xFF, 0xFF}));
}

TEST(AudioCallback, MutePlaysSilenceWithoutAdvancing) {
    Output out;
    Sample a(Values({1, 2, 3}));
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    out.snd.mute = 1;
    EXPECT_EQ(Play(&out.snd, 4), (V{0, 0, 0, 0}));
    EXPECT_EQ(out.snd.position, 0);
    EXPECT_EQ(SDLSNDQueued(&out.snd), 1);
    out.snd.mute = 0;
    EXPECT_EQ(Play(&out.snd, 2), (V{1, 2}));
}

TEST(AudioCallback, OddByteCountsAndBadArgumentsWriteNothingExtra) {
    Output out;
    Sample a(Values({1, 2, 3, 4}));
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    std::vector<uint8_t> bytes(5, kUntouched);
    SDLSNDCallback(&out.snd, bytes.data(), 5);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0, 2, 0, kUntouched}));
    EXPECT_EQ(out.snd.position, 2);

    SDLSNDCallback(&out.snd, bytes.data(), 1);  // not one whole value
    SDLSNDCallback(&out.snd, bytes.data(), 0);
    SDLSNDCallback(&out.snd, bytes.data(), -8);
    SDLSNDCallback(&out.snd, nullptr, 8);
    SDLSNDCallback(nullptr, bytes.data(), 4);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0, 2, 0, kUntouched}));
    EXPECT_EQ(out.snd.position, 2);
}

TEST(AudioCallback, PositionsOutsideTheSampleReadAsZeroAndEndIt) {
    Output out;
    Sample empty(SAMPLENew());
    Sample a(Values({6, 7}));
    SDLSNDPlaySAMPLE(&out.snd, empty.get());  // length 0: one value of 0, then dropped
    SDLSNDPlaySAMPLE(&out.snd, a.get());
    EXPECT_EQ(Play(&out.snd, 4), (V{0, 6, 7, U}));

    // A sample shortened under a playing position is ended, never read past.
    Sample b(Values({1, 2, 3, 4}));
    Sample c(Values({9}));
    SDLSNDPlaySAMPLE(&out.snd, b.get());
    SDLSNDPlaySAMPLE(&out.snd, c.get());
    EXPECT_EQ(Play(&out.snd, 3), (V{1, 2, 3}));
    SAMPLESetLength(b.get(), 2);
    EXPECT_EQ(Play(&out.snd, 3), (V{0, 9, U}));
}

TEST(AudioQueue, AppendsInOrderAndGrowsWithoutLosingEntries) {
    Output out;
    std::deque<Sample> samples;  // holders stay in place
    for (int i = 0; i < 20; ++i) {
        samples.emplace_back(Values({i}));
        SDLSNDPlaySAMPLE(&out.snd, samples.back().get());
    }
    ASSERT_EQ(SDLSNDQueued(&out.snd), 20);
    EXPECT_EQ(out.snd.queue->capacity, 32);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(LISTGet(out.snd.queue, i), samples[i].get()) << i;
    std::vector<int32_t> want(20);
    for (int i = 0; i < 20; ++i) want[i] = i;
    EXPECT_EQ(Play(&out.snd, 20), want);
}

TEST(AudioQueue, NullArgumentsAndAMissingQueue) {
    Output out;
    Sample a(Values({3}));
    SDLSNDPlaySAMPLE(&out.snd, nullptr);
    SDLSNDPlaySAMPLE(nullptr, a.get());
    EXPECT_EQ(SDLSNDQueued(&out.snd), 0);
    EXPECT_EQ(SDLSNDQueued(nullptr), 0);
    SDLSNDLock(nullptr);
    SDLSNDUnlock(nullptr);

    LISTFree(&out.snd.queue);
    SDLSNDPlaySAMPLE(&out.snd, a.get());  // creates the queue first
    ASSERT_NE(out.snd.queue, nullptr);
    EXPECT_EQ(SDLSNDQueued(&out.snd), 1);
    EXPECT_EQ(Play(&out.snd, 1), (V{3}));
}

TEST(AudioProtocol, ConversionsAndComparisons) {
    SDLSND a{};
    SDLSND b{};
    EXPECT_STREQ(SDLSNDToASCII(&a), "");
    EXPECT_EQ(SDLSNDToASCII(nullptr), nullptr);
    EXPECT_EQ(SDLSNDFromASCII("x"), nullptr);
    EXPECT_TRUE(SDLSNDEqual(&a, &b));  // any two outputs
    EXPECT_FALSE(SDLSNDEqual(&a, nullptr));
    EXPECT_EQ(SDLSNDCopy(&a), nullptr);
    EXPECT_EQ(SDLSNDPlay(&a), 0);
    SDLSNDFree(nullptr);
    SDLSND* none = nullptr;
    SDLSNDFree(&none);
}

// The main thread queues the mix buffer and rewrites its values in place under
// the lock, as the demo's music step does, and now and then floods the queue
// so that it has to grow, while a second thread plays the device. Every device
// buffer must see one consistent pass of the values: never half a rewrite.
TEST(AudioStress, AppendsAndRewritesAgainstTheCallback) {
    Output out;
    Sample mix(SAMPLENew());
    SAMPLESetLength(mix.get(), 3000);  // shorter than a device buffer: frequent drops

    std::atomic<bool> stop{false};
    std::atomic<int32_t> torn{0};
    std::atomic<int32_t> buffers{0};
    std::thread device([&] {
        std::vector<uint8_t> buffer(SDLSND_DEVICE_VALUES * 2);
        while (!stop.load()) {
            std::fill(buffer.begin(), buffer.end(), 0);
            SDLSNDLock(&out.snd);
            SDLSNDCallback(&out.snd, buffer.data(), static_cast<int32_t>(buffer.size()));
            SDLSNDUnlock(&out.snd);
            // All values written by one callback come from one generation.
            int32_t seen = 0;
            for (size_t i = 0; i < buffer.size(); i += 2) {
                const int32_t v = buffer[i] | (buffer[i + 1] << 8);
                if (v == 0) continue;
                if (seen == 0) seen = v;
                if (v != seen) torn.fetch_add(1);
            }
            buffers.fetch_add(1);
        }
    });

    for (int32_t generation = 1; generation <= 3000; ++generation) {
        SDLSNDLock(&out.snd);
        for (int32_t i = 0; i < mix->length; ++i) mix->values[i] = generation;
        SDLSNDUnlock(&out.snd);
        if (SDLSNDQueued(&out.snd) < 4) SDLSNDPlaySAMPLE(&out.snd, mix.get());
        if (generation % 250 == 0) {
            for (int i = 0; i < 40; ++i) SDLSNDPlaySAMPLE(&out.snd, mix.get());
        }
    }
    while (buffers.load() < 50) std::this_thread::yield();
    stop.store(true);
    device.join();
    EXPECT_EQ(torn.load(), 0);
    EXPECT_GE(out.snd.queue->capacity, 64);  // the floods grew the queue
}

}  // namespace
