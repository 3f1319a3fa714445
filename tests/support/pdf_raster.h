// A printed PDF page as pixels: pdftoppm renders it in grey at a given
// resolution, and the dark pixels are measured.
#pragma once

#include "shell.h"
#include "temp_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vectrim::test {

// Whether pdftoppm (poppler-utils) is there.
inline bool havePdftoppm() { return shell("pdftoppm -v >/dev/null 2>&1") == 0; }

struct Raster {
    int width = 0, height = 0;
    std::vector<unsigned char> grey; // row by row, 0 black .. 255 white
    bool dark(int x, int y) const { return grey[static_cast<size_t>(y) * width + x] < 128; }

    // The box of the dark pixels in rows y0 .. y1 - 1; x0 > x1 when none.
    struct Box {
        int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    };
    Box darkBox(int fromRow, int toRow) const {
        Box b;
        for (int y = std::max(0, fromRow); y < std::min(height, toRow); ++y)
            for (int x = 0; x < width; ++x)
                if (dark(x, y)) {
                    b.x0 = std::min(b.x0, x);
                    b.x1 = std::max(b.x1, x);
                    b.y0 = std::min(b.y0, y);
                    b.y1 = std::max(b.y1, y);
                }
        return b;
    }
};

// Renders the first page of `pdf` at `dpi` dots per inch; an empty raster
// when that failed.
inline Raster rasterise(const std::string& pdf, int dpi, const TempDir& dir) {
    Raster r;
    const std::string prefix = dir.file("page");
    const std::string cmd = "pdftoppm -r " + std::to_string(dpi) + " -gray -singlefile '" + pdf + "' '" +
                            prefix + "' 2>/dev/null";
    if (shell(cmd) != 0) return r;
    std::ifstream in(prefix + ".pgm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> r.width >> r.height >> maxval;
    in.get(); // the one blank after the header
    if (magic != "P5" || maxval != 255 || r.width <= 0 || r.height <= 0) return {};
    r.grey.resize(static_cast<size_t>(r.width) * r.height);
    in.read(reinterpret_cast<char*>(r.grey.data()), static_cast<std::streamsize>(r.grey.size()));
    if (!in) return {};
    return r;
}

} // namespace vectrim::test
