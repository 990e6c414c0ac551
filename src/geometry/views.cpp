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

void newLists(DrawingState& state, std::size_t coilSlots, std::size_t endSlots,
              std::size_t breakSlots) {
    state.CoilEntities.assign(coilSlots, nullptr);
    state.EndEntities.assign(endSlots, nullptr);
    state.BreakEntities.assign(breakSlots, nullptr);
}

void requireCoils(const DrawingParams& params) {
    if (params.n < 1) {
        throw std::logic_error("spring drawing: the view needs at least one working coil");
    }
}

// Half a pitch on from the last coil's bottom: the middle of the spring.
void moveToTurnCentre(DrawingState& state, const Point& m) {
    state.InsertPoint.x = (m.x + state.InsertPoint.x) * 0.5;
}

// The far end coil: a half-turn copy of each end entity. An open end drawn as a quarter
// turn fills only the slots it needs.
void endCopies(DrawingState& state, int count) {
    if (!state.QuarterOpenEnd) {
        halfTurnCopies(state.EndEntities, count, state.InsertPoint, kEnd);
        return;
    }
    for (const EntityRef& entity : state.EndEntities) {
        if (entity) {
            entity->ArrayPolar(2, 2 * kPi, state.InsertPoint);
        }
    }
}

} // namespace

void DrawBrokenView(DrawingState& state, const DrawingParams& params) {
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    newLists(state, 12, 6, 1);
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
        trimEnd(filled(state.CoilEntities, 5, kCoil), filled(state.CoilEntities, 6, kCoil));
    }
    slotFor(state.BreakEntities, 0, kBreak) = targetSpace(state).AddCircle(P[2], params.d / 2);
    m.x = P[2].x;
    m.y = P[2].y;
    DrawEndCoil(state, params);
    state.InsertPoint.x = m.x + params.t * 0.5;
    if (state.BrokenViewLength > 0) {
        state.InsertPoint.x =
            std::max(state.InsertPoint.x, state.PickStart.x + state.BrokenViewLength / 2);
    }
    halfTurnCopies(state.CoilEntities, oneCoil ? 6 : 12, state.InsertPoint, kCoil);
    halfTurnCopies(state.BreakEntities, 1, state.InsertPoint, kBreak);
    endCopies(state, 6);
}

void DrawFullView(DrawingState& state, const DrawingParams& params) {
    requireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    newLists(state, 6 * static_cast<std::size_t>(params.n), 6, 0);
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
            trimEnd(filled(state.CoilEntities, j - 1, kCoil), filled(state.CoilEntities, j, kCoil));
        }
        P[0].x = P[0].x + params.t;
    }
    m.x = P[1].x;
    m.y = P[1].y;
    DrawEndCoil(state, params);
    moveToTurnCentre(state, m);
    endCopies(state, 6);
}

void DrawSectionView(DrawingState& state, const DrawingParams& params) {
    requireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    newLists(state, 4 * static_cast<std::size_t>(params.n), 4, 0);
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
    drawSectionEnd(state, params);
    moveToTurnCentre(state, m);
    endCopies(state, 4);
}

void DrawCutView(DrawingState& state, const DrawingParams& params) {
    requireCoils(params);
    auto& P = state.WorkPoints;
    PrepareWorkPoints(state, params);
    newLists(state, 2 * static_cast<std::size_t>(params.n), 2, 0);
    Point m{};
    P[0].x = state.InsertPoint.x;
    cad::CadSpace& space = targetSpace(state);
    for (int k = 1; k <= params.n; ++k) {
        const int j = 2 * (k - 1);
        P[0].y = state.InsertPoint.y + params.D0 / 2;
        setXY(P[1], P[0].x + params.t / 2, P[0].y - params.D0);
        slotFor(state.CoilEntities, j, kCoil) = space.AddCircle(P[0], params.d / 2);
        slotFor(state.CoilEntities, j + 1, kCoil) = space.AddCircle(P[1], params.d / 2);
        P[0].x = P[0].x + params.t;
    }
    m.x = P[1].x;
    m.y = P[1].y;
    drawCutEnd(state, params);
    moveToTurnCentre(state, m);
    endCopies(state, 2);
}

void drawView(DrawingState& state, const DrawingParams& params) {
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
