// Painting, zooming, panning and point picking of the drawing window's canvas.
#include "drawing_view.h"

#include "entity_painter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace torvelix::cad {

namespace {

constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 1e5;
// The view an empty drawing opens with: 250 mm across, around a point right of the
// origin, where a spring picked near the origin is laid out.
constexpr double kInitialWidthMm = 250.0;
const QPointF kInitialCentre{100.0, 0.0};

double radiansToSixteenths(double radians) {
    return radians * 180.0 / kPi * 16.0;
}

} // namespace

DrawingView::DrawingView(std::shared_ptr<DrawingDocument> document, QWidget* parent)
    : QWidget(parent), document_(std::move(document)) {
    setObjectName("drawingView");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF DrawingView::toScreen(const Point& model) const {
    return {width() / 2.0 + (model.x - centre_.x()) * scale_,
            height() / 2.0 - (model.y - centre_.y()) * scale_};
}

Point DrawingView::toModel(const QPointF& screen) const {
    return {centre_.x() + (screen.x() - width() / 2.0) / scale_,
            centre_.y() - (screen.y() - height() / 2.0) / scale_, 0.0};
}

void DrawingView::setView(const QPointF& centre, double scale) {
    applyView(centre, scale);
    userMoved_ = true;
}

void DrawingView::applyView(const QPointF& centre, double scale) {
    centre_ = centre;
    scale_ = std::clamp(scale, kMinScale, kMaxScale);
    update();
}

void DrawingView::zoomAt(const QPointF& anchor, double factor) {
    const Point fixed = toModel(anchor);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    // Move the centre so that `fixed` maps to `anchor` again.
    centre_ = QPointF(fixed.x - (anchor.x() - width() / 2.0) / scale_,
                      fixed.y + (anchor.y() - height() / 2.0) / scale_);
    update();
}

Extents DrawingView::drawingExtents() const {
    Extents box;
    for (const Entity& e : document_->entities(document_->activeSpace())) {
        box.add(paintedExtents(e));
    }
    return box;
}

Extents DrawingView::visibleExtents() const {
    Extents box;
    const Point low = toModel(QPointF(0, height()));
    const Point high = toModel(QPointF(width(), 0));
    box.add(low.x, low.y);
    box.add(high.x, high.y);
    return box;
}

void DrawingView::fitAll() {
    const Extents box = drawingExtents();
    const double w = std::max(width(), 1);
    const double h = std::max(height(), 1);
    userMoved_ = false;
    if (box.empty) {
        applyView(kInitialCentre, w / kInitialWidthMm);
        return;
    }
    // A point or a straight line across one axis still gets a view 10 mm wide.
    const double spanX = std::max(box.width(), 10.0);
    const double spanY = std::max(box.height(), 10.0);
    const double margin = 1.1;
    applyView(QPointF((box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2),
              std::min(w / (spanX * margin), h / (spanY * margin)));
}

void DrawingView::ensureAllVisible() {
    const Extents box = drawingExtents();
    const Extents seen = visibleExtents();
    const bool outside = !box.empty && (box.minX < seen.minX || box.maxX > seen.maxX ||
                                        box.minY < seen.minY || box.maxY > seen.maxY);
    if (!userMoved_ || outside) {
        fitAll();
    } else {
        update();
    }
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!userMoved_) {
        fitAll();
    }
}

void DrawingView::beginPick(const std::optional<Point>& base) {
    picking_ = true;
    base_ = base;
    setCursor(Qt::CrossCursor);
    setFocus(Qt::OtherFocusReason);
    update();
}

void DrawingView::endPick() {
    picking_ = false;
    base_.reset();
    unsetCursor();
    update();
}

void DrawingView::addMarker(const Point& point) {
    markers_.push_back(point);
    update();
}

void DrawingView::clearMarkers() {
    markers_.clear();
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidthF(1.2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    for (const Entity& e : document_->entities(document_->activeSpace())) {
        switch (e.kind) {
        case Entity::Kind::Line:
            painter.drawLine(toScreen(e.a), toScreen(e.b));
            break;
        case Entity::Kind::Circle:
        case Entity::Kind::Arc: {
            const QPointF c = toScreen(e.centre);
            const double r = e.radius * scale_;
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            if (e.kind == Entity::Kind::Circle) {
                painter.drawEllipse(box);
            } else {
                // Qt counts angles counter-clockwise on the screen, as the model does
                // with its Y axis pointing up.
                painter.drawArc(box,
                                static_cast<int>(std::lround(radiansToSixteenths(e.startAngle))),
                                static_cast<int>(std::lround(
                                    radiansToSixteenths(arcSweep(e.startAngle, e.endAngle)))));
            }
            break;
        }
        case Entity::Kind::Text:
        case Entity::Kind::Hatch:
        case Entity::Kind::Dimension:
            paintEntity(painter, e,
                        PaintFrame{[this](const Point& p) { return toScreen(p); }, scale_, 0});
            break;
        }
    }

    QPen mark(QColor(200, 0, 0));
    mark.setCosmetic(true);
    painter.setPen(mark);
    for (const Point& point : markers_) {
        const QPointF at = toScreen(point);
        constexpr double kArm = 4.0; // pixels, whatever the zoom
        painter.drawLine(at - QPointF(kArm, kArm), at + QPointF(kArm, kArm));
        painter.drawLine(at - QPointF(kArm, -kArm), at + QPointF(kArm, -kArm));
    }

    if (picking_ && base_ && mouse_) {
        QPen band(QColor(0, 90, 200));
        band.setCosmetic(true);
        band.setStyle(Qt::DashLine);
        painter.setPen(band);
        painter.drawLine(toScreen(*base_), *mouse_);
    }
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) {
        zoomAt(event->position(), std::pow(1.2, steps));
        userMoved_ = true;
    }
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton) {
        panFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    } else if (event->button() == Qt::LeftButton && picking_) {
        emit pointPicked(toModel(event->position()));
    }
    event->accept();
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    if (panFrom_) {
        const QPointF moved = position - *panFrom_;
        centre_ -= QPointF(moved.x() / scale_, -moved.y() / scale_);
        panFrom_ = position;
        userMoved_ = true;
        update();
    }
    mouse_ = position;
    if (picking_ && base_) {
        update();
    }
    emit cursorMoved(toModel(position));
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (panFrom_ && (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton)) {
        panFrom_.reset();
        if (picking_) {
            setCursor(Qt::CrossCursor);
        } else {
            unsetCursor();
        }
    }
    event->accept();
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && picking_) {
        emit pickCancelled();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace torvelix::cad
