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
            ASSERT_TRUE(session.goForward().done) << "step " << k;
        }
    }
};

TEST_F(PageFlow, TitlePageFillsTheInputsAndSelectsTheFirstClass) {
    EXPECT_EQ(v().page, Page::Title);
    EXPECT_FALSE(v().priorEnabled);
    EXPECT_TRUE(v().nextEnabled);
    EXPECT_TRUE(session.tablesOk());
    const calc::DesignInputs& in = v().design;
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
    EXPECT_EQ(v().design.eNum, "1");
    ASSERT_FALSE(v().candidates.mm1.empty());
    forward(1); // the final calculation
    EXPECT_EQ(v().page, Page::Report);
    EXPECT_TRUE(session.reportReplaced());
    EXPECT_FALSE(v().report.mm2.empty());

    // The drawing's end coils follow the finish; the requirements page is filled from the
    // computed spring when it is switched on.
    ASSERT_TRUE(session.chooseFinish(geometry::EndType::Closed).done);
    forward(1);
    EXPECT_EQ(v().page, Page::DrawingOptions);
    EXPECT_EQ(v().drawing.ends, geometry::EndType::Closed);
    ASSERT_TRUE(session.setSwitch(FieldId::Requirements, true).done);
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
    EXPECT_EQ(v().drawing.e9_D0, "10"); // D = D1 - d
    EXPECT_EQ(v().drawing.e9_d, "2");
    EXPECT_EQ(v().drawing.e9_n, "5");
    EXPECT_EQ(v().drawing.lengthsAndForces[4], "20");  // F1
    EXPECT_EQ(v().drawing.lengthsAndForces[5], "80");  // F2
    EXPECT_EQ(v().drawing.lengthsAndForces[6], "100"); // F3
    EXPECT_FALSE(v().geometry.diagramEnabled);         // no diagram chosen
    EXPECT_TRUE(v().geometry.breakCoilsEnabled);
    EXPECT_TRUE(messages.messages.empty()) << texts().front();
}

TEST_F(PageFlow, TheCompleteDrawingNamesTheChosenSpringWithoutTheRequirementsPage) {
    forward(4); // class, inputs, candidates (spring 1 proposed), report
    ASSERT_EQ(v().page, Page::Report);
    forward(1);
    ASSERT_TRUE(session.setSwitch(FieldId::Eskd, true).done); // page 6 is never shown
    forward(1);
    ASSERT_EQ(v().page, Page::Geometry);
    EXPECT_TRUE(v().requirements.tt.e6Num.empty());
    const workflow::DrawingOutcome made = session.makeDrawingRequest();
    ASSERT_TRUE(made.done);
    const workflow::DrawingRequest& request = made.request;
    // Item 0 of the classification is the class of GOST 13766-86; the table's one row is 1.
    EXPECT_EQ(request.sheet.Designation, "1 ГОСТ 13766-86");
}

TEST_F(PageFlow, DrawingModeGoesFromTheTitleToTheDrawingPagesAndBack) {
    ASSERT_TRUE(session.chooseMode(false).done);
    forward(1);
    EXPECT_TRUE(session.drawOnly());
    EXPECT_EQ(v().page, Page::DrawingOptions);
    EXPECT_EQ(v().drawing.ends, geometry::EndType::ClosedGround);

    // Without requirements the requirement page is passed over both ways.
    forward(1);
    EXPECT_EQ(v().page, Page::Geometry);
    EXPECT_EQ(std::vector<std::string>({v().drawing.e9_D0, v().drawing.e9_d, v().drawing.e9_t,
                                        v().drawing.e9_n, v().drawing.lengthsAndForces[0]}),
              std::vector<std::string>({"20", "3", "6", "6", "0"}));
    ASSERT_TRUE(session.goBack().done);
    EXPECT_EQ(v().page, Page::DrawingOptions);
    ASSERT_TRUE(session.goBack().done);
    EXPECT_EQ(v().page, Page::Title);

    // With them, the page gets the drawing mode's own defaults.
    forward(1);
    ASSERT_TRUE(session.setSwitch(FieldId::Requirements, true).done);
    forward(1);
    EXPECT_EQ(v().page, Page::Requirements);
    EXPECT_EQ(v().requirements.tt.e6Num, "1");
    EXPECT_EQ(v().requirements.gostIndex, 0);
    EXPECT_EQ(v().requirements.tt.e6L, "0");
    forward(1);
    ASSERT_TRUE(session.goBack().done);
    EXPECT_EQ(v().page, Page::Requirements);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageFlow, AnInputThatIsNotANumberKeepsThePageAndNamesTheEditToMend) {
    forward(2);
    ASSERT_TRUE(session.typeText(FieldId::MaxOuterDiameter, "12,5").done); // a Russian comma
    ASSERT_TRUE(session.typeText(FieldId::MaxSpeed, "").done);
    const Outcome outcome = session.goForward();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(v().page, Page::Inputs);
    // F1, F2, h, Vmax are converted before the diameters: the empty speed comes first.
    EXPECT_EQ(outcome.mend, FieldId::MaxSpeed);
    ASSERT_TRUE(outcome.error);
    EXPECT_STREQ(outcome.error->what(), "Неверное число ''. Дробную часть отделяйте точкой.");
    EXPECT_TRUE(v().candidates.mm1.empty());

    ASSERT_TRUE(session.typeText(FieldId::MaxSpeed, "3").done);
    EXPECT_EQ(session.goForward().mend, FieldId::MaxOuterDiameter);
    // The spring number is left as it was by a selection that did not run through.
    EXPECT_EQ(v().design.eNum, "");
}

TEST_F(PageFlow, AFailedFinalCalculationStaysOnTheCandidatesWithAnEmptyReport) {
    forward(3);
    ASSERT_TRUE(session.typeText(FieldId::SpringNumber, "2").done); // the table has one row
    const Outcome outcome = session.goForward();
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.mend, FieldId::SpringNumber);
    EXPECT_EQ(v().page, Page::Candidates);
    EXPECT_TRUE(session.reportReplaced());
    EXPECT_TRUE(v().report.mm2.empty());
    EXPECT_EQ(messages.messages.size(), 1u);

    // "0" warns and keeps the report; the wizard goes on.
    messages.messages.clear();
    ASSERT_TRUE(session.editLines(FieldId::ReportLines, {"kept"}).done);
    ASSERT_TRUE(session.typeText(FieldId::SpringNumber, "0").done);
    EXPECT_TRUE(session.goForward().done);
    EXPECT_FALSE(session.reportReplaced());
    EXPECT_EQ(v().report.mm2, std::vector<std::string>{"kept"});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
}

} // namespace
