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
    TForm1& form = Open();
    EXPECT_EQ(form.windowTitle().toStdString(), "Torvelix -  Пружины цилиндрические ГОСТ 13765-86");
    EXPECT_EQ(Find<QStackedWidget>("Notebook1")->count(), 8);
    for (int page = 0; page < 8; ++page) {
        EXPECT_NE(Find<QWidget>(("List" + std::to_string(page)).c_str()), nullptr);
    }
    EXPECT_EQ(Page(), 0);
    EXPECT_FALSE(CanGoBack());
    EXPECT_TRUE(CanGoOn());
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
    EXPECT_EQ(Find<QLabel>("LGOST")->text(), "ГОСТ 13766-86");
    EXPECT_EQ(Find<QLabel>("LN1")->text(), "1*10");
    EXPECT_EQ(Find<QLabel>("LN2")->text(), "7");
    EXPECT_EQ(form.designState().SpringGost, "13766");
    EXPECT_TRUE(Find<QLabel>("LF3")->text().contains("..."));
    EXPECT_EQ(form.size(), QSize(kDefaultWidth, kDefaultHeight));
}

TEST_F(Navigation, CalculateModeRunsForwardAndBackWithTheButtonStatesOfEveryPage) {
    Open();
    // Forward: 0 1 2 3 4 5 7 with page 6 skipped while "- технические требования" is off.
    const std::vector<int> forward = {1, 2, 3, 4, 5, 7};
    for (int expected : forward) {
        Next();
        ASSERT_EQ(Page(), expected);
        EXPECT_TRUE(CanGoBack()) << expected;
        EXPECT_EQ(CanGoOn(), expected != 7) << expected;
    }
    const std::vector<int> back = {5, 4, 3, 2, 1, 0};
    for (int expected : back) {
        Prior();
        ASSERT_EQ(Page(), expected);
        EXPECT_EQ(CanGoBack(), expected != 0) << expected;
        EXPECT_TRUE(CanGoOn()) << expected;
    }
    EXPECT_TRUE(errors_.empty());

    // With the requirements switched on page 6 is visited both ways.
    ForwardTo(5);
    Find<QCheckBox>("cb72")->setChecked(true);
    Next();
    EXPECT_EQ(Page(), 6);
    Next();
    EXPECT_EQ(Page(), 7);
    Prior();
    EXPECT_EQ(Page(), 6);
    Prior();
    EXPECT_EQ(Page(), 5);
    Prior();
    EXPECT_EQ(Page(), 4);
}

TEST_F(Navigation, DrawOnlyModeJumpsBetweenTheTitleAndTheDrawingPages) {
    TForm1& form = Open();
    Click("sb02");
    EXPECT_TRUE(Down("sb02"));
    EXPECT_FALSE(Down("sb01"));
    Click("sb02"); // pressing the down mode button again leaves it down
    EXPECT_TRUE(Down("sb02"));
    Next();
    ASSERT_EQ(Page(), 5);
    EXPECT_TRUE(form.drawOnly());
    EXPECT_TRUE(Down("sb53"));
    EXPECT_FALSE(Down("sb51"));
    EXPECT_TRUE(CanGoBack());
    Next();
    ASSERT_EQ(Page(), 7);
    EXPECT_FALSE(CanGoOn());
    EXPECT_EQ(textOf("e9_D0"), "20");
    EXPECT_EQ(textOf("e9_d"), "3");
    EXPECT_EQ(textOf("e9_t"), "6");
    EXPECT_EQ(textOf("e9_n"), "6");
    for (const char* name : {"e9_L0", "e9_L1", "e9_L2", "e9_L3", "e9_F1", "e9_F2", "e9_F3"}) {
        EXPECT_EQ(textOf(name), "0") << name;
    }
    Prior();
    EXPECT_EQ(Page(), 5);
    // Page 6 in draw-only mode gets its fixed values.
    Find<QCheckBox>("cb72")->setChecked(true);
    Next();
    ASSERT_EQ(Page(), 6);
    EXPECT_EQ(textOf("e6Num"), "1");
    EXPECT_EQ(Find<QComboBox>("comb6Gost")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("comb6Naviv")->currentIndex(), 0);
    EXPECT_EQ(textOf("e6n"), "0");
    EXPECT_EQ(textOf("e6n1"), "0");
    EXPECT_EQ(textOf("e6Tau"), "0");
    EXPECT_EQ(textOf("e6L"), "0");
    EXPECT_EQ(textOf("e6G"), "78500");
    EXPECT_EQ(textOf("e6HRC"), "32");
    Prior();
    Prior();
    EXPECT_EQ(Page(), 0);
    EXPECT_FALSE(CanGoBack());

    // Back in calculate mode, "Назад" on page 5 goes to page 4 again.
    Click("sb01");
    ForwardTo(5);
    EXPECT_FALSE(form.drawOnly());
    Prior();
    EXPECT_EQ(Page(), 4);
}

TEST_F(Navigation, ReturningToTheTitlePageRewritesThePageTwoDefaults) {
    Open();
    ForwardTo(2);
    Click("sb21a");
    EXPECT_EQ(textOf("eN2"), "0");
    EXPECT_EQ(textOf("eN3"), "0");
    Find<QLineEdit>("eF1")->setText("35");
    Find<QLineEdit>("eDn2")->setText("40");
    Prior();
    Prior();
    ASSERT_EQ(Page(), 0);
    EXPECT_EQ(textOf("eF1"), "20");
    EXPECT_EQ(textOf("eDn2"), "12");
    EXPECT_EQ(textOf("eN2"), "2");
    EXPECT_EQ(textOf("eN3"), "1.5");
    EXPECT_TRUE(Down("sb21a")); // the end finish is not reset
    Find<QLineEdit>("eN3")->setText("7");
    Next(); // asked again on "Вперед"
    EXPECT_EQ(textOf("eN3"), "1.5");
}

TEST_F(Navigation, AnInputThatDoesNotConvertKeepsTheWizardOnTheInputsPage) {
    Open();
    ForwardTo(3); // a first selection fills the candidate memo
    Prior();
    ASSERT_EQ(Page(), 2);
    Find<QLineEdit>("eF1")->setText("2,5");
    Next();
    EXPECT_EQ(Page(), 2);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "Неверное число '2,5'. Дробную часть отделяйте точкой.");
    EXPECT_TRUE(Find<QPlainTextEdit>("mm1")->toPlainText().isEmpty());
    // The buttons were not refreshed into another page's state.
    EXPECT_TRUE(CanGoBack());
    EXPECT_TRUE(CanGoOn());
    // The edit to mend is the one converted first among those that fail.
    Find<QLineEdit>("eF1")->setText("20");
    Find<QLineEdit>("eDn2")->setText("1e");
    QLineEdit* eH = Find<QLineEdit>("eH");
    eH->setText(" 1,5");
    Next();
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(errors_.back(), "Неверное число ' 1,5'. Дробную часть отделяйте точкой.");
    EXPECT_EQ(form_->focusWidget(), eH);
    EXPECT_EQ(eH->selectedText(), " 1,5");
    eH->setText("10");
    Find<QLineEdit>("eDn2")->setText("12");
    Next();
    EXPECT_EQ(Page(), 3);
}

TEST_F(Navigation, PageSixIsRefilledWheneverPageFiveAsksForItsNextPage) {
    const TForm1& form = Open();
    ForwardTo(5);
    Find<QCheckBox>("cb72")->setChecked(true);
    Next();
    ASSERT_EQ(Page(), 6);
    const calc::DesignState& state = form.designState();
    EXPECT_EQ(textOf("e6Num"), textOf("eNum"));
    EXPECT_EQ(textOf("e6n").toStdString(), torvelix::formatGeneral(state.n, 15));
    EXPECT_EQ(textOf("e6n1").toStdString(), torvelix::formatGeneral(state.n1, 15));
    EXPECT_EQ(textOf("e6Tau").toStdString(), torvelix::formatGeneral(state.tau3, 15));
    EXPECT_EQ(textOf("e6L").toStdString(), torvelix::formatGeneral(state.L, 15));
    EXPECT_EQ(Find<QComboBox>("comb6Gost")->currentIndex(), 0);
    Find<QLineEdit>("e6G")->setText("80000");
    Find<QLineEdit>("e6TT")->setText("ОСТ 1");
    Find<QComboBox>("comb6Naviv")->setEditText("левое");
    Prior();
    ASSERT_EQ(Page(), 5);
    Next();
    ASSERT_EQ(Page(), 6);
    EXPECT_EQ(textOf("e6G"), "78500");
    EXPECT_EQ(textOf("e6TT"), "");
    EXPECT_EQ(Find<QComboBox>("comb6Naviv")->currentText(), "правое");
}

TEST_F(Navigation, PageSevenIsRefilledOnEveryArrival) {
    const TForm1& form = Open();
    ForwardTo(7);
    const calc::DesignState& state = form.designState();
    EXPECT_EQ(textOf("e9_D0").toStdString(), torvelix::formatGeneral(state.D, 6));
    EXPECT_EQ(textOf("e9_n").toStdString(), torvelix::formatGeneral(state.n, 4));
    EXPECT_EQ(textOf("e9_F2"), "80");
    EXPECT_FALSE(Find<QLineEdit>("e9_L1")->isEnabled()); // no loading diagram asked for
    EXPECT_TRUE(Find<QComboBox>("cbox90")->isEnabled());
    Find<QLineEdit>("e9_D0")->setText("99");
    Prior();
    Find<QCheckBox>("cb71")->setChecked(true);
    Next();
    EXPECT_EQ(textOf("e9_D0").toStdString(), torvelix::formatGeneral(state.D, 6));
    for (const char* name : {"e9_L0", "e9_L1", "e9_L2", "e9_L3", "e9_F1", "e9_F2", "e9_F3"}) {
        EXPECT_TRUE(Find<QLineEdit>(name)->isEnabled()) << name;
    }
    // The full view offers no break: cbox90 is disabled on the next arrival.
    Prior();
    Click("sb72");
    Next();
    EXPECT_FALSE(Find<QComboBox>("cbox90")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("e9_L0")->isEnabled());
}

} // namespace
} // namespace torvelix::shell::testing
