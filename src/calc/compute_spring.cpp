// One standard spring computed by the method of GOST 13765-86 from its spring-table
// row and the wire table, with its four check verdicts.
#include "spring_calc.h"

#include "class_record.h"
#include "errors.h"
#include "number_parse.h"
#include "selection_tables.h"
#include "spring_row_check.h"
#include "table_cache.h"
#include "table_fields.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace torvelix::calc {

namespace {

// A step whose result is not a finite number (division by zero, 0/0, overflow).
struct ArithmeticFault {};

double requireFinite(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticFault{};
    }
    return value;
}

double roundQuarter(double fraction) {
    if (fraction <= 0.25) {
        return 0;
    }
    if (fraction < 0.75) {
        return 0.5;
    }
    return 1;
}

// The strength of the wire row chosen by the strength level: lower, mean or upper.
double strength(const std::string& wireRow, int lowerField, StrengthChoice strengthChoice) {
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
std::optional<double> muOf(Fixing fixing) {
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
int lowerStrengthField(tables::RmWire wire, WireClass wireClass) {
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
    // A spring outside the table: its row values, taken instead of a line by number.
    const SpringRowValues* givenRow = nullptr;
};

bool compute(DesignState& s, const DesignInputs& controls, const std::string& eNum,
             const TableSources& tables, MessageSink& messages);

} // namespace

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

double RoundHalf(double x) {
    const double w = std::trunc(x);
    const double result = w + roundQuarter(x - w);
    return result == 0 ? 0.5 : result;
}

double RoundIndex(double x) {
    const double w = std::trunc(x);
    const double y = 100 * (x - w);
    const double e = std::trunc(y);
    const double result = 0.01 * e + w + 0.01 * roundQuarter(y - e);
    return result == 0 ? 0.5 : result;
}

bool ComputeSpring(DesignState& s, const DesignInputs& controls, const std::string& eNum,
                   MessageSink& messages) {
    const std::string springPath = tables::TablePath(s.tables, s.SpringGost);
    const std::string wirePath = tables::TablePath(s.tables, tables::kWireTableNumber);
    std::optional<WireTable> wire;
    const TableSources sources{
        springPath, wirePath,
        [&](long long k) { return tables::tableLine(s.tables, springPath, k); },
        [&]() -> const WireTable& { return wire.emplace(readWireTable(s.tables, wirePath)); },
        nullptr};
    return compute(s, controls, eNum, sources, messages);
}

bool ComputeSpring(DesignState& s, const DesignInputs& controls, long long number,
                   SelectionTables& tables, MessageSink& messages) {
    const TableSources sources{tables.springPath(), tables.wirePath(),
                               [&](long long k) { return tables.springLine(k); },
                               [&]() -> const WireTable& { return tables.wire(); }, nullptr};
    return compute(s, controls, std::to_string(number), sources, messages);
}

bool ComputeSpring(DesignState& s, const DesignInputs& controls, const SpringRowValues& row,
                   const std::string& springName, const WireTable& wire,
                   const std::string& wirePath, MessageSink& messages) {
    const TableSources sources{wirePath, wirePath, nullptr,
                               [&]() -> const WireTable& { return wire; }, &row};
    return compute(s, controls, springName, sources, messages);
}

namespace {

bool compute(DesignState& s, const DesignInputs& controls, const std::string& eNum,
             const TableSources& sources, MessageSink& messages) {
    const std::string* namedLast = &sources.springPath;
    const bool three = s.SpringKind == SpringKind::ThreeStrand;
    try {
        // Spring row.
        if (sources.givenRow) {
            s.F3 = sources.givenRow->F3;
            s.D1 = sources.givenRow->D1;
            s.d = sources.givenRow->d;
            s.d1 = s.d;
            s.c1 = sources.givenRow->c1;
            s.s3p = sources.givenRow->s3p;
        } else {
            const long long k = torvelix::parseInteger(eNum);
            const std::string row = sources.springLine(k);
            s.F3 = tables::SpringRowField(row, 1);
            s.D1 = tables::SpringRowField(row, 3);
            s.d = tables::SpringRowField(row, 2);
            s.d1 = s.d;
            s.c1 = tables::SpringRowField(row, 4);
            s.s3p = tables::SpringRowField(row, 5);
            // A row that `check-tables` rejects (s3' of 0 makes t = d; a value of 1e308
            // overflows) gives no spring.
            if (const auto check = tables::checkSpringRow(row, three); !check.faults.empty()) {
                messages.show(MessageIcon::Error, "Ошибка в таблице " + sources.springPath +
                                                      ", строка " + std::to_string(k) + ": " +
                                                      check.faults.front());
                return false;
            }
        }

        // Wire row: the line whose diameter equals d, else the table's last line.
        namedLast = &sources.wirePath;
        const std::string& wireRow = sources.wire().rowFor(s.d);

        const tables::ClassRecord& record = tables::classRecordOrNone(controls.classItem);
        if (record.tau3Basis == tables::Tau3Basis::FactorOfRm) {
            const int lowerField = lowerStrengthField(record.rmWire, controls.wire);
            s.tau3 = requireFinite(s.TauFactor * strength(wireRow, lowerField, s.StrengthChoice));
        } else {
            s.tau3 = s.TauFactor;
        }

        s.Vk = requireFinite((1 - requireFinite(s.F2 / s.F3)) * s.tau3 * 1000);
        s.Vk = requireFinite(s.Vk / requireFinite(std::sqrt((three ? 1.7 : 2.0) * s.G * s.Rho)));
        s.Collision = requireFinite(s.Vmax / s.Vk) > 1;
        s.c = requireFinite((s.F2 - s.F1) / s.h);
        s.n = RoundHalf(requireFinite(s.c1 / s.c));
        s.c = requireFinite(s.c1 / s.n);
        s.n1 = requireFinite(s.n + s.n2);
        s.D = requireFinite(three ? s.D1 - s.d1 : s.D1 - s.d);
        s.i = requireFinite(three ? s.D / s.d1 : s.D / s.d);
        s.i = RoundIndex(s.i);
        s.IndexOut = s.i < 4 || s.i > 12;
        if (three) {
            s.StrandFactor = StrandFactorOf(s.i);
        }
        s.s1 = requireFinite(s.F1 / s.c);
        s.s2 = requireFinite(s.F2 / s.c);
        s.s3 = requireFinite(s.F3 / s.c);
        s.L3 = requireFinite(three ? (s.n1 + 1) * s.d1 * s.StrandFactor : (s.n1 + 1 - s.n3) * s.d);
        s.L0 = requireFinite(s.L3 + s.s3);
        s.L1 = requireFinite(s.L0 - s.s1);
        s.L2 = requireFinite(s.L0 - s.s2);
        s.t = requireFinite(three ? s.d1 * s.StrandFactor + s.s3p : s.s3p + s.d);
        s.tau1 = requireFinite(requireFinite(s.F1 / s.F3) * s.tau3);
        s.tau2 = requireFinite(requireFinite(s.F2 / s.F3) * s.tau3);
        if (three) {
            s.LayAngle = requireFinite(std::atan(requireFinite(0.445 * s.i / (s.i + 1))));
            const double sin2 = std::sin(2 * s.LayAngle);
            s.StressFactor = requireFinite((1 + 0.333 * sin2 * sin2) / std::cos(s.LayAngle));
            // The three-strand stress is taken without the factor k.
            s.tau = requireFinite(1.82 * s.F3 * s.i / requireFinite(s.d1 * s.d1));
        } else {
            s.StressFactor = requireFinite(requireFinite((4 * s.i - 1) / (4 * s.i - 4)) +
                                           requireFinite(0.615 / s.i));
            s.tau = requireFinite(8 * s.StressFactor * s.F3 * s.D /
                                  requireFinite(std::numbers::pi * s.d * s.d * s.d));
        }
        s.Overstress = s.tau > s.tau3;
        if (controls.stabilityCheck) {
            if (const auto mu = muOf(controls.fixing)) {
                s.Mu = *mu;
            }
            s.Unstable = requireFinite(2.62 / s.Mu) < requireFinite(s.L0 / s.D);
        } else {
            s.Unstable = false;
        }
        s.L = requireFinite(3.2 * s.D * s.n1);
        s.m = requireFinite(1.925e-5 * s.d * s.d * s.D * s.n1);
        s.V = requireFinite(0.785 * s.D1 * s.D1 * s.L1);
        s.D2 = requireFinite(s.D1 - 2 * s.d);
        s.U = requireFinite(s.F3 * s.s3 / 2);
        return true;
    } catch (const ArithmeticFault&) {
        const std::string name = sources.givenRow ? eNum : "№ " + eNum;
        messages.show(MessageIcon::Error,
                      "Ошибка расчета пружины " + name + ". Проверьте исходные данные.");
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + *namedLast);
    } catch (const UserError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + *namedLast);
    }
    return false;
}

} // namespace

} // namespace torvelix::calc
