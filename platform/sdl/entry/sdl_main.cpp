// The process entry of the SDL programs. On this platform the media library
// has no start-up glue of its own, so main hands over to the demo directly.
#include "platform/entry.h"

int main(int argc, char** argv) { return MOXA7730Main(argc, argv); }
