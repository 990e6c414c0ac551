// The rules of the choice commands and the drawing request, on the design session:
// each rule once, without any widget.
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::workflow;

namespace {

using OptionRules = torvelix::testing::SessionTest;

TEST_F(OptionRules, AThreeStrandKindPinsTheFirstItemOfClassThreeUntilTheKindChanges) {
    ASSERT_TRUE(session.chooseKind(calc::SpringKind::ThreeStrand).done);
    EXPECT_EQ(v().design.classItem, 8);
    EXPECT_EQ(v().klass.LGOST, "ГОСТ 13774-86");
    EXPECT_EQ(session.state().ClassGroup, tables::ClassGroup::III);
    // Every later class choice ends on item 8 again.
    ASSERT_TRUE(session.chooseClass(1).done);
    EXPECT_EQ(v().design.classItem, 8);
    EXPECT_EQ(session.state().SpringGost, "13774");
    // The single-strand kind changes no class; class choices are free again.
    ASSERT_TRUE(session.chooseKind(calc::SpringKind::SingleStrand).done);
    EXPECT_EQ(v().design.classItem, 8);
    ASSERT_TRUE(session.chooseClass(5).done);
    EXPECT_EQ(session.state().SpringGost, "13771");
    EXPECT_EQ(session.state().ClassGroup, tables::ClassGroup::II);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OptionRules, ItemsOneAndFiveOfferTheWireClassInPlaceOfTheBlankStandard) {
    const std::string blank = v().design.LZagot;
    ASSERT_TRUE(session.chooseClass(1).done);
    EXPECT_TRUE(v().klass.showWireClass);
    EXPECT_EQ(v().klass.LGOST, "ГОСТ 13767-86");
    EXPECT_EQ(v().design.LZagot, blank); // the text is kept
    ASSERT_TRUE(session.chooseClass(2).done);
    EXPECT_FALSE(v().klass.showWireClass);
    ASSERT_TRUE(session.chooseClass(5).done);
    EXPECT_TRUE(v().klass.showWireClass);
}

TEST_F(OptionRules, TheStrengthChoiceReachesTheDesignState) {
    for (const auto strength : {calc::StrengthChoice::Maximum, calc::StrengthChoice::Mean,
                                calc::StrengthChoice::Minimum}) {
        ASSERT_TRUE(session.chooseStrength(strength).done);
        EXPECT_EQ(session.state().StrengthChoice, strength);
        EXPECT_EQ(v().klass.strength, strength);
    }
}

TEST_F(OptionRules, FinishesSetTheSupportAndGroundCoilsEveryTimeTheyAreChosen) {
    const std::pair<geometry::EndType, std::pair<const char*, const char*>> cases[] = {
        {geometry::EndType::Open, {"0", "0"}},
        {geometry::EndType::Closed, {"2", "0"}},
        {geometry::EndType::ClosedGround, {"2", "1.5"}},
        {geometry::EndType::ThreeQuarterGround, {"1.5", "1.5"}}};
    for (const auto& [finish, coils] : cases) {
        ASSERT_TRUE(session.chooseFinish(finish).done);
        EXPECT_EQ(v().design.eN2, coils.first);
        EXPECT_EQ(v().design.eN3, coils.second);
        EXPECT_EQ(v().inputs.finish, finish);
    }
    // The finish chosen again writes its coils over what was typed.
    ASSERT_TRUE(session.typeText(FieldId::SupportCoils, "9").done);
    ASSERT_TRUE(session.chooseFinish(geometry::EndType::ThreeQuarterGround).done);
    EXPECT_EQ(v().design.eN2, "1.5");
}

TEST_F(OptionRules, AFixingChosenWithoutTheCheckSwitchesItOnAndIsRemembered) {
    ASSERT_TRUE(session.setSwitch(FieldId::StabilityCheck, false).done);
    EXPECT_EQ(v().design.fixing, calc::Fixing::None);
    // Nothing remembered yet: the check on again leaves every fixing released.
    ASSERT_TRUE(session.setSwitch(FieldId::StabilityCheck, true).done);
    EXPECT_EQ(v().design.fixing, calc::Fixing::None);

    ASSERT_TRUE(session.setSwitch(FieldId::StabilityCheck, false).done);
    ASSERT_TRUE(session.chooseFixing(calc::Fixing::HingedHinged).done);
    EXPECT_TRUE(v().design.stabilityCheck);
    EXPECT_EQ(v().design.fixing, calc::Fixing::HingedHinged);
    EXPECT_EQ(session.rememberedFixing(), calc::Fixing::HingedHinged);
    // With the check on, a fixing is only chosen, not remembered.
    ASSERT_TRUE(session.chooseFixing(calc::Fixing::FixedHinged).done);
    EXPECT_EQ(session.rememberedFixing(), calc::Fixing::HingedHinged);
    // Off and on again: the remembered fixing comes back.
    ASSERT_TRUE(session.setSwitch(FieldId::StabilityCheck, false).done);
    EXPECT_EQ(v().design.fixing, calc::Fixing::None);
    ASSERT_TRUE(session.setSwitch(FieldId::StabilityCheck, true).done);
    EXPECT_EQ(v().design.fixing, calc::Fixing::HingedHinged);
}

TEST_F(OptionRules, OnlyTheViewWithABreakKeepsDiagramAndRequirements) {
    ASSERT_TRUE(session.setSwitch(FieldId::Diagram, true).done);
    ASSERT_TRUE(session.setSwitch(FieldId::Requirements, true).done);
    for (const auto view :
         {geometry::ViewType::Full, geometry::ViewType::Section, geometry::ViewType::Cut}) {
        ASSERT_TRUE(session.chooseView(view).done);
        EXPECT_FALSE(v().isOn(FieldId::Diagram));
        EXPECT_FALSE(v().isOn(FieldId::Requirements));
        EXPECT_EQ(v().enabled(FieldId::Diagram), false);
        EXPECT_EQ(v().enabled(FieldId::Requirements), false);
    }
    ASSERT_TRUE(session.chooseView(geometry::ViewType::WithBreak).done);
    EXPECT_EQ(v().enabled(FieldId::Diagram), true);
    EXPECT_FALSE(v().isOn(FieldId::Diagram)); // not switched on again
    // The end coils are a choice of their own.
    ASSERT_TRUE(session.chooseEnds(geometry::EndType::ThreeQuarterGround).done);
    EXPECT_EQ(v().drawing.ends, geometry::EndType::ThreeQuarterGround);
    EXPECT_EQ(v().drawing.view, geometry::ViewType::WithBreak);
}

TEST_F(OptionRules, InscribingDisablesPitchAndFreeLengthUntilTheNextArrival) {
    ASSERT_TRUE(session.chooseMode(false).done);
    ASSERT_TRUE(session.goForward().done);
    ASSERT_TRUE(session.goForward().done); // the geometric parameters
    ASSERT_TRUE(session.setSwitch(FieldId::Inscribe, true).done);
    EXPECT_EQ(v().enabled(FieldId::Pitch), false);
    EXPECT_EQ(v().enabled(FieldId::FreeLength), false);
    // Back, the diagram on, forward again: the arrival sets the free length by the
    // diagram switch alone; the pitch keeps its state.
    ASSERT_TRUE(session.goBack().done);
    ASSERT_TRUE(session.setSwitch(FieldId::Diagram, true).done);
    ASSERT_TRUE(session.goForward().done);
    EXPECT_EQ(v().enabled(FieldId::FreeLength), true);
    EXPECT_EQ(v().enabled(FieldId::Pitch), false);
    // The rule runs when the switch changes, not when it is set to what it is.
    ASSERT_TRUE(session.setSwitch(FieldId::Inscribe, true).done);
    EXPECT_EQ(v().enabled(FieldId::FreeLength), true);
    ASSERT_TRUE(session.setSwitch(FieldId::Inscribe, false).done);
    EXPECT_EQ(v().enabled(FieldId::Pitch), true);
}

// Every field takes a value of its own kind, shows it in the snapshot, and refuses the
// others.
TEST_F(OptionRules, EveryFieldTakesItsOwnKindOfValueAndRefusesTheOthers) {
    for (int k = static_cast<int>(FieldId::MinOuterDiameter);
         k <= static_cast<int>(FieldId::BreakCoils); ++k) {
        const auto field = static_cast<FieldId>(k);
        SCOPED_TRACE(k);
        const std::string text = std::string(1, 'v').append(std::to_string(k));
        switch (kindOf(field)) {
        case FieldKind::Text:
            ASSERT_TRUE(session.typeText(field, text).done);
            EXPECT_EQ(v().text(field), text);
            EXPECT_FALSE(session.setSwitch(field, true).done);
            EXPECT_FALSE(session.editLines(field, {text}).done);
            break;
        case FieldKind::Item:
            ASSERT_TRUE(session.chooseItem(field, 1, text).done);
            EXPECT_EQ(v().item(field), 1);
            EXPECT_EQ(v().text(field), text);
            EXPECT_FALSE(session.setSwitch(field, true).done);
            break;
        case FieldKind::Switch: {
            const bool on = !v().isOn(field);
            ASSERT_TRUE(session.setSwitch(field, on).done);
            EXPECT_EQ(v().isOn(field), on);
            EXPECT_FALSE(session.typeText(field, text).done);
            EXPECT_FALSE(session.chooseItem(field, 0, text).done);
            break;
        }
        case FieldKind::Lines:
            ASSERT_TRUE(session.editLines(field, {text, ""}).done);
            EXPECT_EQ(v().lines(field), (std::vector<std::string>{text, ""}));
            EXPECT_FALSE(session.typeText(field, text).done);
            break;
        }
    }
    EXPECT_FALSE(session.typeText(FieldId::None, "x").done);
}

TEST_F(OptionRules, TheCompleteDrawingTakesTheFreeLengthInEveryView) {
    ASSERT_TRUE(session.chooseMode(false).done);
    ASSERT_TRUE(session.goForward().done); // the drawing options
    ASSERT_TRUE(session.chooseView(geometry::ViewType::Full).done);
    ASSERT_TRUE(session.goForward().done);
    EXPECT_FALSE(v().geometry.freeLengthEnabled); // no diagram, no complete drawing
    ASSERT_TRUE(session.goBack().done);
    ASSERT_TRUE(session.setSwitch(FieldId::Eskd, true).done);
    ASSERT_TRUE(session.goForward().done);
    EXPECT_TRUE(v().geometry.freeLengthEnabled);
    EXPECT_FALSE(v().geometry.diagramEnabled);
    // Typed in, it makes the complete drawing of the full view.
    ASSERT_TRUE(session.typeText(FieldId::FreeLength, "60").done);
    const DrawingOutcome outcome = session.makeDrawingRequest();
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.request.eskd);
}

TEST_F(OptionRules, TheDrawingRequestIsRefusedOrMendedBeforeAnythingIsDrawn) {
    ASSERT_TRUE(session.chooseMode(false).done);
    ASSERT_TRUE(session.goForward().done);
    ASSERT_TRUE(session.goForward().done); // defaults D0 20, d 3, t 6, n 6

    ASSERT_TRUE(session.typeText(FieldId::WireDiameter, "3,0").done);
    DrawingOutcome outcome = session.makeDrawingRequest();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.mend, FieldId::WireDiameter);
    ASSERT_TRUE(outcome.error);

    // A pitch no larger than the wire cannot make coils: refused with an error box.
    ASSERT_TRUE(session.typeText(FieldId::WireDiameter, "3").done);
    ASSERT_TRUE(session.typeText(FieldId::Pitch, "3").done);
    outcome = session.makeDrawingRequest();
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.mend, FieldId::None);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);

    ASSERT_TRUE(session.typeText(FieldId::Pitch, "6").done);
    outcome = session.makeDrawingRequest();
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(outcome.request.params.ViewType, geometry::ViewType::WithBreak);
    EXPECT_EQ(outcome.request.params.EndType, geometry::EndType::ClosedGround);
    EXPECT_DOUBLE_EQ(outcome.request.params.D0, 20);
    EXPECT_EQ(outcome.request.params.BreakCoils, 0); // no item of the break's coils
    EXPECT_FALSE(outcome.request.requirements);

    // On a sheet, drawing alone: no class was chosen, so the title block names no
    // material and no mass unless they are given.
    ASSERT_TRUE(session.setSwitch(FieldId::Eskd, true).done);
    ASSERT_TRUE(session.typeText(FieldId::FreeLength, "40").done);
    outcome = session.makeDrawingRequest();
    ASSERT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.request.eskd);
    EXPECT_EQ(outcome.request.sheet.Material, "");
    EXPECT_EQ(outcome.request.sheet.Mass, "");
    EXPECT_TRUE(outcome.request.sheet.Designation.empty());
    outcome = session.makeDrawingRequest({"Сталь 60С2А", "0,5"});
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(outcome.request.sheet.Material, "Сталь 60С2А");
    EXPECT_EQ(outcome.request.sheet.Mass, "0,5");

    // The title block's entries are the drawing options' own, taken only with the sheet.
    EXPECT_TRUE(session.snapshot().enabled(FieldId::TitleDeveloper).value_or(false));
    ASSERT_TRUE(session.typeText(FieldId::TitleDocument, "АБВГ.753111.001").done);
    ASSERT_TRUE(session.typeText(FieldId::TitleOrganisation, "ООО Ромашка").done);
    ASSERT_TRUE(session.typeText(FieldId::TitleDeveloper, "Иванов").done);
    ASSERT_TRUE(session.typeText(FieldId::TitleChecker, "Петров").done);
    const geometry::EskdSheetInfo sheet = session.makeDrawingRequest().request.sheet;
    EXPECT_EQ(sheet.DocumentDesignation, "АБВГ.753111.001");
    EXPECT_EQ(sheet.Organisation, "ООО Ромашка");
    EXPECT_EQ(sheet.Developer, "Иванов");
    EXPECT_EQ(sheet.Checker, "Петров");
    ASSERT_TRUE(session.setSwitch(FieldId::Eskd, false).done);
    EXPECT_FALSE(session.snapshot().enabled(FieldId::TitleChecker).value_or(true));
}

TEST_F(OptionRules, ACalculatedSpringGivesTheTitleBlockItsMaterialAndMass) {
    for (int step = 0; step < 5; ++step) {
        ASSERT_TRUE(session.goForward().done) << step; // to the drawing options
    }
    ASSERT_TRUE(session.setSwitch(FieldId::Eskd, true).done);
    ASSERT_TRUE(session.goForward().done); // the geometric parameters, from the spring
    const DrawingOutcome outcome = session.makeDrawingRequest();
    ASSERT_TRUE(outcome.done);
    // Item 0's blank standard without the blanks that fill its columns.
    EXPECT_EQ(outcome.request.sheet.Material, "Проволока класса I по ГОСТ 9389-75");
    // m = 1.925e-5 d^2 D n1 kg with d 2, D 10 and n1 = n + n2 = 5 + 2 coils:
    // 1.925e-5 * 4 * 10 * 7 = 0.00539, three significant digits with a decimal comma.
    EXPECT_EQ(outcome.request.sheet.Mass, "0,00539");
    // Given values win over the design's.
    EXPECT_EQ(session.makeDrawingRequest({std::nullopt, "1"}).request.sheet.Mass, "1");
}

} // namespace
