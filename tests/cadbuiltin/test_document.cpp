// The built-in drawing document through the automation interface: trims, half-turn
// copies, variables, point requests, attaching, and what it refuses.
#include "drawing_document.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torvelix::cad {
namespace {

void expectPoint(const Point& actual, double x, double y, double z = 0) {
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

TEST(DrawingDocument, TrimAssignsTheCrossingToTheStoredLine) {
    DrawingDocument doc;
    CadSpace& space = doc.ModelSpace();
    EntityRef front = space.AddLine({0.989, 10.148, 0}, {3.989, -9.852, 0});
    EntityRef back = space.AddLine({2.011, -9.852, 0}, {5.011, 10.148, 0});
    const std::vector<double> crossing = front->IntersectWith(*back, 0);
    ASSERT_EQ(crossing.size(), 3u);
    back->SetStartPoint(crossing);
    const auto& lines = doc.entities(Space::Model);
    ASSERT_EQ(lines.size(), 2u);
    expectPoint(lines[1].a, crossing[0], crossing[1]);
    expectPoint(back->StartPoint(), crossing[0], crossing[1]);
    // The crossing of two symmetric band edges lies midway between them.
    EXPECT_NEAR(crossing[0], 3.0, 1e-9);
    EXPECT_NEAR(crossing[1], -3.258667, 1e-6);
    back->SetEndPoint({7, 8, 9});
    expectPoint(lines[1].b, 7, 8, 9);
}

TEST(DrawingDocument, EndPointMustBeExactlyOnePoint) {
    DrawingDocument doc;
    EntityRef first = doc.ModelSpace().AddLine({0, 0, 0}, {1, 0, 0});
    EntityRef apart = doc.ModelSpace().AddLine({0, 5, 0}, {1, 5, 0});
    // Lines that do not cross give the empty array, which the application refuses.
    const std::vector<double> none = first->IntersectWith(*apart, 0);
    EXPECT_TRUE(none.empty());
    EXPECT_THROW(apart->SetStartPoint(none), CadException);
    EXPECT_THROW(apart->SetEndPoint({1, 2}), CadException);
    EXPECT_THROW(apart->SetEndPoint({1, 2, 3, 4, 5, 6}), CadException);
    EXPECT_THROW(apart->SetEndPoint({1, NAN, 3}), CadException);
    expectPoint(doc.entities(Space::Model)[1].a, 0, 5);
    expectPoint(doc.entities(Space::Model)[1].b, 1, 5);
    // Only a line's ends can be set.
    EntityRef ring = doc.ModelSpace().AddCircle({0, 0, 0}, 1);
    EXPECT_THROW(ring->SetStartPoint({1, 0, 0}), CadAutomationFailure);
    EXPECT_THROW(first->IntersectWith(*apart, 7), CadException);
}

TEST(DrawingDocument, ArrayPolarAddsAHalfTurnCopyToTheSameSpace) {
    DrawingDocument doc;
    const double tilt = 0.149;
    EntityRef line = doc.PaperSpace().AddLine({1, 2, 5}, {3, -4, 5});
    EntityRef bend = doc.PaperSpace().AddArc({2, -10, 5}, 1, tilt + kPi, tilt);
    const Point centre{10, 0, 5};
    line->ArrayPolar(2, kTwoPi, centre);
    bend->ArrayPolar(2, kTwoPi, centre);
    const auto& paper = doc.entities(Space::Paper);
    ASSERT_EQ(paper.size(), 4u);
    EXPECT_TRUE(doc.entities(Space::Model).empty());
    expectPoint(paper[2].a, 19, -2, 5);
    expectPoint(paper[2].b, 17, 4, 5);
    expectPoint(paper[3].centre, 18, 10, 5);
    EXPECT_NEAR(paper[3].startAngle, tilt, 1e-12);
    EXPECT_NEAR(paper[3].endAngle, tilt + kPi, 1e-12);
    EXPECT_DOUBLE_EQ(paper[3].radius, 1);
    // Changing the original afterwards leaves the copy as it was.
    line->SetStartPoint({0, 0, 5});
    expectPoint(paper[2].a, 19, -2, 5);

    EntityRef dot = doc.ModelSpace().AddCircle({1, 0, 0}, 0.5);
    dot->ArrayPolar(4, kTwoPi, {0, 0, 0});
    const auto& model = doc.entities(Space::Model);
    ASSERT_EQ(model.size(), 4u);
    expectPoint(model[1].centre, 0, 1);
    expectPoint(model[2].centre, -1, 0);
    expectPoint(model[3].centre, 0, -1);
    EXPECT_THROW(dot->ArrayPolar(1, kTwoPi, {0, 0, 0}), CadException);
    EXPECT_THROW(dot->ArrayPolar(2, 0, {0, 0, 0}), CadException);
}

TEST(DrawingDocument, RefusesEntitiesThatCannotBeDrawn) {
    DrawingDocument doc;
    CadSpace& space = doc.ModelSpace();
    EXPECT_THROW(space.AddCircle({0, 0, 0}, 0), CadException);
    EXPECT_THROW(space.AddArc({0, 0, 0}, -1, 0, 1), CadException);
    EXPECT_THROW(space.AddLine({NAN, 0, 0}, {1, 1, 0}), CadException);
    EXPECT_THROW(space.AddArc({0, 0, 0}, 1, INFINITY, 1), CadException);
    EXPECT_THROW(space.AddText("Пружина", {0, 0, 0}, 0), CadException);
    EXPECT_EQ(doc.entityCount(), 0u);
    space.AddText("Пружина", {1, 2, 0}, 4.5);
    ASSERT_EQ(doc.entities(Space::Model).size(), 1u);
    EXPECT_EQ(doc.entities(Space::Model)[0].text, "Пружина");
    expectPoint(doc.entities(Space::Model)[0].a, 1, 2);
}

TEST(DrawingDocument, VariablesAndTheActiveSpace) {
    DrawingDocument doc;
    EXPECT_EQ(doc.GetVariableInt("TILEMODE"), 1);
    EXPECT_EQ(doc.GetVariableInt("CVPORT"), 2);
    EXPECT_DOUBLE_EQ(doc.GetVariableReal("DIMSCALE"), 1.0);
    EXPECT_EQ(doc.activeSpace(), Space::Model);
    doc.setVariable("tilemode", 0);
    EXPECT_EQ(doc.activeSpace(), Space::Model);
    doc.setVariable("CVPORT", 1);
    EXPECT_EQ(doc.activeSpace(), Space::Paper);
    doc.setVariable("DIMSCALE", 2.5);
    EXPECT_DOUBLE_EQ(doc.GetVariableReal("DIMSCALE"), 2.5);
    EXPECT_THROW(doc.GetVariableInt("LUNITS"), CadException);
    EXPECT_THROW(doc.setVariable("TILEMODE", 2), DrawingVariableError);
    EXPECT_THROW(doc.setVariable("CVPORT", 1.5), DrawingVariableError);
    EXPECT_THROW(doc.setVariable("DIMSCALE", 0), DrawingVariableError);
    EXPECT_THROW(doc.setVariable("DIMSCALE", NAN), DrawingVariableError);
    EXPECT_THROW(doc.setVariable("LUNITS", 2), DrawingVariableError);
    EXPECT_EQ(doc.GetVariableInt("TILEMODE"), 0);

    doc.ModelSpace().AddCircle({0, 0, 0}, 1);
    doc.clear();
    EXPECT_EQ(doc.entityCount(), 0u);
    EXPECT_EQ(doc.GetVariableInt("TILEMODE"), 1);
    EXPECT_DOUBLE_EQ(doc.GetVariableReal("DIMSCALE"), 1.0);
}

TEST(DrawingDocument, ReferencesFailSafelyAfterANewDrawing) {
    EntityRef survivor;
    {
        DrawingDocument doc;
        EntityRef line = doc.ModelSpace().AddLine({0, 0, 0}, {1, 0, 0});
        EntityRef other = doc.ModelSpace().AddLine({0.5, -1, 0}, {0.5, 1, 0});
        doc.clear();
        EXPECT_THROW(line->SetStartPoint({1, 1, 0}), CadException);
        EXPECT_THROW(line->IntersectWith(*other, 0), CadException);
        EXPECT_THROW(line->ArrayPolar(2, kTwoPi, {0, 0, 0}), CadException);
        EXPECT_EQ(doc.entityCount(), 0u);
        survivor = doc.ModelSpace().AddLine({0, 0, 0}, {2, 0, 0});
        expectPoint(survivor->EndPoint(), 2, 0);
    }
    EXPECT_THROW(survivor->EndPoint(), CadException);
}

TEST(DrawingDocument, ChangesAreCountedAndAnnounced) {
    DrawingDocument doc;
    int calls = 0;
    doc.setChangeCallback([&] { ++calls; });
    const auto before = doc.revision();
    EntityRef line = doc.ModelSpace().AddLine({0, 0, 0}, {1, 0, 0});
    line->SetEndPoint({2, 0, 0});
    line->ArrayPolar(2, kTwoPi, {0, 0, 0});
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(doc.revision(), before + 3);
}

TEST(PointRequests, ScriptedAnswersInOrderThenCancels) {
    DrawingDocument doc;
    EXPECT_THROW(doc.Utility().GetPoint(std::nullopt, "Укажи точку: "), CadException);
    ScriptedPointSource source({{1, 2, 3}, {4, 5, 6}});
    doc.setPointSource(&source);
    expectPoint(doc.Utility().GetPoint(std::nullopt, "Первая: "), 1, 2, 3);
    expectPoint(doc.Utility().GetPoint(Point{1, 2, 3}, "Вторая: "), 4, 5, 6);
    EXPECT_THROW(doc.Utility().GetPoint(std::nullopt, "Третья: "), CadException);
    ASSERT_EQ(source.prompts().size(), 3u);
    EXPECT_EQ(source.prompts()[1], "Вторая: ");
    EXPECT_FALSE(source.bases()[0].has_value());
    ASSERT_TRUE(source.bases()[1].has_value());
    expectPoint(*source.bases()[1], 1, 2, 3);
}

TEST(Connector, AttachesOnlyToARunningApplicationByItsClassName) {
    auto doc = std::make_shared<DrawingDocument>();
    auto app = std::make_shared<BuiltinCadApplication>(doc);
    BuiltinConnector connector(app);
    std::shared_ptr<CadApplication> attached = connector.Attach("AutoCAD.Application");
    EXPECT_EQ(&attached->ActiveDocument(), doc.get());
    EXPECT_THROW(connector.Attach("Word.Application"), CadAutomationFailure);
    BuiltinConnector nothingRunning(nullptr);
    EXPECT_THROW(nothingRunning.Attach("AutoCAD.Application"), CadAutomationFailure);
}

} // namespace
} // namespace torvelix::cad
