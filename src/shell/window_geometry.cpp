// The outer window size: clamping to the screen, frame arithmetic, and the keeper that
// applies a stored outer size once the window system has told the frame.
#include "window_geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace torvelix::shell {

QSize clampOuterSize(QSize stored, QSize available) {
    const auto side = [](int value, int limit) { return std::clamp(value, 1, std::max(limit, 1)); };
    return {side(stored.width(), available.width()), side(stored.height(), available.height())};
}

QSize innerSize(QSize outer, const QMargins& frame) {
    return {std::max(outer.width() - frame.left() - frame.right(), 1),
            std::max(outer.height() - frame.top() - frame.bottom(), 1)};
}

QPoint centredOrigin(QSize outer, const QRect& area) {
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2};
}

OuterSizeKeeper::OuterSizeKeeper(QWidget& window, QSize stored)
    : QObject(&window), window_(window) {
    const QRect area = availableArea();
    outer_ = area.isValid() ? clampOuterSize(stored, area.size()) : clampOuterSize(stored, stored);
    window_.resize(outer_);
    window_.installEventFilter(this);
}

QRect OuterSizeKeeper::availableArea() const {
    const QScreen* screen = window_.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

bool OuterSizeKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
            // First showing: centred with the size as it stands; the frame may follow.
            window_.move(centredOrigin(window_.frameGeometry().size(), availableArea()));
            applyFrame();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest:
            applyFrame();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OuterSizeKeeper::applyFrame() {
    if (!pending_ || !window_.isVisible()) {
        return;
    }
    const QWindow* handle = window_.windowHandle();
    if (handle == nullptr) {
        return;
    }
    const QMargins frame = handle->frameMargins();
    if (frame.isNull()) {
        return;
    }
    pending_ = false;
    window_.removeEventFilter(this);
    if (window_.isMaximized() || window_.isFullScreen()) {
        return;
    }
    // The outer size the user sees is the stored one, clamped again now that the frame
    // and the screen are both known.
    outer_ = clampOuterSize(outer_, availableArea().size());
    window_.resize(innerSize(outer_, frame));
    window_.move(centredOrigin(outer_, availableArea()));
}

} // namespace torvelix::shell
