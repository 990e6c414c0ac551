// The drawing button's request: the drawing inputs of pages 5 to 7 made into a drawing
// request, refused before anything is drawn when it cannot make a drawing; and the
// drawing it asks for.
#include "design_session.h"

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

// The geometric fields in the order the request converts them.
constexpr std::array<FieldId, 11> kConversionOrder = {
    FieldId::WorkingCoils, FieldId::Pitch,     FieldId::MeanDiameter, FieldId::WireDiameter,
    FieldId::FreeLength,   FieldId::LengthL1,  FieldId::LengthL2,     FieldId::LengthL3,
    FieldId::DiagramF1,    FieldId::DiagramF2, FieldId::DiagramF3};

} // namespace

DrawingOutcome DesignSession::makeDrawingRequest(const TitleBlockText& given) const {
    DrawingOutcome outcome;
    DrawingRequest& made = outcome.request;
    try {
        made.params = cad::buildDrawingParams(values_.drawing);
    } catch (const ConversionError& error) {
        // Nothing is minimised or drawn; the first field that does not convert is mended.
        outcome.error = error;
        for (const FieldId field : kConversionOrder) {
            if (!tryParseNumber(values_.text(field))) {
                outcome.mend = field;
                break;
            }
        }
        return outcome;
    }
    const DrawingOptionsPage& options = values_.options;
    made.eskd = options.eskd;
    cad::DrawingParams checked = made.params;
    if (const auto refusal =
            made.eskd ? cad::prepareEskdParams(checked) : cad::checkDrawingParams(made.params)) {
        messages_.show(MessageIcon::Error, *refusal);
        return outcome;
    }
    if (made.eskd) {
        made.sheet = eskdSheetValues(given);
    } else if (options.requirements) {
        made.requirements = cad::buildTechRequirements(values_.requirements.tt);
    }
    outcome.done = true;
    return outcome;
}

geometry::EskdSheetInfo DesignSession::eskdSheetValues(const TitleBlockText& given) const {
    geometry::EskdSheetInfo info;
    const cad::TechRequirementControls& tt = values_.requirements.tt;
    if (values_.options.requirements) {
        info.TechLines = cad::numberedTechLines(cad::buildTechRequirements(tt));
    }
    // In the calculation the spring is the one chosen, by the standard of its class,
    // whether or not the requirements page was visited; in the drawing mode the page
    // names it.
    const int classItem = values_.design.classItem;
    if (designed_ && !DrawOnly_ && !values_.design.eNum.empty() && classItem >= 0 &&
        classItem < static_cast<int>(kSpringGostItems.size())) {
        info.Designation =
            values_.design.eNum + " " + kSpringGostItems[static_cast<std::size_t>(classItem)];
    } else if (!tt.e6Num.empty()) {
        info.Designation = tt.e6Num + " " + tt.comb6Gost;
    }
    // The material as the class page names it: the blank standard of the class (as read
    // from its fixed columns, so without the blanks that fill them), or the wire class
    // chosen (its caption without the leading "- "). Only a spring calculated in this
    // run has them: a drawing alone names no class's material.
    if (given.material) {
        info.Material = *given.material;
    } else if (designed_ && !DrawOnly_) {
        if (!values_.klass.showWireClass) {
            info.Material = std::string(trimBlanks(values_.design.LZagot));
        } else {
            const std::string caption = values_.design.wire == calc::WireClass::IIA
                                            ? calc::kWireClassIIACaption
                                            : calc::kWireClassIICaption;
            info.Material = caption.substr(2);
        }
    }
    info.DocumentDesignation = values_.options.document;
    info.Organisation = values_.options.organisation;
    info.Developer = values_.options.developer;
    info.Checker = values_.options.checker;
    if (given.mass) {
        info.Mass = *given.mass;
    } else if (designed_ && !DrawOnly_ && state_.m > 0) {
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
