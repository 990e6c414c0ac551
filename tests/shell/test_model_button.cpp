// The "3D-модель…" buttons refuse, before any file dialog, what cannot make a solid (with
// the drawing's message) and a report page without a calculated spring; the model view
// shades the faces turned to the viewer and leaves out the faces turned away.
#include "shell_fixture.h"

#include "model_view.h"

#include <QPushButton>

namespace torvelix::shell::testing {
namespace {

using ModelButton = WindowTest;

TEST_F(ModelButton, RefusesThePitchOfTheWireAndASpringNotCalculated) {
    open();
    click("bbModel4");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text,
              "Нет рассчитанной пружины:\rсначала выполните окончательный расчет.");

    click("sb02"); // draw only
    forwardTo(7);
    find<QLineEdit>("e9_D0")->setText("20");
    find<QLineEdit>("e9_d")->setText("3");
    find<QLineEdit>("e9_t")->setText("3");
    find<QLineEdit>("e9_n")->setText("5");
    EXPECT_EQ(find<QPushButton>("bbModel7")->text(), "3D-модель…");
    click("bbModel7");
    ASSERT_EQ(messages_.messages.size(), 2u);
    EXPECT_EQ(messages_.messages[1].icon, MessageIcon::Error);
    EXPECT_EQ(messages_.messages[1].text,
              "Шаг пружины t должен быть\rбольше диаметра проволоки d!");
    EXPECT_TRUE(errors_.empty());
}

TEST(ModelView, ShadesFacesTurnedToTheViewerOnly) {
    // A triangle in the plane x + y + z = 3, counter-clockwise seen from (1, 1, 1): it
    // faces the isometric viewer and fills the middle of the picture.
    const model3d::Triangle facing{{{3, 0, 0}, {0, 3, 0}, {0, 0, 3}}};
    const QImage seen = renderModel({facing}, QSize(60, 60));
    EXPECT_NE(seen.pixel(30, 30), qRgb(255, 255, 255));
    model3d::Triangle away = facing;
    std::swap(away[1], away[2]);
    const QImage hidden = renderModel({away}, QSize(60, 60));
    EXPECT_EQ(hidden.pixel(30, 30), qRgb(255, 255, 255));
}

} // namespace
} // namespace torvelix::shell::testing
