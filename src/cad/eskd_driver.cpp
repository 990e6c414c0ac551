// The driver of the complete drawing: checks, sheet, one point, the spring true to L0 at
// its own pitch (the end coils take up the difference), annotations and sheet.
#include "eskd_driver.h"

#include "number_format.h"
#include "spring_fit.h"
#include "spring_geometry.h"

#include <cmath>

namespace torvelix::cad {

namespace {

// The sheet's end-coil settings live in the session's state for one drawing only: the
// next drawing, classic or not, starts as specified also after a failure.
class SheetEndCoils {
public:
    explicit SheetEndCoils(geometry::DrawingState& state) : state_(state) {}
    ~SheetEndCoils() {
        state_.EndGap = 0;
        state_.QuarterOpenEnd = false;
        state_.BrokenViewLength = 0;
    }
    SheetEndCoils(const SheetEndCoils&) = delete;
    SheetEndCoils& operator=(const SheetEndCoils&) = delete;

private:
    geometry::DrawingState& state_;
};

} // namespace

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
    // The sheet is placed by one point; the spring's length is L0 at the pitch t.
    params.Inscribe = false;
    if (!(params.L0 > 0)) {
        return std::string("Для чертежа по ЕСКД длина пружины L0\rдолжна быть больше нуля!");
    }
    if (params.n < 1) {
        return std::string("Количество рабочих витков n\rдолжно быть не меньше 1!");
    }
    if (auto refusal = checkDrawingParams(params)) {
        return refusal;
    }
    if (params.WithDiagram && params.ViewType == geometry::ViewType::WithBreak) {
        if (auto refusal = checkDiagramForces(params)) {
            return refusal;
        }
    }
    const double shortest = geometry::smallestEndReach(params);
    if (geometry::endReach(params, params.L0) < shortest) {
        const double least = (params.n - 0.5) * params.t + 2 * shortest;
        return "Длина пружины L0 = " + formatGeneral(params.L0) +
               " мм мала для n = " + std::to_string(params.n) +
               " витков с шагом t = " + formatGeneral(params.t) +
               " мм:\rс крайними витками этого вида пружина не короче " + formatGeneral(least, 4) +
               " мм!";
    }
    return std::nullopt;
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
        sink.show(MessageIcon::Error,
                  "Пружина не помещается ни на одном листе до формата A1\rни в одном "
                  "стандартном масштабе до 1:100!");
        return;
    }
    geometry::DrawingState& state = session.Geometry;
    SheetEndCoils endCoils(state);
    try {
        CadDocument& document = attachForDrawing(session, connector);
        sheet->Corner = document.Utility().GetPoint(std::nullopt, kSheetCornerPrompt);
        if (tooFar(sheet->Corner)) {
            sink.show(MessageIcon::Error, kPointTooFar);
            return;
        }
        DrawingParams drawn = params;
        drawn.ViewType = sheet->DrawnView;
        state.PickStart = geometry::springStartOnSheet(params, *sheet);
        state.InsertPoint = state.PickStart;
        state.CoilTilt = geometry::coilTiltFor(params.t, params.D0);
        // The end coils reach out so that the spring is L0 long at its own pitch.
        const double reach = geometry::endReach(params, params.L0);
        if (params.EndType == geometry::EndType::Open) {
            state.QuarterOpenEnd = true;
        } else {
            state.EndGap = reach - geometry::endAllowance(params, state.CoilTilt);
        }
        state.DrawnLength = sheet->ViewLength;
        state.BrokenViewLength = sheet->ViewLength;
        state.InsertPoint.x += reach;
        geometry::prepareEskdDocument(document, *sheet);
        document.SetActiveLayer(geometry::kLayerOutline);
        geometry::drawView(state, drawn);
        geometry::drawEskdAnnotations(state, drawn, document, *sheet);
        geometry::drawEskdSheet(state, document, *sheet, info);
    } catch (const CadException&) {
        sink.show(MessageIcon::Warning, kCadLinkError);
    } catch (const CadAutomationFailure&) {
        sink.show(MessageIcon::Warning, kCadNotLoaded);
    }
}

} // namespace torvelix::cad
