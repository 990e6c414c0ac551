// The placement of the drawing window beside the wizard.
#include "drawing_placement.h"

#include <algorithm>

namespace torvelix::shell {

namespace {

// Moves `rect` (no larger than `area`) the least needed to lie inside `area`.
QRect inside(QRect rect, const QRect& area) {
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}

} // namespace

QRect placeBeside(const QRect& wizard, QSize wanted, const QRect& area, QSize minimum) {
    const QSize size = wanted.boundedTo(area.size());
    const int rightRoom = area.right() - wizard.right();
    const int leftRoom = wizard.left() - area.left();
    const int top = wizard.top();
    if (rightRoom >= size.width()) {
        return inside(QRect(QPoint(wizard.right() + 1, top), size), area);
    }
    if (leftRoom >= size.width()) {
        return inside(QRect(QPoint(wizard.left() - size.width(), top), size), area);
    }
    const int room = std::max(rightRoom, leftRoom);
    if (room >= minimum.width()) {
        const QSize narrowed(room, size.height());
        const int left = rightRoom >= leftRoom ? wizard.right() + 1 : area.left();
        return inside(QRect(QPoint(left, top), narrowed), area);
    }
    return inside(QRect(wizard.topLeft(), size), area);
}

} // namespace torvelix::shell
