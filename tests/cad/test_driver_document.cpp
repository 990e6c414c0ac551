// The driver on the built-in drawing document: real intersections and half-turn copies,
// the point requests of the AutoCAD button, and the variables that choose the space.
#include "drawing_document.h"
#include "drawing_driver.h"
#include "tech_requirements.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace torvelix;
using namespace torvelix::cad;

namespace {

// Cancels the first request, then answers.
class CancelFirst : public PointSource {
public:
    std::vector<std::string> prompts;
    Point pick(const std::optional<Point>&, const std::string& prompt) override {
        prompts.push_back(prompt);
        if (prompts.size() == 1) {
            throw CadException("cancelled");
        }
        return Point{0, 0, 0};
    }
};

struct OnDocument : ::testing::Test {
    std::shared_ptr<DrawingDocument> document = std::make_shared<DrawingDocument>();
    BuiltinConnector connector{std::make_shared<BuiltinCadApplication>(document)};
    DrawingSession session;
    RecordingMessageSink sink;

    DrawingParams Params(int view, int endType, int n = 6) {
        DrawingParams p;
        p.ViewType = view;
        p.EndType = endType;
        p.n = n;
        p.D0 = 20;
        p.d = 2;
        p.t = 6;
        return p;
    }
    std::size_t Count(Space space = Space::Model) { return document->entities(space).size(); }
};

TEST_F(OnDocument, EveryViewAndEndTypeDrawsWithoutAFailure) {
    for (int view = 1; view <= 4; ++view) {
        for (int endType = 1; endType <= 4; ++endType) {
            SCOPED_TRACE(std::to_string(view) + "/" + std::to_string(endType));
            document->clear();
            ScriptedPointSource picks({Point{-3, 7, 0}});
            document->setPointSource(&picks);
            DrawingParams p = Params(view, endType);
            DrawSpring(session, p, connector, sink);
            EXPECT_TRUE(sink.messages.empty());
            EXPECT_GT(Count(), 10u);
            // The far end is the near end's half turn: the drawing's X extent is centred on
            // the TurnCentre for the side views.
            if (view <= 2) {
                double lo = 1e9, hi = -1e9;
                for (const auto& e : document->entities(Space::Model)) {
                    if (e.kind == Entity::Kind::Line) {
                        lo = std::min({lo, e.a.x, e.b.x});
                        hi = std::max({hi, e.a.x, e.b.x});
                    }
                }
                EXPECT_NEAR((lo + hi) / 2, session.Geometry.InsertPoint.x, 1e-9);
            }
        }
    }
}

TEST_F(OnDocument, FullViewCountsAndTrimmedBackLines) {
    ScriptedPointSource picks({Point{}});
    document->setPointSource(&picks);
    DrawingParams p = Params(2, 1, 5);
    DrawSpring(session, p, connector, sink);
    const auto& all = document->entities(Space::Model);
    ASSERT_EQ(all.size(), 6u * 5 + 10);
    // Coil 1's left back edge starts on its right front edge.
    const Entity& front = all[1];
    const Entity& back = all[4];
    const double cross = (front.b.x - front.a.x) * (back.a.y - front.a.y) -
                         (front.b.y - front.a.y) * (back.a.x - front.a.x);
    EXPECT_NEAR(cross, 0, 1e-9);
    EXPECT_GT(back.a.y, -10);
}

TEST_F(OnDocument, CancelledStartStillAsksForTheRequirementsCorner) {
    CancelFirst picks;
    document->setPointSource(&picks);
    DrawingParams p = Params(1, 1);
    DrawSpring(session, p, connector, sink);
    TechRequirementControls c;
    c.ckb6Sprav = true;
    DrawTechRequirements(BuildTechRequirements(c), connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(picks.prompts, (std::vector<std::string>{"Укажи точку начала пружины: ",
                                                       "Укажи левый-нижний угол текста ТТ: "}));
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(document->entities(Space::Model)[0].text, "1. *Размеры для справок.");
}

TEST_F(OnDocument, CancelledEndPointOfTheInscribedSpring) {
    ScriptedPointSource picks({Point{}}); // the end point request finds nothing: cancelled
    document->setPointSource(&picks);
    DrawingParams p = Params(2, 2);
    p.Inscribe = true;
    DrawSpring(session, p, connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(picks.prompts().size(), 2u);
    EXPECT_EQ(Count(), 0u);
}

TEST_F(OnDocument, SpaceByTileModeAndViewport) {
    document->setVariable("TILEMODE", 0);
    document->setVariable("CVPORT", 1);
    ScriptedPointSource picks({Point{}, Point{}, Point{}});
    document->setPointSource(&picks);
    DrawingParams p = Params(4, 3);
    DrawSpring(session, p, connector, sink);
    EXPECT_EQ(Count(Space::Paper), 2u * 6 + 2 + 2);
    EXPECT_EQ(Count(Space::Model), 0u);
    document->setVariable("CVPORT", 4);
    p = Params(4, 3);
    DrawSpring(session, p, connector, sink);
    EXPECT_EQ(Count(Space::Model), 2u * 6 + 2 + 2);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OnDocument, NoRunningApplication) {
    BuiltinConnector none(nullptr);
    DrawingParams p = Params(2, 1);
    DrawSpring(session, p, none, sink);
    DrawTechRequirements(TechRequirements{}, none, sink);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text,
              "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.01");
    EXPECT_EQ(sink.messages[1].text,
              "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.");
}

} // namespace
