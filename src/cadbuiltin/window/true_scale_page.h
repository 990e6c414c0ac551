// The drawing on paper at its true scale, shared by the PDF file and the printer: the
// page's size and the painting of the active space onto it.
#pragma once

#include "drawing_document.h"

#include <QPainter>
#include <QSizeF>

namespace torvelix::cad {

struct TrueScalePage {
    Extents box;         // the drawing's painted bounds (model millimetres)
    double scale = 1;    // paper millimetres per model millimetre: 1 / DIMSCALE
    double marginMm = 0; // around the drawing on the paper
    QSizeF sizeMm;       // the page, at least 10 mm each way
};

// A drawing on a sheet (the complete drawing, with its frame layer) fills a page of the
// sheet's size; any other gets a page of its extents with a 5 mm margin. Needs a
// QGuiApplication (texts are measured in their font).
TrueScalePage trueScalePage(const DrawingDocument& doc);

// Paints the active space with the page's top-left corner at the painter's origin,
// `dotsPerMm` device units per paper millimetre, lines 0.25 mm wide unless their layer
// says otherwise.
void paintTrueScale(QPainter& painter, const DrawingDocument& doc, const TrueScalePage& page,
                    double dotsPerMm);

} // namespace torvelix::cad
