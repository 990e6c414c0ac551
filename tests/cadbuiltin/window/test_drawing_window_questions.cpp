// The drawing window's questions, offscreen, answered through the real message boxes:
// saving before a drawing is dropped, the .dxf extension and replacing a file, the
// marks of picked points, the whole drawing in view after the last entity arrives.
#include "drawing_window.h"
#include "message_box_answer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace torvelix::cad {
namespace {

using torvelix::testing::answer;

class Questions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_cad_window";
            static char* argv[] = {name, nullptr};
            qputenv("QT_QPA_PLATFORM", "offscreen");
            new QApplication(argc, argv);
        }
    }
    void SetUp() override {
        window = std::make_unique<DrawingWindow>(document);
        window->show();
        document->ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});
        QApplication::processEvents();
    }
    QString path(const char* name) const { return folder.path() + "/" + name; }

    QTemporaryDir folder;
    std::shared_ptr<DrawingDocument> document = std::make_shared<DrawingDocument>();
    std::unique_ptr<DrawingWindow> window;
};

TEST_F(Questions, AnUnsavedDrawingIsSavedKeptOrLetGoByTheAnswer) {
    ASSERT_TRUE(window->hasUnsavedDrawing());
    QString text;
    answer(QMessageBox::Cancel, &text);
    EXPECT_FALSE(window->confirmDiscard());
    EXPECT_EQ(text, "Чертеж не сохранен. Сохранить его?");

    // "Да" with the save dialog cancelled keeps the program from going on.
    window->setSaveNameSource([] { return QString(); });
    answer(QMessageBox::Yes);
    EXPECT_FALSE(window->confirmDiscard());

    window->setSaveNameSource([this] { return path("spring"); });
    answer(QMessageBox::Yes);
    EXPECT_TRUE(window->confirmDiscard());
    EXPECT_TRUE(QFile::exists(path("spring.dxf")));
    EXPECT_FALSE(window->hasUnsavedDrawing());
    EXPECT_TRUE(window->confirmDiscard()); // nothing left to ask about

    document->ModelSpace().AddLine({0, 0, 0}, {0, 10, 0});
    answer(QMessageBox::No);
    EXPECT_TRUE(window->confirmDiscard());
}

TEST_F(Questions, TheExtensionIsAddedAndAnExistingFileReplacedOnlyWhenAgreed) {
    QFile existing(path("old.dxf"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();

    // "old" becomes old.dxf, which exists: "Нет" leaves it untouched.
    QString text;
    answer(QMessageBox::No, &text);
    EXPECT_FALSE(window->saveAsPath(path("old")));
    EXPECT_TRUE(text.contains("old.dxf")) << text.toStdString();
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "keep");
    existing.close();

    answer(QMessageBox::Yes);
    EXPECT_TRUE(window->saveAsPath(path("old")));
    EXPECT_GT(QFileInfo(path("old.dxf")).size(), 4);

    // A name with an extension keeps it; a new file is written without a question.
    EXPECT_TRUE(window->saveAsPath(path("plan.txt")));
    EXPECT_TRUE(QFile::exists(path("plan.txt")));
    EXPECT_FALSE(QFile::exists(path("plan.txt.dxf")));
}

TEST_F(Questions, PickedPointsAreMarkedUntilTheMarksAreCleared) {
    WindowPointSource source(*window);
    DrawingView* view = window->view();
    const QPoint click = view->toScreen({5, 0, 0}).toPoint();
    QTimer::singleShot(0, [&] { QTest::mouseClick(view, Qt::LeftButton, {}, click); });
    const Point picked = source.pick(std::nullopt, "Укажи точку: ");
    ASSERT_EQ(view->markers().size(), 1u);
    EXPECT_EQ(view->markers()[0].x, picked.x);
    window->clearMarkers();
    EXPECT_TRUE(view->markers().empty());
}

TEST_F(Questions, TheViewShowsTheWholeDrawingOnceTheLastEntityIsIn) {
    DrawingView* view = window->view();
    view->setView(QPointF(5, 0), 20.0); // zoomed in by the user
    // Text placed far off, as the requirements block is after the spring.
    document->ModelSpace().AddText("1. Требования", {400, 300, 0}, 5);
    QApplication::processEvents();
    const Point low = view->toModel(QPointF(0, view->height()));
    const Point high = view->toModel(QPointF(view->width(), 0));
    EXPECT_LE(low.x, 0);
    EXPECT_GE(high.x, 400);
    EXPECT_GE(high.y, 300);
}

} // namespace
} // namespace torvelix::cad
