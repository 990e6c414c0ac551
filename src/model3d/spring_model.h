// The spring as a solid, independent of the modelling library: the dimensions the model
// is built from (from the drawing's inputs or from the design state), the checks that
// refuse values which cannot make a solid, and the axial layout of the wire's centreline.
#pragma once

#include "design_state.h"
#include "drawing_state.h"

#include <optional>
#include <string>
#include <vector>

namespace torvelix::model3d {

// What the solid is made of. Lengths in millimetres, coils as counted by the standard.
struct SpringModelParams {
    double D = 0;            // mean diameter
    double d = 0;            // wire diameter (the cable diameter of a three-strand spring)
    double n = 0;            // working coils, at the pitch t
    double n2 = 0;           // end coils of both ends together, closed to the pitch d
    double n3 = 0;           // ground coils of both ends together: n3 d / 2 ground off each end
    double t = 0;            // pitch of the working coils in the free state
    double L0 = 0;           // free length along the axis, ground faces included
    std::string designation; // names the product in the STEP file
};

// The end coils and ground coils of the four end types, as the inputs page's end-finish
// buttons set them: open (0, 0), closed (2, 0), closed and ground (2, 1.5), a 3/4 coil
// closed and ground (1.5, 1.5).
struct EndCoils {
    double n2 = 0;
    double n3 = 0;
};
EndCoils endCoilsOf(geometry::EndType ends);

// The model of the drawing's inputs (D0, d, t, n, end type). Its free length is the
// standard's n t + (n2 + 1 - n3) d, or params.L0 when that is above zero (the pitch then
// follows from it when params.t is not above zero).
SpringModelParams modelFromDrawing(const geometry::DrawingParams& params);

// The model of the spring the design state describes (after a final calculation): D, d,
// n, n2, n3, t and L0 as computed. A three-strand spring is a round cable of diameter d
// whose ends are not ground (its solid length has no ground coils).
SpringModelParams modelFromDesign(const calc::DesignState& state, std::string designation);

// The product name of a standard spring: "Пружина <number> ГОСТ <table>-86".
std::string designationOf(const std::string& springNumber, const std::string& springGost);

// The text of the error box for values that cannot make a solid (the drawing's messages
// for the same faults), or nothing.
std::optional<std::string> checkModelParams(const SpringModelParams& params);

// One stretch of the centreline over which the pitch changes linearly with the turn.
struct PitchStretch {
    double fromTurn = 0, toTurn = 0;   // turns counted from the wire's start
    double fromPitch = 0, toPitch = 0; // pitch at either end, mm per turn
};

// The centreline of a right-hand helix of radius D/2 about the Z axis starting at angle 0:
// turn u lies at angle 2 pi u and at height centreHeight(u). The spring stands on z = 0
// and ends at z = L0; ground ends are the planes z = 0 and z = L0 (groundDepth > 0).
struct SpringLayout {
    double coilRadius = 0; // D / 2
    double wireRadius = 0; // d / 2
    double turns = 0;      // n + n2
    double workingPitch = 0;
    double endPitch = 0;
    double startHeight = 0; // centreline height at turn 0
    double length = 0;      // L0
    double groundDepth = 0; // n3 d / 2 taken off each end
    std::vector<PitchStretch> stretches;
};

// The layout with the working pitch fitted so that the solid is exactly L0 long: the end
// coils lie at the smallest pitch at which neighbouring coils do not touch (about d), the
// pitch changes linearly over half a turn where end coils meet working coils.
// Throws std::invalid_argument with the pitch message when the working coils would
// overlap (checkModelParams first).
SpringLayout layoutSpring(const SpringModelParams& params);

// Height of the centreline at turn u (0 <= u <= turns).
double centreHeight(const SpringLayout& layout, double u);

} // namespace torvelix::model3d
