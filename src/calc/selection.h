// Leaving the inputs page forward: the preliminary selection of candidate springs.
// Leaving the candidate page forward: the final calculation and its report.
#pragma once

#include "candidate_record.h"
#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"
#include "report_record.h"

#include <optional>

namespace torvelix::calc {

struct SelectionOutcome {
    CandidateList list;       // every candidate (none when the spring table was not read)
    bool clearReport = false; // no candidate: the report memo mm2 is cleared too
};

// Runs ParseInputs, the two filters of the class's spring table and one ComputeSpring
// per fitting candidate. Writes controls.eNum (the proposed spring number, or "0").
// Throws ConversionError for an input or table number that does not convert; the
// window then keeps the candidate memo empty and stays on the inputs page.
SelectionOutcome preliminarySelection(DesignState& state, DesignInputs& controls,
                                      MessageSink& messages);

struct ReportOutcome {
    bool replaceReport = false; // false: mm2 keeps its lines (no spring number chosen)
    // The new report; none when the computation failed (the report is then cleared).
    std::optional<ReportRecord> report;
};

// Computes the spring in controls.eNum again and makes its report. With "0" or an
// empty number it warns and keeps the report; when the computation fails (its message
// shown) the report is cleared and none is made.
ReportOutcome finalCalculation(DesignState& state, const DesignInputs& controls,
                               MessageSink& messages);

} // namespace torvelix::calc
