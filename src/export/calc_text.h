// The command line's text of `torvelix calc`, written from the records of the two steps.
#pragma once

#include "candidate_record.h"
#include "report_record.h"

#include <string>

namespace torvelix::output {

// The candidate memo's lines, each ended by a line feed.
std::string candidateListText(const calc::CandidateList& list);

// What a final calculation that ran prints: a line of 62 '-' (left out with
// reportOnly), then the report's lines, each ended by a line feed; none when the spring
// could not be computed (report null).
std::string finalCalculationText(const calc::ReportRecord* report, bool reportOnly);

} // namespace torvelix::output
