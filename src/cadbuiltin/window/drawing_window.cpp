// The drawing window: menus and tool bar, status line with the prompt and the cursor
// position, point requests in a local event loop, saving in the registered formats, new
// drawing, variables. Printing is in drawing_print.cpp.
#include "drawing_window.h"

#include "pdf_writer.h"

#include "number_format.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <stdexcept>

namespace torvelix::cad {

namespace {

const QString kTitle = QStringLiteral("Чертеж пружины");

// Asks for TILEMODE, CVPORT and DIMSCALE; applies them when the user confirms.
void runVariablesDialog(QWidget* parent, DrawingDocument& document) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Системные переменные"));
    auto* form = new QFormLayout(&dialog);
    auto* tileMode = new QSpinBox(&dialog);
    tileMode->setObjectName("spinTileMode");
    tileMode->setRange(0, 1);
    tileMode->setValue(static_cast<int>(document.variable("TILEMODE")));
    auto* cvport = new QSpinBox(&dialog);
    cvport->setObjectName("spinCvport");
    cvport->setRange(1, 32767);
    cvport->setValue(static_cast<int>(document.variable("CVPORT")));
    auto* dimScale = new QDoubleSpinBox(&dialog);
    dimScale->setObjectName("spinDimScale");
    dimScale->setDecimals(3);
    dimScale->setRange(0.001, 100000.0);
    dimScale->setValue(document.variable("DIMSCALE"));
    form->addRow(QStringLiteral("TILEMODE:"), tileMode);
    form->addRow(QStringLiteral("CVPORT:"), cvport);
    form->addRow(QStringLiteral("DIMSCALE:"), dimScale);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        document.setVariable("TILEMODE", tileMode->value());
        document.setVariable("CVPORT", cvport->value());
        document.setVariable("DIMSCALE", dimScale->value());
    } catch (const DrawingVariableError& error) {
        QMessageBox::warning(parent, kTitle, QString::fromStdString(error.what()));
    }
}

} // namespace

DrawingWindow::DrawingWindow(std::shared_ptr<DrawingDocument> document, QWidget* parent)
    : QMainWindow(parent), document_(std::move(document)), formats_(drawingOutputFormats()) {
    if (!document_) {
        throw std::invalid_argument("DrawingWindow needs a document");
    }
    setObjectName("DrawingWindow");
    setWindowTitle(kTitle + QStringLiteral("[*]"));
    // The main window's closing ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    view_ = new DrawingView(document_, this);
    setCentralWidget(view_);

    promptLabel_ = new QLabel(this);
    promptLabel_->setObjectName("promptLabel");
    cursorLabel_ = new QLabel(this);
    cursorLabel_->setObjectName("cursorLabel");
    spaceLabel_ = new QLabel(this);
    spaceLabel_->setObjectName("spaceLabel");
    statusBar()->addWidget(promptLabel_, 1);
    statusBar()->addPermanentWidget(cursorLabel_);
    statusBar()->addPermanentWidget(spaceLabel_);

    createActions();
    connect(view_, &DrawingView::cursorMoved, this, &DrawingWindow::showCursor);
    connect(view_, &DrawingView::pointPicked, this, &DrawingWindow::finishPick);
    connect(view_, &DrawingView::pickCancelled, this, &DrawingWindow::cancelPick);

    // Entities arrive while the driver runs without returning to the event loop: ask for
    // a repaint, and once the loop runs again show the whole drawing (the requirements
    // text may lie outside the view) and refresh the title.
    document_->setChangeCallback([this] {
        view_->update();
        QTimer::singleShot(0, this, &DrawingWindow::refresh);
    });
    savedRevision_ = document_->revision();
    resize(900, 600);
    view_->fitAll();
    updateState();
}

DrawingWindow::~DrawingWindow() {
    document_->setChangeCallback(nullptr);
    if (pickLoop_ != nullptr) {
        pickLoop_->quit();
    }
}

void DrawingWindow::createActions() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("Вид"));
    QMenu* drawing = menuBar()->addMenu(QStringLiteral("Чертеж"));
    QToolBar* tools = addToolBar(QStringLiteral("Чертеж"));
    tools->setObjectName("drawingToolBar");

    newAction_ =
        file->addAction(QStringLiteral("Новый чертеж"), this, &DrawingWindow::confirmNewDrawing);
    newAction_->setObjectName("actionNewDrawing");
    newAction_->setShortcut(QKeySequence::New);
    // One save command per format: "actionSaveDxf", "actionSaveSvg", "actionSavePdf".
    for (const OutputFormat& format : formats_.all()) {
        const QString name = QString::fromStdString(format.name);
        QAction* save = file->addAction(QStringLiteral("Сохранить как %1…").arg(name), this,
                                        [this, name] { saveAsFormat(name); });
        save->setObjectName(QStringLiteral("actionSave") + name.left(1) + name.mid(1).toLower());
        if (saveAction_ == nullptr) {
            saveAction_ = save;
            saveAction_->setShortcut(QKeySequence::Save);
        }
    }
    file->addSeparator();
    QAction* print = file->addAction(QStringLiteral("Печать…"), this, &DrawingWindow::print);
    print->setObjectName("actionPrint");
    print->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("Закрыть"), this, &QWidget::close);
    close->setObjectName("actionClose");

    QAction* fit =
        viewMenu->addAction(QStringLiteral("Показать все"), this, &DrawingWindow::fitAll);
    fit->setObjectName("actionFitAll");
    fit->setShortcut(Qt::Key_Home);

    QAction* variables = drawing->addAction(QStringLiteral("Системные переменные…"), this,
                                            &DrawingWindow::editVariables);
    variables->setObjectName("actionVariables");
    cancelAction_ = drawing->addAction(QStringLiteral("Отменить указание точки"), this,
                                       &DrawingWindow::cancelPick);
    cancelAction_->setObjectName("actionCancelPick");
    cancelAction_->setShortcut(Qt::Key_Escape);

    tools->addAction(newAction_);
    tools->addAction(saveAction_);
    tools->addAction(fit);
}

void DrawingWindow::updateState() {
    setWindowModified(document_->revision() != savedRevision_);
    spaceLabel_->setText(document_->activeSpace() == Space::Model ? QStringLiteral("Модель")
                                                                  : QStringLiteral("Лист"));
    const bool picking = view_->isPicking();
    newAction_->setEnabled(!picking);
    cancelAction_->setEnabled(picking);
}

QString DrawingWindow::promptText() const {
    return promptLabel_->text();
}

Point DrawingWindow::requestPoint(const std::optional<Point>& base, const std::string& prompt) {
    if (pickLoop_ != nullptr) {
        throw CadException("Точка уже запрошена.");
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    view_->ensureAllVisible();
    promptLabel_->setText(QString::fromStdString(prompt));
    picked_.reset();
    view_->beginPick(base);
    updateState();

    QPointer<DrawingWindow> alive(this);
    QEventLoop loop;
    pickLoop_ = &loop;
    loop.exec();
    if (alive.isNull()) {
        throw CadException("Окно чертежа закрыто.");
    }
    pickLoop_ = nullptr;
    view_->endPick();
    promptLabel_->clear();
    updateState();
    if (!picked_) {
        throw CadException("Указание точки отменено.");
    }
    return *picked_;
}

void DrawingWindow::finishPick(const Point& point) {
    if (pickLoop_ != nullptr) {
        picked_ = point;
        view_->addMarker(point);
        pickLoop_->quit();
    }
}

void DrawingWindow::cancelPick() {
    if (pickLoop_ != nullptr) {
        picked_.reset();
        pickLoop_->quit();
    }
}

void DrawingWindow::showCursor(const Point& point) {
    cursorLabel_->setText(QString::fromStdString("X: " + formatDecimals(point.x, 3) +
                                                 "  Y: " + formatDecimals(point.y, 3)));
}

void DrawingWindow::refresh() {
    view_->ensureAllVisible();
    updateState();
}

void DrawingWindow::fitAll() {
    view_->fitAll();
}

void DrawingWindow::newDrawing() {
    document_->clear();
    view_->clearMarkers();
    savedRevision_ = document_->revision();
    view_->fitAll();
    updateState();
}

bool DrawingWindow::saveDxf(const QString& path, QString* error) {
    return saveIn(formats_.fallback(), path, error);
}

bool DrawingWindow::saveIn(const OutputFormat& format, const QString& path, QString* error) {
    try {
        format.write(*document_, path.toStdString());
    } catch (const std::exception& failure) {
        if (error != nullptr) {
            *error = QString::fromStdString(failure.what());
        }
        return false;
    }
    if (&format == &formats_.fallback()) {
        savedRevision_ = document_->revision();
        updateState();
    }
    return true;
}

bool DrawingWindow::saveAs() {
    return saveAsFormat(QString::fromStdString(formats_.fallback().name));
}

bool DrawingWindow::saveAsFormat(const QString& name) {
    const OutputFormat* format = formats_.byName(name.toStdString());
    if (format == nullptr) {
        format = &formats_.fallback();
    }
    // The dialog does not ask about replacing: the name may still gain its extension,
    // and the question is asked for the name that is written.
    const QString path =
        saveNameSource_
            ? saveNameSource_()
            : QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить как %1").arg(name),
                                           QString(), QString::fromStdString(format->filter),
                                           nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return false;
    }
    return saveAsPath(path, format);
}

bool DrawingWindow::saveAsPath(QString path, const OutputFormat* format) {
    if (format == nullptr) {
        format = &formats_.fallback();
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".") + QString::fromStdString(format->suffixes.front());
    }
    if (const OutputFormat* named = formats_.forPath(path.toStdString())) {
        format = named;
    }
    if (QFileInfo::exists(path)) {
        const auto answer =
            QMessageBox::question(this, kTitle,
                                  QStringLiteral("Файл %1 уже существует.\nЗаменить его?")
                                      .arg(QDir::toNativeSeparators(path)),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return false;
        }
    }
    QString error;
    if (!saveIn(*format, path, &error)) {
        QMessageBox::warning(this, kTitle, error);
        return false;
    }
    return true;
}

bool DrawingWindow::hasUnsavedDrawing() const {
    return document_->entityCount() > 0 && document_->revision() != savedRevision_;
}

bool DrawingWindow::confirmDiscard() {
    if (!hasUnsavedDrawing()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        isVisible() ? this : nullptr, kTitle, QStringLiteral("Чертеж не сохранен. Сохранить его?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) {
        return true;
    }
    return answer == QMessageBox::Yes && saveAs();
}

void DrawingWindow::clearMarkers() {
    view_->clearMarkers();
}

void DrawingWindow::confirmNewDrawing() {
    if (view_->isPicking()) {
        return;
    }
    if (hasUnsavedDrawing()) {
        const auto answer = QMessageBox::question(
            this, kTitle,
            QStringLiteral("Начать новый чертеж? Несохраненный чертеж будет потерян."));
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    newDrawing();
}

void DrawingWindow::editVariables() {
    runVariablesDialog(this, *document_);
    refresh();
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    cancelPick();
    event->accept();
}

} // namespace torvelix::cad
