// HATCH and DIMENSION records and the dimension blocks, as AutoCAD 2000 files hold them.
#include "dxf_annotations.h"

#include <cmath>
#include <cstdio>

namespace torvelix::cad {

namespace {

constexpr double kDegrees = 180.0 / kPi;
// The spacing of ANSI31's lines at scale 1: 1/8 inch.
constexpr double kAnsi31Spacing = 3.175;

void point(DxfSink& out, int gc, const Point& p) {
    out.real(gc, p.x);
    out.real(gc + 10, p.y);
    out.real(gc + 20, p.z);
}

void head(DxfSink& out, const char* type, const std::string& owner, bool paper,
          const std::string& layer) {
    out.text(0, type);
    out.handle();
    out.text(330, owner);
    out.text(100, "AcDbEntity");
    if (paper) {
        out.integer(67, 1);
    }
    out.text(8, layer);
}

// Block entities take colour and lineweight from the dimension that shows them.
void byBlock(DxfSink& out) {
    out.integer(62, 0);
    out.integer(370, -2);
}

void edge(DxfSink& out, const Entity& e) {
    if (e.kind == Entity::Kind::Line) {
        out.integer(72, 1);
        out.real(10, e.a.x);
        out.real(20, e.a.y);
        out.real(11, e.b.x);
        out.real(21, e.b.y);
        return;
    }
    const bool circle = e.kind == Entity::Kind::Circle;
    out.integer(72, 2);
    out.real(10, e.centre.x);
    out.real(20, e.centre.y);
    out.real(40, e.radius);
    out.real(50, circle ? 0.0 : normalizeAngle(e.startAngle) * kDegrees);
    const double end = circle ? 360.0 : normalizeAngle(e.endAngle) * kDegrees;
    out.real(51, circle || end > normalizeAngle(e.startAngle) * kDegrees ? end : end + 360.0);
    out.integer(73, 1); // counter-clockwise
}

} // namespace

std::string DxfSink::hex(unsigned long value) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lX", value);
    return digits;
}

void writeDxfHatch(DxfSink& out, const Entity& hatch, const DxfEntityHead& h) {
    head(out, "HATCH", h.owner, h.paperSpace, h.layer);
    out.text(100, "AcDbHatch");
    point(out, 10, Point{0, 0, hatch.a.z});
    out.real(210, 0.0);
    out.real(220, 0.0);
    out.real(230, 1.0);
    // ANSI31, the standard pattern of 45-degree lines every CAD program has, scaled from
    // its 1/8 inch spacing to the hatch's.
    out.text(2, "ANSI31");
    out.integer(70, 0); // pattern fill
    out.integer(71, 0); // not associative
    out.integer(91, static_cast<int>(hatch.loops.size()));
    for (const auto& loop : hatch.loops) {
        out.integer(92, 1); // external, made of edges
        out.integer(93, static_cast<int>(loop.size()));
        for (const Entity& e : loop) {
            edge(out, e);
        }
        out.integer(97, 0);
    }
    out.integer(75, 1); // odd parity
    out.integer(76, 1); // predefined pattern
    const double angle = hatch.patternAngle * kDegrees;
    out.real(52, angle - 45.0);
    out.real(41, hatch.patternSpacing / kAnsi31Spacing);
    out.integer(77, 0);
    out.integer(78, 1);
    out.real(53, angle);
    out.real(43, 0.0);
    out.real(44, 0.0);
    out.real(45, -hatch.patternSpacing * std::sin(hatch.patternAngle));
    out.real(46, hatch.patternSpacing * std::cos(hatch.patternAngle));
    out.integer(79, 0);
    out.integer(98, 0);
}

void writeDxfDimension(DxfSink& out, const Entity& d, const DxfEntityHead& h,
                       const std::string& blockName, const std::string& text) {
    const DimensionPicture picture = dimensionPicture(d);
    head(out, "DIMENSION", h.owner, h.paperSpace, h.layer);
    out.text(100, "AcDbDimension");
    out.text(2, blockName);
    const bool diametric = d.dimKind == Entity::DimKind::Diametric;
    if (diametric) {
        point(out, 10, d.b);
    } else {
        // The definition point: where the second extension line meets the dimension line.
        const double c = std::cos(d.rotation);
        const double s = std::sin(d.rotation);
        const double reach = (d.dimLine.x - d.b.x) * -s + (d.dimLine.y - d.b.y) * c;
        point(out, 10, Point{d.b.x - s * reach, d.b.y + c * reach, d.b.z});
    }
    point(out, 11, picture.textAt);
    // 32: the block belongs to this dimension alone; 128: the text stands where it is told.
    out.integer(70, (diametric ? 3 : 0) + 32 + 128);
    out.integer(71, 1);
    out.real(42, dimensionMeasurement(d));
    if (!text.empty()) {
        out.text(1, text);
    }
    out.real(53, picture.textRotation * kDegrees);
    out.text(3, "Standard");
    if (diametric) {
        out.text(100, "AcDbDiametricDimension");
        point(out, 15, d.a);
        out.real(40, std::hypot(d.dimLine.x - d.a.x, d.dimLine.y - d.a.y));
        return;
    }
    out.text(100, "AcDbAlignedDimension");
    point(out, 13, d.a);
    point(out, 14, d.b);
    out.real(50, d.rotation * kDegrees);
    out.text(100, "AcDbRotatedDimension");
}

void writeDxfDimensionBlockEntities(DxfSink& out, const Entity& d, const std::string& owner,
                                    const std::string& text, const std::string& style) {
    const DimensionPicture picture = dimensionPicture(d);
    for (const Entity& line : picture.lines) {
        head(out, "LINE", owner, false, "0");
        byBlock(out);
        out.text(100, "AcDbLine");
        point(out, 10, line.a);
        point(out, 11, line.b);
    }
    for (const auto& arrow : picture.arrows) {
        head(out, "SOLID", owner, false, "0");
        byBlock(out);
        out.text(100, "AcDbTrace");
        point(out, 10, arrow[0]);
        point(out, 11, arrow[1]);
        point(out, 12, arrow[2]);
        point(out, 13, arrow[2]);
    }
    head(out, "TEXT", owner, false, "0");
    byBlock(out);
    out.text(100, "AcDbText");
    point(out, 10, picture.textAt);
    out.real(40, d.height);
    out.text(1, text);
    out.real(50, normalizeAngle(picture.textRotation) * kDegrees);
    out.text(7, style);
    out.text(100, "AcDbText");
}

} // namespace torvelix::cad
