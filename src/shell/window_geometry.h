// The main window's size between runs: the settings file keeps the outer size (frame
// included); a start applies it as the outer size again, limited to the screen.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace torvelix::shell {

// The stored outer size limited to the available screen area: each side at most the
// area's side and at least 1. A size that fits is kept exactly.
QSize clampOuterSize(QSize stored, QSize available);

// The inner (client) size that gives the outer size with the frame around it; at least
// 1 × 1.
QSize innerSize(QSize outer, const QMargins& frame);

// The top-left corner of the outer frame that centres it in the area.
QPoint centredOrigin(QSize outer, const QRect& area);

// Keeps a top-level window at a stored outer size. Before the window is shown the frame
// is not known, so it is taken as none; as soon as the window system reports the frame,
// the inner size is shrunk by it once, and the window is centred again. A later size
// chosen by the user is left alone.
class OuterSizeKeeper : public QObject {
public:
    // Applies `stored`, clamped to the available area of the window's screen (the primary
    // screen before the first showing), and watches the window for its frame.
    OuterSizeKeeper(QWidget& window, QSize stored);

    QSize outerSize() const { return outer_; }
    // Whether the frame still has to be taken off.
    bool pending() const { return pending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFrame();
    QRect availableArea() const;

    QWidget& window_;
    QSize outer_;
    bool pending_ = true;
};

} // namespace torvelix::shell
