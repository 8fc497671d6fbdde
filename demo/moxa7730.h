// moxa7730.h: MOXA7730, the demo program: start-up, the endless scene loop with
// its common per-frame layers, and the key commands.
//
// Every object of the run is a process-wide variable created once by start-up and
// never released: the process exit (and the handlers registered for it, such as
// the media library's shutdown) ends the run. The only way out is a quit key (or
// the window's close request, which arrives as Escape): the key handler fades the
// work image out and exits with status 0.
//
// The program knows nothing of the backend it runs on: it talks to the display,
// keyboard, audio output and frame pacing modules only.
#pragma once
#include <cstdint>

struct IMG;
struct LFONT;
struct LIST;
struct MUSIC;
struct SAMPLE;
struct SDLDPY;
struct SDLKBD;
struct SDLSND;

extern const char* const MOXA7730_IDENTITY[8];

constexpr int32_t SCREEN_W = 256;
constexpr int32_t SCREEN_H = 256;
constexpr int32_t PALETTE_SIZE = 1536;  // six 256-entry ramps
constexpr int32_t FADE_OUT_PASSES = 32;
constexpr uint32_t FADE_OUT_COLOUR = 0x808080u;

// [SECTION] Objects of the run
extern SDLDPY* dpy;
extern SDLKBD* kbd;
extern SDLSND* snd;       // null when there is no audio device: the demo runs silent
extern IMG* imgWork;      // every layer draws into it
extern IMG* imgGlow;      // the glow pass of imgWork (or a copy)
extern IMG* imgOut;       // the blur pass of imgGlow (or a copy)
extern LIST* font8;       // glyphs of the 8 x 8 line font
extern LFONT* writer8;
extern LIST* font16;      // glyphs of the 16 x 16 line font
extern LFONT* writer16;
extern LIST* shapes;      // the object library
extern LFONT* shapeWriter;
extern MUSIC* music;
extern SAMPLE* palette;   // PALETTE_SIZE colours 0x00RRGGBB
extern uint32_t fadeColour;  // subtracted per channel from imgWork each frame

// [SECTION] Flags (bytes; toggles flip one bit)
extern uint8_t runFlags;      // bit 0 quit requested, bit 1 next scene requested
extern uint8_t fadeOn;        // fade imgWork by fadeColour, else clear it
extern uint8_t blurOn;
extern uint8_t glowOn;
extern uint8_t radialsOn;
extern uint8_t infoFlags;     // bit 0 information overlay, bit 1 toggled by key 9
extern uint8_t overlayFlags;  // bit 0 by key 3, bit 2 by key 7
extern uint8_t spare1, spare2, spare4;

constexpr uint8_t RUN_QUIT = 0x01;
constexpr uint8_t RUN_NEXT_SCENE = 0x02;

// [SECTION] Program
int  MOXA7730Main(int argc, char** argv);  // start-up, then the scenes for ever
void MOXA7730StartUp();                    // creates every object (exits on a missing display)
void MOXA7730HandleKey(int8_t code);       // the key table; quit keys do not return
void MOXA7730FadeOut();                    // 32 passes of subtract 0x808080 and present
void MOXA7730CommonLayers();               // one frame's layers after the scene's drawing
[[nodiscard]] bool MOXA7730SceneShouldEnd();  // next-scene check: clears the request
void MOXA7730Quit();                       // fade-out, then exit status 0

// [SECTION] Sound bank and palette (soundbank.cpp)
constexpr int32_t BANK_SIZE = 32;
constexpr int32_t BANK_NOTE_LENGTH = 22050;  // half a second at 44100 values per second
void MOXA7730BuildSoundBank();              // music and its 32 notes; draws 32 numbers
void MOXA7730BuildPalette();                // the 1536-colour palette
void MOXA7730MusicStep();                   // steps the music, keeps the audio queue filled

// [SECTION] Scenes (scenes.cpp)
void MOXA7730SceneA();  // bars and credits
void MOXA7730SceneB();  // plasma bands
void MOXA7730SceneC();  // scroller wall
void MOXA7730SceneD();  // twin spirals
void MOXA7730SceneE();  // sine figures
