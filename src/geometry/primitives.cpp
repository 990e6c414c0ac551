// The working points and the three coil primitives: front band, bends (or wire
// sections) and the back band trimmed where it comes out from behind the front band.
#include "geometry_support.h"
#include "spring_geometry.h"

#include <cmath>
#include <stdexcept>

namespace torvelix::geometry {

namespace detail {

cad::CadSpace& targetSpace(DrawingState& state) {
    if (state.TargetSpace == nullptr) {
        throw std::logic_error("spring drawing: no target space");
    }
    return *state.TargetSpace;
}

EntityRef& slotFor(std::vector<EntityRef>& list, int slot, const char* listName) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= list.size()) {
        throw std::logic_error(std::string("spring drawing: ") + listName + " has no slot " +
                               std::to_string(slot));
    }
    return list[static_cast<std::size_t>(slot)];
}

cad::CadEntity& filled(std::vector<EntityRef>& list, int slot, const char* listName) {
    EntityRef& ref = slotFor(list, slot, listName);
    if (!ref) {
        throw std::logic_error(std::string("spring drawing: ") + listName + " slot " +
                               std::to_string(slot) + " is empty");
    }
    return *ref;
}

std::vector<double> trimEnd(cad::CadEntity& line, cad::CadEntity& of) {
    std::vector<double> crossing = of.IntersectWith(line, 0);
    line.SetEndPoint(crossing);
    return crossing;
}

void halfTurnCopies(std::vector<EntityRef>& list, int count, const Point& centre,
                    const char* listName) {
    for (int k = 0; k < count; ++k) {
        filled(list, k, listName).ArrayPolar(2, 2 * kPi, centre);
    }
}

} // namespace detail

using namespace detail;

void PrepareWorkPoints(DrawingState& state, const DrawingParams& params) {
    state.Offset.WireOffsetX = std::cos(state.CoilTilt) * params.d * 0.5;
    state.Offset.WireOffsetY = std::sin(state.CoilTilt) * params.d * 0.5;
    for (Point& p : state.WorkPoints) {
        p = Point{0, 0, state.InsertPoint.z};
    }
}

void DrawCoilFront(DrawingState& state, const DrawingParams& params, int slot) {
    auto& P = state.WorkPoints;
    const double ox = state.Offset.WireOffsetX;
    const double oy = state.Offset.WireOffsetY;
    P[0].y = state.InsertPoint.y + params.D0 * 0.5;
    setXY(P[1], P[0].x + params.t / 2, P[0].y - params.D0);
    setXY(P[2], P[0].x + params.t, P[0].y);
    setXY(P[3], P[0].x + ox, P[0].y + oy);
    setXY(P[4], P[0].x - ox, P[0].y - oy);
    setXY(P[5], P[1].x - ox, P[1].y - oy);
    setXY(P[6], P[1].x + ox, P[1].y + oy);
    setXY(P[7], P[1].x + ox, P[1].y - oy);
    setXY(P[8], P[1].x - ox, P[1].y + oy);
    setXY(P[9], P[2].x - ox, P[2].y + oy);
    setXY(P[10], P[2].x + ox, P[2].y - oy);
    cad::CadSpace& space = targetSpace(state);
    slotFor(state.CoilEntities, slot, "CoilEntities") = space.AddLine(P[4], P[5]);
    slotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddLine(P[3], P[6]);
}

void DrawCoilBends(DrawingState& state, const DrawingParams& params, int slot) {
    auto& P = state.WorkPoints;
    cad::CadSpace& space = targetSpace(state);
    const double r = params.d * 0.5;
    if (params.ViewType == ViewType::Section) {
        slotFor(state.CoilEntities, slot, "CoilEntities") = space.AddCircle(P[0], r);
        slotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddCircle(P[1], r);
        return;
    }
    const double tilt = state.CoilTilt;
    slotFor(state.CoilEntities, slot, "CoilEntities") = space.AddArc(P[0], r, tilt, tilt + kPi);
    slotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddArc(P[1], r, tilt + kPi, tilt);
}

void DrawCoilBack(DrawingState& state, const DrawingParams&, int slot) {
    auto& P = state.WorkPoints;
    cad::CadSpace& space = targetSpace(state);
    slotFor(state.CoilEntities, slot, "CoilEntities") = space.AddLine(P[8], P[9]);
    // The left back edge starts where it comes out from behind the right front edge.
    cad::CadEntity& backLeft = filled(state.CoilEntities, slot, "CoilEntities");
    std::vector<double> crossing =
        filled(state.CoilEntities, slot - 3, "CoilEntities").IntersectWith(backLeft, 0);
    if (crossing.size() >= 3) {
        setXY(P[8], crossing[0], crossing[1]);
        P[8].z = crossing[2];
    }
    backLeft.SetStartPoint(crossing);
    slotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddLine(P[7], P[10]);
}

} // namespace torvelix::geometry
