// The drawing request and the state the spring views share: the connection values the
// driver prepares (target space, picked points, coil tilt), the eleven working points,
// the wire offset and the entity lists. One instance lives as long as the drawing module.
#pragma once

#include "cad_automation.h"

#include <array>
#include <vector>

namespace torvelix::geometry {

using cad::EntityRef;
using cad::Point;

// The view the drawing shows: the side view with a break (two or one coils at each end),
// the whole spring, the spring in section, or the spring in cut (wire sections only).
// Both choices are numbered from 1 in the order of the options page's buttons.
enum class ViewType { WithBreak = 1, Full, Section, Cut };

// The form of the end coils: open, not ground; closed, not ground; closed and ground
// over 3/4 of the arc; a 3/4 coil closed and ground.
enum class EndType { Open = 1, Closed, ClosedGround, ThreeQuarterGround };

// The drawing request built from the options page and the geometric-parameters page.
// The views read it after the driver's changes (t fitted, L1..L3 rescaled).
struct DrawingParams {
    int BreakCoils = 0; // coils at each end of the view with a break; any value but 1 means 2
    geometry::EndType EndType = EndType::Open;         // the end-coil form
    geometry::ViewType ViewType = ViewType::WithBreak; // the view drawn
    int n = 0;                             // working coils, a byte 0 .. 255 once checked
    double t = 0;                          // pitch, mm
    double D0 = 0;                         // mean diameter, mm
    double d = 0;                          // wire diameter, mm
    double L0 = 0, L1 = 0, L2 = 0, L3 = 0; // free length and lengths under F1, F2, F3, mm
    double F1 = 0, F2 = 0, F3 = 0;         // forces, N
    bool Inscribe = false;                 // fit the pitch between two picked points
    bool WithDiagram = false;              // loading diagram beside the view with a break
};

// Half the wire's width along the normal of a coil line that leans by CoilTilt.
struct WireOffset {
    double WireOffsetX = 0; // cos(CoilTilt) * d / 2
    double WireOffsetY = 0; // sin(CoilTilt) * d / 2
};

// What the views read and write. TargetSpace is not owned: it belongs to the document
// the driver attached to and must outlive the drawing calls.
struct DrawingState {
    cad::CadSpace* TargetSpace = nullptr;
    Point PickStart;
    Point PickEnd;
    Point InsertPoint;      // PickStart moved right by the end allowance; views move it on
    double CoilTilt = 0;    // radians between a coil line and the vertical
    double DrawnLength = 0; // mm, length of the view with a break (loading diagram)
    // When above zero, the view with a break spans this length from PickStart (the gap of
    // the break widened to it) instead of one pitch more than the coils it shows.
    double BrokenViewLength = 0;
    // The complete drawing's end coils: each closed end coil moved this far out from the
    // working coils (its back edge spans the gap), so that the spring is as long as L0 at
    // its own pitch; and open ends drawn as the last quarter turn, from the wire's cut
    // end at PickStart on the axis up to the first coil's top. 0 and false: as specified.
    double EndGap = 0;
    bool QuarterOpenEnd = false;
    std::array<Point, 11> WorkPoints{}; // P0 .. P10
    WireOffset Offset;
    std::vector<EntityRef> CoilEntities;
    std::vector<EntityRef> EndEntities;
    std::vector<EntityRef> BreakEntities;
};

} // namespace torvelix::geometry
