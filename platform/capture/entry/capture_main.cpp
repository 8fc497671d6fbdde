// The process entry of demo_capture: reads the command line, sets the capture
// backend up, then hands over to the demo exactly as the SDL programs do. The
// run ends inside the backend (after the last frame's presentation) or through
// the demo's own quit path; either way the outputs are completed at exit.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/capture/capture.h"
#include "platform/entry.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("demo_capture " MOXA7730_VERSION);
        return 0;
    }
    CAPTURESetup setup{};
    switch (CAPTUREParseArgs(argc, argv, &setup)) {
        case CAPTURE_ARGS_HELP:
            std::fputs(CAPTURE_USAGE, stdout);
            return 0;
        case CAPTURE_ARGS_RUN:
            break;
        default:  // what was wrong, then where to look
            std::fprintf(stderr,
                         "demo_capture: %s\n"
                         "Run 'demo_capture --help' for the options.\n",
                         CAPTUREArgsProblem());
            return 2;
    }
    if (!CAPTUREStart(&setup)) return 1;  // the reason is on standard error
    return MOXA7730Main(argc, argv);
}
