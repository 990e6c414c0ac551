// The drawing driver: request from the controls, the refusal of values that cannot make
// a drawing, and DrawSpring (attach, target space, points, pitch fitting, coil tilt, end
// allowance, drawn length, one view).
#include "drawing_driver.h"

#include "number_format.h"
#include "number_parse.h"
#include "spring_fit.h"
#include "spring_geometry.h"

#include <cmath>

namespace torvelix::cad {

namespace {

using geometry::EndType;
using geometry::ViewType;

// A whole number of coils kept well inside int; anything beyond a byte is refused later.
int wholeCoils(double value) {
    const double whole = std::trunc(value);
    if (whole > 1e6) {
        return 1000000;
    }
    if (whole < -1e6) {
        return -1000000;
    }
    return static_cast<int>(whole);
}

// Model space with TILEMODE 1; paper space when a layout is current with its paper-space
// viewport (CVPORT 1); model space when a model-space viewport of a layout is current.
CadSpace& chooseTargetSpace(CadDocument& document, int tileMode, int cvPort) {
    if (tileMode == 1) {
        return document.ModelSpace();
    }
    if (cvPort == 1) {
        return document.PaperSpace();
    }
    return document.ModelSpace();
}

constexpr double kLargestSizeMm = 1e6;
// Picked points farther out than this leave no room for the spring's coordinates.
constexpr double kFarthestPointMm = 1e9;

// The views that show the coils from the side, where overlapping coils would be drawn.
bool sideView(ViewType view) {
    return view == ViewType::WithBreak || view == ViewType::Full;
}

constexpr const char* kPitchNotAboveWire = "Расстояние между точками слишком мало:\rшаг пружины t "
                                           "получается не больше диаметра проволоки d!";
constexpr const char* kPitchNotPositive =
    "Расстояние между точками слишком мало:\rшаг пружины t получается не больше нуля!";

// "... длина L2 = 60 мм должна быть меньше длины L1 = 50 мм!" for two lengths out of order.
std::string notBelow(const char* name, double value, const char* other, double limit,
                     const char* unit) {
    return std::string("Диаграмма нагружения: длина ") + name + " = " + formatGeneral(value) +
           unit + "\rдолжна быть меньше длины " + other + " = " + formatGeneral(limit) + unit + "!";
}

} // namespace

std::optional<std::string> checkDiagramLengths(const DrawingParams& p) {
    const std::pair<const char*, double> lengths[] = {
        {"L0", p.L0}, {"L1", p.L1}, {"L2", p.L2}, {"L3", p.L3}};
    for (std::size_t i = 1; i < 4; ++i) {
        if (!(lengths[i].second < lengths[i - 1].second)) {
            return notBelow(lengths[i].first, lengths[i].second, lengths[i - 1].first,
                            lengths[i - 1].second, " мм");
        }
    }
    if (!(p.L3 > 0)) {
        return "Диаграмма нагружения: длина L3 = " + formatGeneral(p.L3) +
               " мм\rдолжна быть больше нуля!";
    }
    return std::nullopt;
}

std::optional<std::string> checkDiagramForces(const DrawingParams& p) {
    const std::pair<const char*, double> forces[] = {{"F1", p.F1}, {"F2", p.F2}, {"F3", p.F3}};
    for (const auto& [name, value] : forces) {
        if (!std::isfinite(value) || value < 0 || value > kLargestSizeMm) {
            return std::string("Диаграмма нагружения: сила ") + name + " = " +
                   formatGeneral(value) + " Н\rдолжна быть не меньше нуля и не больше 1000000 Н!";
        }
    }
    for (std::size_t i = 1; i < 3; ++i) {
        if (!(forces[i - 1].second < forces[i].second)) {
            return std::string("Диаграмма нагружения: сила ") + forces[i - 1].first + " = " +
                   formatGeneral(forces[i - 1].second) + " Н\rдолжна быть меньше " +
                   forces[i].first + " = " + formatGeneral(forces[i].second) + " Н!";
        }
    }
    return std::nullopt;
}

DrawingParams buildDrawingParams(const DrawingInputs& inputs) {
    using torvelix::parseNumber;
    DrawingParams p;
    p.BreakCoils = inputs.breakCoilsItem + 1;
    p.EndType = inputs.ends;
    p.ViewType = inputs.view;
    p.n = wholeCoils(parseNumber(inputs.e9_n));
    p.t = parseNumber(inputs.e9_t);
    p.D0 = parseNumber(inputs.e9_D0);
    p.d = parseNumber(inputs.e9_d);
    const auto& values = inputs.lengthsAndForces;
    p.L0 = parseNumber(values[0]);
    p.L1 = parseNumber(values[1]);
    p.L2 = parseNumber(values[2]);
    p.L3 = parseNumber(values[3]);
    p.F1 = parseNumber(values[4]);
    p.F2 = parseNumber(values[5]);
    p.F3 = parseNumber(values[6]);
    p.Inscribe = inputs.inscribe;
    p.WithDiagram = inputs.diagram;
    return p;
}

std::optional<std::string> checkDrawingParams(const DrawingParams& p) {
    if (p.WithDiagram && p.L0 * p.L1 * p.L2 * p.L3 == 0) {
        return std::string(kZeroLengths);
    }
    if (p.n > 255) {
        return std::string("Количество рабочих витков n\rдолжно быть не больше 255!");
    }
    // The full, section and cut views draw n coils; the view with a break uses n only
    // to fit the pitch.
    if (p.ViewType != ViewType::WithBreak && p.n < 1) {
        return std::string("Количество рабочих витков n\rдолжно быть не меньше 1!");
    }
    if (p.n < 0) {
        return std::string("Количество рабочих витков n\rне должно быть отрицательным!");
    }
    if (!(p.D0 > 0)) {
        return std::string("Средний диаметр пружины D0\rдолжен быть больше нуля!");
    }
    if (!(p.d > 0)) {
        return std::string("Диаметр проволоки d\rдолжен быть больше нуля!");
    }
    if (!p.Inscribe && !(p.t > 0)) {
        return std::string("Шаг пружины t\rдолжен быть больше нуля!");
    }
    // Beyond a kilometre the coordinates lose the precision the trims need, and far enough
    // they overflow: such a spring is refused rather than drawn wrong.
    const std::pair<double, const char*> sizes[] = {
        {p.D0, "Средний диаметр пружины D0 слишком велик"},
        {p.d, "Диаметр проволоки d слишком велик"},
        {p.Inscribe ? 0.0 : p.t, "Шаг пружины t слишком велик"},
        {p.L0, "Длина пружины L0 слишком велика"},
        {p.L1, "Длина пружины L1 слишком велика"},
        {p.L2, "Длина пружины L2 слишком велика"},
        {p.L3, "Длина пружины L3 слишком велика"}};
    for (const auto& [value, text] : sizes) {
        if (!(std::abs(value) <= kLargestSizeMm)) {
            return std::string(text) + " для чертежа\r(больше 1000000 мм)!";
        }
    }
    if (!(p.D0 > p.d)) {
        return std::string("Средний диаметр пружины D0 должен быть\rбольше диаметра проволоки d!");
    }
    // In the side views a pitch not above the wire's diameter makes coils overlap, and
    // their edges no longer cross where the drawing trims them.
    if (!p.Inscribe && sideView(p.ViewType) && !(p.t > p.d)) {
        return std::string("Шаг пружины t должен быть\rбольше диаметра проволоки d!");
    }
    if (p.WithDiagram && p.ViewType == ViewType::WithBreak && p.L3 == p.L0) {
        return std::string("Длина пружины L3 не должна\rравняться длине в свободном состоянии L0!");
    }
    if (p.WithDiagram && p.ViewType == ViewType::WithBreak) {
        return checkDiagramLengths(p);
    }
    return std::nullopt;
}

bool tooFar(const Point& p) {
    return !(std::abs(p.x) <= kFarthestPointMm && std::abs(p.y) <= kFarthestPointMm &&
             std::abs(p.z) <= kFarthestPointMm);
}

CadDocument& attachForDrawing(DrawingSession& session, CadConnector& connector) {
    session.Application = connector.Attach("AutoCAD.Application");
    session.Document = &session.Application->ActiveDocument();
    CadDocument& document = *session.Document;
    session.TileMode = document.GetVariableInt("TILEMODE");
    session.CvPort = document.GetVariableInt("CVPORT");
    session.Geometry.TargetSpace = &chooseTargetSpace(document, session.TileMode, session.CvPort);
    return document;
}

void DrawSpring(DrawingSession& session, DrawingParams& params, CadConnector& connector,
                MessageSink& sink) {
    if (auto refusal = checkDrawingParams(params)) {
        sink.show(MessageIcon::Error, *refusal);
        return;
    }
    geometry::DrawingState& state = session.Geometry;
    try {
        CadDocument& document = attachForDrawing(session, connector);
        CadUtility& utility = document.Utility();
        state.PickStart = utility.GetPoint(std::nullopt, "Укажи точку начала пружины: ");
        state.InsertPoint = state.PickStart;
        if (tooFar(state.PickStart)) {
            sink.show(MessageIcon::Error, kPointTooFar);
            return;
        }
        if (params.Inscribe) {
            state.PickEnd = utility.GetPoint(state.PickStart, "Укажи точку конца пружины : ");
            if (tooFar(state.PickEnd)) {
                sink.show(MessageIcon::Error, kPointTooFar);
                return;
            }
            const double dx = state.PickEnd.x - state.PickStart.x;
            const double dy = state.PickEnd.y - state.PickStart.y;
            const double distance = std::sqrt(dx * dx + dy * dy);
            if (distance < params.L3) {
                sink.show(MessageIcon::Error, kDistanceTooShort);
                return;
            }
            const double pitch = geometry::inscribedPitch(params, distance);
            if (!(pitch > 0)) {
                sink.show(MessageIcon::Error, kPitchNotPositive);
                return;
            }
            if (sideView(params.ViewType) && !(pitch > params.d)) {
                sink.show(MessageIcon::Error, kPitchNotAboveWire);
                return;
            }
            params.t = pitch;
        }
        state.CoilTilt = geometry::coilTiltFor(params.t, params.D0);
        const double allowance = geometry::endAllowance(params, state.CoilTilt);
        if (params.WithDiagram) {
            double x = params.BreakCoils == 1 ? params.t : 2 * params.t;
            x += allowance;
            state.DrawnLength = 2 * x + params.t;
            params.L1 = state.DrawnLength * params.L1 / params.L0;
            params.L2 = state.DrawnLength * params.L2 / params.L0;
            params.L3 = state.DrawnLength * params.L3 / params.L0;
        }
        state.InsertPoint.x += allowance;
        geometry::drawView(state, params);
        if (params.ViewType == ViewType::WithBreak && params.WithDiagram) {
            geometry::DrawLoadingDiagram(state, params);
        }
    } catch (const CadException&) {
        sink.show(MessageIcon::Warning, kCadLinkError);
    } catch (const CadAutomationFailure&) {
        sink.show(MessageIcon::Warning, kCadNotLoaded);
    }
}

} // namespace torvelix::cad
