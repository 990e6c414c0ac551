// What the built-in drawing's dimensions and hatches are made of: the measured value and
// its text, the dimension and extension lines with their arrows, and the hatch lines
// clipped to their loops. The file writers and the painters draw from these.
#include "entity_geometry.h"

#include "number_format.h"
#include "text_metrics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace torvelix::cad {

namespace {

struct Dir {
    double x;
    double y;
};

Point along(const Point& p, const Dir& u, double distance) {
    return Point{p.x + u.x * distance, p.y + u.y * distance, p.z};
}

double dotFrom(const Point& from, const Point& to, const Dir& u) {
    return (to.x - from.x) * u.x + (to.y - from.y) * u.y;
}

Entity lineEntity(const Point& a, const Point& b) {
    Entity e;
    e.kind = Entity::Kind::Line;
    e.a = a;
    e.b = b;
    return e;
}

// The sheet's font (Liberation Sans, Arial's metrics) measures the text.
double textWidth(const std::string& text, double height) {
    return torvelix::textWidth(text, height);
}

// Sizes in the ESKD style: decimal comma, trailing zeros dropped, three decimals at most
// (the dimension style's DIMDEC, DIMZIN and DIMDSEP say the same to a program that
// rebuilds the text).
std::string formatValue(double value) {
    return formatDrawingNumber(value, 3);
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::array<Point, 3> arrow(const Point& tip, const Dir& back, double length) {
    // A narrow arrow, a third as wide as it is long.
    const Dir side{-back.y, back.x};
    const Point base = along(tip, back, length);
    return {tip, along(base, side, length / 6), along(base, side, -length / 6)};
}

// Crossings of the horizontal line y = level with an edge, in a frame turned by -angle.
void crossings(const Entity& edge, double level, double cosA, double sinA,
               std::vector<double>& xs) {
    const auto turn = [cosA, sinA](const Point& p) {
        return Point{p.x * cosA + p.y * sinA, -p.x * sinA + p.y * cosA, 0};
    };
    if (edge.kind == Entity::Kind::Line) {
        const Point a = turn(edge.a);
        const Point b = turn(edge.b);
        // Half-open in y, so that a vertex shared by two edges counts once.
        if ((a.y <= level) != (b.y <= level)) {
            xs.push_back(a.x + (level - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        return;
    }
    const Point c = turn(edge.centre);
    const double dy = level - c.y;
    if (std::abs(dy) >= edge.radius) {
        return;
    }
    const double dx = std::sqrt(edge.radius * edge.radius - dy * dy);
    for (const double x : {c.x - dx, c.x + dx}) {
        if (edge.kind == Entity::Kind::Circle) {
            xs.push_back(x);
            continue;
        }
        // Back to the drawing's angles: the frame is turned by -angle.
        const double local = std::atan2(dy, x - c.x) + std::atan2(sinA, cosA);
        if (angleOnArc(local, edge.startAngle, edge.endAngle, 1e-12)) {
            xs.push_back(x);
        }
    }
}

} // namespace

double dimensionMeasurement(const Entity& d) {
    if (d.dimKind == Entity::DimKind::Diametric) {
        return std::hypot(d.b.x - d.a.x, d.b.y - d.a.y);
    }
    const Dir u{std::cos(d.rotation), std::sin(d.rotation)};
    return std::abs(dotFrom(d.a, d.b, u));
}

std::string dimensionText(const Entity& d, bool keepCodes) {
    std::string text = d.text.empty() ? std::string("<>") : d.text;
    replaceAll(text, "<>", formatValue(dimensionMeasurement(d)));
    if (!keepCodes) {
        replaceAll(text, "%%c", "\u2300");
        replaceAll(text, "%%C", "\u2300");
    }
    return text;
}

DimensionPicture dimensionPicture(const Entity& d) {
    DimensionPicture pic;
    const double h = d.height;
    const double arrowLength = d.arrowSize;
    const std::string text = dimensionText(d);
    const double width = textWidth(text, h);
    if (d.dimKind == Entity::DimKind::Diametric) {
        const double length = std::hypot(d.a.x - d.b.x, d.a.y - d.b.y);
        const Dir u{(d.a.x - d.b.x) / length, (d.a.y - d.b.y) / length};
        const Dir back{-u.x, -u.y};
        const bool inside = length > 2.5 * arrowLength;
        // Arrows inside a circle wide enough, else outside pointing at it.
        pic.arrows.push_back(arrow(d.a, inside ? back : u, arrowLength));
        pic.arrows.push_back(arrow(d.b, inside ? u : back, arrowLength));
        const Point from = inside ? d.b : along(d.b, back, 2 * arrowLength);
        pic.lines.push_back(lineEntity(from, d.dimLine));
        // A shelf under the text, on the side the leader points to.
        const double sign = u.x < 0 ? -1.0 : 1.0;
        const Point shelfEnd{d.dimLine.x + sign * (width + 0.5 * h), d.dimLine.y, d.dimLine.z};
        pic.lines.push_back(lineEntity(d.dimLine, shelfEnd));
        const double left = std::min(d.dimLine.x, shelfEnd.x) + 0.25 * h;
        pic.textAt = Point{left, d.dimLine.y + 0.3 * h, d.dimLine.z};
        return pic;
    }
    const Dir u{std::cos(d.rotation), std::sin(d.rotation)};
    const Dir v{-u.y, u.x};
    const Point p1 = along(d.a, v, dotFrom(d.a, d.dimLine, v));
    const Point p2 = along(d.b, v, dotFrom(d.b, d.dimLine, v));
    // Extension lines from the measured points to 2 mm (scaled as the arrows) beyond the
    // dimension line.
    const double beyond = 0.8 * arrowLength;
    for (const auto& [from, to] : {std::pair{d.a, p1}, std::pair{d.b, p2}}) {
        const double reach = dotFrom(from, to, v);
        if (std::abs(reach) > 1e-9) {
            pic.lines.push_back(lineEntity(from, along(to, v, reach > 0 ? beyond : -beyond)));
        }
    }
    // p1 to p2 runs along +u or -u; `way` points from p1 to p2.
    const double span = dotFrom(p1, p2, u);
    const Dir way = span >= 0 ? u : Dir{-u.x, -u.y};
    const Dir back{-way.x, -way.y};
    const double between = std::abs(span);
    const bool arrowsInside = between > 2.5 * arrowLength;
    const bool textInside = arrowsInside && between > width + 2.5 * arrowLength;
    if (arrowsInside) {
        pic.arrows.push_back(arrow(p1, way, arrowLength));
        pic.arrows.push_back(arrow(p2, back, arrowLength));
        pic.lines.push_back(lineEntity(p1, p2));
    } else {
        pic.arrows.push_back(arrow(p1, back, arrowLength));
        pic.arrows.push_back(arrow(p2, way, arrowLength));
        pic.lines.push_back(
            lineEntity(along(p1, back, 2 * arrowLength), along(p2, way, 2 * arrowLength)));
    }
    // Text above the dimension line (to its left when the line is vertical), reading from
    // the bottom or from the left; beyond the second arrow when it does not fit between.
    const bool flip = u.x < -1e-9 || (std::abs(u.x) <= 1e-9 && u.y < 0);
    const Dir read = flip ? Dir{-u.x, -u.y} : u;
    const Dir up{-read.y, read.x};
    Point start;
    if (textInside) {
        const Point middle{(p1.x + p2.x) / 2, (p1.y + p2.y) / 2, p1.z};
        start = along(middle, read, -width / 2);
    } else {
        const Point outer = along(p2, way, 2 * arrowLength + 0.5 * h);
        const bool forward = way.x * read.x + way.y * read.y > 0;
        start = forward ? outer : along(outer, read, -width);
        // The dimension line runs on under the text as its shelf.
        pic.lines.push_back(lineEntity(p2, along(outer, way, width)));
    }
    pic.textAt = along(start, up, 0.4 * h);
    pic.textRotation = std::atan2(read.y, read.x);
    return pic;
}

std::vector<Entity> hatchLines(const Entity& hatch) {
    std::vector<Entity> lines;
    const double cosA = std::cos(hatch.patternAngle);
    const double sinA = std::sin(hatch.patternAngle);
    const double step = hatch.patternSpacing;
    Extents box;
    for (const auto& loop : hatch.loops) {
        for (const Entity& edge : loop) {
            box.add(entityExtents(edge));
        }
    }
    if (box.empty || !(step > 0)) {
        return lines;
    }
    // The loops' bounds in the turned frame give the levels to cut.
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    for (const double x : {box.minX, box.maxX}) {
        for (const double y : {box.minY, box.maxY}) {
            const double level = -x * sinA + y * cosA;
            low = std::min(low, level);
            high = std::max(high, level);
        }
    }
    const double first = std::ceil(low / step);
    const double count = std::floor(high / step) - first + 1;
    if (!(count > 0) || count > 100000) {
        return lines;
    }
    for (int k = 0; k < static_cast<int>(count); ++k) {
        const double level = (first + k) * step;
        std::vector<double> xs;
        for (const auto& loop : hatch.loops) {
            for (const Entity& edge : loop) {
                crossings(edge, level, cosA, sinA, xs);
            }
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const auto back = [&](double x) {
                return Point{x * cosA - level * sinA, x * sinA + level * cosA, hatch.a.z};
            };
            lines.push_back(lineEntity(back(xs[i]), back(xs[i + 1])));
        }
    }
    return lines;
}

} // namespace torvelix::cad
