// The AutoCAD button on the last page: the request built from pages 5 to 7, refused
// values, the spring and its technical requirements drawn into a built-in document
// whose point requests are answered from a script.
#include "shell_fixture.h"

#include "drawing_document.h"

#include <QCheckBox>

namespace torvelix::shell::testing {
namespace {

class DrawingButton : public WindowTest {
protected:
    DrawingButton() { cadConnector_ = &connector_; }

    std::size_t textsContaining(const std::string& part) const {
        std::size_t count = 0;
        for (const auto& entity : document_->entities(cad::Space::Model)) {
            if (entity.kind == cad::Entity::Kind::Text &&
                entity.text.find(part) != std::string::npos) {
                ++count;
            }
        }
        return count;
    }

    std::shared_ptr<cad::DrawingDocument> document_ = std::make_shared<cad::DrawingDocument>();
    cad::ScriptedPointSource points_{{{0, 0, 0}, {0, 120, 0}}};
    cad::BuiltinConnector connector_{std::make_shared<cad::BuiltinCadApplication>(document_)};
};

TEST_F(DrawingButton, DrawsTheSpringAndTheCheckedRequirementsThenRestoresTheWindow) {
    document_->setPointSource(&points_);
    TForm1& form = open();
    form.show();
    forwardTo(5);
    find<QCheckBox>("cb72")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 6);
    find<QCheckBox>("ckb6G")->setChecked(true);
    find<QCheckBox>("ckb6HRC")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 7);
    click("sbAutoCad");
    EXPECT_TRUE(errors_.empty());
    EXPECT_TRUE(messages_.messages.empty()) << messages_.messages[0].text;
    EXPECT_GT(document_->entityCount(), 10u);
    ASSERT_EQ(points_.prompts().size(), 2u);
    EXPECT_EQ(points_.prompts()[0], "Укажи точку начала пружины: ");
    EXPECT_EQ(points_.prompts()[1], "Укажи левый-нижний угол текста ТТ: ");
    EXPECT_EQ(textsContaining("1. Модуль сдвига G = 78500 МПа."), 1u);
    EXPECT_EQ(textsContaining("2. Твердость HRC 32."), 1u);
    EXPECT_FALSE(form.isMinimized());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(DrawingButton, RefusesZeroLengthsWithTheDiagramAndReportsFieldsThatAreNoNumbers) {
    document_->setPointSource(&points_);
    const TForm1& form = open();
    click("sb02"); // draw only: the diagram lengths are all "0"
    next();
    find<QCheckBox>("cb71")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 7);
    click("sbAutoCad");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages_.messages[0].text,
              "Параметры пружины L0, L1, L2, L3\rне должны равняться нулю!");
    EXPECT_EQ(document_->entityCount(), 0u);
    EXPECT_TRUE(points_.prompts().empty());

    QLineEdit* e9_d = find<QLineEdit>("e9_d");
    e9_d->setText("3,5");
    click("sbAutoCad");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "Неверное число '3,5'. Дробную часть отделяйте точкой.");
    EXPECT_EQ(form.focusWidget(), e9_d);
    EXPECT_EQ(e9_d->selectedText(), "3,5");
    EXPECT_EQ(document_->entityCount(), 0u);
    EXPECT_FALSE(form.isMinimized());
}

TEST_F(DrawingButton, ACancelledPointRequestIsReportedAndNothingIsDrawn) {
    cad::ScriptedPointSource none({});
    document_->setPointSource(&none);
    open();
    click("sb02");
    next();
    next();
    ASSERT_EQ(currentPage(), 7);
    click("sbAutoCad");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages_.messages[0].text, "Ошибка связи с AutoCAD.");
    EXPECT_EQ(document_->entityCount(), 0u);
}

} // namespace
} // namespace torvelix::shell::testing
