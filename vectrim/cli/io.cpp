#include "io.h"

#include "dxf_input.h"
#include "json_text.h"
#include "model/exchange_file.h"
#include "model/messages.h"
#include "model/par_file.h"
#include "view/extents.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace vectrim::cli {

namespace {

std::string lowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& stem) {
    std::error_code ec;
    std::string tmpl = (std::filesystem::temp_directory_path(ec) / (stem + "-XXXXXX")).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) return;
    close(fd);
    path_ = tmpl;
}

TemporaryFile::~TemporaryFile() {
    if (!path_.empty()) std::remove(path_.c_str());
}

bool loadDrawing(Session& s, const std::string& path, bool keepPosition) {
    const std::string ext = lowerExtension(path);
    const TemporaryFile file("vectrim");
    const std::string& temp = file.path();
    bool ok = false;
    if (ext == ".dxf") {
        ok = importDxf(path, kCurveQuality, temp, *s.host, &s.state.import);
    } else if (ext == ".dat") {
        std::error_code ec;
        ok = std::filesystem::copy_file(path, temp, std::filesystem::copy_options::overwrite_existing, ec);
        if (!ok)
            s.host->message(msg::tr(msg::kDxfNotLoaded), msg::tr(msg::kTitleReadError), Icon::Information);
    } else {
        std::fprintf(stderr, "vectrim-cli: %s: not a .dxf or .dat file\n", path.c_str());
    }
    if (ok) ok = readExchangeFile(temp, s.drawing, *s.host) == ExchangeRead::Ok;
    if (!ok) return false;
    if (ext == ".dxf") s.state.dxfPath = path;
    if (keepPosition) {
        Box fit{0, 0, 0, 0};
        getextents(s.drawing, fit, 0);
        s.view.window = {fit.xmin, fit.ymin, fit.xmax, fit.ymax};
    } else {
        moveToOrigin(s.drawing, s.view.window);
    }
    if (s.drawing.elementCount() == 0)
        s.host->message(msg::tr(msg::kDxfNotLoaded), msg::tr(msg::kTitleReadError), Icon::Information);
    return true;
}

std::string modelJson(const Session& s, const CliHost& host) {
    const Drawing& d = s.drawing;
    std::string out = "{\"lines\": [";
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        out += i ? ", [" : "[";
        for (double v : {l.x1, l.y1, l.x2, l.y2}) appendJsonNumber(out, v), out += ", ";
        out += std::to_string(l.contour) + "]";
    }
    out += "],\n \"arcs\": [";
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        out += i ? ", [" : "[";
        for (double v : {a.cx, a.cy, a.r, a.a1, a.a2}) appendJsonNumber(out, v), out += ", ";
        out += std::to_string(a.contour) + "]";
    }
    out += "],\n \"order\": [";
    for (int32_t i = 0; i < d.elementCount(); ++i) {
        if (i) out += ", ";
        out += std::to_string(d.order[i].raw());
    }
    out += "],\n \"freeends\": [";
    for (int32_t i = 0; i < d.freecount && i < kFreeEndSlots; ++i) {
        const FreeEnd& f = d.freeends[i];
        out += i ? ", [" : "[";
        appendJsonNumber(out, f.x);
        out += ", ";
        appendJsonNumber(out, f.y);
        out += ", " + std::to_string(f.ref.raw()) + ", " + std::to_string(static_cast<int>(f.end)) + "]";
    }
    out += "],\n \"messages\": [";
    for (size_t i = 0; i < host.messages.size(); ++i) {
        out += i ? ", [" : "[";
        appendJsonString(out, host.messages[i].first);
        out += ", ";
        appendJsonString(out, host.messages[i].second);
        out += "]";
    }
    out += "]}\n";
    return out;
}

bool writeDrawing(const Session& s, const CliHost& host, const std::string& path, DxfForm form) {
    if (path.empty() || path == "-") {
        std::cout << modelJson(s, host);
        return static_cast<bool>(std::cout.flush());
    }
    const std::string ext = lowerExtension(path);
    if (ext == ".dat") return writeExchangeFile(path, s.drawing);
    if (ext == ".dxf") {
        const DxfSaved saved = savedxf(s.drawing, *s.host, path, form, drawingUnit(s.state));
        if (saved.ok && saved.content.skipped > 0)
            std::fprintf(stderr, "vectrim-cli: %d degenerate elements (zero length or sweep) left out\n",
                         saved.content.skipped);
        return saved.ok;
    }
    if (ext == ".json") {
        const std::string tmp = path + ".~";
        {
            std::ofstream out(tmp, std::ios::binary);
            out << modelJson(s, host);
            if (!out.flush()) {
                std::remove(tmp.c_str());
                return false;
            }
        }
        return std::rename(tmp.c_str(), path.c_str()) == 0;
    }
    std::fprintf(stderr, "vectrim-cli: %s: unknown output type\n", path.c_str());
    return false;
}

} // namespace vectrim::cli
