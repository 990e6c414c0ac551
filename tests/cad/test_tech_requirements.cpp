// The technical-requirements list: item texts, numbering, placement and messages.
#include "drawing_driver.h"
#include "geometry_fake_cad.h"
#include "tech_requirements.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::cad;
using torvelix::testing::FakeConnector;

namespace {

TechRequirementControls allOn() {
    TechRequirementControls c;
    c.ckb6Num = c.ckb6G = c.ckb6Tau = c.ckb6Nav = c.ckb6L = c.ckb6n = c.ckb6n1 = true;
    c.ckb6HRC = c.ckb6Dc = c.ckb6Sprav = c.ckb6TT = true;
    c.e6Num = "123";
    c.e6G = "78500";
    c.e6Tau = "1149";
    c.e6L = "412.5";
    c.e6n = "8";
    c.e6n1 = "10";
    c.e6HRC = "45...50";
    c.e6Dc = "14.2";
    c.e6TT = "ГОСТ 16118-70";
    c.comb6KontrolIndex = 0;
    return c;
}

TEST(BuildTechRequirements, ItemTextsInItemOrder) {
    TechRequirements tt = buildTechRequirements(allOn());
    EXPECT_EQ(tt.count, 11);
    const std::array<std::string, 13> expected = {
        "Пружина номер 123 ГОСТ 13766-86.",
        "Модуль сдвига G = 78500 МПа.",
        "Напряжение касательное при кручении",
        "(макс.) Tau = 1149 МПа.",
        "Направление навивки - правое.",
        "Длина развернутой пружины L = 412.5 мм.",
        "Число рабочих витков n = 8.",
        "Число витков полное n1 = 10.",
        "Твердость HRC 45...50.",
        "Диаметр контрольного стержня Dc = 14.2 мм.",
        "*Размеры для справок.",
        "Остальные технические требования по",
        "ГОСТ 16118-70",
    };
    EXPECT_EQ(tt.TtLines, expected);
}

TEST(BuildTechRequirements, GaugeSymbolAndItemsOff) {
    TechRequirementControls c;
    c.ckb6Dc = true;
    c.e6Dc = "9";
    c.comb6Kontrol = "контрольной гильзы";
    c.comb6KontrolIndex = 1;
    TechRequirements tt = buildTechRequirements(c);
    EXPECT_EQ(tt.count, 1);
    EXPECT_EQ(tt.TtLines[9], "Диаметр контрольной гильзы Dг = 9 мм.");
    c.comb6Kontrol = "контрольного стержня";
    c.comb6KontrolIndex = -1; // no item selected: not the rod
    EXPECT_EQ(buildTechRequirements(c).TtLines[9], "Диаметр контрольного стержня Dг = 9 мм.");
    for (int k = 0; k < 13; ++k) {
        if (k != 9) {
            EXPECT_TRUE(tt.TtLines[k].empty());
        }
    }
    EXPECT_FALSE(tt.TtFlags[0]);
    EXPECT_TRUE(tt.TtFlags[8]);
}

struct Writing : ::testing::Test {
    FakeConnector connector;
    RecordingMessageSink sink;
    torvelix::testing::FakeDocument& doc() { return connector.doc(); }
};

TEST_F(Writing, AllElevenItemsUpwardFromTheCorner) {
    doc().utility.answers.push_back(cad::Point{15, 0, 1});
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc().utility.prompts,
              std::vector<std::string>{"Укажи левый-нижний угол текста ТТ: "});
    const auto& texts = doc().model.texts;
    ASSERT_EQ(texts.size(), 13u);
    for (std::size_t k = 0; k < 13; ++k) {
        EXPECT_NEAR(texts[k].at.y, 8.2 * static_cast<double>(k), 1e-9);
        EXPECT_DOUBLE_EQ(texts[k].at.x, 15);
        EXPECT_DOUBLE_EQ(texts[k].height, 4.5);
    }
    EXPECT_NEAR(texts.back().at.y, 98.4, 1e-9);
    EXPECT_EQ(texts[0].text, "ГОСТ 16118-70");
    EXPECT_EQ(texts[1].text, "11. Остальные технические требования по");
    EXPECT_EQ(texts[10].text, "3. Напряжение касательное при кручении");
    EXPECT_EQ(texts[9].text, "(макс.) Tau = 1149 МПа.");
    EXPECT_EQ(texts[12].text, "1. Пружина номер 123 ГОСТ 13766-86.");
}

TEST_F(Writing, TwoItemsNumberedFromTheTopAndScaled) {
    TechRequirementControls c;
    c.ckb6G = c.ckb6HRC = true;
    c.e6G = "80000";
    c.e6HRC = "40";
    doc().dimScale = 2;
    doc().utility.answers.push_back(cad::Point{0, 10, 0});
    DrawTechRequirements(buildTechRequirements(c), connector, sink);
    const auto& texts = doc().model.texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "2. Твердость HRC 40.");
    EXPECT_DOUBLE_EQ(texts[0].at.y, 10);
    EXPECT_EQ(texts[1].text, "1. Модуль сдвига G = 80000 МПа.");
    EXPECT_NEAR(texts[1].at.y, 10 + 16.4, 1e-12);
    EXPECT_DOUBLE_EQ(texts[1].height, 9);
}

TEST_F(Writing, NoItemStillAsksForTheCorner) {
    doc().utility.answers.push_back(cad::Point{});
    DrawTechRequirements(TechRequirements{}, connector, sink);
    EXPECT_EQ(doc().utility.prompts.size(), 1u);
    EXPECT_TRUE(doc().model.texts.empty());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(Writing, PaperSpaceOnlyWithItsOwnViewport) {
    doc().tileMode = 0;
    doc().cvPort = 1;
    doc().utility.answers = {cad::Point{}, cad::Point{}};
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink);
    EXPECT_EQ(doc().paper.texts.size(), 13u);
    doc().cvPort = 2;
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink);
    EXPECT_EQ(doc().model.texts.size(), 13u);
}

TEST_F(Writing, FailuresHaveTheirOwnMessages) {
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink); // cancelled
    connector.running = false;
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(sink.messages[1].text,
              "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.");
    EXPECT_EQ(sink.messages[1].icon, MessageIcon::Warning);
}

TEST_F(Writing, CornerIsStillAskedAfterACancelledSpring) {
    // The AutoCAD button: the spring's start request is cancelled, then the list's corner.
    doc().utility.answers = {std::nullopt, cad::Point{0, 0, 0}};
    DrawingSession session;
    DrawingParams params;
    params.n = 6;
    params.t = 6;
    params.D0 = 20;
    params.d = 3;
    DrawSpring(session, params, connector, sink);
    DrawTechRequirements(buildTechRequirements(allOn()), connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
    ASSERT_EQ(doc().utility.prompts.size(), 2u);
    EXPECT_EQ(doc().utility.prompts[1], "Укажи левый-нижний угол текста ТТ: ");
    EXPECT_EQ(doc().model.texts.size(), 13u);
    EXPECT_TRUE(doc().model.entities.empty());
}

} // namespace
