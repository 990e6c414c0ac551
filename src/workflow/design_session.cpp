// The page flow: the next-page and prior-page rules with what they write into the
// pages, the leave steps of the title, inputs and candidate pages, and the page change.
#include "design_session.h"

#include "candidate_text.h"
#include "class_record.h"
#include "errors.h"
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

// A leave step that showed its own message and keeps the wizard on its page.
struct PageKept {};

Page offset(Page page, int by) {
    return static_cast<Page>(static_cast<int>(page) + by);
}

// Selects an item of a drop-down by index: its text, or none.
template <std::size_t N>
void selectItem(ComboValue& combo, const std::array<const char*, N>& items, int index) {
    const bool valid = index >= 0 && index < static_cast<int>(N);
    combo.index = valid ? index : -1;
    combo.text = valid ? items[static_cast<std::size_t>(index)] : "";
}

// The first of the named texts, in the order they are converted, that is not a number.
std::string
firstInvalidNumber(std::initializer_list<std::pair<const char*, const std::string*>> texts) {
    for (const auto& [name, text] : texts) {
        if (!tryParseNumber(*text)) {
            return name;
        }
    }
    return {};
}

} // namespace

DesignSession::DesignSession(std::string exePath, MessageSink& messages)
    : exePath_(std::move(exePath)), messages_(messages) {}

std::optional<Page> DesignSession::askNext(Page page) {
    std::optional<Page> next;
    if (page != Page::Geometry) {
        next = offset(page, 1);
    }
    switch (page) {
    case Page::Title:
        if (values_.title.calculation) {
            fillInputDefaults();
            rgKlasClick();
        } else {
            values_.options.ends = geometry::EndType::ClosedGround;
            next = Page::DrawingOptions;
        }
        break;
    case Page::Inputs:
        values_.candidates.L3Gost = values_.klass.LGOST;
        break;
    case Page::Report:
        // The drawing's end coils follow the finish chosen for the calculation.
        values_.report.printEnabled = true;
        values_.options.ends = values_.inputs.finish;
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

StepOutcome DesignSession::changePage(bool forward) {
    const Page page = values_.page;
    const std::optional<Page> target = forward ? askNext(page) : askPrior(page);
    StepOutcome outcome;
    if (!target) {
        return outcome;
    }
    try {
        leaveStep(page, forward);
    } catch (const PageKept&) {
        // The step has shown its own message: the page stays, the number to mend in focus.
        outcome.focus = "eNum";
        return outcome;
    } catch (const UserError& error) {
        // The change is abandoned: the page stays and no refresh runs.
        outcome.error = error.what();
        if (page == Page::Inputs) {
            const InputsPage& in = values_.inputs;
            outcome.focus = firstInvalidNumber({{"eF1", &in.eF1},
                                                {"eF2", &in.eF2},
                                                {"eH", &in.eH},
                                                {"eV", &in.eV},
                                                {"eDn1", &in.eDn1},
                                                {"eDn2", &in.eDn2},
                                                {"eN2", &in.eN2},
                                                {"eN3", &in.eN3}});
        } else if (page == Page::Candidates) {
            outcome.focus = "eNum";
        }
        return outcome;
    }
    values_.page = *target;
    refreshButtons();
    outcome.done = true;
    return outcome;
}

void DesignSession::leaveStep(Page page, bool forward) {
    if (page == Page::Title) {
        DrawOnly_ = !values_.title.calculation;
    } else if (page == Page::Inputs && forward) {
        ppList2Leave();
    } else if (page == Page::Candidates && forward) {
        if (!ppList3Leave()) {
            throw PageKept();
        }
    }
}

void DesignSession::ppList2Leave() {
    values_.candidates.mm1.clear();
    candidateRecords_ = {};
    calc::ControlStates controls = controlValues();
    calc::SelectionOutcome outcome = calc::preliminarySelection(state_, controls, messages_);
    values_.candidates.eNum = controls.eNum;
    candidateRecords_ = std::move(outcome.list);
    values_.candidates.mm1 = output::candidateMemoLines(candidateRecords_);
    if (outcome.clearReport) {
        values_.report.mm2.clear();
        reportRecord_.reset();
    }
}

bool DesignSession::ppList3Leave() {
    const calc::ControlStates controls = controlValues();
    reportReplaced_ = false;
    try {
        calc::ReportOutcome outcome = calc::finalCalculation(state_, controls, messages_);
        reportReplaced_ = outcome.replaceReport;
        if (!outcome.replaceReport) {
            return true;
        }
        reportRecord_ = std::move(outcome.report);
        values_.report.mm2 =
            reportRecord_ ? output::reportMemoLines(*reportRecord_) : std::vector<std::string>{};
        if (!reportRecord_) {
            // The spring could not be computed (its message shown): there is no report to
            // go on to. A three-strand spring number that is not a whole number also
            // gets its conversion message, as the report's wire line would give it.
            if (tables::classRecordOrNone(controls.classItem).threeStrand) {
                parseInteger(controls.eNum);
            }
            return false;
        }
        return true;
    } catch (const IntegerConversionError&) {
        // The report had been cleared and begun when the spring number failed to convert.
        values_.report.mm2.clear();
        reportRecord_.reset();
        throw;
    }
}

void DesignSession::fillInputDefaults() {
    InputsPage& in = values_.inputs;
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
    ComboValue gost{page.gostIndex, tt.comb6Gost};
    ComboValue winding{page.windingIndex, tt.comb6Naviv};
    if (DrawOnly_) {
        tt.e6Num = "1"s;
        selectItem(gost, kSpringGostItems, 0);
        tt.e6n = "0"s;
        tt.e6n1 = "0"s;
        selectItem(winding, kWindingItems, 0);
        tt.e6Tau = "0"s;
        tt.e6L = "0"s;
    } else {
        const auto general = [](double value) { return formatGeneral(value, 15); };
        tt.e6Num = values_.candidates.eNum;
        selectItem(gost, kSpringGostItems, values_.klass.classItem);
        tt.e6n = general(state_.n);
        tt.e6n1 = general(state_.n1);
        selectItem(winding, kWindingItems, values_.inputs.winding);
        tt.e6Tau = general(state_.tau3);
        tt.e6L = general(state_.L);
    }
    page.gostIndex = gost.index;
    tt.comb6Gost = gost.text;
    page.windingIndex = winding.index;
    tt.comb6Naviv = winding.text;
    tt.e6G = "78500"s;
    tt.e6HRC = "32"s;
    tt.e6Dc.clear();
    tt.e6TT.clear();
}

void DesignSession::fillGeometry() {
    GeometryPage& g = values_.geometry;
    if (DrawOnly_) {
        g.e9_D0 = "20"s;
        g.e9_d = "3"s;
        g.e9_t = "6"s;
        g.e9_n = "6"s;
        g.diagram.fill("0");
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
            g.diagram[k] = general(lengthsAndForces[k]);
        }
    }
    // The complete drawing draws the spring as long as L0 in every view.
    g.freeLengthEnabled = values_.options.diagram || values_.options.eskd;
    g.diagramEnabled = values_.options.diagram;
    g.breakCoilsEnabled = values_.options.view == geometry::ViewType::WithBreak;
}

} // namespace torvelix::workflow
