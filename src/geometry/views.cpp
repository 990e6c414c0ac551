// The four spring views: the working coils laid out to the right of InsertPoint, the end
// coil at the start end, and the far end made by half-turn copies about the view's
// centre (TurnCentre), so that the far end is the near end's point mirror.
#include "geometry_support.h"
#include "spring_geometry.h"

#include <algorithm>
#include <stdexcept>

namespace torvelix::geometry {

using namespace detail;

namespace {

constexpr const char* kCoil = "CoilEntities";
constexpr const char* kEnd = "EndEntities";
constexpr const char* kBreak = "BreakEntities";

void NewLists(DrawingState& state, std::size_t coilSlots, std::size_t endSlots,
              std::size_t breakSlots) {
    state.CoilEntities.assign(coilSlots, nullptr);
    state.EndEntities.assign(endSlots, nullptr);
    state.BreakEntities.assign(breakSlots, nullptr);
}

void RequireCoils(const DrawingParams& params) {
    if (params.n < 1) {
        throw std::logic_error("spring drawing: the view needs at least one working coil");
    }
}

// Half a pitch on from the last coil's bottom: the middle of the spring.
void MoveToTurnCentre(DrawingState& state, const Point& m) {
    state.InsertPoint.x = (m.x + state.InsertPoint.x) * 0.5;
}

} // namespace

void DrawBrokenView(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    NewLists(state, 12, 6, 1);
    Point m{};
    const bool oneCoil = params.BreakCoils == 1;
    P[0].x = state.InsertPoint.x;
    DrawCoilFront(state, params, 0);
    DrawCoilBends(state, params, 2);
    DrawCoilBack(state, params, 4);
    if (!oneCoil) {
        P[0].x = P[0].x + params.t;
        DrawCoilFront(state, params, 6);
        DrawCoilBends(state, params, 8);
        DrawCoilBack(state, params, 10);
        TrimEnd(Filled(state.CoilEntities, 5, kCoil), Filled(state.CoilEntities, 6, kCoil));
    }
    SlotFor(state.BreakEntities, 0, kBreak) = Space(state).AddCircle(P[2], params.d / 2);
    m.x = P[2].x;
    m.y = P[2].y;
    DrawEndCoil(state, params);
    state.InsertPoint.x = m.x + params.t * 0.5;
    if (state.BrokenViewLength > 0) {
        state.InsertPoint.x =
            std::max(state.InsertPoint.x, state.PickStart.x + state.BrokenViewLength / 2);
    }
    HalfTurnCopies(state.CoilEntities, oneCoil ? 6 : 12, state.InsertPoint, kCoil);
    HalfTurnCopies(state.BreakEntities, 1, state.InsertPoint, kBreak);
    HalfTurnCopies(state.EndEntities, 6, state.InsertPoint, kEnd);
}

void DrawFullView(DrawingState& state, const DrawingParams& params) {
    RequireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    NewLists(state, 6 * static_cast<std::size_t>(params.n), 6, 0);
    Point m{};
    P[0].x = state.InsertPoint.x;
    for (int k = 1; k <= params.n; ++k) {
        const int j = 6 * (k - 1);
        DrawCoilFront(state, params, j);
        DrawCoilBends(state, params, j + 2);
        if (k < params.n) {
            DrawCoilBack(state, params, j + 4);
        }
        if (k > 1) {
            // The previous coil's right back edge goes behind this coil's left front edge.
            TrimEnd(Filled(state.CoilEntities, j - 1, kCoil), Filled(state.CoilEntities, j, kCoil));
        }
        P[0].x = P[0].x + params.t;
    }
    m.x = P[1].x;
    m.y = P[1].y;
    DrawEndCoil(state, params);
    MoveToTurnCentre(state, m);
    HalfTurnCopies(state.EndEntities, 6, state.InsertPoint, kEnd);
}

void DrawSectionView(DrawingState& state, const DrawingParams& params) {
    RequireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    NewLists(state, 4 * static_cast<std::size_t>(params.n), 4, 0);
    Point m{};
    P[0].x = state.InsertPoint.x;
    for (int k = 1; k <= params.n; ++k) {
        const int j = 4 * (k - 1);
        DrawCoilFront(state, params, j);
        DrawCoilBends(state, params, j + 2);
        P[0].x = P[0].x + params.t;
    }
    m.x = P[1].x;
    m.y = P[1].y;
    DrawSectionEnd(state, params);
    MoveToTurnCentre(state, m);
    HalfTurnCopies(state.EndEntities, 4, state.InsertPoint, kEnd);
}

void DrawCutView(DrawingState& state, const DrawingParams& params) {
    RequireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    NewLists(state, 2 * static_cast<std::size_t>(params.n), 2, 0);
    Point m{};
    P[0].x = state.InsertPoint.x;
    cad::CadSpace& space = Space(state);
    for (int k = 1; k <= params.n; ++k) {
        const int j = 2 * (k - 1);
        P[0].y = state.InsertPoint.y + params.D0 / 2;
        SetXY(P[1], P[0].x + params.t / 2, P[0].y - params.D0);
        SlotFor(state.CoilEntities, j, kCoil) = space.AddCircle(P[0], params.d / 2);
        SlotFor(state.CoilEntities, j + 1, kCoil) = space.AddCircle(P[1], params.d / 2);
        P[0].x = P[0].x + params.t;
    }
    m.x = P[1].x;
    m.y = P[1].y;
    DrawCutEnd(state, params);
    MoveToTurnCentre(state, m);
    HalfTurnCopies(state.EndEntities, 2, state.InsertPoint, kEnd);
}

void DrawView(DrawingState& state, const DrawingParams& params) {
    switch (params.ViewType) {
    case ViewType::WithBreak:
        DrawBrokenView(state, params);
        break;
    case ViewType::Full:
        DrawFullView(state, params);
        break;
    case ViewType::Section:
        DrawSectionView(state, params);
        break;
    case ViewType::Cut:
        DrawCutView(state, params);
        break;
    }
}

} // namespace torvelix::geometry
