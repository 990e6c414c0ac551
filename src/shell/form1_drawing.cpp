// The AutoCAD button: the drawing request from pages 5 to 7, the checks, the drawing
// through the CAD connection with the application minimised, the technical
// requirements, and the built-in drawing window that answers the point requests.
#include "form1.h"

#include "drawing_document.h"
#include "drawing_driver.h"
#include "drawing_placement.h"
#include "drawing_window.h"
#include "errors.h"
#include "eskd_driver.h"
#include "tech_requirements.h"

#include <QGuiApplication>
#include <QScreen>

namespace torvelix::shell {

// The built-in CAD application: one drawing document shown in its own window, whose
// clicks answer the point requests. Made at the first drawing and kept for the run.
struct TForm1::BuiltinDrawing {
    std::shared_ptr<cad::DrawingDocument> document = std::make_shared<cad::DrawingDocument>();
    std::unique_ptr<cad::DrawingWindow> window = std::make_unique<cad::DrawingWindow>(document);
    cad::WindowPointSource points{*window};
    cad::BuiltinConnector connector{std::make_shared<cad::BuiltinCadApplication>(document)};

    BuiltinDrawing() { document->setPointSource(&points); }
};

TForm1::~TForm1() = default;

namespace {

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

void TForm1::sbAutoCadClick() {
    cad::DrawingControls controls;
    controls.cbox90ItemIndex = cbox90->currentIndex();
    controls.sb51 = endCoilGroup_->button(71)->isChecked();
    controls.sb52 = endCoilGroup_->button(72)->isChecked();
    controls.sb53 = endCoilGroup_->button(73)->isChecked();
    controls.sb71 = viewGroup_->button(71)->isChecked();
    controls.sb72 = viewGroup_->button(72)->isChecked();
    controls.sb73 = viewGroup_->button(73)->isChecked();
    controls.cb90 = cb90->isChecked();
    controls.cb71 = cb71->isChecked();
    controls.e9_n = Text(e9_n);
    controls.e9_t = Text(e9_t);
    controls.e9_D0 = Text(e9_D0);
    controls.e9_d = Text(e9_d);
    controls.e9_L0 = Text(diagramEdits_[0]);
    controls.e9_L1 = Text(diagramEdits_[1]);
    controls.e9_L2 = Text(diagramEdits_[2]);
    controls.e9_L3 = Text(diagramEdits_[3]);
    controls.e9_F1 = Text(diagramEdits_[4]);
    controls.e9_F2 = Text(diagramEdits_[5]);
    controls.e9_F3 = Text(diagramEdits_[6]);

    // A field that is not a number escapes to the general error handler from here,
    // before anything is minimised or drawn.
    cad::DrawingParams params;
    try {
        params = cad::BuildDrawingParams(controls);
    } catch (const ConversionError& error) {
        ShowGeneralError(error.what());
        SelectForEditing(FirstInvalidNumber(
            {e9_n, e9_t, e9_D0, e9_d, diagramEdits_[0], diagramEdits_[1], diagramEdits_[2],
             diagramEdits_[3], diagramEdits_[4], diagramEdits_[5], diagramEdits_[6]}));
        return;
    }
    const bool eskd = cbEskd->isChecked();
    cad::DrawingParams checked = params;
    if (const auto refusal =
            eskd ? cad::PrepareEskdParams(checked) : cad::CheckDrawingParams(params)) {
        messages_->show(MessageIcon::Error, *refusal);
        return;
    }

    cad::CadConnector* connector = options_.cadConnector;
    if (!connector) {
        if (!builtinDrawing_) {
            builtinDrawing_ = std::make_shared<BuiltinDrawing>();
            bbShowDrawing->setEnabled(true);
        }
        ShowDrawingWindow();
        // The marks of the points picked for the previous drawing go.
        builtinDrawing_->window->clearMarkers();
        connector = &builtinDrawing_->connector;
    }
    if (!drawingSession_) {
        drawingSession_ = std::make_shared<cad::DrawingSession>();
    }

    // The application gives the screen to the drawing and comes back in every case.
    const Qt::WindowStates before = windowState();
    showMinimized();
    try {
        if (eskd) {
            cad::DrawEskdSpring(*drawingSession_, params, EskdSheetValues(), *connector,
                                *messages_);
        } else {
            cad::DrawSpring(*drawingSession_, params, *connector, *messages_);
        }
        if (!eskd && cb72->isChecked()) {
            cad::DrawTechRequirements(cad::BuildTechRequirements(TechRequirementValues()),
                                      *connector, *messages_);
        }
    } catch (...) {
        RestoreAfterDrawing(before);
        throw;
    }
    RestoreAfterDrawing(before);
}

geometry::EskdSheetInfo TForm1::EskdSheetValues() const {
    geometry::EskdSheetInfo info;
    if (cb72->isChecked()) {
        info.TechLines =
            cad::NumberedTechLines(cad::BuildTechRequirements(TechRequirementValues()));
    }
    if (!e6Num->text().isEmpty()) {
        info.Designation = Text(e6Num) + " " + comb6Gost->currentText().toStdString();
    }
    // The material as the class page names it: the hot-rolled bar, or the wire class chosen.
    if (!LZagot->isHidden()) {
        info.Material = LZagot->text().toStdString();
    } else {
        const QRadioButton* wire = rg1Mat2->isChecked() ? rg1Mat2 : rg1Mat1;
        info.Material = wire->text().mid(2).toStdString();
    }
    if (state_.m > 0) {
        info.Mass = QString::number(state_.m, 'g', 3).replace('.', ',').toStdString();
    }
    return info;
}

void TForm1::RestoreAfterDrawing(Qt::WindowStates before) {
    setWindowState(before & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (builtinDrawing_ && !options_.cadConnector) {
        // The wizard would cover the drawing: both stay in sight, the drawing in front.
        ShowDrawingWindow();
    }
}

void TForm1::ShowDrawingWindow() {
    if (!builtinDrawing_) {
        return;
    }
    cad::DrawingWindow& drawing = *builtinDrawing_->window;
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (where != nullptr) {
        // The drawing window's frame is not known before it is shown: the wizard's,
        // from the same window manager, stands for it.
        const QRect inner = geometry();
        const QRect outerRect = frameGeometry();
        const QMargins frame(inner.left() - outerRect.left(), inner.top() - outerRect.top(),
                             outerRect.right() - inner.right(),
                             outerRect.bottom() - inner.bottom());
        const QSize outer = drawing.size().grownBy(frame);
        const QRect place = PlaceBeside(frameGeometry(), outer, where->availableGeometry());
        drawing.move(place.topLeft());
        drawing.resize(place.size().shrunkBy(frame));
    }
    if (drawing.isMinimized()) {
        drawing.showNormal();
    } else {
        drawing.show();
    }
    drawing.raise();
    drawing.activateWindow();
}

bool TForm1::ConfirmDrawingSaved() {
    return !builtinDrawing_ || builtinDrawing_->window->confirmDiscard();
}

cad::TechRequirementControls TForm1::TechRequirementValues() const {
    const auto checked = [this](const char* name) {
        const auto* box = findChild<const QCheckBox*>(name);
        return box && box->isChecked();
    };
    cad::TechRequirementControls c;
    c.ckb6Num = checked("ckb6Num");
    c.ckb6G = checked("ckb6G");
    c.ckb6Tau = checked("ckb6Tau");
    c.ckb6Nav = checked("ckb6Nav");
    c.ckb6L = checked("ckb6L");
    c.ckb6n = checked("ckb6n");
    c.ckb6n1 = checked("ckb6n1");
    c.ckb6HRC = checked("ckb6HRC");
    c.ckb6Dc = checked("ckb6Dc");
    c.ckb6Sprav = checked("ckb6Sprav");
    c.ckb6TT = checked("ckb6TT");
    c.e6Num = Text(e6Num);
    c.comb6Gost = comb6Gost->currentText().toStdString();
    c.e6G = Text(e6G);
    c.e6Tau = Text(e6Tau);
    c.comb6Naviv = comb6Naviv->currentText().toStdString();
    c.e6L = Text(e6L);
    c.e6n = Text(e6n);
    c.e6n1 = Text(e6n1);
    c.e6HRC = Text(e6HRC);
    c.e6Dc = Text(e6Dc);
    c.e6TT = Text(e6TT);
    c.comb6Kontrol = comb6Kontrol->currentText().toStdString();
    c.comb6KontrolIndex = comb6Kontrol->currentIndex();
    return c;
}

} // namespace torvelix::shell
