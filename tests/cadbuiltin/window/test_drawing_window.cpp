// The drawing window, offscreen: point requests answered by a click or cancelled by Esc,
// the rubber band's base, zoom and fit, saving as DXF, a new drawing.
#include "cad_dxf_reader.h"
#include "drawing_driver.h"
#include "drawing_window.h"
#include "scratch_folder.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <filesystem>

namespace torvelix::cad {
namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "test_cad_window";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Never destroyed: a QApplication torn down among the static destructors at exit
    // outlives parts of Qt it needs.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        window = std::make_unique<DrawingWindow>(document);
        window->resize(800, 600);
        window->show();
        source = std::make_unique<WindowPointSource>(*window);
        document->setPointSource(source.get());
    }
    void TearDown() override { document->setPointSource(nullptr); }

    // Runs `step` once the point request below has started waiting.
    void whenWaiting(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

    std::shared_ptr<DrawingDocument> document = std::make_shared<DrawingDocument>();
    std::unique_ptr<DrawingWindow> window;
    std::unique_ptr<WindowPointSource> source;
};

TEST_F(Window, ClickAnswersThePendingRequestInModelCoordinates) {
    DrawingView* view = window->view();
    view->setView(QPointF(50, 10), 4.0);
    const QPoint click = view->toScreen({62.5, -3.25, 0}).toPoint();
    QString promptWhileWaiting;
    bool pickingWhileWaiting = false;
    whenWaiting([&] {
        promptWhileWaiting = window->promptText();
        pickingWhileWaiting = window->isPicking();
        QTest::mouseClick(view, Qt::LeftButton, {}, click);
    });
    const Point p = document->Utility().GetPoint(std::nullopt, "Укажи точку начала пружины: ");
    EXPECT_EQ(promptWhileWaiting, QStringLiteral("Укажи точку начала пружины: "));
    EXPECT_TRUE(pickingWhileWaiting);
    // The click lands on a whole pixel: a quarter of a millimetre at 4 pixels per mm.
    EXPECT_NEAR(p.x, 62.5, 0.125 + 1e-9);
    EXPECT_NEAR(p.y, -3.25, 0.125 + 1e-9);
    const Point exact = view->toModel(QPointF(click));
    EXPECT_DOUBLE_EQ(p.x, exact.x);
    EXPECT_DOUBLE_EQ(p.y, exact.y);
    EXPECT_FALSE(window->isPicking());
    EXPECT_TRUE(window->promptText().isEmpty());
    // Clicks outside a request answer nothing and change nothing.
    QTest::mouseClick(view, Qt::LeftButton, {}, click);
    EXPECT_EQ(document->entityCount(), 0u);
}

TEST_F(Window, EscCancelsTheRequestAsACadException) {
    whenWaiting([&] { QTest::keyClick(window->view(), Qt::Key_Escape); });
    EXPECT_THROW(document->Utility().GetPoint(std::nullopt, "Укажи левый-нижний угол текста ТТ: "),
                 CadException);
    EXPECT_FALSE(window->isPicking());
    // Closing the window cancels too.
    whenWaiting([&] { window->close(); });
    EXPECT_THROW(document->Utility().GetPoint(std::nullopt, "x"), CadException);
}

TEST_F(Window, SecondRequestWhileOneWaitsIsRefused) {
    const Point base{10, 20, 0};
    std::optional<Point> bandBase;
    bool nestedRefused = false;
    whenWaiting([&] {
        bandBase = window->view()->pickBase();
        try {
            document->Utility().GetPoint(std::nullopt, "again");
        } catch (const CadException&) {
            nestedRefused = true;
        }
        QTest::mouseClick(window->view(), Qt::LeftButton, {}, QPoint(100, 100));
    });
    document->Utility().GetPoint(base, "Укажи точку конца пружины : ");
    EXPECT_TRUE(nestedRefused);
    ASSERT_TRUE(bandBase.has_value());
    EXPECT_DOUBLE_EQ(bandBase->x, 10);
    EXPECT_DOUBLE_EQ(bandBase->y, 20);
}

TEST_F(Window, RequestBringsAMinimisedWindowBack) {
    window->showMinimized();
    bool minimisedWhileWaiting = true;
    whenWaiting([&] {
        minimisedWhileWaiting = window->isMinimized();
        QTest::keyClick(window->view(), Qt::Key_Escape);
    });
    EXPECT_THROW(document->Utility().GetPoint(std::nullopt, "x"), CadException);
    EXPECT_FALSE(minimisedWhileWaiting);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
}

TEST_F(Window, WheelZoomsAboutTheCursorAndFitShowsEverything) {
    DrawingView* view = window->view();
    view->setView(QPointF(0, 0), 2.0);
    const QPointF cursor(600, 150);
    const Point under = view->toModel(cursor);
    QWheelEvent wheel(cursor, view->mapToGlobal(cursor), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_NEAR(view->scale(), 2.0 * 1.44, 1e-9);
    EXPECT_NEAR(view->toModel(cursor).x, under.x, 1e-9);
    EXPECT_NEAR(view->toModel(cursor).y, under.y, 1e-9);

    // A drawing far outside the view is brought into it by a refresh.
    document->ModelSpace().AddLine({5000, 5000, 0}, {5600, 5000, 0});
    document->ModelSpace().AddCircle({5300, 5100, 0}, 50);
    window->refresh();
    for (const Point& p : {Point{5000, 5000, 0}, Point{5600, 5000, 0}, Point{5300, 5150, 0}}) {
        const QPointF s = view->toScreen(p);
        EXPECT_GE(s.x(), 0);
        EXPECT_LE(s.x(), view->width());
        EXPECT_GE(s.y(), 0);
        EXPECT_LE(s.y(), view->height());
    }
}

TEST_F(Window, ViewFollowsTheDrawingUntilTheUserMovesIt) {
    DrawingView* view = window->view();
    document->ModelSpace().AddCircle({0, 0, 0}, 5);
    window->refresh();
    // Fitted: the circle's 10 mm take most of the widget's height.
    EXPECT_GT(view->scale() * 10, 0.8 * view->height());
    const QPointF cursor(view->width() / 2.0, view->height() / 2.0);
    QWheelEvent wheel(cursor, view->mapToGlobal(cursor), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    const double zoomed = view->scale();
    // New entities inside the view the user chose leave it as it is.
    document->ModelSpace().AddCircle({1, 0, 0}, 1);
    window->refresh();
    EXPECT_DOUBLE_EQ(view->scale(), zoomed);
    window->fitAll();
    EXPECT_GT(view->scale(), zoomed);
}

TEST_F(Window, TheDriverDrawsAfterTheClickAndReportsEsc) {
    BuiltinConnector connector(std::make_shared<BuiltinCadApplication>(document));
    DrawingParams params;
    params.ViewType = geometry::ViewType::Full;
    params.EndType = geometry::EndType::Closed;
    params.n = 4;
    params.t = 6;
    params.D0 = 20;
    params.d = 2;
    window->view()->setView(QPointF(0, 0), 4.0);
    const QPoint click = window->view()->toScreen({-20, 5, 0}).toPoint();
    const Point start = window->view()->toModel(QPointF(click));
    whenWaiting([&] { QTest::mouseClick(window->view(), Qt::LeftButton, {}, click); });
    DrawingSession session;
    RecordingMessageSink sink;
    DrawSpring(session, params, connector, sink);
    EXPECT_TRUE(sink.messages.empty());
    // The end coil's outer edge lies at the clicked X.
    double left = 1e9;
    for (const Entity& e : document->entities(Space::Model)) {
        left = std::min(left, entityExtents(e).minX);
    }
    EXPECT_NEAR(left, start.x, 1e-9);

    whenWaiting([&] { QTest::keyClick(window->view(), Qt::Key_Escape); });
    DrawSpring(session, params, connector, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Ошибка связи с AutoCAD.");
}

TEST_F(Window, SavesTheDrawingAsDxfAndStartsANewOne) {
    EXPECT_EQ(window->findChild<QAction*>("actionSaveDxf")->text(),
              QStringLiteral("Сохранить как DXF…"));
    document->ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});
    document->ModelSpace().AddText("Пружина номер 1", {0, -10, 0}, 4.5);
    QApplication::processEvents();
    EXPECT_TRUE(window->isWindowModified());
    torvelix::testing::ScratchFolder scratch;
    const auto path = scratch.path() / "saved.dxf";
    ASSERT_TRUE(window->saveDxf(QString::fromStdString(path.string())));
    EXPECT_FALSE(window->isWindowModified());

    QString error;
    EXPECT_FALSE(window->saveDxf(QStringLiteral("/nonexistent-dir/x.dxf"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-dir/x.dxf"))) << error.toStdString();

    window->newDrawing();
    EXPECT_EQ(document->entityCount(), 0u);
    EXPECT_FALSE(window->isWindowModified());

    // The file saved before the new drawing, read back last: it needs the reader.
    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path.string());
    ASSERT_EQ(dump.entities.size(), 2u) << dump.raw;
    EXPECT_EQ(dump.entities[1].text, "Пружина номер 1");
}

} // namespace
} // namespace torvelix::cad
