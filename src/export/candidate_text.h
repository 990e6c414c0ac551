// The candidate memo's text, written from the preliminary selection's records.
#pragma once

#include "candidate_record.h"

#include <string>
#include <vector>

namespace torvelix::output {

// For every candidate: its number line; "Расчет пружины не выполнен." when it could not
// be computed; else a line per failed check, or its main values when every check
// passed; then an empty line. No candidate: no line.
std::vector<std::string> candidateMemoLines(const calc::CandidateList& list);

} // namespace torvelix::output
