// The model's dimensions and checks without the modelling library: the end coils of the
// four end types, the free length from the drawing's inputs, the refusals with the
// drawing's messages, the fitted centreline and the STL bytes.
#include "spring_solid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using namespace torvelix;
using namespace torvelix::model3d;

geometry::DrawingParams drawing(geometry::EndType ends, double D0, double d, double t, int n) {
    geometry::DrawingParams p;
    p.EndType = ends;
    p.D0 = D0;
    p.d = d;
    p.t = t;
    p.n = n;
    return p;
}

TEST(SpringModel, FreeLengthOfTheDrawingInputsFollowsTheEndType) {
    // L0 = n t + (n2 + 1 - n3) d with (n2, n3) of the end-finish buttons:
    // open 8*12 + 1*4 = 100; closed 96 + 3*4 = 108; closed ground 96 + 1.5*4 = 102;
    // 3/4 closed ground 96 + 1*4 = 100.
    const std::pair<geometry::EndType, double> cases[] = {
        {geometry::EndType::Open, 100},
        {geometry::EndType::Closed, 108},
        {geometry::EndType::ClosedGround, 102},
        {geometry::EndType::ThreeQuarterGround, 100}};
    for (const auto& [ends, L0] : cases) {
        const SpringModelParams model = modelFromDrawing(drawing(ends, 40, 4, 12, 8));
        EXPECT_DOUBLE_EQ(model.L0, L0);
        EXPECT_DOUBLE_EQ(model.n, 8);
        EXPECT_FALSE(checkModelParams(model)) << static_cast<int>(ends);
    }
    // A given free length wins; the pitch follows from it when none is given:
    // (102 - 6) / 8 = 12.
    auto given = drawing(geometry::EndType::ClosedGround, 40, 4, 0, 8);
    given.L0 = 102;
    EXPECT_DOUBLE_EQ(modelFromDrawing(given).t, 12);
}

TEST(SpringModel, ThreeStrandSpringKeepsItsEndsUnground) {
    calc::DesignState state;
    state.SpringKind = calc::SpringKind::ThreeStrand;
    state.D = 18;
    state.d = 3;
    state.n = 4;
    state.n2 = 2;
    state.n3 = 1.5;
    state.t = 5.545;
    state.L0 = 31.315;
    const SpringModelParams model = modelFromDesign(state, "x");
    EXPECT_EQ(model.n3, 0);
    EXPECT_EQ(model.n2, 2);
    state.SpringKind = calc::SpringKind::SingleStrand;
    EXPECT_EQ(modelFromDesign(state, "x").n3, 1.5);
    EXPECT_EQ(designationOf(" 123 ", "13766"), "Пружина 123 ГОСТ 13766-86");
}

TEST(SpringModel, RefusesWhatTheDrawingRefusesWithItsMessages) {
    const auto refusal = [](double D, double d, double t, double n) {
        return checkModelParams(
                   modelFromDrawing(drawing(geometry::EndType::Open, D, d, t, static_cast<int>(n))))
            .value_or("");
    };
    EXPECT_EQ(refusal(40, 4, 4, 8), "Шаг пружины t должен быть\rбольше диаметра проволоки d!");
    EXPECT_EQ(refusal(40, 4, 3, 8), "Шаг пружины t должен быть\rбольше диаметра проволоки d!");
    EXPECT_EQ(refusal(4, 4, 12, 8),
              "Средний диаметр пружины D0 должен быть\rбольше диаметра проволоки d!");
    EXPECT_EQ(refusal(2e6, 4, 12, 8),
              "Средний диаметр пружины D0 слишком велик для чертежа\r(больше 1000000 мм)!");
    EXPECT_EQ(refusal(40, 4, 12, 256), "Количество рабочих витков n\rдолжно быть не больше 255!");
    EXPECT_EQ(refusal(40, 4, 12, 0), "Количество рабочих витков n\rдолжно быть не меньше 1!");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(refusal(nan, 4, 12, 8), "Средний диаметр пружины D0\rдолжен быть больше нуля!");
    EXPECT_EQ(refusal(40, 4, std::numeric_limits<double>::infinity(), 8),
              "Шаг пружины t слишком велик для чертежа\r(больше 1000000 мм)!");

    SpringModelParams p = modelFromDrawing(drawing(geometry::EndType::Closed, 40, 4, 12, 8));
    p.n = nan;
    EXPECT_TRUE(checkModelParams(p));
    p = modelFromDrawing(drawing(geometry::EndType::Closed, 40, 4, 12, 8));
    p.n3 = -1;
    EXPECT_TRUE(checkModelParams(p));
    // A free length too short for the coils leaves the working coils overlapping.
    p = modelFromDrawing(drawing(geometry::EndType::Closed, 40, 4, 12, 8));
    p.L0 = 40;
    EXPECT_EQ(checkModelParams(p).value_or(""),
              "Шаг пружины t должен быть\rбольше диаметра проволоки d!");
}

TEST(SpringModel, CentrelineSpansTheFreeLength) {
    // Closed, unground: the wire's lowest point at z = 0 and highest at L0 = 108. The end
    // of the wire leans by the lead angle of the end pitch p (about d): its lowest point
    // lies d/2 cos(atan(p / (pi D))) below the centreline's start.
    const SpringModelParams model =
        modelFromDrawing(drawing(geometry::EndType::Closed, 40, 4, 12, 8));
    const SpringLayout layout = layoutSpring(model);
    const double pi = 3.14159265358979323846;
    const double reach = 2 * std::cos(std::atan(layout.endPitch / (pi * 40)));
    EXPECT_NEAR(layout.startHeight, reach, 1e-12);
    EXPECT_NEAR(centreHeight(layout, layout.turns) + reach, 108, 1e-9);
    EXPECT_DOUBLE_EQ(layout.turns, 10);
    // End coils just clear of each other (d / cos of the lead angle, 1 % more), the
    // working pitch close to t; one turn of the end coils rises by the end pitch.
    EXPECT_GT(layout.endPitch, 4.0);
    EXPECT_LT(layout.endPitch, 4.1);
    EXPECT_NEAR(layout.workingPitch, 12, 0.05);
    EXPECT_NEAR(centreHeight(layout, 0.5) - centreHeight(layout, 0), layout.endPitch / 2, 1e-12);
    EXPECT_NEAR(centreHeight(layout, 5.5) - centreHeight(layout, 4.5), layout.workingPitch, 1e-12);
    // Every turn rises by at least the end pitch: no two coils meet.
    for (double u = 1; u <= layout.turns; u += 0.125) {
        EXPECT_GE(centreHeight(layout, u) - centreHeight(layout, u - 1), layout.endPitch - 1e-12);
    }
    // Ground: the planes z = 0 and L0 cut n3 d / 2 = 3 mm off each unground end.
    const SpringLayout ground =
        layoutSpring(modelFromDrawing(drawing(geometry::EndType::ClosedGround, 40, 4, 12, 8)));
    EXPECT_DOUBLE_EQ(ground.groundDepth, 3);
    EXPECT_NEAR(ground.startHeight, reach - 3, 1e-12);
}

TEST(SpringModel, FormatBySuffixIgnoringCase) {
    EXPECT_EQ(modelFormatFor("a/spring.step"), ModelFormat::Step);
    EXPECT_EQ(modelFormatFor("SPRING.STP"), ModelFormat::Step);
    EXPECT_EQ(modelFormatFor("spring.Stl"), ModelFormat::Stl);
    EXPECT_FALSE(modelFormatFor("spring.dxf"));
    EXPECT_FALSE(modelFormatFor("step"));
}

TEST(SpringModel, StlBytesHoldHeaderCountAndOutwardNormals) {
    const Triangle t{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}};
    const std::string bytes = stlBytes({t, t}, std::string(100, 'x'));
    ASSERT_EQ(bytes.size(), 84u + 2 * 50);
    EXPECT_EQ(bytes.substr(0, 9), "Torvelix ");
    EXPECT_EQ(bytes[80], 2);
    float normal[3];
    std::memcpy(normal, bytes.data() + 84, sizeof normal);
    EXPECT_EQ(normal[2], 1.0f); // counter-clockwise seen from +z
    // A cut name keeps whole UTF-8 characters: 9 + 35 * 2 = 79 bytes, then a blank.
    std::string name;
    for (int k = 0; k < 40; ++k) {
        name += "Ж";
    }
    const std::string cyrillic = stlBytes({}, name);
    EXPECT_EQ(cyrillic.substr(79, 1), " ");
    EXPECT_EQ(cyrillic.size(), 84u);
}

TEST(SpringModel, MeshEstimateGrowsWithFinerChords) {
    const SpringModelParams model =
        modelFromDrawing(drawing(geometry::EndType::Closed, 40, 4, 12, 8));
    // Around the wire: pi / acos(1 - 0.01 / 2) = 31.4 -> 32 segments; along a coil of
    // outer radius 22: pi / acos(1 - 0.01 / 22) = 104.2 -> 105; 2 * 32 * 105 * 10 coils.
    EXPECT_DOUBLE_EQ(estimatedTriangles(model, 0.01), 2.0 * 32 * 105 * 10);
    EXPECT_LT(estimatedTriangles(model, 0.1), estimatedTriangles(model, 0.01));
}

} // namespace
