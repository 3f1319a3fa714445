#include "geom.h"

namespace dxf {

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            double v = j == 3 ? a.m[i][3] : 0.0;
            for (int k = 0; k < 3; ++k) v += a.m[i][k] * b.m[k][j];
            r.m[i][j] = v;
        }
    }
    return r;
}

Matrix translation(Vec3 t) {
    Matrix r;
    r.m[0][3] = t.x;
    r.m[1][3] = t.y;
    r.m[2][3] = t.z;
    return r;
}

Matrix scaling(double sx, double sy, double sz) {
    Matrix r;
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

Matrix rotationZ(double radians) {
    Matrix r;
    if (radians == 0) return r;
    const double c = std::cos(radians), s = std::sin(radians);
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

Matrix rotationZDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    if (d == 0) return Matrix{};
    Matrix r;
    double c = 0, s = 0;
    if (d == 90)
        c = 0, s = 1;
    else if (d == 180)
        c = -1, s = 0;
    else if (d == 270)
        c = 0, s = -1;
    else
        c = std::cos(degrees * (kPi / 180.0)), s = std::sin(degrees * (kPi / 180.0));
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

Matrix ocsMatrix(Vec3 n) {
    Matrix r;
    if (!finite(n)) return r;
    const double len = norm(n);
    if (!(len > 0) || !std::isfinite(len)) return r;
    const Vec3 az = (1.0 / len) * n;
    if (az.x == 0 && az.y == 0 && az.z > 0) return r;
    // The arbitrary axis algorithm: the x axis is perpendicular to the world
    // Y axis when the normal is close to the world Z axis, else to world Z.
    constexpr double kNearZ = 1.0 / 64.0;
    Vec3 ax = (std::fabs(az.x) < kNearZ && std::fabs(az.y) < kNearZ) ? cross(Vec3{0, 1, 0}, az)
                                                                     : cross(Vec3{0, 0, 1}, az);
    ax = (1.0 / norm(ax)) * ax;
    Vec3 ay = cross(az, ax);
    ay = (1.0 / norm(ay)) * ay;
    // Columns are the object axes in world coordinates.
    r.m[0][0] = ax.x;
    r.m[0][1] = ay.x;
    r.m[0][2] = az.x;
    r.m[1][0] = ax.y;
    r.m[1][1] = ay.y;
    r.m[1][2] = az.y;
    r.m[2][0] = ax.z;
    r.m[2][1] = ay.z;
    r.m[2][2] = az.z;
    return r;
}

} // namespace dxf
