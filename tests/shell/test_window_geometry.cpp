// The window's outer size: limited to the screen where the settings file asks for more,
// kept exactly where it fits, and the frame arithmetic behind it.
#include "shell_fixture.h"

#include "cp1251.h"
#include "window_geometry.h"

#include <QScreen>

namespace torvelix::shell::testing {
namespace {

TEST(WindowGeometry, SizesBeyondTheAreaAreClampedAndFittingOnesKept) {
    const QSize area(1280, 1024);
    EXPECT_EQ(clampOuterSize({560, 450}, area), QSize(560, 450));
    EXPECT_EQ(clampOuterSize({1280, 1024}, area), QSize(1280, 1024)); // fits exactly
    EXPECT_EQ(clampOuterSize({1281, 5000}, area), QSize(1280, 1024));
    EXPECT_EQ(clampOuterSize({2147483647, 2147483647}, area), QSize(1280, 1024));
    EXPECT_EQ(clampOuterSize({0, -5}, area), QSize(1, 1));
}

TEST(WindowGeometry, FrameAndCentre) {
    // 560 - 1 - 1 = 558 wide, 450 - 24 - 1 = 425 high.
    EXPECT_EQ(innerSize({560, 450}, QMargins(1, 24, 1, 1)), QSize(558, 425));
    EXPECT_EQ(innerSize({10, 10}, QMargins(8, 30, 8, 8)), QSize(1, 1));
    // (1280 - 560) / 2 = 360, 20 + (1000 - 450) / 2 = 295.
    EXPECT_EQ(centredOrigin({560, 450}, QRect(0, 20, 1280, 1000)), QPoint(360, 295));
}

using WindowSize = WindowTest;

TEST_F(WindowSize, AStoredSizeBeyondTheScreenOpensWithinIt) {
    ensureApplication();
    TableFolder folder;
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    const auto write = [&](const std::string& text) {
        QFile file(folder.iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const auto bytes = torvelix::utf8ToCp1251(text);
        file.write(bytes->data(), static_cast<qsizetype>(bytes->size()));
    };
    write("[Общая]\r\nВысота=5000\r\nШирина=2147483647\r\n");
    TForm1& form = open(folder.exePath());
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.frameGeometry().size(), area);
    EXPECT_TRUE(form.screen()->availableGeometry().contains(form.frameGeometry()));
    // The buttons under the pages stay on the screen.
    const QWidget* exit = find<QWidget>("bbExit");
    EXPECT_TRUE(form.screen()->availableGeometry().contains(
        QRect(exit->mapToGlobal(QPoint(0, 0)), exit->size())));

    write("[Общая]\r\nВысота=" + std::to_string(area.height()) +
          "\r\nШирина=" + std::to_string(area.width()) + "\r\n");
    EXPECT_EQ(open(folder.exePath()).size(), area);
}

} // namespace
} // namespace torvelix::shell::testing
