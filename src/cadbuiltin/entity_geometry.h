// The entities of the built-in drawing (line, arc, circle, text) as plain values, and
// their geometry: intersections of bounded lines, arcs and circles, half-turn and other
// rotations about a centre, and the extents used to fit a view or size an export.
#pragma once

#include "cad_automation.h"

#include <array>
#include <string>
#include <vector>

namespace torvelix::cad {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2 * kPi;

// One drawn entity. Lengths in millimetres, angles in radians counter-clockwise from +X.
struct Entity {
    enum class Kind { Line, Arc, Circle, Text, Hatch, Dimension };
    enum class DimKind { Linear, Diametric };
    Kind kind = Kind::Line;
    std::string layer = "0";
    Point a;               // line: start; text: insertion point (left end of the baseline)
    Point b;               // line: end
    Point centre;          // arc, circle
    double radius = 0;     // arc, circle
    double startAngle = 0; // arc: drawn counter-clockwise from startAngle to endAngle
    double endAngle = 0;   //
    std::string text;      // text, UTF-8
    double height = 0;     // text height
    double rotation = 0;   // text: direction of the baseline; linear dimension: its direction
    // Hatch: closed loops of lines, arcs and circles, filled with lines at patternAngle,
    // patternSpacing apart.
    std::vector<std::vector<Entity>> loops;
    double patternAngle = 0;
    double patternSpacing = 1;
    // Dimension: a and b are the measured points (linear: the extension lines' origins;
    // diametric: the chord's ends), dimLine a point of the dimension line (diametric: the
    // leader's end, where the text stands); `text` the text with "<>" for the value,
    // `height` the text height, arrowSize the arrows' length.
    DimKind dimKind = DimKind::Linear;
    Point dimLine;
    double arrowSize = 0;
};

// The value a dimension measures: the distance along its direction (linear) or between
// the chord's ends (diametric).
double dimensionMeasurement(const Entity& dimension);
// The dimension's text as shown: "<>" (or nothing) replaced by the value with at most
// three decimals, "%%c" by the diameter sign unless keepCodes (a DXF text keeps the code).
std::string dimensionText(const Entity& dimension, bool keepCodes = false);

// The lines, arrows and text position that make up a dimension's picture.
struct DimensionPicture {
    std::vector<Entity> lines;                // dimension and extension lines
    std::vector<std::array<Point, 3>> arrows; // filled triangles, tip first
    Point textAt;                             // left end of the text's baseline
    double textRotation = 0;
};
DimensionPicture dimensionPicture(const Entity& dimension);

// The hatch lines clipped to the loops (even-odd), as line entities.
std::vector<Entity> hatchLines(const Entity& hatch);

// Angle reduced to [0, 2*pi).
double normalizeAngle(double angle);
// Counter-clockwise sweep from start to end, in (0, 2*pi]; equal angles sweep a whole turn.
double arcSweep(double startAngle, double endAngle);
// Whether the direction `angle` lies on the counter-clockwise sweep from start to end,
// ends included, with `tolerance` radians of slack at either end.
bool angleOnArc(double angle, double startAngle, double endAngle, double tolerance);

Point pointOnCircle(const Point& centre, double radius, double angle);
// p turned by `angle` about `centre` in the XY plane; Z is kept.
Point rotatePoint(const Point& p, const Point& centre, double angle);
// The entity turned by `angle` about `centre` (a half turn for angle = pi).
Entity rotated(const Entity& entity, const Point& centre, double angle);

// Every point where the two entities meet, in the XY plane, each once. An unextended line
// is its segment and an unextended arc its sweep; extending makes a line infinite and an
// arc its whole circle. Points that touch within a small tolerance relative to the size
// of the figures count (an end lying on the other entity, a tangent). Texts meet nothing;
// coincident circles, and collinear overlapping segments, give the ends of their overlap.
std::vector<Point> intersect(const Entity& first, const Entity& second, bool extendFirst,
                             bool extendSecond);

// Axis-aligned bounds in the XY plane; `empty` until something has been added.
struct Extents {
    bool empty = true;
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    void add(double x, double y);
    void add(const Extents& other);
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

// Exact bounds of lines, arcs and circles; a text is estimated from its height and length.
Extents entityExtents(const Entity& entity);

} // namespace torvelix::cad
