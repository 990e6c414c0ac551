// The session's custom spring: the report of a spring that is no row of the class's
// table, written into the report page as the final calculation's is.
#include "custom_report.h"
#include "design_session.h"
#include "errors.h"
#include "report_text.h"

namespace torvelix::workflow {

Outcome DesignSession::computeCustomSpring(double d, double D1) {
    Outcome outcome;
    try {
        std::optional<calc::ReportRecord> report =
            calc::customSpringReport(state_, values_.design, d, D1, messages_);
        reportReplaced_ = true;
        reportRecord_ = std::move(report);
        values_.report.mm2 = reportRecord_ && memoText_ ? output::reportMemoLines(*reportRecord_)
                                                        : std::vector<std::string>{};
        designed_ = reportRecord_.has_value();
        outcome.done = reportRecord_.has_value();
        customSpring_.reset();
        if (outcome.done) {
            customSpring_ = std::make_pair(d, D1);
            if (values_.page == Page::Candidates) {
                values_.page = Page::Report;
                refreshButtons();
            }
        }
    } catch (const UserError& error) {
        outcome.error = error;
    }
    return outcome;
}

} // namespace torvelix::workflow
