// The AutoCAD button: the session's drawing request drawn through the CAD connection
// with the application minimised, and the built-in drawing window that answers the
// point requests.
#include "form1.h"

#include "drawing_document.h"
#include "drawing_driver.h"
#include "drawing_placement.h"
#include "drawing_window.h"

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

void TForm1::sbAutoCadClick() {
    workflow::DrawingRequest request;
    const workflow::Outcome prepared = runStep([this, &request] {
        workflow::DrawingOutcome outcome = session_->makeDrawingRequest();
        request = std::move(outcome.request);
        return static_cast<workflow::Outcome>(outcome);
    });
    if (!prepared.done) {
        // Refused, or a field is not a number: nothing is minimised or drawn.
        showOutcome(prepared);
        return;
    }

    cad::CadConnector* connector = options_.cadConnector;
    if (!connector) {
        if (!builtinDrawing_) {
            builtinDrawing_ = std::make_shared<BuiltinDrawing>();
            ui_.bbShowDrawing->setEnabled(true);
        }
        showDrawingWindow();
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
        workflow::drawRequest(*drawingSession_, request, *connector, *messages_);
    } catch (const std::exception& error) {
        restoreAfterDrawing(before);
        showGeneralError(error.what());
        return;
    } catch (...) {
        restoreAfterDrawing(before);
        throw;
    }
    restoreAfterDrawing(before);
}

void TForm1::restoreAfterDrawing(Qt::WindowStates before) {
    setWindowState(before & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (builtinDrawing_ && !options_.cadConnector) {
        // The wizard would cover the drawing: both stay in sight, the drawing in front.
        // The wizard, coming back from its minimised state, is activated (and raised) only
        // once the window system has shown it again, after this: where the drawing covers
        // it, the drawing is raised again then.
        drawingToFront_ = showDrawingWindow();
    }
}

bool TForm1::showDrawingWindow() {
    if (!builtinDrawing_) {
        return false;
    }
    cad::DrawingWindow& drawing = *builtinDrawing_->window;
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    bool covers = false;
    if (where != nullptr) {
        // The drawing window's frame is not known before it is shown: the wizard's,
        // from the same window manager, stands for it.
        const QRect inner = geometry();
        const QRect outerRect = frameGeometry();
        const QMargins frame(inner.left() - outerRect.left(), inner.top() - outerRect.top(),
                             outerRect.right() - inner.right(),
                             outerRect.bottom() - inner.bottom());
        const QSize outer = drawing.size().grownBy(frame);
        const QRect place = placeBeside(frameGeometry(), outer, where->availableGeometry());
        drawing.move(place.topLeft());
        drawing.resize(place.size().shrunkBy(frame));
        covers = place.intersects(frameGeometry());
    }
    if (drawing.isMinimized()) {
        drawing.showNormal();
    } else {
        drawing.show();
    }
    drawing.raise();
    drawing.activateWindow();
    return covers;
}

bool TForm1::confirmDrawingSaved() {
    return !builtinDrawing_ || builtinDrawing_->window->confirmDiscard();
}

} // namespace torvelix::shell
