// The complete drawing's driver: the diagram's values refused out of order with the value
// named, a free length too short for the coils, and on the built-in document a sheet whose
// spring keeps the design's pitch and whose later classic drawing is as specified again.
#include "drawing_document.h"
#include "eskd_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace torvelix;
using namespace torvelix::cad;
using geometry::EndType;
using geometry::ViewType;

namespace {

// Spring 383 of GOST 13766-86 as the report gives it: D 10.2, d 1.8, n 16, t 2.89,
// L0 48.972, L1 45.675, L2 35.786, L3 31.5 under 20, 80 and 106 N.
DrawingParams spring383() {
    DrawingParams p;
    p.ViewType = ViewType::WithBreak;
    p.EndType = EndType::ClosedGround;
    p.BreakCoils = 2;
    p.n = 16;
    p.t = 2.89;
    p.D0 = 10.2;
    p.d = 1.8;
    p.L0 = 48.972;
    p.L1 = 45.675;
    p.L2 = 35.786;
    p.L3 = 31.5;
    p.F1 = 20;
    p.F2 = 80;
    p.F3 = 106;
    p.WithDiagram = true;
    return p;
}

TEST(DiagramValues, RefusedOutOfOrderNamingTheValues) {
    DrawingParams p = spring383();
    EXPECT_FALSE(checkDrawingParams(p));
    EXPECT_FALSE(prepareEskdParams(p));
    p.L1 = 55;
    EXPECT_EQ(checkDrawingParams(p).value_or(""),
              "Диаграмма нагружения: длина L1 = 55 мм\rдолжна быть меньше длины L0 = 48.972 мм!");
    p = spring383();
    p.L2 = 46;
    EXPECT_NE(checkDrawingParams(p).value_or("").find("L2 = 46 мм"), std::string::npos);
    p = spring383();
    p.L3 = -1;
    EXPECT_NE(checkDrawingParams(p).value_or("").find("L3 = -1"), std::string::npos);
    // The forces label the complete drawing's diagram only.
    p = spring383();
    p.F1 = 90;
    EXPECT_FALSE(checkDrawingParams(p));
    EXPECT_EQ(prepareEskdParams(p).value_or(""),
              "Диаграмма нагружения: сила F1 = 90 Н\rдолжна быть меньше F2 = 80 Н!");
    p = spring383();
    p.F3 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(prepareEskdParams(p).value_or("").find("F3 = NAN"), std::string::npos);
    p = spring383();
    p.F2 = 1e300;
    EXPECT_NE(prepareEskdParams(p).value_or("").find("F2"), std::string::npos);
}

TEST(EskdParams, FreeLengthTooShortForTheCoilsIsRefused) {
    // Closed ends need (n - 0.5) t + 3 d = 15.5 * 2.89 + 5.4 = 50.195 mm, less a thousandth
    // of d at each end for rounded lengths: 50.1914, written with four digits.
    DrawingParams p = spring383();
    p.EndType = EndType::Closed;
    const auto refusal = prepareEskdParams(p);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("L0 = 48.972"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("50.19 мм"), std::string::npos) << *refusal;
    // The pitch is the design's: never fitted to the free length.
    p = spring383();
    ASSERT_FALSE(prepareEskdParams(p));
    EXPECT_EQ(p.t, 2.89);
}

struct Sheet : ::testing::Test {
    std::shared_ptr<DrawingDocument> document = std::make_shared<DrawingDocument>();
    BuiltinConnector connector{std::make_shared<BuiltinCadApplication>(document)};
    DrawingSession session;
    RecordingMessageSink sink;
};

TEST_F(Sheet, PitchDimensionIsTheDesignsAndTheStateIsClearedAfterwards) {
    ScriptedPointSource picks({Point{}, Point{}});
    document->setPointSource(&picks);
    DrawingParams p = spring383();
    geometry::EskdSheetInfo info;
    drawEskdSpring(session, p, info, connector, sink);
    ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
    const auto& all = document->entities(Space::Model);
    const bool pitch = std::any_of(all.begin(), all.end(), [](const Entity& e) {
        return e.kind == Entity::Kind::Dimension && e.text == "<>*" &&
               std::abs(dimensionMeasurement(e) - 2.89) < 1e-9;
    });
    EXPECT_TRUE(pitch);
    // Spring 383 is drawn its whole free length: at 2.5:1 on A4 it needs 122 mm of the
    // 185 mm between the frame's sides; the tightest view with a break (17.1 mm) would
    // take 5:1, only one step more.
    EXPECT_DOUBLE_EQ(session.Geometry.DrawnLength, 48.972);
    EXPECT_EQ(session.Geometry.EndGap, 0);
    EXPECT_FALSE(session.Geometry.QuarterOpenEnd);
    EXPECT_EQ(session.Geometry.BrokenViewLength, 0);
}

TEST_F(Sheet, RefusedWhereNoSheetUpToA1HoldsIt) {
    ScriptedPointSource picks({Point{}});
    document->setPointSource(&picks);
    DrawingParams p = spring383();
    p.WithDiagram = false;
    p.ViewType = ViewType::Full;
    p.D0 = 80000; // 810 mm across at 1:100, inside A1's frame 584 mm
    p.d = 1000;
    p.t = 3000;
    p.n = 3;
    p.L0 = 12000;
    drawEskdSpring(session, p, {}, connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("A1"), std::string::npos);
    EXPECT_EQ(document->entities(Space::Model).size(), 0u);
}

} // namespace

// The title block's entries beside their captions: the developer and the checker in the
// surname column (17 mm from the block's left edge, the captions' own rows), the
// organisation in the lower right cell (135 .. 185 mm, 0 .. 15 mm up), the document's
// designation in the top cell (65 .. 185 mm, 40 .. 55 mm up), all measured in paper
// millimetres from the "Разраб." caption, which stands 0.8 mm in from the block's edge.
TEST_F(Sheet, TitleBlockEntriesStandInTheirCells) {
    ScriptedPointSource picks({Point{}, Point{}});
    document->setPointSource(&picks);
    DrawingParams p = spring383();
    geometry::EskdSheetInfo info;
    info.DocumentDesignation = "АБВГ.753111.001";
    info.Organisation = "ООО Ромашка";
    info.Developer = "Иванов";
    info.Checker = "Петров";
    drawEskdSpring(session, p, info, connector, sink);
    ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
    const auto& all = document->entities(Space::Model);
    const auto textOf = [&](const std::string& text) -> const Entity* {
        const auto it = std::find_if(all.begin(), all.end(), [&](const Entity& e) {
            return e.kind == Entity::Kind::Text && e.text == text;
        });
        return it == all.end() ? nullptr : &*it;
    };
    const Entity* caption = textOf("Разраб.");
    const Entity* checkerCaption = textOf("Пров.");
    ASSERT_TRUE(caption && checkerCaption);
    // Captions are 2.5 mm high on paper.
    const double scale = 2.5 / caption->height;
    const double x0 = caption->a.x * scale - 0.8;
    // The caption's row is 25 .. 30 mm up; its baseline lies inside it.
    const double row = caption->a.y * scale;
    const auto paper = [&](const Entity& e) {
        return std::make_pair(e.a.x * scale - x0, e.a.y * scale - (row - 25));
    };

    const Entity* developer = textOf("Иванов");
    const Entity* checker = textOf("Петров");
    ASSERT_TRUE(developer && checker);
    EXPECT_NEAR(paper(*developer).first, 17.8, 1e-6);
    EXPECT_NEAR(developer->a.y, caption->a.y, 1e-9);
    EXPECT_NEAR(paper(*checker).first, 17.8, 1e-6);
    EXPECT_NEAR(checker->a.y, checkerCaption->a.y, 1e-9);

    const Entity* organisation = textOf("ООО Ромашка");
    ASSERT_TRUE(organisation);
    EXPECT_GT(paper(*organisation).first, 135);
    EXPECT_LT(paper(*organisation).first, 160); // centred: starts left of the middle
    EXPECT_GT(paper(*organisation).second, -5); // the cell 0 .. 15 mm, measured from row
    EXPECT_LT(paper(*organisation).second, 15);

    const Entity* designation = textOf("АБВГ.753111.001");
    ASSERT_TRUE(designation);
    EXPECT_GT(paper(*designation).first, 65);
    EXPECT_LT(paper(*designation).first, 125);
    EXPECT_GT(paper(*designation).second, 40 - 5);
    EXPECT_LT(paper(*designation).second, 55 - 5);
    // 5 mm high, as the designation cell's entry.
    EXPECT_NEAR(designation->height * scale, 5, 1e-9);
}

// An organisation's name too long for two lines at 3.5 mm goes on three at 2.5 mm (a
// standard height) rather than on one line shrunk to a third of it: about 88 mm of text
// at 2.5 mm over the cell's 48.4 mm.
TEST_F(Sheet, ALongOrganisationWrapsAtTheSmallerStandardHeight) {
    ScriptedPointSource picks({Point{}, Point{}});
    document->setPointSource(&picks);
    DrawingParams p = spring383();
    geometry::EskdSheetInfo info;
    const std::string name = "ООО Ромашка с очень длинным названием организации";
    info.Organisation = name;
    drawEskdSpring(session, p, info, connector, sink);
    ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
    double captionHeight = 0;
    std::string joined;
    std::vector<double> heights;
    for (const Entity& e : document->entities(Space::Model)) {
        if (e.kind != Entity::Kind::Text) {
            continue;
        }
        if (e.text == "Разраб.") {
            captionHeight = e.height; // 2.5 mm on paper
        } else if (e.text.size() > 8 && name.find(e.text) != std::string::npos) {
            joined.append(joined.empty() ? "" : " ").append(e.text);
            heights.push_back(e.height);
        }
    }
    EXPECT_EQ(joined, name);
    EXPECT_GE(heights.size(), 2u);
    for (const double height : heights) {
        EXPECT_NEAR(height, captionHeight, 1e-9);
    }
}
