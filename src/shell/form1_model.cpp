// The "3D-модель…" buttons of the report page and of page 7: the spring's solid from the
// final calculation or from the drawing's parameters, saved as STEP or STL through the
// safe writer, then shown in a small window of its own.
#include "form1.h"

#include "model_view.h"
#include "spring_solid.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QVBoxLayout>

#include <algorithm>

namespace torvelix::shell {

namespace {

constexpr const char* kNoSpring =
    "Нет рассчитанной пружины:\rсначала выполните окончательный расчет.";

} // namespace

void TForm1::bbModelClick(bool fromReport) {
    std::optional<model3d::SpringModelParams> model;
    if (fromReport) {
        if (!session_->reportReplaced() || session_->snapshot().report.mm2.empty()) {
            messages_->show(MessageIcon::Error, kNoSpring);
            return;
        }
        const calc::DesignState& state = session_->state();
        model = model3d::modelFromDesign(
            state, model3d::designationOf(session_->snapshot().design.eNum, state.SpringGost));
    } else {
        workflow::DrawingRequest request;
        const workflow::Outcome prepared = runStep([this, &request] {
            workflow::DrawingOutcome outcome = session_->makeDrawingRequest();
            request = std::move(outcome.request);
            return static_cast<workflow::Outcome>(outcome);
        });
        if (!prepared.done) {
            showOutcome(prepared);
            return;
        }
        model = model3d::modelFromDrawing(request.params);
    }
    if (auto refusal = model3d::checkModelParams(*model)) {
        messages_->show(MessageIcon::Error, *refusal);
        return;
    }
    if (!model3d::modelAvailable()) {
        messages_->show(MessageIcon::Error, model3d::kModelUnavailable);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, "3D-модель пружины", "spring.step",
                                                      "STEP AP214 (*.step *.stp);;STL (*.stl)");
    if (path.isEmpty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<model3d::Triangle> triangles;
    bool written = false;
    try {
        written = model3d::writeSpringModelShown(*model, path.toStdString(), *messages_);
        if (written) {
            triangles = model3d::springTriangles(*model, std::max(0.02, model->d / 40));
        }
    } catch (const std::exception& error) {
        QApplication::restoreOverrideCursor();
        showGeneralError(error.what());
        return;
    }
    QApplication::restoreOverrideCursor();
    if (!written) {
        return;
    }
    auto* window = new QDialog(this);
    window->setObjectName("ModelWindow");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("3D-модель: " + QFileInfo(path).fileName());
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(new ModelView(std::move(triangles), window));
    window->show();
}

} // namespace torvelix::shell
