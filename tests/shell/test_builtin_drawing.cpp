// The default drawing path, offscreen: the drawing button opens the built-in drawing
// window, a click there places the spring, the window stands beside the wizard and
// comes back by page 7's button; "Выход" asks about an unsaved drawing; messages go
// through the real message boxes.
#include "shell_fixture.h"

#include "drawing_placement.h"
#include "drawing_window.h"
#include "message_box_answer.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace torvelix::shell::testing {
namespace {

cad::DrawingWindow* drawingWindowOnScreen() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<cad::DrawingWindow*>(top)) {
            return window;
        }
    }
    return nullptr;
}

using torvelix::testing::answer;

using BuiltinDrawing = WindowTest;

TEST_F(BuiltinDrawing, TheButtonDrawsAtThePickedPointBesideTheWizard) {
    TForm1& form = open();
    form.show();
    click("sb02"); // draw only
    forwardTo(7);
    QPushButton* showDrawing = find<QPushButton>("bbShowDrawing");
    EXPECT_FALSE(showDrawing->isEnabled()); // nothing drawn yet

    QTimer::singleShot(0, [] {
        cad::DrawingWindow* window = drawingWindowOnScreen();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isPicking());
        QTest::mouseClick(window->view(), Qt::LeftButton, {}, QPoint(100, 100));
    });
    click("sbAutoCad");
    cad::DrawingWindow* window = drawingWindowOnScreen();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(errors_.empty());
    EXPECT_GT(window->document().entityCount(), 0u);
    EXPECT_EQ(window->view()->markers().size(), 1u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());
    // Both in sight, the drawing within the screen (beside the wizard where room allows:
    // see the placement test).
    const QRect area = form.screen()->availableGeometry();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(area.contains(window->frameGeometry()));

    window->close(); // only hidden: page 7 brings it back
    EXPECT_TRUE(showDrawing->isEnabled());
    showDrawing->click();
    EXPECT_TRUE(window->isVisible());

    // "Выход" with the drawing unsaved: "Отмена" keeps the program, "Нет" lets it end.
    QString question;
    answer(QMessageBox::Cancel, &question);
    click("bbExit");
    EXPECT_EQ(question, "Чертеж не сохранен. Сохранить его?");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(QFile::exists(folder_->iniPath()));
    answer(QMessageBox::Cancel);
    form.close(); // the close box asks too
    EXPECT_TRUE(form.isVisible());
    answer(QMessageBox::No);
    click("bbExit");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFile::exists(folder_->iniPath()));
}

TEST_F(BuiltinDrawing, AMessageIsShownInARealMessageBox) {
    ensureApplication();
    TableFolder folder;
    WindowOptions options;
    options.exePath = folder.exePath(); // messages: the window's own boxes
    TForm1 form(options);
    form.show();
    form.findChild<QAbstractButton*>("sb02")->click();
    form.findChild<QAbstractButton*>("bbNext")->click();
    form.findChild<QCheckBox*>("cb71")->setChecked(true); // the diagram, lengths all "0"
    form.findChild<QAbstractButton*>("bbNext")->click();
    ASSERT_EQ(form.currentPage(), 7);
    QString text;
    answer(QMessageBox::Ok, &text);
    form.findChild<QAbstractButton*>("sbAutoCad")->click();
    EXPECT_EQ(text, "Параметры пружины L0, L1, L2, L3\nне должны равняться нулю!");
    EXPECT_EQ(drawingWindowOnScreen(), nullptr);
}

TEST(DrawingPlacement, BesideTheWizardWhereThereIsRoomAndAlwaysOnTheScreen) {
    const QRect area(0, 0, 1920, 1040);
    const QSize wanted(900, 600);
    // Wizard 560 wide at x 100: 1920 - 660 = 1260 free on the right.
    EXPECT_EQ(placeBeside(QRect(100, 200, 560, 450), wanted, area), QRect(660, 200, 900, 600));
    // At x 1300 only 60 are free on the right, 1300 on the left: 1300 - 900 = 400.
    EXPECT_EQ(placeBeside(QRect(1300, 200, 560, 450), wanted, area), QRect(400, 200, 900, 600));
    // Centred on 1280 × 1024: 360 free on each side, under 400: over the wizard, the
    // bottom pulled up to the screen's edge (1024 - 600 = 424).
    const QRect small(0, 0, 1280, 1024);
    EXPECT_EQ(placeBeside(QRect(360, 500, 560, 450), wanted, small), QRect(360, 424, 900, 600));
    // 500 free on the right of 1280 - 780: narrowed to it.
    EXPECT_EQ(placeBeside(QRect(220, 100, 560, 450), wanted, small), QRect(780, 100, 500, 600));
    // Larger than the screen, beside a wizard as wide as the screen: the screen.
    EXPECT_EQ(placeBeside(QRect(0, 0, 1280, 450), QSize(3000, 2000), small), small);
}

} // namespace
} // namespace torvelix::shell::testing
