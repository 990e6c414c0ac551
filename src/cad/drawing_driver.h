// The drawing driver behind the AutoCAD button: the drawing request from the page
// controls, the checks that refuse values which cannot make a drawing, and DrawSpring,
// which attaches to the CAD application, asks for the points and calls one view.
#pragma once

#include "cad_automation.h"
#include "drawing_state.h"
#include "message_sink.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace torvelix::cad {

using geometry::DrawingParams;

// The CAD connection, kept from one drawing to the next: the handles of the last
// attach, the variables read then, and the state the views share.
struct DrawingSession {
    std::shared_ptr<CadApplication> Application;
    CadDocument* Document = nullptr; // belongs to Application
    int TileMode = 0;
    int CvPort = 0;
    geometry::DrawingState Geometry;
};

// What the drawing options and the geometric parameters hold: the choices by name and
// the texts as typed.
struct DrawingInputs {
    geometry::ViewType view = geometry::ViewType::WithBreak;
    geometry::EndType ends = geometry::EndType::Open;
    int breakCoilsItem = -1; // selected item of the break's coils ("1", "2"), -1 when none
    bool inscribe = false;   // "- вписать ": the pitch fitted between two picked points
    bool diagram = false;    // "- диаграмма нагружения"
    std::string e9_n = "6", e9_t = "6", e9_D0 = "20", e9_d = "3";
    // L0, L1, L2, L3, F1, F2, F3.
    std::array<std::string, 7> lengthsAndForces = {"0", "0", "0", "0", "0", "0", "0"};
};

// The messages of the driver.
inline constexpr const char* kCadLinkError = "Ошибка связи с AutoCAD.";
inline constexpr const char* kCadNotLoaded =
    "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.01";
inline constexpr const char* kZeroLengths =
    "Параметры пружины L0, L1, L2, L3\rне должны равняться нулю!";
inline constexpr const char* kDistanceTooShort =
    "Расстояние между точками меньше\rдлины пружины в сжатом состоянии!";

// Fills the request from the inputs, parsing e9_n, e9_t, e9_D0, e9_d, then the lengths
// and forces in their order (point as decimal separator; n keeps its whole part).
// Throws torvelix::ConversionError for a text that is not a number.
DrawingParams buildDrawingParams(const DrawingInputs& inputs);

// The text of the error box for a request that cannot make a drawing, or nothing.
// Shown with the error icon before anything is minimised or drawn.
std::optional<std::string> checkDrawingParams(const DrawingParams& params);

// Attaches through connector, asks for the start point (and the end point when
// params.Inscribe), fits the pitch, sets CoilTilt, InsertPoint and DrawnLength and draws
// one view (with the loading diagram after the view with a break). params gets the
// fitted t and the rescaled L1..L3. Failures of the CAD application are shown through
// sink and the call returns normally; a request checkDrawingParams refuses is shown
// with the error icon and nothing is drawn. Other errors (std::bad_alloc, a broken
// backend) pass on: the caller restores its window in every case.
void DrawSpring(DrawingSession& session, DrawingParams& params, CadConnector& connector,
                MessageSink& sink);

// Attaches through connector and reads TILEMODE and CVPORT into the session, whose views
// then draw into the space they select. Failures of the CAD application pass on as
// CadException.
CadDocument& attachForDrawing(DrawingSession& session, CadConnector& connector);

// A picked point too far from the origin leaves no room for the spring's coordinates.
inline constexpr const char* kPointTooFar =
    "Точка лежит слишком далеко от начала координат\r(координата больше 1E9 мм)!";
bool tooFar(const Point& p);

// The loading diagram's lengths in order (L3 < L2 < L1 < L0, L3 above zero) and its
// forces (0 <= F1 < F2 < F3, finite): the text of the error box naming the first value out
// of order, or nothing. The lengths are checked with every diagram, the forces where the
// diagram is labelled with them (the complete drawing).
std::optional<std::string> checkDiagramLengths(const DrawingParams& params);
std::optional<std::string> checkDiagramForces(const DrawingParams& params);

} // namespace torvelix::cad
