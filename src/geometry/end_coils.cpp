// The end coils: the half turn before the first working coil, drawn left of InsertPoint
// in the form the end type asks for (open, closed, closed and ground, 3/4 closed and
// ground), for the side views, the section view and the cut view.
#include "geometry_support.h"
#include "spring_geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

namespace torvelix::geometry {

using namespace detail;

namespace {

constexpr const char* kEnd = "EndEntities";
constexpr const char* kCoil = "CoilEntities";

// P0 on the first working coil's top, P1 at the end coil's bottom bend. Open ends are
// drawn with the pitch t, closed ones with the pitch d; the end gap moves the bend out.
void startEndPoints(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    const Point& I = state.InsertPoint;
    const double a = (params.EndType == EndType::Open ? params.t / 2 : params.d / 2) + state.EndGap;
    setXY(P[0], I.x, I.y + params.D0 / 2);
    setXY(P[1], I.x - a, I.y - params.D0 / 2);
}

// The top bend of a closed end coil: a pitch d before the first coil's top, and the end gap.
double closedTopX(const DrawingState& state, const DrawingParams& params, double before) {
    return state.WorkPoints[0].x - before * params.d - state.EndGap;
}

// A closed end coil leans by the pitch d.
void useClosedCoilTilt(DrawingState& state, const DrawingParams& params) {
    state.CoilTilt = std::atan(params.d / (2 * params.D0));
    state.Offset.WireOffsetX = std::cos(state.CoilTilt) * params.d / 2;
    state.Offset.WireOffsetY = std::sin(state.CoilTilt) * params.d / 2;
}

// P6, P7 at the bottom bend and P8, P9 where the two front edges of an open end,
// leaning left by CoilTilt, reach the axis.
void openEndFrontPoints(DrawingState& state) {
    auto& P = state.WorkPoints;
    const Point& I = state.InsertPoint;
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    const double tanTilt = std::tan(state.CoilTilt);
    setXY(P[6], P[1].x + ox, P[1].y + oy);
    setXY(P[7], P[1].x - ox, P[1].y - oy);
    setXY(P[8], P[6].x - std::abs(I.y - P[6].y) * tanTilt, I.y);
    setXY(P[9], P[7].x - std::abs(I.y - P[7].y) * tanTilt, I.y);
}

// The right back edge of a closed end from P1 up towards P0, ending where it goes
// behind the first working coil's left front edge; slot 5 repeats slot 4.
void closedEndBackEdge(DrawingState& state, const Point& from, const Point& to) {
    auto& end = state.EndEntities;
    slotFor(end, 4, kEnd) = targetSpace(state).AddLine(from, to);
    trimEnd(filled(end, 4, kEnd), filled(state.CoilEntities, 0, kCoil));
    slotFor(end, 5, kEnd) = end[4];
}

void drawOpenEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    cad::CadSpace& space = targetSpace(state);
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    const double tilt = state.CoilTilt;
    setXY(P[2], P[0].x - ox, P[0].y + oy);
    setXY(P[3], P[0].x + ox, P[0].y - oy);
    setXY(P[4], P[1].x - ox, P[1].y + oy);
    setXY(P[5], P[1].x + ox, P[1].y - oy);
    openEndFrontPoints(state);
    slotFor(end, 0, kEnd) = space.AddArc(P[1], params.d / 2, tilt + kPi, tilt);
    slotFor(end, 1, kEnd) = space.AddLine(P[6], P[8]);
    slotFor(end, 2, kEnd) = space.AddLine(P[7], P[9]);
    slotFor(end, 3, kEnd) = space.AddLine(P[8], P[9]);
    slotFor(end, 4, kEnd) = space.AddLine(P[5], P[3]);
    trimEnd(filled(end, 4, kEnd), filled(state.CoilEntities, 0, kCoil));
    slotFor(end, 5, kEnd) = space.AddLine(P[4], P[2]);
    // The left back edge comes out from behind the cut end or, failing that, from
    // behind the right front edge.
    cad::CadEntity& backLeft = filled(end, 5, kEnd);
    std::vector<double> crossing = filled(end, 3, kEnd).IntersectWith(backLeft, 0);
    if (crossing.empty()) {
        crossing = filled(end, 1, kEnd).IntersectWith(backLeft, 0);
    }
    backLeft.SetStartPoint(crossing);
}

void drawClosedEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    cad::CadSpace& space = targetSpace(state);
    useClosedCoilTilt(state, params);
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    const double tilt = state.CoilTilt;
    setXY(P[2], closedTopX(state, params, 1), P[0].y);
    setXY(P[3], P[0].x + ox, P[0].y - oy);
    setXY(P[4], P[1].x + ox, P[1].y - oy);
    setXY(P[5], P[1].x + ox, P[1].y + oy);
    setXY(P[6], P[1].x - ox, P[1].y - oy);
    setXY(P[7], P[2].x + ox, P[2].y + oy);
    setXY(P[8], P[2].x - ox, P[2].y - oy);
    slotFor(end, 0, kEnd) = space.AddLine(P[5], P[7]);
    slotFor(end, 1, kEnd) = space.AddLine(P[6], P[8]);
    slotFor(end, 2, kEnd) = space.AddArc(P[2], params.d / 2, tilt, tilt + kPi);
    slotFor(end, 3, kEnd) = space.AddArc(P[1], params.d / 2, tilt + kPi, tilt);
    closedEndBackEdge(state, P[4], P[3]);
}

// Ground face at X = I.X - 0.75 d, meeting the bend circles at 60 and 240 degrees.
void drawGroundEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    cad::CadSpace& space = targetSpace(state);
    useClosedCoilTilt(state, params);
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    const double tilt = state.CoilTilt;
    const double faceHalf = std::cos(kPi / 6) * params.d * 0.5;
    setXY(P[2], closedTopX(state, params, 1), P[0].y);
    setXY(P[3], P[0].x + ox, P[0].y - oy);
    setXY(P[4], P[1].x + ox, P[1].y - oy);
    setXY(P[5], P[1].x + ox, P[1].y + oy);
    setXY(P[6], P[2].x + ox, P[2].y - oy);
    setXY(P[7], P[2].x + 0.25 * params.d, P[2].y + faceHalf);
    setXY(P[8], P[7].x, P[1].y - faceHalf);
    slotFor(end, 0, kEnd) = space.AddLine(P[8], P[7]);
    slotFor(end, 1, kEnd) = space.AddLine(P[6], P[5]);
    slotFor(end, 2, kEnd) = space.AddArc(P[2], params.d / 2, -tilt, kPi / 3);
    slotFor(end, 3, kEnd) = space.AddArc(P[1], params.d / 2, 4 * kPi / 3, tilt);
    closedEndBackEdge(state, P[4], P[3]);
}

// Ground face at X = I.X - d/2 through the centre of the bottom bend.
void drawThreeQuarterEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    cad::CadSpace& space = targetSpace(state);
    useClosedCoilTilt(state, params);
    const Point& I = state.InsertPoint;
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    setXY(P[2], P[1].x, P[0].y);
    setXY(P[3], P[2].x, I.y);
    setXY(P[4], P[3].x, P[1].y - params.d / 2);
    setXY(P[5], P[1].x + ox, P[1].y + oy);
    setXY(P[6], P[3].x + 0.25 * params.d, I.y);
    setXY(P[7], P[1].x + ox, P[1].y - oy);
    setXY(P[8], P[0].x + ox, P[0].y - oy);
    slotFor(end, 0, kEnd) = space.AddLine(P[2], P[4]);
    slotFor(end, 1, kEnd) = space.AddLine(P[6], P[5]);
    slotFor(end, 2, kEnd) = space.AddArc(P[1], params.d / 2, -kPi / 2, state.CoilTilt);
    slotFor(end, 3, kEnd) = space.AddLine(P[6], P[3]);
    closedEndBackEdge(state, P[7], P[8]);
}

// The visible part of the segment a-b: the part left of the line through f1 and f2 (the
// first working coil's left front edge, in front of it); nothing when all of it lies behind.
std::optional<std::pair<Point, Point>> leftOf(const Point& a, const Point& b, const Point& f1,
                                              const Point& f2) {
    const auto behind = [&](const Point& p) {
        const double x = f1.x + (f2.x - f1.x) * (p.y - f1.y) / (f2.y - f1.y);
        return p.x - x;
    };
    const double sa = behind(a);
    const double sb = behind(b);
    if (sa >= 0 && sb >= 0) {
        return std::nullopt;
    }
    if (sa < 0 && sb < 0) {
        return std::pair{a, b};
    }
    const double s = sa / (sa - sb);
    const Point cut{a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s, a.z};
    return sa < 0 ? std::pair{a, cut} : std::pair{cut, b};
}

// An open end on a sheet: the wire's last quarter turn, from its cut on the axis (the cut's
// left end at PickStart) up behind the first coil to that coil's top, leaning by phi.
// In the side and section views what lies behind the first coil's front band is left out.
void drawQuarterOpenEnd(DrawingState& state, const DrawingParams& params, bool behindFront) {
    auto& end = state.EndEntities;
    const Point& I = state.InsertPoint;
    const double r = params.d / 2;
    const double top = I.y + params.D0 / 2;
    // The cut's centre lies r / cos(phi) right of the start, phi following the centre.
    double centre = state.PickStart.x + r;
    double phi = 0;
    for (int step = 0; step < 60; ++step) {
        phi = std::atan((I.x - centre) / (params.D0 / 2));
        centre = state.PickStart.x + r / std::cos(phi);
    }
    const double ox = std::cos(phi) * r;
    const double oy = std::sin(phi) * r;
    const Point cutLeft{state.PickStart.x, I.y, I.z};
    const Point cutRight{centre + r / std::cos(phi), I.y, I.z};
    const std::pair<Point, Point> lines[3] = {{cutLeft, cutRight},
                                              {cutLeft, Point{I.x - ox, top + oy, I.z}},
                                              {cutRight, Point{I.x + ox, top - oy, I.z}}};
    std::optional<std::pair<Point, Point>> front;
    if (behindFront) {
        cad::CadEntity& first = filled(state.CoilEntities, 0, kCoil);
        front = std::pair{first.StartPoint(), first.EndPoint()};
    }
    cad::CadSpace& space = targetSpace(state);
    // Three lines at most; the cut view's list has two slots for a specified end.
    end.resize(std::max<std::size_t>(end.size(), 3));
    int slot = 0;
    for (const auto& [a, b] : lines) {
        const auto visible = front ? leftOf(a, b, front->first, front->second) : std::pair{a, b};
        if (visible) {
            slotFor(end, slot++, kEnd) = space.AddLine(visible->first, visible->second);
        }
    }
}

} // namespace

void DrawEndCoil(DrawingState& state, const DrawingParams& params) {
    if (state.QuarterOpenEnd && params.EndType == EndType::Open) {
        drawQuarterOpenEnd(state, params, true);
        return;
    }
    startEndPoints(state, params);
    switch (params.EndType) {
    case EndType::Open:
        drawOpenEnd(state, params);
        break;
    case EndType::Closed:
        drawClosedEnd(state, params);
        break;
    case EndType::ClosedGround:
        drawGroundEnd(state, params);
        break;
    case EndType::ThreeQuarterGround:
        drawThreeQuarterEnd(state, params);
        break;
    }
}

void DrawGroundSectionEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    startEndPoints(state, params);
    const double faceHalf = std::cos(kPi / 6) * params.d * 0.5;
    setXY(P[2], closedTopX(state, params, 0.75), P[1].y);
    setXY(P[3], P[2].x, P[1].y + faceHalf);
    setXY(P[4], P[2].x, P[1].y - faceHalf);
    cad::CadSpace& space = targetSpace(state);
    slotFor(end, 0, kEnd) = space.AddLine(P[3], P[4]);
    slotFor(end, 1, kEnd) = space.AddArc(P[1], params.d / 2, 4 * kPi / 3, 2 * kPi / 3);
}

void DrawHalfSectionEnd(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    startEndPoints(state, params);
    setXY(P[2], P[1].x, P[1].y + params.d / 2);
    setXY(P[3], P[1].x, P[1].y - params.d / 2);
    cad::CadSpace& space = targetSpace(state);
    slotFor(end, 0, kEnd) = space.AddLine(P[3], P[2]);
    slotFor(end, 1, kEnd) = space.AddArc(P[1], params.d / 2, -kPi / 2, kPi / 2);
}

void drawSectionEnd(DrawingState& state, const DrawingParams& params) {
    if (state.QuarterOpenEnd && params.EndType == EndType::Open) {
        drawQuarterOpenEnd(state, params, true);
        return;
    }
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    startEndPoints(state, params);
    cad::CadSpace& space = targetSpace(state);
    const double r = params.d / 2;
    switch (params.EndType) {
    case EndType::Open:
        openEndFrontPoints(state);
        slotFor(end, 0, kEnd) = space.AddCircle(P[1], r);
        slotFor(end, 1, kEnd) = space.AddLine(P[6], P[8]);
        slotFor(end, 2, kEnd) = space.AddLine(P[7], P[9]);
        slotFor(end, 3, kEnd) = space.AddLine(P[8], P[9]);
        return;
    case EndType::Closed: {
        useClosedCoilTilt(state, params);
        const double ox = state.Offset.WireOffsetX;
        const double oy = state.Offset.WireOffsetY;
        setXY(P[2], closedTopX(state, params, 1), P[0].y);
        setXY(P[5], P[1].x + ox, P[1].y + oy);
        setXY(P[6], P[1].x - ox, P[1].y - oy);
        setXY(P[7], P[2].x + ox, P[2].y + oy);
        setXY(P[8], P[2].x - ox, P[2].y - oy);
        slotFor(end, 0, kEnd) = space.AddCircle(P[1], r);
        slotFor(end, 1, kEnd) = space.AddCircle(P[2], r);
        slotFor(end, 2, kEnd) = space.AddLine(P[5], P[7]);
        slotFor(end, 3, kEnd) = space.AddLine(P[6], P[8]);
        return;
    }
    case EndType::ClosedGround:
        DrawGroundSectionEnd(state, params);
        break;
    case EndType::ThreeQuarterGround:
        DrawHalfSectionEnd(state, params);
        break;
    }
    slotFor(end, 2, kEnd) = end[0];
    slotFor(end, 3, kEnd) = end[0];
}

void drawCutEnd(DrawingState& state, const DrawingParams& params) {
    if (state.QuarterOpenEnd && params.EndType == EndType::Open) {
        drawQuarterOpenEnd(state, params, false);
        return;
    }
    auto& P = state.WorkPoints;
    auto& end = state.EndEntities;
    startEndPoints(state, params);
    cad::CadSpace& space = targetSpace(state);
    const Point& I = state.InsertPoint;
    const double r = params.d / 2;
    switch (params.EndType) {
    case EndType::Open:
        slotFor(end, 0, kEnd) =
            space.AddCircle(Point{I.x - params.t / 2, I.y - params.D0 / 2, I.z}, r);
        slotFor(end, 1, kEnd) = end[0];
        break;
    case EndType::Closed:
        setXY(P[2], I.x - params.d - state.EndGap, I.y + params.D0 / 2);
        slotFor(end, 0, kEnd) = space.AddCircle(P[1], r);
        slotFor(end, 1, kEnd) = space.AddCircle(P[2], r);
        break;
    case EndType::ClosedGround:
        DrawGroundSectionEnd(state, params);
        break;
    case EndType::ThreeQuarterGround:
        DrawHalfSectionEnd(state, params);
        break;
    }
}

} // namespace torvelix::geometry
