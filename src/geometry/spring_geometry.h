// The spring drawing: coil primitives, end coils, the four views and the loading diagram.
// Every entity goes through the CAD automation interface into state.TargetSpace, in a
// fixed order. A failing CAD call (cad::CadException, cad::CadAutomationFailure) ends the
// drawing; what was created before it stays.
#pragma once

#include "drawing_state.h"

namespace torvelix::geometry {

// Coil primitives. slot is the first slot of CoilEntities the call fills.
void PrepareWorkPoints(DrawingState& state, const DrawingParams& params);
void DrawCoilFront(DrawingState& state, const DrawingParams& params, int slot);
void DrawCoilBends(DrawingState& state, const DrawingParams& params, int slot);
void DrawCoilBack(DrawingState& state, const DrawingParams& params, int slot);

// End coils, drawn at the start end, left of InsertPoint, into EndEntities.
// Side views (6 slots): needs CoilEntities[0], the first coil's left front edge.
void DrawEndCoil(DrawingState& state, const DrawingParams& params);
// Section view (4 slots) and cut view (2 slots).
void drawSectionEnd(DrawingState& state, const DrawingParams& params);
void drawCutEnd(DrawingState& state, const DrawingParams& params);
// The closed, ground ends (ClosedGround, ThreeQuarterGround) in the section and cut
// views; fill EndEntities[0..1].
void DrawGroundSectionEnd(DrawingState& state, const DrawingParams& params);
void DrawHalfSectionEnd(DrawingState& state, const DrawingParams& params);

// The four views; each leaves InsertPoint.x at the centre of its half-turn copy.
// The full, section and cut views need params.n >= 1.
void DrawBrokenView(DrawingState& state, const DrawingParams& params);
void DrawFullView(DrawingState& state, const DrawingParams& params);
void DrawSectionView(DrawingState& state, const DrawingParams& params);
void DrawCutView(DrawingState& state, const DrawingParams& params);
// The view params.ViewType names (the view with a break without its loading diagram).
void drawView(DrawingState& state, const DrawingParams& params);

// Force against length above the view with a break, from PickStart; five lines.
// Needs DrawnLength != L3 (the rescaled lengths).
void DrawLoadingDiagram(DrawingState& state, const DrawingParams& params);

} // namespace torvelix::geometry
