// Intersections and rotations of lines, arcs and circles in the built-in drawing.
#include "drawing_document.h"
#include "entity_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torvelix::cad {
namespace {

Entity line(double x1, double y1, double x2, double y2) {
    Entity e;
    e.kind = Entity::Kind::Line;
    e.a = {x1, y1, 0};
    e.b = {x2, y2, 0};
    return e;
}

Entity circle(double cx, double cy, double r) {
    Entity e;
    e.kind = Entity::Kind::Circle;
    e.centre = {cx, cy, 0};
    e.radius = r;
    return e;
}

Entity arc(double cx, double cy, double r, double start, double end) {
    Entity e = circle(cx, cy, r);
    e.kind = Entity::Kind::Arc;
    e.startAngle = start;
    e.endAngle = end;
    return e;
}

std::vector<Point> meet(const Entity& a, const Entity& b) {
    return intersect(a, b, false, false);
}

// The points sorted by X, then Y, for comparison.
std::vector<Point> sorted(std::vector<Point> points) {
    std::sort(points.begin(), points.end(),
              [](const Point& p, const Point& q) { return p.x != q.x ? p.x < q.x : p.y < q.y; });
    return points;
}

void expectPoints(const std::vector<Point>& actual, const std::vector<Point>& expected) {
    const auto got = sorted(actual);
    const auto want = sorted(expected);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << "point " << i;
    }
}

TEST(EntityIntersection, LineAndCircle) {
    expectPoints(meet(line(0, -10, 0, 10), circle(3, 0, 5)), {{0, -4, 0}, {0, 4, 0}});
    // Either order of the entities gives the same points.
    expectPoints(meet(circle(3, 0, 5), line(0, -10, 0, 10)), {{0, -4, 0}, {0, 4, 0}});
    // A segment inside the circle does not reach it; one ending inside meets it once.
    EXPECT_TRUE(meet(line(-1, 0, 1, 0), circle(0, 0, 5)).empty());
    expectPoints(meet(line(-10, 0, 1, 0), circle(0, 0, 5)), {{-5, 0, 0}});
    // Tangent: one point, also when the touch is off by rounding.
    expectPoints(meet(line(-10, 5, 10, 5), circle(0, 0, 5)), {{0, 5, 0}});
    expectPoints(meet(line(-10, 0.1 + 0.2 + 4.7, 10, 5), circle(0, 0, 5)), {{0, 5, 0}});
    EXPECT_TRUE(meet(line(-10, 5.001, 10, 5.001), circle(0, 0, 5)).empty());
}

TEST(EntityIntersection, LineEndingOnAnotherEntityCounts) {
    // 0.1 + 0.2 misses 0.3 in the last place; the end still lies on the other line.
    expectPoints(meet(line(0, 0, 0.3, 0), line(0.1 + 0.2, -1, 0.1 + 0.2, 1)), {{0.3, 0, 0}});
    expectPoints(meet(line(0, 0, 2, 0), line(2, 0, 2, 5)), {{2, 0, 0}});
    // A line from a circle's centre to a point computed on it meets it at that end only.
    const double angle = -0.149;
    const Entity section = circle(5, 3, 1);
    const Entity spoke = line(5, 3, 5 + std::cos(angle), 3 + std::sin(angle));
    expectPoints(meet(spoke, section), {{5 + std::cos(angle), 3 + std::sin(angle), 0}});
}

TEST(EntityIntersection, SegmentsAreBoundedUnlessExtended) {
    const Entity first = line(0, 0, 1, 1);
    const Entity second = line(3, 0, 2, 1);
    EXPECT_TRUE(meet(first, second).empty());
    expectPoints(intersect(first, second, true, true), {{1.5, 1.5, 0}});
    // Extending only the entity that falls short is not enough when the other does too.
    EXPECT_TRUE(intersect(first, second, true, false).empty());
    expectPoints(intersect(line(0, 0, 1, 1), line(3, 0, 0, 3), true, false), {{1.5, 1.5, 0}});
    // Parallel lines never meet; collinear ones meet at the ends of their overlap.
    EXPECT_TRUE(meet(line(0, 0, 4, 0), line(0, 1, 4, 1)).empty());
    expectPoints(meet(line(0, 0, 4, 0), line(2, 0, 6, 0)), {{2, 0, 0}, {4, 0, 0}});
    expectPoints(meet(line(0, 0, 4, 0), line(4, 0, 6, 0)), {{4, 0, 0}});
}

TEST(EntityIntersection, ArcSweepIsRespected) {
    const double tilt = 0.149;
    // The lower bend of a coil: counter-clockwise from tilt + pi round to tilt.
    const Entity lower = arc(0, 0, 1, tilt + kPi, tilt);
    const double h = std::sqrt(0.75);
    expectPoints(meet(line(-2, -0.5, 2, -0.5), lower), {{-h, -0.5, 0}, {h, -0.5, 0}});
    EXPECT_TRUE(meet(line(-2, 0.5, 2, 0.5), lower).empty());
    // Extended, the arc is its whole circle.
    expectPoints(intersect(lower, line(-2, 0.5, 2, 0.5), true, false), {{-h, 0.5, 0}, {h, 0.5, 0}});
    // A band edge starting at the arc's end meets it there.
    const Entity upper = arc(0, 0, 1, tilt, tilt + kPi);
    const Point end = pointOnCircle({0, 0, 0}, 1, tilt);
    expectPoints(meet(line(end.x, end.y, end.x + 3, end.y - 20), upper), {end});
    // An arc across the 0 direction.
    const Entity right = arc(0, 0, 2, -kPi / 2, kPi / 2);
    expectPoints(meet(line(-3, 0, 3, 0), right), {{2, 0, 0}});
}

TEST(EntityIntersection, CirclesAndArcs) {
    expectPoints(meet(circle(0, 0, 5), circle(6, 0, 5)), {{3, 4, 0}, {3, -4, 0}});
    expectPoints(meet(circle(0, 0, 1), circle(2, 0, 1)), {{1, 0, 0}});
    expectPoints(meet(circle(0, 0, 3), circle(1, 0, 2)), {{3, 0, 0}});
    EXPECT_TRUE(meet(circle(0, 0, 1), circle(5, 0, 1)).empty());
    EXPECT_TRUE(meet(circle(0, 0, 5), circle(0, 0, 5)).empty());
    expectPoints(meet(arc(0, 0, 5, 0, kPi), circle(6, 0, 5)), {{3, 4, 0}});
    // Two arcs of one circle that share an end meet there.
    expectPoints(meet(arc(0, 0, 1, 0, kPi / 2), arc(0, 0, 1, kPi / 2, kPi)), {{0, 1, 0}});
}

TEST(EntityIntersection, ResultTakesTheHeightOfTheEntity) {
    Entity raised = line(-10, 0, 10, 0);
    raised.a.z = raised.b.z = 7;
    const auto points = meet(raised, line(0, -1, 0, 1));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_DOUBLE_EQ(points[0].z, 7);
}

TEST(EntityRotation, HalfTurnIsThePointMirror) {
    const Point centre{10, 0, 0};
    const Point p = rotatePoint({3, 4, 2}, centre, kPi);
    EXPECT_DOUBLE_EQ(p.x, 17);
    EXPECT_DOUBLE_EQ(p.y, -4);
    EXPECT_DOUBLE_EQ(p.z, 2);

    const Entity turned = rotated(arc(2, 1, 1, 0.149 + kPi, 0.149), centre, kPi);
    EXPECT_DOUBLE_EQ(turned.centre.x, 18);
    EXPECT_DOUBLE_EQ(turned.centre.y, -1);
    EXPECT_NEAR(turned.startAngle, 0.149, 1e-12);
    EXPECT_NEAR(turned.endAngle, 0.149 + kPi, 1e-12);

    const Point q = rotatePoint({1, 0, 0}, {0, 0, 0}, kPi / 2);
    EXPECT_NEAR(q.x, 0, 1e-15);
    EXPECT_NEAR(q.y, 1, 1e-15);
}

TEST(EntityExtents, ArcBoundsFollowItsSweep) {
    const Extents upper = entityExtents(arc(0, 0, 2, kPi / 4, 3 * kPi / 4));
    EXPECT_NEAR(upper.minX, -std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(upper.maxX, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(upper.minY, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(upper.maxY, 2, 1e-12);
    const Extents right = entityExtents(arc(0, 0, 2, -kPi / 2, kPi / 2));
    EXPECT_NEAR(right.minX, 0, 1e-12);
    EXPECT_NEAR(right.maxX, 2, 1e-12);
    EXPECT_NEAR(right.minY, -2, 1e-12);
}

TEST(AngleHelpers, SweepAndMembership) {
    EXPECT_NEAR(arcSweep(kPi + 0.149, 0.149), kPi, 1e-12);
    EXPECT_NEAR(arcSweep(1, 1), kTwoPi, 1e-12);
    EXPECT_NEAR(normalizeAngle(-kPi / 2), 1.5 * kPi, 1e-12);
    EXPECT_TRUE(angleOnArc(-0.1, 5.0, 0.5, 0));
    EXPECT_FALSE(angleOnArc(1.0, 5.0, 0.5, 0));
    EXPECT_TRUE(angleOnArc(0.5 + 1e-10, 5.0, 0.5, 1e-9));
}

} // namespace
} // namespace torvelix::cad
