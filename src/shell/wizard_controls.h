// The wizard's widgets, each under the name it carries as its objectName, and the
// builders of the eight pages that make them.
#pragma once

#include "candidate_table.h"
#include "path_label.h"
#include "widgets.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QStackedWidget>

#include <array>
#include <string>

namespace torvelix::shell {

struct WizardControls {
    QStackedWidget* Notebook1 = nullptr;
    QPushButton* bbPrior = nullptr;
    QPushButton* bbNext = nullptr;
    QPushButton* bbExit = nullptr;

    // Page 0.
    QButtonGroup* modeGroup = nullptr;
    QToolButton* sb01 = nullptr;
    QToolButton* sb02 = nullptr;

    // Page 1.
    RadioGroup rgKlas;
    QComboBox* cbVid = nullptr;
    QLabel* LN1 = nullptr;
    QLabel* LN2 = nullptr;
    QLabel* LF3 = nullptr;
    QLabel* Ld = nullptr;
    QLabel* LGOST = nullptr;
    QLabel* LZagot = nullptr;
    QRadioButton* rg1Mat1 = nullptr;
    QRadioButton* rg1Mat2 = nullptr;
    QButtonGroup* strengthGroup = nullptr; // rbMin, rbSer, rbMax under tags 10, 11, 12

    // Page 2.
    QLineEdit* eDn1 = nullptr;
    QLineEdit* eDn2 = nullptr;
    QLineEdit* eH = nullptr;
    QLineEdit* eF1 = nullptr;
    QLineEdit* eF2 = nullptr;
    QLineEdit* eV = nullptr;
    RadioGroup rgNavivka;
    QButtonGroup* fixingGroup = nullptr; // sb21 .. sb25 under tags 1 .. 5
    QCheckBox* cbUstoshivost = nullptr;
    QButtonGroup* finishGroup = nullptr; // sb21a .. sb24a under tags 1 .. 4
    QLineEdit* eN2 = nullptr;
    QLineEdit* eN3 = nullptr;

    // Pages 3 and 4.
    QPlainTextEdit* mm1 = nullptr;
    CandidateTable* candidateTable = nullptr; // the candidates as a table, beside mm1
    QLabel* L3Gost = nullptr;
    QLineEdit* eNum = nullptr;
    QPushButton* bbCustom = nullptr; // a spring of any wire and outer diameter
    QPlainTextEdit* mm2 = nullptr;
    QPushButton* bbPrint = nullptr;
    PathLabel* LDocument = nullptr;    // where the last exported document was written
    QPushButton* bbModel4 = nullptr;   // the calculated spring's 3D model
    QPushButton* bbSaveData = nullptr; // the design as JSON, or the candidates as CSV

    // Page 5.
    QButtonGroup* viewGroup = nullptr;    // sb71 .. sb74 under tags 71 .. 74
    QButtonGroup* endCoilGroup = nullptr; // sb51 .. sb54 under tags 71 .. 74
    QCheckBox* cb71 = nullptr;
    QCheckBox* cb72 = nullptr;
    QCheckBox* cbEskd = nullptr; // "- оформить по ЕСКД": the complete drawing on a sheet
    // The complete drawing's title block: document designation, organisation,
    // developer and checker.
    QLineEdit* eDocument = nullptr;
    QLineEdit* eOrganisation = nullptr;
    QLineEdit* eDeveloper = nullptr;
    QLineEdit* eChecker = nullptr;

    // Page 6.
    QLineEdit* e6Num = nullptr;
    QComboBox* comb6Gost = nullptr;
    QLineEdit* e6G = nullptr;
    QLineEdit* e6Tau = nullptr;
    QComboBox* comb6Naviv = nullptr;
    QLineEdit* e6L = nullptr;
    QLineEdit* e6n = nullptr;
    QLineEdit* e6n1 = nullptr;
    QLineEdit* e6HRC = nullptr;
    QComboBox* comb6Kontrol = nullptr;
    QLineEdit* e6Dc = nullptr;
    QLineEdit* e6TT = nullptr;

    // Page 7.
    QLineEdit* e9_D0 = nullptr;
    QLineEdit* e9_d = nullptr;
    QLineEdit* e9_t = nullptr;
    QLineEdit* e9_n = nullptr;
    QCheckBox* cb90 = nullptr;
    QComboBox* cbox90 = nullptr;
    QLineEdit* e9_L0 = nullptr;               // also the first of the diagram edits
    std::array<QLineEdit*, 7> diagramEdits{}; // e9_L0 .. e9_L3, e9_F1 .. e9_F3
    QToolButton* sbAutoCad = nullptr;
    QPushButton* bbShowDrawing = nullptr; // brings the built-in drawing window back
    QPushButton* bbModel7 = nullptr;      // the 3D model of the drawing's parameters

    // Above the forms of pages 5, 6 and 7, which would otherwise stay at the top of a
    // window enlarged beyond its default size.
    std::array<QSpacerItem*, 3> formSpacers{};
};

// The pages, each a widget named List0 .. List7. exePath: the running executable,
// whose tables the title page checks for shipped estimates.
QWidget* buildList0(WizardControls& ui, const std::string& exePath);
QWidget* buildList1(WizardControls& ui);
QWidget* buildList2(WizardControls& ui);
QWidget* buildList3(WizardControls& ui);
QWidget* buildList4(WizardControls& ui);
QWidget* buildList5(WizardControls& ui);
QWidget* buildList6(WizardControls& ui);
// withDrawingWindow: the built-in drawing window is used, so bbShowDrawing is shown.
QWidget* buildList7(WizardControls& ui, bool withDrawingWindow);

// A page with its shadowed headline (none when headline is empty).
QWidget* newPage(const QString& name, const QString& headlineName, const QString& headline);
// The left and right margin of a page's content at the window's default width.
inline constexpr int kPageSideMargin = 8;

// Background of the page-0 mode buttons when up and when down.
inline constexpr const char* kModeUpColour = "#f4f4f4";
inline constexpr const char* kModeDownColour = "#b8cdea";

} // namespace torvelix::shell
