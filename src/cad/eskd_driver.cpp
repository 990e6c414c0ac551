// The driver of the complete drawing: checks, pitch fitted to L0, sheet, one point, view,
// annotations and sheet.
#include "eskd_driver.h"

#include "spring_geometry.h"

#include <cmath>

namespace torvelix::cad {

std::vector<std::string> numberedTechLines(const TechRequirements& tt) {
    std::vector<std::string> lines;
    int number = 0;
    for (int item = 1; item <= 11; ++item) {
        if (!tt.TtFlags[static_cast<std::size_t>(item - 1)]) {
            continue;
        }
        const auto index = static_cast<std::size_t>(ttLineIndex(item));
        lines.push_back(std::to_string(++number) + ". " + tt.TtLines[index]);
        if (ttHasContinuation(item)) {
            lines.push_back(tt.TtLines[index + 1]);
        }
    }
    return lines;
}

std::optional<std::string> prepareEskdParams(DrawingParams& params) {
    // The sheet is placed by one point; the spring's length is L0.
    params.Inscribe = false;
    if (!(params.L0 > 0)) {
        return std::string("Для чертежа по ЕСКД длина пружины L0\rдолжна быть больше нуля!");
    }
    if (params.n < 1) {
        return std::string("Количество рабочих витков n\rдолжно быть не меньше 1!");
    }
    // The page's pitch does not count: it is fitted below.
    DrawingParams unfitted = params;
    unfitted.t = params.d + 1;
    if (auto refusal = checkDrawingParams(unfitted)) {
        return refusal;
    }
    const double pitch = geometry::pitchForLength(params, params.L0);
    if (!(pitch > params.d)) {
        return std::string("Длина пружины L0 мала для n витков:\rшаг пружины t получается не "
                           "больше диаметра проволоки d!");
    }
    params.t = pitch;
    return checkDrawingParams(params);
}

void drawEskdSpring(DrawingSession& session, DrawingParams& params,
                    const geometry::EskdSheetInfo& info, CadConnector& connector,
                    MessageSink& sink) {
    if (auto refusal = prepareEskdParams(params)) {
        sink.show(MessageIcon::Error, *refusal);
        return;
    }
    std::optional<geometry::SheetLayout> sheet = geometry::chooseSheet(params, info);
    if (!sheet) {
        sink.show(MessageIcon::Error, "Пружина не помещается на листе формата A2\rв масштабе 1:5!");
        return;
    }
    geometry::DrawingState& state = session.Geometry;
    try {
        CadDocument& document = attachForDrawing(session, connector);
        sheet->Corner = document.Utility().GetPoint(std::nullopt, kSheetCornerPrompt);
        if (tooFar(sheet->Corner)) {
            sink.show(MessageIcon::Error, kPointTooFar);
            return;
        }
        state.PickStart = geometry::springStartOnSheet(params, *sheet);
        state.InsertPoint = state.PickStart;
        state.CoilTilt = std::atan(params.t / (2 * params.D0));
        const double allowance = endAllowance(params, state.CoilTilt);
        // Drawn as long as the spring is: the diagram's lengths need no rescaling.
        state.DrawnLength = params.L0;
        state.BrokenViewLength = params.L0;
        state.InsertPoint.x += allowance;
        geometry::prepareEskdDocument(document, *sheet);
        document.SetActiveLayer(geometry::kLayerOutline);
        geometry::drawView(state, params);
        state.BrokenViewLength = 0;
        geometry::drawEskdAnnotations(state, params, document, *sheet);
        geometry::drawEskdSheet(state, document, *sheet, info);
    } catch (const CadException&) {
        state.BrokenViewLength = 0;
        sink.show(MessageIcon::Warning, kCadLinkError);
    } catch (const CadAutomationFailure&) {
        state.BrokenViewLength = 0;
        sink.show(MessageIcon::Warning, kCadNotLoaded);
    }
}

} // namespace torvelix::cad
