// notes_to_wav: synthesises four notes (sine tones with a fade-out), hands
// them to the music player, lets it lay eight of them into its loop and
// writes the loop (80000 values, about 1.8 s) as a 16-bit mono WAV file.
//
// usage: notes_to_wav OUT.wav
#include <cstdint>
#include <cstdio>

#include <moxa7730/core/report.h>
#include <moxa7730/core/rng.h>
#include <moxa7730/sound/music.h>
#include <moxa7730/sound/sample.h>
#include <moxa7730/sound/sound.h>

namespace {
// The 44-byte header of a 44100 Hz, 16-bit, mono PCM WAV file of `values` values.
bool WriteWavHeader(FILE* out, uint32_t values) {
    const uint32_t data = values * 2;
    const uint32_t fields[] = {0x46464952u, 36 + data, 0x45564157u, 0x20746D66u, 16,
                               0x00010001u, 44100, 88200, 0x00100002u, 0x61746164u, data};
    uint8_t bytes[44];
    for (int i = 0; i < 11; ++i) {
        for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<uint8_t>(fields[i] >> (8 * b));
    }
    return std::fwrite(bytes, 1, sizeof bytes, out) == sizeof bytes;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: notes_to_wav OUT.wav\n", stderr);
        return 2;
    }
    RNGSeed(7);  // the player picks notes and places at random: the same every run

    // Create: the player, and four notes of a quarter second (11025 values
    // at 44100 values per second), which the player's bank owns once added.
    MUSIC* music = MUSICNew();
    if (music == nullptr) return 1;
    const int32_t pitches[] = {220, 277, 330, 440};  // cycles per second
    for (int32_t pitch : pitches) {
        SAMPLE* note = SAMPLENew();
        SAMPLESetLength(note, 11025);
        SOUNDSine(note, pitch);
        SOUNDFadeOut(note);
        MUSICAddSample(music, note);  // null-safe: a failed note is reported, not added
    }
    music->period = 2;  // a note every second step

    // Use: each note laid in lets the rest of the loop fade to three quarters.
    for (int step = 0; step < 16; ++step) MUSICStep(music);

    FILE* out = std::fopen(argv[1], "wb");
    const int32_t values = music->mix != nullptr ? music->mix->length : 0;
    bool ok = out != nullptr && WriteWavHeader(out, static_cast<uint32_t>(values)) &&
              SAMPLEWrite(music->mix, out, 16, 'l') == values;  // clamped, little-endian
    if (out != nullptr && std::fclose(out) != 0) ok = false;

    // Free: the player frees its loop and every note of its bank.
    MUSICFree(&music);
    if (!ok || REPORTCount() != 0) {
        std::fprintf(stderr, "notes_to_wav: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
