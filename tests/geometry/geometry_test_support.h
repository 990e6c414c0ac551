// Shared set-up of the geometry tests: a drawing state aimed at a recording space, as
// the driver leaves it, and measures of the drawn entities.
#pragma once

#include "geometry_fake_cad.h"
#include "spring_fit.h"
#include "spring_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace torvelix::testing {

using geometry::EndType;
using geometry::ViewType;

inline constexpr double kPi = 3.14159265358979323846;

inline constexpr ViewType kViews[] = {ViewType::WithBreak, ViewType::Full, ViewType::Section,
                                      ViewType::Cut};
inline constexpr EndType kEndTypes[] = {EndType::Open, EndType::Closed, EndType::ClosedGround,
                                        EndType::ThreeQuarterGround};

// "view/end type" by their numbers on the options page, to name a failing case.
inline std::string caseName(ViewType view, EndType endType) {
    return std::to_string(static_cast<int>(view)) + "/" + std::to_string(static_cast<int>(endType));
}

// The driver's preparation: CoilTilt from t and D0, InsertPoint right of the start point
// by the end allowance of the end type.
inline double endAllowanceFor(const geometry::DrawingParams& p) {
    return geometry::endAllowance(p, geometry::coilTiltFor(p.t, p.D0));
}

inline void prepareAsDriver(geometry::DrawingState& s, const geometry::DrawingParams& p,
                            FakeSpace& space, Point pick = {}) {
    s.TargetSpace = &space;
    s.PickStart = pick;
    s.InsertPoint = pick;
    s.CoilTilt = std::atan(p.t / (2 * p.D0));
    s.InsertPoint.x += endAllowanceFor(p);
}

inline geometry::DrawingParams spring(ViewType view, EndType endType, int n = 5) {
    geometry::DrawingParams p;
    p.ViewType = view;
    p.EndType = endType;
    p.n = n;
    p.D0 = 20;
    p.d = 2;
    p.t = 6;
    p.BreakCoils = 2;
    return p;
}

// Does the angle lie on the counter-clockwise arc from a0 to a1?
inline bool onArc(double angle, double a0, double a1) {
    auto norm = [](double x) {
        x = std::fmod(x, 2 * kPi);
        return x < 0 ? x + 2 * kPi : x;
    };
    const double span = norm(a1 - a0);
    return norm(angle - a0) <= span + 1e-12;
}

// The smallest and largest X an entity reaches.
inline std::pair<double, double> xExtent(const FakeEntity& e) {
    if (e.kind == FakeEntity::Kind::Line) {
        return {std::min(e.a.x, e.b.x), std::max(e.a.x, e.b.x)};
    }
    if (e.kind == FakeEntity::Kind::Circle) {
        return {e.centre.x - e.radius, e.centre.x + e.radius};
    }
    const double x0 = e.centre.x + e.radius * std::cos(e.startAngle);
    const double x1 = e.centre.x + e.radius * std::cos(e.endAngle);
    double lo = std::min(x0, x1), hi = std::max(x0, x1);
    if (onArc(kPi, e.startAngle, e.endAngle)) {
        lo = e.centre.x - e.radius;
    }
    if (onArc(0, e.startAngle, e.endAngle)) {
        hi = e.centre.x + e.radius;
    }
    return {lo, hi};
}

inline double minX(const std::vector<std::shared_ptr<FakeEntity>>& list, std::size_t from,
                   std::size_t to) {
    double lo = std::numeric_limits<double>::infinity();
    for (std::size_t k = from; k < to; ++k) {
        lo = std::min(lo, xExtent(*list[k]).first);
    }
    return lo;
}

} // namespace torvelix::testing
