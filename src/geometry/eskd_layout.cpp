// The sheet of the complete drawing: the pitch that makes the spring as long as L0, the
// room its picture needs around it, the format and scale, and the layers it is drawn on.
#include "eskd_drawing.h"

#include <cmath>

namespace torvelix::geometry {

namespace {

struct Format {
    const char* name;
    double width;
    double height;
};
constexpr Format kFormats[] = {{"A4", 210, 297}, {"A3", 420, 297}, {"A2", 594, 420}};

struct Scale {
    double factor;
    const char* text;
};
// The standard scales, largest first: a sheet takes the largest that fits.
constexpr Scale kScales[] = {{10, "10:1"},  {5, "5:1"},  {4, "4:1"},   {2.5, "2,5:1"},
                             {2, "2:1"},    {1, "1:1"},  {0.5, "1:2"}, {0.4, "1:2,5"},
                             {0.25, "1:4"}, {0.2, "1:5"}};

// The frame: 20 mm at the binding edge, 5 mm elsewhere; the title block 185 x 55 mm in
// its lower right corner, the requirements above it 6 mm a line.
constexpr double kTitleWidth = 185;
constexpr double kTitleHeight = 55;
constexpr double kTechPitch = 6;

// Paper millimetres around the spring's own outline: dimensions below, to the right and
// above, the loading diagram above with its three stacked lengths and its labels.
struct Room {
    double left = 10, right = 14, below = 18, above = 14;
};

// The loading diagram goes with the view with a break only.
bool hasDiagram(const DrawingParams& p) {
    return p.ViewType == ViewType::WithBreak && p.WithDiagram;
}

Room roomFor(const DrawingParams& p) {
    Room room;
    if (hasDiagram(p)) {
        room.above = 30 + 24 + 16;
    }
    return room;
}

// The diagram's height: half the mean diameter, at least 20 mm on paper.
double diagramHeight(const DrawingParams& p, double scale) {
    return std::max(0.5 * p.D0, 20 / scale);
}

} // namespace

double pitchForLength(const DrawingParams& p, double length) {
    switch (p.EndType) {
    case EndType::Closed:
        return (length - 3 * p.d) / (p.n - 0.5);
    case EndType::ClosedGround:
        return (length - 1.5 * p.d) / (p.n - 0.5);
    case EndType::ThreeQuarterGround:
        return (length - p.d) / (p.n - 0.5);
    case EndType::Open:
        break;
    }
    // The open end reaches d / cos(tilt) beyond (n + 1) pitches, the tilt following the
    // pitch: a fixed point that a few steps find (the tilt changes slowly with t).
    double t = (length - p.d) / (p.n + 1);
    for (int step = 0; step < 50; ++step) {
        const double q = t / (2 * p.D0);
        t = (length - p.d * std::sqrt(1 + q * q)) / (p.n + 1);
    }
    return t;
}

std::optional<SheetLayout> chooseSheet(const DrawingParams& p, const EskdSheetInfo& info) {
    const Room room = roomFor(p);
    const double techHeight =
        info.TechLines.empty() ? 0 : kTechPitch * static_cast<double>(info.TechLines.size()) + 5;
    for (const Format& format : kFormats) {
        const double innerLeft = 20;
        const double innerRight = format.width - 5;
        const double innerTop = format.height - 5;
        // Above the title block and requirements, across the sheet; or, on a landscape
        // sheet, left of them over the whole height.
        const double aboveBottom = 5 + kTitleHeight + techHeight + 5;
        struct Area {
            double left, bottom, right, top;
        };
        const Area areas[] = {{innerLeft, aboveBottom, innerRight, innerTop},
                              {innerLeft, 5, innerRight - kTitleWidth, innerTop}};
        for (const Scale& scale : kScales) {
            const double k = scale.factor;
            const double width = p.L0 * k + room.left + room.right + 10;
            const double diagram = hasDiagram(p) ? diagramHeight(p, k) * k : 0;
            const double height = (p.D0 + p.d) * k + room.below + room.above + diagram + 10;
            for (const Area& area : areas) {
                if (width <= area.right - area.left && height <= area.top - area.bottom) {
                    SheetLayout sheet;
                    sheet.Format = format.name;
                    sheet.Width = format.width;
                    sheet.Height = format.height;
                    sheet.Scale = k;
                    sheet.ScaleText = scale.text;
                    sheet.AreaLeft = area.left;
                    sheet.AreaBottom = area.bottom;
                    sheet.AreaRight = area.right;
                    sheet.AreaTop = area.top;
                    return sheet;
                }
            }
        }
    }
    return std::nullopt;
}

Point springStartOnSheet(const DrawingParams& p, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    const Room room = roomFor(p);
    const double diagram = hasDiagram(p) ? diagramHeight(p, k) * k : 0;
    const double width = p.L0 * k + room.left + room.right;
    const double height = (p.D0 + p.d) * k + room.below + room.above + diagram;
    // The picture centred in its area; paper millimetres from the sheet's corner.
    const double left = (sheet.AreaLeft + sheet.AreaRight - width) / 2 + room.left;
    const double bottom = (sheet.AreaBottom + sheet.AreaTop - height) / 2 + room.below;
    const double axis = bottom + (p.D0 + p.d) * k / 2;
    return Point{sheet.Corner.x + left / k, sheet.Corner.y + axis / k, sheet.Corner.z};
}

void prepareEskdDocument(cad::CadDocument& document, const SheetLayout& sheet) {
    const double k = sheet.Scale;
    // A long dash of 12 mm, gaps of 3 mm and a dot, on paper.
    document.AddLinetype(kDashDot, "Штрихпунктирная тонкая __ . __ . __",
                         {12 / k, -3 / k, 0.0, -3 / k});
    // Solid main lines 0.5 mm, thin lines 0.25 mm.
    document.AddLayer(kLayerOutline, 7, 50, "CONTINUOUS");
    document.AddLayer(kLayerAxes, 1, 25, kDashDot);
    document.AddLayer(kLayerHatch, 8, 25, "CONTINUOUS");
    document.AddLayer(kLayerDimensions, 3, 25, "CONTINUOUS");
    document.AddLayer(kLayerDiagram, 5, 25, "CONTINUOUS");
    document.AddLayer(kLayerFrame, 7, 50, "CONTINUOUS");
    document.AddLayer(kLayerTitle, 7, 25, "CONTINUOUS");
    document.SetVariableReal("DIMSCALE", 1 / k);
}

} // namespace torvelix::geometry
