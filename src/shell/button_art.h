// The pictures of the window's image buttons, painted in code: end fixings, end-coil
// finishes, drawing types, the logo, the Word and CAD buttons, the forward arrow.
#pragma once

#include <QPixmap>
#include <QSize>

namespace torvelix::shell {

// End fixing by tag: 1 clamped-free, 2 hinged-hinged, 3 clamped-hinged, 4 clamped-clamped.
QPixmap endFixingPicture(int tag, QSize size);

// End-coil finish by tag: 1 open and unground, 2 closed unground, 3 closed with 3/4 of
// the coil ground, 4 closed over 3/4 of a coil with 3/4 ground.
QPixmap endCoilPicture(int tag, QSize size);

// Drawing type by tag: 71 with a break, 72 full, 73 in section, 74 in cut.
QPixmap drawingTypePicture(int tag, QSize size);

QPixmap logoPicture(QSize size);
QPixmap wordPicture(QSize size);
QPixmap cadPicture(QSize size);
QPixmap forwardArrowPicture(QSize size);

} // namespace torvelix::shell
