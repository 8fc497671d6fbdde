// make_icon: draws the program's icon (demo/icon.h) as PNG files for the
// icon theme: OUT_DIR/NxN/moxa7730.png for every size N given.
//
// usage: make_icon OUT_DIR SIZE...
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "demo/icon.h"
#include "image/img.h"
#include "tools/png_write.h"

namespace {
bool MakeDir(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: make_icon OUT_DIR SIZE...\n", stderr);
        return 2;
    }
    const std::string out = argv[1];
    if (!MakeDir(out)) {
        std::perror(argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int32_t size = static_cast<int32_t>(std::atoi(argv[i]));
        IMG* icon = MOXA7730DrawIcon(size);
        if (icon == nullptr) {
            std::fprintf(stderr, "make_icon: cannot draw a %s-pixel icon\n", argv[i]);
            return 1;
        }
        const std::string dir = out + "/" + std::to_string(size) + "x" + std::to_string(size);
        const std::string path = dir + "/moxa7730.png";
        const bool ok = MakeDir(dir) && WritePng(icon->pixels, icon->width, icon->height, path.c_str());
        IMGFree(&icon);
        if (!ok) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
