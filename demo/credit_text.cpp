// credit_text.cpp: creditText, the page that scrolls up over scene A's bars.
//
// Drawn at scale 2 (16 x 16 pixels a character), so lines hold at most 13
// characters and 16 lines fill the screen. The 17 empty lines at the top let
// the page enter from below; then one word a line: the production, the party,
// its place and time, and the greetings.
#include "demo/moxa7730.h"

// clang-format off
const char creditText[] =
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "MOXA\n"
    "DEMO\n"
    "7730\n"
    "@@@\n"
    "VORTEXA\n"
    "PARTY\n"
    "20120707\n"
    "+++\n"
    "2012\n"
    "JULY\n"
    "SUMMER\n"
    "KELDRAVA\n"
    "OSTRELIA\n"
    "OPEN AIR\n"
    "***\n"
    "GREETINGS TO:\n"
    "PIXEL SOCIETY\n"
    "NORTHWIND\n"
    "LAMBDA RAIN\n"
    "OKTAVIA\n"
    "DUST LIGHT\n"
    "BRIGADE\n"
    "HALFTONE\n"
    "MARMOT\n"
    "ZEROPAGE\n"
    "FERRET\n"
    "RASTER CLUB\n"
    "SEVEN BIT\n"
    "OLD HARBOUR\n"
    "PILGRIMS\n"
    "...\n";
// clang-format on
static_assert(sizeof creditText == CREDIT_TEXT_LENGTH + 1, "267 characters and the NUL");
