// The rules that tie a drawn spring's length to its coils: the end allowance, the pitch
// fitted between two picked points, the length of the full view and of the view with a
// break, and the end coils' shift that makes a sheet's spring exactly L0 long at the
// design's own pitch. Every drawing path takes these from here.
#pragma once

#include "drawing_state.h"

namespace torvelix::geometry {

// The angle between a coil line and the vertical for the pitch t: arctan(t / (2 D0)).
double coilTiltFor(double t, double D0);

// How far the first working coil's top lies right of the spring's start, by end type:
// open 0.75 t + d / (2 cos tilt), closed 1.5 d, closed and ground 0.75 d, 3/4 closed 0.5 d.
double endAllowance(const DrawingParams& params, double coilTilt);

// The pitch that fits the full view between two points `distance` apart:
// (distance - k d) / q with k, q by end type (1.01, n + 1 open; 3, 1.5, 1 and n - 0.5).
double inscribedPitch(const DrawingParams& params, double distance);

// The full view's length from end to end at the pitch params.t: 2 a + (n - 0.5) t.
double fullViewLength(const DrawingParams& params);

// The view with a break at its tightest: coils at each end, the break one pitch wide:
// 2 (a + c t) + t, c = 1 for BreakCoils 1, else 2.
double brokenViewLength(const DrawingParams& params);
int breakCoilsShown(const DrawingParams& params);

// Whether the view with a break would leave no coil out: n <= 2 c + 1, where its
// tightest form is already as long as the whole spring. Such a spring is drawn whole.
bool breakLeavesNothingOut(const DrawingParams& params);

// How far the first working coil's top lies from the spring's start when the spring spans
// `length` at the pitch params.t: (length - (n - 0.5) t) / 2. On a sheet a closed end coil
// is moved out by this less endAllowance (state.EndGap); an open end is drawn as its last
// quarter turn reaching this far (state.QuarterOpenEnd).
double endReach(const DrawingParams& params, double length);

// The shortest reach the end coils can be drawn with: a closed end coil may not push into
// the first working coil (its allowance, less a thousandth of d for lengths rounded in a
// report); an open end's quarter turn needs half the wire (d / 2) to stand upright.
double smallestEndReach(const DrawingParams& params);

} // namespace torvelix::geometry
