// Where the drawing window goes on the screen: beside the wizard where there is room,
// always entirely inside the available area.
#pragma once

#include <QRect>
#include <QSize>

namespace torvelix::shell {

// The outer rectangle for a window of outer size `wanted` next to `wizard` (an outer
// rectangle) within `area`: to its right when the full size fits there, else to its
// left, else in the wider of the two free strips when that is at least `minimum` wide
// (narrowed to it), else over the wizard. The result always lies inside `area` and is
// no larger than it.
QRect placeBeside(const QRect& wizard, QSize wanted, const QRect& area,
                  QSize minimum = QSize(400, 300));

} // namespace torvelix::shell
