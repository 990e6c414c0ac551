// The length rules of the drawing: end allowance, the pitch between two points, the view
// with a break's length, and the end coils that make a sheet's spring L0 long at its pitch.
#include "geometry_test_support.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::testing;
using geometry::DrawingParams;
using geometry::DrawingState;

namespace {

TEST(SpringFit, EndAllowanceOfEachEndType) {
    DrawingParams p = spring(ViewType::Full, EndType::Open);
    // Open: 0.75 t + d / (2 cos(atan(t / 2 D0))) = 4.5 + sqrt(1.0225).
    EXPECT_NEAR(geometry::endAllowance(p, std::atan(6.0 / 40)), 5.511, 5e-4);
    p.EndType = EndType::Closed;
    EXPECT_DOUBLE_EQ(geometry::endAllowance(p, 0), 3);
    p.EndType = EndType::ClosedGround;
    EXPECT_DOUBLE_EQ(geometry::endAllowance(p, 0), 1.5);
    p.EndType = EndType::ThreeQuarterGround;
    EXPECT_DOUBLE_EQ(geometry::endAllowance(p, 0), 1);
}

TEST(SpringFit, PitchBetweenTwoPointsAndViewLengths) {
    DrawingParams p = spring(ViewType::Full, EndType::Closed, 8);
    // (51 - 3 d) / (n - 0.5) = 45 / 7.5.
    EXPECT_DOUBLE_EQ(geometry::inscribedPitch(p, 51), 6);
    p.EndType = EndType::Open;
    // (51 - 1.01 d) / (n + 1).
    EXPECT_DOUBLE_EQ(geometry::inscribedPitch(p, 51), (51 - 2.02) / 9);
    p.EndType = EndType::Closed;
    // 2 a + (n - 0.5) t = 6 + 45; with a break: 2 (a + 2 t) + t = 2 * 15 + 6.
    EXPECT_DOUBLE_EQ(geometry::fullViewLength(p), 51);
    EXPECT_DOUBLE_EQ(geometry::brokenViewLength(p), 36);
    p.BreakCoils = 1;
    EXPECT_DOUBLE_EQ(geometry::brokenViewLength(p), 24);
    // One coil at each end and the break: nothing is left out up to three coils.
    p.n = 3;
    EXPECT_TRUE(geometry::breakLeavesNothingOut(p));
    p.n = 4;
    EXPECT_FALSE(geometry::breakLeavesNothingOut(p));
    p.BreakCoils = 0; // as two
    p.n = 5;
    EXPECT_TRUE(geometry::breakLeavesNothingOut(p));
    p.n = 6;
    EXPECT_FALSE(geometry::breakLeavesNothingOut(p));
}

// The sheet's spring: L0 = n t + (n2 + 1 - n3) d by GOST 13765 with the support and ground
// coils of each end form (0/0, 2/0, 2/1.5, 1.5/1.5): for n = 5, t = 6, d = 2 that is 32, 36,
// 33 and 32. Drawn with the sheet's end coils every view spans exactly that, and the
// working coils keep the pitch t.
TEST(SpringFit, SheetEndCoilsMakeTheSpringL0LongAtItsPitch) {
    const std::pair<EndType, double> ends[] = {{EndType::Open, 32},
                                               {EndType::Closed, 36},
                                               {EndType::ClosedGround, 33},
                                               {EndType::ThreeQuarterGround, 32}};
    for (const ViewType view : {ViewType::Full, ViewType::Section, ViewType::Cut}) {
        for (const auto& [endType, l0] : ends) {
            SCOPED_TRACE(caseName(view, endType));
            FakeSpace space;
            DrawingState s;
            DrawingParams p = spring(view, endType, 5);
            prepareAsDriver(s, p, space);
            const double reach = geometry::endReach(p, l0);
            ASSERT_GE(reach, geometry::smallestEndReach(p));
            if (endType == EndType::Open) {
                s.QuarterOpenEnd = true;
            } else {
                s.EndGap = reach - endAllowanceFor(p);
            }
            s.InsertPoint.x = reach;
            geometry::drawView(s, p);
            double hi = -1e9;
            for (const auto& e : space.entities) {
                hi = std::max(hi, xExtent(*e).second);
            }
            EXPECT_NEAR(minX(space.entities, 0, space.entities.size()), 0, 1e-9);
            EXPECT_NEAR(hi, l0, 1e-9);
            const int perCoil = view == ViewType::Full ? 6 : view == ViewType::Section ? 4 : 2;
            const auto& first = static_cast<const FakeEntity&>(*s.CoilEntities[0]);
            const auto& second = static_cast<const FakeEntity&>(*s.CoilEntities[perCoil]);
            const double firstX = first.kind == FakeEntity::Kind::Line ? first.a.x : first.centre.x;
            const double secondX =
                second.kind == FakeEntity::Kind::Line ? second.a.x : second.centre.x;
            EXPECT_NEAR(secondX - firstX, 6, 1e-9);
        }
    }
}

TEST(SpringFit, ShortestReachOfTheEndCoils) {
    DrawingParams p = spring(ViewType::Full, EndType::Closed, 5);
    // A closed end may not push into the first coil: L0 = (n - 0.5) t + 3 d = 33 at least
    // (less a thousandth of d at each end for rounded lengths).
    EXPECT_GE(geometry::endReach(p, 33), geometry::smallestEndReach(p));
    EXPECT_LT(geometry::endReach(p, 32.99), geometry::smallestEndReach(p));
    // An open end's quarter turn needs half the wire: (n - 0.5) t + d = 29.
    p.EndType = EndType::Open;
    EXPECT_GE(geometry::endReach(p, 29), geometry::smallestEndReach(p));
    EXPECT_LT(geometry::endReach(p, 28.99), geometry::smallestEndReach(p));
}

} // namespace
