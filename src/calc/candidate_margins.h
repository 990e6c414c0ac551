// The check margins of a candidate spring and the orders and filter the candidate list
// can be shown in: by size, by force, by coils or by the smallest margin.
#pragma once

#include "candidate_record.h"

#include <optional>
#include <string>

namespace torvelix::calc {

// The margin of each check of a candidate as a ratio, 1 or more exactly when the check
// passed (check_margins.h); none for a check that was not made (the stability check
// off, or a candidate whose computation failed). kUnboundedMargin where the check
// cannot fail.
struct CandidateMargins {
    std::optional<double> collision, index, strength, stability;
};

CandidateMargins candidateMargins(const CandidateRecord& candidate);

// The smallest of the margins made; none when no check was made.
std::optional<double> smallestMargin(const CandidateRecord& candidate);

enum class CandidateSortKey { Mass, FreeLength, Force, Coils, Margin };

// "mass", "L0", "F3", "n", "margin"; none for any other text.
std::optional<CandidateSortKey> parseCandidateSortKey(const std::string& text);

// Sorts the candidates stably: mass, L0, F3 and n ascending, the smallest margin
// descending (the safest spring first). Candidates whose computation failed go last,
// in the table's order.
void sortCandidates(CandidateList& list, CandidateSortKey key);

// Keeps only the candidates that were computed and passed every check.
void keepPassing(CandidateList& list);

} // namespace torvelix::calc
