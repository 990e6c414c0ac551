// The drawing window's print command: Qt's print dialog, then the drawing on paper at its
// true scale, as the PDF file has it.
#include "drawing_window.h"

#include "true_scale_page.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace torvelix::cad {

void DrawingWindow::preparePrinter(QPrinter& printer, const DrawingDocument& document) {
    const TrueScalePage page = trueScalePage(document);
    // A sheet wider than high goes on a landscape page of the same paper.
    const bool landscape = page.sizeMm.width() > page.sizeMm.height();
    const QSizeF portrait = landscape ? page.sizeMm.transposed() : page.sizeMm;
    printer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Чертеж пружины"));
}

void DrawingWindow::printTo(QPrinter& printer) {
    // The paper's corner is the origin of a full page; a printer that cannot print to the
    // edge loses the strip it cannot reach rather than changing the scale.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(this, windowTitle().remove(QStringLiteral("[*]")),
                             QStringLiteral("Не удалось начать печать чертежа."));
        return;
    }
    paintTrueScale(painter, *document_, trueScalePage(*document_), printer.resolution() / 25.4);
    painter.end();
}

void DrawingWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, *document_);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать чертежа"));
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

} // namespace torvelix::cad
