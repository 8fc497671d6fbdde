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

struct CURSORX;
struct IMG;
struct LFONT;
struct LIST;
struct LSCROLL;
struct LSPIRAL;
struct MUSIC;
struct RASTER;
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
constexpr int32_t SCROLLER_COUNT = 32;  // rows of the scroller wall, 8 pixels apart
constexpr int32_t SCROLLER_SPEED = 4;   // each scroller's speed after start-up

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
extern CURSORX* barCursor;  // sweeps the sine table for scene A's bars
extern RASTER* barRaster;   // one colour per column of imgWork
extern LSCROLL* scrollers[SCROLLER_COUNT];  // scroller i at y = 8 i, over scrollText
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

// [SECTION] Compiled-in texts (demo/scroll_text.cpp, demo/credit_text.cpp)
// Every byte below 128, each line ends with a line feed.
extern const char scrollText[];  // 1042 characters in 57 lines, the scrollers' text
extern const char creditText[];  // 267 characters, scene A's credit page
constexpr int32_t SCROLL_TEXT_LENGTH = 1042;
constexpr int32_t CREDIT_TEXT_LENGTH = 267;

// [SECTION] Program
int  MOXA7730Main(int argc, char** argv);  // start-up, then the scenes for ever
void MOXA7730StartUp();                    // creates every object (exits on a missing display)
void MOXA7730HandleKey(int8_t code);       // the key table; quit keys do not return
void MOXA7730FadeOut();                    // 32 passes of subtract 0x808080 and present
void MOXA7730CommonLayers();               // one frame's layers after the scene's drawing
// The common layers one by one, in the order MOXA7730CommonLayers runs them
// (exposed for the benchmarks' per-layer shares).
void MOXA7730Pace();              // FPSTick, FPSWait
void MOXA7730DrawOverlay();       // rate and frame counter, while bit 0 of infoFlags is set
void MOXA7730DrawTitle();         // the bouncing "MOXA"
void MOXA7730ComposeAndPresent(); // glow, blur, present, then fade or clear imgWork
void MOXA7730PollKeys();          // keyboard poll and the key handler
[[nodiscard]] bool MOXA7730SceneShouldEnd();  // next-scene check: clears the request
void MOXA7730Quit();                       // fade-out, then exit status 0

// [SECTION] Sound bank and palette (soundbank.cpp)
constexpr int32_t BANK_SIZE = 32;
constexpr int32_t BANK_NOTE_LENGTH = 22050;  // half a second at 44100 values per second
void MOXA7730BuildSoundBank();              // music and its 32 notes; draws 32 numbers
void MOXA7730BuildPalette();                // the 1536-colour palette
void MOXA7730MusicStep();                   // steps the music, keeps the audio queue filled

// [SECTION] Scenes (scenes.cpp)
// Each scene: its set-up and its fade-out (A, C, D, E set up first; B fades
// out first), then up to its frame count of frames, each drawing the scene's
// content and then the common layers, until space ends it.
void MOXA7730SceneA();  // bars and credits
void MOXA7730SceneB();  // plasma bands
void MOXA7730SceneC();  // scroller wall
void MOXA7730SceneD();  // twin spirals
void MOXA7730SceneE();  // sine figures

constexpr int32_t SCENE_A_FRAMES = 1001;
constexpr int32_t SCENE_B_FRAMES = 1501;
constexpr int32_t SCENE_C_FRAMES = 1000;
constexpr int32_t SCENE_D_FRAMES = 1000;
constexpr int32_t SCENE_E_FRAMES = 1000;

// The scenes' parts, for the tests and benchmarks: a set-up (fade colour, music
// period, random draws in their fixed order; no fade-out) and one frame's
// drawing before the common layers, n being the frames still to run. No
// frame draws a random number, and none allocates.
void MOXA7730SetUpA();
void MOXA7730SetUpB();  // may allocate: the plasma rasters, when the image's size changed
void MOXA7730SetUpC();
void MOXA7730SetUpD();  // may allocate: the spirals on the first visit
void MOXA7730SetUpE();  // may allocate: the figures on the first visit
void MOXA7730DrawA(int32_t n);
void MOXA7730DrawB(int32_t n);
void MOXA7730DrawC(int32_t n);
void MOXA7730DrawD(int32_t n);
void MOXA7730DrawE(int32_t n);

// [SECTION] Scene state, kept from one visit of a scene to the next
constexpr int32_t BAR_COUNT = 24;
constexpr int32_t BAND_TABLE_SIZE = 3072;  // six rise-and-fall segments of 512
extern const uint32_t barColours[BAR_COUNT];
extern int32_t textY;           // A: offset of the credit page, 0 down to -15
extern const char* textPos;     // A: first line of the credit page shown; null until A runs
extern uint32_t bandTable[BAND_TABLE_SIZE];  // B
extern RASTER* plasmaV;         // B: one colour per column
extern RASTER* plasmaH;         // B: one colour per row
extern int32_t colourStride;    // C: palette step between neighbouring rows
extern int32_t swayPhase;       // C: sine phase of the speeds
extern LSPIRAL* spiral1;        // D
extern LSPIRAL* spiral2;        // D: its centre wanders on a Lissajous path
extern LIST* figures;           // E: 5, 6 or 7 sine figures
