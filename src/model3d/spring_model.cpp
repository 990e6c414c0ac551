// The model's dimensions from the drawing's inputs or the design state, the checks that
// refuse them, and the centreline's axial layout with the working pitch fitted to L0.
#include "spring_model.h"

#include "drawing_driver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace torvelix::model3d {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Neighbouring closed coils keep this share of d between them, so that the solid never
// touches itself (a touching solid has no clean boundary to mesh or cut).
constexpr double kEndCoilGap = 0.01;
// Half the length, in turns, of the stretch where the pitch goes from d to t.
constexpr double kRampHalfTurns = 0.25;
constexpr const char* kPitchNotAboveWire =
    "Шаг пружины t должен быть\rбольше диаметра проволоки d!";

// The axial pitch at which two neighbouring coils of a helix of diameter D just touch:
// the wire's section along the axis is d / cos(lead angle) long.
double touchingPitch(double D, double d) {
    const double ratio = d / (kPi * D);
    return d / std::sqrt(1 - ratio * ratio);
}

// How far the wire reaches below its centreline at an open or unground end, where the
// wire's end face leans with the lead angle of the pitch p.
double endReach(double D, double d, double p) {
    return d / 2 * std::cos(std::atan(p / (kPi * D)));
}

} // namespace

EndCoils endCoilsOf(geometry::EndType ends) {
    switch (ends) {
    case geometry::EndType::Open:
        return {0, 0};
    case geometry::EndType::Closed:
        return {2, 0};
    case geometry::EndType::ClosedGround:
        return {2, 1.5};
    case geometry::EndType::ThreeQuarterGround:
        break;
    }
    return {1.5, 1.5};
}

SpringModelParams modelFromDrawing(const geometry::DrawingParams& params) {
    SpringModelParams model;
    const EndCoils ends = endCoilsOf(params.EndType);
    model.D = params.D0;
    model.d = params.d;
    model.n = params.n;
    model.n2 = ends.n2;
    model.n3 = ends.n3;
    model.t = params.t;
    const double endLength = (ends.n2 + 1 - ends.n3) * params.d;
    if (params.L0 > 0) {
        model.L0 = params.L0;
        if (!(model.t > 0) && params.n > 0) {
            model.t = (params.L0 - endLength) / params.n;
        }
    } else {
        model.L0 = params.n * params.t + endLength;
    }
    model.designation = "Пружина";
    return model;
}

SpringModelParams modelFromDesign(const calc::DesignState& state, std::string designation) {
    SpringModelParams model;
    model.D = state.D;
    model.d = state.d;
    model.n = state.n;
    model.n2 = state.n2;
    model.n3 = state.SpringKind == calc::SpringKind::ThreeStrand ? 0 : state.n3;
    model.t = state.t;
    model.L0 = state.L0;
    model.designation = std::move(designation);
    return model;
}

std::string designationOf(const std::string& springNumber, const std::string& springGost) {
    const auto first = springNumber.find_first_not_of(' ');
    const auto last = springNumber.find_last_not_of(' ');
    const std::string number =
        first == std::string::npos ? "" : springNumber.substr(first, last - first + 1);
    return "Пружина " + number + " ГОСТ " + springGost + "-86";
}

std::optional<std::string> checkModelParams(const SpringModelParams& p) {
    // The drawing's own checks: coils, diameters, pitch, sizes beyond a kilometre.
    geometry::DrawingParams drawing;
    drawing.ViewType = geometry::ViewType::WithBreak;
    drawing.n = std::isfinite(p.n) ? static_cast<int>(std::clamp(std::ceil(p.n), -1e6, 1e6)) : 256;
    drawing.t = p.t;
    drawing.D0 = p.D;
    drawing.d = p.d;
    drawing.L0 = p.L0;
    if (auto refusal = cad::checkDrawingParams(drawing)) {
        return refusal;
    }
    if (!(p.n > 0)) {
        return std::string("Количество рабочих витков n\rдолжно быть не меньше 1!");
    }
    if (!(p.n2 >= 0 && p.n2 <= 255)) {
        return std::string("Число опорных витков n2\rдолжно быть от 0 до 255!");
    }
    if (!(p.n3 >= 0 && p.n3 <= 255)) {
        return std::string("Число обработанных витков n3\rдолжно быть от 0 до 255!");
    }
    if (!(p.L0 > 0)) {
        return std::string("Длина в свободном состоянии L0\rдолжна быть больше нуля!");
    }
    try {
        layoutSpring(p);
    } catch (const std::invalid_argument& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

SpringLayout layoutSpring(const SpringModelParams& p) {
    SpringLayout layout;
    layout.coilRadius = p.D / 2;
    layout.wireRadius = p.d / 2;
    layout.turns = p.n + p.n2;
    layout.length = p.L0;
    layout.groundDepth = p.n3 * p.d / 2;
    const double perEnd = p.n2 / 2;
    const double closest = touchingPitch(p.D, p.d);
    // The centreline rises by L0 plus what grinding takes off, less the wire's reach
    // beyond the centreline at both unground ends.
    const double rise0 = p.L0 + 2 * layout.groundDepth;
    double endPitch = closest * (1 + kEndCoilGap);
    double workingPitch = p.t;
    for (int pass = 0; pass < 8; ++pass) {
        const double reach = endReach(p.D, p.d, perEnd > 0 ? endPitch : workingPitch);
        workingPitch = (rise0 - 2 * reach - p.n2 * endPitch) / p.n;
        if (perEnd > 0 && workingPitch < endPitch) {
            // Too short for the gap: every coil at the same, smaller pitch.
            endPitch = (rise0 - 2 * reach) / layout.turns;
            workingPitch = endPitch;
        }
    }
    if (!(workingPitch >= closest) || !(endPitch >= closest * 0.999999)) {
        throw std::invalid_argument(kPitchNotAboveWire);
    }
    layout.workingPitch = workingPitch;
    layout.endPitch = perEnd > 0 ? endPitch : workingPitch;
    layout.startHeight = endReach(p.D, p.d, layout.endPitch) - layout.groundDepth;

    // End coils, half-turn ramps centred where they meet the working coils, working coils.
    const double ramp = perEnd > 0 ? std::min({kRampHalfTurns, perEnd, p.n / 2}) : 0;
    auto add = [&layout](double from, double to, double p0, double p1) {
        if (to > from) {
            layout.stretches.push_back({from, to, p0, p1});
        }
    };
    const double top = layout.turns;
    add(0, perEnd - ramp, endPitch, endPitch);
    add(perEnd - ramp, perEnd + ramp, endPitch, workingPitch);
    add(perEnd + ramp, top - perEnd - ramp, workingPitch, workingPitch);
    add(top - perEnd - ramp, top - perEnd + ramp, workingPitch, endPitch);
    add(top - perEnd + ramp, top, endPitch, endPitch);
    return layout;
}

double centreHeight(const SpringLayout& layout, double u) {
    double z = layout.startHeight;
    for (const PitchStretch& s : layout.stretches) {
        const double span = s.toTurn - s.fromTurn;
        const double along = std::clamp(u - s.fromTurn, 0.0, span);
        // The pitch's integral over the part of the stretch below u.
        z += along * (s.fromPitch + (s.toPitch - s.fromPitch) * along / (2 * span));
    }
    return z;
}

} // namespace torvelix::model3d
