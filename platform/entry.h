// entry.h: the program's entry, as the backends call it.
//
// A backend supplies the process's main (platform/sdl/entry/sdl_main.cpp,
// platform/capture/entry/...), standing where a media library's start-up glue
// would, and hands over to the demo program module, which defines this.
#pragma once

int MOXA7730Main(int argc, char** argv);  // never returns while the demo runs
