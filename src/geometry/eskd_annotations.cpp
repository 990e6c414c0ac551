// The complete drawing's additions to a spring view: the axis, the centre lines across
// the coils a break leaves out, hatched wire sections, the dimensions and the loading
// diagram with its forces and lengths. Sizes on paper are millimetres divided by the scale.
#include "eskd_drawing.h"
#include "eskd_sheet_text.h"
#include "geometry_support.h"
#include "number_format.h"
#include "spring_fit.h"

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

// Dimension lines 10 mm from the outline, 7 mm from each other; the wire's label below
// 12 mm above the outline (as the sheet's room assumes).
constexpr double kFirstDimension = 10;
constexpr double kNextDimension = 7;
constexpr double kWireLabel = 12;

// Hatch lines 1 mm apart on paper for thin wire, up to 3 mm for thick.
double hatchSpacing(const DrawingParams& p, double k) {
    return std::clamp(p.d * k / 4, 1.0, 3.0) / k;
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
    // The end sections, then their copies at the far end by the view's half turn. An open
    // end drawn as its last quarter turn is cut out of the section's plane: no section.
    std::vector<cad::EntityRef> hatches;
    const auto& end = state.EndEntities;
    switch (p.EndType) {
    case EndType::Open:
        if (!state.QuarterOpenEnd) {
            hatches.push_back(space.AddHatch({end.at(0)}, kPi / 4, spacing));
        }
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

void drawAxes(DrawingState& state, const DrawingParams& p, const SheetLayout& sheet, double reach) {
    const double k = sheet.Scale;
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double over = 5 / k;
    space.AddLine(at(s, s.x - over, s.y), at(s, s.x + sheet.ViewLength + over, s.y));
    if (p.ViewType != ViewType::WithBreak) {
        return;
    }
    // The coils left out: centre lines through their wire sections at the top and the
    // bottom, from the break's section to the far half's first one.
    const double coils = breakCoilsShown(p);
    const double breakX = s.x + reach + coils * p.t;
    const double centre = state.InsertPoint.x;
    const double top = s.y + p.D0 / 2;
    const double bottom = s.y - p.D0 / 2;
    const double extra = p.d / 2 + 2 / k;
    space.AddLine(at(s, breakX - extra, top), at(s, 2 * centre - (breakX - p.t / 2) + extra, top));
    space.AddLine(at(s, breakX - p.t / 2 - extra, bottom),
                  at(s, 2 * centre - breakX + extra, bottom));
}

// "<>" and a mark when the drawing is true to size, else the value written out.
std::string sizeText(double drawn, double value, const std::string& mark) {
    return std::abs(drawn - value) <= 1e-9 * std::max(1.0, value) ? "<>" + mark
                                                                  : formatSize(value) + mark;
}

void drawDimensions(DrawingState& state, const DrawingParams& p, const SheetLayout& sheet,
                    double reach) {
    const double k = sheet.Scale;
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double outer = (p.D0 + p.d) / 2;
    const double length = sheet.ViewLength;
    // L0 below the spring, a reference size, beyond the pitch.
    space.AddDimRotated(at(s, s.x, s.y - outer), at(s, s.x + length, s.y - outer),
                        at(s, s.x, s.y - outer - (kFirstDimension + kNextDimension) / k), 0,
                        sizeText(length, p.L0, "*"));
    // The outer diameter, right of the spring.
    space.AddDimRotated(at(s, s.x + length, s.y + outer), at(s, s.x + length, s.y - outer),
                        at(s, s.x + length + kFirstDimension / k, s.y), kPi / 2, "%%c<>");
    // The wire, across the top section of the first working coil, its leader up and right.
    const Point wire = at(s, s.x + reach, s.y + p.D0 / 2);
    const double c = std::cos(kPi / 4) * p.d / 2;
    space.AddDimDiametric(at(s, wire.x + c, wire.y + c), at(s, wire.x - c, wire.y - c), 8 / k,
                          "%%c<>");
    // The pitch, the design's own (a reference size), between the bottoms of the first two
    // coils where the view shows two.
    const bool twoCoils = p.ViewType == ViewType::WithBreak ? p.BreakCoils != 1 : p.n >= 2;
    if (twoCoils) {
        const double x = s.x + reach + p.t / 2;
        space.AddDimRotated(at(s, x, s.y - p.D0 / 2), at(s, x + p.t, s.y - p.D0 / 2),
                            at(s, x, s.y - outer - kFirstDimension / k), 0, "<>*");
    }
}

struct Box {
    double left, bottom, right, top;
    bool overlaps(const Box& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

// Above the view: force against length from the free length L0 (no force) to L3 (F3), an
// ordinate at each of L1, L2, L3 with its force, and the three lengths dimensioned from
// the spring's start, their extension lines tying the ordinates down. Lengths follow the
// drawn length; where a break shortens the view the dimensions say the true ones.
void drawDiagram(DrawingState& state, const DrawingParams& p, cad::CadDocument& document,
                 const SheetLayout& sheet) {
    const double k = sheet.Scale;
    cad::CadSpace& space = target(state);
    const Point& s = state.PickStart;
    const double scale = sheet.ViewLength / p.L0;
    const double top = s.y + (p.D0 + p.d) / 2;
    const double base = top + (kWireLabel + 3 * kNextDimension + 3) / k;
    const double height = diagramHeightMm(p, k) / k;
    const double lengths[3] = {p.L1, p.L2, p.L3};
    const double forces[3] = {p.F1, p.F2, p.F3};
    double xs[3];
    double heights[3];
    for (int i = 0; i < 3; ++i) {
        xs[i] = s.x + lengths[i] * scale;
        heights[i] = height * forces[i] / p.F3;
    }
    const double end = s.x + sheet.ViewLength;
    document.SetActiveLayer(kLayerDiagram);
    space.AddLine(at(s, xs[2], base), at(s, end, base));
    space.AddLine(at(s, xs[2], base + heights[2]), at(s, end, base));
    for (int i = 0; i < 3; ++i) {
        space.AddLine(at(s, xs[i], base), at(s, xs[i], base + heights[i]));
    }
    // Each force right of its ordinate's top, above the force line, which falls away to
    // the right; a label that would cover one placed before moves up.
    document.SetActiveLayer(kLayerTitle);
    std::vector<Box> placed;
    for (int i = 2; i >= 0; --i) {
        const std::string label = forceLabel(i + 1, forces[i]);
        const double width = sheetTextWidth(label, kSmallTextMm) / k;
        Box box{xs[i] + 1 / k, base + heights[i] + 1 / k, 0, 0};
        for (int step = 0; step < 6; ++step) {
            box.right = box.left + width;
            box.top = box.bottom + kSmallTextMm / k;
            const bool clear = std::none_of(placed.begin(), placed.end(), [&](const Box& o) {
                return Box{o.left, o.bottom - 0.5 / k, o.right, o.top + 0.5 / k}.overlaps(box);
            });
            if (clear) {
                break;
            }
            box.bottom += (kSmallTextMm + 1) / k;
        }
        placed.push_back(box);
        space.AddText(label, at(s, box.left, box.bottom), kSmallTextMm / k);
    }
    // The longest length lowest, so that no extension line crosses another dimension.
    document.SetActiveLayer(kLayerDimensions);
    for (int i = 0; i < 3; ++i) {
        const double level = top + (kWireLabel + 2 + kNextDimension * i) / k;
        space.AddDimRotated(at(s, s.x, top), at(s, xs[i], base), at(s, s.x, level), 0,
                            sizeText(lengths[i] * scale, lengths[i], ""));
    }
}

} // namespace

void drawEskdAnnotations(DrawingState& state, const DrawingParams& params,
                         cad::CadDocument& document, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    // How far the first coil's top lies from the start: the end coils reach out so that
    // the spring is L0 long at its own pitch.
    const double reach = endReach(params, params.L0);
    document.SetActiveLayer(kLayerAxes);
    drawAxes(state, params, sheet, reach);
    document.SetActiveLayer(kLayerHatch);
    hatchSections(state, params, k);
    document.SetActiveLayer(kLayerDimensions);
    drawDimensions(state, params, sheet, reach);
    if (sheet.Diagram) {
        drawDiagram(state, params, document, sheet);
    }
}

} // namespace torvelix::geometry
