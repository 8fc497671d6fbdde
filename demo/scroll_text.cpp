// scroll_text.cpp: scrollText, the text all 32 scrollers of the wall show.
//
// 57 lines of up to 32 characters, each ending with a line feed (the 8 x 8
// line font draws a line feed as a blank cell, so the text runs as one long
// row with a gap between its lines). Every line but the two leading empty ones
// and the date has a blank before its line feed. The last line tests the
// glyphs of codes 33 to 57. Scrollers read bytes as signed codes, so every
// byte stays below 128.
#include "demo/moxa7730.h"

// The header's extern declaration gives the array external linkage.
// clang-format off
const char scrollText[] =
    "\n"
    "\n"
    " \n"
    " \n"
    "MOXA7730 \n"
    "A LINE-FONT DEMO BY VASKORIL, \n"
    "DATE: 20120707\n"
    "RELEASED AT THE VORTEXA PARTY, \n"
    "HELD IN KELDRAVA, OSTRELIA. \n"
    " \n"
    "PLEASE, DON'T USE DRUGS. \n"
    "DRUGS ARE BAD FOR THE HEALTH. \n"
    "THANKS! \n"
    " \n"
    "PRESS KEYS: \n"
    "5: 25 F.P.S.  \n"
    "6: FASTEST F.P.S.  \n"
    "8: FRAMES PER SECOND (F.P.S.)  \n"
    "U,I,O,P: SCROLL SPEED  \n"
    "ESC,Q: EXIT  \n"
    "SPACE: NEXT PART  \n"
    "M: FADE ON/OFF  \n"
    "B: BLURR ON/OFF  \n"
    "R: RADIALS ON/OFF  \n"
    " \n"
    "SAY NO TO DRUGS. \n"
    " \n"
    "GREETINGS TO: \n"
    "THE QUIET PIXEL SOCIETY \n"
    "NORTHWIND CODERS \n"
    "LAMBDA RAIN AND THE DRIZZLERS \n"
    "TEAM OKTAVIA \n"
    "DUST LIGHT \n"
    "THE SINE TABLE BRIGADE \n"
    "HALFTONE HEROES \n"
    "BLUE MARMOT SOFTWORKS \n"
    "ZEROPAGE \n"
    "CRYSTAL FERRET AND FRIENDS \n"
    "THE MIDNIGHT RASTER CLUB \n"
    "SEVEN BIT SYMPHONY ORCHESTRA \n"
    "OLD HARBOUR DEMO DIVISION \n"
    "POLYGON PILGRIMS OF NORDVIK \n"
    "COPPER LIST COMPANY \n"
    "ALL THE SCENERS AT VORTEXA \n"
    "... \n"
    " \n"
    "EVERYONE HAS THE RIGHT TO LIFE, \n"
    "LIBERTY AND SECURITY OF PERSON. \n"
    "(ARTICLE 3, UNIVERSAL \n"
    "DECLARATION OF HUMAN RIGHTS) \n"
    " \n"
    "WEB: WWW.EXAMPLE.ORG/MOXA7730 \n"
    "CONTACT: SEE THE WEB PAGE \n"
    "(C) 2012 VASKORIL. \n"
    "ALL RIGHTS RESERVED. \n"
    " \n"
    "!\"#$%&'()*+,-./0123456789 \n";
// clang-format on
static_assert(sizeof scrollText == SCROLL_TEXT_LENGTH + 1, "1042 characters and the NUL");
