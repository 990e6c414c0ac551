// The page of the drawing at true scale and its painting.
#include "true_scale_page.h"

#include "entity_painter.h"

#include <algorithm>

namespace torvelix::cad {

namespace {

constexpr double kMarginMm = 5.0;
constexpr double kSmallestPageMm = 10.0;

} // namespace

TrueScalePage trueScalePage(const DrawingDocument& doc) {
    TrueScalePage page;
    for (const Entity& e : doc.entities(doc.activeSpace())) {
        page.box.add(paintedExtents(e));
    }
    if (page.box.empty) {
        page.box.add(0, 0);
    }
    // A sheet's edge is the page's edge; a drawing without one keeps a margin.
    const bool sheet = doc.findLayer("Рамка") != nullptr;
    page.scale = 1.0 / doc.variable("DIMSCALE");
    page.marginMm = sheet ? 0.0 : kMarginMm;
    page.sizeMm =
        QSizeF(std::max(page.box.width() * page.scale + 2 * page.marginMm, kSmallestPageMm),
               std::max(page.box.height() * page.scale + 2 * page.marginMm, kSmallestPageMm));
    return page;
}

void paintTrueScale(QPainter& painter, const DrawingDocument& doc, const TrueScalePage& page,
                    double dotsPerMm) {
    painter.setRenderHint(QPainter::Antialiasing);
    const double left = page.box.minX;
    const double top = page.box.maxY;
    const double scale = page.scale;
    const double margin = page.marginMm;
    PaintFrame frame;
    frame.map = [=](const Point& p) {
        return QPointF(((p.x - left) * scale + margin) * dotsPerMm,
                       ((top - p.y) * scale + margin) * dotsPerMm);
    };
    frame.unitsPerMm = scale * dotsPerMm;
    frame.unitsPerPaperMm = dotsPerMm;
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::RoundCap);
    pen.setWidthF(0.25 * dotsPerMm);
    painter.setPen(pen);
    paintSpace(painter, doc, doc.activeSpace(), frame);
}

} // namespace torvelix::cad
