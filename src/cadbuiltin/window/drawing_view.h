// The canvas of the drawing window: paints the active space of a drawing document, zooms
// with the wheel, pans with the middle or right button, and while a point is requested
// turns a left click into a model point (Esc cancels), with a rubber-band line from the
// base point.
#pragma once

#include "drawing_document.h"

#include <QPointF>
#include <QWidget>

#include <memory>
#include <optional>

namespace torvelix::cad {

class DrawingView : public QWidget {
    Q_OBJECT

public:
    explicit DrawingView(std::shared_ptr<DrawingDocument> document, QWidget* parent = nullptr);

    // Widget pixel position of a model point and back (model Y points up; Z is 0).
    QPointF toScreen(const Point& model) const;
    Point toModel(const QPointF& screen) const;

    // Pixels per millimetre, and the model point shown at the centre of the widget. A view
    // set here stays until the user fits all, like one the user zoomed or panned to.
    double scale() const { return scale_; }
    QPointF viewCentre() const { return centre_; }
    void setView(const QPointF& centre, double scale);
    // Zooms by `factor` keeping the model point under `anchor` (widget pixels) in place.
    void zoomAt(const QPointF& anchor, double factor);

    // Shows every entity of the active space with a margin; an empty drawing gets the
    // initial view around the origin.
    void fitAll();
    // Fits all when the user has not zoomed or panned since the last fit, or when some
    // entity of the active space lies outside the widget; else just repaints.
    void ensureAllVisible();

    // Point picking: while on, a left click emits pointPicked and Esc emits pickCancelled.
    void beginPick(const std::optional<Point>& base);
    void endPick();
    bool isPicking() const { return picking_; }
    const std::optional<Point>& pickBase() const { return base_; }

signals:
    void pointPicked(const torvelix::cad::Point& point);
    void pickCancelled();
    void cursorMoved(const torvelix::cad::Point& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyView(const QPointF& centre, double scale);
    Extents visibleExtents() const;
    Extents drawingExtents() const;

    std::shared_ptr<DrawingDocument> document_;
    double scale_ = 2.0;
    QPointF centre_{100.0, 0.0};
    // Set by zooming and panning, cleared by fitting: until the user moves the view it
    // follows the drawing.
    bool userMoved_ = false;
    bool picking_ = false;
    std::optional<Point> base_;
    std::optional<QPointF> mouse_;
    std::optional<QPointF> panFrom_;
};

} // namespace torvelix::cad
