// Pictures of the eight pages for the documentation, taken from the X server by
// ImageMagick's import while a typical run is clicked through; not a test. Run by
// scripts/screenshots.sh under xvfb-run with QT_QPA_PLATFORM=xcb, writing page0.png
// .. page7.png (and page3-table.png, the candidate table) into the folder TORVELIX_SCREENSHOT_DIR
// names, and drawing.png, the screen with the drawing window beside the wizard after a drawing.
// TORVELIX_SCREENSHOT_SIZE
// ("1500x950") takes them in a window of that size instead of the default one.
#include "shell_fixture.h"

#include "candidate_table.h"
#include "drawing_window.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace torvelix::shell::testing {
namespace {

using Screenshots = WindowTest;

TEST_F(Screenshots, EveryPageOfATypicalRun) {
    const QString folder = qEnvironmentVariable("TORVELIX_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "TORVELIX_SCREENSHOT_DIR names no folder";
    TForm1& form = open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Once shown: the first showing applies the size the settings keep.
    const QStringList size = qEnvironmentVariable("TORVELIX_SCREENSHOT_SIZE").split('x');
    if (size.size() == 2) {
        QTest::qWait(300);
        form.resize(size[0].toInt(), size[1].toInt());
        QTest::qWait(300);
    }
    const auto capture = [&](int page) {
        ASSERT_EQ(currentPage(), page);
        QTest::qWait(400);
        const QString file = folder + QStringLiteral("/page%1.png").arg(page);
        const int status =
            QProcess::execute("import", {"-window", QString::number(form.winId()), file});
        EXPECT_EQ(status, 0) << file.toStdString();
    };
    capture(0);
    next();
    SelectClass(2);
    capture(1);
    next();
    find<QLineEdit>("eF2")->setText("150");
    find<QLineEdit>("eDn1")->setText("8");
    find<QLineEdit>("eDn2")->setText("30");
    capture(2);
    next();
    capture(3);
    // The same page with the candidate table, sorted by mass.
    find<QTabWidget>("candidateTabs")->setCurrentIndex(1);
    find<CandidateTable>("candidateTable")->setSort(CandidateTable::Mass, Qt::AscendingOrder);
    QTest::qWait(400);
    const QString table = folder + QStringLiteral("/page3-table.png");
    EXPECT_EQ(QProcess::execute("import", {"-window", QString::number(form.winId()), table}), 0);
    find<QTabWidget>("candidateTabs")->setCurrentIndex(0);
    next();
    capture(4);
    next();
    find<QCheckBox>("cb72")->setChecked(true);
    capture(5);
    next();
    // Three requirements, so that the drawing carries their text.
    for (const char* item : {"ckb6G", "ckb6Tau", "ckb6HRC"}) {
        find<QCheckBox>(item)->setChecked(true);
    }
    capture(6);
    next();
    capture(7);

    // A drawing: the start point and the requirements' corner picked in the built-in
    // drawing window, which then stands beside the wizard; the whole screen is taken.
    const auto pickIn = [](QPointF at) {
        QTimer::singleShot(300, [at] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* window = qobject_cast<cad::DrawingWindow*>(top)) {
                    QTest::mouseClick(window->view(), Qt::LeftButton, {},
                                      window->view()->toScreen({at.x(), at.y(), 0}).toPoint());
                }
            }
        });
    };
    pickIn(QPointF(0, 0));
    QTimer::singleShot(900, [&] { pickIn(QPointF(0, -60)); });
    click("sbAutoCad");
    QTest::qWait(1000);
    const QString file = folder + QStringLiteral("/drawing.png");
    EXPECT_EQ(QProcess::execute("import", {"-window", "root", file}), 0) << file.toStdString();
    EXPECT_TRUE(errors_.empty());
}

} // namespace
} // namespace torvelix::shell::testing
