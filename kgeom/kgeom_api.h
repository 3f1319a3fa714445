// Binding of the geometry library by name, for C++ callers.
//
// The programs load libkgeom.so at run time (the way a plug-in library is
// bound) and call its exports through this table. The by-value wrappers
// below hide the by-pointer calling convention where a caller only wants a
// result.
#pragma once

#include <cstdint>
#include <string>

namespace kg {

using D = double*;
using I = int16_t*;

struct Api {
    void (*winkelx)(D, D, D, D, D);
    void (*winkelxb)(D, D, D, D, D);
    void (*differenz)(D, D, D, D, D);
    void (*kdaten)(D, D, D, D, D, D);
    void (*kdaten2)(D, D, D, D, D, D);
    void (*rech)(D, D, D, D, D, D, D, D, D, D, D);
    void (*drehlinie)(D, D, D, D, D, D, D);
    void (*drehkreis)(D, D, D, D, D, D, D, D);
    void (*lskalieren)(D, D, D, D, D, D, D, D);
    void (*kskalieren)(D, D, D, D, D, D, D, D, D);
    void (*ersatz1)(D, D, D, D, D, D, D, D);
    void (*ersatz2)(D, D, D, D, D, D, D, D);
    void (*bilz)(D, D, D, D, I);
    void (*mpause)(D);
    void (*lschnittpunkt)(D, D, D, D, D, D, D, D, D, D, I);
    void (*kschnittpunkt)(D, D, D, D, D, D, D, D, D, D, D, D, D, D, I, I);
    void (*klschnittpunkt)(D, D, D, D, D, D, D, D, D, D, D, D, D, I, I);
    void (*roundl)(D, D, D, D, D, D, D, D, D, D, D, D, D, I, D, I);
    void (*roundkl)(D, D, D, D, D, D, D, D, D, D, D, D, D, I, I);
    void (*roundkk)(D, D, D, D, D, D, D, D, D, D, D, D, D, D, I, I);
    void (*rounder)(D, I);
    void (*comparer)(D, D, D, D, D, D, D, D, D, D, D, I);
};

// The names of the 22 exports, in the order of Api.
inline constexpr const char* kExportNames[22] = {
    "winkelx",   "winkelxb",  "differenz",     "kdaten",        "kdaten2",        "rech",
    "drehlinie", "drehkreis", "lskalieren",    "kskalieren",    "ersatz1",        "ersatz2",
    "bilz",      "mpause",    "lschnittpunkt", "kschnittpunkt", "klschnittpunkt", "roundl",
    "roundkl",   "roundkk",   "rounder",       "comparer"};

// Binds libkgeom.so once: from the folder of the running program, else from
// the build's program folder. Returns nullptr (and the reason in *error) when
// the library or one of its exports is missing.
const Api* load(std::string* error = nullptr);

// The bound library. A program that cannot bind it reports that on standard
// error and ends (programs call load() first to show their own message).
const Api& api();

// ---- by-value wrappers ----------------------------------------------------

inline double winkelx(double x1, double y1, double x2, double y2) {
    double w = 0;
    api().winkelx(&x1, &y1, &x2, &y2, &w);
    return w;
}
inline double differenz(double x1, double y1, double x2, double y2) {
    double d = 0;
    api().differenz(&x1, &y1, &x2, &y2, &d);
    return d;
}

struct Circle {
    double xc = 0, yc = 0, r = 0, w1 = 0, w2 = 0;
};
// Circle through point 1, point 3 (on the arc) and point 2, as rech computes
// it, with the centre starting at 0, 0 as a caller's fresh variables would.
inline Circle rech(double x1, double y1, double x2, double y2, double x3, double y3) {
    Circle c;
    api().rech(&x1, &y1, &x2, &y2, &c.xc, &c.yc, &c.w1, &c.w2, &c.r, &x3, &y3);
    return c;
}

} // namespace kg
