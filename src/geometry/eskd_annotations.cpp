// The complete drawing's additions to a spring view: the axis, the centre lines across
// the coils a break leaves out, hatched wire sections, the dimensions and the loading
// diagram with its forces and lengths.
#include "eskd_drawing.h"
#include "geometry_support.h"
#include "number_format.h"

#include <algorithm>
#include <cmath>

namespace torvelix::geometry {

namespace {

using detail::kPi;

cad::CadSpace& target(DrawingState& state) {
    return detail::targetSpace(state);
}

Point at(const Point& base, double x, double y) {
    return Point{x, y, base.z};
}

// Hatch lines about a millimetre apart on paper for thin wire, up to 3 mm for thick.
double hatchSpacing(const DrawingParams& p, double k) {
    return std::clamp(p.d * k / 5, 0.8, 3.0) / k;
}

void hatchSections(DrawingState& state, const DrawingParams& p, double k) {
    const bool section = p.ViewType == ViewType::Section;
    if (!section && p.ViewType != ViewType::Cut) {
        return;
    }
    cad::CadSpace& space = target(state);
    const double spacing = hatchSpacing(p, k);
    const int perCoil = section ? 4 : 2;
    const int first = section ? 2 : 0;
    for (int coil = 0; coil < p.n; ++coil) {
        for (int slot : {first, first + 1}) {
            space.AddHatch({state.CoilEntities.at(static_cast<std::size_t>(perCoil * coil + slot))},
                           kPi / 4, spacing);
        }
    }
    // The end sections, then their copies at the far end by the view's half turn.
    std::vector<cad::EntityRef> hatches;
    const auto& end = state.EndEntities;
    switch (p.EndType) {
    case EndType::Open:
        hatches.push_back(space.AddHatch({end.at(0)}, kPi / 4, spacing));
        break;
    case EndType::Closed:
        hatches.push_back(space.AddHatch({end.at(0)}, kPi / 4, spacing));
        hatches.push_back(space.AddHatch({end.at(1)}, kPi / 4, spacing));
        break;
    case EndType::ClosedGround:
    case EndType::ThreeQuarterGround:
        // A straight edge and an arc bound one section.
        hatches.push_back(space.AddHatch({end.at(0), end.at(1)}, kPi / 4, spacing));
        break;
    }
    for (const auto& hatch : hatches) {
        hatch->ArrayPolar(2, 2 * kPi, state.InsertPoint);
    }
}

void drawAxes(DrawingState& state, const DrawingParams& p, double k, double allowance) {
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double over = 5 / k;
    space.AddLine(at(s, s.x - over, s.y), at(s, s.x + p.L0 + over, s.y));
    if (p.ViewType != ViewType::WithBreak) {
        return;
    }
    // The coils left out: centre lines through their wire sections at the top and the
    // bottom, from the break's section to the far half's first one.
    const double coils = p.BreakCoils == 1 ? 1 : 2;
    const double breakX = s.x + allowance + coils * p.t;
    const double centre = state.InsertPoint.x;
    const double top = s.y + p.D0 / 2;
    const double bottom = s.y - p.D0 / 2;
    const double reach = p.d / 2 + 2 / k;
    space.AddLine(at(s, breakX - reach, top), at(s, 2 * centre - (breakX - p.t / 2) + reach, top));
    space.AddLine(at(s, breakX - p.t / 2 - reach, bottom),
                  at(s, 2 * centre - breakX + reach, bottom));
}

void drawDimensions(DrawingState& state, const DrawingParams& p, double k, double allowance) {
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double outer = (p.D0 + p.d) / 2;
    // L0 below the spring, a reference size.
    space.AddDimRotated(at(s, s.x, s.y - outer), at(s, s.x + p.L0, s.y - outer),
                        at(s, s.x, s.y - outer - 14 / k), 0, "<>*");
    // The outer diameter, right of the spring.
    space.AddDimRotated(at(s, s.x + p.L0, s.y + outer), at(s, s.x + p.L0, s.y - outer),
                        at(s, s.x + p.L0 + 10 / k, s.y), kPi / 2, "%%c<>");
    // The wire, across the top section of the first working coil, its leader up and right.
    const Point wire = at(s, s.x + allowance, s.y + p.D0 / 2);
    const double c = std::cos(kPi / 4) * p.d / 2;
    space.AddDimDiametric(at(s, wire.x + c, wire.y + c), at(s, wire.x - c, wire.y - c), 8 / k,
                          "%%c<>");
    // The pitch between the bottoms of the first two coils, where a view shows two.
    const bool twoCoils = p.ViewType == ViewType::WithBreak ? p.BreakCoils != 1 : p.n >= 2;
    if (twoCoils) {
        const double x = s.x + allowance + p.t / 2;
        space.AddDimRotated(at(s, x, s.y - p.D0 / 2), at(s, x + p.t, s.y - p.D0 / 2),
                            at(s, x, s.y - outer - 6 / k), 0, "");
    }
}

std::string force(double value) {
    return formatCStyleGeneral(value, 6);
}

// Above the view with a break: force against length from the free length L0 (no force) to
// L3 (F3), an ordinate at each of L1, L2, L3 with its force, and the three lengths
// dimensioned from the spring's start, their extension lines tying the ordinates down.
void drawDiagram(DrawingState& state, const DrawingParams& p, cad::CadDocument& document,
                 double k) {
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double top = s.y + (p.D0 + p.d) / 2;
    const double base = top + 30 / k;
    const double height = std::max(0.5 * p.D0, 20 / k);
    const double lengths[3] = {p.L1, p.L2, p.L3};
    const double forces[3] = {p.F1, p.F2, p.F3};
    double heights[3];
    for (int i = 0; i < 3; ++i) {
        // By force when the forces are given, else by length as the spring is linear.
        heights[i] =
            p.F3 > 0 ? height * forces[i] / p.F3 : height * (p.L0 - lengths[i]) / (p.L0 - p.L3);
    }
    document.SetActiveLayer(kLayerDiagram);
    space.AddLine(at(s, s.x + p.L3, base), at(s, s.x + p.L0, base));
    space.AddLine(at(s, s.x + p.L3, base + heights[2]), at(s, s.x + p.L0, base));
    for (int i = 0; i < 3; ++i) {
        const double x = s.x + lengths[i];
        space.AddLine(at(s, x, base), at(s, x, base + heights[i]));
    }
    // Each force right of its ordinate's top; the force line falls away to the right.
    document.SetActiveLayer(kLayerTitle);
    const char* names[3] = {"F1 = ", "F2 = ", "F3 = "};
    for (int i = 0; i < 3; ++i) {
        space.AddText(names[i] + force(forces[i]) + " Н",
                      at(s, s.x + lengths[i] + 1 / k, base + heights[i] + 1 / k), 2.5 / k);
    }
    document.SetActiveLayer(kLayerDimensions);
    for (int i = 2; i >= 0; --i) {
        const double level = top + (8 + 8 * (2 - i)) / k;
        space.AddDimRotated(at(s, s.x, top), at(s, s.x + lengths[i], base), at(s, s.x, level), 0,
                            "");
    }
}

} // namespace

void drawEskdAnnotations(DrawingState& state, const DrawingParams& params,
                         cad::CadDocument& document, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    // The end allowance as the driver set it: how far the first coil's top lies from the
    // start. The open end's follows the driver's tilt, which its builder keeps.
    const double allowance = params.EndType == EndType::Open
                                 ? 0.75 * params.t + params.d / (2 * std::cos(state.CoilTilt))
                             : params.EndType == EndType::Closed       ? 1.5 * params.d
                             : params.EndType == EndType::ClosedGround ? 0.75 * params.d
                                                                       : 0.5 * params.d;
    document.SetActiveLayer(kLayerAxes);
    drawAxes(state, params, k, allowance);
    document.SetActiveLayer(kLayerHatch);
    hatchSections(state, params, k);
    document.SetActiveLayer(kLayerDimensions);
    drawDimensions(state, params, k, allowance);
    if (params.ViewType == ViewType::WithBreak && params.WithDiagram) {
        drawDiagram(state, params, document, k);
    }
}

} // namespace torvelix::geometry
