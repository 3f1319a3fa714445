// The demo drawings' DXF files: entities are collected in millimetres and
// written as plain ASCII DXF, either in millimetres or scaled to inches with
// the header declaring the unit.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace demos {

using Point = std::pair<double, double>;
using Points = std::vector<Point>;

enum class Unit { Millimetre, Inch };

class DemoDxf {
public:
    void line(Point a, Point b, const char* layer = "KONTUR");
    void arc(Point centre, double r, double a1, double a2, const char* layer = "KONTUR");
    void circle(Point centre, double r, const char* layer = "KONTUR");
    // An LWPOLYLINE; `bulges` (empty, or one per vertex) makes arcs of the
    // segments that follow each vertex.
    void polyline(const Points& pts, bool closed, const char* layer = "KONTUR",
                  const std::vector<double>& bulges = {});
    // Straight pieces between consecutive points.
    void lines(const Points& pts, const char* layer = "KONTUR");

    // Writes the file; false when it cannot be written completely.
    bool write(const std::string& path, Unit unit) const;

private:
    struct Entity {
        std::string type, layer;
        std::vector<double> lengths; // coordinates and radii: scaled with the unit
        std::vector<double> others;  // angles, bulges: kept
        bool closed = false;
    };
    std::vector<Entity> entities_;
};

} // namespace demos
