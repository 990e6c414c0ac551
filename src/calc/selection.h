// Leaving the inputs page forward: the preliminary selection of candidate springs.
// Leaving the candidate page forward: the final calculation and its report.
#pragma once

#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"

#include <string>
#include <vector>

namespace torvelix::calc {

struct SelectionOutcome {
    std::vector<std::string> mm1; // the candidate memo's lines (the memo is cleared first)
    bool clearReport = false;     // no candidate: the report memo mm2 is cleared too
};

// Runs ParseInputs, the two filters of the class's spring table and one ComputeSpring
// per fitting candidate. Writes controls.eNum (the proposed spring number, or "0").
// Throws ConversionError for an input or table number that does not convert; the
// window then keeps the candidate memo empty and stays on the inputs page.
SelectionOutcome preliminarySelection(DesignState& state, DesignInputs& controls,
                                      MessageSink& messages);

// The candidate list's entry for a row: its number padded with blanks to four
// characters, then the row as read ("7   " + row, "1234" + row).
std::string candidateEntry(long long number, const std::string& row);

// The report's first five lines: the banner, author and contact lines.
std::vector<std::string> reportHeader();

struct ReportOutcome {
    bool replaceReport = false;   // false: mm2 keeps its lines (no spring number chosen)
    std::vector<std::string> mm2; // the new report (empty when the computation failed)
};

// Computes the spring in controls.eNum again and writes the report. With "0" or an
// empty number it warns and keeps the report; when the computation fails (its message
// shown) the report is cleared and none is written.
ReportOutcome finalCalculation(DesignState& state, const DesignInputs& controls,
                               MessageSink& messages);

} // namespace torvelix::calc
