// The row method of GOST 13765-86 for one wire and outer diameter, the same formulas
// and roundings as the table generator's.
#include "row_method.h"

#include "errors.h"
#include "number_format.h"
#include "significant_digits.h"
#include "spring_calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace torvelix::calc {

namespace {

// Three wires of diameter d laid into a cable of diameter d1 = 2.155 d.
constexpr double kCablePerWire = 2.155;
// The free pitch of a three-strand row at most this share of the mean diameter.
constexpr double kThreeStrandPitchRatio = 0.6;
// (D1 - d) / d of an exact index may come out a hair off in binary.
constexpr double kIndexSlack = 1e-9;
// Steps of one unit in the last place the force may be lowered by.
constexpr int kMaxForceSteps = 64;

double wahlFactor(double i) {
    return (4 * i - 1) / (4 * i - 4) + 0.615 / i;
}

// The stress at F3 as the strength check of the spring computation works it out, in
// the same order of operations.
double checkedStress(const RowMethodInput& in, double F3) {
    const double D = in.D1 - in.d;
    const double i = RoundIndex(D / in.d);
    if (in.threeStrand) {
        return 1.82 * F3 * i / (in.d * in.d);
    }
    return 8 * wahlFactor(i) * F3 * D / (std::numbers::pi * in.d * in.d * in.d);
}

double singleStiffness(double d, double D1) {
    const double D = D1 - d;
    return kSteelShearModulusMPa * std::pow(d, 4.0) / (8 * std::pow(D, 3.0));
}

// Coil stiffness of a cable of three wires d1 / 2.155 laid at
// beta = arctan(0.445 i / (i + 1)).
double threeStiffness(double d1, double D1) {
    const double D = D1 - d1;
    const double i = D / d1;
    const double wire = d1 / kCablePerWire;
    const double layAngle = std::atan(0.445 * i / (i + 1));
    return 3 * kSteelShearModulusMPa * std::pow(wire, 4.0) * std::cos(layAngle) /
           (8 * std::pow(D, 3.0));
}

} // namespace

void checkRowDiameters(bool threeStrand, double d, double D1) {
    if (!std::isfinite(d) || !std::isfinite(D1)) {
        throw UserError("Диаметры пружины должны быть конечными числами.");
    }
    const std::string what = threeStrand ? "троса" : "проволоки";
    if (d <= 0) {
        throw UserError("Диаметр " + what + " должен быть больше нуля (задан " + formatGeneral(d) +
                        " мм).");
    }
    if (D1 <= d) {
        throw UserError("Наружный диаметр пружины " + formatGeneral(D1) +
                        " мм должен быть больше диаметра " + what + " " + formatGeneral(d) +
                        " мм.");
    }
    const double i = (D1 - d) / d;
    if (i < kRowIndexMin - kIndexSlack || i > kRowIndexMax + kIndexSlack) {
        throw UserError("Индекс пружины (D1 - d) / d = " + formatGeneral(i) +
                        " выходит за диапазон 4...12, который охватывает расчет по ГОСТ "
                        "13765-86. Наружный диаметр должен быть от " +
                        formatGeneral(d * (kRowIndexMin + 1)) + " до " +
                        formatGeneral(d * (kRowIndexMax + 1)) + " мм.");
    }
}

void checkRowMethodInput(const RowMethodInput& in) {
    checkRowDiameters(in.threeStrand, in.d, in.D1);
    if (!std::isfinite(in.tau3) || !(in.tau3 > 0)) {
        throw UserError("Максимальное касательное напряжение класса должно быть больше нуля.");
    }
}

double rowCapacity(const RowMethodInput& in) {
    const double D = in.D1 - in.d;
    const double i = D / in.d;
    if (in.threeStrand) {
        return in.tau3 * in.d * in.d / (1.82 * std::max(i, RoundIndex(i)));
    }
    const double k = std::max(wahlFactor(i), wahlFactor(RoundIndex(i)));
    return std::numbers::pi * std::pow(in.d, 3.0) * in.tau3 / (8 * k * D);
}

ComputedRow springRow(const RowMethodInput& in) {
    checkRowMethodInput(in);
    ComputedRow row;
    row.F3 = rowCapacity(in);
    // The capacity and the checked stress are one formula worked in two orders; a
    // rounding of the last bit must not fail the spring that sits at tau3.
    // Both carry a few roundings each, so a handful of steps always suffices.
    for (int step = 0; checkedStress(in, row.F3) > in.tau3; ++step) {
        if (step == kMaxForceSteps) {
            throw std::logic_error("row method: the strength check's stress does not meet "
                                   "the capacity");
        }
        row.F3 = std::nextafter(row.F3, 0.0);
    }
    if (in.threeStrand) {
        const double D = in.D1 - in.d;
        // The cable's own deflection would give pitches of several D, coils that
        // cannot exist: the deflection is held to what leaves the free pitch at 0.6 D.
        const double room =
            kThreeStrandPitchRatio * D - in.d * StrandFactorOf(RoundIndex(D / in.d));
        row.s3p = cutSignificant(std::min(row.F3 / threeStiffness(in.d, in.D1), room), 3);
        row.c1 = roundSignificant(row.F3 / row.s3p, 4);
    } else {
        row.c1 = roundSignificant(singleStiffness(in.d, in.D1), 4);
        row.s3p = roundSignificant(row.F3 / row.c1, 3);
    }
    if (!(std::isfinite(row.F3) && std::isfinite(row.c1) && std::isfinite(row.s3p) && row.F3 > 0 &&
          row.c1 > 0 && row.s3p > 0)) {
        throw UserError("Расчет по ГОСТ 13765-86 для d = " + formatGeneral(in.d) +
                        " мм и D1 = " + formatGeneral(in.D1) +
                        " мм не дает конечных положительных значений F3, c1 и s3'.");
    }
    return row;
}

} // namespace torvelix::calc
