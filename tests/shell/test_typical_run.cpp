// A typical run clicked through: candidates listed, a spring number typed, the report
// shown and exported, the drawing pages filled from the results.
#include "shell_fixture.h"

#include "docx_word_backend.h"
#include "path_label.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <filesystem>

namespace torvelix::shell::testing {
namespace {

using TypicalRun = WindowTest;

// Spring numbers of the candidates in the memo that passed every check: their number
// line is followed directly by the force line.
std::vector<QString> passingCandidates(const QString& memo) {
    std::vector<QString> numbers;
    const QStringList lines = memo.split(u'\n');
    const QRegularExpression numberLine("^Номер пружины по ГОСТ \\d+-86 +:(\\d+)$");
    for (qsizetype k = 0; k + 1 < lines.size(); ++k) {
        const auto match = numberLine.match(lines[k]);
        if (match.hasMatch() && lines[k + 1].startsWith("Сила при максимальной деформации")) {
            numbers.push_back(match.captured(1));
        }
    }
    return numbers;
}

// The value after the label's colon in the report line that starts with label.
QString reportValue(const QString& report, const QString& label) {
    for (const QString& line : report.split(u'\n')) {
        if (line.startsWith(label)) {
            return line.mid(line.indexOf(": ") + 2);
        }
    }
    return {};
}

TEST_F(TypicalRun, CandidatesReportAndDrawingPagesFollowTheChosenSpring) {
    // A folder of a long name: the page must not widen to show the document's path.
    torvelix::testing::ScratchFolder scratch;
    const std::string shown = scratch.file(std::string(200, 'd'));
    std::filesystem::create_directory(shown);
    wordexport::DocxWordConnector word({shown, "true"});
    wordConnector_ = &word;
    const TForm1& form = open();

    forwardTo(1);
    SelectClass(2);
    ASSERT_EQ(find<QLabel>("LGOST")->text(), "ГОСТ 13768-86");
    next();
    ASSERT_EQ(currentPage(), 2);
    find<QLineEdit>("eF2")->setText("150");
    find<QLineEdit>("eDn1")->setText("8");
    find<QLineEdit>("eDn2")->setText("30");
    next();
    ASSERT_EQ(currentPage(), 3);
    EXPECT_EQ(find<QLabel>("L3Gost")->text(), "ГОСТ 13768-86");
    const QString candidates = find<QPlainTextEdit>("mm1")->toPlainText();
    ASSERT_TRUE(candidates.startsWith("Номер пружины по ГОСТ 13768-86       :"))
        << candidates.toStdString();
    const std::vector<QString> passing = passingCandidates(candidates);
    ASSERT_FALSE(passing.empty()) << candidates.toStdString();
    EXPECT_TRUE(messages_.messages.empty());
    // The proposal is the last candidate when it passed every check, else "0".
    const QStringList numberLines = candidates.split(u'\n').filter("Номер пружины по ГОСТ");
    const QString last = numberLines.last().section(u':', 1);
    EXPECT_EQ(textOf("eNum"), passing.back() == last ? last : QString("0"));

    // The user types the first spring that passed every check.
    const QString chosen = passing.front();
    find<QLineEdit>("eNum")->setText(chosen);
    next();
    ASSERT_EQ(currentPage(), 4);
    const QString report = find<QPlainTextEdit>("mm2")->toPlainText();
    EXPECT_EQ(reportValue(report, "Номер пружины по ГОСТ 13768-86"), chosen);
    EXPECT_EQ(reportValue(report, "Сила при рабочей деформации"), "150.000");
    EXPECT_FALSE(form.designState().Overstress);

    // The report goes to the word processor once per visit of the page.
    auto* print = find<QPushButton>("bbPrint");
    ASSERT_TRUE(print->isEnabled());
    const int width = form.width();
    print->click();
    EXPECT_FALSE(print->isEnabled());
    ASSERT_EQ(word.shownFiles().size(), 1u);
    EXPECT_TRUE(messages_.messages.empty());
    // The path is elided in the middle; the whole of it is in the tooltip and copied by
    // the label's action.
    QApplication::processEvents();
    EXPECT_EQ(form.width(), width);
    const QString path = QString::fromStdString(word.shownFiles().back());
    auto* document = find<PathLabel>("LDocument");
    EXPECT_EQ(document->toolTip(), path);
    EXPECT_TRUE(document->text().startsWith("Документ: ")) << document->text().toStdString();
    EXPECT_TRUE(document->text().contains(QChar(0x2026))) << document->text().toStdString();
    document->copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), path);

    next();
    ASSERT_EQ(currentPage(), 5);
    EXPECT_TRUE(down("sb53")); // from the end finish down on page 2
    find<QCheckBox>("cb72")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 6);
    EXPECT_EQ(textOf("e6Num"), chosen);
    EXPECT_EQ(find<QComboBox>("comb6Gost")->currentText(), "ГОСТ 13768-86");
    EXPECT_EQ(textOf("e6n"), reportValue(report, "Число рабочих витков"));
    EXPECT_EQ(textOf("e6n1"), reportValue(report, "Полное число витков"));
    next();
    ASSERT_EQ(currentPage(), 7);
    EXPECT_EQ(textOf("e9_D0"), reportValue(report, "Средний диаметр"));
    EXPECT_EQ(textOf("e9_n"), reportValue(report, "Число рабочих витков"));
    EXPECT_EQ(textOf("e9_F1"), "20");
    EXPECT_EQ(textOf("e9_F2"), "150");
    EXPECT_EQ(textOf("e9_d").toDouble(), reportValue(report, "Диаметр проволоки").toDouble());
    EXPECT_NEAR(textOf("e9_L0").toDouble(),
                reportValue(report, "Длина в свободном состоянии").toDouble(), 0.001);

    // Going back to page 5 enables the Word button again.
    prior();
    prior();
    EXPECT_TRUE(print->isEnabled());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(TypicalRun, NoSpringNumberWarnsAndKeepsTheEarlierReport) {
    open();
    forwardTo(3);
    find<QLineEdit>("eNum")->setText("1");
    next();
    ASSERT_EQ(currentPage(), 4);
    const QString report = find<QPlainTextEdit>("mm2")->toPlainText();
    ASSERT_FALSE(report.isEmpty());
    prior();
    find<QLineEdit>("eNum")->setText("0");
    next();
    EXPECT_EQ(currentPage(), 4);
    ASSERT_FALSE(messages_.messages.empty());
    EXPECT_EQ(messages_.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(messages_.messages.back().text,
              "По стандарту пружину подобрать нельзя.\rНе выбран номер рассчитываемой пружины!");
    EXPECT_EQ(find<QPlainTextEdit>("mm2")->toPlainText(), report);
}

TEST_F(TypicalRun, NoFittingSpringClearsTheReportAndStillGoesOn) {
    open();
    forwardTo(3);
    find<QLineEdit>("eNum")->setText("1");
    next();
    ASSERT_FALSE(find<QPlainTextEdit>("mm2")->toPlainText().isEmpty());
    prior();
    prior();
    find<QLineEdit>("eDn1")->setText("30");
    find<QLineEdit>("eDn2")->setText("20"); // Dmin above Dmax: nothing fits
    next();
    EXPECT_EQ(currentPage(), 3);
    ASSERT_FALSE(messages_.messages.empty());
    EXPECT_EQ(messages_.messages.back().text,
              "По стандарту пружину подобрать нельзя.\rИзмените исходные данные.");
    EXPECT_EQ(textOf("eNum"), "0");
    EXPECT_TRUE(find<QPlainTextEdit>("mm2")->toPlainText().isEmpty());
}

TEST_F(TypicalRun, ASpringNumberThatCannotBeComputedKeepsTheCandidatePage) {
    open();
    forwardTo(1);
    find<QComboBox>("cbVid")->setCurrentIndex(1);
    next();
    find<QLineEdit>("eF2")->setText("100");
    find<QLineEdit>("eDn1")->setText("5");
    find<QLineEdit>("eDn2")->setText("60");
    next();
    ASSERT_EQ(currentPage(), 3);
    find<QLineEdit>("eNum")->setText("1");
    next();
    ASSERT_FALSE(find<QPlainTextEdit>("mm2")->toPlainText().isEmpty());
    prior();
    const size_t before = messages_.messages.size();
    QLineEdit* eNum = find<QLineEdit>("eNum");
    eNum->setText("2x");
    next();
    // The computation's own message, then the conversion message of a three-strand
    // number; the wizard stays with the number selected for typing over.
    EXPECT_EQ(currentPage(), 3);
    EXPECT_EQ(messages_.messages.size(), before + 1);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "Неверное число '2x'. Номер пружины должен быть целым.");
    EXPECT_EQ(form_->focusWidget(), eNum);
    EXPECT_EQ(eNum->selectedText(), "2x");
    // The earlier spring's report is not left standing for the failed one.
    EXPECT_TRUE(find<QPlainTextEdit>("mm2")->toPlainText().isEmpty());

    // A whole number beyond the end of the table: its message only, same page.
    eNum->setText("99999");
    next();
    EXPECT_EQ(currentPage(), 3);
    EXPECT_EQ(messages_.messages.size(), before + 2);
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_EQ(eNum->selectedText(), "99999");
    EXPECT_TRUE(find<QPushButton>("bbNext")->isEnabled());
}

} // namespace
} // namespace torvelix::shell::testing
