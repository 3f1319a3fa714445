#include "exchange_file.h"

#include "messages.h"
#include "numtext.h"

#include <cmath>

namespace vectrim {

namespace {
// An existing non-empty exchange file is deleted before a new one is written.
const std::string& cleared(const std::string& path) {
    if (fileSize(path) > 0) removeFile(path);
    return path;
}
} // namespace

ExchangeWriter::ExchangeWriter(const std::string& path) : out_(cleared(path)) {}

void ExchangeWriter::line(double x1, double y1, double x2, double y2) {
    if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))) {
        ++rejected_;
        return;
    }
    const double length = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    if (!(length > kImportMinLength)) return;
    out_.line("1");
    out_.line(numberText(x1));
    out_.line(numberText(y1));
    out_.line(numberText(x2));
    out_.line(numberText(y2));
    ++lines_;
}

ArcAngles exchangeArcAngles(double start, double sweep) {
    double s = start;
    double e = start + sweep;
    if (sweep < 0) std::swap(s, e);
    if (sweep == 0) {
        s = 0;
        e = 360;
    }
    // Far-off angles are first brought near the range, so the loops stay short.
    if (std::fabs(s) > 1e6) s = std::fmod(s, 360.0);
    if (std::fabs(e) > 1e6) e = std::fmod(e, 360.0);
    while (s > 360) s -= 360;
    while (e > 360) e -= 360;
    while (s < 0) s += 360;
    while (e < 0) e += 360;
    return {s, e};
}

void ExchangeWriter::arc(double cx, double cy, double r, double start, double sweep) {
    if (!(std::isfinite(cx) && std::isfinite(cy) && std::isfinite(r) && std::isfinite(start) &&
          std::isfinite(sweep)) ||
        !(r > 0)) {
        ++rejected_;
        return;
    }
    const ArcAngles a = exchangeArcAngles(start, sweep);
    out_.line("2");
    out_.line(numberText(cx));
    out_.line(numberText(cy));
    out_.line(numberText(r));
    out_.line(numberText(a.start));
    out_.line(numberText(a.end));
    ++arcs_;
}

bool ExchangeWriter::finish() {
    out_.line("e");
    return out_.commit();
}

namespace {

void readFailure(Drawing& drawing, Host& host) {
    drawing.clear();
    host.message(msg::tr(msg::kDxfNotLoaded), msg::tr(msg::kTitleReadError), Icon::Information);
}

// Reads n numbers; false when a line is missing or a number does not fit.
bool readNumbers(LineReader& in, double* out, int n) {
    std::string text;
    for (int k = 0; k < n; ++k) {
        if (!in.next(text)) return false;
        const LeadingNumber v = leadingNumber(text);
        if (!v.fits || !std::isfinite(v.value)) return false;
        out[k] = v.value;
    }
    return true;
}

} // namespace

ExchangeRead readExchangeFile(const std::string& path, Drawing& drawing, Host& host) {
    drawing.clear();
    std::string marker;
    {
        LineReader in(path);
        if (!in.isOpen()) {
            readFailure(drawing, host);
            return ExchangeRead::ReadFailure;
        }
        for (;;) {
            if (!in.next(marker)) {
                readFailure(drawing, host);
                return ExchangeRead::ReadFailure;
            }
            double v[5];
            if (marker == "2") {
                if (!readNumbers(in, v, 5)) {
                    readFailure(drawing, host);
                    return ExchangeRead::ReadFailure;
                }
                if (!(v[2] > 0)) continue; // no circle without a radius
                if (!drawing.appendArc(v[0], v[1], v[2], v[3], v[4])) break;
            } else if (marker == "1") {
                if (!readNumbers(in, v, 4)) {
                    readFailure(drawing, host);
                    return ExchangeRead::ReadFailure;
                }
                if (!drawing.appendLine(v[0], v[1], v[2], v[3])) break;
            } else {
                removeFile(path);
                return ExchangeRead::Ok;
            }
        }
    }
    host.message(msg::tr(msg::kDrawingTooLarge), msg::tr(msg::kTitleError), Icon::Critical);
    drawing.clear();
    return ExchangeRead::TooLarge;
}

bool writeExchangeFile(const std::string& path, const Drawing& drawing) {
    AtomicTextFile out(path);
    for (int32_t i = 0; i < drawing.linecount; ++i) {
        const Line& l = drawing.lines[i];
        out.line("1");
        for (double v : {l.x1, l.y1, l.x2, l.y2}) out.line(numberText(v));
    }
    for (int32_t i = 0; i < drawing.arccount; ++i) {
        const Arc& a = drawing.arcs[i];
        out.line("2");
        for (double v : {a.cx, a.cy, a.r, a.a1, a.a2}) out.line(numberText(v));
    }
    out.line("e");
    return out.commit();
}

} // namespace vectrim
