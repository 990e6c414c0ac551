// The candidate list as CSV for a spreadsheet: a header, then one line per candidate.
#pragma once

#include "candidate_record.h"

#include <string>

namespace torvelix::output {

// RFC 4180: fields separated by commas, lines ended by CR LF, a field holding a comma,
// a quote or a line break quoted with its quotes doubled. Numbers with a decimal point;
// an empty field where a value is unknown. Margins in percent, as in the JSON.
std::string candidatesCsv(const calc::CandidateList& list);

// One field, quoted when RFC 4180 asks for it.
std::string csvField(const std::string& text);

} // namespace torvelix::output
