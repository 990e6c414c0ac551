// The working points and the three coil primitives: front band, bends (or wire
// sections) and the back band trimmed where it comes out from behind the front band.
#include "geometry_support.h"
#include "spring_geometry.h"

#include <cmath>
#include <stdexcept>

namespace torvelix::geometry {

namespace detail {

cad::CadSpace& Space(DrawingState& state) {
    if (state.TargetSpace == nullptr) {
        throw std::logic_error("spring drawing: no target space");
    }
    return *state.TargetSpace;
}

EntityRef& SlotFor(std::vector<EntityRef>& list, int slot, const char* listName) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= list.size()) {
        throw std::logic_error(std::string("spring drawing: ") + listName + " has no slot " +
                               std::to_string(slot));
    }
    return list[static_cast<std::size_t>(slot)];
}

cad::CadEntity& Filled(std::vector<EntityRef>& list, int slot, const char* listName) {
    EntityRef& ref = SlotFor(list, slot, listName);
    if (!ref) {
        throw std::logic_error(std::string("spring drawing: ") + listName + " slot " +
                               std::to_string(slot) + " is empty");
    }
    return *ref;
}

std::vector<double> TrimStart(cad::CadEntity& line, cad::CadEntity& of) {
    std::vector<double> crossing = of.IntersectWith(line, 0);
    line.SetStartPoint(crossing);
    return crossing;
}

std::vector<double> TrimEnd(cad::CadEntity& line, cad::CadEntity& of) {
    std::vector<double> crossing = of.IntersectWith(line, 0);
    line.SetEndPoint(crossing);
    return crossing;
}

void HalfTurnCopies(std::vector<EntityRef>& list, int count, const Point& centre,
                    const char* listName) {
    for (int k = 0; k < count; ++k) {
        Filled(list, k, listName).ArrayPolar(2, 2 * kPi, centre);
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
    SetXY(P[1], P[0].x + params.t / 2, P[0].y - params.D0);
    SetXY(P[2], P[0].x + params.t, P[0].y);
    SetXY(P[3], P[0].x + ox, P[0].y + oy);
    SetXY(P[4], P[0].x - ox, P[0].y - oy);
    SetXY(P[5], P[1].x - ox, P[1].y - oy);
    SetXY(P[6], P[1].x + ox, P[1].y + oy);
    SetXY(P[7], P[1].x + ox, P[1].y - oy);
    SetXY(P[8], P[1].x - ox, P[1].y + oy);
    SetXY(P[9], P[2].x - ox, P[2].y + oy);
    SetXY(P[10], P[2].x + ox, P[2].y - oy);
    cad::CadSpace& space = Space(state);
    SlotFor(state.CoilEntities, slot, "CoilEntities") = space.AddLine(P[4], P[5]);
    SlotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddLine(P[3], P[6]);
}

void DrawCoilBends(DrawingState& state, const DrawingParams& params, int slot) {
    auto& P = state.WorkPoints;
    cad::CadSpace& space = Space(state);
    const double r = params.d * 0.5;
    if (params.ViewType == ViewType::Section) {
        SlotFor(state.CoilEntities, slot, "CoilEntities") = space.AddCircle(P[0], r);
        SlotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddCircle(P[1], r);
        return;
    }
    const double tilt = state.CoilTilt;
    SlotFor(state.CoilEntities, slot, "CoilEntities") = space.AddArc(P[0], r, tilt, tilt + kPi);
    SlotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddArc(P[1], r, tilt + kPi, tilt);
}

void DrawCoilBack(DrawingState& state, const DrawingParams&, int slot) {
    auto& P = state.WorkPoints;
    cad::CadSpace& space = Space(state);
    SlotFor(state.CoilEntities, slot, "CoilEntities") = space.AddLine(P[8], P[9]);
    // The left back edge starts where it comes out from behind the right front edge.
    cad::CadEntity& backLeft = Filled(state.CoilEntities, slot, "CoilEntities");
    std::vector<double> crossing =
        Filled(state.CoilEntities, slot - 3, "CoilEntities").IntersectWith(backLeft, 0);
    if (crossing.size() >= 3) {
        SetXY(P[8], crossing[0], crossing[1]);
        P[8].z = crossing[2];
    }
    backLeft.SetStartPoint(crossing);
    SlotFor(state.CoilEntities, slot + 1, "CoilEntities") = space.AddLine(P[7], P[10]);
}

} // namespace torvelix::geometry
