// The AutoCAD button's request: the controls of pages 5 to 7 made into a drawing
// request, refused before anything is drawn when it cannot make a drawing; and the
// drawing it asks for.
#include "design_session.h"

#include "errors.h"
#include "eskd_driver.h"
#include "number_format.h"
#include "number_parse.h"

namespace torvelix::workflow {

namespace {

// The mass as the title block writes it: three significant digits, decimal comma.
std::string massText(double kilograms) {
    std::string mass = formatCStyleGeneral(kilograms, 3);
    for (char& c : mass) {
        if (c == '.') {
            c = ',';
        }
    }
    return mass;
}

} // namespace

StepOutcome DesignSession::prepareDrawing(DrawingRequest& request) {
    const DrawingOptionsPage& options = values_.options;
    const GeometryPage& g = values_.geometry;
    cad::DrawingControls c;
    c.cbox90ItemIndex = g.breakCoils.index;
    c.sb51 = options.ends == geometry::EndType::Open;
    c.sb52 = options.ends == geometry::EndType::Closed;
    c.sb53 = options.ends == geometry::EndType::ClosedGround;
    c.sb71 = options.view == geometry::ViewType::WithBreak;
    c.sb72 = options.view == geometry::ViewType::Full;
    c.sb73 = options.view == geometry::ViewType::Section;
    c.cb90 = g.inscribe;
    c.cb71 = options.diagram;
    c.e9_n = g.e9_n;
    c.e9_t = g.e9_t;
    c.e9_D0 = g.e9_D0;
    c.e9_d = g.e9_d;
    c.e9_L0 = g.diagram[0];
    c.e9_L1 = g.diagram[1];
    c.e9_L2 = g.diagram[2];
    c.e9_L3 = g.diagram[3];
    c.e9_F1 = g.diagram[4];
    c.e9_F2 = g.diagram[5];
    c.e9_F3 = g.diagram[6];

    StepOutcome outcome;
    DrawingRequest made;
    try {
        made.params = cad::buildDrawingParams(c);
    } catch (const ConversionError& error) {
        // Nothing is minimised or drawn; the first field that does not convert is mended.
        outcome.error = error.what();
        const std::array<std::pair<const char*, const std::string*>, 11> order = {
            {{"e9_n", &c.e9_n},
             {"e9_t", &c.e9_t},
             {"e9_D0", &c.e9_D0},
             {"e9_d", &c.e9_d},
             {"e9_L0", &c.e9_L0},
             {"e9_L1", &c.e9_L1},
             {"e9_L2", &c.e9_L2},
             {"e9_L3", &c.e9_L3},
             {"e9_F1", &c.e9_F1},
             {"e9_F2", &c.e9_F2},
             {"e9_F3", &c.e9_F3}}};
        for (const auto& [name, text] : order) {
            if (!tryParseNumber(*text)) {
                outcome.focus = name;
                break;
            }
        }
        return outcome;
    }
    made.eskd = options.eskd;
    cad::DrawingParams checked = made.params;
    if (const auto refusal =
            made.eskd ? cad::prepareEskdParams(checked) : cad::checkDrawingParams(made.params)) {
        messages_.show(MessageIcon::Error, *refusal);
        return outcome;
    }
    if (made.eskd) {
        made.sheet = eskdSheetValues();
    } else if (options.requirements) {
        made.requirements = cad::buildTechRequirements(techRequirementValues());
    }
    request = std::move(made);
    outcome.done = true;
    return outcome;
}

cad::TechRequirementControls DesignSession::techRequirementValues() const {
    return values_.requirements.tt;
}

geometry::EskdSheetInfo DesignSession::eskdSheetValues() const {
    geometry::EskdSheetInfo info;
    const cad::TechRequirementControls& tt = values_.requirements.tt;
    if (values_.options.requirements) {
        info.TechLines = cad::numberedTechLines(cad::buildTechRequirements(tt));
    }
    // In the calculation the spring is the one chosen, by the standard of its class,
    // whether or not the requirements page was visited; in the drawing mode the page
    // names it.
    const int classItem = values_.klass.classItem;
    if (!DrawOnly_ && !values_.candidates.eNum.empty() && classItem >= 0 &&
        classItem < static_cast<int>(kSpringGostItems.size())) {
        info.Designation =
            values_.candidates.eNum + " " + kSpringGostItems[static_cast<std::size_t>(classItem)];
    } else if (!tt.e6Num.empty()) {
        info.Designation = tt.e6Num + " " + tt.comb6Gost;
    }
    // The material as the class page names it: the blank standard of the class (as read
    // from its fixed columns, so without the blanks that fill them), or the wire class
    // chosen (its caption without the leading "- ").
    const ClassPage& klass = values_.klass;
    if (!klass.showWireClass) {
        info.Material = std::string(trimBlanks(klass.LZagot));
    } else {
        const std::string caption = klass.wire == calc::WireClass::IIA ? calc::kWireClassIIACaption
                                                                       : calc::kWireClassIICaption;
        info.Material = caption.substr(2);
    }
    if (state_.m > 0) {
        info.Mass = massText(state_.m);
    }
    return info;
}

void drawRequest(cad::DrawingSession& session, DrawingRequest& request,
                 cad::CadConnector& connector, MessageSink& messages) {
    if (request.eskd) {
        cad::drawEskdSpring(session, request.params, request.sheet, connector, messages);
        return;
    }
    cad::DrawSpring(session, request.params, connector, messages);
    if (request.requirements) {
        cad::DrawTechRequirements(*request.requirements, connector, messages);
    }
}

} // namespace torvelix::workflow
