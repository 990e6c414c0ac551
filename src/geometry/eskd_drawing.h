// The complete drawing: the spring on a sheet with frame and title block, its lines on
// layers by what they hold, axes, hatched wire sections, dimensions and a labelled loading
// diagram. Built on the spring views through the CAD automation interface; sizes on paper
// are in millimetres and divided by the sheet's scale to give drawing units.
#pragma once

#include "drawing_state.h"

#include <optional>
#include <string>
#include <vector>

namespace torvelix::geometry {

// What the title block and the requirements above it say.
struct EskdSheetInfo {
    std::string Name = "Пружина";
    std::string Designation; // the spring's number and standard, e.g. "123 ГОСТ 13766-86"
    std::string Material;
    std::string Mass;                   // kg, as it is to be written
    std::vector<std::string> TechLines; // numbered requirement lines, top to bottom
};

// The sheet: format, its size on paper, the scale (paper millimetres per drawing
// millimetre) and its text, the lower-left corner in the drawing, and the region of the
// sheet (paper millimetres from the corner) where the spring's picture is centred.
struct SheetLayout {
    std::string Format;
    double Width = 0;
    double Height = 0;
    double Scale = 1;
    std::string ScaleText;
    Point Corner;
    double AreaLeft = 0, AreaBottom = 0, AreaRight = 0, AreaTop = 0;
};

// The layers and the dash-dot linetype of the complete drawing.
inline constexpr const char* kLayerOutline = "Контур";
inline constexpr const char* kLayerAxes = "Оси";
inline constexpr const char* kLayerHatch = "Штриховка";
inline constexpr const char* kLayerDimensions = "Размеры";
inline constexpr const char* kLayerDiagram = "Диаграмма";
inline constexpr const char* kLayerFrame = "Рамка";
inline constexpr const char* kLayerTitle = "Надписи";
inline constexpr const char* kDashDot = "ШТРИХПУНКТИРНАЯ";

// The pitch with which the full view spans `length` (the end coils' outer faces that far
// apart): (length - k d) / (n - 0.5) for closed ends, solved for the open end's tilt.
double pitchForLength(const DrawingParams& params, double length);

// The smallest of A4 portrait, A3 and A2 landscape that holds everything at the largest
// standard scale that fits it; nothing when even A2 at 1:5 is too small.
std::optional<SheetLayout> chooseSheet(const DrawingParams& params, const EskdSheetInfo& info);

// Where the spring starts (its left end on the axis) on the placed sheet.
Point springStartOnSheet(const DrawingParams& params, const SheetLayout& sheet);

// Adds the layers and the linetype (dashes sized for the scale) and sets DIMSCALE.
void prepareEskdDocument(cad::CadDocument& document, const SheetLayout& sheet);

// After a view drawn on the outline layer: axes, hatches, dimensions, and with the view
// with a break and params.WithDiagram the loading diagram with its forces and lengths.
void drawEskdAnnotations(DrawingState& state, const DrawingParams& params,
                         cad::CadDocument& document, const SheetLayout& sheet);

// The frame, the title block filled in and the requirements above it.
void drawEskdSheet(DrawingState& state, cad::CadDocument& document, const SheetLayout& sheet,
                   const EskdSheetInfo& info);

} // namespace torvelix::geometry
