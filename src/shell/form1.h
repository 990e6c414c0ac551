// The program's one window, TForm1: the eight-page wizard with its page manager, the
// option controls of every page and their handlers, start and end of the program.
#pragma once

#include "control_states.h"
#include "design_state.h"
#include "eskd_drawing.h"
#include "message_sink.h"
#include "tech_requirements.h"
#include "widgets.h"
#include "word_automation.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace torvelix::cad {
struct DrawingSession;
}

namespace torvelix::shell {

// What the window is given from outside; the defaults are those of the real program.
struct WindowOptions {
    // The running executable's path: the tables and the settings file lie beside it.
    // Empty: QCoreApplication::applicationFilePath().
    std::string exePath;
    // Where the core's messages go. Null: modal message boxes.
    MessageSink* messages = nullptr;
    // The general error handler for errors no step handles. Null: a modal error box.
    std::function<void(const std::string&)> generalError;
    // The word processor the report is typed into. Null: the built-in .docx backend.
    wordexport::WordConnector* wordConnector = nullptr;
    // The CAD application the spring is drawn into. Null: the built-in drawing window.
    cad::CadConnector* cadConnector = nullptr;
};

// Caption of the window and of its message boxes.
inline constexpr const char* kFormCaption = "Torvelix -  Пружины цилиндрические ГОСТ 13765-86";
inline constexpr const char* kMessageCaption = "Torvelix";
inline constexpr int kDefaultWidth = 560;
inline constexpr int kDefaultHeight = 450;
// Background of the page-0 mode buttons when up and when down.
inline constexpr const char* kModeUpColour = "#f4f4f4";
inline constexpr const char* kModeDownColour = "#b8cdea";

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(WindowOptions options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    int currentPage() const;
    bool drawOnly() const { return DrawOnly_; }
    int rememberedFixing() const { return RememberedFixing_; }
    const calc::DesignState& designState() const { return state_; }
    // ExeBase + ".ini", or the user's configuration folder (settings_location.h).
    QString settingsPath() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Closing the program asks first whether an unsaved drawing is to be saved.
    void closeEvent(QCloseEvent* event) override;

private:
    class WindowMessages;
    struct BuiltinDrawing;

    // Program start and end.
    void FormCreate();
    void FormActivate();
    void bbExitClick();
    void SaveSettings();

    // Page manager.
    void PageManager1GetNextPage(int page, int& next);
    void PageManager1GetPriorPage(int page, int& prior);
    int AskNext(int page);
    int AskPrior(int page);
    void RefreshButtons();
    void ChangePage(bool forward);
    void LeaveStep(int page, bool forward);
    void ppList0Leave(bool forward);
    void ppList2Leave(bool forward);
    void ppList3Leave(bool forward);
    void FillTechRequirements();
    void FillGeometry();

    // Click handlers of the option pages.
    void rgKlasClick();
    void cbVidChange();
    void rbMinClick(int tag);
    void sb21aClick(int tag);
    void sb21Click(int tag);
    void cbUstoshivostClick();
    void sb71Click(int tag);
    void cb90Click();
    void bbPrintClick();
    void sbAutoCadClick();

    cad::TechRequirementControls TechRequirementValues() const;

    geometry::EskdSheetInfo EskdSheetValues() const;
    void RestoreAfterDrawing(Qt::WindowStates before);
    // The built-in drawing window beside the wizard, in front (page 7's button).
    void ShowDrawingWindow();
    // False when the user keeps the program running rather than lose the drawing.
    bool ConfirmDrawingSaved();
    void SelectClass();
    calc::ControlStates ControlValues() const;
    // Runs a handler; an error that escapes it goes to the general error handler.
    void Guarded(const std::function<void()>& handler);
    void ShowGeneralError(const std::string& text);
    // A leave step that showed its own message and keeps the wizard on its page.
    struct PageKept {};
    // The first of the edits, in the order they are converted, whose text is not a
    // number; null when all are.
    static QLineEdit* FirstInvalidNumber(std::initializer_list<QLineEdit*> parseOrder);
    // Focus on the edit with its whole text selected, ready to be typed over.
    static void SelectForEditing(QLineEdit* edit);

    // Page construction.
    QWidget* BuildList0();
    QWidget* BuildList1();
    QWidget* BuildList2();
    QWidget* BuildList3();
    QWidget* BuildList4();
    QWidget* BuildList5();
    QWidget* BuildList6();
    QWidget* BuildList7();
    QWidget* NewPage(const QString& name, const QString& headlineName, const QString& headline);
    void ConnectHandlers();

    WindowOptions options_;
    std::string exePath_;
    std::unique_ptr<MessageSink> boxes_;
    std::unique_ptr<MessageSink> messages_; // a WindowMessages
    std::unique_ptr<wordexport::WordConnector> ownWordConnector_;
    std::shared_ptr<cad::DrawingSession> drawingSession_;
    std::shared_ptr<BuiltinDrawing> builtinDrawing_;
    calc::DesignState state_;
    bool DrawOnly_ = false;
    int RememberedFixing_ = 0;
    bool activatedOnce_ = false;
    bool closeConfirmed_ = false;

    QStackedWidget* Notebook1 = nullptr;
    QPushButton* bbPrior = nullptr;
    QPushButton* bbNext = nullptr;
    QPushButton* bbExit = nullptr;

    // Page 0.
    QButtonGroup* modeGroup_ = nullptr;
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
    QButtonGroup* strengthGroup_ = nullptr;

    // Page 2.
    QLineEdit* eDn1 = nullptr;
    QLineEdit* eDn2 = nullptr;
    QLineEdit* eH = nullptr;
    QLineEdit* eF1 = nullptr;
    QLineEdit* eF2 = nullptr;
    QLineEdit* eV = nullptr;
    RadioGroup rgNavivka;
    QButtonGroup* fixingGroup_ = nullptr;
    QCheckBox* cbUstoshivost = nullptr;
    QButtonGroup* finishGroup_ = nullptr;
    QLineEdit* eN2 = nullptr;
    QLineEdit* eN3 = nullptr;

    // Pages 3 and 4.
    QPlainTextEdit* mm1 = nullptr;
    QLabel* L3Gost = nullptr;
    QLineEdit* eNum = nullptr;
    QPlainTextEdit* mm2 = nullptr;
    QPushButton* bbPrint = nullptr;
    QLabel* LDocument = nullptr;

    // Page 5.
    QButtonGroup* viewGroup_ = nullptr;
    QButtonGroup* endCoilGroup_ = nullptr;
    QCheckBox* cb71 = nullptr;
    QCheckBox* cb72 = nullptr;
    QCheckBox* cbEskd = nullptr; // "- оформить по ЕСКД": the complete drawing on a sheet

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
    std::array<QLineEdit*, 7> diagramEdits_{}; // e9_L0 .. e9_L3, e9_F1 .. e9_F3
    QLineEdit* e9_L0 = nullptr;
    QToolButton* sbAutoCad = nullptr;
    QPushButton* bbShowDrawing = nullptr;
};

// A message sink showing modal message boxes (error or warning icon, one OK button).
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* owner) : owner_(owner) {}
    void show(MessageIcon icon, const std::string& text) override;

private:
    QWidget* owner_;
};

} // namespace torvelix::shell
