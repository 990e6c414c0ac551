// The driver on the built-in drawing document: real intersections and trims, and the
// point requests of the AutoCAD button cancelled at the start and at the end point.
#include "drawing_document.h"
#include "drawing_driver.h"
#include "tech_requirements.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace torvelix;
using namespace torvelix::cad;
using geometry::EndType;
using geometry::ViewType;

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

    DrawingParams params(ViewType view, EndType endType, int n = 6) {
        DrawingParams p;
        p.ViewType = view;
        p.EndType = endType;
        p.n = n;
        p.D0 = 20;
        p.d = 2;
        p.t = 6;
        return p;
    }
    std::size_t count(Space space = Space::Model) { return document->entities(space).size(); }
};

TEST_F(OnDocument, FullViewCountsAndTrimmedBackLines) {
    ScriptedPointSource picks({Point{}});
    document->setPointSource(&picks);
    DrawingParams p = params(ViewType::Full, EndType::Open, 5);
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
    DrawingParams p = params(ViewType::WithBreak, EndType::Open);
    DrawSpring(session, p, connector, sink);
    TechRequirementControls c;
    c.ckb6Sprav = true;
    DrawTechRequirements(buildTechRequirements(c), connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(picks.prompts, (std::vector<std::string>{"Укажи точку начала пружины: ",
                                                       "Укажи левый-нижний угол текста ТТ: "}));
    ASSERT_EQ(count(), 1u);
    EXPECT_EQ(document->entities(Space::Model)[0].text, "1. *Размеры для справок.");
}

TEST_F(OnDocument, CancelledEndPointOfTheInscribedSpring) {
    ScriptedPointSource picks({Point{}}); // the end point request finds nothing: cancelled
    document->setPointSource(&picks);
    DrawingParams p = params(ViewType::Full, EndType::Closed);
    p.Inscribe = true;
    DrawSpring(session, p, connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(picks.prompts().size(), 2u);
    EXPECT_EQ(count(), 0u);
}

} // namespace
