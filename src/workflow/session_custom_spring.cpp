// The session's custom spring: the report of a spring that is no row of the class's
// table, written into the report page as the final calculation's is.
#include "custom_report.h"
#include "design_session.h"
#include "errors.h"
#include "report_text.h"

namespace torvelix::workflow {

StepOutcome DesignSession::computeCustomSpring(double d, double D1) {
    StepOutcome outcome;
    const calc::ControlStates controls = controlValues();
    try {
        std::optional<calc::ReportRecord> report =
            calc::customSpringReport(state_, controls, d, D1, messages_);
        reportReplaced_ = true;
        reportRecord_ = std::move(report);
        values_.report.mm2 =
            reportRecord_ ? output::reportMemoLines(*reportRecord_) : std::vector<std::string>{};
        outcome.done = reportRecord_.has_value();
    } catch (const UserError& error) {
        outcome.error = error.what();
    }
    return outcome;
}

} // namespace torvelix::workflow
