// The complete drawing behind the AutoCAD button with "оформить по ЕСКД": one picked point
// places the sheet; the pitch is fitted so that the spring is drawn as long as L0; the view
// goes on its layers with axes, hatching, dimensions, diagram, frame and title block.
#pragma once

#include "drawing_driver.h"
#include "eskd_drawing.h"
#include "tech_requirements.h"

#include <optional>
#include <string>
#include <vector>

namespace torvelix::cad {

inline constexpr const char* kSheetCornerPrompt = "Укажи левый-нижний угол листа: ";

// The requirement lines as the list reads from the top: "1. ..." and continuation lines.
std::vector<std::string> numberedTechLines(const TechRequirements& tt);

// The request made ready for the sheet (the pitch fitted to L0, no second point) or the
// text of the error box that refuses it.
std::optional<std::string> prepareEskdParams(DrawingParams& params);

// Checks and prepares the request, attaches, chooses the sheet, asks for its lower-left
// corner and draws. Failures are shown through sink as DrawSpring shows them; the call
// returns normally.
void drawEskdSpring(DrawingSession& session, DrawingParams& params,
                    const geometry::EskdSheetInfo& info, CadConnector& connector,
                    MessageSink& sink);

} // namespace torvelix::cad
