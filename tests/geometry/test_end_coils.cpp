// The end coils: where they start, the ground faces and the slots they repeat.
#include "geometry_test_support.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::testing;
using geometry::DrawingParams;
using geometry::DrawingState;

namespace {

// Draws the full view and returns the number of entities before the end coil.
std::size_t drawFull(DrawingState& state, FakeSpace& space, const DrawingParams& p, Point pick) {
    prepareAsDriver(state, p, space, pick);
    geometry::DrawFullView(state, p);
    return 6 * static_cast<std::size_t>(p.n) - 2;
}

const FakeEntity& endSlot(const DrawingState& s, int k) {
    return static_cast<const FakeEntity&>(*s.EndEntities[static_cast<std::size_t>(k)]);
}

TEST(EndCoils, OpenEndCutsOffOnTheAxisAtThePickedPoint) {
    FakeSpace space;
    DrawingState state;
    DrawingParams p = spring(ViewType::Full, EndType::Open, 3);
    prepareAsDriver(state, p, space);
    EXPECT_NEAR(state.InsertPoint.x, 5.511, 5e-4);
    geometry::DrawFullView(state, p);
    const FakeEntity& cut = endSlot(state, 3);
    EXPECT_NEAR(cut.a.x, 2.022, 5e-4);
    EXPECT_NEAR(cut.b.x, 0, 1e-9);
    EXPECT_DOUBLE_EQ(cut.a.y, 0);
    EXPECT_DOUBLE_EQ(cut.b.y, 0);
    // The left back edge comes out from behind the right front edge [1].
    const FakeEntity& front = endSlot(state, 1);
    const FakeEntity& back = endSlot(state, 5);
    const double cross = (front.b.x - front.a.x) * (back.a.y - front.a.y) -
                         (front.b.y - front.a.y) * (back.a.x - front.a.x);
    EXPECT_NEAR(cross, 0, 1e-9);
}

TEST(EndCoils, LeftmostPointIsThePickedXForEveryEndType) {
    for (EndType endType : kEndTypes) {
        for (ViewType view : {ViewType::WithBreak, ViewType::Full}) {
            SCOPED_TRACE(caseName(view, endType));
            FakeSpace space;
            DrawingState state;
            DrawingParams p = spring(view, endType, 4);
            prepareAsDriver(state, p, space, Point{-12.5, 40, 0});
            std::size_t first = 0;
            if (view == ViewType::WithBreak) {
                geometry::DrawBrokenView(state, p);
                first = 13; // two coils and the break's section
            } else {
                geometry::DrawFullView(state, p);
                first = 6 * 4 - 2;
            }
            const std::size_t endCount = endType == EndType::Open ? 6 : 5;
            EXPECT_NEAR(minX(space.entities, first, first + endCount), -12.5, 1e-9);
            // Nothing of the whole drawing lies left of it.
            EXPECT_GE(minX(space.entities, 0, space.entities.size()), -12.5 - 1e-9);
        }
    }
}

TEST(EndCoils, ClosedEndsRepeatTheBackEdgeInTheLastSlot) {
    for (EndType endType : {EndType::Closed, EndType::ClosedGround, EndType::ThreeQuarterGround}) {
        FakeSpace space;
        DrawingState state;
        DrawingParams p = spring(ViewType::Full, endType, 2);
        drawFull(state, space, p, {});
        EXPECT_EQ(state.EndEntities[5], state.EndEntities[4]);
        // The closed end leans by the pitch d.
        EXPECT_NEAR(state.CoilTilt, std::atan(2.0 / 40), 1e-12);
        // The back edge ends on the first coil's left front edge.
        const FakeEntity& back = endSlot(state, 4);
        const FakeEntity& front = static_cast<FakeEntity&>(*state.CoilEntities[0]);
        const double cross = (front.b.x - front.a.x) * (back.b.y - front.a.y) -
                             (front.b.y - front.a.y) * (back.b.x - front.a.x);
        EXPECT_NEAR(cross, 0, 1e-9);
    }
}

TEST(EndCoils, GroundFaceMeetsBothBendsAtSixtyAndTwoHundredFortyDegrees) {
    FakeSpace space;
    DrawingState state;
    DrawingParams p = spring(ViewType::Full, EndType::ClosedGround, 2);
    drawFull(state, space, p, {});
    const FakeEntity& face = endSlot(state, 0);
    const FakeEntity& top = endSlot(state, 2);
    const FakeEntity& bottom = endSlot(state, 3);
    EXPECT_NEAR(top.endAngle, kPi / 3, 1e-12);
    EXPECT_NEAR(bottom.startAngle, 4 * kPi / 3, 1e-12);
    EXPECT_NEAR(face.b.x, top.centre.x + std::cos(kPi / 3), 1e-12);
    EXPECT_NEAR(face.b.y, top.centre.y + std::sin(kPi / 3), 1e-12);
    EXPECT_NEAR(face.a.x, bottom.centre.x + std::cos(4 * kPi / 3), 1e-12);
    EXPECT_NEAR(face.a.y, bottom.centre.y + std::sin(4 * kPi / 3), 1e-12);
    EXPECT_NEAR(face.a.x, 0, 1e-12); // the picked start point
}

TEST(EndCoils, ThreeQuarterFaceRunsFromTopCentreLineToBottomOfWire) {
    FakeSpace space;
    DrawingState state;
    DrawingParams p = spring(ViewType::Full, EndType::ThreeQuarterGround, 2);
    prepareAsDriver(state, p, space, Point{0, 5, 0});
    geometry::DrawFullView(state, p);
    const FakeEntity& face = endSlot(state, 0);
    EXPECT_DOUBLE_EQ(face.a.x, 0);
    EXPECT_DOUBLE_EQ(face.b.x, 0);
    EXPECT_DOUBLE_EQ(face.a.y, 5 + 10);
    EXPECT_DOUBLE_EQ(face.b.y, 5 - 10 - 1);
}

TEST(EndCoils, SectionAndCutEndsFillTheirSlots) {
    struct Case {
        ViewType view;
        EndType endType;
        std::size_t distinct;
    };
    const Case cases[] = {{ViewType::Section, EndType::Open, 4},
                          {ViewType::Section, EndType::Closed, 4},
                          {ViewType::Section, EndType::ClosedGround, 2},
                          {ViewType::Section, EndType::ThreeQuarterGround, 2},
                          {ViewType::Cut, EndType::Open, 1},
                          {ViewType::Cut, EndType::Closed, 2},
                          {ViewType::Cut, EndType::ClosedGround, 2},
                          {ViewType::Cut, EndType::ThreeQuarterGround, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(caseName(c.view, c.endType));
        FakeSpace space;
        DrawingState state;
        DrawingParams p = spring(c.view, c.endType, 3);
        prepareAsDriver(state, p, space);
        if (c.view == ViewType::Section) {
            geometry::DrawSectionView(state, p);
        } else {
            geometry::DrawCutView(state, p);
        }
        const std::size_t slots = c.view == ViewType::Section ? 4 : 2;
        ASSERT_EQ(state.EndEntities.size(), slots);
        std::vector<cad::EntityRef> unique(state.EndEntities.begin(), state.EndEntities.end());
        std::sort(unique.begin(), unique.end());
        unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
        EXPECT_EQ(unique.size(), c.distinct);
        EXPECT_EQ(space.entities.size(), slots * 3 + c.distinct + slots); // n = 3
    }
}

TEST(EndCoils, GroundAndHalfSectionsOfTheWire) {
    FakeSpace space;
    DrawingState state;
    DrawingParams p = spring(ViewType::Cut, EndType::ClosedGround, 1);
    prepareAsDriver(state, p, space);
    state.EndEntities.assign(2, nullptr);
    geometry::DrawGroundSectionEnd(state, p);
    const FakeEntity& flat = endSlot(state, 0);
    const FakeEntity& rest = endSlot(state, 1);
    // A vertical chord d/4 left of the section's centre, and the remaining 240 degrees.
    EXPECT_NEAR(flat.a.x, rest.centre.x - 0.5, 1e-12);
    EXPECT_NEAR(flat.a.y - flat.b.y, 2 * std::cos(kPi / 6), 1e-12);
    EXPECT_NEAR(rest.startAngle, 4 * kPi / 3, 1e-12);
    EXPECT_NEAR(rest.endAngle, 2 * kPi / 3, 1e-12);
    geometry::DrawHalfSectionEnd(state, p);
    const FakeEntity& diameter = endSlot(state, 0);
    EXPECT_DOUBLE_EQ(diameter.a.x, diameter.b.x);
    EXPECT_DOUBLE_EQ(diameter.b.y - diameter.a.y, 2);
    EXPECT_NEAR(endSlot(state, 1).startAngle, -kPi / 2, 1e-12);
}

} // namespace
