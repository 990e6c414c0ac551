// The margins of the four checks, each agreeing with its verdict at the limit.
//
// For positive a and b the rounded quotient a / b is 1 or more exactly when a >= b
// (division is correctly rounded and monotone, and the quotient of two neighbouring
// doubles is never rounded to 1), so each margin is the plain ratio of the two values
// its verdict compares, with the cases of zero or negative values decided by the
// verdict's own comparison.
#include "check_margins.h"

#include <algorithm>

namespace torvelix::calc {

namespace {

// The margin of a check that passes when limit >= value (value > limit fails).
double ratioMargin(double limit, double value) {
    if (value > 0) {
        return limit / value;
    }
    return value > limit ? 0.0 : kUnboundedMargin;
}

} // namespace

double collisionMargin(double Vk, double Vmax) {
    const double verdictRatio = Vmax / Vk;
    if (!(verdictRatio > 0)) {
        return kUnboundedMargin;
    }
    // Same signs: Vk / Vmax is |Vk| / |Vmax|, 1 or more exactly when |Vmax| <= |Vk|.
    return Vk / Vmax;
}

double indexMargin(double i) {
    if (!(i > 0)) {
        return 0;
    }
    return std::min(i / 4, 12 / i);
}

double strengthMargin(double tau3, double tau) {
    return ratioMargin(tau3, tau);
}

std::optional<double> stabilityMargin(bool checkOn, double Mu, double L0, double D) {
    if (!checkOn) {
        return std::nullopt;
    }
    return ratioMargin(2.62 / Mu, L0 / D);
}

CheckMargins checkMargins(const DesignState& s, bool stabilityCheck) {
    return {collisionMargin(s.Vk, s.Vmax), indexMargin(s.i), strengthMargin(s.tau3, s.tau),
            stabilityMargin(stabilityCheck, s.Mu, s.L0, s.D)};
}

} // namespace torvelix::calc
