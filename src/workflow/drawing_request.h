// A drawing request as the AutoCAD button makes it, and the drawing it asks for: the
// spring alone with the requirements below it, or the complete drawing on a sheet.
#pragma once

#include "drawing_driver.h"
#include "eskd_drawing.h"
#include "message_sink.h"
#include "tech_requirements.h"

#include <optional>

namespace torvelix::workflow {

struct DrawingRequest {
    cad::DrawingParams params;
    bool eskd = false;             // the complete drawing on a sheet
    geometry::EskdSheetInfo sheet; // its title block and requirement lines
    // Without eskd: the requirements written below the drawing (corner picked).
    std::optional<cad::TechRequirements> requirements;
};

// Draws the request through connector. Failures of the CAD application are shown
// through messages; other errors pass on, so the caller restores its window itself.
void drawRequest(cad::DrawingSession& session, DrawingRequest& request,
                 cad::CadConnector& connector, MessageSink& messages);

} // namespace torvelix::workflow
