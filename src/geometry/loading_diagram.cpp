// The loading diagram above the view with a break: force against length, measured from
// the picked start point, the drawn length standing for the free length L0.
#include "geometry_support.h"
#include "spring_geometry.h"

namespace torvelix::geometry {

using namespace detail;

void DrawLoadingDiagram(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    state.InsertPoint = state.PickStart;
    const Point& I = state.InsertPoint;
    const double length = state.DrawnLength;
    setXY(P[0], I.x + params.L3, I.y + 2 * params.D0);
    setXY(P[1], P[0].x, I.y + 1.5 * params.D0);
    setXY(P[2], I.x + length, P[1].y);
    // Force falls linearly from the largest at L3 to none at the free length.
    const double slope = (0.5 * params.D0) / (length - params.L3);
    setXY(P[3], I.x + params.L2, P[1].y + (length - params.L2) * slope);
    setXY(P[4], P[3].x, P[1].y);
    setXY(P[5], I.x + params.L1, P[1].y + (length - params.L1) * slope);
    setXY(P[6], P[5].x, P[1].y);
    cad::CadSpace& space = targetSpace(state);
    space.AddLine(P[0], P[1]);
    space.AddLine(P[1], P[2]);
    space.AddLine(P[0], P[2]);
    space.AddLine(P[3], P[4]);
    space.AddLine(P[5], P[6]);
}

} // namespace torvelix::geometry
