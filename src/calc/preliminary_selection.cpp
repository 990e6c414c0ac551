// The preliminary selection: the class's spring table filtered by F3 (the relative
// inertia gap of GOST 13765-86 around F2) and by the outer-diameter range; every
// fitting spring computed and recorded with its values and its four checks.
#include "class_record.h"
#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"
#include "selection.h"
#include "spring_calc.h"
#include "table_cache.h"
#include "table_fields.h"

namespace torvelix::calc {

namespace {

struct Candidate {
    long long number;       // the row's line number in the spring table
    const std::string* row; // the row exactly as read (Windows-1251)
};

// The four checks as the computation just decided them, with the values compared.
SpringChecks checksOf(const DesignState& s, bool stabilityCheck) {
    const auto verdict = [](bool failed) { return failed ? Verdict::Failed : Verdict::Passed; };
    SpringChecks checks;
    checks.collision = {verdict(s.Collision), s.Vmax, s.Vk};
    checks.index = {verdict(s.IndexOut), s.i, s.i <= 8 ? 4.0 : 12.0};
    checks.strength = {verdict(s.Overstress), s.tau, s.tau3};
    if (stabilityCheck) {
        checks.stability = {verdict(s.Unstable), s.L0 / s.D, 2.62 / s.Mu};
    }
    return checks;
}

// The record of a spring just computed from its row.
CandidateRecord recordOf(const DesignState& s, const DesignInputs& controls, long long number,
                         const std::string& row) {
    using namespace tables::spring_layout;
    CandidateRecord r;
    r.number = number;
    r.computed = true;
    r.F3 = s.F3;
    r.d = s.d;
    r.D1 = {s.D1, torvelix::cp1251ToUtf8(tables::fieldAt(row, kOuterD))};
    if (tables::classRecordOrNone(controls.classItem).threeStrand) {
        // The cable's wire is listed from the same field as the cable.
        r.cableWireD = TableField{s.d, torvelix::cp1251ToUtf8(tables::fieldAt(row, kD))};
    }
    r.c1 = s.c1;
    r.s3p = s.s3p;
    r.n = s.n;
    r.n1 = s.n1;
    r.D = s.D;
    r.i = s.i;
    r.L0 = s.L0;
    r.L1 = s.L1;
    r.L2 = s.L2;
    r.L3 = s.L3;
    r.t = s.t;
    r.c = s.c;
    r.m = s.m;
    r.Vk = s.Vk;
    r.tau1 = s.tau1;
    r.tau2 = s.tau2;
    r.tau3 = s.tau3;
    r.tau = s.tau;
    r.checks = checksOf(s, controls.stabilityCheck);
    return r;
}

} // namespace

SelectionOutcome preliminarySelection(DesignState& s, DesignInputs& controls,
                                      MessageSink& messages) {
    SelectionOutcome out;
    ParseInputs(s, controls);

    if (s.ClassGroup == tables::ClassGroup::III) {
        s.DeltaMin = 0.15;
        s.DeltaMax = 0.4;
    } else {
        s.DeltaMin = 0.05;
        s.DeltaMax = 0.25;
    }
    s.F3min = s.F2 / (1 - s.DeltaMin);
    s.F3max = s.F2 / (1 - s.DeltaMax);
    s.G = 78500;
    s.Rho = 8000;

    const std::string path = tables::TablePath(s.tables, s.SpringGost);
    tables::SharedLines lines;
    try {
        lines = tables::tableLines(s.tables, path);
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + path);
        return out;
    }

    // Every candidate is computed from the lines read here and one read of the wire
    // table.
    SelectionTables read(s.tables, path, std::move(lines),
                         tables::TablePath(s.tables, tables::kWireTableNumber));
    const auto& rows = read.springLines();
    using namespace tables::spring_layout;
    // A batch finds both columns converted already.
    const tables::NumberColumn* f3Column = tables::cachedColumn(s.tables, path, kF3);
    const tables::NumberColumn* d1Column = tables::cachedColumn(s.tables, path, kOuterDFilter);
    std::vector<Candidate> candidates;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double f3 = tables::numberAt(rows, k, kF3, f3Column);
        if (s.F3min <= f3 && f3 <= s.F3max) {
            candidates.push_back({static_cast<long long>(k + 1), &rows[k]});
        }
    }
    std::vector<Candidate> fits;
    for (const auto& c : candidates) {
        const double d1 =
            tables::numberAt(rows, static_cast<std::size_t>(c.number - 1), kOuterDFilter, d1Column);
        if (s.Dmin <= d1 && d1 <= s.Dmax) {
            fits.push_back(c);
        }
    }

    controls.eNum = std::string(1, '0');
    if (fits.empty()) {
        messages.show(MessageIcon::Warning,
                      "По стандарту пружину подобрать нельзя.\rИзмените исходные данные.");
        out.clearReport = true;
        return out;
    }

    out.list.springGost = s.SpringGost;
    for (const auto& c : fits) {
        if (!ComputeSpring(s, controls, c.number, read, messages)) {
            // Nothing of this spring is known: its record holds none of the previous
            // spring's values.
            CandidateRecord failed;
            failed.number = c.number;
            out.list.candidates.push_back(failed);
            controls.eNum = std::string(1, '0');
            continue;
        }
        out.list.candidates.push_back(recordOf(s, controls, c.number, *c.row));
        controls.eNum =
            out.list.candidates.back().passes() ? std::to_string(c.number) : std::string("0");
    }
    return out;
}

} // namespace torvelix::calc
