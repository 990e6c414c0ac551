// PDF output of the drawing's active space through QPdfWriter into memory, then to the
// file in one checked step.
#include "pdf_writer.h"

#include "entity_painter.h"
#include "file_write.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace torvelix::cad {

namespace {

constexpr int kDotsPerInch = 1200;
constexpr double kMarginMm = 5.0;

} // namespace

std::string pdfBytes(const DrawingDocument& doc) {
    const Space space = doc.activeSpace();
    Extents box;
    for (const Entity& e : doc.entities(space)) {
        box.add(entityExtents(e));
    }
    if (box.empty) {
        box.add(0, 0);
    }
    // A sheet's edge is the page's edge; a drawing without one keeps a margin.
    const bool sheet = doc.findLayer("Рамка") != nullptr;
    const double scale = 1.0 / doc.variable("DIMSCALE");
    const double margin = sheet ? 0.0 : kMarginMm;
    const double widthMm = std::max(box.width() * scale + 2 * margin, 10.0);
    const double heightMm = std::max(box.height() * scale + 2 * margin, 10.0);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Torvelix"));
        pdf.setResolution(kDotsPerInch);
        pdf.setPageSize(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        const double dotsPerMm = kDotsPerInch / 25.4;
        const double left = box.minX;
        const double top = box.maxY;
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
        paintSpace(painter, doc, space, frame);
    }
    return bytes.toStdString();
}

void writePdf(const DrawingDocument& doc, const std::string& path) {
    try {
        writeFileAtomically(path, pdfBytes(doc));
    } catch (const FileWriteError& error) {
        throw FileWriteError("Не удалось сохранить чертеж в файл " + path + ": " + error.reason(),
                             path, error.reason());
    }
}

} // namespace torvelix::cad
