#include "cli.h"
#include "cli_host.h"
#include "kgeom_api.h"
#include "model/exchange_file.h"
#include "model/numtext.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include <unistd.h>

namespace vectrim::cli {

// A smoke run of the program folder: binds the geometry library, computes a
// fillet and passes a drawing through an exchange file.
int cmdSelftest(const std::vector<std::string>&) {
    std::string why;
    if (!kg::load(&why)) {
        std::fprintf(stderr, "vectrim-cli: %s\n", why.c_str());
        return kRefused;
    }
    std::printf("kgeom: 22 exports bound\n");
    double x1 = 0, y1 = 0, x2 = 10, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 10, r = 2;
    double xc = 0, yc = 0, a1 = 0, a2 = 0, theta = 0;
    int16_t err = 0, only = 0;
    kg::api().roundl(&x1, &y1, &x2, &y2, &x3, &y3, &x4, &y4, &r, &xc, &yc, &a1, &a2, &err, &theta, &only);
    std::printf("fillet r 2 in a right angle: centre (%s, %s), tangent points (%s, %s) and (%s, %s)\n",
                numberText(xc).c_str(), numberText(yc).c_str(), numberText(x1).c_str(),
                numberText(y1).c_str(), numberText(x3).c_str(), numberText(y3).c_str());

    const std::string file =
        (std::filesystem::temp_directory_path() / ("vectrim-selftest-" + std::to_string(getpid()) + ".dat"))
            .string();
    {
        ExchangeWriter w(file);
        w.line(0, 0, 100, 0);
        w.arc(50, 0, 50, 0, 180);
        w.arc(20, 20, 5, 0, 0);
        if (!w.finish()) return kRefused;
    }
    CliHost host;
    auto drawing = std::make_unique<Drawing>();
    if (readExchangeFile(file, *drawing, host) != ExchangeRead::Ok) return kRefused;
    std::printf("exchange file: %d lines, %d arcs read back\n", drawing->linecount, drawing->arccount);
    const bool good = err == 0 && std::fabs(xc - 2) < 1e-9 && drawing->linecount == 1 &&
                      drawing->arccount == 2 && drawing->arcs[1].a2 == 360;
    std::printf("%s\n", good ? "selftest passed" : "selftest FAILED");
    return good ? kOk : kRefused;
}

} // namespace vectrim::cli
