#include "par_file.h"

#include "numtext.h"
#include "textfile.h"

#include <cmath>

namespace vectrim {

std::string displayName(const std::string& path) {
    // Walk back over 30 characters; continuation bytes of UTF-8 belong to
    // the character that they follow.
    size_t pos = path.size();
    int characters = 0;
    while (pos > 0 && characters < 30) {
        --pos;
        while (pos > 0 && (static_cast<unsigned char>(path[pos]) & 0xC0) == 0x80) --pos;
        ++characters;
    }
    return path.substr(pos);
}

std::string untilNul(const std::string& text) { return text.substr(0, text.find('\0')); }

bool writeParFile(const std::string& file, const std::string& dxfPath, const std::string& display) {
    AtomicTextFile out(file);
    out.line(dxfPath);
    out.line(numberText(kCurveQuality));
    out.line(display);
    return out.commit();
}

ParFile readParFile(const std::string& file) {
    ParFile p;
    LineReader in(file);
    if (!in.isOpen()) return p;
    std::string text;
    if (!in.next(text)) return p;
    p.path = untilNul(text);
    p.lines = 1;
    if (!in.next(text)) return p;
    const double q = val(text);
    // A curve quality far outside any sensible range is capped.
    p.quality =
        std::isfinite(q) ? static_cast<int32_t>(std::fmax(-1e9, std::fmin(1e9, std::nearbyint(q)))) : 0;
    p.lines = 2;
    if (!in.next(text)) return p;
    p.display = untilNul(text);
    p.lines = 3;
    return p;
}

} // namespace vectrim
