// Reading a DXF file with an independent reader: python3-ezdxf (Debian),
// through tests/core/export/ezdxf_check.py.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace vectrim::test {

struct EzdxfEntity {
    std::string type;             // LINE, ARC, CIRCLE, LWPOLYLINE or another DXF type
    std::vector<double> values;   // LINE x1 y1 x2 y2; ARC cx cy r a1 a2; CIRCLE cx cy r; LWPOLYLINE closed
    std::vector<double> vertices; // LWPOLYLINE: x, y, bulge per vertex
};

struct EzdxfRead {
    bool available = true; // false: python3 or ezdxf missing (skip)
    bool read = false;     // the file was read
    std::string why;       // when not
    std::string version, insunits, measurement;
    int warnings = -1, errors = -1, fixes = -1;
    std::vector<EzdxfEntity> entities;

    int count(const std::string& type) const {
        int n = 0;
        for (const EzdxfEntity& e : entities) n += e.type == type;
        return n;
    }
};

// Reads the files in one run of the script (starting Python and ezdxf
// takes most of the time).
inline std::vector<EzdxfRead> readWithEzdxf(const std::vector<std::string>& files) {
    std::vector<EzdxfRead> reads(files.size());
    auto fail = [&reads](bool available, const std::string& why) {
        for (EzdxfRead& r : reads) r.available = available, r.why = why;
        return reads;
    };
    const char* python = "/usr/bin/python3";
    if (std::FILE* f = std::fopen(python, "rb")) {
        std::fclose(f);
    } else {
        return fail(false, "/usr/bin/python3 is not installed");
    }
    std::string cmd = std::string(python) + " '" VECTRIM_SOURCE_DIR "/tests/core/export/ezdxf_check.py'";
    for (const std::string& f : files) cmd += " '" + f + "'";
    std::FILE* p = popen((cmd + " 2>&1").c_str(), "r");
    if (!p) return fail(true, "cannot run python3");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int status = pclose(p);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 77) return fail(false, "python3-ezdxf is not installed");
    if (code != 0) return fail(true, out);

    std::istringstream in(out);
    std::string line;
    EzdxfRead* r = nullptr;
    size_t next = 0;
    EzdxfEntity* poly = nullptr;
    while (std::getline(in, line)) {
        std::istringstream s(line);
        std::string key;
        s >> key;
        if (key == "file") {
            r = next < reads.size() ? &reads[next++] : nullptr;
            if (r) r->read = true;
            poly = nullptr;
            continue;
        }
        if (!r) continue;
        if (key == "unreadable") {
            r->read = false;
            r->why = line;
        } else if (key == "#") {
            r->why += line + "\n"; // ezdxf's warnings and audit findings
        } else if (key == "version") {
            s >> r->version;
        } else if (key == "insunits") {
            s >> r->insunits;
        } else if (key == "measurement") {
            s >> r->measurement;
        } else if (key == "warnings") {
            s >> r->warnings;
        } else if (key == "errors") {
            s >> r->errors;
        } else if (key == "fixes") {
            s >> r->fixes;
        } else if (key == "V" && poly) {
            std::string v;
            while (s >> v) poly->vertices.push_back(std::strtod(v.c_str(), nullptr));
        } else if (!key.empty()) {
            EzdxfEntity e;
            e.type = key;
            std::string v;
            while (s >> v) e.values.push_back(std::strtod(v.c_str(), nullptr));
            r->entities.push_back(e);
            poly = key == "LWPOLYLINE" ? &r->entities.back() : nullptr;
        }
    }
    if (next != reads.size()) return fail(true, "the script stopped early:\n" + out);
    return reads;
}

inline EzdxfRead readWithEzdxf(const std::string& file) {
    return readWithEzdxf(std::vector<std::string>{file})[0];
}

} // namespace vectrim::test
