// The window's frame and life: construction, the page buttons bound to the session's
// page flow, the settings at start and at "Выход", activation.
#include "form1.h"

#include <cassert>

#include "utf8_text.h"

#include "button_art.h"
#include "cp1251.h"
#include "errors.h"
#include "ini_file.h"
#include "settings_location.h"
#include "window_geometry.h"
#include "wizard_binding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include <utility>

namespace torvelix::shell {

namespace {

const QString kSection = QStringLiteral("Общая");
// The fixed texts the settings file carries under "Автор" and "E-Mail".
const QString kAuthorText = QStringLiteral("Torvelix design office, 2026");
const QString kContactText = QStringLiteral("torvelix@example.org");

// Message texts break lines with CR, CR LF or LF CR; the box wants LF.
QString boxText(const std::string& text) {
    // A file name that is not UTF-8 shows its bad bytes as \xNN.
    QString out = QString::fromStdString(escapeInvalidUtf8(text));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

} // namespace

// The window's own message sink: shows each message through the presenter, then acts
// as the window's activation after a message box does (closing when the tables have
// become unusable).
class TForm1::WindowMessages : public MessageSink {
public:
    WindowMessages(TForm1& form, MessageSink& presenter) : form_(form), presenter_(presenter) {}
    void show(MessageIcon icon, const std::string& text) override {
        presenter_.show(icon, text);
        if (form_.isVisible()) {
            form_.FormActivate();
        }
    }

private:
    TForm1& form_;
    MessageSink& presenter_;
};

void MessageBoxSink::show(MessageIcon icon, const std::string& text) {
    // While the window is minimised for drawing the box stands on its own.
    QWidget* parent = owner_ && owner_->isVisible() && !owner_->isMinimized() ? owner_ : nullptr;
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    QString::fromUtf8(kMessageCaption), boxText(text), QMessageBox::Ok, parent);
    box.exec();
}

TForm1::TForm1(WindowOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)) {
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8(kFormCaption));
    QFont dialogFont("Liberation Sans");
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    exePath_ = options_.exePath.empty() ? QCoreApplication::applicationFilePath().toStdString()
                                        : options_.exePath;
    if (!options_.messages) {
        boxes_ = std::make_unique<MessageBoxSink>(this);
    }
    messages_ =
        std::make_unique<WindowMessages>(*this, options_.messages ? *options_.messages : *boxes_);

    session_ = std::make_unique<workflow::DesignSession>(exePath_, *messages_);

    ui_.Notebook1 = new QStackedWidget(this);
    ui_.Notebook1->setObjectName("Notebook1");
    ui_.Notebook1->addWidget(buildList0(ui_, exePath_));
    ui_.Notebook1->addWidget(buildList1(ui_));
    ui_.Notebook1->addWidget(buildList2(ui_));
    ui_.Notebook1->addWidget(buildList3(ui_));
    ui_.Notebook1->addWidget(buildList4(ui_));
    ui_.Notebook1->addWidget(buildList5(ui_));
    ui_.Notebook1->addWidget(buildList6(ui_));
    ui_.Notebook1->addWidget(buildList7(ui_, options_.cadConnector == nullptr));

    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    ui_.bbPrior = new QPushButton("Назад", this);
    ui_.bbPrior->setObjectName("bbPrior");
    ui_.bbPrior->setFixedSize(80, 26);
    ui_.bbNext = new QPushButton("Вперед", this);
    ui_.bbNext->setObjectName("bbNext");
    ui_.bbNext->setFixedSize(80, 26);
    ui_.bbNext->setIcon(QIcon(forwardArrowPicture(QSize(16, 16))));
    ui_.bbNext->setLayoutDirection(Qt::RightToLeft); // the arrow to the right of the text
    ui_.bbExit = new QPushButton("Выход", this);
    ui_.bbExit->setObjectName("bbExit");
    ui_.bbExit->setFixedSize(90, 26);
    ui_.bbExit->setShortcut(QKeySequence(Qt::Key_Escape));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 4, 10, 6);
    buttons->setSpacing(5);
    buttons->addWidget(ui_.bbPrior);
    buttons->addWidget(ui_.bbNext);
    buttons->addStretch();
    buttons->addWidget(ui_.bbExit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ui_.Notebook1, 1);
    layout->addWidget(Bevel1);
    layout->addLayout(buttons);

    bindings_ = fieldBindings(ui_);
    connectHandlers();

    // The controls are loaded: page 0 is current and the buttons are refreshed, which
    // runs the page-0 rule and with it the first class selection and the table check.
    showOutcome(runStep([this] { return session_->start(); }));
    FormCreate();
}

int TForm1::currentPage() const {
    return ui_.Notebook1->currentIndex();
}

QString TForm1::settingsPath() const {
    return settingsPathFor(exePath_);
}

void TForm1::FormCreate() {
    const IniFile ini(settingsPath());
    const int height = ini.readInteger(kSection, QStringLiteral("Высота"), kDefaultHeight);
    const int width = ini.readInteger(kSection, QStringLiteral("Ширина"), kDefaultWidth);
    ui_.cbEskd->setChecked(ini.readInteger(kSection, QStringLiteral("ЕСКД"), 0) == 1);
    ui_.candidateTable->setSort(
        ini.readInteger(kSection, QStringLiteral("Сортировка"), CandidateTable::Number),
        ini.readInteger(kSection, QStringLiteral("Порядок"), 0) == 1 ? Qt::DescendingOrder
                                                                     : Qt::AscendingOrder);
    ui_.candidateTable->passingOnly()->setChecked(
        ini.readInteger(kSection, QStringLiteral("Только годные"), 0) == 1);
    // The title block's entries as last used; they reach the session at its next step.
    for (const auto& [edit, key] : titleBlockKeys()) {
        edit->setText(ini.readString(kSection, key));
    }
    // The stored measure is the outer size; the keeper applies it as such and centres
    // the window when it is first shown.
    new OuterSizeKeeper(*this, QSize(width, height));
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (ui_.Notebook1 == nullptr) {
        return;
    }
    // The forms that would stay at the top get half the height gained beyond the
    // default size above them, so that they stand in the middle of an enlarged window.
    // Likewise half the width gained goes to each side: the forms keep their default
    // width, so that labels stay beside their edits.
    const int gained = std::max(0, height() - kDefaultHeight);
    const int widened = std::max(0, width() - kDefaultWidth);
    for (QSpacerItem* spacer : ui_.formSpacers) {
        // Never more than the page can spare: the spacer gives way before the form does.
        spacer->changeSize(0, gained / 2, QSizePolicy::Minimum, QSizePolicy::Maximum);
    }
    for (int page = 5; page <= 7; ++page) {
        QLayout* layout = ui_.Notebook1->widget(page)->layout();
        const QMargins margins = layout->contentsMargins();
        layout->setContentsMargins(kPageSideMargin + widened / 2, margins.top(),
                                   kPageSideMargin + widened / 2, margins.bottom());
        layout->invalidate();
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activatedOnce_) {
        return;
    }
    activatedOnce_ = true;
    // The first activation follows the first showing.
    QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
        if (std::exchange(drawingToFront_, false)) {
            QMetaObject::invokeMethod(
                this, [this] { showDrawingWindow(); }, Qt::QueuedConnection);
        }
    }
    return QWidget::event(event);
}

void TForm1::FormActivate() {
    if (!session_->tablesOk() && isVisible()) {
        close();
    }
}

void TForm1::bbExitClick() {
    if (!confirmDrawingSaved()) {
        return;
    }
    try {
        saveSettings();
    } catch (const UserError& error) {
        showGeneralError(error.what());
        return;
    }
    closeConfirmed_ = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && session_->tablesOk() && !confirmDrawingSaved()) {
        event->ignore();
        return;
    }
    closeConfirmed_ = false;
    QWidget::closeEvent(event);
}

void TForm1::saveSettings() {
    const IniFile ini(settingsPath());
    const QSize outer = frameGeometry().size();
    ini.writeString(kSection, QStringLiteral("Автор"), kAuthorText);
    ini.writeString(kSection, QStringLiteral("E-Mail"), kContactText);
    ini.writeString(kSection, QStringLiteral("Высота"), QString::number(outer.height()));
    ini.writeString(kSection, QStringLiteral("Ширина"), QString::number(outer.width()));
    ini.writeString(kSection, QStringLiteral("ЕСКД"), ui_.cbEskd->isChecked() ? "1" : "0");
    // The candidate table's order and filter.
    ini.writeString(kSection, QStringLiteral("Сортировка"),
                    QString::fromStdString(std::to_string(ui_.candidateTable->sortColumn())));
    ini.writeString(kSection, QStringLiteral("Порядок"),
                    ui_.candidateTable->sortOrder() == Qt::DescendingOrder ? "1" : "0");
    ini.writeString(kSection, QStringLiteral("Только годные"),
                    ui_.candidateTable->passingOnly()->isChecked() ? "1" : "0");
    // An entry is written once it was filled in (an empty one only over an earlier
    // value); a name with a letter the settings file's code page lacks is not kept,
    // rather than keep the program from closing.
    for (const auto& [edit, key] : titleBlockKeys()) {
        const QString text = edit->text();
        if ((!text.isEmpty() || ini.hasKey(kSection, key)) && utf8ToCp1251(text.toStdString())) {
            ini.writeString(kSection, key, text);
        }
    }
}

std::vector<std::pair<QLineEdit*, QString>> TForm1::titleBlockKeys() const {
    return {{ui_.eDocument, QStringLiteral("Обозначение")},
            {ui_.eOrganisation, QStringLiteral("Организация")},
            {ui_.eDeveloper, QStringLiteral("Разработал")},
            {ui_.eChecker, QStringLiteral("Проверил")}};
}

workflow::Outcome TForm1::runStep(const std::function<workflow::Outcome()>& step) {
    workflow::Outcome outcome;
    try {
        [[maybe_unused]] const bool taken = readValues(ui_, bindings_, *session_);
        assert(taken && "a widget bound to a field of another kind");
        outcome = step();
    } catch (const std::exception& error) {
        showValues(session_->snapshot(), bindings_, ui_);
        ui_.candidateTable->setCandidates(session_->candidateRecords());
        showGeneralError(error.what());
        return outcome;
    }
    showValues(session_->snapshot(), bindings_, ui_);
    ui_.candidateTable->setCandidates(session_->candidateRecords());
    return outcome;
}

void TForm1::showGeneralError(const std::string& text) {
    if (options_.generalError) {
        options_.generalError(text);
    } else {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kMessageCaption), boxText(text),
                        QMessageBox::Ok, isVisible() ? this : nullptr);
        box.exec();
    }
    if (isVisible()) {
        FormActivate();
    }
}

void TForm1::changePage(bool forward) {
    showOutcome(
        runStep([this, forward] { return forward ? session_->goForward() : session_->goBack(); }));
}

void TForm1::showOutcome(const workflow::Outcome& outcome) {
    if (outcome.error) {
        showGeneralError(outcome.error->what());
    }
    // The edit to mend gets the focus with its whole text selected, to be typed over.
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(bindings_, outcome.mend))) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

} // namespace torvelix::shell
