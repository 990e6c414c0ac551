// The four views: entity counts, the far end as the point mirror of the near end, the
// centre of the half turn and the loading diagram.
#include "geometry_test_support.h"

#include <gtest/gtest.h>

#include <utility>

using namespace torvelix;
using namespace torvelix::testing;
using geometry::DrawingParams;
using geometry::DrawingState;

namespace {

std::size_t distinctEnds(ViewType view, EndType endType) {
    switch (view) {
    case ViewType::WithBreak:
    case ViewType::Full:
        return endType == EndType::Open ? 6 : 5;
    case ViewType::Section:
        return endType == EndType::Open || endType == EndType::Closed ? 4 : 2;
    case ViewType::Cut:
        break;
    }
    return endType == EndType::Open ? 1 : 2;
}

TEST(Views, EntityCountsOfEveryViewAndEndType) {
    const int n = 7;
    for (ViewType view : kViews) {
        for (EndType endType : kEndTypes) {
            for (int breakCoils : {0, 1, 2}) {
                if (view != ViewType::WithBreak && breakCoils != 2) {
                    continue;
                }
                SCOPED_TRACE(caseName(view, endType) + "/" + std::to_string(breakCoils));
                FakeSpace space;
                DrawingState s;
                DrawingParams p = spring(view, endType, n);
                p.BreakCoils = breakCoils;
                prepareAsDriver(s, p, space);
                geometry::drawView(s, p);
                const std::size_t ends = distinctEnds(view, endType);
                std::size_t coils = 0;
                std::size_t copies = 0;
                switch (view) {
                case ViewType::WithBreak:
                    coils = (breakCoils == 1 ? 6 : 12) + 1;
                    copies = coils + 6;
                    break;
                case ViewType::Full:
                    coils = 6 * n - 2; // the last coil has no back band
                    copies = 6;
                    break;
                case ViewType::Section:
                    coils = 4 * n;
                    copies = 4;
                    break;
                case ViewType::Cut:
                    coils = 2 * n;
                    copies = 2;
                    break;
                }
                EXPECT_EQ(space.originals(), coils + ends);
                EXPECT_EQ(space.entities.size() - space.originals(), copies);
            }
        }
    }
}

Point halfTurn(const Point& p, const Point& c) {
    return Point{2 * c.x - p.x, 2 * c.y - p.y, p.z};
}

TEST(Views, FarEndIsThePointMirrorOfTheNearEnd) {
    for (ViewType view : kViews) {
        for (EndType endType : kEndTypes) {
            SCOPED_TRACE(caseName(view, endType));
            FakeSpace space;
            DrawingState s;
            DrawingParams p = spring(view, endType, 4);
            prepareAsDriver(s, p, space, Point{3, -4, 2});
            geometry::drawView(s, p);
            const Point centre = s.InsertPoint;
            EXPECT_DOUBLE_EQ(centre.y, -4);
            // The copies follow the originals, one per slot in slot order.
            const auto& list = s.EndEntities;
            const std::size_t firstCopy = space.entities.size() - list.size();
            for (std::size_t k = 0; k < list.size(); ++k) {
                const auto& near = static_cast<const FakeEntity&>(*list[k]);
                const FakeEntity& far = *space.entities[firstCopy + k];
                ASSERT_TRUE(far.copy);
                ASSERT_EQ(far.kind, near.kind);
                if (near.kind == FakeEntity::Kind::Line) {
                    EXPECT_NEAR(far.a.x, halfTurn(near.a, centre).x, 1e-9);
                    EXPECT_NEAR(far.a.y, halfTurn(near.a, centre).y, 1e-9);
                    EXPECT_NEAR(far.b.x, halfTurn(near.b, centre).x, 1e-9);
                } else {
                    EXPECT_NEAR(far.centre.x, halfTurn(near.centre, centre).x, 1e-9);
                    EXPECT_NEAR(far.centre.y, halfTurn(near.centre, centre).y, 1e-9);
                }
            }
        }
    }
}

TEST(Views, FullSectionAndCutShareTheirTurnCentre) {
    // Picked at X = 10, t = 6, d = 2, D0 = 20, n = 9: the centre lies at
    // 10 + a + (n - 0.5) t / 2 = 10 + a + 25.5, a the end allowance of the end type:
    // open: 0.75 t + d / (2 cos(atan(t / 2 D0))) = 4.5 + sqrt(1.0225) = 5.5111874208;
    // closed: 1.5 d = 3; closed, ground: 0.75 d = 1.5; 3/4 coil ground: 0.5 d = 1.
    const std::pair<EndType, double> expected[] = {{EndType::Open, 41.0111874208},
                                                   {EndType::Closed, 38.5},
                                                   {EndType::ClosedGround, 37},
                                                   {EndType::ThreeQuarterGround, 36.5}};
    for (ViewType view : {ViewType::Full, ViewType::Section, ViewType::Cut}) {
        for (const auto& [endType, centre] : expected) {
            FakeSpace space;
            DrawingState s;
            DrawingParams p = spring(view, endType, 9);
            prepareAsDriver(s, p, space, Point{10, 0, 0});
            geometry::drawView(s, p);
            EXPECT_NEAR(s.InsertPoint.x, centre, 1e-9) << caseName(view, endType);
        }
    }
}

TEST(Views, FullViewEndsJoinTheLastCoilAndSpanTheFittedLength) {
    // Pitch fitted for closed ends between points 51 apart: (51 - 3 d) / (n - 0.5) = 6.
    FakeSpace space;
    DrawingState s;
    DrawingParams p = spring(ViewType::Full, EndType::Closed, 8);
    prepareAsDriver(s, p, space);
    geometry::DrawFullView(s, p);
    double hi = -1e9;
    for (const auto& e : space.entities) {
        hi = std::max(hi, xExtent(*e).second);
    }
    EXPECT_NEAR(minX(space.entities, 0, space.entities.size()), 0, 1e-9);
    EXPECT_NEAR(hi, 51, 1e-9);
}

TEST(Views, FullViewOfOneCoilHasNoBackBand) {
    FakeSpace space;
    DrawingState s;
    DrawingParams p = spring(ViewType::Full, EndType::Open, 1);
    prepareAsDriver(s, p, space);
    geometry::DrawFullView(s, p);
    ASSERT_EQ(s.CoilEntities.size(), 6u);
    EXPECT_TRUE(s.CoilEntities[0] && s.CoilEntities[3]);
    EXPECT_FALSE(s.CoilEntities[4] || s.CoilEntities[5]);
    // The far end coil's copy of the end's top (the coil's top P0) falls on the coil's
    // bottom bend centre P1.
    const auto& bottom = static_cast<const FakeEntity&>(*s.CoilEntities[3]);
    // Open end: a = 0.75 t + d / (2 cos(atan(t / 2 D0))) = 4.5 + sqrt(1.0225).
    const Point top{5.5111874208, 10, 0};
    EXPECT_NEAR(halfTurn(top, s.InsertPoint).x, bottom.centre.x, 1e-9);
    EXPECT_NEAR(halfTurn(top, s.InsertPoint).y, bottom.centre.y, 1e-9);
}

TEST(Views, BackEdgesAreTrimmedByTheNextCoil) {
    FakeSpace space;
    DrawingState s;
    DrawingParams p = spring(ViewType::Full, EndType::Open, 3);
    prepareAsDriver(s, p, space);
    geometry::DrawFullView(s, p);
    for (int k = 1; k < 3; ++k) {
        const auto& back = static_cast<const FakeEntity&>(*s.CoilEntities[6 * k - 1]);
        const auto& next = static_cast<const FakeEntity&>(*s.CoilEntities[6 * k]);
        const double cross = (next.b.x - next.a.x) * (back.b.y - next.a.y) -
                             (next.b.y - next.a.y) * (back.b.x - next.a.x);
        EXPECT_NEAR(cross, 0, 1e-9);
    }
}

TEST(Views, BrokenViewLastBackEdgeEndsOnTheBreakSection) {
    for (int breakCoils : {1, 2}) {
        FakeSpace space;
        DrawingState s;
        DrawingParams p = spring(ViewType::WithBreak, EndType::Closed);
        p.BreakCoils = breakCoils;
        prepareAsDriver(s, p, space);
        geometry::DrawBrokenView(s, p);
        const auto& section = static_cast<const FakeEntity&>(*s.BreakEntities[0]);
        const auto& back =
            static_cast<const FakeEntity&>(*s.CoilEntities[breakCoils == 1 ? 5 : 11]);
        EXPECT_NEAR(std::hypot(back.b.x - section.centre.x, back.b.y - section.centre.y), 1, 1e-12);
        // TurnCentre: half a pitch right of the section, on the axis; the copy of the
        // section lands one pitch on, at the bottom.
        EXPECT_NEAR(s.InsertPoint.x, section.centre.x + 3, 1e-12);
        EXPECT_DOUBLE_EQ(s.InsertPoint.y, 0);
    }
}

TEST(Views, FailedCallLeavesTheEarlierEntitiesWithoutCopies) {
    FakeSpace space;
    space.failAfter = 10;
    DrawingState s;
    DrawingParams p = spring(ViewType::Full, EndType::Open, 4);
    prepareAsDriver(s, p, space);
    EXPECT_THROW(geometry::DrawFullView(s, p), cad::CadException);
    EXPECT_EQ(space.entities.size(), 10u);
    EXPECT_EQ(space.originals(), 10u);
}

TEST(LoadingDiagram, OrdinatesEndOnTheForceLineFromThePickedStart) {
    FakeSpace space;
    DrawingState s;
    DrawingParams p = spring(ViewType::WithBreak, EndType::Open);
    prepareAsDriver(s, p, space, Point{100, 50, 0});
    s.InsertPoint.x = 500; // where a view left it
    s.DrawnLength = 60;
    p.L1 = 50;
    p.L2 = 35;
    p.L3 = 30;
    geometry::DrawLoadingDiagram(s, p);
    ASSERT_EQ(space.entities.size(), 5u);
    const auto& e = space.entities;
    // Ordinate at L3 from 2 D0 down to 1.5 D0, base line to the drawn length.
    EXPECT_DOUBLE_EQ(e[0]->a.x, 130);
    EXPECT_DOUBLE_EQ(e[0]->a.y, 90);
    EXPECT_DOUBLE_EQ(e[0]->b.y, 80);
    EXPECT_DOUBLE_EQ(e[1]->b.x, 160);
    EXPECT_DOUBLE_EQ(e[1]->b.y, 80);
    for (int k : {3, 4}) {
        const double li = k == 3 ? 35 : 50;
        EXPECT_DOUBLE_EQ(e[k]->a.x, 100 + li);
        EXPECT_NEAR(e[k]->a.y - 80, 0.5 * 20 * (60 - li) / (60 - 30), 1e-12);
        EXPECT_DOUBLE_EQ(e[k]->b.y, 80);
    }
}

TEST(Views, FullViewWithoutCoilsIsRefused) {
    FakeSpace space;
    DrawingState s;
    DrawingParams p = spring(ViewType::Full, EndType::Open, 0);
    prepareAsDriver(s, p, space);
    EXPECT_THROW(geometry::DrawFullView(s, p), std::logic_error);
    EXPECT_TRUE(space.entities.empty());
}

} // namespace
