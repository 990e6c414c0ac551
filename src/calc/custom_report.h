// The report of a custom spring (no row of a table): its row by the row method, its
// computation, then the report's values as for a table's spring.
#pragma once

#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"
#include "report_record.h"

#include <optional>

namespace torvelix::calc {

// Runs computeCustomSpring and makes the report, whose spring is named by
// kCustomSpringDesignation (customSpring set, number 0). None when the computation
// failed (its message shown). Throws as computeCustomSpring does.
std::optional<ReportRecord> customSpringReport(DesignState& state, const DesignInputs& controls,
                                               double d, double D1, MessageSink& messages);

} // namespace torvelix::calc
