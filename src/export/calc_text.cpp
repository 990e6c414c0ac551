// The command line's text: the memo lines of the window, one per output line.
#include "calc_text.h"

#include "candidate_text.h"
#include "report_text.h"

#include <vector>

namespace torvelix::output {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

std::string candidateListText(const calc::CandidateList& list) {
    return joined(candidateMemoLines(list));
}

std::string finalCalculationText(const calc::ReportRecord* report, bool reportOnly) {
    std::string text = reportOnly ? "" : std::string(62, '-') + "\n";
    if (report) {
        text += joined(reportMemoLines(*report));
    }
    return text;
}

} // namespace torvelix::output
