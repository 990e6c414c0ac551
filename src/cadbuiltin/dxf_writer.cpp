// DXF output of the built-in drawing through dxflib: the only file that includes dxflib.
// dxflib lays out the sections, tables and entities; its byte output is taken over to
// write into memory (numbers independent of the locale, paper-space entities marked) and
// then to the file in one checked step.
#include "dxf_writer.h"

#include "cp1251.h"
#include "file_write.h"
#include "utf8.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace torvelix::cad {

namespace {

constexpr double kDegreesPerRadian = 180.0 / kPi;
// The text style every text uses; a TrueType font that has the Cyrillic letters.
constexpr const char* kTextStyle = "Standard";

// dxflib's ASCII writer with its output redirected into a string. The base class gets no
// file name, so its own stream never opens and is never written.
class BufferWriter : public DL_WriterA {
public:
    explicit BufferWriter(DL_Codes::version version) : DL_WriterA("", version) {}

    void dxfReal(int gc, double value) const override {
        if (view_) {
            // The viewport's centre (12, 22) and height (40).
            value = gc == 12   ? view_->centreX
                    : gc == 22 ? view_->centreY
                    : gc == 40 ? view_->height
                               : value;
        }
        put(gc, formatReal(value));
    }
    void dxfInt(int gc, int value) const override { put(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        std::array<char, 16> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                       static_cast<unsigned>(value), 16)
                             .ptr;
        std::string text(digits.data(), end);
        for (char& ch : text) {
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
        put(gc, text);
    }
    void dxfString(int gc, const char* value) const override { put(gc, value); }
    void dxfString(int gc, const std::string& value) const override { put(gc, value); }

    // While set, every entity written is marked as lying in paper space (group 67, which
    // comes right before the layer name in an entity's common data).
    void setPaperSpace(bool paper) { paperSpace_ = paper; }

    // While set, the viewport written shows this part of the drawing instead of dxflib's
    // fixed view, so that the drawing opens with the spring in sight.
    struct View {
        double centreX;
        double centreY;
        double height;
    };
    void setView(std::optional<View> view) { view_ = view; }
    std::string& text() { return out_; }

private:
    static std::string formatReal(double value) {
        // Ten decimals (a tenth of a nanometre) without trailing zeros, never in exponent
        // form, which some readers do not take.
        std::array<char, 400> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                          std::chars_format::fixed, 10);
        std::string text(digits.data(), result.ptr);
        while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.') {
            text.pop_back();
        }
        return text == "-0.0" ? "0.0" : text;
    }

    void put(int gc, std::string_view value) const {
        if (gc == 8 && paperSpace_) {
            line(67, "1");
        }
        line(gc, value);
    }

    void line(int gc, std::string_view value) const {
        if (gc < 10) {
            out_ += "  ";
        } else if (gc < 100) {
            out_ += ' ';
        }
        out_ += std::to_string(gc);
        out_ += '\n';
        out_ += value;
        out_ += '\n';
    }

    mutable std::string out_;
    bool paperSpace_ = false;
    std::optional<View> view_;
};

// A drawing text as the file holds it: Windows-1251 bytes, other characters as \U+XXXX
// escapes, control characters (a text is one line) as spaces. A caret is written "^ " so
// that it is not read as a control character. Codes such as "%%c" stay: the CAD program
// shows them as its special characters, as it does for a text added through automation.
std::string encodeText(const std::string& utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = NextCodePoint(utf8, pos);
        if (!cp) {
            out += '?';
            continue;
        }
        if (*cp < 0x20 || *cp == 0x7F) {
            out += ' ';
            continue;
        }
        if (*cp == '^') {
            out += "^ ";
            continue;
        }
        if (const auto bytes = torvelix::Utf8ToCp1251(utf8.substr(start, pos - start))) {
            out += *bytes;
            continue;
        }
        std::array<char, 16> escape{};
        std::snprintf(escape.data(), escape.size(), "\\U+%04X", static_cast<unsigned>(*cp));
        out += escape.data();
    }
    return out;
}

void writeEntity(DL_Dxf& dxf, BufferWriter& dw, const Entity& e) {
    const DL_Attributes attributes("0", 256, -1, "BYLAYER", 1.0);
    switch (e.kind) {
    case Entity::Kind::Line:
        dxf.writeLine(dw, DL_LineData(e.a.x, e.a.y, e.a.z, e.b.x, e.b.y, e.b.z), attributes);
        break;
    case Entity::Kind::Arc:
        dxf.writeArc(dw,
                     DL_ArcData(e.centre.x, e.centre.y, e.centre.z, e.radius,
                                normalizeAngle(e.startAngle) * kDegreesPerRadian,
                                normalizeAngle(e.endAngle) * kDegreesPerRadian),
                     attributes);
        break;
    case Entity::Kind::Circle:
        dxf.writeCircle(dw, DL_CircleData(e.centre.x, e.centre.y, e.centre.z, e.radius),
                        attributes);
        break;
    case Entity::Kind::Text:
        dxf.writeText(dw,
                      DL_TextData(e.a.x, e.a.y, e.a.z, e.a.x, e.a.y, e.a.z, e.height, 1.0, 0, 0, 0,
                                  encodeText(e.text), kTextStyle,
                                  normalizeAngle(e.rotation) * kDegreesPerRadian),
                      attributes);
        break;
    }
}

void writeHeaderVariables(BufferWriter& dw, const DrawingDocument& doc) {
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1251");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric
    dw.dxfString(9, "$TILEMODE");
    dw.dxfInt(70, static_cast<int>(doc.variable("TILEMODE")));
    dw.dxfString(9, "$DIMSCALE");
    dw.dxfReal(40, doc.variable("DIMSCALE"));
    Extents box;
    for (const Entity& e : doc.entities(Space::Model)) {
        box.add(entityExtents(e));
    }
    if (!box.empty) {
        dw.dxfString(9, "$EXTMIN");
        dw.coord(10, box.minX, box.minY, 0.0);
        dw.dxfString(9, "$EXTMAX");
        dw.coord(10, box.maxX, box.maxY, 0.0);
    }
}

// The model-space view the file opens with: all of the drawing with a margin, in the
// viewport's proportions (dxflib writes a width-to-height ratio of 1.928); nothing for an
// empty model space, which keeps dxflib's view.
std::optional<BufferWriter::View> initialView(const DrawingDocument& doc) {
    Extents box;
    for (const Entity& e : doc.entities(Space::Model)) {
        box.add(entityExtents(e));
    }
    if (box.empty) {
        return std::nullopt;
    }
    const double height = std::max({box.height(), box.width() / 1.928, 1.0}) * 1.1;
    return BufferWriter::View{(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2, height};
}

// The file's sections in the order the format requires: HEADER, TABLES (viewport, line
// types, layer, text style, view, UCS, application ids, dimension style, block records),
// BLOCKS, ENTITIES, OBJECTS.
void writeSections(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc) {
    dxf.writeHeader(dw);
    writeHeaderVariables(dw, doc);
    dw.sectionEnd();

    dw.sectionTables();
    dw.setView(initialView(doc));
    dxf.writeVPort(dw);
    dw.setView(std::nullopt);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(1);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData(kTextStyle, 0, 0.0, 1.0, 0.0, 0, 2.5, "arial.ttf", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Entity& e : doc.entities(Space::Model)) {
        writeEntity(dxf, dw, e);
    }
    dw.setPaperSpace(true);
    for (const Entity& e : doc.entities(Space::Paper)) {
        writeEntity(dxf, dw, e);
    }
    dw.setPaperSpace(false);
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
}

// dxflib declares the next free handle as FFFF; a drawing with more entities than that
// needs the real one.
void fixHandleSeed(std::string& text, unsigned long nextHandle) {
    const std::string seed = "$HANDSEED\n  5\nFFFF\n";
    const std::size_t at = text.find(seed);
    if (at == std::string::npos || nextHandle <= 0xFFFF) {
        return;
    }
    std::array<char, 24> digits{};
    std::snprintf(digits.data(), digits.size(), "%lX", nextHandle);
    text.replace(at + seed.size() - 5, 4, digits.data());
}

} // namespace

std::string DxfText(const DrawingDocument& doc) {
    DL_Dxf dxf;
    BufferWriter dw(DL_Codes::AC1015);
    dw.text().reserve(256 * 1024 + doc.entityCount() * 200);
    writeSections(dxf, dw, doc);
    fixHandleSeed(dw.text(), dw.getNextHandle());
    return std::move(dw.text());
}

void WriteDxf(const DrawingDocument& doc, const std::string& path) {
    try {
        WriteFileAtomically(path, DxfText(doc));
    } catch (const FileWriteError& error) {
        throw FileWriteError("Не удалось сохранить чертеж в файл " + path + ": " + error.reason(),
                             path, error.reason());
    }
}

} // namespace torvelix::cad
