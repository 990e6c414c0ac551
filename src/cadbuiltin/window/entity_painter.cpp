// Entity painting shared by the drawing view and the PDF output.
#include "entity_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace torvelix::cad {

namespace {

int sixteenths(double radians) {
    return static_cast<int>(std::lround(radians * 180.0 / kPi * 16.0));
}

// Texts are laid out in this font at a fixed size and scaled to their height, so that
// their width grows with the zoom exactly as their height does (a font at a few pixels
// is hinted wider) and the measured bounds hold at every scale.
constexpr double kReferencePixels = 100.0;
// The drawing's text height is that of the capitals, 1409 / 2048 of the font size in
// Liberation Sans, which has Arial's metrics: the ones the drawing measures texts with.
constexpr double kCapitalsPerFontSize = 1409.0 / 2048.0;

QFont drawingFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(kReferencePixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintText(QPainter& painter, const std::string& text, const Point& at, double height,
               double rotation, const PaintFrame& frame) {
    const double size = height * frame.unitsPerMm / kCapitalsPerFontSize;
    if (!(size >= 0.5) || size > 4000.0) {
        return;
    }
    painter.save();
    painter.setFont(drawingFont());
    painter.translate(frame.map(at));
    painter.rotate(-rotation * 180.0 / kPi);
    painter.scale(size / kReferencePixels, size / kReferencePixels);
    painter.setPen(QPen(painter.pen().color()));
    painter.drawText(QPointF(0, 0), QString::fromStdString(text));
    painter.restore();
}

// The box of a text painted `height` high at `at`, turned by `rotation`.
Extents paintedTextExtents(const std::string& text, const Point& at, double height,
                           double rotation) {
    const QFontMetricsF metrics(drawingFont());
    const double mmPerPixel = height / kCapitalsPerFontSize / kReferencePixels;
    const double width = metrics.horizontalAdvance(QString::fromStdString(text)) * mmPerPixel;
    const double above = metrics.ascent() * mmPerPixel;
    const double below = metrics.descent() * mmPerPixel;
    Extents box;
    for (const Point corner :
         {Point{at.x, at.y - below, 0}, Point{at.x + width, at.y - below, 0},
          Point{at.x, at.y + above, 0}, Point{at.x + width, at.y + above, 0}}) {
        const Point p = rotatePoint(corner, at, rotation);
        box.add(p.x, p.y);
    }
    return box;
}

QPen layerPen(const QPen& base, const DrawingDocument& doc, const Entity& e,
              const PaintFrame& frame) {
    QPen pen = base;
    const Layer* layer = doc.findLayer(e.layer);
    if (layer == nullptr) {
        return pen;
    }
    const double weightMm = layer->lineweight >= 0 ? layer->lineweight / 100.0 : 0.25;
    if (frame.unitsPerPaperMm > 0) {
        pen.setWidthF(std::max(weightMm, 0.05) * frame.unitsPerPaperMm);
    } else if (layer->lineweight >= 50) {
        pen.setWidthF(pen.widthF() * 1.8);
    }
    const Linetype* type = doc.findLinetype(layer->linetype);
    if (type != nullptr && !type->pattern.empty() && e.kind != Entity::Kind::Hatch &&
        e.kind != Entity::Kind::Dimension) {
        // Qt measures dashes in pen widths.
        const double width = pen.isCosmetic() ? 1.0 : pen.widthF();
        QVector<qreal> dashes;
        for (const double dash : type->pattern) {
            dashes.push_back(std::max(std::abs(dash) * frame.unitsPerMm, 0.5) / width);
        }
        if (dashes.size() % 2 == 1) {
            dashes.push_back(dashes.back());
        }
        pen.setDashPattern(dashes);
    }
    return pen;
}

} // namespace

void paintEntity(QPainter& painter, const Entity& e, const PaintFrame& frame) {
    switch (e.kind) {
    case Entity::Kind::Line:
        painter.drawLine(frame.map(e.a), frame.map(e.b));
        break;
    case Entity::Kind::Circle:
    case Entity::Kind::Arc: {
        const QPointF c = frame.map(e.centre);
        const double r = e.radius * frame.unitsPerMm;
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        if (e.kind == Entity::Kind::Circle) {
            painter.drawEllipse(box);
        } else {
            // Qt counts angles counter-clockwise on the screen, as the drawing does with
            // its Y axis pointing up.
            painter.drawArc(box, sixteenths(e.startAngle),
                            sixteenths(arcSweep(e.startAngle, e.endAngle)));
        }
        break;
    }
    case Entity::Kind::Text:
        paintText(painter, e.text, e.a, e.height, e.rotation, frame);
        break;
    case Entity::Kind::Hatch:
        for (const Entity& line : hatchLines(e)) {
            painter.drawLine(frame.map(line.a), frame.map(line.b));
        }
        break;
    case Entity::Kind::Dimension: {
        const DimensionPicture picture = dimensionPicture(e);
        for (const Entity& line : picture.lines) {
            painter.drawLine(frame.map(line.a), frame.map(line.b));
        }
        painter.save();
        painter.setBrush(painter.pen().color());
        for (const auto& arrow : picture.arrows) {
            const QPointF corners[3] = {frame.map(arrow[0]), frame.map(arrow[1]),
                                        frame.map(arrow[2])};
            painter.drawPolygon(corners, 3);
        }
        painter.restore();
        paintText(painter, dimensionText(e), picture.textAt, e.height, picture.textRotation, frame);
        break;
    }
    }
}

Extents paintedExtents(const Entity& e) {
    Extents box = entityExtents(e);
    if (e.kind == Entity::Kind::Text) {
        box.add(paintedTextExtents(e.text, e.a, e.height, e.rotation));
    } else if (e.kind == Entity::Kind::Dimension) {
        const DimensionPicture picture = dimensionPicture(e);
        box.add(
            paintedTextExtents(dimensionText(e), picture.textAt, e.height, picture.textRotation));
    }
    return box;
}

void paintSpace(QPainter& painter, const DrawingDocument& doc, Space space,
                const PaintFrame& frame) {
    const QPen base = painter.pen();
    for (const Entity& e : doc.entities(space)) {
        painter.setPen(layerPen(base, doc, e, frame));
        paintEntity(painter, e, frame);
    }
    painter.setPen(base);
}

} // namespace torvelix::cad
