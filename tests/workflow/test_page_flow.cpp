// The page flow of both modes, driven on the design session without any widget.
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::workflow;

namespace {

class PageFlow : public torvelix::testing::SessionTest {
protected:
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages.messages) {
            out.push_back(m.text);
        }
        return out;
    }
    void forward(int steps) {
        for (int k = 0; k < steps; ++k) {
            ASSERT_TRUE(session.changePage(true).done) << "step " << k;
        }
    }
};

TEST_F(PageFlow, TitlePageFillsTheInputsAndSelectsTheFirstClass) {
    EXPECT_EQ(v().page, Page::Title);
    EXPECT_FALSE(v().priorEnabled);
    EXPECT_TRUE(v().nextEnabled);
    EXPECT_TRUE(session.tablesOk());
    const InputsPage& in = v().inputs;
    EXPECT_EQ(
        std::vector<std::string>({in.eDn1, in.eDn2, in.eH, in.eF1, in.eF2, in.eV, in.eN2, in.eN3}),
        std::vector<std::string>({"10", "12", "10", "20", "80", "3", "2", "1.5"}));
    EXPECT_EQ(v().klass.LGOST, "ГОСТ 13766-86");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageFlow, CalculationRunsThroughEveryPageAndFillsTheDrawingPages) {
    forward(2);
    EXPECT_EQ(v().page, Page::Inputs);
    EXPECT_EQ(v().candidates.L3Gost, "ГОСТ 13766-86");
    forward(1); // the preliminary selection
    EXPECT_EQ(v().page, Page::Candidates);
    EXPECT_EQ(v().candidates.eNum, "1");
    ASSERT_FALSE(v().candidates.mm1.empty());
    forward(1); // the final calculation
    EXPECT_EQ(v().page, Page::Report);
    EXPECT_TRUE(session.reportReplaced());
    EXPECT_FALSE(v().report.mm2.empty());

    // The drawing's end coils follow the finish; the requirements page is filled from the
    // computed spring when it is switched on.
    v().inputs.finish = geometry::EndType::Closed;
    forward(1);
    EXPECT_EQ(v().page, Page::DrawingOptions);
    EXPECT_EQ(v().options.ends, geometry::EndType::Closed);
    v().options.requirements = true;
    forward(1);
    EXPECT_EQ(v().page, Page::Requirements);
    const cad::TechRequirementControls& tt = v().requirements.tt;
    EXPECT_EQ(tt.e6Num, "1");
    EXPECT_EQ(tt.comb6Gost, "ГОСТ 13766-86");
    EXPECT_EQ(tt.comb6Naviv, "правое");
    EXPECT_EQ(tt.e6n, "5");
    EXPECT_EQ(tt.e6G, "78500");
    forward(1);
    EXPECT_EQ(v().page, Page::Geometry);
    EXPECT_FALSE(v().nextEnabled);
    EXPECT_EQ(v().geometry.e9_D0, "10"); // D = D1 - d
    EXPECT_EQ(v().geometry.e9_d, "2");
    EXPECT_EQ(v().geometry.e9_n, "5");
    EXPECT_EQ(v().geometry.diagram[4], "20");  // F1
    EXPECT_EQ(v().geometry.diagram[5], "80");  // F2
    EXPECT_EQ(v().geometry.diagram[6], "100"); // F3
    EXPECT_FALSE(v().geometry.diagramEnabled); // no diagram chosen
    EXPECT_TRUE(v().geometry.breakCoilsEnabled);
    EXPECT_TRUE(messages.messages.empty()) << texts().front();
}

TEST_F(PageFlow, TheCompleteDrawingNamesTheChosenSpringWithoutTheRequirementsPage) {
    forward(4); // class, inputs, candidates (spring 1 proposed), report
    ASSERT_EQ(v().page, Page::Report);
    forward(1);
    v().options.eskd = true; // no requirements: page 6 is never shown
    forward(1);
    ASSERT_EQ(v().page, Page::Geometry);
    EXPECT_TRUE(v().requirements.tt.e6Num.empty());
    workflow::DrawingRequest request;
    ASSERT_TRUE(session.prepareDrawing(request).done);
    // Item 0 of the classification is the class of GOST 13766-86; the table's one row is 1.
    EXPECT_EQ(request.sheet.Designation, "1 ГОСТ 13766-86");
}

TEST_F(PageFlow, DrawingModeGoesFromTheTitleToTheDrawingPagesAndBack) {
    v().title.calculation = false;
    forward(1);
    EXPECT_TRUE(session.drawOnly());
    EXPECT_EQ(v().page, Page::DrawingOptions);
    EXPECT_EQ(v().options.ends, geometry::EndType::ClosedGround);

    // Without requirements the requirement page is passed over both ways.
    forward(1);
    EXPECT_EQ(v().page, Page::Geometry);
    EXPECT_EQ(std::vector<std::string>({v().geometry.e9_D0, v().geometry.e9_d, v().geometry.e9_t,
                                        v().geometry.e9_n, v().geometry.diagram[0]}),
              std::vector<std::string>({"20", "3", "6", "6", "0"}));
    ASSERT_TRUE(session.changePage(false).done);
    EXPECT_EQ(v().page, Page::DrawingOptions);
    ASSERT_TRUE(session.changePage(false).done);
    EXPECT_EQ(v().page, Page::Title);

    // With them, the page gets the drawing mode's own defaults.
    forward(1);
    v().options.requirements = true;
    forward(1);
    EXPECT_EQ(v().page, Page::Requirements);
    EXPECT_EQ(v().requirements.tt.e6Num, "1");
    EXPECT_EQ(v().requirements.gostIndex, 0);
    EXPECT_EQ(v().requirements.tt.e6L, "0");
    forward(1);
    ASSERT_TRUE(session.changePage(false).done);
    EXPECT_EQ(v().page, Page::Requirements);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageFlow, AnInputThatIsNotANumberKeepsThePageAndNamesTheEditToMend) {
    forward(2);
    v().inputs.eDn2 = "12,5"; // the comma of a Russian keyboard
    v().inputs.eV = "";
    const StepOutcome outcome = session.changePage(true);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(v().page, Page::Inputs);
    // F1, F2, h, Vmax are converted before the diameters: the empty speed comes first.
    EXPECT_EQ(outcome.focus, "eV");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, "Неверное число ''. Дробную часть отделяйте точкой.");
    EXPECT_TRUE(v().candidates.mm1.empty());

    v().inputs.eV = "3";
    EXPECT_EQ(session.changePage(true).focus, "eDn2");
}

TEST_F(PageFlow, AFailedFinalCalculationStaysOnTheCandidatesWithAnEmptyReport) {
    forward(3);
    v().candidates.eNum = "2"; // the table has one row
    const StepOutcome outcome = session.changePage(true);
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.focus, "eNum");
    EXPECT_EQ(v().page, Page::Candidates);
    EXPECT_TRUE(session.reportReplaced());
    EXPECT_TRUE(v().report.mm2.empty());
    EXPECT_EQ(messages.messages.size(), 1u);

    // "0" warns and keeps the report; the wizard goes on.
    messages.messages.clear();
    v().report.mm2 = {"kept"};
    v().candidates.eNum = "0";
    EXPECT_TRUE(session.changePage(true).done);
    EXPECT_FALSE(session.reportReplaced());
    EXPECT_EQ(v().report.mm2, std::vector<std::string>{"kept"});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
}

} // namespace
