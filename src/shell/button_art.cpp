// Pictures of the image buttons, painted on a 100 x 100 logical canvas stretched to the
// picture's size: the spring is drawn the way a spring drawing shows it (slanted coil
// strokes, wire sections as circles), so that each form is recognised at a glance.
#include "button_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>
#include <vector>

namespace torvelix::shell {

namespace {

const QColor kWire(20, 20, 20);
const QColor kBackWire(120, 120, 120);
const QColor kSteel(70, 90, 140);

QPixmap paint(QSize size, const std::function<void(QPainter&)>& body) {
    const qreal ratio = 2.0; // sharp on high-density screens as well
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 100.0, size.height() / 100.0);
    body(painter);
    return pixmap;
}

QPen makePen(const QColor& color, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(color, width, style, Qt::RoundCap, Qt::RoundJoin);
}

// Diagonal hatching inside a rectangle (a fixed support or a cut surface).
void hatch(QPainter& p, const QRectF& rect, qreal step = 5) {
    p.save();
    p.setClipRect(rect);
    p.setPen(makePen(kWire, 1.2));
    for (qreal x = rect.left() - rect.height(); x < rect.right(); x += step) {
        p.drawLine(QPointF(x, rect.bottom()), QPointF(x + rect.height(), rect.top()));
    }
    p.restore();
}

// A clamped end: a wall with hatching on its far side; `up` puts the hatching above.
void clampedSupport(QPainter& p, qreal y, bool up) {
    p.setPen(makePen(kWire, 3));
    p.drawLine(QPointF(22, y), QPointF(78, y));
    hatch(p, up ? QRectF(22, y - 9, 56, 9) : QRectF(22, y, 56, 9));
}

// A hinged end: an end plate on a pin carried by a triangular support.
void hingedSupport(QPainter& p, qreal y, bool up) {
    const qreal dir = up ? -1 : 1;
    p.setPen(makePen(kWire, 3));
    p.drawLine(QPointF(34, y), QPointF(66, y));
    const QPointF pin(50, y + dir * 5);
    QPolygonF triangle;
    triangle << pin << QPointF(40, y + dir * 14) << QPointF(60, y + dir * 14);
    p.setPen(makePen(kWire, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(triangle);
    p.setBrush(Qt::white);
    p.drawEllipse(pin, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(34, y + dir * 14), QPointF(66, y + dir * 14));
    hatch(p, up ? QRectF(34, y - 19, 32, 5) : QRectF(34, y + 14, 32, 5), 4);
}

// A free end: the end plate with the load arrow pressing on it.
void freeEnd(QPainter& p, qreal y) {
    p.setPen(makePen(kWire, 3));
    p.drawLine(QPointF(38, y), QPointF(62, y));
    p.setPen(makePen(kSteel, 2.5));
    p.drawLine(QPointF(50, y - 16), QPointF(50, y - 3));
    QPolygonF head;
    head << QPointF(50, y - 1) << QPointF(45, y - 8) << QPointF(55, y - 8);
    p.setBrush(kSteel);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A spring standing upright between y0 (top) and y1 (bottom), as a zigzag of coils.
void uprightSpring(QPainter& p, qreal y0, qreal y1) {
    const int halfTurns = 9;
    QPolygonF zigzag;
    zigzag << QPointF(50, y0);
    for (int k = 0; k < halfTurns; ++k) {
        const qreal y = y0 + (y1 - y0) * (k + 0.5) / halfTurns;
        zigzag << QPointF(k % 2 == 0 ? 32 : 68, y);
    }
    zigzag << QPointF(50, y1);
    p.setPen(makePen(kWire, 3));
    p.drawPolyline(zigzag);
}

// Coil strokes of a spring lying along the X axis, one front stroke and one back
// stroke per coil, starting at the given X positions (pitch is their difference).
void sideCoils(QPainter& p, const std::vector<qreal>& starts, qreal pitch, qreal top, qreal bottom,
               qreal wire) {
    for (qreal x : starts) {
        p.setPen(makePen(kBackWire, wire * 0.5));
        p.drawLine(QPointF(x + pitch / 2, top), QPointF(x + pitch, bottom));
        p.setPen(makePen(kWire, wire));
        p.drawLine(QPointF(x, bottom), QPointF(x + pitch / 2, top));
    }
}

void centreLine(QPainter& p, qreal x0, qreal x1, qreal y) {
    QPen pen = makePen(kSteel, 1.2, Qt::DashDotLine);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

// A wire section: a hatched circle.
void wireSection(QPainter& p, QPointF centre, qreal radius) {
    // The canvas may be stretched: the section stays round on screen.
    const qreal across = radius * p.transform().m22() / p.transform().m11();
    QPainterPath circle;
    circle.addEllipse(centre, across, radius);
    p.save();
    p.setClipPath(circle);
    hatch(p, QRectF(centre.x() - across, centre.y() - radius, 2 * across, 2 * radius), 3);
    p.restore();
    p.setPen(makePen(kWire, 1.6));
    p.drawPath(circle);
}

} // namespace

QPixmap endFixingPicture(int tag, QSize size) {
    return paint(size, [tag](QPainter& p) {
        const qreal top = 22;
        const qreal bottom = 78;
        uprightSpring(p, top, bottom);
        // Lower end: clamped except for hinged-hinged.
        if (tag == 2) {
            hingedSupport(p, bottom, false);
        } else {
            clampedSupport(p, bottom, false);
        }
        // Upper end: free, hinged or clamped.
        if (tag == 1) {
            freeEnd(p, top);
        } else if (tag == 2 || tag == 3) {
            hingedSupport(p, top, true);
        } else {
            clampedSupport(p, top, true);
        }
    });
}

QPixmap endCoilPicture(int tag, QSize size) {
    return paint(size, [tag](QPainter& p) {
        const qreal top = 28;
        const qreal bottom = 72;
        const qreal wire = 5;
        const qreal pitch = 18;
        const bool closed = tag >= 2;
        const bool ground = tag >= 3;
        std::vector<qreal> starts;
        qreal x = 14;
        if (closed) {
            // Closed end coils lie against each other: their pitch is one wire.
            const int closedStrokes = tag == 4 ? 1 : 2;
            for (int k = 0; k < closedStrokes; ++k) {
                starts.push_back(x);
                x += wire + 1.5;
            }
            x += 3;
        }
        while (x < 96) {
            starts.push_back(x);
            x += pitch;
        }
        p.save();
        if (ground) {
            // Ground ends are cut flat against the support plane.
            p.setClipRect(QRectF(14, 0, 86, 100));
        }
        sideCoils(p, starts, closed ? wire + 1.5 : pitch, top, bottom, wire);
        p.restore();
        if (!closed) {
            // The open end: the wire ends in the air, cut square.
            p.setPen(makePen(kWire, wire));
            p.drawLine(QPointF(14, bottom), QPointF(14 + pitch / 2, top));
        }
        if (ground) {
            p.setPen(makePen(kWire, 2.5));
            p.drawLine(QPointF(13, top - 8), QPointF(13, bottom + 8));
            hatch(p, QRectF(4, top - 8, 9, bottom - top + 16), 5);
        }
        centreLine(p, 4, 98, 50);
    });
}

QPixmap drawingTypePicture(int tag, QSize size) {
    return paint(size, [tag](QPainter& p) {
        const qreal top = 30;
        const qreal bottom = 70;
        const qreal pitch = 14;
        const qreal wire = 6;
        auto sectionsAt = [&](qreal x0, qreal x1) {
            for (qreal x = x0; x <= x1; x += pitch) {
                wireSection(p, QPointF(x, top), wire);
                wireSection(p, QPointF(x + pitch / 2, bottom), wire);
            }
        };
        switch (tag) {
        case 71: { // with a break: coils at both ends, the middle left out
            sideCoils(p, {6, 6 + pitch}, pitch, top, bottom, wire);
            sideCoils(p, {94 - 2 * pitch, 94 - pitch}, pitch, top, bottom, wire);
            p.setPen(makePen(kWire, 1.2));
            p.drawLine(QPointF(6 + 2 * pitch, top), QPointF(94 - 2 * pitch, top));
            p.drawLine(QPointF(6 + 2 * pitch, bottom), QPointF(94 - 2 * pitch, bottom));
            break;
        }
        case 72: // full: every coil
            sideCoils(p, {6, 6 + pitch, 6 + 2 * pitch, 6 + 3 * pitch, 6 + 4 * pitch, 6 + 5 * pitch},
                      pitch, top, bottom, wire);
            break;
        case 73: { // in section: the cut wire joined by the coils' far halves behind it
            sectionsAt(10, 88);
            p.setPen(makePen(kBackWire, 1.5));
            for (qreal x = 10; x <= 80; x += pitch) {
                p.drawLine(QPointF(x + wire, top + wire * 0.6),
                           QPointF(x + pitch / 2 - wire * 0.6, bottom - wire));
            }
            break;
        }
        default: // in cut: only the cut wire
            sectionsAt(10, 88);
            break;
        }
        centreLine(p, 2, 98, 50);
    });
}

QPixmap logoPicture(QSize size) {
    return paint(size, [](QPainter& p) {
        QLinearGradient sky(0, 0, 100, 100);
        sky.setColorAt(0, QColor(40, 70, 150));
        sky.setColorAt(1, QColor(150, 190, 240));
        p.setPen(makePen(QColor(20, 40, 100), 2));
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(3, 3, 94, 94), 14, 14);
        // A compression spring between two plates, in white.
        p.setPen(makePen(Qt::white, 4));
        p.drawLine(QPointF(22, 16), QPointF(78, 16));
        p.drawLine(QPointF(22, 84), QPointF(78, 84));
        QPolygonF coil;
        coil << QPointF(50, 16);
        for (int k = 0; k < 7; ++k) {
            coil << QPointF(k % 2 == 0 ? 28 : 72, 16 + 68 * (k + 0.5) / 7);
        }
        coil << QPointF(50, 84);
        p.setPen(makePen(QColor(255, 255, 255, 170), 5));
        p.drawPolyline(coil);
        // The program's initial, outlined so that it stands out from the coils.
        QFont font("DejaVu Serif");
        font.setBold(true);
        font.setPixelSize(46);
        QPainterPath letter;
        const QFontMetricsF metrics(font);
        letter.addText(QPointF(50 - metrics.horizontalAdvance("T") / 2, 66), font, "T");
        p.setPen(makePen(QColor(20, 30, 80), 3));
        p.setBrush(QColor(255, 205, 50));
        p.drawPath(letter);
    });
}

QPixmap wordPicture(QSize size) {
    return paint(size, [](QPainter& p) {
        QPolygonF page;
        page << QPointF(20, 6) << QPointF(66, 6) << QPointF(82, 22) << QPointF(82, 94)
             << QPointF(20, 94);
        p.setPen(makePen(kWire, 2.5));
        p.setBrush(Qt::white);
        p.drawPolygon(page);
        p.drawLine(QPointF(66, 6), QPointF(66, 22));
        p.drawLine(QPointF(66, 22), QPointF(82, 22));
        p.setPen(makePen(QColor(140, 140, 140), 3));
        for (qreal y = 62; y <= 86; y += 8) {
            p.drawLine(QPointF(30, y), QPointF(72, y));
        }
        p.setPen(makePen(QColor(30, 70, 170), 6));
        QPolygonF w;
        w << QPointF(30, 26) << QPointF(39, 52) << QPointF(51, 32) << QPointF(63, 52)
          << QPointF(72, 26);
        p.drawPolyline(w);
    });
}

QPixmap cadPicture(QSize size) {
    return paint(size, [](QPainter& p) {
        // A drawing sheet with a set square and a spring sketched on it.
        p.setPen(makePen(kWire, 2));
        p.setBrush(QColor(250, 250, 235));
        p.drawRect(QRectF(8, 10, 84, 80));
        p.setBrush(Qt::NoBrush);
        std::vector<qreal> starts;
        for (qreal x = 18; x < 68; x += 10) {
            starts.push_back(x);
        }
        sideCoils(p, starts, 10, 22, 46, 3);
        centreLine(p, 12, 84, 34);
        QPolygonF square;
        square << QPointF(24, 84) << QPointF(84, 84) << QPointF(84, 54);
        p.setPen(makePen(QColor(180, 30, 30), 2.5));
        p.setBrush(QColor(230, 80, 60, 120));
        p.drawPolygon(square);
    });
}

QPixmap forwardArrowPicture(QSize size) {
    return paint(size, [](QPainter& p) {
        QPolygonF arrow;
        arrow << QPointF(10, 38) << QPointF(55, 38) << QPointF(55, 18) << QPointF(92, 50)
              << QPointF(55, 82) << QPointF(55, 62) << QPointF(10, 62);
        p.setPen(makePen(QColor(0, 90, 0), 3));
        p.setBrush(QColor(40, 160, 40));
        p.drawPolygon(arrow);
    });
}

} // namespace torvelix::shell
