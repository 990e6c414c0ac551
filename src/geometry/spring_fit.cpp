// The length rules of the spring drawing: end allowance, pitch between two points, view
// lengths and the end coils' shift for a spring drawn true to its free length.
#include "spring_fit.h"

#include <cmath>

namespace torvelix::geometry {

double coilTiltFor(double t, double D0) {
    return std::atan(t / (2 * D0));
}

double endAllowance(const DrawingParams& params, double coilTilt) {
    switch (params.EndType) {
    case EndType::Open:
        return 0.75 * params.t + params.d / (2 * std::cos(coilTilt));
    case EndType::Closed:
        return 1.5 * params.d;
    case EndType::ClosedGround:
        return 0.75 * params.d;
    case EndType::ThreeQuarterGround:
        break;
    }
    return 0.5 * params.d;
}

double inscribedPitch(const DrawingParams& params, double distance) {
    double k = 1;
    double q = params.n - 0.5;
    switch (params.EndType) {
    case EndType::Open:
        k = 1.01;
        q = params.n + 1;
        break;
    case EndType::Closed:
        k = 3;
        break;
    case EndType::ClosedGround:
        k = 1.5;
        break;
    case EndType::ThreeQuarterGround:
        break;
    }
    return (distance - k * params.d) / q;
}

double fullViewLength(const DrawingParams& params) {
    const double a = endAllowance(params, coilTiltFor(params.t, params.D0));
    return 2 * a + (params.n - 0.5) * params.t;
}

int breakCoilsShown(const DrawingParams& params) {
    return params.BreakCoils == 1 ? 1 : 2;
}

double brokenViewLength(const DrawingParams& params) {
    const double a = endAllowance(params, coilTiltFor(params.t, params.D0));
    return 2 * (a + breakCoilsShown(params) * params.t) + params.t;
}

bool breakLeavesNothingOut(const DrawingParams& params) {
    return params.n <= 2 * breakCoilsShown(params) + 1;
}

double endReach(const DrawingParams& params, double length) {
    return (length - (params.n - 0.5) * params.t) / 2;
}

double smallestEndReach(const DrawingParams& params) {
    if (params.EndType == EndType::Open) {
        return params.d / 2;
    }
    return endAllowance(params, coilTiltFor(params.t, params.D0)) - 0.001 * params.d;
}

} // namespace torvelix::geometry
