// The drawing window's outputs, offscreen: one save command per registered format and a
// print command; a save that is refused or fails leaves an existing file byte for byte;
// the suffix chooses the format in any letter case; printing at true scale; the whole
// drawing, its texts included, in view in a narrow window.
#include "drawing_window.h"
#include "pdf_writer.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace torvelix::cad {
namespace {

// Answers the next message box with `button` once it is up, noting its text.
void answer(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box is up";
        if (text != nullptr) {
            *text = box->text();
        }
        box->button(button)->click();
    });
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class Output : public ::testing::Test {
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
        document->ModelSpace().AddLine({0, 0, 0}, {100, 0, 0});
        QApplication::processEvents();
    }
    QString path(const char* name) const { return folder.path() + "/" + name; }
    QString existing(const char* name, const QByteArray& content) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    QTemporaryDir folder;
    std::shared_ptr<DrawingDocument> document = std::make_shared<DrawingDocument>();
    std::unique_ptr<DrawingWindow> window;
};

TEST_F(Output, EveryFormatHasItsSaveCommandAndThereIsAPrintCommand) {
    for (const auto& [name, text] :
         {std::pair{"actionSaveDxf", "Сохранить как DXF…"},
          std::pair{"actionSaveSvg", "Сохранить как SVG…"},
          std::pair{"actionSavePdf", "Сохранить как PDF…"}, std::pair{"actionPrint", "Печать…"}}) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(window->findChild<QAction*>("actionPrint")->shortcut(), QKeySequence::Print);
}

TEST_F(Output, APdfNamedWithoutItsSuffixReplacesAnExistingOneOnlyWhenAgreed) {
    const QByteArray old = "%PDF-1.4 an older drawing";
    const QString target = existing("old.pdf", old);
    const OutputFormat* pdf = window->outputFormats().byName("PDF");
    ASSERT_NE(pdf, nullptr);
    QString text;
    answer(QMessageBox::No, &text);
    EXPECT_FALSE(window->saveAsPath(path("old"), pdf));
    EXPECT_TRUE(text.contains("old.pdf")) << text.toStdString();
    EXPECT_EQ(contentOf(target), old);

    answer(QMessageBox::Yes);
    EXPECT_TRUE(window->saveAsPath(path("old"), pdf));
    EXPECT_TRUE(contentOf(target).startsWith("%PDF-"));
    EXPECT_NE(contentOf(target), old);
}

TEST_F(Output, AFailedSaveLeavesTheExistingFileAndSaysWhy) {
    for (const char* name : {"locked.dxf", "locked.svg", "locked.pdf"}) {
        const QByteArray old = "an older drawing";
        const QString target = existing(name, old);
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QString warning;
        answer(QMessageBox::Yes);           // replace it?
        QTimer::singleShot(50, [&warning] { // then the failure
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no warning is up";
            warning = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_FALSE(window->saveAsPath(target));
        EXPECT_TRUE(warning.startsWith("Не удалось сохранить чертеж в файл " + target))
            << warning.toStdString();
        EXPECT_EQ(contentOf(target), old) << name;
    }
    EXPECT_TRUE(window->isWindowModified()); // nothing was saved
}

TEST_F(Output, TheSuffixChoosesTheFormatInAnyLetterCase) {
    EXPECT_TRUE(window->saveAsPath(path("x.Pdf")));
    EXPECT_TRUE(contentOf(path("x.Pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(window->saveAsPath(path("x.SVG")));
    EXPECT_TRUE(contentOf(path("x.SVG")).startsWith("<?xml"));
    // A DXF named in the PDF command is still a DXF.
    EXPECT_TRUE(window->saveAsPath(path("y.DXF"), window->outputFormats().byName("PDF")));
    EXPECT_TRUE(contentOf(path("y.DXF")).contains("SECTION"));
}

TEST_F(Output, PrintingPutsTheDrawingOnAPageAtTrueScale) {
    // A 100 mm line with the 5 mm margin: a page 110 mm by 10 mm (the least height),
    // 311.8 by 28.3 points (72 points to the 25.4 mm inch).
    QPrinter printer(QPrinter::HighResolution);
    DrawingWindow::preparePrinter(printer, *document);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    window->printTo(printer);
    const QByteArray pdf = contentOf(path("printed.pdf"));
    const auto match = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
                           .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    const double a = match.captured(1).toDouble();
    const double b = match.captured(2).toDouble();
    EXPECT_NEAR(std::max(a, b), 110 / 25.4 * 72, 0.5);
    EXPECT_NEAR(std::min(a, b), 10 / 25.4 * 72, 0.5);
}

TEST_F(Output, ANarrowWindowShowsTheWholeRequirementsTextAfterEveryChange) {
    window->resize(518, 400);
    QApplication::processEvents();
    // The spring, then a requirement line far longer than the spring, as on a drawing.
    document->ModelSpace().AddText(
        "1. Неуказанные предельные отклонения размеров: валов h14, отверстий H14, остальных "
        "±IT14/2.",
        {0, -20, 0}, 3.5);
    QApplication::processEvents();
    const QImage shot = window->view()->grab().toImage();
    // Nothing painted touches the view's edges: the fit keeps a white margin all round.
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (qGray(shot.pixel(x, y)) < 128) {
                ++dark;
                const bool edge = x < 2 || y < 2 || x >= shot.width() - 2 || y >= shot.height() - 2;
                ASSERT_FALSE(edge) << "painted at the edge, " << x << "," << y;
            }
        }
    }
    EXPECT_GT(dark, 100);
    window->fitAll();
    EXPECT_EQ(window->view()->grab().toImage(), shot);
}

} // namespace
} // namespace torvelix::cad
