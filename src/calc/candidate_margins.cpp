// Margins of a candidate's checks from the values and limits its record holds, by the
// same functions as the margins of the spring computed last.
#include "candidate_margins.h"

#include "check_margins.h"

#include <algorithm>

namespace torvelix::calc {

namespace {

std::optional<double> madeCheck(const Check& check, double margin) {
    if (check.verdict == Verdict::NotChecked) {
        return std::nullopt;
    }
    return margin;
}

double sortValue(const CandidateRecord& c, CandidateSortKey key) {
    switch (key) {
    case CandidateSortKey::Mass:
        return c.m;
    case CandidateSortKey::FreeLength:
        return c.L0;
    case CandidateSortKey::Force:
        return c.F3;
    case CandidateSortKey::Coils:
        return c.n;
    case CandidateSortKey::Margin:
        break;
    }
    // Descending by negation; a candidate without any check made goes after the others.
    const std::optional<double> margin = smallestMargin(c);
    return margin ? -*margin : kUnboundedMargin;
}

} // namespace

CandidateMargins candidateMargins(const CandidateRecord& c) {
    CandidateMargins m;
    if (!c.computed) {
        return m;
    }
    // The collision check holds Vmax against Vk, the index its index, strength tau
    // against tau3 and stability L0 / D against 2.62 / Mu: the last is the same
    // "value above its limit fails" ratio as strength.
    m.collision = madeCheck(c.checks.collision,
                            collisionMargin(c.checks.collision.limit, c.checks.collision.value));
    m.index = madeCheck(c.checks.index, indexMargin(c.checks.index.value));
    m.strength = madeCheck(c.checks.strength,
                           strengthMargin(c.checks.strength.limit, c.checks.strength.value));
    m.stability = madeCheck(c.checks.stability,
                            strengthMargin(c.checks.stability.limit, c.checks.stability.value));
    return m;
}

std::optional<double> smallestMargin(const CandidateRecord& candidate) {
    const CandidateMargins m = candidateMargins(candidate);
    std::optional<double> smallest;
    for (const auto& margin : {m.collision, m.index, m.strength, m.stability}) {
        if (margin && (!smallest || *margin < *smallest)) {
            smallest = margin;
        }
    }
    return smallest;
}

std::optional<CandidateSortKey> parseCandidateSortKey(const std::string& text) {
    if (text == "mass") {
        return CandidateSortKey::Mass;
    }
    if (text == "L0") {
        return CandidateSortKey::FreeLength;
    }
    if (text == "F3") {
        return CandidateSortKey::Force;
    }
    if (text == "n") {
        return CandidateSortKey::Coils;
    }
    if (text == "margin") {
        return CandidateSortKey::Margin;
    }
    return std::nullopt;
}

void sortCandidates(CandidateList& list, CandidateSortKey key) {
    std::stable_sort(list.candidates.begin(), list.candidates.end(),
                     [key](const CandidateRecord& a, const CandidateRecord& b) {
                         if (a.computed != b.computed) {
                             return a.computed;
                         }
                         return a.computed && sortValue(a, key) < sortValue(b, key);
                     });
}

void keepPassing(CandidateList& list) {
    std::erase_if(list.candidates, [](const CandidateRecord& c) { return !c.passes(); });
}

} // namespace torvelix::calc
