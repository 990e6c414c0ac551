// The candidates' CSV: the same fields as their JSON, checks flattened to
// <check>_ok and <check>_margin columns.
#include "candidate_csv.h"

#include "candidate_margins.h"
#include "json_number.h"

#include <optional>

namespace torvelix::output {

namespace {

std::string numberField(std::optional<double> value) {
    const std::string text = value ? formatJsonNumber(*value) : "null";
    return text == "null" ? "" : text;
}

std::string checkFields(bool computed, const calc::Check& check, std::optional<double> margin) {
    const bool ok = computed && !check.failed();
    return std::string(ok ? "true" : "false") + "," +
           numberField(margin ? std::optional<double>(*margin * 100) : std::nullopt);
}

} // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char ch : text) {
        quoted += ch;
        if (ch == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string candidatesCsv(const calc::CandidateList& list) {
    std::string text = "number,F3,d,D1,n,L0,L1,L2,L3,i,t,mass,passes,collision_ok,"
                       "collision_margin,index_ok,index_margin,strength_ok,strength_margin,"
                       "stability_ok,stability_margin\r\n";
    for (const calc::CandidateRecord& c : list.candidates) {
        const auto known = [&](double value) {
            return c.computed ? std::optional<double>(value) : std::nullopt;
        };
        std::string line = csvField(std::to_string(c.number));
        for (const double value :
             {c.F3, c.d, c.D1.value, c.n, c.L0, c.L1, c.L2, c.L3, c.i, c.t, c.m}) {
            line.append(1, ',').append(csvField(numberField(known(value))));
        }
        line += c.passes() ? ",true" : ",false";
        const calc::CandidateMargins m = calc::candidateMargins(c);
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on a short
        // literal joined to a string with operator+.
        line.append(1, ',').append(checkFields(c.computed, c.checks.collision, m.collision));
        line.append(1, ',').append(checkFields(c.computed, c.checks.index, m.index));
        line.append(1, ',').append(checkFields(c.computed, c.checks.strength, m.strength));
        line.append(1, ',').append(checkFields(c.computed, c.checks.stability, m.stability));
        text.append(line).append("\r\n");
    }
    return text;
}

} // namespace torvelix::output
