// Paints the built-in drawing's entities with a QPainter: on screen in the drawing view
// and on the page of a PDF. Positions go through a mapping from drawing millimetres to
// device coordinates, so that the same code serves a zoomed view and a page at scale.
#pragma once

#include "drawing_document.h"

#include <QPainter>

#include <functional>

namespace torvelix::cad {

struct PaintFrame {
    std::function<QPointF(const Point&)> map; // drawing point to device point (Y down)
    double unitsPerMm = 1;                    // device units per drawing millimetre
    // Device units per millimetre of line width on paper, or 0 for cosmetic pens (screen).
    double unitsPerPaperMm = 0;
};

// One entity with the pen already set on the painter (lines, arcs, circles, hatch lines,
// dimension lines); texts and arrows are filled with the pen's colour.
void paintEntity(QPainter& painter, const Entity& entity, const PaintFrame& frame);

// The bounds of an entity as it is painted: texts (and the texts of dimensions) measured
// in the font they are painted in, which the estimate of entityExtents may fall short of.
// Needs a QGuiApplication (fonts).
Extents paintedExtents(const Entity& entity);

// Every entity of the space, each with its layer's lineweight and linetype.
void paintSpace(QPainter& painter, const DrawingDocument& doc, Space space,
                const PaintFrame& frame);

} // namespace torvelix::cad
