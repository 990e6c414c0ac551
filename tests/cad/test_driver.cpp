// The drawing driver: the request from the controls, the refusals, the point requests,
// the pitch fitting, the target space and the messages of the CAD failures.
#include "drawing_driver.h"
#include "errors.h"
#include "geometry_fake_cad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace torvelix;
using namespace torvelix::cad;
using geometry::EndType;
using geometry::ViewType;
using torvelix::testing::FakeConnector;

namespace {

DrawingInputs controls() {
    DrawingInputs c;
    c.e9_D0 = "20";
    c.e9_d = "2";
    c.e9_t = "6";
    c.e9_n = "8";
    return c;
}

TEST(BuildDrawingParams, ReadsChoicesIndexAndNumbers) {
    DrawingInputs c = controls();
    c.breakCoilsItem = 0;
    c.ends = EndType::ClosedGround;
    c.view = ViewType::Cut;
    c.e9_n = "7.9";
    c.lengthsAndForces[3] = "12.5";
    c.lengthsAndForces[6] = "300";
    c.inscribe = true;
    DrawingParams p = buildDrawingParams(c);
    EXPECT_EQ(p.BreakCoils, 1);
    EXPECT_EQ(p.EndType, EndType::ClosedGround);
    EXPECT_EQ(p.ViewType, ViewType::Cut);
    EXPECT_EQ(p.n, 7); // whole part
    EXPECT_DOUBLE_EQ(p.L3, 12.5);
    EXPECT_DOUBLE_EQ(p.F3, 300);
    EXPECT_DOUBLE_EQ(p.F2, 0);
    EXPECT_TRUE(p.Inscribe);
    EXPECT_FALSE(p.WithDiagram);
    c.breakCoilsItem = -1;
    c.e9_n = "-0.7";
    EXPECT_EQ(buildDrawingParams(c).BreakCoils, 0);
    EXPECT_EQ(buildDrawingParams(c).n, 0);
    c.e9_n = "1e300";
    EXPECT_GT(buildDrawingParams(c).n, 255);
}

TEST(BuildDrawingParams, FirstTextThatIsNotANumberEscapes) {
    DrawingInputs c = controls();
    c.e9_d = "2,5";
    c.lengthsAndForces[6] = "abc";
    try {
        buildDrawingParams(c);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "Неверное число '2,5'. Дробную часть отделяйте точкой.");
    }
}

TEST(CheckDrawingParams, RefusesValuesThatCannotMakeADrawing) {
    DrawingParams ok = buildDrawingParams(controls());
    EXPECT_FALSE(checkDrawingParams(ok));
    // Zero lengths are accepted without the diagram.
    EXPECT_EQ(ok.L0, 0);

    DrawingParams p = ok;
    p.WithDiagram = true;
    p.L0 = 50;
    p.L1 = 40;
    p.L2 = 0;
    p.L3 = 30;
    EXPECT_EQ(checkDrawingParams(p).value_or(""),
              "Параметры пружины L0, L1, L2, L3\rне должны равняться нулю!");
    p.L2 = 35;
    EXPECT_FALSE(checkDrawingParams(p));
    p.L3 = 50;
    EXPECT_NE(checkDrawingParams(p).value_or("").find("L3"), std::string::npos);

    auto refusedNaming = [&ok](auto change, const char* name) {
        DrawingParams q = ok;
        change(q);
        auto text = checkDrawingParams(q);
        ASSERT_TRUE(text) << name;
        EXPECT_NE(text->find(name), std::string::npos) << *text;
    };
    refusedNaming([](DrawingParams& q) { q.n = 256; }, "n");
    refusedNaming(
        [](DrawingParams& q) {
            q.n = 0;
            q.ViewType = ViewType::Full;
        },
        "n");
    refusedNaming(
        [](DrawingParams& q) {
            q.n = 0;
            q.ViewType = ViewType::Cut;
        },
        "n");
    refusedNaming([](DrawingParams& q) { q.n = -1; }, "n");
    refusedNaming([](DrawingParams& q) { q.D0 = 0; }, "D0");
    refusedNaming([](DrawingParams& q) { q.d = -2; }, "d");
    refusedNaming([](DrawingParams& q) { q.t = 0; }, "t");

    DrawingParams broken = ok;
    broken.n = 0; // the view with a break draws its own coils
    EXPECT_FALSE(checkDrawingParams(broken));
    broken.t = 0;
    broken.Inscribe = true; // the pitch comes from the picked points
    EXPECT_FALSE(checkDrawingParams(broken));
}

struct Driver : ::testing::Test {
    FakeConnector connector;
    DrawingSession session;
    RecordingMessageSink sink;
    DrawingParams params = buildDrawingParams(controls());
    torvelix::testing::FakeDocument& doc() { return connector.doc(); }
    void answer(std::optional<cad::Point> p) { doc().utility.answers.push_back(p); }
    void draw() { DrawSpring(session, params, connector, sink); }
};

TEST_F(Driver, AsksForTheStartPointAndDrawsIntoModelSpace) {
    answer(cad::Point{10, 20, 3});
    draw();
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(doc().utility.prompts.size(), 1u);
    EXPECT_EQ(doc().utility.prompts[0], "Укажи точку начала пружины: ");
    EXPECT_FALSE(doc().utility.bases[0]);
    EXPECT_EQ(connector.attached, std::vector<std::string>{"AutoCAD.Application"});
    EXPECT_FALSE(doc().model.entities.empty());
    EXPECT_TRUE(doc().paper.entities.empty());
    EXPECT_DOUBLE_EQ(params.t, 6);
    EXPECT_NEAR(session.Geometry.CoilTilt, std::atan(6.0 / 40), 1e-15);
    EXPECT_EQ(session.TileMode, 1);
}

TEST_F(Driver, TargetSpaceFollowsTileModeAndViewport) {
    struct Case {
        int tileMode, cvPort;
        bool paper;
    };
    for (Case c : {Case{1, 1, false}, Case{0, 1, true}, Case{0, 2, false}, Case{0, 3, false}}) {
        FakeConnector fresh;
        fresh.doc().tileMode = c.tileMode;
        fresh.doc().cvPort = c.cvPort;
        fresh.doc().utility.answers.push_back(cad::Point{});
        DrawingParams p = params;
        DrawSpring(session, p, fresh, sink);
        EXPECT_EQ(fresh.doc().paper.entities.empty(), !c.paper);
        EXPECT_EQ(fresh.doc().model.entities.empty(), c.paper);
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(Driver, InscribedPitchOfTheExample) {
    params.EndType = EndType::Closed;
    params.ViewType = ViewType::Full;
    params.Inscribe = true;
    params.t = 0;
    answer(cad::Point{1, 1, 0});
    answer(cad::Point{1 + 51 * 0.6, 1 - 51 * 0.8, 9}); // direction and Z do not count
    draw();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_NEAR(params.t, 6, 1e-12);
    ASSERT_EQ(doc().utility.prompts.size(), 2u);
    EXPECT_EQ(doc().utility.prompts[1], "Укажи точку конца пружины : ");
    ASSERT_TRUE(doc().utility.bases[1]);
    EXPECT_DOUBLE_EQ(doc().utility.bases[1]->x, 1);
    // Laid out to the right of the start point whatever the pick's direction.
    for (const auto& e : doc().model.entities) {
        const bool line = e->kind == torvelix::testing::FakeEntity::Kind::Line;
        EXPECT_GE(line ? std::min(e->a.x, e->b.x) : e->centre.x - e->radius, 1 - 1e-9);
    }
}

TEST_F(Driver, InscribedPitchByEndType) {
    // Points 80 apart, d = 2, n = 8: t = (80 - k * d) / q.
    const std::pair<EndType, double> expected[] = {
        {EndType::Open, 77.98 / 9},             // k = 1.01, q = n + 1 = 9 -> 8.6644...
        {EndType::Closed, 74 / 7.5},            // k = 3, q = n - 0.5 = 7.5 -> 9.8666...
        {EndType::ClosedGround, 77 / 7.5},      // k = 1.5 -> 10.2666...
        {EndType::ThreeQuarterGround, 78 / 7.5} // k = 1 -> 10.4
    };
    for (const auto& [endType, pitch] : expected) {
        FakeConnector fresh;
        fresh.doc().utility.answers = {cad::Point{}, cad::Point{0, 80, 0}};
        DrawingParams p = params;
        p.EndType = endType;
        p.Inscribe = true;
        DrawSpring(session, p, fresh, sink);
        EXPECT_NEAR(p.t, pitch, 1e-12) << static_cast<int>(endType);
    }
}

TEST_F(Driver, DistanceShorterThanTheSolidLengthDrawsNothing) {
    params.Inscribe = true;
    params.L3 = 40;
    answer(cad::Point{});
    answer(cad::Point{39.999, 0, 0});
    draw();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(sink.messages[0].text,
              "Расстояние между точками меньше\rдлины пружины в сжатом состоянии!");
    EXPECT_TRUE(doc().model.entities.empty());

    // Equal to L3 is accepted.
    sink.messages.clear();
    answer(cad::Point{});
    answer(cad::Point{40, 0, 0});
    draw();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(doc().model.entities.empty());
}

TEST_F(Driver, PitchThatWouldNotBePositiveDrawsNothing) {
    params.Inscribe = true;
    params.EndType = EndType::Closed;
    answer(cad::Point{});
    answer(cad::Point{5, 0, 0}); // shorter than the three wire diameters of the ends
    draw();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(sink.messages[0].text.find("t"), std::string::npos);
    EXPECT_TRUE(doc().model.entities.empty());
}

TEST_F(Driver, CancelledRequestAndMissingApplication) {
    answer(std::nullopt);
    draw();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_TRUE(doc().model.entities.empty());

    connector.running = false;
    draw();
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(sink.messages[1].text,
              "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.01");
}

// Coils that overlap (t not above d), a wire thicker than the coil, or sizes and points
// whose coordinates lose all precision are refused before anything is asked or drawn; the
// CAD link message stays for failures of the CAD application.
TEST_F(Driver, UndrawableGeometryIsRefusedByName) {
    struct Case {
        double D0, d, t;
        ViewType view;
        const char* start;
    };
    const Case cases[] = {
        {20, 12, 1, ViewType::WithBreak, "Шаг пружины t должен быть"},
        {20, 6, 6, ViewType::Full, "Шаг пружины t должен быть"},
        {2, 6, 8, ViewType::Cut, "Средний диаметр пружины D0 должен быть"},
        {1e15, 2, 6, ViewType::WithBreak, "Средний диаметр пружины D0 слишком велик"},
        {20, 2, 1e7, ViewType::Section, "Шаг пружины t слишком велик"},
    };
    for (const Case& c : cases) {
        DrawingParams p = params;
        p.D0 = c.D0;
        p.d = c.d;
        p.t = c.t;
        p.ViewType = c.view;
        const auto refusal = cad::checkDrawingParams(p);
        ASSERT_TRUE(refusal.has_value()) << c.start;
        EXPECT_EQ(refusal->rfind(c.start, 0), 0u) << *refusal;
    }
    // A pitch equal to d is drawable in the cut view, where coils are only sections.
    params.d = 6;
    params.t = 6;
    params.ViewType = ViewType::Cut;
    EXPECT_FALSE(cad::checkDrawingParams(params).has_value());
}

TEST_F(Driver, StartPointTooFarOutIsRefused) {
    answer(cad::Point{1.7e308, 0, 0});
    draw();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(sink.messages[0].text.rfind("Точка лежит слишком далеко", 0), 0u);
    EXPECT_TRUE(doc().model.entities.empty());
}

TEST_F(Driver, RefusedRequestAsksNothing) {
    params.D0 = 0;
    draw();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(connector.attached.empty());
    EXPECT_TRUE(doc().utility.prompts.empty());
}

TEST_F(Driver, DiagramRescalesLengthsToTheDrawnLength) {
    params.WithDiagram = true;
    params.BreakCoils = 0; // worked out as for two coils
    params.L0 = 60;
    params.L1 = 50;
    params.L2 = 40;
    params.L3 = 30;
    answer(cad::Point{});
    draw();
    ASSERT_TRUE(sink.messages.empty());
    // End type 1: a = 0.75 t + d / (2 cos(atan(t / 2 D0))) = 4.5 + sqrt(1 + 0.15^2)
    // = 4.5 + 1.0111874208 = 5.5111874208; two coils: 2 (2 t + a) + t
    // = 2 (12 + 5.5111874208) + 6 = 41.0223748416.
    const double drawn = 41.0223748416;
    EXPECT_NEAR(session.Geometry.DrawnLength, drawn, 1e-9);
    EXPECT_NEAR(params.L3, 20.5111874208, 1e-9); // drawn * 30 / 60
    EXPECT_NEAR(params.L1, 34.1853123680, 1e-9); // drawn * 50 / 60
    EXPECT_DOUBLE_EQ(params.L0, 60);
    // The view with two coils (38 entities), then the five lines of the diagram.
    EXPECT_EQ(doc().model.entities.size(), 38u + 5u);
    // The view with a break reaches the drawn length from the start point.
    double hi = -1e9;
    for (std::size_t k = 0; k < 38; ++k) {
        const auto& e = *doc().model.entities[k];
        const bool line = e.kind == torvelix::testing::FakeEntity::Kind::Line;
        hi = std::max(hi, line ? std::max(e.a.x, e.b.x) : e.centre.x + e.radius);
    }
    EXPECT_NEAR(hi, drawn, 1e-9);
}

} // namespace
