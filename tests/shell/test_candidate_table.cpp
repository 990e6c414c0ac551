// The candidate page's table: one row per candidate of the memo, the pass marks the
// memo's verdicts give, a row's choice writing its number into eNum, the filter hiding
// the failing rows, and the order and filter kept in the settings file.
#include "shell_fixture.h"

#include "candidate_table.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <set>

namespace torvelix::shell::testing {
namespace {

using CandidateTableTest = WindowTest;

// The numbers of the memo's candidates, and those whose number line is followed by the
// force line (the memo lists the values of a spring only when it passed every check).
void memoCandidates(const QString& memo, std::set<QString>& all, std::set<QString>& passing) {
    const QStringList lines = memo.split(u'\n');
    const QRegularExpression numberLine("^Номер пружины по ГОСТ \\d+-86 +:(\\d+)$");
    for (qsizetype k = 0; k + 1 < lines.size(); ++k) {
        const auto match = numberLine.match(lines[k]);
        if (match.hasMatch()) {
            all.insert(match.captured(1));
            if (lines[k + 1].startsWith("Сила при максимальной деформации")) {
                passing.insert(match.captured(1));
            }
        }
    }
}

std::set<QString> visibleNumbers(QTableWidget* table) {
    std::set<QString> numbers;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (!table->isRowHidden(row)) {
            numbers.insert(table->item(row, CandidateTable::Number)->text());
        }
    }
    return numbers;
}

TEST_F(CandidateTableTest, RowsChooseTheSpringAndTheFilterHidesFailingOnes) {
    open();
    forwardTo(2);
    // The defaults, with a wider diameter range: springs that pass and springs that fail.
    find<QLineEdit>("eDn1")->setText("9");
    find<QLineEdit>("eDn2")->setText("13");
    next();
    ASSERT_EQ(currentPage(), 3);
    std::set<QString> all, passing;
    memoCandidates(find<QPlainTextEdit>("mm1")->toPlainText(), all, passing);
    ASSERT_FALSE(passing.empty());
    ASSERT_LT(passing.size(), all.size());

    auto* table = find<QTableWidget>("tblCandidates");
    auto* onlyPassing = find<QCheckBox>("cbOnlyPassing");
    ASSERT_FALSE(onlyPassing->isChecked());
    EXPECT_EQ(visibleNumbers(table), all);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString number = table->item(row, CandidateTable::Number)->text();
        EXPECT_EQ(table->item(row, CandidateTable::Passes)->text(),
                  passing.count(number) ? "✓" : "✗")
            << number.toStdString();
    }

    onlyPassing->setChecked(true);
    EXPECT_EQ(visibleNumbers(table), passing);
    onlyPassing->setChecked(false);
    EXPECT_EQ(visibleNumbers(table), all);

    // Choosing a row (clicked on the page as shown) writes its number into eNum.
    find<QTabWidget>("candidateTabs")->setCurrentIndex(1);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    for (int row = 0; row < std::min(table->rowCount(), 3); ++row) {
        const QRect cell = table->visualItemRect(table->item(row, CandidateTable::Mass));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(textOf("eNum"), table->item(row, CandidateTable::Number)->text());
    }
    // The memo is the selection's text as before.
    EXPECT_TRUE(find<QPlainTextEdit>("mm1")->toPlainText().startsWith("Номер пружины по ГОСТ"));
}

TEST_F(CandidateTableTest, OrderAndFilterAreKeptInTheSettings) {
    open();
    forwardTo(3);
    auto* table = find<CandidateTable>("candidateTable");
    table->setSort(CandidateTable::Mass, Qt::DescendingOrder);
    table->passingOnly()->setChecked(true);
    click("bbExit");

    open();
    table = find<CandidateTable>("candidateTable");
    EXPECT_EQ(table->sortColumn(), CandidateTable::Mass);
    EXPECT_EQ(table->sortOrder(), Qt::DescendingOrder);
    EXPECT_TRUE(table->passingOnly()->isChecked());
}

} // namespace
} // namespace torvelix::shell::testing
