// The working points and coil primitives against the numbers of a known coil.
#include "geometry_test_support.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::testing;
using geometry::DrawingParams;
using geometry::DrawingState;

namespace {

struct OneCoil : ::testing::Test {
    FakeSpace space;
    DrawingState state;
    DrawingParams params = spring(ViewType::WithBreak, EndType::Open);
    void SetUp() override {
        state.TargetSpace = &space;
        state.InsertPoint = Point{0, 0, 0};
        state.CoilTilt = std::atan(params.t / (2 * params.D0));
        state.CoilEntities.assign(6, nullptr);
    }
    void draw() {
        geometry::PrepareWorkPoints(state, params);
        state.WorkPoints[0].x = state.InsertPoint.x;
        geometry::DrawCoilFront(state, params, 0);
        geometry::DrawCoilBends(state, params, 2);
        geometry::DrawCoilBack(state, params, 4);
    }
    const FakeEntity& slot(int k) { return static_cast<FakeEntity&>(*state.CoilEntities[k]); }
};

void expectAt(const Point& p, double x, double y, double tol = 5e-4) {
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

TEST_F(OneCoil, FrontEdgesTiltAndOffsetOfTheKnownCoil) {
    draw();
    EXPECT_NEAR(state.CoilTilt, 0.149, 5e-4);
    EXPECT_NEAR(state.Offset.WireOffsetX, 0.989, 5e-4);
    EXPECT_NEAR(state.Offset.WireOffsetY, 0.148, 5e-4);
    expectAt(slot(0).a, -0.989, 9.852);
    expectAt(slot(0).b, 2.011, -10.148);
    expectAt(slot(1).a, 0.989, 10.148);
    expectAt(slot(1).b, 3.989, -9.852);
    ASSERT_EQ(space.entities.size(), 6u);
}

TEST_F(OneCoil, BendsMeetTheBandEdgesExactly) {
    draw();
    const FakeEntity& top = slot(2);
    const FakeEntity& bottom = slot(3);
    ASSERT_EQ(top.kind, FakeEntity::Kind::Arc);
    ASSERT_EQ(bottom.kind, FakeEntity::Kind::Arc);
    auto at = [](const FakeEntity& arc, double angle) {
        return Point{arc.centre.x + arc.radius * std::cos(angle),
                     arc.centre.y + arc.radius * std::sin(angle), 0};
    };
    // Top bend from P3 (right edge) over the top to P4 (left edge).
    expectAt(at(top, top.startAngle), slot(1).a.x, slot(1).a.y, 1e-12);
    expectAt(at(top, top.endAngle), slot(0).a.x, slot(0).a.y, 1e-12);
    // Bottom bend from P5 (left edge) under the bottom to P6 (right edge).
    expectAt(at(bottom, bottom.startAngle), slot(0).b.x, slot(0).b.y, 1e-12);
    expectAt(at(bottom, bottom.endAngle), slot(1).b.x, slot(1).b.y, 1e-12);
}

TEST_F(OneCoil, BackLineStartsWhereItLeavesTheFrontBand) {
    draw();
    const FakeEntity& back = slot(4);
    const FakeEntity& front = slot(1);
    // The start lies on the right front edge, above P8, and the end is P9.
    const double cross = (front.b.x - front.a.x) * (back.a.y - front.a.y) -
                         (front.b.y - front.a.y) * (back.a.x - front.a.x);
    EXPECT_NEAR(cross, 0, 1e-9);
    const auto& P = state.WorkPoints;
    EXPECT_GT(back.a.y, P[1].y + state.Offset.WireOffsetY + 1e-6);
    expectAt(back.a, P[8].x, P[8].y, 1e-12); // the trimmed point is kept in P8
    expectAt(back.b, P[9].x, P[9].y, 1e-12);
    expectAt(slot(5).a, P[7].x, P[7].y, 1e-12);
    expectAt(slot(5).b, P[10].x, P[10].y, 1e-12);
}

TEST_F(OneCoil, SectionViewDrawsFullWireSections) {
    params.ViewType = ViewType::Section;
    geometry::PrepareWorkPoints(state, params);
    geometry::DrawCoilFront(state, params, 0);
    geometry::DrawCoilBends(state, params, 2);
    EXPECT_EQ(slot(2).kind, FakeEntity::Kind::Circle);
    EXPECT_EQ(slot(3).kind, FakeEntity::Kind::Circle);
    expectAt(slot(3).centre, 3, -10, 1e-12);
    EXPECT_DOUBLE_EQ(slot(3).radius, 1);
}

TEST_F(OneCoil, EveryPointTakesThePickedZ) {
    state.InsertPoint.z = 7.5;
    draw();
    for (const auto& e : space.entities) {
        EXPECT_DOUBLE_EQ(e->kind == FakeEntity::Kind::Line ? e->a.z : e->centre.z, 7.5);
        if (e->kind == FakeEntity::Kind::Line) {
            EXPECT_DOUBLE_EQ(e->b.z, 7.5);
        }
    }
}

TEST_F(OneCoil, TrimWithoutCrossingIsRefusedAndKeepsWhatWasDrawn) {
    // A wire thicker than the pitch allows: the back edge never leaves the front band.
    params.d = 12;
    params.t = 1;
    state.CoilTilt = std::atan(params.t / (2 * params.D0));
    EXPECT_THROW(draw(), cad::CadException);
    EXPECT_EQ(space.entities.size(), 5u);
}

TEST_F(OneCoil, MissingTargetSpaceIsAProgrammingError) {
    state.TargetSpace = nullptr;
    EXPECT_THROW(draw(), std::logic_error);
}

} // namespace
