// The page sequence of both modes, the button states, and the values the navigation
// writes into the pages on arrival.
#include "shell_fixture.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace torvelix::shell::testing {
namespace {

using Navigation = WindowTest;

TEST_F(Navigation, StartsOnTheTitlePageWithDefaultsAndTheFirstClassRead) {
    TForm1& form = open();
    EXPECT_EQ(form.windowTitle().toStdString(), "Torvelix -  Пружины цилиндрические ГОСТ 13765-86");
    EXPECT_EQ(find<QStackedWidget>("Notebook1")->count(), 8);
    for (int page = 0; page < 8; ++page) {
        EXPECT_NE(find<QWidget>(("List" + std::to_string(page)).c_str()), nullptr);
    }
    EXPECT_EQ(currentPage(), 0);
    EXPECT_FALSE(canGoBack());
    EXPECT_TRUE(canGoOn());
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(form.designState().tables.TablesOk);
    // The page-0 rule ran at load: page-2 defaults and the class row of item 0.
    EXPECT_EQ(textOf("eDn1"), "10");
    EXPECT_EQ(textOf("eDn2"), "12");
    EXPECT_EQ(textOf("eH"), "10");
    EXPECT_EQ(textOf("eF1"), "20");
    EXPECT_EQ(textOf("eF2"), "80");
    EXPECT_EQ(textOf("eV"), "3");
    EXPECT_EQ(textOf("eN2"), "2");
    EXPECT_EQ(textOf("eN3"), "1.5");
    EXPECT_EQ(find<QLabel>("LGOST")->text(), "ГОСТ 13766-86");
    EXPECT_EQ(find<QLabel>("LN1")->text(), "1*10");
    EXPECT_EQ(find<QLabel>("LN2")->text(), "7");
    EXPECT_EQ(form.designState().SpringGost, "13766");
    EXPECT_TRUE(find<QLabel>("LF3")->text().contains("..."));
    EXPECT_EQ(form.size(), QSize(kDefaultWidth, kDefaultHeight));
}

TEST_F(Navigation, CalculateModeRunsForwardAndBackWithTheButtonStatesOfEveryPage) {
    open();
    // Forward: 0 1 2 3 4 5 7 with page 6 skipped while "- технические требования" is off.
    const std::vector<int> forward = {1, 2, 3, 4, 5, 7};
    for (int expected : forward) {
        next();
        ASSERT_EQ(currentPage(), expected);
        EXPECT_TRUE(canGoBack()) << expected;
        EXPECT_EQ(canGoOn(), expected != 7) << expected;
    }
    const std::vector<int> back = {5, 4, 3, 2, 1, 0};
    for (int expected : back) {
        prior();
        ASSERT_EQ(currentPage(), expected);
        EXPECT_EQ(canGoBack(), expected != 0) << expected;
        EXPECT_TRUE(canGoOn()) << expected;
    }
    EXPECT_TRUE(errors_.empty());

    // With the requirements switched on page 6 is visited both ways.
    forwardTo(5);
    find<QCheckBox>("cb72")->setChecked(true);
    next();
    EXPECT_EQ(currentPage(), 6);
    next();
    EXPECT_EQ(currentPage(), 7);
    prior();
    EXPECT_EQ(currentPage(), 6);
    prior();
    EXPECT_EQ(currentPage(), 5);
    prior();
    EXPECT_EQ(currentPage(), 4);
}

TEST_F(Navigation, DrawOnlyModeJumpsBetweenTheTitleAndTheDrawingPages) {
    TForm1& form = open();
    click("sb02");
    EXPECT_TRUE(down("sb02"));
    EXPECT_FALSE(down("sb01"));
    click("sb02"); // pressing the down mode button again leaves it down
    EXPECT_TRUE(down("sb02"));
    next();
    ASSERT_EQ(currentPage(), 5);
    EXPECT_TRUE(form.drawOnly());
    EXPECT_TRUE(down("sb53"));
    EXPECT_FALSE(down("sb51"));
    EXPECT_TRUE(canGoBack());
    next();
    ASSERT_EQ(currentPage(), 7);
    EXPECT_FALSE(canGoOn());
    EXPECT_EQ(textOf("e9_D0"), "20");
    EXPECT_EQ(textOf("e9_d"), "3");
    EXPECT_EQ(textOf("e9_t"), "6");
    EXPECT_EQ(textOf("e9_n"), "6");
    for (const char* name : {"e9_L0", "e9_L1", "e9_L2", "e9_L3", "e9_F1", "e9_F2", "e9_F3"}) {
        EXPECT_EQ(textOf(name), "0") << name;
    }
    prior();
    EXPECT_EQ(currentPage(), 5);
    // Page 6 in draw-only mode gets its fixed values.
    find<QCheckBox>("cb72")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 6);
    EXPECT_EQ(textOf("e6Num"), "1");
    EXPECT_EQ(find<QComboBox>("comb6Gost")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>("comb6Naviv")->currentIndex(), 0);
    EXPECT_EQ(textOf("e6n"), "0");
    EXPECT_EQ(textOf("e6n1"), "0");
    EXPECT_EQ(textOf("e6Tau"), "0");
    EXPECT_EQ(textOf("e6L"), "0");
    EXPECT_EQ(textOf("e6G"), "78500");
    EXPECT_EQ(textOf("e6HRC"), "32");
    prior();
    prior();
    EXPECT_EQ(currentPage(), 0);
    EXPECT_FALSE(canGoBack());

    // Back in calculate mode, "Назад" on page 5 goes to page 4 again.
    click("sb01");
    forwardTo(5);
    EXPECT_FALSE(form.drawOnly());
    prior();
    EXPECT_EQ(currentPage(), 4);
}

TEST_F(Navigation, ReturningToTheTitlePageRewritesThePageTwoDefaults) {
    open();
    forwardTo(2);
    click("sb21a");
    EXPECT_EQ(textOf("eN2"), "0");
    EXPECT_EQ(textOf("eN3"), "0");
    find<QLineEdit>("eF1")->setText("35");
    find<QLineEdit>("eDn2")->setText("40");
    prior();
    prior();
    ASSERT_EQ(currentPage(), 0);
    EXPECT_EQ(textOf("eF1"), "20");
    EXPECT_EQ(textOf("eDn2"), "12");
    EXPECT_EQ(textOf("eN2"), "2");
    EXPECT_EQ(textOf("eN3"), "1.5");
    EXPECT_TRUE(down("sb21a")); // the end finish is not reset
    find<QLineEdit>("eN3")->setText("7");
    next(); // asked again on "Вперед"
    EXPECT_EQ(textOf("eN3"), "1.5");
}

TEST_F(Navigation, AnInputThatDoesNotConvertKeepsTheWizardOnTheInputsPage) {
    open();
    forwardTo(3); // a first selection fills the candidate memo
    prior();
    ASSERT_EQ(currentPage(), 2);
    find<QLineEdit>("eF1")->setText("2,5");
    next();
    EXPECT_EQ(currentPage(), 2);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "Неверное число '2,5'. Дробную часть отделяйте точкой.");
    EXPECT_TRUE(find<QPlainTextEdit>("mm1")->toPlainText().isEmpty());
    // The buttons were not refreshed into another page's state.
    EXPECT_TRUE(canGoBack());
    EXPECT_TRUE(canGoOn());
    // The edit to mend is the one converted first among those that fail.
    find<QLineEdit>("eF1")->setText("20");
    find<QLineEdit>("eDn2")->setText("1e");
    QLineEdit* eH = find<QLineEdit>("eH");
    eH->setText(" 1,5");
    next();
    EXPECT_EQ(currentPage(), 2);
    EXPECT_EQ(errors_.back(), "Неверное число ' 1,5'. Дробную часть отделяйте точкой.");
    EXPECT_EQ(form_->focusWidget(), eH);
    EXPECT_EQ(eH->selectedText(), " 1,5");
    eH->setText("10");
    find<QLineEdit>("eDn2")->setText("12");
    next();
    EXPECT_EQ(currentPage(), 3);
}

TEST_F(Navigation, PageSixIsRefilledWheneverPageFiveAsksForItsNextPage) {
    const TForm1& form = open();
    forwardTo(5);
    find<QCheckBox>("cb72")->setChecked(true);
    next();
    ASSERT_EQ(currentPage(), 6);
    const calc::DesignState& state = form.designState();
    EXPECT_EQ(textOf("e6Num"), textOf("eNum"));
    EXPECT_EQ(textOf("e6n").toStdString(), torvelix::formatGeneral(state.n, 15));
    EXPECT_EQ(textOf("e6n1").toStdString(), torvelix::formatGeneral(state.n1, 15));
    EXPECT_EQ(textOf("e6Tau").toStdString(), torvelix::formatGeneral(state.tau3, 15));
    EXPECT_EQ(textOf("e6L").toStdString(), torvelix::formatGeneral(state.L, 15));
    EXPECT_EQ(find<QComboBox>("comb6Gost")->currentIndex(), 0);
    find<QLineEdit>("e6G")->setText("80000");
    find<QLineEdit>("e6TT")->setText("ОСТ 1");
    find<QComboBox>("comb6Naviv")->setEditText("левое");
    prior();
    ASSERT_EQ(currentPage(), 5);
    next();
    ASSERT_EQ(currentPage(), 6);
    EXPECT_EQ(textOf("e6G"), "78500");
    EXPECT_EQ(textOf("e6TT"), "");
    EXPECT_EQ(find<QComboBox>("comb6Naviv")->currentText(), "правое");
}

TEST_F(Navigation, PageSevenIsRefilledOnEveryArrival) {
    const TForm1& form = open();
    forwardTo(7);
    const calc::DesignState& state = form.designState();
    EXPECT_EQ(textOf("e9_D0").toStdString(), torvelix::formatGeneral(state.D, 6));
    EXPECT_EQ(textOf("e9_n").toStdString(), torvelix::formatGeneral(state.n, 4));
    EXPECT_EQ(textOf("e9_F2"), "80");
    EXPECT_FALSE(find<QLineEdit>("e9_L1")->isEnabled()); // no loading diagram asked for
    EXPECT_TRUE(find<QComboBox>("cbox90")->isEnabled());
    find<QLineEdit>("e9_D0")->setText("99");
    prior();
    find<QCheckBox>("cb71")->setChecked(true);
    next();
    EXPECT_EQ(textOf("e9_D0").toStdString(), torvelix::formatGeneral(state.D, 6));
    for (const char* name : {"e9_L0", "e9_L1", "e9_L2", "e9_L3", "e9_F1", "e9_F2", "e9_F3"}) {
        EXPECT_TRUE(find<QLineEdit>(name)->isEnabled()) << name;
    }
    // The full view offers no break: cbox90 is disabled on the next arrival.
    prior();
    click("sb72");
    next();
    EXPECT_FALSE(find<QComboBox>("cbox90")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("e9_L0")->isEnabled());
}

} // namespace
} // namespace torvelix::shell::testing
