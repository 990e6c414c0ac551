// The margin of each of the four checks of a computed spring: a ratio that is 1 or more
// exactly when the check passes, under the same strict comparisons as the verdicts of
// the spring computation (a value at its limit passes).
#pragma once

#include "design_state.h"

#include <limits>
#include <optional>

namespace torvelix::calc {

// A margin where the check cannot fail whatever the values (Vmax of no speed, or a
// negative ratio that the verdict's comparison passes). JSON writers must write it
// as they write any non-finite number.
inline constexpr double kUnboundedMargin = std::numeric_limits<double>::infinity();

// Coils collide when Vmax / Vk > 1: the margin is Vk / Vmax. Unbounded when
// Vmax / Vk <= 0 (no speed, or a critical speed of the other sign), which never
// collides.
double collisionMargin(double Vk, double Vmax);

// The index check fails when i < 4 or i > 12 (i as the computation rounds it): the
// margin is min(i / 4, 12 / i); 0 for an index of zero or below.
double indexMargin(double i);

// Strength fails when tau > tau3: the margin is tau3 / tau. For tau <= 0 it is
// unbounded when tau3 >= tau and 0 otherwise.
double strengthMargin(double tau3, double tau);

// Stability fails when 2.62 / Mu < L0 / D: the margin is (2.62 / Mu) / (L0 / D). None
// when the check is off. For L0 / D <= 0 it is unbounded when 2.62 / Mu >= L0 / D,
// 0 otherwise.
std::optional<double> stabilityMargin(bool checkOn, double Mu, double L0, double D);

struct CheckMargins {
    double collision = 0;
    double index = 0;
    double strength = 0;
    std::optional<double> stability; // none with the stability check off
};

// The four margins of the spring computed last into `state` (only meaningful after a
// computation that succeeded). stabilityCheck: the check's switch (cbUstoshivost).
CheckMargins checkMargins(const DesignState& state, bool stabilityCheck);

} // namespace torvelix::calc
