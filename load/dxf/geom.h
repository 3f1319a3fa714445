// Points, vectors and affine maps of the DXF layer. Entities are placed by a
// 3D affine map from their own coordinate system (object coordinates or a
// block's coordinates) into world coordinates; the drawing is the projection
// of the world onto the XY plane.
#pragma once

#include <cmath>

namespace dxf {

struct Vec2 {
    double x = 0, y = 0;
};

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(double k, Vec2 a) { return {k * a.x, k * a.y}; }
inline double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline double norm(Vec2 a) { return std::hypot(a.x, a.y); }
inline bool finite(Vec2 a) { return std::isfinite(a.x) && std::isfinite(a.y); }

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Vec3 a) { return std::sqrt(dot(a, a)); }
inline bool finite(Vec3 a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }

// p' = A p + t, stored as the rows of [A | t].
struct Matrix {
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    Vec3 point(Vec3 p) const {
        return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
                m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
                m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
    }
    Vec3 vector(Vec3 v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    // The projection of the image onto the XY plane.
    Vec2 point2(Vec3 p) const {
        return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
                m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3]};
    }
    Vec2 vector2(Vec3 v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z};
    }
    bool isIdentity() const {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                if (m[r][c] != (r == c ? 1.0 : 0.0)) return false;
        return true;
    }
};

// a * b: first b, then a.
Matrix operator*(const Matrix& a, const Matrix& b);
Matrix translation(Vec3 t);
Matrix scaling(double sx, double sy, double sz);
Matrix rotationZ(double radians);
// Exact for multiples of 90 degrees.
Matrix rotationZDegrees(double degrees);
// The object coordinate system of an extrusion direction (the arbitrary axis
// algorithm): object coordinates to world coordinates. Identity for (0, 0, 1)
// and for a direction that is zero or not finite.
Matrix ocsMatrix(Vec3 extrusion);

inline constexpr double kPi = 3.14159265358979323846;
inline double toRadians(double degrees) { return degrees * (kPi / 180.0); }
inline double toDegrees(double radians) { return radians * (180.0 / kPi); }

} // namespace dxf
