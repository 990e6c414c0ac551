// The window's frame and life: construction, the page manager with its next-page and
// prior-page rules and leave steps, the settings at start and at "Выход", activation.
#include "form1.h"

#include "utf8_text.h"

#include "button_art.h"
#include "ini_file.h"
#include "number_format.h"
#include "number_parse.h"
#include "selection.h"
#include "settings_location.h"
#include "window_geometry.h"

#include "errors.h"
#include "table_files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

namespace torvelix::shell {

namespace {

constexpr int kPageCount = 8;
const QString kSection = QStringLiteral("Общая");
// The fixed texts the settings file carries under "Автор" and "E-Mail".
const QString kAuthorText = QStringLiteral("Torvelix design office, 2026");
const QString kContactText = QStringLiteral("torvelix@example.org");

// Message texts break lines with CR, CR LF or LF CR; the box wants LF.
QString BoxText(const std::string& text) {
    // A file name that is not UTF-8 shows its bad bytes as \xNN.
    QString out = QString::fromStdString(EscapeInvalidUtf8(text));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QString Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) {
        list << QString::fromStdString(line);
    }
    return list.join(u'\n');
}

// Selects an item of an editable drop-down and shows its text, as selecting by
// index does even when the same item was selected and the text since edited.
void SelectItem(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    if (index >= 0 && index < combo->count()) {
        combo->setEditText(combo->itemText(index));
    }
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
                    QString::fromUtf8(kMessageCaption), BoxText(text), QMessageBox::Ok, parent);
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

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName("Notebook1");
    Notebook1->addWidget(BuildList0());
    Notebook1->addWidget(BuildList1());
    Notebook1->addWidget(BuildList2());
    Notebook1->addWidget(BuildList3());
    Notebook1->addWidget(BuildList4());
    Notebook1->addWidget(BuildList5());
    Notebook1->addWidget(BuildList6());
    Notebook1->addWidget(BuildList7());

    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    bbPrior = new QPushButton("Назад", this);
    bbPrior->setObjectName("bbPrior");
    bbPrior->setFixedSize(80, 26);
    bbNext = new QPushButton("Вперед", this);
    bbNext->setObjectName("bbNext");
    bbNext->setFixedSize(80, 26);
    bbNext->setIcon(QIcon(ForwardArrowPicture(QSize(16, 16))));
    bbNext->setLayoutDirection(Qt::RightToLeft); // the arrow to the right of the text
    bbExit = new QPushButton("Выход", this);
    bbExit->setObjectName("bbExit");
    bbExit->setFixedSize(90, 26);
    bbExit->setShortcut(QKeySequence(Qt::Key_Escape));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 4, 10, 6);
    buttons->setSpacing(5);
    buttons->addWidget(bbPrior);
    buttons->addWidget(bbNext);
    buttons->addStretch();
    buttons->addWidget(bbExit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Notebook1, 1);
    layout->addWidget(Bevel1);
    layout->addLayout(buttons);

    ConnectHandlers();

    // The controls are loaded: page 0 is current and the buttons are refreshed, which
    // runs the page-0 rule and with it the first class selection and the table check.
    Notebook1->setCurrentIndex(0);
    Guarded([this] { RefreshButtons(); });
    FormCreate();
}

int TForm1::currentPage() const {
    return Notebook1->currentIndex();
}

QString TForm1::settingsPath() const {
    return SettingsPath(exePath_);
}

void TForm1::FormCreate() {
    const IniFile ini(settingsPath());
    const int height = ini.ReadInteger(kSection, QStringLiteral("Высота"), kDefaultHeight);
    const int width = ini.ReadInteger(kSection, QStringLiteral("Ширина"), kDefaultWidth);
    cbEskd->setChecked(ini.ReadInteger(kSection, QStringLiteral("ЕСКД"), 0) == 1);
    // The stored measure is the outer size; the keeper applies it as such and centres
    // the window when it is first shown.
    new OuterSizeKeeper(*this, QSize(width, height));
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
    }
    return QWidget::event(event);
}

void TForm1::FormActivate() {
    if (!state_.tables.TablesOk && isVisible()) {
        close();
    }
}

void TForm1::bbExitClick() {
    if (!ConfirmDrawingSaved()) {
        return;
    }
    try {
        SaveSettings();
    } catch (const UserError& error) {
        ShowGeneralError(error.what());
        return;
    }
    closeConfirmed_ = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && state_.tables.TablesOk && !ConfirmDrawingSaved()) {
        event->ignore();
        return;
    }
    closeConfirmed_ = false;
    QWidget::closeEvent(event);
}

void TForm1::SaveSettings() {
    const IniFile ini(settingsPath());
    const QSize outer = frameGeometry().size();
    ini.WriteString(kSection, QStringLiteral("Автор"), kAuthorText);
    ini.WriteString(kSection, QStringLiteral("E-Mail"), kContactText);
    ini.WriteString(kSection, QStringLiteral("Высота"), QString::number(outer.height()));
    ini.WriteString(kSection, QStringLiteral("Ширина"), QString::number(outer.width()));
    ini.WriteString(kSection, QStringLiteral("ЕСКД"), cbEskd->isChecked() ? "1" : "0");
}

void TForm1::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowGeneralError(error.what());
    }
}

void TForm1::ShowGeneralError(const std::string& text) {
    if (options_.generalError) {
        options_.generalError(text);
    } else {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kMessageCaption), BoxText(text),
                        QMessageBox::Ok, isVisible() ? this : nullptr);
        box.exec();
    }
    if (isVisible()) {
        FormActivate();
    }
}

QLineEdit* TForm1::FirstInvalidNumber(std::initializer_list<QLineEdit*> parseOrder) {
    for (QLineEdit* edit : parseOrder) {
        if (!TryParseNumber(edit->text().toStdString())) {
            return edit;
        }
    }
    return nullptr;
}

void TForm1::SelectForEditing(QLineEdit* edit) {
    if (edit == nullptr) {
        return;
    }
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

int TForm1::AskNext(int page) {
    int next = page < kPageCount - 1 ? page + 1 : -1;
    PageManager1GetNextPage(page, next);
    return next;
}

int TForm1::AskPrior(int page) {
    int prior = page > 0 ? page - 1 : -1;
    PageManager1GetPriorPage(page, prior);
    return prior;
}

void TForm1::RefreshButtons() {
    const int page = currentPage();
    bbPrior->setEnabled(AskPrior(page) != -1);
    bbNext->setEnabled(AskNext(page) != -1);
}

void TForm1::ChangePage(bool forward) {
    const int page = currentPage();
    const int target = forward ? AskNext(page) : AskPrior(page);
    if (target < 0 || target >= kPageCount) {
        return;
    }
    try {
        LeaveStep(page, forward);
    } catch (const PageKept&) {
        // The step has shown its own message: the page stays, the number to mend in focus.
        SelectForEditing(eNum);
        return;
    } catch (const std::exception& error) {
        // The change is abandoned: the page stays and no refresh runs.
        ShowGeneralError(error.what());
        if (page == 2) {
            SelectForEditing(FirstInvalidNumber({eF1, eF2, eH, eV, eDn1, eDn2, eN2, eN3}));
        } else if (page == 3) {
            SelectForEditing(eNum);
        }
        return;
    }
    Notebook1->setCurrentIndex(target);
    RefreshButtons();
}

void TForm1::LeaveStep(int page, bool forward) {
    switch (page) {
    case 0:
        ppList0Leave(forward);
        break;
    case 2:
        ppList2Leave(forward);
        break;
    case 3:
        ppList3Leave(forward);
        break;
    default:
        break;
    }
}

void TForm1::PageManager1GetNextPage(int page, int& next) {
    switch (page) {
    case 0:
        if (sb01->isChecked()) {
            eDn1->setText("10");
            eDn2->setText("12");
            eH->setText("10");
            eF1->setText("20");
            eF2->setText("80");
            eV->setText("3");
            eN2->setText("2");
            eN3->setText("1.5");
            rgKlasClick();
        } else {
            endCoilGroup_->button(73)->setChecked(true);
            next = 5;
        }
        break;
    case 2:
        L3Gost->setText(LGOST->text());
        break;
    case 4: {
        bbPrint->setEnabled(true);
        const int finish = DownTag(finishGroup_);
        const int endCoil = finish >= 1 && finish <= 3 ? 70 + finish : 74;
        endCoilGroup_->button(endCoil)->setChecked(true);
        break;
    }
    case 5:
        if (!cb72->isChecked()) {
            next = 7;
        } else {
            FillTechRequirements();
        }
        break;
    case 7:
        FillGeometry();
        break;
    default:
        break;
    }
}

void TForm1::PageManager1GetPriorPage(int page, int& prior) {
    if (page == 5) {
        bbPrint->setEnabled(true);
        if (DrawOnly_) {
            prior = 0;
        }
    } else if (page == 7 && !cb72->isChecked()) {
        prior = 5;
    }
}

void TForm1::FillTechRequirements() {
    if (DrawOnly_) {
        e6Num->setText("1");
        SelectItem(comb6Gost, 0);
        e6n->setText("0");
        e6n1->setText("0");
        SelectItem(comb6Naviv, 0);
        e6Tau->setText("0");
        e6L->setText("0");
    } else {
        const auto general = [](double value) {
            return QString::fromStdString(torvelix::FormatGeneral(value, 15));
        };
        e6Num->setText(eNum->text());
        SelectItem(comb6Gost, rgKlas.ItemIndex());
        e6n->setText(general(state_.n));
        e6n1->setText(general(state_.n1));
        SelectItem(comb6Naviv, rgNavivka.ItemIndex());
        e6Tau->setText(general(state_.tau3));
        e6L->setText(general(state_.L));
    }
    e6G->setText("78500");
    e6HRC->setText("32");
    e6Dc->clear();
    e6TT->clear();
}

void TForm1::FillGeometry() {
    // e9_L0, e9_L1, e9_L2, e9_L3, e9_F1, e9_F2, e9_F3 in that order.
    if (DrawOnly_) {
        e9_D0->setText("20");
        e9_d->setText("3");
        e9_t->setText("6");
        e9_n->setText("6");
        for (QLineEdit* edit : diagramEdits_) {
            edit->setText("0");
        }
    } else {
        const auto general = [](double value, int digits = 6) {
            return QString::fromStdString(torvelix::FormatGeneral(value, digits));
        };
        e9_D0->setText(general(state_.D));
        e9_d->setText(general(state_.d));
        e9_t->setText(general(state_.t));
        e9_n->setText(general(state_.n, 4));
        const std::array<double, 7> values = {state_.L0, state_.L1, state_.L2, state_.L3,
                                              state_.F1, state_.F2, state_.F3};
        for (size_t k = 0; k < values.size(); ++k) {
            diagramEdits_[k]->setText(general(values[k]));
        }
    }
    for (QLineEdit* edit : diagramEdits_) {
        edit->setEnabled(cb71->isChecked());
    }
    cbox90->setEnabled(DownTag(viewGroup_) == 71);
}

void TForm1::ppList0Leave(bool) {
    DrawOnly_ = !sb01->isChecked();
}

void TForm1::ppList2Leave(bool forward) {
    if (!forward) {
        return;
    }
    mm1->clear();
    calc::ControlStates controls = ControlValues();
    const calc::SelectionOutcome outcome = calc::PreliminarySelection(state_, controls, *messages_);
    eNum->setText(QString::fromStdString(controls.eNum));
    mm1->setPlainText(Lines(outcome.mm1));
    if (outcome.clearReport) {
        mm2->clear();
    }
}

void TForm1::ppList3Leave(bool forward) {
    if (!forward) {
        return;
    }
    const calc::ControlStates controls = ControlValues();
    try {
        const calc::ReportOutcome outcome = calc::FinalCalculation(state_, controls, *messages_);
        if (outcome.replaceReport) {
            mm2->setPlainText(Lines(outcome.mm2));
        }
        if (outcome.replaceReport && outcome.mm2.empty()) {
            // The spring could not be computed (its message shown): there is no report to
            // go on to. A three-strand spring number that is not a whole number also
            // gets its conversion message, as the report's wire line would give it.
            if (controls.classItem >= 8 && controls.classItem <= 10) {
                ParseInteger(controls.eNum);
            }
            throw PageKept();
        }
    } catch (const IntegerConversionError&) {
        // The report had been cleared and begun when the spring number failed to convert.
        mm2->clear();
        throw;
    }
}

} // namespace torvelix::shell
