// What the pages show: the drawing-type pictures match what their buttons draw, and the
// mode button that is down looks down.
#include "shell_fixture.h"

#include "button_art.h"

#include <QImage>

namespace torvelix::shell::testing {
namespace {

// Painted pixels in the band between the two rows of wire sections, above the centre
// line: only the far halves of the coils cross it.
int backCoilPixels(int tag) {
    const QImage picture = drawingTypePicture(tag, QSize(100, 100)).toImage();
    int count = 0;
    // 38 % to 46 % of the height, whatever the pixel density the picture is made for.
    for (int y = picture.height() * 38 / 100; y < picture.height() * 46 / 100; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.alpha() > 64) {
                ++count;
            }
        }
    }
    return count;
}

TEST(PageLook, TheSectionShowsTheBackCoilsAndTheCutOnlyTheWire) {
    ensureApplication();
    EXPECT_GT(backCoilPixels(73), 20); // "Пружина в сечении"
    EXPECT_EQ(backCoilPixels(74), 0);  // "Пружина в разрезе"
}

using ModeButtons = WindowTest;

TEST_F(ModeButtons, TheButtonThatIsDownLooksDown) {
    TForm1& form = open();
    form.show();
    const auto background = [this](const char* name) {
        return find<QToolButton>(name)->grab().toImage().pixelColor(100, 6);
    };
    EXPECT_EQ(background("sb01"), QColor(kModeDownColour));
    EXPECT_EQ(background("sb02"), QColor(kModeUpColour));
    click("sb02");
    EXPECT_EQ(background("sb01"), QColor(kModeUpColour));
    EXPECT_EQ(background("sb02"), QColor(kModeDownColour));
}

TEST_F(ModeButtons, FormsOfTheDrawingPagesMoveToTheMiddleOfAnEnlargedWindow) {
    TForm1& form = open();
    form.show();
    click("sb02");
    next(); // the drawing options
    next(); // the geometric parameters (no requirements)
    auto* params = find<QWidget>("gbParam");
    QApplication::processEvents();
    const int top = params->y();
    // 400 pixels taller than the default 450: half of them above the form.
    form.resize(form.width(), 850);
    QApplication::processEvents();
    EXPECT_EQ(params->y(), top + 200);
    form.resize(form.width(), 450);
    QApplication::processEvents();
    EXPECT_EQ(params->y(), top);
}

} // namespace
} // namespace torvelix::shell::testing
