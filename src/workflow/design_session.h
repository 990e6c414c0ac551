// One design run behind both faces, as commands: choose a class, a kind, a finish, a
// fixing, a view; type into a field; go forward or back; make the drawing request. Each
// command applies its own rules (what a choice switches on or off, which page comes
// next, what a page is filled with on arrival) and returns an outcome that names the
// field to mend when it fails. The faces read the snapshot and never write it.
#pragma once

#include "candidate_record.h"
#include "design_state.h"
#include "drawing_request.h"
#include "errors.h"
#include "field_id.h"
#include "message_sink.h"
#include "report_record.h"
#include "table_cache.h"
#include "wizard_snapshot.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvelix::workflow {

// What became of a command. done: it did what was asked. Otherwise error holds a
// UserError that escaped it (shown by the general error handler; a message a step
// showed itself is not repeated here), and mend names the field to mend (focused with
// its text selected), FieldId::None when there is none.
struct [[nodiscard]] Outcome {
    bool done = false;
    std::optional<UserError> error;
    FieldId mend = FieldId::None;

    static Outcome success() { return Outcome{true, std::nullopt, FieldId::None}; }
};

// The drawing request's outcome: with done set, request holds it.
struct [[nodiscard]] DrawingOutcome : Outcome {
    DrawingRequest request;
};

// The title block's material and mass as given from outside (the command line's
// --material and --mass); what is not given comes from the design, when there is one.
struct TitleBlockText {
    std::optional<std::string> material;
    std::optional<std::string> mass;
};

// How a session runs beyond its defaults: the tables read once for a run over many
// designs (table_cache.h; null: the session reads the files as it goes), and whether the
// memos' text is written (a run that takes only the records leaves the memos empty).
struct SessionSetup {
    std::shared_ptr<const tables::TableCache> tables;
    bool memoText = true;
};

class DesignSession {
public:
    // exePath: the running executable; the tables lie beside it. Messages of every
    // step go to messages, which must outlive the session. The title page is current;
    // the face calls start once it is ready.
    DesignSession(std::string exePath, MessageSink& messages, SessionSetup setup = {});

    const WizardSnapshot& snapshot() const { return values_; }
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

    // The title page's rule: in calculation mode the inputs get their defaults and the
    // first class selection checks the tables (not done when they are unusable).
    Outcome start();

    // The title page: calculation, or drawing only.
    Outcome chooseMode(bool calculation);
    // The class page. A class item (0 .. 10) runs the class selection; a three-strand
    // kind pins the first item of class III; none: the kind's text is typed over.
    Outcome chooseClass(int item);
    Outcome chooseKind(std::optional<calc::SpringKind> kind);
    Outcome chooseStrength(calc::StrengthChoice strength);
    Outcome chooseWire(calc::WireClass wire);
    // The inputs page: the winding item, the finish (writes the support and ground
    // coils), the end fixing (switches the stability check on, remembering the fixing).
    Outcome chooseWinding(int item);
    Outcome chooseFinish(geometry::EndType finish);
    Outcome chooseFixing(calc::Fixing fixing);
    // The drawing options: the view (only the view with a break keeps the diagram and
    // the requirements) and the end coils.
    Outcome chooseView(geometry::ViewType view);
    Outcome chooseEnds(geometry::EndType ends);

    // A text field as typed. Not done for a field that holds no text.
    Outcome typeText(FieldId field, const std::string& text);
    // A switch; its rule runs when the switch changes (the stability check clears or
    // restores the fixing; inscribing disables the pitch and the free length).
    Outcome setSwitch(FieldId field, bool on);
    // A drop-down: its selected item (-1: none) and the text it shows.
    Outcome chooseItem(FieldId field, int index, const std::string& text);
    // A memo's lines as edited.
    Outcome editLines(FieldId field, const std::vector<std::string>& lines);
    // The whole requirement page at once (the command line's requirements file).
    Outcome fillRequirements(const cad::TechRequirementControls& requirements);
    // The report's export has begun: its button is disabled until the page is left.
    Outcome beginExport();

    // "Вперед" and "Назад": the leave step of the current page, then the new page.
    Outcome goForward();
    Outcome goBack();

    // The drawing button's request from pages 5 to 7. A field that is not a number is
    // named to mend; a request that cannot make a drawing is shown as an error message
    // and not done. The title block's material and mass: as given, else from the design
    // when there is one (a spring calculated in this run), else empty.
    DrawingOutcome makeDrawingRequest(const TitleBlockText& given = {}) const;

    // A custom spring of wire (or cable) diameter d and outer diameter D1 of the chosen
    // class, from the inputs as the candidate page has them: computed by the row method
    // and reported as the final calculation reports (the report replaced; none when the
    // computation failed, its message shown). A diameter, class or kind the method does
    // not cover, or an input that does not convert, gives error. On the candidate page a
    // spring reported moves on to the report page, as the final calculation does; on
    // any other page the page stays.
    Outcome computeCustomSpring(double d, double D1);

    // The design's inputs by the names of the command line's options (class, kind,
    // strength, wire, fixing, stability, F1 .. n3, then num, or wire-d and D1 for a
    // custom spring), their texts as they stand.
    std::vector<std::pair<std::string, std::string>> namedInputs() const;
    // The design as data, by the file's suffix (any letter case): ".json" the object of
    // `calc --format json` (the inputs, the candidates of the last selection, the report
    // or null; no messages), ".csv" the candidates; none for any other suffix.
    std::optional<std::string> designData(const std::string& path) const;

private:
    Outcome changePage(bool forward);
    std::optional<Page> askNext(Page page);
    std::optional<Page> askPrior(Page page);
    void refreshButtons();
    Outcome leaveStep(Page page, bool forward);
    void ppList2Leave();
    bool ppList3Leave();
    void fillInputDefaults();
    void fillTechRequirements();
    void fillGeometry();
    void selectClass();
    void applyKindRule();
    void applyStabilityRule();
    void applyInscribeRule();
    geometry::EskdSheetInfo eskdSheetValues(const TitleBlockText& given) const;

    std::string exePath_;
    MessageSink& messages_;
    calc::DesignState state_;
    WizardSnapshot values_;
    bool DrawOnly_ = false;
    calc::Fixing RememberedFixing_ = calc::Fixing::None;
    bool reportReplaced_ = false;
    calc::CandidateList candidateRecords_;
    std::optional<calc::ReportRecord> reportRecord_;
    bool designed_ = false; // a spring was calculated and reported in calculation mode
    bool memoText_ = true;
    // The custom spring's wire and outer diameters while its report stands.
    std::optional<std::pair<double, double>> customSpring_;
};

} // namespace torvelix::workflow
