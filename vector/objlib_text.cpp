// objlib_text.cpp: the object library, 87 white line drawings on a 16 x 16
// grid (coordinates 0 .. 15, origin top-left, y downwards) in the object text
// format. Start-up parses it third, after the two line fonts, and keeps it as
// the glyph list of a third line font. Entries are reached by index, so the
// order below is part of the data: do not insert, drop or reorder entries.
//
// Every entry is preceded by the same comment block. The single colour line,
// after the first block, makes every point of every entry white. Five entries
// open without a name line ("{ candyStick1", "{ cube1", a bare "{",
// "{ lips1", "{ demo lolipop1") and so parse with a null name; the words that
// start with "c" merely turn the colour flag on, and since no hexadecimal
// number follows anywhere, the colour stays white.
//
// Entry 70, "square1", is the 14 x 14 square outline whose farthest point is
// the end of its second segment (14, 14).
#include "vector/texts.h"

// clang-format off
const char* const OBJLIB_TEXT = R"OBJLIB(# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy

color $00ffffff

{ name apple1
s 7, 4, 4, 3
s 4, 3, 1, 5
s 1, 5, 1, 9
s 1, 9, 3, 12
s 3, 12, 5, 13
s 5, 13, 7, 12
s 7, 12, 9, 13
s 9, 13, 11, 12
s 11, 12, 13, 9
s 13, 9, 13, 5
s 13, 5, 10, 3
s 10, 3, 7, 4
s 7, 4, 8, 1
s 8, 1, 12, 0
s 12, 0, 11, 2
s 11, 2, 8, 1
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name apple2
s 6, 4, 3, 3
s 3, 3, 1, 6
s 1, 6, 1, 10
s 1, 10, 3, 13
s 3, 13, 6, 14
s 6, 14, 7, 13
s 7, 13, 9, 14
s 9, 14, 12, 12
s 12, 12, 10, 9
s 10, 9, 10, 6
s 10, 6, 12, 4
s 12, 4, 9, 3
s 9, 3, 6, 4
s 6, 4, 7, 1
s 7, 1, 4, 0
s 4, 0, 5, 2
s 5, 2, 7, 1
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name ball1
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 0, 4, 4
s 4, 4, 4, 10
s 4, 10, 7, 14
s 7, 0, 10, 4
s 10, 4, 10, 10
s 10, 10, 7, 14
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name ball2
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 0, 7, 14, 7
s 7, 0, 7, 14
s 2, 2, 4, 7
s 4, 7, 2, 12
s 12, 2, 10, 7
s 10, 7, 12, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name ball3
s 14, 7, 13, 11
s 13, 11, 9, 14
s 9, 14, 5, 14
s 5, 14, 1, 11
s 1, 11, 0, 7
s 0, 7, 1, 3
s 1, 3, 5, 0
s 5, 0, 9, 0
s 9, 0, 13, 3
s 13, 3, 14, 7
s 2, 2, 5, 5
s 5, 5, 5, 9
s 5, 9, 2, 12
s 12, 2, 9, 5
s 9, 5, 9, 9
s 9, 9, 12, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name ball4
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 7, 4, 10, 6
s 10, 6, 9, 10
s 9, 10, 5, 10
s 5, 10, 4, 6
s 4, 6, 7, 4
s 7, 4, 7, 0
s 10, 6, 14, 5
s 9, 10, 11, 13
s 5, 10, 3, 13
s 4, 6, 0, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name bird1
s 0, 6, 2, 4
s 2, 4, 4, 4
s 4, 4, 6, 5
s 6, 5, 7, 7
s 7, 7, 8, 5
s 8, 5, 10, 4
s 10, 4, 12, 4
s 12, 4, 14, 6
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name bird2
s 0, 8, 3, 4
s 3, 4, 7, 7
s 7, 7, 11, 4
s 11, 4, 14, 8
s 0, 8, 3, 6
s 3, 6, 7, 10
s 7, 10, 11, 6
s 11, 6, 14, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name birds1
s 0, 4, 1, 3
s 1, 3, 3, 5
s 3, 5, 5, 3
s 5, 3, 6, 4
s 7, 2, 8, 1
s 8, 1, 10, 3
s 10, 3, 12, 1
s 12, 1, 13, 2
s 5, 10, 7, 9
s 7, 9, 9, 11
s 9, 11, 11, 9
s 11, 9, 13, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name birds2
s 3, 6, 5, 5
s 5, 5, 7, 7
s 7, 7, 9, 5
s 9, 5, 11, 6
s 0, 1, 1, 2
s 1, 2, 2, 1
s 11, 1, 12, 2
s 12, 2, 13, 1
s 1, 12, 2, 13
s 2, 13, 3, 12
s 8, 11, 9, 12
s 9, 12, 10, 11
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name brick1
s 0, 7, 10, 7
s 10, 7, 10, 13
s 10, 13, 0, 13
s 0, 13, 0, 7
s 0, 7, 4, 3
s 4, 3, 14, 3
s 14, 3, 10, 7
s 14, 3, 14, 9
s 14, 9, 10, 13
s 5, 5, 6, 4
s 6, 4, 9, 4
s 9, 4, 8, 5
s 8, 5, 5, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name brick2
s 0, 2, 14, 2
s 14, 2, 14, 12
s 14, 12, 0, 12
s 0, 12, 0, 2
s 0, 5, 14, 5
s 0, 9, 14, 9
s 5, 2, 5, 5
s 10, 2, 10, 5
s 2, 5, 2, 9
s 7, 5, 7, 9
s 12, 5, 12, 9
s 5, 9, 5, 12
s 10, 9, 10, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name cadeau1
s 0, 4, 14, 4
s 14, 4, 14, 7
s 14, 7, 0, 7
s 0, 7, 0, 4
s 1, 7, 1, 14
s 1, 14, 13, 14
s 13, 14, 13, 7
s 7, 4, 7, 14
s 7, 4, 3, 0
s 3, 0, 2, 2
s 2, 2, 7, 4
s 7, 4, 11, 0
s 11, 0, 12, 2
s 12, 2, 7, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name candle1
s 5, 7, 5, 13
s 5, 13, 9, 13
s 9, 13, 9, 7
s 9, 7, 5, 7
s 7, 7, 7, 5
s 7, 0, 9, 3
s 9, 3, 8, 5
s 8, 5, 6, 5
s 6, 5, 5, 3
s 5, 3, 7, 0
s 2, 13, 12, 13
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name candle2
s 5, 5, 9, 5
s 9, 5, 9, 12
s 9, 12, 5, 12
s 5, 12, 5, 5
s 7, 5, 7, 4
s 7, 0, 8, 2
s 8, 2, 7, 4
s 7, 4, 6, 2
s 6, 2, 7, 0
s 1, 12, 11, 12
s 11, 12, 10, 14
s 10, 14, 2, 14
s 2, 14, 1, 12
s 11, 12, 14, 11
s 14, 11, 13, 13
s 13, 13, 11, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name candle3
s 1, 7, 4, 7
s 4, 7, 4, 14
s 4, 14, 1, 14
s 1, 14, 1, 7
s 2, 3, 4, 6
s 4, 6, 1, 6
s 1, 6, 2, 3
s 6, 4, 9, 4
s 9, 4, 9, 14
s 9, 14, 6, 14
s 6, 14, 6, 4
s 7, 0, 9, 3
s 9, 3, 6, 3
s 6, 3, 7, 0
s 11, 9, 14, 9
s 14, 9, 14, 14
s 14, 14, 11, 14
s 11, 14, 11, 9
s 12, 5, 14, 8
s 14, 8, 11, 8
s 11, 8, 12, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ candyStick1
s 4, 14, 4, 4
s 4, 4, 5, 2
s 5, 2, 8, 1
s 8, 1, 11, 2
s 11, 2, 12, 4
s 12, 4, 12, 7
s 12, 7, 10, 7
s 10, 7, 10, 4
s 10, 4, 8, 3
s 8, 3, 6, 4
s 6, 4, 6, 14
s 6, 14, 4, 14
s 4, 12, 6, 10
s 4, 8, 6, 6
s 7, 1, 7, 3
s 10, 2, 12, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name car1
s 0, 7, 4, 6
s 4, 6, 6, 3
s 6, 3, 10, 3
s 10, 3, 12, 6
s 12, 6, 14, 7
s 14, 7, 14, 10
s 14, 10, 0, 10
s 0, 10, 0, 7
s 4, 6, 12, 6
s 8, 3, 8, 6
s 2, 9, 4, 9
s 4, 9, 5, 11
s 5, 11, 4, 13
s 4, 13, 2, 13
s 2, 13, 1, 11
s 1, 11, 2, 9
s 10, 9, 12, 9
s 12, 9, 13, 11
s 13, 11, 12, 13
s 12, 13, 10, 13
s 10, 13, 9, 11
s 9, 11, 10, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name car2
s 0, 10, 3, 6
s 3, 6, 5, 3
s 5, 3, 9, 3
s 9, 3, 11, 6
s 11, 6, 14, 8
s 14, 8, 14, 10
s 14, 10, 0, 10
s 6, 6, 6, 4
s 6, 4, 8, 4
s 8, 4, 10, 6
s 10, 6, 6, 6
s 3, 8, 5, 8
s 5, 8, 6, 10
s 6, 10, 5, 12
s 5, 12, 3, 12
s 3, 12, 2, 10
s 2, 10, 3, 8
s 10, 8, 12, 8
s 12, 8, 13, 10
s 13, 10, 12, 12
s 12, 12, 10, 12
s 10, 12, 9, 10
s 9, 10, 10, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name car3
s 0, 10, 0, 8
s 0, 8, 5, 7
s 5, 7, 8, 5
s 8, 5, 11, 5
s 11, 5, 13, 7
s 13, 7, 14, 7
s 14, 7, 14, 10
s 14, 10, 0, 10
s 5, 7, 13, 7
s 10, 5, 10, 7
s 2, 9, 4, 9
s 4, 9, 5, 11
s 5, 11, 4, 13
s 4, 13, 2, 13
s 2, 13, 1, 11
s 1, 11, 2, 9
s 10, 9, 12, 9
s 12, 9, 13, 11
s 13, 11, 12, 13
s 12, 13, 10, 13
s 10, 13, 9, 11
s 9, 11, 10, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name circle1
s 14, 7, 13, 10
s 13, 10, 12, 12
s 12, 12, 10, 13
s 10, 13, 7, 14
s 7, 14, 4, 13
s 4, 13, 2, 12
s 2, 12, 1, 10
s 1, 10, 0, 7
s 0, 7, 1, 4
s 1, 4, 2, 2
s 2, 2, 4, 1
s 4, 1, 7, 0
s 7, 0, 10, 1
s 10, 1, 12, 2
s 12, 2, 13, 4
s 13, 4, 14, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name circle2
s 12, 7, 11, 10
s 11, 10, 10, 11
s 10, 11, 7, 12
s 7, 12, 5, 11
s 5, 11, 3, 10
s 3, 10, 2, 7
s 2, 7, 3, 5
s 3, 5, 4, 3
s 4, 3, 7, 2
s 7, 2, 10, 3
s 10, 3, 11, 4
s 11, 4, 12, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name circle3
s 10, 8, 8, 10
s 8, 10, 6, 10
s 6, 10, 4, 8
s 4, 8, 4, 6
s 4, 6, 6, 4
s 6, 4, 8, 4
s 8, 4, 10, 6
s 10, 6, 10, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name clobber
s 1, 2, 13, 2
s 13, 2, 14, 3
s 14, 3, 14, 6
s 14, 6, 13, 7
s 13, 7, 1, 7
s 1, 7, 0, 6
s 0, 6, 0, 3
s 0, 3, 1, 2
s 3, 2, 3, 7
s 11, 2, 11, 7
s 6, 7, 6, 14
s 6, 14, 8, 14
s 8, 14, 8, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name cloud1
s 1, 11, 13, 11
s 13, 11, 14, 9
s 14, 9, 13, 7
s 13, 7, 11, 6
s 11, 6, 10, 4
s 10, 4, 8, 3
s 8, 3, 6, 3
s 6, 3, 4, 5
s 4, 5, 2, 5
s 2, 5, 1, 7
s 1, 7, 0, 9
s 0, 9, 1, 11
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name cloud2
s 1, 9, 13, 9
s 13, 9, 14, 7
s 14, 7, 13, 5
s 13, 5, 11, 5
s 11, 5, 10, 2
s 10, 2, 8, 1
s 8, 1, 6, 1
s 6, 1, 5, 3
s 5, 3, 3, 3
s 3, 3, 1, 5
s 1, 5, 0, 7
s 0, 7, 1, 9
s 5, 11, 3, 14
s 10, 11, 8, 14
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name clouds1
s 4, 4, 6, 1
s 6, 1, 9, 1
s 9, 1, 11, 3
s 11, 3, 14, 5
s 14, 5, 13, 8
s 13, 8, 11, 8
s 0, 13, 10, 13
s 10, 13, 11, 11
s 11, 11, 8, 8
s 8, 8, 7, 6
s 7, 6, 5, 5
s 5, 5, 3, 6
s 3, 6, 2, 8
s 2, 8, 0, 10
s 0, 10, 0, 13
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name clouds2
s 0, 6, 8, 6
s 8, 6, 8, 4
s 8, 4, 6, 3
s 6, 3, 5, 1
s 5, 1, 3, 1
s 3, 1, 1, 3
s 1, 3, 0, 4
s 0, 4, 0, 6
s 6, 13, 14, 13
s 14, 13, 14, 11
s 14, 11, 12, 10
s 12, 10, 11, 8
s 11, 8, 9, 8
s 9, 8, 7, 10
s 7, 10, 6, 11
s 6, 11, 6, 13
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ cube1
s 0, 4, 10, 4
s 10, 4, 10, 14
s 10, 14, 0, 14
s 0, 14, 0, 4
s 0, 4, 4, 0
s 4, 0, 14, 0
s 14, 0, 10, 4
s 14, 0, 14, 10
s 14, 10, 10, 14
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name cubeClear1
s 0, 4, 10, 4
s 10, 4, 10, 14
s 10, 14, 0, 14
s 0, 14, 0, 4
s 4, 0, 14, 0
s 14, 0, 14, 10
s 14, 10, 4, 10
s 4, 10, 4, 0
s 0, 4, 4, 0
s 10, 4, 14, 0
s 10, 14, 14, 10
s 0, 14, 4, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name droplet1
s 7, 0, 9, 4
s 9, 4, 11, 7
s 11, 7, 11, 10
s 11, 10, 9, 13
s 9, 13, 7, 14
s 7, 14, 5, 13
s 5, 13, 3, 10
s 3, 10, 3, 7
s 3, 7, 5, 4
s 5, 4, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name droplet2
s 7, 0, 9, 4
s 9, 4, 11, 7
s 11, 7, 11, 10
s 11, 10, 9, 13
s 9, 13, 7, 14
s 7, 14, 5, 13
s 5, 13, 3, 10
s 3, 10, 3, 7
s 3, 7, 5, 4
s 5, 4, 7, 0
s 5, 8, 5, 10
s 5, 10, 6, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name droplet3
s 4, 0, 7, 6
s 7, 6, 6, 9
s 6, 9, 4, 10
s 4, 10, 2, 9
s 2, 9, 1, 6
s 1, 6, 4, 0
s 11, 4, 14, 10
s 14, 10, 13, 13
s 13, 13, 11, 14
s 11, 14, 9, 13
s 9, 13, 8, 10
s 8, 10, 11, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{
s 0, 3, 14, 3
s 14, 3, 14, 12
s 14, 12, 0, 12
s 0, 12, 0, 3
s 0, 3, 7, 8
s 7, 8, 14, 3
s 0, 12, 5, 7
s 14, 12, 9, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name female1
s 7, 9, 5, 8
s 5, 8, 3, 6
s 3, 6, 3, 4
s 3, 4, 5, 2
s 5, 2, 7, 1
s 7, 1, 9, 2
s 9, 2, 11, 4
s 11, 4, 11, 6
s 11, 6, 9, 8
s 9, 8, 7, 9
s 7, 9, 7, 15
s 4, 12, 10, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name flower1
s 6, 4, 5, 1
s 5, 1, 9, 1
s 9, 1, 8, 4
s 8, 4, 11, 2
s 11, 2, 12, 5
s 12, 5, 8, 5
s 8, 6, 11, 8
s 11, 8, 8, 9
s 8, 9, 7, 6
s 7, 6, 6, 9
s 6, 9, 3, 8
s 3, 8, 6, 6
s 6, 5, 2, 5
s 2, 5, 3, 2
s 3, 2, 6, 4
s 7, 8, 7, 14
s 7, 12, 11, 10
s 11, 10, 9, 13
s 9, 13, 7, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name flower2
s 4, 1, 5, 3
s 5, 3, 7, 1
s 7, 1, 9, 3
s 9, 3, 10, 1
s 10, 1, 11, 4
s 11, 4, 10, 7
s 10, 7, 8, 8
s 8, 8, 6, 8
s 6, 8, 4, 7
s 4, 7, 3, 4
s 3, 4, 4, 1
s 7, 8, 7, 14
s 7, 13, 3, 9
s 3, 9, 7, 14
s 7, 12, 11, 9
s 11, 9, 7, 13
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name flower3
s 9, 4, 11, 6
s 11, 6, 8, 5
s 8, 5, 7, 8
s 7, 8, 6, 5
s 6, 5, 3, 6
s 3, 6, 5, 4
s 5, 4, 3, 2
s 3, 2, 6, 3
s 6, 3, 7, 0
s 7, 0, 8, 3
s 8, 3, 11, 2
s 11, 2, 9, 4
s 7, 8, 7, 10
s 7, 10, 10, 8
s 3, 10, 11, 10
s 11, 10, 10, 14
s 10, 14, 4, 14
s 4, 14, 3, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name flower4
s 1, 4, 5, 0
s 5, 0, 7, 4
s 7, 4, 9, 0
s 9, 0, 13, 4
s 13, 4, 9, 6
s 9, 6, 13, 9
s 13, 9, 9, 12
s 9, 12, 7, 9
s 7, 9, 5, 12
s 5, 12, 1, 9
s 1, 9, 5, 6
s 5, 6, 1, 4
s 8, 7, 6, 7
s 6, 7, 6, 5
s 6, 5, 8, 5
s 8, 5, 8, 7
s 7, 9, 7, 15
s 7, 13, 11, 12
s 11, 12, 7, 15
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name fruit1
s 2, 10, 4, 10
s 4, 10, 5, 12
s 5, 12, 4, 14
s 4, 14, 2, 14
s 2, 14, 1, 12
s 1, 12, 2, 10
s 10, 9, 12, 9
s 12, 9, 13, 11
s 13, 11, 12, 13
s 12, 13, 10, 13
s 10, 13, 9, 11
s 9, 11, 10, 9
s 3, 10, 5, 5
s 5, 5, 9, 1
s 11, 9, 10, 5
s 10, 5, 9, 1
s 9, 1, 12, 0
s 12, 0, 13, 2
s 13, 2, 9, 1
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name fruit2
s 3, 3, 1, 4
s 1, 4, 0, 7
s 0, 7, 2, 10
s 2, 10, 7, 14
s 7, 14, 12, 10
s 12, 10, 14, 7
s 14, 7, 13, 4
s 13, 4, 11, 3
s 11, 3, 3, 3
s 3, 3, 5, 1
s 5, 1, 6, 3
s 6, 3, 7, 0
s 7, 0, 8, 3
s 8, 3, 9, 1
s 9, 1, 11, 3
s 4, 6, 4, 7
s 10, 6, 10, 7
s 7, 9, 7, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name heart
s 7, 3, 5, 1
s 5, 1, 2, 1
s 2, 1, 0, 3
s 0, 3, 0, 6
s 0, 6, 7, 14
s 7, 14, 14, 6
s 14, 6, 14, 3
s 14, 3, 12, 1
s 12, 1, 9, 1
s 9, 1, 7, 3
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name house1
s 2, 8, 2, 14
s 2, 14, 12, 14
s 12, 14, 12, 8
s 0, 8, 7, 1
s 7, 1, 14, 8
s 14, 8, 0, 8
s 4, 14, 4, 10
s 4, 10, 7, 10
s 7, 10, 7, 14
s 9, 10, 11, 10
s 11, 10, 11, 12
s 11, 12, 9, 12
s 9, 12, 9, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name house2
s 1, 7, 1, 14
s 1, 14, 13, 14
s 13, 14, 13, 7
s 0, 7, 7, 1
s 7, 1, 14, 7
s 14, 7, 0, 7
s 10, 4, 10, 1
s 10, 1, 12, 1
s 12, 1, 12, 6
s 6, 14, 6, 10
s 6, 10, 8, 10
s 8, 10, 8, 14
s 9, 9, 12, 9
s 12, 9, 12, 11
s 12, 11, 9, 11
s 9, 11, 9, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name kiss1
s 1, 9, 4, 6
s 4, 6, 6, 7
s 6, 7, 8, 6
s 8, 6, 11, 9
s 11, 9, 8, 12
s 8, 12, 4, 12
s 4, 12, 1, 9
s 3, 9, 9, 9
s 12, 2, 11, 1
s 11, 1, 10, 2
s 10, 2, 12, 5
s 12, 5, 14, 2
s 14, 2, 13, 1
s 13, 1, 12, 2
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ lips1
s 0, 7, 3, 4
s 3, 4, 5, 3
s 5, 3, 7, 4
s 7, 4, 9, 3
s 9, 3, 11, 4
s 11, 4, 14, 7
s 14, 7, 11, 10
s 11, 10, 7, 11
s 7, 11, 3, 10
s 3, 10, 0, 7
s 0, 7, 7, 8
s 7, 8, 14, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name lips2
s 0, 6, 3, 4
s 3, 4, 5, 3
s 5, 3, 7, 4
s 7, 4, 9, 3
s 9, 3, 11, 4
s 11, 4, 14, 6
s 14, 6, 11, 11
s 11, 11, 7, 12
s 7, 12, 3, 11
s 3, 11, 0, 6
s 0, 6, 7, 7
s 7, 7, 14, 6
s 2, 8, 7, 9
s 7, 9, 12, 8
s 5, 7, 5, 9
s 9, 7, 9, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ demo lolipop1
s 12, 7, 9, 10
s 9, 10, 5, 10
s 5, 10, 2, 7
s 2, 7, 2, 3
s 2, 3, 5, 0
s 5, 0, 9, 0
s 9, 0, 12, 3
s 12, 3, 12, 7
s 7, 5, 8, 5
s 8, 5, 8, 6
s 8, 6, 6, 6
s 6, 6, 6, 4
s 6, 4, 9, 4
s 9, 4, 9, 7
s 7, 10, 7, 15
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name lolipop2
s 12, 7, 9, 10
s 9, 10, 5, 10
s 5, 10, 2, 7
s 2, 7, 2, 3
s 2, 3, 5, 0
s 5, 0, 9, 0
s 9, 0, 12, 3
s 12, 3, 12, 7
s 4, 3, 9, 8
s 6, 1, 11, 6
s 7, 10, 7, 15
s 4, 11, 10, 13
s 10, 13, 10, 11
s 10, 11, 4, 13
s 4, 13, 4, 11
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name lolipopBig1
s 13, 6, 12, 9
s 12, 9, 10, 11
s 10, 11, 7, 12
s 7, 12, 4, 11
s 4, 11, 2, 9
s 2, 9, 1, 6
s 1, 6, 2, 3
s 2, 3, 4, 1
s 4, 1, 7, 0
s 7, 0, 10, 1
s 10, 1, 12, 3
s 12, 3, 13, 6
s 7, 6, 8, 5
s 8, 5, 8, 7
s 8, 7, 7, 8
s 7, 8, 5, 7
s 5, 7, 4, 4
s 4, 4, 7, 2
s 7, 2, 11, 4
s 11, 4, 11, 8
s 11, 8, 7, 11
s 7, 12, 7, 15
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name lolipopBig2
s 13, 6, 12, 9
s 12, 9, 10, 11
s 10, 11, 7, 12
s 7, 12, 4, 11
s 4, 11, 2, 9
s 2, 9, 1, 6
s 1, 6, 2, 3
s 2, 3, 4, 1
s 4, 1, 7, 0
s 7, 0, 10, 1
s 10, 1, 12, 3
s 12, 3, 13, 6
s 10, 6, 9, 9
s 9, 9, 6, 9
s 6, 9, 4, 6
s 4, 6, 5, 3
s 5, 3, 9, 3
s 9, 3, 10, 6
s 7, 12, 7, 15
s 4, 12, 10, 14
s 10, 14, 10, 12
s 10, 12, 4, 14
s 4, 14, 4, 12
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name male1
s 9, 9, 8, 11
s 8, 11, 6, 13
s 6, 13, 4, 13
s 4, 13, 2, 11
s 2, 11, 1, 9
s 1, 9, 2, 7
s 2, 7, 4, 5
s 4, 5, 6, 5
s 6, 5, 8, 7
s 8, 7, 9, 9
s 8, 6, 13, 1
s 13, 1, 9, 1
s 13, 1, 13, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name maple
s 7, 0, 9, 3
s 9, 3, 11, 2
s 11, 2, 10, 6
s 10, 6, 14, 4
s 14, 4, 13, 7
s 13, 7, 14, 8
s 14, 8, 9, 11
s 9, 11, 7, 12
s 7, 12, 5, 11
s 5, 11, 0, 8
s 0, 8, 1, 7
s 1, 7, 0, 4
s 0, 4, 4, 6
s 4, 6, 3, 2
s 3, 2, 5, 3
s 5, 3, 7, 0
s 7, 12, 7, 15
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name maple2
s 7, 0, 9, 2
s 9, 2, 10, 4
s 10, 4, 13, 3
s 13, 3, 12, 6
s 12, 6, 14, 7
s 14, 7, 11, 10
s 11, 10, 8, 12
s 8, 12, 6, 12
s 6, 12, 3, 10
s 3, 10, 0, 7
s 0, 7, 2, 6
s 2, 6, 1, 3
s 1, 3, 4, 4
s 4, 4, 5, 2
s 5, 2, 7, 0
s 7, 15, 7, 3
s 7, 11, 11, 5
s 7, 11, 3, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name mug1
s 2, 3, 10, 3
s 10, 3, 10, 13
s 10, 13, 2, 13
s 2, 13, 2, 3
s 10, 5, 12, 5
s 12, 5, 13, 6
s 13, 6, 13, 9
s 13, 9, 12, 10
s 12, 10, 10, 10
s 10, 7, 11, 7
s 11, 7, 11, 8
s 11, 8, 10, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name mug2
s 1, 6, 9, 6
s 9, 6, 9, 14
s 9, 14, 1, 14
s 1, 14, 1, 6
s 9, 8, 12, 8
s 12, 8, 12, 12
s 12, 12, 9, 12
s 3, 4, 2, 2
s 2, 2, 3, 0
s 5, 4, 4, 2
s 4, 2, 5, 0
s 7, 4, 6, 2
s 6, 2, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name mug3
s 2, 3, 2, 12
s 2, 12, 3, 13
s 3, 13, 9, 13
s 9, 13, 10, 12
s 10, 12, 10, 3
s 10, 3, 2, 3
s 10, 5, 13, 5
s 13, 5, 13, 10
s 13, 10, 10, 10
s 6, 7, 5, 6
s 5, 6, 4, 7
s 4, 7, 6, 10
s 6, 10, 8, 7
s 8, 7, 7, 6
s 7, 6, 6, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name paquet1
s 0, 4, 14, 4
s 14, 4, 14, 14
s 14, 14, 0, 14
s 0, 14, 0, 4
s 7, 4, 7, 14
s 0, 9, 14, 9
s 7, 4, 4, 1
s 4, 1, 3, 3
s 3, 3, 7, 4
s 7, 4, 10, 1
s 10, 1, 11, 3
s 11, 3, 7, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name paquet2
s 0, 5, 10, 5
s 10, 5, 10, 14
s 10, 14, 0, 14
s 0, 14, 0, 5
s 0, 5, 4, 1
s 4, 1, 14, 1
s 14, 1, 10, 5
s 14, 1, 14, 10
s 14, 10, 10, 14
s 2, 5, 6, 1
s 4, 5, 8, 1
s 2, 9, 7, 9
s 7, 9, 7, 12
s 7, 12, 2, 12
s 2, 12, 2, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name pear1
s 7, 3, 5, 4
s 5, 4, 5, 6
s 5, 6, 3, 8
s 3, 8, 2, 11
s 2, 11, 4, 14
s 4, 14, 10, 14
s 10, 14, 12, 11
s 12, 11, 11, 8
s 11, 8, 9, 6
s 9, 6, 9, 4
s 9, 4, 7, 3
s 7, 3, 8, 0
s 8, 1, 11, 0
s 11, 0, 12, 1
s 12, 1, 10, 2
s 10, 2, 8, 1
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name pentagon
s 7, 0, 14, 5
s 14, 5, 11, 14
s 11, 14, 3, 14
s 3, 14, 0, 5
s 0, 5, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name polo1
s 4, 1, 0, 4
s 0, 4, 2, 7
s 2, 7, 3, 6
s 3, 6, 3, 14
s 3, 14, 11, 14
s 11, 14, 11, 6
s 11, 6, 12, 7
s 12, 7, 14, 4
s 14, 4, 10, 1
s 4, 1, 5, 4
s 5, 4, 7, 3
s 7, 3, 9, 4
s 9, 4, 10, 1
s 7, 3, 7, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name polo2
s 4, 1, 0, 4
s 0, 4, 2, 7
s 2, 7, 3, 6
s 3, 6, 3, 14
s 3, 14, 11, 14
s 11, 14, 11, 6
s 11, 6, 12, 7
s 12, 7, 14, 4
s 14, 4, 10, 1
s 4, 1, 5, 4
s 5, 4, 7, 3
s 7, 3, 9, 4
s 9, 4, 10, 1
s 3, 9, 11, 9
s 3, 11, 11, 11
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smile1
s 1, 6, 3, 9
s 3, 9, 5, 10
s 5, 10, 9, 10
s 9, 10, 11, 9
s 11, 9, 13, 6
s 0, 5, 2, 7
s 12, 7, 14, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smile2
s 1, 5, 5, 6
s 5, 6, 9, 6
s 9, 6, 13, 5
s 13, 5, 12, 8
s 12, 8, 10, 10
s 10, 10, 8, 11
s 8, 11, 6, 11
s 6, 11, 4, 10
s 4, 10, 2, 8
s 2, 8, 1, 5
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smileFace1
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 5, 4, 5, 6
s 9, 4, 9, 6
s 3, 8, 5, 10
s 5, 10, 7, 11
s 7, 11, 9, 10
s 9, 10, 11, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smileFace2
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 4, 5, 6, 5
s 8, 6, 9, 4
s 9, 4, 10, 6
s 3, 8, 5, 10
s 5, 10, 9, 10
s 9, 10, 11, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smileFace3
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 5, 3, 5, 5
s 9, 3, 9, 5
s 3, 7, 11, 7
s 11, 7, 9, 11
s 9, 11, 5, 11
s 5, 11, 3, 7
s 4, 9, 10, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smileFace4
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 2, 5, 6, 5
s 6, 5, 4, 7
s 4, 7, 2, 5
s 8, 5, 12, 5
s 12, 5, 10, 7
s 10, 7, 8, 5
s 6, 5, 8, 5
s 4, 10, 7, 11
s 7, 11, 10, 10
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name smileFace5
s 14, 9, 11, 13
s 11, 13, 7, 14
s 7, 14, 3, 13
s 3, 13, 0, 9
s 0, 9, 0, 5
s 0, 5, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 14, 5
s 14, 5, 14, 9
s 4, 4, 6, 5
s 6, 5, 4, 6
s 10, 4, 8, 5
s 8, 5, 10, 6
s 3, 8, 5, 9
s 5, 9, 9, 9
s 9, 9, 11, 8
s 6, 9, 6, 11
s 6, 11, 8, 12
s 8, 12, 8, 9
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name square1
s 0, 0, 0, 14
s 0, 14, 14, 14
s 14, 14, 14, 0
s 14, 0, 0, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name star2
s 7, 0, 13, 11
s 13, 11, 1, 11
s 1, 11, 7, 0
s 7, 14, 1, 3
s 1, 3, 13, 3
s 13, 3, 7, 14
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name star
s 7, 0, 9, 5
s 9, 5, 14, 5
s 14, 5, 10, 9
s 10, 9, 11, 14
s 11, 14, 7, 11
s 7, 11, 3, 14
s 3, 14, 4, 9
s 4, 9, 0, 5
s 0, 5, 5, 5
s 5, 5, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name star3
s 7, 0, 8, 6
s 8, 6, 14, 7
s 14, 7, 8, 8
s 8, 8, 7, 14
s 7, 14, 6, 8
s 6, 8, 0, 7
s 0, 7, 6, 6
s 6, 6, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name star4
s 7, 0, 8, 4
s 8, 4, 12, 2
s 12, 2, 10, 6
s 10, 6, 14, 7
s 14, 7, 10, 8
s 10, 8, 12, 12
s 12, 12, 8, 10
s 8, 10, 7, 14
s 7, 14, 6, 10
s 6, 10, 2, 12
s 2, 12, 4, 8
s 4, 8, 0, 7
s 0, 7, 4, 6
s 4, 6, 2, 2
s 2, 2, 6, 4
s 6, 4, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name star5
s 7, 0, 11, 14
s 11, 14, 0, 5
s 0, 5, 14, 5
s 14, 5, 3, 14
s 3, 14, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sun1
s 11, 9, 9, 11
s 9, 11, 5, 11
s 5, 11, 3, 9
s 3, 9, 3, 5
s 3, 5, 5, 3
s 5, 3, 9, 3
s 9, 3, 11, 5
s 11, 5, 11, 9
s 12, 7, 14, 7
s 11, 11, 12, 12
s 7, 12, 7, 14
s 3, 11, 2, 12
s 2, 7, 0, 7
s 3, 3, 2, 2
s 7, 2, 7, 0
s 11, 3, 12, 2
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sun2
s 11, 9, 9, 11
s 9, 11, 5, 11
s 5, 11, 3, 9
s 3, 9, 3, 5
s 3, 5, 5, 3
s 5, 3, 9, 3
s 9, 3, 11, 5
s 11, 5, 11, 9
s 12, 7, 14, 7
s 11, 10, 13, 10
s 10, 11, 11, 13
s 7, 12, 7, 13
s 4, 11, 3, 13
s 3, 10, 1, 10
s 2, 7, 0, 7
s 3, 4, 1, 4
s 4, 3, 3, 1
s 7, 2, 7, 1
s 10, 3, 11, 1
s 11, 4, 13, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sunSmile1
s 11, 9, 9, 11
s 9, 11, 5, 11
s 5, 11, 3, 9
s 3, 9, 3, 5
s 3, 5, 5, 3
s 5, 3, 9, 3
s 9, 3, 11, 5
s 11, 5, 11, 9
s 12, 7, 14, 7
s 11, 11, 12, 12
s 7, 12, 7, 14
s 3, 11, 2, 12
s 2, 7, 0, 7
s 3, 3, 2, 2
s 7, 2, 7, 0
s 11, 3, 12, 2
s 5, 5, 5, 6
s 9, 5, 9, 6
s 4, 8, 6, 10
s 6, 10, 8, 10
s 8, 10, 10, 8
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sweet1
s 11, 7, 10, 9
s 10, 9, 7, 10
s 7, 10, 4, 9
s 4, 9, 3, 7
s 3, 7, 4, 5
s 4, 5, 7, 4
s 7, 4, 10, 5
s 10, 5, 11, 7
s 3, 7, 0, 4
s 0, 4, 0, 10
s 0, 10, 3, 7
s 11, 7, 14, 4
s 14, 4, 14, 10
s 14, 10, 11, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sweet2
s 11, 7, 10, 9
s 10, 9, 7, 10
s 7, 10, 4, 9
s 4, 9, 3, 7
s 3, 7, 4, 5
s 4, 5, 7, 4
s 7, 4, 10, 5
s 10, 5, 11, 7
s 6, 4, 8, 10
s 3, 7, 0, 4
s 0, 4, 1, 7
s 1, 7, 0, 10
s 0, 10, 3, 7
s 11, 7, 14, 4
s 14, 4, 13, 7
s 13, 7, 14, 10
s 14, 10, 11, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name sweet3
s 4, 5, 10, 5
s 10, 5, 10, 9
s 10, 9, 4, 9
s 4, 9, 4, 5
s 4, 5, 2, 7
s 2, 7, 4, 9
s 2, 7, 0, 4
s 0, 4, 0, 10
s 0, 10, 2, 7
s 10, 5, 12, 7
s 12, 7, 10, 9
s 12, 7, 14, 4
s 14, 4, 14, 10
s 14, 10, 12, 7
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name tree1
s 7, 0, 11, 4
s 11, 4, 9, 4
s 9, 4, 13, 8
s 13, 8, 10, 8
s 10, 8, 14, 12
s 14, 12, 9, 12
s 9, 12, 9, 14
s 9, 14, 5, 14
s 5, 14, 5, 12
s 5, 12, 0, 12
s 0, 12, 4, 8
s 4, 8, 1, 8
s 1, 8, 5, 4
s 5, 4, 3, 4
s 3, 4, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name triangle1
s 0, 14, 7, 1
s 7, 1, 14, 14
s 14, 14, 0, 14
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name wheel1
s 14, 7, 13, 11
s 13, 11, 11, 13
s 11, 13, 7, 14
s 7, 14, 4, 13
s 4, 13, 1, 11
s 1, 11, 0, 7
s 0, 7, 1, 3
s 1, 3, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 13, 3
s 13, 3, 14, 7
s 9, 7, 7, 9
s 7, 9, 5, 7
s 5, 7, 7, 5
s 7, 5, 9, 7
s 9, 7, 14, 7
s 7, 9, 7, 14
s 5, 7, 0, 7
s 7, 5, 7, 0
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name wheel2
s 14, 8, 13, 11
s 13, 11, 11, 13
s 11, 13, 8, 14
s 8, 14, 6, 14
s 6, 14, 3, 13
s 3, 13, 1, 11
s 1, 11, 0, 8
s 0, 8, 0, 6
s 0, 6, 1, 3
s 1, 3, 3, 1
s 3, 1, 6, 0
s 6, 0, 8, 0
s 8, 0, 11, 1
s 11, 1, 13, 3
s 13, 3, 14, 6
s 14, 6, 14, 8
s 9, 7, 7, 9
s 7, 9, 5, 7
s 5, 7, 7, 5
s 7, 5, 9, 7
s 9, 8, 13, 10
s 8, 9, 10, 13
s 6, 9, 4, 13
s 5, 8, 1, 10
s 5, 6, 1, 4
s 6, 5, 4, 1
s 8, 5, 10, 1
s 9, 6, 13, 4
}



# 2D object
# wire editor
# by Vaskoril
# 2012-05-15
# free to copy


{ name wheel3
s 14, 7, 13, 11
s 13, 11, 11, 13
s 11, 13, 7, 14
s 7, 14, 4, 13
s 4, 13, 1, 11
s 1, 11, 0, 7
s 0, 7, 1, 3
s 1, 3, 3, 1
s 3, 1, 7, 0
s 7, 0, 11, 1
s 11, 1, 13, 3
s 13, 3, 14, 7
s 12, 7, 11, 10
s 11, 10, 10, 11
s 10, 11, 7, 12
s 7, 12, 5, 11
s 5, 11, 3, 10
s 3, 10, 2, 7
s 2, 7, 3, 5
s 3, 5, 4, 3
s 4, 3, 7, 2
s 7, 2, 10, 3
s 10, 3, 11, 4
s 11, 4, 12, 7
s 7, 2, 7, 12
s 2, 7, 12, 7
s 4, 4, 10, 10
s 4, 10, 10, 4
}


)OBJLIB";
// clang-format on
