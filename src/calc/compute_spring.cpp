// One standard spring computed by the method of GOST 13765-86 from its spring-table
// row and the wire table, with its four check verdicts.
#include "spring_calc.h"

#include "class_record.h"
#include "errors.h"
#include "number_parse.h"
#include "selection_tables.h"
#include "table_fields.h"
#include "table_files.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace torvelix::calc {

namespace {

// A step whose result is not a finite number (division by zero, 0/0, overflow).
struct ArithmeticFault {};

double Finite(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticFault{};
    }
    return value;
}

double RoundQuarter(double fraction) {
    if (fraction <= 0.25) {
        return 0;
    }
    if (fraction < 0.75) {
        return 0.5;
    }
    return 1;
}

double StrandFactorOf(double i) {
    if (i <= 4) {
        return 1.029;
    }
    if (i <= 4.5) {
        return 1.021;
    }
    if (i <= 5) {
        return 1.015;
    }
    if (i <= 5.5) {
        return 1.010;
    }
    // The band 5.5 < i < 6 takes the value of the next band.
    if (i < 7) {
        return 1.005;
    }
    return 1.0;
}

// The strength of the wire row chosen by the strength level: lower, mean or upper.
double Strength(const std::string& wireRow, int lowerField, StrengthChoice strengthChoice) {
    const double lower = tables::WireRowField(wireRow, lowerField);
    const double upper = tables::WireRowField(wireRow, lowerField + 1);
    if (strengthChoice == StrengthChoice::Minimum) {
        return lower;
    }
    if (strengthChoice == StrengthChoice::Mean) {
        return (lower + upper) / 2;
    }
    return upper;
}

// The length factor mu of each end fixing; none leaves mu as it was.
std::optional<double> MuOf(Fixing fixing) {
    switch (fixing) {
    case Fixing::FixedFree:
        return 2;
    case Fixing::HingedHinged:
        return 1;
    case Fixing::FixedHinged:
        return 0.7;
    case Fixing::FixedFixed:
        return 0.5;
    case Fixing::None:
        break;
    }
    return std::nullopt;
}

// The lower-strength field of the wire the item's tau3 is a factor of.
int LowerStrengthField(tables::RmWire wire, WireClass wireClass) {
    using namespace tables::wire_layout;
    if (wire == tables::RmWire::ClassI) {
        return kClassILowerField;
    }
    return wireClass == WireClass::II ? kClassIILowerField : kClassIIALowerField;
}

// Where a computation takes its spring row (by number) and its wire table from.
struct TableSources {
    const std::string& springPath;
    const std::string& wirePath;
    std::function<std::string(long long)> springLine; // throws TableIoError
    std::function<const WireTable&()> wire;           // throws TableIoError
};

bool Compute(DesignState& s, const ControlStates& controls, const std::string& eNum,
             const TableSources& tables, MessageSink& messages);

} // namespace

double RoundHalf(double x) {
    const double w = std::trunc(x);
    const double result = w + RoundQuarter(x - w);
    return result == 0 ? 0.5 : result;
}

double RoundIndex(double x) {
    const double w = std::trunc(x);
    const double y = 100 * (x - w);
    const double e = std::trunc(y);
    const double result = 0.01 * e + w + 0.01 * RoundQuarter(y - e);
    return result == 0 ? 0.5 : result;
}

bool ComputeSpring(DesignState& s, const ControlStates& controls, const std::string& eNum,
                   MessageSink& messages) {
    const std::string springPath = tables::TablePath(s.tables, s.SpringGost);
    const std::string wirePath = tables::TablePath(s.tables, tables::kWireTableNumber);
    std::optional<WireTable> wire;
    const TableSources sources{
        springPath, wirePath, [&](long long k) { return tables::ReadTableLine(springPath, k); },
        [&]() -> const WireTable& { return wire.emplace(ReadWireTable(wirePath)); }};
    return Compute(s, controls, eNum, sources, messages);
}

bool ComputeSpring(DesignState& s, const ControlStates& controls, long long number,
                   SelectionTables& tables, MessageSink& messages) {
    const TableSources sources{tables.springPath(), tables.wirePath(),
                               [&](long long k) { return tables.springLine(k); },
                               [&]() -> const WireTable& { return tables.wire(); }};
    return Compute(s, controls, std::to_string(number), sources, messages);
}

namespace {

bool Compute(DesignState& s, const ControlStates& controls, const std::string& eNum,
             const TableSources& sources, MessageSink& messages) {
    const std::string* namedLast = &sources.springPath;
    const bool three = s.SpringKind == SpringKind::ThreeStrand;
    try {
        // Spring row.
        const long long k = torvelix::ParseInteger(eNum);
        const std::string row = sources.springLine(k);
        s.F3 = tables::SpringRowField(row, 1);
        s.D1 = tables::SpringRowField(row, 3);
        s.d = tables::SpringRowField(row, 2);
        s.d1 = s.d;
        s.c1 = tables::SpringRowField(row, 4);
        s.s3p = tables::SpringRowField(row, 5);

        // Wire row: the line whose diameter equals d, else the table's last line.
        namedLast = &sources.wirePath;
        const std::string& wireRow = sources.wire().RowFor(s.d);

        const tables::ClassRecord& record = tables::ClassRecordOrNone(controls.classItem);
        if (record.tau3Basis == tables::Tau3Basis::FactorOfRm) {
            const int lowerField = LowerStrengthField(record.rmWire, controls.wire);
            s.tau3 = Finite(s.TauFactor * Strength(wireRow, lowerField, s.StrengthChoice));
        } else {
            s.tau3 = s.TauFactor;
        }

        s.Vk = Finite((1 - Finite(s.F2 / s.F3)) * s.tau3 * 1000);
        s.Vk = Finite(s.Vk / Finite(std::sqrt((three ? 1.7 : 2.0) * s.G * s.Rho)));
        s.Collision = Finite(s.Vmax / s.Vk) > 1;
        s.c = Finite((s.F2 - s.F1) / s.h);
        s.n = RoundHalf(Finite(s.c1 / s.c));
        s.c = Finite(s.c1 / s.n);
        s.n1 = Finite(s.n + s.n2);
        s.D = Finite(three ? s.D1 - s.d1 : s.D1 - s.d);
        s.i = Finite(three ? s.D / s.d1 : s.D / s.d);
        s.i = RoundIndex(s.i);
        s.IndexOut = s.i < 4 || s.i > 12;
        if (three) {
            s.StrandFactor = StrandFactorOf(s.i);
        }
        s.s1 = Finite(s.F1 / s.c);
        s.s2 = Finite(s.F2 / s.c);
        s.s3 = Finite(s.F3 / s.c);
        s.L3 = Finite(three ? (s.n1 + 1) * s.d1 * s.StrandFactor : (s.n1 + 1 - s.n3) * s.d);
        s.L0 = Finite(s.L3 + s.s3);
        s.L1 = Finite(s.L0 - s.s1);
        s.L2 = Finite(s.L0 - s.s2);
        s.t = Finite(three ? s.d1 * s.StrandFactor + s.s3p : s.s3p + s.d);
        s.tau1 = Finite(Finite(s.F1 / s.F3) * s.tau3);
        s.tau2 = Finite(Finite(s.F2 / s.F3) * s.tau3);
        if (three) {
            s.LayAngle = Finite(std::atan(Finite(0.445 * s.i / (s.i + 1))));
            const double sin2 = std::sin(2 * s.LayAngle);
            s.StressFactor = Finite((1 + 0.333 * sin2 * sin2) / std::cos(s.LayAngle));
            // The three-strand stress is taken without the factor k.
            s.tau = Finite(1.82 * s.F3 * s.i / Finite(s.d1 * s.d1));
        } else {
            s.StressFactor = Finite(Finite((4 * s.i - 1) / (4 * s.i - 4)) + Finite(0.615 / s.i));
            s.tau = Finite(8 * s.StressFactor * s.F3 * s.D /
                           Finite(std::numbers::pi * s.d * s.d * s.d));
        }
        s.Overstress = s.tau > s.tau3;
        if (controls.stabilityCheck) {
            if (const auto mu = MuOf(controls.fixing)) {
                s.Mu = *mu;
            }
            s.Unstable = Finite(2.62 / s.Mu) < Finite(s.L0 / s.D);
        } else {
            s.Unstable = false;
        }
        s.L = Finite(3.2 * s.D * s.n1);
        s.m = Finite(1.925e-5 * s.d * s.d * s.D * s.n1);
        s.V = Finite(0.785 * s.D1 * s.D1 * s.L1);
        s.D2 = Finite(s.D1 - 2 * s.d);
        s.U = Finite(s.F3 * s.s3 / 2);
        return true;
    } catch (const ArithmeticFault&) {
        messages.show(MessageIcon::Error,
                      "Ошибка расчета пружины № " + eNum + ". Проверьте исходные данные.");
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + *namedLast);
    } catch (const UserError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + *namedLast);
    }
    return false;
}

} // namespace

} // namespace torvelix::calc
