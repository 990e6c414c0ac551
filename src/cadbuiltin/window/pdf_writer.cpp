// PDF output of the drawing's active space through QPdfWriter into memory, then to the
// file in one checked step.
#include "pdf_writer.h"

#include "true_scale_page.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace torvelix::cad {

namespace {

constexpr int kDotsPerInch = 1200;

} // namespace

std::string pdfBytes(const DrawingDocument& doc) {
    const TrueScalePage page = trueScalePage(doc);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Torvelix"));
        pdf.setResolution(kDotsPerInch);
        pdf.setPageSize(QPageSize(page.sizeMm, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter(&pdf);
        paintTrueScale(painter, doc, page, kDotsPerInch / 25.4);
    }
    return bytes.toStdString();
}

void writePdf(const DrawingDocument& doc, const std::string& path) {
    pdfOutputFormat().write(doc, path);
}

OutputFormat pdfOutputFormat() {
    return {"PDF", {"pdf"}, "Документы PDF (*.pdf)", pdfBytes};
}

OutputFormats drawingOutputFormats() {
    OutputFormats formats = builtinOutputFormats();
    formats.add(pdfOutputFormat());
    return formats;
}

} // namespace torvelix::cad
