// The preliminary selection's result as data: one record per candidate spring with its
// table values, its computed values and its four checks. Formatters write the texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace torvelix::calc {

enum class Verdict { Passed, Failed, NotChecked };

// One check of a spring: the value checked and the limit it is compared with. Every
// check fails when the value exceeds its limit, except the index, which fails outside
// 4 .. 12 (its limit is then the bound of that range nearer to the index). The verdict
// is the computation's own, so a margin limit - value is positive where it passed.
struct Check {
    Verdict verdict = Verdict::NotChecked;
    double value = 0;
    double limit = 0;

    bool failed() const { return verdict == Verdict::Failed; }
};

// The four checks of GOST 13765-86, in the order the candidate list names them.
struct SpringChecks {
    Check collision; // the speed Vmax against the critical speed Vk, m/s
    Check index;     // the index i against the bound of 4 .. 12 nearer to it
    Check strength;  // the stress tau against the highest stress tau3, MPa
    Check stability; // L0 / D against 2.62 / mu; NotChecked without the stability check

    bool anyFailed() const {
        return collision.failed() || index.failed() || strength.failed() || stability.failed();
    }
};

// A field of a spring-table row: its number and its text exactly as read (UTF-8,
// blanks kept), which the lists write as they are.
struct TableField {
    double value = 0;
    std::string text;
};

// One candidate spring. Units: N, mm, MPa, kg, m/s, N/mm.
struct CandidateRecord {
    long long number = 0; // the row's line in the spring table: the spring's number
    // False when the computation failed (its message shown): nothing below is known.
    bool computed = false;

    // The row's values.
    double F3 = 0; // force at the maximum deflection
    double d = 0;  // wire diameter; for a three-strand spring the cable's diameter d1
    TableField D1; // outer diameter
    // The diameter of the cable's wire: only for an item that lists three-strand springs.
    std::optional<TableField> cableWireD;
    double c1 = 0;  // stiffness of one coil
    double s3p = 0; // maximum deflection of one coil s3'

    // Computed values.
    double n = 0, n1 = 0;                  // working and total coils
    double D = 0, i = 0;                   // mean diameter and index
    double L0 = 0, L1 = 0, L2 = 0, L3 = 0; // free length and lengths at F1, F2, F3
    double t = 0, c = 0;                   // free pitch and the spring's stiffness
    double m = 0;                          // mass, kg
    double Vk = 0;                         // critical speed, m/s
    double tau1 = 0, tau2 = 0, tau3 = 0;   // stresses at F1, F2 and the highest one
    double tau = 0;                        // computed stress at F3

    SpringChecks checks;

    // Computed and every check passed: the selection may propose it.
    bool passes() const { return computed && !checks.anyFailed(); }
};

// The candidates of one preliminary selection, in the table's order.
struct CandidateList {
    std::string springGost; // the spring table's standard number, "13766"
    std::vector<CandidateRecord> candidates;
};

} // namespace torvelix::calc
