// The option controls' rules and the drawing request, on the design session.
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::workflow;

namespace {

using OptionRules = torvelix::testing::SessionTest;

TEST_F(OptionRules, AThreeStrandKindSelectsTheFirstItemOfClassThree) {
    v().klass.kind = calc::SpringKind::ThreeStrand;
    session.cbVidChange();
    EXPECT_EQ(v().klass.classItem, 8);
    EXPECT_EQ(v().klass.LGOST, "ГОСТ 13774-86");
    EXPECT_EQ(session.state().ClassGroup, tables::ClassGroup::III);
    // Item 1 offers the II / IIA wire choice in place of the blank standard.
    v().klass.kind = calc::SpringKind::SingleStrand;
    v().klass.classItem = 1;
    session.rgKlasClick();
    EXPECT_TRUE(v().klass.showWireClass);
    EXPECT_EQ(v().klass.LGOST, "ГОСТ 13767-86");
}

TEST_F(OptionRules, FinishesSetTheSupportAndGroundCoils) {
    const std::pair<geometry::EndType, std::pair<const char*, const char*>> cases[] = {
        {geometry::EndType::Open, {"0", "0"}},
        {geometry::EndType::Closed, {"2", "0"}},
        {geometry::EndType::ClosedGround, {"2", "1.5"}},
        {geometry::EndType::ThreeQuarterGround, {"1.5", "1.5"}}};
    for (const auto& [finish, coils] : cases) {
        session.sb21aClick(finish);
        EXPECT_EQ(v().inputs.eN2, coils.first);
        EXPECT_EQ(v().inputs.eN3, coils.second);
        EXPECT_EQ(v().inputs.finish, finish);
    }
}

TEST_F(OptionRules, AFixingChosenWithoutTheCheckSwitchesItOnAndIsRemembered) {
    v().inputs.stabilityCheck = false;
    session.cbUstoshivostClick();
    EXPECT_EQ(v().inputs.fixing, calc::Fixing::None);
    session.sb21Click(calc::Fixing::HingedHinged);
    EXPECT_TRUE(v().inputs.stabilityCheck);
    EXPECT_EQ(v().inputs.fixing, calc::Fixing::HingedHinged);
    // Off and on again: the remembered fixing comes back.
    v().inputs.stabilityCheck = false;
    session.cbUstoshivostClick();
    v().inputs.stabilityCheck = true;
    session.cbUstoshivostClick();
    EXPECT_EQ(v().inputs.fixing, calc::Fixing::HingedHinged);
    // With the check on, a fixing is only chosen, not remembered.
    session.sb21Click(calc::Fixing::FixedFree);
    EXPECT_EQ(session.rememberedFixing(), calc::Fixing::HingedHinged);
}

TEST_F(OptionRules, OnlyTheViewWithABreakKeepsDiagramAndRequirements) {
    v().options.diagram = true;
    v().options.requirements = true;
    session.sb71Click(geometry::ViewType::Section);
    EXPECT_FALSE(v().options.diagram);
    EXPECT_FALSE(v().options.requirements);
    EXPECT_FALSE(v().options.switchesEnabled);
    session.sb71Click(geometry::ViewType::WithBreak);
    EXPECT_TRUE(v().options.switchesEnabled);

    v().geometry.inscribe = true;
    session.cb90Click();
    EXPECT_FALSE(v().geometry.pitchEnabled);
    EXPECT_FALSE(v().geometry.freeLengthEnabled);
}

TEST_F(OptionRules, TheCompleteDrawingTakesTheFreeLengthInEveryView) {
    v().title.calculation = false;
    ASSERT_TRUE(session.changePage(true).done); // the drawing options
    session.sb71Click(geometry::ViewType::Full);
    ASSERT_TRUE(session.changePage(true).done);
    EXPECT_FALSE(v().geometry.freeLengthEnabled); // no diagram, no complete drawing
    ASSERT_TRUE(session.changePage(false).done);
    v().options.eskd = true;
    ASSERT_TRUE(session.changePage(true).done);
    EXPECT_TRUE(v().geometry.freeLengthEnabled);
    EXPECT_FALSE(v().geometry.diagramEnabled);
    // Typed in, it makes the complete drawing of the full view.
    v().geometry.diagram[0] = "60";
    DrawingRequest request;
    EXPECT_TRUE(session.prepareDrawing(request).done);
    EXPECT_TRUE(request.eskd);
}

TEST_F(OptionRules, TheDrawingRequestIsRefusedOrMendedBeforeAnythingIsDrawn) {
    v().title.calculation = false;
    ASSERT_TRUE(session.changePage(true).done);
    ASSERT_TRUE(session.changePage(true).done); // defaults D0 20, d 3, t 6, n 6

    DrawingRequest request;
    v().geometry.e9_d = "3,0";
    StepOutcome outcome = session.prepareDrawing(request);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.focus, "e9_d");
    ASSERT_TRUE(outcome.error);

    // A pitch no larger than the wire cannot make coils: refused with an error box.
    v().geometry.e9_d = "3";
    v().geometry.e9_t = "3";
    outcome = session.prepareDrawing(request);
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.error);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);

    v().geometry.e9_t = "6";
    outcome = session.prepareDrawing(request);
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(request.params.ViewType, geometry::ViewType::WithBreak);
    EXPECT_EQ(request.params.EndType, geometry::EndType::ClosedGround);
    EXPECT_DOUBLE_EQ(request.params.D0, 20);
    EXPECT_FALSE(request.requirements);

    // On a sheet: the title block names the material of the class page, here item 0's
    // blank standard without the blanks that fill its columns.
    v().options.eskd = true;
    v().options.diagram = false;
    v().geometry.diagram[0] = "40";
    ASSERT_TRUE(session.prepareDrawing(request).done);
    EXPECT_TRUE(request.eskd);
    EXPECT_EQ(request.sheet.Material, "Проволока класса I по ГОСТ 9389-75");
    EXPECT_TRUE(request.sheet.Designation.empty());
}

} // namespace
