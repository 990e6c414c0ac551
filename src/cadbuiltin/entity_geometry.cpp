// Intersections, rotations and extents of the built-in drawing's entities.
#include "entity_geometry.h"

#include "text_metrics.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>

namespace torvelix::cad {

namespace {

struct Vec {
    double x = 0;
    double y = 0;
};

Vec operator-(const Vec& u, const Vec& v) {
    return {u.x - v.x, u.y - v.y};
}
Vec operator+(const Vec& u, const Vec& v) {
    return {u.x + v.x, u.y + v.y};
}
Vec operator*(double k, const Vec& v) {
    return {k * v.x, k * v.y};
}
double dot(const Vec& u, const Vec& v) {
    return u.x * v.x + u.y * v.y;
}
double cross(const Vec& u, const Vec& v) {
    return u.x * v.y - u.y * v.x;
}
double norm(const Vec& v) {
    return std::hypot(v.x, v.y);
}
Vec xy(const Point& p) {
    return {p.x, p.y};
}

// The drawing's coordinates come from sums of millimetre values, so a crossing computed
// from them misses an end lying exactly on the other entity by a few units in the last
// place; the slack is a billionth of the figures' size, far below anything drawn.
double toleranceFor(const Entity& first, const Entity& second) {
    double size = 1.0;
    for (const Entity* e : {&first, &second}) {
        for (double v : {e->a.x, e->a.y, e->b.x, e->b.y, e->centre.x, e->centre.y, e->radius}) {
            size = std::max(size, std::abs(v));
        }
    }
    return 1e-9 * size;
}

// Whether p (already known to lie on the entity's support within tol) lies on its bounded
// part.
bool withinBounds(const Vec& p, const Entity& e, bool extend, double tol) {
    if (extend) {
        return true;
    }
    if (e.kind == Entity::Kind::Line) {
        const Vec a = xy(e.a);
        const Vec r = xy(e.b) - a;
        const double len = norm(r);
        if (len <= tol) {
            return norm(p - a) <= tol;
        }
        const double s = dot(p - a, r) / (len * len);
        const double slack = tol / len;
        return s >= -slack && s <= 1 + slack;
    }
    if (e.kind == Entity::Kind::Arc) {
        const Vec c = xy(e.centre);
        const double angle = std::atan2(p.y - c.y, p.x - c.x);
        return angleOnArc(angle, e.startAngle, e.endAngle, tol / e.radius);
    }
    return true;
}

// Whether p lies on the entity's support (infinite line or whole circle) within tol.
bool onSupport(const Vec& p, const Entity& e, double tol) {
    if (e.kind == Entity::Kind::Line) {
        const Vec a = xy(e.a);
        const Vec r = xy(e.b) - a;
        const double len = norm(r);
        if (len <= tol) {
            return norm(p - a) <= tol;
        }
        return std::abs(cross(r, p - a)) / len <= tol;
    }
    return std::abs(norm(p - xy(e.centre)) - e.radius) <= tol;
}

std::vector<Vec> ends(const Entity& e) {
    if (e.kind == Entity::Kind::Line) {
        return {xy(e.a), xy(e.b)};
    }
    if (e.kind == Entity::Kind::Arc) {
        return {xy(pointOnCircle(e.centre, e.radius, e.startAngle)),
                xy(pointOnCircle(e.centre, e.radius, e.endAngle))};
    }
    return {};
}

std::vector<Vec> lineLine(const Entity& l1, const Entity& l2, double tol) {
    const Vec p = xy(l1.a);
    const Vec r = xy(l1.b) - p;
    const Vec q = xy(l2.a);
    const Vec v = xy(l2.b) - q;
    const double lr = norm(r);
    const double lv = norm(v);
    const double denom = cross(r, v);
    if (lr > tol && lv > tol && std::abs(denom) > 1e-12 * lr * lv) {
        const double s = cross(q - p, v) / denom;
        return {p + s * r};
    }
    // Parallel or degenerate: only shared stretches of a common line can meet; their ends
    // are the candidates.
    std::vector<Vec> candidates = ends(l1);
    for (const Vec& end : ends(l2)) {
        candidates.push_back(end);
    }
    return candidates;
}

std::vector<Vec> lineCircle(const Entity& line, const Entity& round, double tol) {
    const Vec p = xy(line.a);
    const Vec r = xy(line.b) - p;
    const Vec c = xy(round.centre);
    const double len = norm(r);
    if (len <= tol) {
        return {p};
    }
    const Vec foot = p + (dot(c - p, r) / (len * len)) * r;
    const double h = norm(c - foot);
    if (h > round.radius + tol) {
        return {};
    }
    // A tangent within the slack gives one point; a short chord is still two points when
    // its ends lie farther apart than the slack (a band edge that starts on its bend).
    const double w = std::sqrt(std::max(0.0, round.radius * round.radius - h * h));
    if (w <= tol) {
        return {foot};
    }
    const Vec dir = (1.0 / len) * r;
    return {foot - w * dir, foot + w * dir};
}

std::vector<Vec> circleCircle(const Entity& c1, const Entity& c2, double tol) {
    const Vec o1 = xy(c1.centre);
    const Vec o2 = xy(c2.centre);
    const double r1 = c1.radius;
    const double r2 = c2.radius;
    const double dist = norm(o2 - o1);
    if (dist <= tol) {
        if (std::abs(r1 - r2) > tol) {
            return {};
        }
        // One circle: arcs on it meet at the ends of their shared sweep.
        std::vector<Vec> candidates = ends(c1);
        for (const Vec& end : ends(c2)) {
            candidates.push_back(end);
        }
        return candidates;
    }
    if (dist > r1 + r2 + tol || dist < std::abs(r1 - r2) - tol) {
        return {};
    }
    const Vec u = (1.0 / dist) * (o2 - o1);
    const Vec perp{-u.y, u.x};
    const double along = (dist * dist + r1 * r1 - r2 * r2) / (2 * dist);
    const double h = std::sqrt(std::max(0.0, r1 * r1 - along * along));
    if (h <= tol) {
        return {o1 + along * u};
    }
    return {o1 + along * u + h * perp, o1 + along * u - h * perp};
}

double zAt(const Entity& e, const Vec& p) {
    if (e.kind != Entity::Kind::Line) {
        return e.centre.z;
    }
    const Vec a = xy(e.a);
    const Vec r = xy(e.b) - a;
    const double len2 = dot(r, r);
    if (len2 == 0) {
        return e.a.z;
    }
    const double s = dot(p - a, r) / len2;
    return e.a.z + s * (e.b.z - e.a.z);
}

} // namespace

double normalizeAngle(double angle) {
    double a = std::fmod(angle, kTwoPi);
    if (a < 0) {
        a += kTwoPi;
    }
    return a >= kTwoPi ? 0.0 : a;
}

double arcSweep(double startAngle, double endAngle) {
    const double sweep = normalizeAngle(endAngle - startAngle);
    return sweep == 0 ? kTwoPi : sweep;
}

bool angleOnArc(double angle, double startAngle, double endAngle, double tolerance) {
    const double sweep = arcSweep(startAngle, endAngle);
    const double offset = normalizeAngle(angle - startAngle);
    return offset <= sweep + tolerance || offset >= kTwoPi - tolerance;
}

Point pointOnCircle(const Point& centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), centre.z};
}

Point rotatePoint(const Point& p, const Point& centre, double angle) {
    // A half turn is exact: the far end of a spring is the point mirror of the near end.
    double c = std::cos(angle);
    double s = std::sin(angle);
    if (std::abs(normalizeAngle(angle) - kPi) < 1e-15) {
        c = -1;
        s = 0;
    }
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return {centre.x + c * dx - s * dy, centre.y + s * dx + c * dy, p.z};
}

Entity rotated(const Entity& entity, const Point& centre, double angle) {
    Entity turned = entity;
    turned.a = rotatePoint(entity.a, centre, angle);
    turned.b = rotatePoint(entity.b, centre, angle);
    turned.centre = rotatePoint(entity.centre, centre, angle);
    if (entity.kind == Entity::Kind::Arc) {
        turned.startAngle = normalizeAngle(entity.startAngle + angle);
        turned.endAngle = normalizeAngle(entity.endAngle + angle);
    }
    if (entity.kind == Entity::Kind::Text || entity.kind == Entity::Kind::Dimension) {
        turned.rotation = normalizeAngle(entity.rotation + angle);
    }
    turned.dimLine = rotatePoint(entity.dimLine, centre, angle);
    for (auto& loop : turned.loops) {
        for (Entity& edge : loop) {
            edge = rotated(edge, centre, angle);
        }
    }
    // Hatch lines half a turn round are the same lines.
    turned.patternAngle = std::fmod(normalizeAngle(entity.patternAngle + angle), kPi);
    return turned;
}

std::vector<Point> intersect(const Entity& first, const Entity& second, bool extendFirst,
                             bool extendSecond) {
    // Texts, hatches and dimensions meet nothing.
    const auto shape = [](const Entity& e) {
        return e.kind == Entity::Kind::Line || e.kind == Entity::Kind::Arc ||
               e.kind == Entity::Kind::Circle;
    };
    if (!shape(first) || !shape(second)) {
        return {};
    }
    const double tol = toleranceFor(first, second);
    std::vector<Vec> candidates;
    if (first.kind == Entity::Kind::Line && second.kind == Entity::Kind::Line) {
        candidates = lineLine(first, second, tol);
    } else if (first.kind == Entity::Kind::Line) {
        candidates = lineCircle(first, second, tol);
    } else if (second.kind == Entity::Kind::Line) {
        candidates = lineCircle(second, first, tol);
    } else {
        candidates = circleCircle(first, second, tol);
    }

    std::vector<Point> result;
    for (const Vec& p : candidates) {
        if (!onSupport(p, first, tol) || !onSupport(p, second, tol) ||
            !withinBounds(p, first, extendFirst, tol) ||
            !withinBounds(p, second, extendSecond, tol)) {
            continue;
        }
        const bool seen = std::any_of(result.begin(), result.end(), [&](const Point& q) {
            return std::hypot(q.x - p.x, q.y - p.y) <= tol;
        });
        if (!seen) {
            result.push_back({p.x, p.y, zAt(first, p)});
        }
    }
    return result;
}

void Extents::add(double x, double y) {
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void Extents::add(const Extents& other) {
    if (!other.empty) {
        add(other.minX, other.minY);
        add(other.maxX, other.maxY);
    }
}

Extents entityExtents(const Entity& entity) {
    Extents box;
    switch (entity.kind) {
    case Entity::Kind::Line:
        box.add(entity.a.x, entity.a.y);
        box.add(entity.b.x, entity.b.y);
        break;
    case Entity::Kind::Circle:
        box.add(entity.centre.x - entity.radius, entity.centre.y - entity.radius);
        box.add(entity.centre.x + entity.radius, entity.centre.y + entity.radius);
        break;
    case Entity::Kind::Arc: {
        for (double angle : {entity.startAngle, entity.endAngle}) {
            const Point p = pointOnCircle(entity.centre, entity.radius, angle);
            box.add(p.x, p.y);
        }
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double angle = quarter * kPi / 2;
            if (angleOnArc(angle, entity.startAngle, entity.endAngle, 0.0)) {
                const Point p = pointOnCircle(entity.centre, entity.radius, angle);
                box.add(p.x, p.y);
            }
        }
        break;
    }
    case Entity::Kind::Hatch:
        for (const auto& loop : entity.loops) {
            for (const Entity& edge : loop) {
                box.add(entityExtents(edge));
            }
        }
        break;
    case Entity::Kind::Dimension: {
        const DimensionPicture picture = dimensionPicture(entity);
        for (const Entity& line : picture.lines) {
            box.add(entityExtents(line));
        }
        for (const auto& arrow : picture.arrows) {
            for (const Point& p : arrow) {
                box.add(p.x, p.y);
            }
        }
        Entity text;
        text.kind = Entity::Kind::Text;
        text.a = picture.textAt;
        text.text = dimensionText(entity);
        text.height = entity.height;
        text.rotation = picture.textRotation;
        box.add(entityExtents(text));
        break;
    }
    case Entity::Kind::Text: {
        // As wide as the sheet's font (Liberation Sans, Arial's metrics) writes it.
        const double width = torvelix::textWidth(entity.text, entity.height);
        const Point origin = entity.a;
        for (const Point corner :
             {Point{origin.x, origin.y, 0}, Point{origin.x + width, origin.y, 0},
              Point{origin.x, origin.y + entity.height, 0},
              Point{origin.x + width, origin.y + entity.height, 0}}) {
            const Point p = rotatePoint(corner, origin, entity.rotation);
            box.add(p.x, p.y);
        }
        break;
    }
    }
    return box;
}

} // namespace torvelix::cad
