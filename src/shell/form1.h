// The program's one window, TForm1: the eight-page wizard bound to a design session.
// It builds the widgets, copies their values to and from the session around each step,
// shows the session's messages, and starts and ends the program.
#pragma once

#include "design_session.h"
#include "message_sink.h"
#include "wizard_binding.h"
#include "wizard_controls.h"
#include "word_automation.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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
    // The name the design's data is saved under (empty: cancelled). Null: the file
    // dialog.
    std::function<QString()> dataFileName;
};

// Caption of the window and of its message boxes.
inline constexpr const char* kFormCaption = "Torvelix -  Пружины цилиндрические ГОСТ 13765-86";
inline constexpr const char* kMessageCaption = "Torvelix";
inline constexpr int kDefaultWidth = 560;
inline constexpr int kDefaultHeight = 450;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(WindowOptions options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    int currentPage() const;
    bool drawOnly() const { return session_->drawOnly(); }
    calc::Fixing rememberedFixing() const { return session_->rememberedFixing(); }
    const calc::DesignState& designState() const { return session_->state(); }
    // ExeBase + ".ini", or the user's configuration folder (settings_location.h).
    QString settingsPath() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Closing the program asks first whether an unsaved drawing is to be saved.
    void closeEvent(QCloseEvent* event) override;

private:
    class WindowMessages;
    struct BuiltinDrawing;

    // Program start and end.
    void FormCreate();
    void FormActivate();
    void bbExitClick();
    void saveSettings();
    // The title block's edits with their keys in the settings file.
    std::vector<std::pair<QLineEdit*, QString>> titleBlockKeys() const;

    // Runs a command of the session on the values the widgets hold, then shows the
    // snapshot it left. An error that escapes goes to the general error handler.
    workflow::Outcome runStep(const std::function<workflow::Outcome()>& step);
    void changePage(bool forward);
    // An escaped error's text through the general error handler, then the edit to mend.
    void showOutcome(const workflow::Outcome& outcome);
    void connectHandlers();
    void bbPrintClick();
    void sbAutoCadClick();
    // The 3D model of the calculated spring (report page) or of page 7's parameters.
    void bbModelClick(bool fromReport);
    // A spring of the wire and outer diameter the user types, computed and reported.
    void bbCustomClick();
    // The design as JSON or the candidates as CSV, in a file the user names.
    void bbSaveDataClick();

    void restoreAfterDrawing(Qt::WindowStates before);
    // The built-in drawing window beside the wizard, in front (page 7's button).
    // True when the drawing window, beside the wizard where there is room, covers it.
    bool showDrawingWindow();
    // False when the user keeps the program running rather than lose the drawing.
    bool confirmDrawingSaved();
    void showGeneralError(const std::string& text);

    WindowOptions options_;
    std::string exePath_;
    std::unique_ptr<MessageSink> boxes_;
    std::unique_ptr<MessageSink> messages_; // a WindowMessages
    std::unique_ptr<workflow::DesignSession> session_;
    std::unique_ptr<wordexport::WordConnector> ownWordConnector_;
    std::shared_ptr<cad::DrawingSession> drawingSession_;
    std::shared_ptr<BuiltinDrawing> builtinDrawing_;
    bool activatedOnce_ = false;
    bool drawingToFront_ = false; // raise the drawing again at the wizard's next activation
    bool closeConfirmed_ = false;
    WizardControls ui_;
    std::vector<FieldBinding> bindings_; // every field's widget
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
