// One design run behind both faces: the design state, the values of the wizard's
// pages, the page flow of the two modes (which page comes next and before, what each
// page runs when it is left, what is written into a page on arrival) and the rules of
// the option controls. The window binds its widgets to it; the command line sets the
// values its options give and steps through the same pages.
#pragma once

#include "candidate_record.h"
#include "control_states.h"
#include "design_state.h"
#include "drawing_request.h"
#include "message_sink.h"
#include "report_record.h"
#include "wizard_values.h"

#include <optional>
#include <string>

namespace torvelix::workflow {

// What became of a step the user asked for (a page change, a drawing request).
struct StepOutcome {
    bool done = false;
    // An error the step let escape (a number that does not convert): shown by the
    // general error handler.
    std::optional<std::string> error;
    // The edit to mend (its control name), focused with its text selected; empty: none.
    std::string focus;
};

class DesignSession {
public:
    // exePath: the running executable; the tables lie beside it. Messages of every
    // step go to messages, which must outlive the session. The title page is current;
    // the face calls refreshButtons once it is ready, which runs the title page's rule:
    // the inputs get their defaults, and the first class selection checks the tables.
    DesignSession(std::string exePath, MessageSink& messages);

    WizardValues& values() { return values_; }
    const WizardValues& values() const { return values_; }
    const calc::DesignState& state() const { return state_; }
    bool drawOnly() const { return DrawOnly_; }
    calc::Fixing rememberedFixing() const { return RememberedFixing_; }
    // False once the tables were found unusable: the program then ends.
    bool tablesOk() const { return state_.tables.TablesOk; }
    // Whether the last final calculation ran and replaced the report (left empty when
    // the spring could not be computed).
    bool reportReplaced() const { return reportReplaced_; }
    // The records the candidate memo and the report memo were last written from: the
    // candidates of the last preliminary selection (none once one failed) and the report
    // of the last final calculation (none when its spring could not be computed).
    const calc::CandidateList& candidateRecords() const { return candidateRecords_; }
    const std::optional<calc::ReportRecord>& reportRecord() const { return reportRecord_; }

    // The page buttons: enabled when the rules give a page, whose side effects run.
    void refreshButtons();
    // "Вперед" and "Назад": the leave step of the current page, then the new page.
    StepOutcome changePage(bool forward);

    // The option controls' handlers.
    void rgKlasClick();
    void cbVidChange();
    void rbMinClick(calc::StrengthChoice choice);
    void sb21aClick(geometry::EndType finish);
    void sb21Click(calc::Fixing fixing);
    void cbUstoshivostClick();
    void sb71Click(geometry::ViewType view);
    void cb90Click();

    // The request of the AutoCAD button from pages 5 to 7. With done set, request holds
    // it; a field that is not a number gives error and focus; a request that cannot
    // make a drawing has been shown as an error message.
    StepOutcome prepareDrawing(DrawingRequest& request);

    // A custom spring of wire (or cable) diameter d and outer diameter D1 of the chosen
    // class, from the inputs as the candidate page has them: computed by the row method
    // and reported as the final calculation reports (the report replaced; none when the
    // computation failed, its message shown). A diameter, class or kind the method does
    // not cover, or an input that does not convert, gives error. The page stays.
    StepOutcome computeCustomSpring(double d, double D1);

    // The switches and texts of the requirement page, as the drawing reads them.
    cad::TechRequirementControls techRequirementValues() const;

private:
    std::optional<Page> askNext(Page page);
    std::optional<Page> askPrior(Page page);
    void leaveStep(Page page, bool forward);
    void ppList2Leave();
    bool ppList3Leave();
    void fillInputDefaults();
    void fillTechRequirements();
    void fillGeometry();
    void SelectClass();
    calc::ControlStates controlValues() const;
    geometry::EskdSheetInfo eskdSheetValues() const;

    std::string exePath_;
    MessageSink& messages_;
    calc::DesignState state_;
    WizardValues values_;
    bool DrawOnly_ = false;
    calc::Fixing RememberedFixing_ = calc::Fixing::None;
    bool reportReplaced_ = false;
    calc::CandidateList candidateRecords_;
    std::optional<calc::ReportRecord> reportRecord_;
};

} // namespace torvelix::workflow
