// The page flow: the next-page and prior-page rules with what they write into the
// pages, the leave steps of the title, inputs and candidate pages, and the page change.
#include "design_session.h"

#include "candidate_text.h"
#include "class_record.h"
#include "number_format.h"
#include "number_parse.h"
#include "report_text.h"
#include "selection.h"

#include <utility>

namespace torvelix::workflow {

// The texts the pages are filled with are assigned as whole strings: copying a short
// literal into an existing string trips GCC 12's -Wrestrict at -O3 (a false alarm in
// its inlined replace), and a moved string needs no copy anyway.
using namespace std::string_literals;

namespace {

Page offset(Page page, int by) {
    return static_cast<Page>(static_cast<int>(page) + by);
}

// Selects an item of a drop-down by index: its text, or none.
template <std::size_t N>
void selectItem(int& index, std::string& text, const std::array<const char*, N>& items, int item) {
    const bool valid = item >= 0 && item < static_cast<int>(N);
    index = valid ? item : -1;
    text = valid ? items[static_cast<std::size_t>(item)] : "";
}

// The first of the fields, in the order they are converted, whose text is not a number.
FieldId firstInvalidNumber(const WizardSnapshot& values, std::initializer_list<FieldId> fields) {
    for (const FieldId field : fields) {
        if (!tryParseNumber(values.text(field))) {
            return field;
        }
    }
    return FieldId::None;
}

} // namespace

DesignSession::DesignSession(std::string exePath, MessageSink& messages, SessionSetup setup)
    : exePath_(std::move(exePath)), messages_(messages), memoText_(setup.memoText) {
    if (setup.tables) {
        state_.tables = setup.tables->checked;
        state_.tables.Cache = std::move(setup.tables);
    }
    // The pages' texts are empty until the title page fills them.
    calc::DesignInputs& d = values_.design;
    d.eF1.clear();
    d.eF2.clear();
    d.eH.clear();
    d.eV.clear();
    d.eDn1.clear();
    d.eDn2.clear();
    d.LZagot = kDefaultBlank;
    cad::DrawingInputs& g = values_.drawing;
    g.e9_n.clear();
    g.e9_t.clear();
    g.e9_D0.clear();
    g.e9_d.clear();
    for (std::string& text : g.lengthsAndForces) {
        text.clear();
    }
}

Outcome DesignSession::start() {
    refreshButtons();
    // Drawing alone reads no table; a calculation needs them usable.
    return !values_.title.calculation || tablesOk() ? Outcome::success() : Outcome{};
}

std::optional<Page> DesignSession::askNext(Page page) {
    std::optional<Page> next;
    if (page != Page::Geometry) {
        next = offset(page, 1);
    }
    switch (page) {
    case Page::Title:
        if (values_.title.calculation) {
            fillInputDefaults();
            selectClass();
        } else {
            values_.drawing.ends = geometry::EndType::ClosedGround;
            next = Page::DrawingOptions;
        }
        break;
    case Page::Inputs:
        values_.candidates.L3Gost = values_.klass.LGOST;
        break;
    case Page::Report:
        // The drawing's end coils follow the finish chosen for the calculation.
        values_.report.printEnabled = true;
        values_.drawing.ends = values_.inputs.finish;
        break;
    case Page::DrawingOptions:
        if (!values_.options.requirements) {
            next = Page::Geometry;
        } else {
            fillTechRequirements();
        }
        break;
    case Page::Geometry:
        fillGeometry();
        break;
    default:
        break;
    }
    return next;
}

std::optional<Page> DesignSession::askPrior(Page page) {
    std::optional<Page> prior;
    if (page != Page::Title) {
        prior = offset(page, -1);
    }
    if (page == Page::DrawingOptions) {
        values_.report.printEnabled = true;
        if (DrawOnly_) {
            prior = Page::Title;
        }
    } else if (page == Page::Geometry && !values_.options.requirements) {
        prior = Page::DrawingOptions;
    }
    return prior;
}

void DesignSession::refreshButtons() {
    const Page page = values_.page;
    values_.priorEnabled = askPrior(page).has_value();
    values_.nextEnabled = askNext(page).has_value();
}

Outcome DesignSession::goForward() {
    return changePage(true);
}

Outcome DesignSession::goBack() {
    return changePage(false);
}

Outcome DesignSession::changePage(bool forward) {
    const Page page = values_.page;
    const std::optional<Page> target = forward ? askNext(page) : askPrior(page);
    if (!target) {
        return {};
    }
    Outcome left;
    try {
        left = leaveStep(page, forward);
    } catch (const UserError& error) {
        // The change is abandoned: the page stays and no refresh runs.
        left.error = error;
        if (page == Page::Inputs) {
            left.mend = firstInvalidNumber(
                values_, {FieldId::ForceF1, FieldId::ForceF2, FieldId::Stroke, FieldId::MaxSpeed,
                          FieldId::MinOuterDiameter, FieldId::MaxOuterDiameter,
                          FieldId::SupportCoils, FieldId::GroundCoils});
        } else if (page == Page::Candidates) {
            left.mend = FieldId::SpringNumber;
        }
        return left;
    }
    if (!left.done) {
        // The step has shown its own message: the page stays, the field to mend in focus.
        return left;
    }
    values_.page = *target;
    refreshButtons();
    return Outcome::success();
}

Outcome DesignSession::leaveStep(Page page, bool forward) {
    if (page == Page::Title) {
        DrawOnly_ = !values_.title.calculation;
    } else if (page == Page::Inputs && forward) {
        ppList2Leave();
    } else if (page == Page::Candidates && forward) {
        if (!ppList3Leave()) {
            return Outcome{false, std::nullopt, FieldId::SpringNumber};
        }
    }
    return Outcome::success();
}

void DesignSession::ppList2Leave() {
    values_.candidates.mm1.clear();
    candidateRecords_ = {};
    // The spring number changes only when the selection runs through.
    const std::string typed = values_.design.eNum;
    calc::SelectionOutcome outcome;
    try {
        outcome = calc::preliminarySelection(state_, values_.design, messages_);
    } catch (...) {
        values_.design.eNum = typed;
        throw;
    }
    candidateRecords_ = std::move(outcome.list);
    if (memoText_) {
        values_.candidates.mm1 = output::candidateMemoLines(candidateRecords_);
    }
    if (outcome.clearReport) {
        values_.report.mm2.clear();
        reportRecord_.reset();
        customSpring_.reset();
    }
}

bool DesignSession::ppList3Leave() {
    const calc::DesignInputs& design = values_.design;
    reportReplaced_ = false;
    try {
        calc::ReportOutcome outcome = calc::finalCalculation(state_, design, messages_);
        reportReplaced_ = outcome.replaceReport;
        if (!outcome.replaceReport) {
            return true;
        }
        reportRecord_ = std::move(outcome.report);
        customSpring_.reset();
        values_.report.mm2 = reportRecord_ && memoText_ ? output::reportMemoLines(*reportRecord_)
                                                        : std::vector<std::string>{};
        designed_ = reportRecord_.has_value();
        if (!reportRecord_) {
            // The spring could not be computed (its message shown): there is no report to
            // go on to. A three-strand spring number that is not a whole number also
            // gets its conversion message, as the report's wire line would give it.
            if (tables::classRecordOrNone(design.classItem).threeStrand) {
                (void)parseInteger(design.eNum);
            }
            return false;
        }
        return true;
    } catch (const IntegerConversionError&) {
        // The report had been cleared and begun when the spring number failed to convert.
        values_.report.mm2.clear();
        reportRecord_.reset();
        customSpring_.reset();
        designed_ = false;
        throw;
    }
}

void DesignSession::fillInputDefaults() {
    calc::DesignInputs& in = values_.design;
    in.eDn1 = "10"s;
    in.eDn2 = "12"s;
    in.eH = "10"s;
    in.eF1 = "20"s;
    in.eF2 = "80"s;
    in.eV = "3"s;
    in.eN2 = "2"s;
    in.eN3 = "1.5"s;
}

void DesignSession::fillTechRequirements() {
    RequirementsPage& page = values_.requirements;
    cad::TechRequirementControls& tt = page.tt;
    if (DrawOnly_) {
        tt.e6Num = "1"s;
        selectItem(page.gostIndex, tt.comb6Gost, kSpringGostItems, 0);
        tt.e6n = "0"s;
        tt.e6n1 = "0"s;
        selectItem(page.windingIndex, tt.comb6Naviv, kWindingItems, 0);
        tt.e6Tau = "0"s;
        tt.e6L = "0"s;
    } else {
        const auto general = [](double value) { return formatGeneral(value, 15); };
        tt.e6Num = values_.design.eNum;
        selectItem(page.gostIndex, tt.comb6Gost, kSpringGostItems, values_.design.classItem);
        tt.e6n = general(state_.n);
        tt.e6n1 = general(state_.n1);
        selectItem(page.windingIndex, tt.comb6Naviv, kWindingItems, values_.inputs.winding);
        tt.e6Tau = general(state_.tau3);
        tt.e6L = general(state_.L);
    }
    tt.e6G = "78500"s;
    tt.e6HRC = "32"s;
    tt.e6Dc.clear();
    tt.e6TT.clear();
}

void DesignSession::fillGeometry() {
    cad::DrawingInputs& g = values_.drawing;
    if (DrawOnly_) {
        g.e9_D0 = "20"s;
        g.e9_d = "3"s;
        g.e9_t = "6"s;
        g.e9_n = "6"s;
        g.lengthsAndForces.fill("0"s);
    } else {
        const auto general = [](double value, int digits = 6) {
            return formatGeneral(value, digits);
        };
        g.e9_D0 = general(state_.D);
        g.e9_d = general(state_.d);
        g.e9_t = general(state_.t);
        g.e9_n = general(state_.n, 4);
        const std::array<double, 7> lengthsAndForces = {state_.L0, state_.L1, state_.L2, state_.L3,
                                                        state_.F1, state_.F2, state_.F3};
        for (std::size_t k = 0; k < lengthsAndForces.size(); ++k) {
            g.lengthsAndForces[k] = general(lengthsAndForces[k]);
        }
    }
    // The complete drawing draws the spring as long as L0 in every view.
    values_.geometry.freeLengthEnabled = g.diagram || values_.options.eskd;
    values_.geometry.diagramEnabled = g.diagram;
    values_.geometry.breakCoilsEnabled = g.view == geometry::ViewType::WithBreak;
}

} // namespace torvelix::workflow
