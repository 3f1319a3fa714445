// Helpers of the import tests: DXF text built group by group, the import run
// on it, and the records of the exchange file it wrote.
#pragma once

#include "dxf/text.h"
#include "import/import.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace vectrim::test {

// DXF text, one group code and value per line pair.
class Dxf {
public:
    Dxf& operator()(int code, const std::string& value) {
        text_ += std::to_string(code) + "\n" + value + "\n";
        return *this;
    }
    Dxf& operator()(int code, const char* value) { return (*this)(code, std::string(value)); }
    Dxf& operator()(int code, double value) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", value);
        return (*this)(code, std::string(buf));
    }
    Dxf& operator()(int code, int value) { return (*this)(code, std::to_string(value)); }

    Dxf& section(const char* name) { return (*this)(0, "SECTION")(2, name); }
    Dxf& endsec() { return (*this)(0, "ENDSEC"); }
    Dxf& eof() { return (*this)(0, "EOF"); }
    Dxf& layer(const std::string& name, int colour = 7, int flags = 0) {
        return (*this)(0, "LAYER")(2, name)(70, flags)(62, colour);
    }
    Dxf& block(const std::string& name, double bx = 0, double by = 0) {
        return (*this)(0, "BLOCK")(8, "0")(2, name)(70, 0)(10, bx)(20, by)(30, 0.0);
    }
    Dxf& endblk() { return (*this)(0, "ENDBLK"); }
    Dxf& line(double x1, double y1, double x2, double y2, const std::string& layer = "0") {
        return (*this)(0, "LINE")(8, layer)(10, x1)(20, y1)(30, 0.0)(11, x2)(21, y2)(31, 0.0);
    }
    Dxf& arc(double cx, double cy, double r, double a1, double a2, const std::string& layer = "0") {
        return (*this)(0, "ARC")(8, layer)(10, cx)(20, cy)(30, 0.0)(40, r)(50, a1)(51, a2);
    }
    Dxf& circle(double cx, double cy, double r, const std::string& layer = "0") {
        return (*this)(0, "CIRCLE")(8, layer)(10, cx)(20, cy)(30, 0.0)(40, r);
    }
    Dxf& insert(const std::string& name, double x, double y, double sx = 1, double sy = 1, double rot = 0,
                const std::string& layer = "0") {
        return (*this)(0, "INSERT")(8, layer)(2, name)(10, x)(20, y)(30, 0.0)(41, sx)(42, sy)(43, 1.0)(50,
                                                                                                       rot);
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// Model space entities in a file of their own.
inline std::string entitiesFile(const Dxf& entities) {
    return "0\nSECTION\n2\nENTITIES\n" + entities.str() + "0\nENDSEC\n0\nEOF\n";
}

struct Record {
    char kind = 0; // '1' line, '2' arc
    double v[5] = {};
};

struct Imported {
    bool ok = false;
    std::vector<Record> records;
    std::string report;
    std::string bytes; // the exchange file

    std::vector<Record> lines() const { return only('1'); }
    std::vector<Record> arcs() const { return only('2'); }

private:
    std::vector<Record> only(char k) const {
        std::vector<Record> out;
        for (const Record& r : records)
            if (r.kind == k) out.push_back(r);
        return out;
    }
};

// The records of an exchange file; ok is false when its form is broken.
inline std::vector<Record> parseExchange(const std::string& bytes, bool& ok) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    ok = pos == bytes.size();
    std::vector<Record> out;
    size_t i = 0;
    while (ok && i < lines.size()) {
        const std::string& m = lines[i++];
        if (m == "e") {
            ok = i == lines.size();
            return out;
        }
        Record r;
        r.kind = m == "1" ? '1' : m == "2" ? '2' : 0;
        const size_t n = r.kind == '1' ? 4 : 5;
        if (!r.kind || i + n > lines.size()) {
            ok = false;
            break;
        }
        for (size_t k = 0; k < n; ++k) r.v[k] = std::stod(lines[i++]);
        out.push_back(r);
    }
    ok = false;
    return out;
}

// Imports DXF text as load does (texts drawn as boxes unless told otherwise).
inline Imported importDxfText(const std::string& dxfText, int quality = 30,
                              dxf::TextOutliner* outliner = nullptr, bool boxes = true) {
    static dxf::BoxOutliner box;
    TempDir dir;
    dir.write("in.dxf", dxfText);
    RecordingHost host;
    Imported result;
    result.ok = load::importToExchangeFile(dir.file("in.dxf"), quality, dir.file("tempd.dat"), host,
                                           outliner ? outliner
                                           : boxes  ? &box
                                                    : nullptr,
                                           &result.report);
    if (!result.ok) return result;
    result.bytes = dir.read("tempd.dat");
    bool formOk = false;
    result.records = parseExchange(result.bytes, formOk);
    result.ok = formOk;
    return result;
}

inline double distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

} // namespace vectrim::test
