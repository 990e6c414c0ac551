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
    // The document's designation (the top cell), the organisation (the cell at the
    // lower right), and the surnames of the developer and the checker.
    std::string DocumentDesignation;
    std::string Organisation;
    std::string Developer;
    std::string Checker;
};

// The sheet: format, its size on paper, the scale (paper millimetres per drawing
// millimetre) and its text, the lower-left corner in the drawing, the region of the sheet
// (paper millimetres from the corner) where the spring's picture is centred, and how the
// spring is drawn there: the view (a view with a break that would leave no coil out is
// drawn whole), the length it is drawn over (L0, or less where a break leaves coils out)
// and whether the loading diagram stands above it.
struct SheetLayout {
    std::string Format;
    double Width = 0;
    double Height = 0;
    double Scale = 1;
    std::string ScaleText;
    Point Corner;
    double AreaLeft = 0, AreaBottom = 0, AreaRight = 0, AreaTop = 0;
    ViewType DrawnView = ViewType::Full;
    double ViewLength = 0;
    bool Diagram = false;
};

// The layers and the dash-dot linetype of the complete drawing. The linetype's name is the
// one CAD programs know by itself, so that they draw it dash-dot also without its pattern.
inline constexpr const char* kLayerOutline = "Контур";
inline constexpr const char* kLayerAxes = "Оси";
inline constexpr const char* kLayerHatch = "Штриховка";
inline constexpr const char* kLayerDimensions = "Размеры";
inline constexpr const char* kLayerDiagram = "Диаграмма";
inline constexpr const char* kLayerFrame = "Рамка";
inline constexpr const char* kLayerTitle = "Надписи";
inline constexpr const char* kDashDot = "DASHDOT";

// Text heights on paper: dimensions and entries 3.5 mm, captions and forces 2.5 mm.
inline constexpr double kDimensionTextMm = 3.5;
inline constexpr double kSmallTextMm = 2.5;

// The smallest of A4 portrait, A3, A2 and A1 landscape that holds the spring with its
// dimensions and diagram at the largest standard scale that fits it; nothing when even A1
// at the smallest scale is too small. The request is the one prepared for the sheet.
std::optional<SheetLayout> chooseSheet(const DrawingParams& params, const EskdSheetInfo& info);

// The paper millimetres a spring's picture needs around its outline, from left, right,
// below and above, for the dimensions, the diagram and its labels.
struct PictureRoom {
    double left = 0, right = 0, below = 0, above = 0;
};
PictureRoom pictureRoom(const DrawingParams& params, const SheetLayout& sheet);

// The diagram's height on paper: half the mean diameter, 20 to 40 mm.
double diagramHeightMm(const DrawingParams& params, double scale);

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
