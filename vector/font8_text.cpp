// font8_text.cpp: the 8 x 8 line font as object text.
//
// Upper-case glyphs on a 7 x 7 grid (x 0..6, y 0..6, descenders to y 7) inside
// the 8-pixel cell, so neighbouring characters keep a one-pixel gap at scale 1.
// The colour line sits in the "space" entry: every glyph point is 0x00AACCEE.
//
// 256 entries, one per character code, reached by index: 0-32 and 128-255 draw
// nothing, and the lower-case codes 97-122 repeat the upper-case designs (their
// name lines keep the upper-case letters). Entry 127 ("esc") alone is drawn on
// the 16 x 16 grid and spills into the next cells.
//
// The apostrophe's name line holds the single byte 0xB4. The parser skips it as
// blank together with the line break and takes the entry's one segment line as
// the name, so the apostrophe draws nothing. The byte is written as an escape
// between two raw literals.
//
// The line walk draws a segment one pixel long along an axis as a diagonal
// step, so the designs have none: short vertical runs ride on a neighbouring
// slanted segment, and dots are two crossed one-pixel diagonals (a 2 x 2 block).
#include "vector/texts.h"

// clang-format off
const char* const FONT8_TEXT =
    R"FONT(# line font, 8 x 8 cells: upper-case glyphs drawn on a 7 x 7 grid
# maker: Vaskoril, drawn by hand on squared paper
# date: 2012-07-05
# free to copy, change and pass on

name font 2D 8x8
version 20120705
author Vaskoril
type 2D

# 32 blank character 2D objects
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }

{
name space
color $AACCEE
}

{
name !
s 3, 0, 3, 3
s 2, 5, 3, 6
s 3, 5, 2, 6
}

{
name "
s 2, 0, 2, 2
s 4, 0, 4, 2
}

{
name #
s 2, 0, 2, 6
s 4, 0, 4, 6
s 0, 2, 6, 2
s 0, 4, 6, 4
}

{
name $
s 5, 1, 1, 1
s 1, 1, 1, 3
s 1, 3, 5, 3
s 5, 3, 5, 5
s 5, 5, 1, 5
s 3, 0, 3, 6
}

{
name %
s 0, 6, 6, 0
s 0, 0, 1, 1
s 5, 5, 6, 6
}

{
name &
s 6, 6, 1, 1
s 1, 1, 2, 0
s 2, 0, 3, 1
s 3, 1, 0, 4
s 0, 4, 2, 6
s 2, 6, 5, 3
}

{
name )FONT" "\xB4"
    R"FONT(
s 3, 0, 3, 2
}

{
name (
s 4, 0, 2, 2
s 2, 2, 2, 4
s 2, 4, 4, 6
}

{
name )
s 2, 0, 4, 2
s 4, 2, 4, 4
s 4, 4, 2, 6
}

{
name *
s 3, 0, 3, 6
s 1, 1, 5, 5
s 5, 1, 1, 5
}

{
name +
s 3, 1, 3, 5
s 1, 3, 5, 3
}

{
name ,
s 2, 7, 3, 5
}

{
name -
s 1, 3, 5, 3
}

{
name .
s 2, 5, 3, 6
s 3, 5, 2, 6
}

{
name /
s 6, 0, 0, 6
}

{
name 0
s 2, 0, 4, 0
s 4, 0, 5, 1
s 5, 1, 5, 5
s 5, 5, 4, 6
s 4, 6, 2, 6
s 2, 6, 1, 5
s 1, 5, 1, 1
s 1, 1, 2, 0
}

{
name 1
s 2, 1, 3, 0
s 3, 0, 3, 6
s 1, 6, 5, 6
}

{
name 2
s 0, 1, 1, 0
s 1, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 0, 6
s 0, 6, 6, 6
}

{
name 3
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 2, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name 4
s 4, 6, 4, 0
s 4, 0, 0, 4
s 0, 4, 6, 4
}

{
name 5
s 6, 0, 0, 0
s 0, 0, 0, 3
s 0, 3, 5, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name 6
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 5, 6
s 5, 6, 6, 4
s 6, 4, 5, 3
s 5, 3, 0, 3
}

{
name 7
s 0, 0, 6, 0
s 6, 0, 3, 6
}

{
name 8
s 1, 0, 0, 2
s 1, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 1, 3
s 1, 3, 0, 2
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 1, 6
s 1, 6, 0, 4
s 0, 4, 1, 3
}

{
name 9
s 1, 6, 5, 6
s 5, 6, 6, 5
s 6, 5, 6, 1
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 2
s 0, 2, 1, 3
s 1, 3, 6, 3
}

{
name :
s 2, 1, 3, 2
s 3, 1, 2, 2
s 2, 5, 3, 6
s 3, 5, 2, 6
}

{
name ;
s 2, 1, 3, 2
s 3, 1, 2, 2
s 2, 7, 3, 5
}

{
name <
s 5, 0, 2, 3
s 2, 3, 5, 6
}

{
name =
s 1, 2, 5, 2
s 1, 4, 5, 4
}

{
name >
s 1, 0, 4, 3
s 4, 3, 1, 6
}

{
name !
s 0, 1, 1, 0
s 1, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 3, 3
s 2, 5, 3, 6
s 3, 5, 2, 6
}

{
name @
s 4, 4, 4, 2
s 4, 2, 2, 2
s 2, 2, 2, 4
s 2, 4, 6, 4
s 6, 4, 6, 1
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 6, 6
}

{
name A
s 6, 6, 3, 0
s 0, 6, 3, 0
s 1, 4, 5, 4
}

{
name B
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name C
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 5, 6
s 5, 6, 6, 5
}

{
name D
s 0, 0, 0, 6
s 0, 6, 4, 6
s 4, 6, 6, 4
s 6, 4, 6, 2
s 6, 2, 4, 0
s 4, 0, 0, 0
}

{
name E
s 6, 0, 0, 0
s 0, 0, 0, 6
s 0, 6, 6, 6
s 0, 3, 4, 3
}

{
name F
s 6, 0, 0, 0
s 0, 0, 0, 6
s 0, 3, 4, 3
}

{
name G
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 6, 6
s 6, 6, 6, 3
s 6, 3, 3, 3
}

{
name H
s 0, 0, 0, 6
s 6, 0, 6, 6
s 0, 3, 6, 3
}

{
name I
s 1, 0, 5, 0
s 1, 6, 5, 6
s 3, 0, 3, 6
}

{
name J
s 6, 0, 6, 5
s 6, 5, 5, 6
s 5, 6, 1, 6
s 1, 6, 0, 4
}

{
name K
s 0, 0, 0, 6
s 6, 0, 3, 3
s 3, 3, 6, 6
s 0, 3, 3, 3
}

{
name L
s 0, 0, 0, 6
s 0, 6, 6, 6
}

{
name M
s 0, 6, 0, 0
s 0, 0, 3, 3
s 3, 3, 6, 0
s 6, 0, 6, 6
}

{
name N
s 0, 6, 0, 0
s 0, 0, 6, 6
s 6, 6, 6, 0
}

{
name O
s 1, 0, 5, 0
s 5, 0, 6, 1
s 6, 1, 6, 5
s 6, 5, 5, 6
s 5, 6, 1, 6
s 1, 6, 0, 5
s 0, 5, 0, 1
s 0, 1, 1, 0
}

{
name P
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
}

{
name Q
s 6, 6, 1, 6
s 1, 6, 0, 5
s 0, 5, 0, 1
s 0, 1, 1, 0
s 1, 0, 5, 0
s 5, 0, 6, 1
s 6, 1, 6, 6
s 4, 4, 6, 6
}

{
name R
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
s 3, 3, 6, 6
}

{
name S
s 6, 0, 1, 0
s 1, 0, 0, 2
s 0, 2, 1, 3
s 1, 3, 5, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name T
s 0, 0, 6, 0
s 3, 0, 3, 6
}

{
name U
s 0, 0, 0, 5
s 0, 5, 1, 6
s 1, 6, 5, 6
s 5, 6, 6, 5
s 6, 5, 6, 0
}

{
name V
s 0, 0, 3, 6
s 6, 0, 3, 6
}

{
name W
s 0, 0, 0, 6
s 0, 6, 3, 3
s 3, 3, 6, 6
s 6, 6, 6, 0
}

{
name X
s 0, 0, 6, 6
s 6, 0, 0, 6
}

{
name Y
s 0, 0, 3, 3
s 3, 3, 6, 0
s 3, 3, 3, 6
}

{
name Z
s 0, 0, 6, 0
s 6, 0, 0, 6
s 0, 6, 6, 6
}

{
name [
s 4, 0, 2, 0
s 2, 0, 2, 6
s 2, 6, 4, 6
}

{
name \
s 0, 0, 6, 6
}

{
name ]
s 2, 0, 4, 0
s 4, 0, 4, 6
s 4, 6, 2, 6
}

{
name ^
s 1, 3, 3, 1
s 3, 1, 5, 3
}

{
name _
s 0, 7, 6, 7
}

{
name `
s 2, 0, 4, 2
}

{
name A
s 6, 6, 3, 0
s 0, 6, 3, 0
s 1, 4, 5, 4
}

{
name B
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name C
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 5, 6
s 5, 6, 6, 5
}

{
name D
s 0, 0, 0, 6
s 0, 6, 4, 6
s 4, 6, 6, 4
s 6, 4, 6, 2
s 6, 2, 4, 0
s 4, 0, 0, 0
}

{
name E
s 6, 0, 0, 0
s 0, 0, 0, 6
s 0, 6, 6, 6
s 0, 3, 4, 3
}

{
name F
s 6, 0, 0, 0
s 0, 0, 0, 6
s 0, 3, 4, 3
}

{
name G
s 6, 1, 5, 0
s 5, 0, 1, 0
s 1, 0, 0, 1
s 0, 1, 0, 5
s 0, 5, 1, 6
s 1, 6, 6, 6
s 6, 6, 6, 3
s 6, 3, 3, 3
}

{
name H
s 0, 0, 0, 6
s 6, 0, 6, 6
s 0, 3, 6, 3
}

{
name I
s 1, 0, 5, 0
s 1, 6, 5, 6
s 3, 0, 3, 6
}

{
name J
s 6, 0, 6, 5
s 6, 5, 5, 6
s 5, 6, 1, 6
s 1, 6, 0, 4
}

{
name K
s 0, 0, 0, 6
s 6, 0, 3, 3
s 3, 3, 6, 6
s 0, 3, 3, 3
}

{
name L
s 0, 0, 0, 6
s 0, 6, 6, 6
}

{
name M
s 0, 6, 0, 0
s 0, 0, 3, 3
s 3, 3, 6, 0
s 6, 0, 6, 6
}

{
name N
s 0, 6, 0, 0
s 0, 0, 6, 6
s 6, 6, 6, 0
}

{
name O
s 1, 0, 5, 0
s 5, 0, 6, 1
s 6, 1, 6, 5
s 6, 5, 5, 6
s 5, 6, 1, 6
s 1, 6, 0, 5
s 0, 5, 0, 1
s 0, 1, 1, 0
}

{
name P
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
}

{
name Q
s 6, 6, 1, 6
s 1, 6, 0, 5
s 0, 5, 0, 1
s 0, 1, 1, 0
s 1, 0, 5, 0
s 5, 0, 6, 1
s 6, 1, 6, 6
s 4, 4, 6, 6
}

{
name R
s 0, 6, 0, 0
s 0, 0, 5, 0
s 5, 0, 6, 2
s 6, 2, 5, 3
s 5, 3, 0, 3
s 3, 3, 6, 6
}

{
name S
s 6, 0, 1, 0
s 1, 0, 0, 2
s 0, 2, 1, 3
s 1, 3, 5, 3
s 5, 3, 6, 5
s 6, 5, 5, 6
s 5, 6, 0, 6
}

{
name T
s 0, 0, 6, 0
s 3, 0, 3, 6
}

{
name U
s 0, 0, 0, 5
s 0, 5, 1, 6
s 1, 6, 5, 6
s 5, 6, 6, 5
s 6, 5, 6, 0
}

{
name V
s 0, 0, 3, 6
s 6, 0, 3, 6
}

{
name W
s 0, 0, 0, 6
s 0, 6, 3, 3
s 3, 3, 6, 6
s 6, 6, 6, 0
}

{
name X
s 0, 0, 6, 6
s 6, 0, 0, 6
}

{
name Y
s 0, 0, 3, 3
s 3, 3, 6, 0
s 3, 3, 3, 6
}

{
name Z
s 0, 0, 6, 0
s 6, 0, 0, 6
s 0, 6, 6, 6
}

{
name {
s 4, 0, 3, 2
s 3, 2, 2, 3
s 2, 3, 3, 4
s 4, 6, 3, 4
}

{
name |
s 3, 0, 3, 6
}

{
name }
s 2, 0, 3, 2
s 3, 2, 4, 3
s 4, 3, 3, 4
s 2, 6, 3, 4
}

{
name smile
s 0, 4, 2, 2
s 2, 2, 4, 4
s 4, 4, 6, 2
}

{
name esc
s 0, 0, 10, 10
s 0, 0, 6, 0
s 0, 0, 0, 6
s 3, 14, 11, 14
s 11, 14, 14, 11
s 14, 11, 14, 3
}

# 128 blank character 2D objects
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
{ }
)FONT";
// clang-format on
