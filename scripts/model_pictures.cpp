// Draws the pictures of docs/model/: three springs as the window's model view shows them
// (open ends; closed, ground ends; a three-strand spring as its cable), side by side.
// Usage: model_pictures OUT.png
#include "model_view.h"

#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace torvelix;

namespace {

geometry::DrawingParams drawing(geometry::EndType ends) {
    geometry::DrawingParams p;
    p.EndType = ends;
    p.D0 = 20;
    p.d = 2;
    p.t = 6;
    p.n = 5;
    return p;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: model_pictures OUT.png\n", stderr);
        return 2;
    }
    calc::DesignState threeStrand;
    threeStrand.SpringKind = calc::SpringKind::ThreeStrand;
    threeStrand.D = 18;
    threeStrand.d = 3;
    threeStrand.n = 4;
    threeStrand.n2 = 2;
    threeStrand.t = 3 * 1.015 + 2.5;
    threeStrand.L0 = 7 * 3 * 1.015 + 4 * 2.5;
    const model3d::SpringModelParams springs[] = {
        model3d::modelFromDrawing(drawing(geometry::EndType::Open)),
        model3d::modelFromDrawing(drawing(geometry::EndType::ClosedGround)),
        model3d::modelFromDesign(threeStrand, "")};
    const QSize cell(300, 420);
    QImage sheet(cell.width() * 3, cell.height(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int k = 0; k < 3; ++k) {
        const auto triangles = model3d::springTriangles(springs[k], 0.02);
        painter.drawImage(k * cell.width(), 0, shell::renderModel(triangles, cell));
    }
    painter.end();
    return sheet.save(argv[1]) ? 0 : 1;
}
