// SVG output of the built-in drawing's active space.
#include "svg_writer.h"

#include "file_write.h"
#include "number_format.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>

namespace torvelix::cad {

namespace {

constexpr double kMarginMm = 5.0;
// Liberation Sans has Arial's metrics, with which the drawing measures its texts.
constexpr const char* kFontFamilies = "Liberation Sans, Arial, Arimo, sans-serif";
// Its capital letters are 1409 / 2048 of the font size high.
constexpr double kCapHeightPerSize = 1409.0 / 2048.0;

// Four decimals (a tenth of a micrometre) without trailing zeros.
std::string num(double value) {
    return formatTrimmedDecimals(value, 4);
}

// Text content for XML: markup characters as entities, control characters (which XML
// does not allow) as spaces, a malformed UTF-8 sequence as "?".
std::string escapeXml(const std::string& text) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = nextCodePoint(text, pos);
        // Code points XML does not allow beyond the malformed ones: U+FFFE and U+FFFF.
        if (!cp || *cp == 0xFFFE || *cp == 0xFFFF) {
            out += '?';
        } else if (*cp < 0x20 || *cp == 0x7F) {
            out += ' ';
        } else if (*cp == '&') {
            out += "&amp;";
        } else if (*cp == '<') {
            out += "&lt;";
        } else if (*cp == '>') {
            out += "&gt;";
        } else {
            out += text.substr(start, pos - start);
        }
    }
    return out;
}

// Drawing Y points up, SVG Y down: every point is written with its Y negated.
std::string xy(const Point& p) {
    return num(p.x) + " " + num(-p.y);
}

// The drawing's text height is that of the capitals; the font the texts were measured
// with gives them the width the drawing made room for.
void writeText(std::string& out, const std::string& text, const Point& at, double height,
               double rotation) {
    out += "<text x=\"" + num(at.x) + "\" y=\"" + num(-at.y) + "\" font-size=\"" +
           num(height / kCapHeightPerSize) + "\"";
    if (rotation != 0) {
        out += " transform=\"rotate(" + num(-rotation * 180 / kPi) + " " + xy(at) + ")\"";
    }
    out += '>';
    out += escapeXml(text);
    out += "</text>\n";
}

void writeArc(std::string& out, const Entity& e) {
    const double sweep = arcSweep(e.startAngle, e.endAngle);
    // A whole turn cannot be one SVG arc: it goes as two halves.
    const int pieces = sweep >= kTwoPi - 1e-9 ? 2 : 1;
    const double step = sweep / pieces;
    out += "<path d=\"M " + xy(pointOnCircle(e.centre, e.radius, e.startAngle));
    for (int i = 1; i <= pieces; ++i) {
        const Point end = pointOnCircle(e.centre, e.radius, e.startAngle + step * i);
        // Counter-clockwise in the drawing is the negative direction once Y is flipped:
        // sweep flag 0.
        out += " A " + num(e.radius) + " " + num(e.radius) + " 0 " + (step > kPi ? "1" : "0") +
               " 0 " + xy(end);
    }
    out += "\"/>\n";
}

void writeEntity(std::string& out, const Entity& e) {
    switch (e.kind) {
    case Entity::Kind::Line:
        out += "<line x1=\"" + num(e.a.x) + "\" y1=\"" + num(-e.a.y) + "\" x2=\"" + num(e.b.x) +
               "\" y2=\"" + num(-e.b.y) + "\"/>\n";
        break;
    case Entity::Kind::Circle:
        out += "<circle cx=\"" + num(e.centre.x) + "\" cy=\"" + num(-e.centre.y) + "\" r=\"" +
               num(e.radius) + "\"/>\n";
        break;
    case Entity::Kind::Arc:
        writeArc(out, e);
        break;
    case Entity::Kind::Text:
        writeText(out, e.text, e.a, e.height, e.rotation);
        break;
    case Entity::Kind::Hatch:
        for (const Entity& line : hatchLines(e)) {
            writeEntity(out, line);
        }
        break;
    case Entity::Kind::Dimension: {
        const DimensionPicture picture = dimensionPicture(e);
        for (const Entity& line : picture.lines) {
            writeEntity(out, line);
        }
        for (const auto& arrow : picture.arrows) {
            out += "<path fill=\"black\" d=\"M " + xy(arrow[0]) + " L " + xy(arrow[1]) + " L " +
                   xy(arrow[2]) + " Z\"/>\n";
        }
        out +=
            "<g fill=\"black\" stroke=\"none\" font-family=\"" + std::string(kFontFamilies) + "\">";
        writeText(out, dimensionText(e), picture.textAt, e.height, picture.textRotation);
        out += "</g>\n";
        break;
    }
    }
}

// The stroke of an entity's layer: its lineweight (0.25 mm by default) and the dashes of
// its linetype.
std::string strokeOf(const DrawingDocument& doc, const Entity& e, double unitsPerPaperMm) {
    const Layer* layer = doc.findLayer(e.layer);
    if (layer == nullptr ||
        (layer->lineweight == kLineweightDefault && layer->linetype == "CONTINUOUS")) {
        return {};
    }
    std::string attributes;
    if (layer->lineweight != kLineweightDefault) {
        attributes += " stroke-width=\"" +
                      num(std::max(layer->lineweight, 5) / 100.0 * unitsPerPaperMm) + "\"";
    }
    if (const Linetype* type = doc.findLinetype(layer->linetype); type && !type->pattern.empty()) {
        attributes += " stroke-dasharray=\"";
        for (std::size_t i = 0; i < type->pattern.size(); ++i) {
            // A dot is drawn as a very short dash.
            const double length = std::max(std::abs(type->pattern[i]), 0.1);
            if (i > 0) {
                attributes += ' ';
            }
            attributes += num(length);
        }
        attributes += "\"";
    }
    return attributes;
}

} // namespace

std::string svgText(const DrawingDocument& doc) {
    const std::vector<Entity>& entities = doc.entities(doc.activeSpace());
    Extents box;
    for (const Entity& e : entities) {
        box.add(entityExtents(e));
    }
    if (box.empty) {
        box.add(0, 0);
    }
    // A sheet is drawn at its scale: the picture is the sheet, in millimetres of paper, and
    // line weights are paper millimetres. Any other drawing is shown 1:1 with a margin.
    const bool sheet = doc.findLayer("Рамка") != nullptr;
    const double unitsPerPaperMm = sheet ? doc.variable("DIMSCALE") : 1.0;
    const double margin = sheet ? 0.0 : kMarginMm;
    const double left = box.minX - margin;
    const double top = -box.maxY - margin;
    const double width = box.width() + 2 * margin;
    const double height = box.height() + 2 * margin;

    std::string out;
    out.reserve(4096 + entities.size() * 100);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(width / unitsPerPaperMm) +
           "mm\" height=\"" + num(height / unitsPerPaperMm) + "mm\" viewBox=\"" + num(left) + " " +
           num(top) + " " + num(width) + " " + num(height) + "\">\n";
    out += "<rect x=\"" + num(left) + "\" y=\"" + num(top) + "\" width=\"" + num(width) +
           "\" height=\"" + num(height) + "\" fill=\"white\"/>\n";
    out += "<g fill=\"none\" stroke=\"black\" stroke-width=\"" + num(0.25 * unitsPerPaperMm) +
           "\" stroke-linecap=\"round\">\n";
    for (const Entity& e : entities) {
        if (e.kind != Entity::Kind::Text) {
            const std::string stroke = strokeOf(doc, e, unitsPerPaperMm);
            if (!stroke.empty()) {
                out += "<g" + stroke + ">";
            }
            writeEntity(out, e);
            if (!stroke.empty()) {
                out += "</g>\n";
            }
        }
    }
    out += "</g>\n<g fill=\"black\" font-family=\"" + std::string(kFontFamilies) + "\">\n";
    for (const Entity& e : entities) {
        if (e.kind == Entity::Kind::Text) {
            writeEntity(out, e);
        }
    }
    out += "</g>\n</svg>\n";
    return out;
}

void writeSvg(const DrawingDocument& doc, const std::string& path) {
    try {
        writeFileAtomically(path, svgText(doc));
    } catch (const FileWriteError& error) {
        throw FileWriteError("Не удалось сохранить чертеж в файл " + path + ": " + error.reason(),
                             path, error.reason());
    }
}

} // namespace torvelix::cad
