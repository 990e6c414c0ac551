// The report's value lines from the spring computed last, shared by the report of a
// table's spring and that of a custom one.
#pragma once

#include "design_state.h"
#include "report_record.h"

#include <vector>

namespace torvelix::calc {

// F1, F2, h, Vmax, Dmin, Dmax.
std::vector<ReportValue> inputValues(const DesignState& state);

// The values from the mean diameter D to the energy U, after the wire lines.
void appendComputedValues(std::vector<ReportValue>& results, const DesignState& state);

} // namespace torvelix::calc
