// DXF output of the built-in drawing through dxflib: the only file that includes dxflib.
// dxflib lays out the sections, tables and entities; its byte output is taken over to
// write into memory (numbers independent of the locale, paper-space entities marked) and
// then to the file in one checked step.
#include "dxf_writer.h"

#include "cp1251.h"
#include "dxf_annotations.h"
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
#include <map>
#include <optional>
#include <stdexcept>

namespace torvelix::cad {

namespace {

constexpr double kDegreesPerRadian = 180.0 / kPi;
// The text style every text uses.
constexpr const char* kTextStyle = "Standard";
constexpr const char* kFontFile = "arial.ttf";

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

class SinkAdapter : public DxfSink {
public:
    explicit SinkAdapter(BufferWriter& writer) : writer_(writer) {}
    void text(int gc, const std::string& value) override { writer_.dxfString(gc, value); }
    void real(int gc, double value) override { writer_.dxfReal(gc, value); }
    void integer(int gc, int value) override { writer_.dxfInt(gc, value); }
    unsigned long handle() override { return writer_.handle(); }

private:
    BufferWriter& writer_;
};

// Handles the file's fixed records have (dxflib's numbering): the block record table and
// the block records of model and paper space.
constexpr const char* kBlockRecordTable = "1";
constexpr const char* kModelSpaceRecord = "1F";
constexpr const char* kPaperSpaceRecord = "1B";

// What the writer learns while it writes: the dimensions' block names in entity order.
struct WriteState {
    std::vector<std::string> dimensionBlocks;
    std::size_t nextDimension = 0;
};

void writeEntity(DL_Dxf& dxf, BufferWriter& dw, const Entity& e, Space space, WriteState& ws) {
    const std::string layer = encodeText(e.layer);
    const DL_Attributes attributes(layer, 256, -1, "BYLAYER", 1.0);
    SinkAdapter sink(dw);
    const DxfEntityHead head{space == Space::Model ? kModelSpaceRecord : kPaperSpaceRecord, false,
                             layer};
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
    case Entity::Kind::Hatch:
        WriteDxfHatch(sink, e, head);
        break;
    case Entity::Kind::Dimension:
        WriteDxfDimension(sink, e, head, ws.dimensionBlocks.at(ws.nextDimension++),
                          encodeText(e.text));
        break;
    }
}

Extents spaceExtents(const DrawingDocument& doc, Space space) {
    Extents box;
    for (const Entity& e : doc.entities(space)) {
        box.add(entityExtents(e));
    }
    return box;
}

void writePoint(BufferWriter& dw, const char* name, double x, double y) {
    dw.dxfString(9, name);
    dw.coord(10, x, y, 0.0);
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
    dw.dxfString(9, "$CLAYER");
    dw.dxfString(8, encodeText(doc.activeLayer()));
    dw.dxfString(9, "$TEXTSTYLE");
    dw.dxfString(7, kTextStyle);
    dw.dxfString(9, "$DIMSTYLE");
    dw.dxfString(2, "Standard");
    // Lineweights shown, so that outlines stand out from thin lines.
    dw.dxfString(9, "$LWDISPLAY");
    dw.dxfInt(290, 1);
    // Limits and extents of both spaces; an empty space has the A3 sheet as its limits and
    // a point at the origin as its extents.
    for (const Space space : {Space::Model, Space::Paper}) {
        const bool model = space == Space::Model;
        Extents box = spaceExtents(doc, space);
        if (box.empty) {
            box.add(0, 0);
        }
        Extents limits = box;
        if (spaceExtents(doc, space).empty) {
            limits.add(420, 297);
        }
        writePoint(dw, model ? "$LIMMIN" : "$PLIMMIN", limits.minX, limits.minY);
        writePoint(dw, model ? "$LIMMAX" : "$PLIMMAX", limits.maxX, limits.maxY);
        writePoint(dw, model ? "$EXTMIN" : "$PEXTMIN", box.minX, box.minY);
        writePoint(dw, model ? "$EXTMAX" : "$PEXTMAX", box.maxX, box.maxY);
    }
}

// The model-space view the file opens with: all of the drawing with a margin, in the
// viewport's proportions (dxflib writes a width-to-height ratio of 1.928); nothing for an
// empty model space, which keeps dxflib's view.
std::optional<BufferWriter::View> initialView(const DrawingDocument& doc) {
    const Extents box = spaceExtents(doc, Space::Model);
    if (box.empty) {
        return std::nullopt;
    }
    const double height = std::max({box.height(), box.width() / 1.928, 1.0}) * 1.1;
    return BufferWriter::View{(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2, height};
}

void writeLinetypes(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc) {
    dw.tableLinetypes(static_cast<int>(3 + doc.linetypes().size()));
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    for (const Linetype& type : doc.linetypes()) {
        std::vector<double> pattern = type.pattern;
        double length = 0;
        for (const double dash : pattern) {
            length += std::abs(dash);
        }
        dxf.writeLinetype(dw, DL_LinetypeData(encodeText(type.name), encodeText(type.description),
                                              0, static_cast<int>(pattern.size()), length,
                                              pattern.empty() ? nullptr : pattern.data()));
    }
    dw.tableEnd();
}

void writeLayers(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc) {
    dw.tableLayers(static_cast<int>(doc.layers().size()));
    for (const Layer& layer : doc.layers()) {
        dxf.writeLayer(
            dw, DL_LayerData(encodeText(layer.name), 0),
            DL_Attributes("", layer.colour, layer.lineweight, encodeText(layer.linetype), 1.0));
    }
    dw.tableEnd();
}

// The text style, its font file in group 3, which every CAD program maps to a font it
// has; Arial has the Cyrillic letters. Returns its handle.
unsigned long writeTextStyle(BufferWriter& dw) {
    dw.tableStyle(1);
    dw.dxfString(0, "STYLE");
    const unsigned long style = dw.handle();
    dw.dxfString(330, "3");
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbTextStyleTableRecord");
    dw.dxfString(2, kTextStyle);
    dw.dxfInt(70, 0);
    dw.dxfReal(40, 0.0);
    dw.dxfReal(41, 1.0);
    dw.dxfReal(50, 0.0);
    dw.dxfInt(71, 0);
    dw.dxfReal(42, 3.5);
    dw.dxfString(3, kFontFile);
    dw.dxfString(4, "");
    dw.tableEnd();
    return style;
}

// The dimension style: GOST sizes (3.5 mm text, 2.5 mm arrows, extension lines 2 mm
// beyond the dimension line), scaled by the drawing's DIMSCALE.
void writeDimStyle(BufferWriter& dw, const DrawingDocument& doc, unsigned long style) {
    dw.dxfString(0, "TABLE");
    dw.dxfString(2, "DIMSTYLE");
    const unsigned long table = dw.handle();
    dw.dxfString(330, "0");
    dw.dxfString(100, "AcDbSymbolTable");
    dw.dxfInt(70, 1);
    dw.dxfString(100, "AcDbDimStyleTable");
    dw.dxfInt(71, 0);
    dw.dxfString(0, "DIMSTYLE");
    dw.handle(105);
    dw.dxfString(330, DxfSink::hex(table));
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbDimStyleTableRecord");
    dw.dxfString(2, "Standard");
    dw.dxfInt(70, 0);
    dw.dxfReal(40, doc.variable("DIMSCALE"));
    dw.dxfReal(41, 2.5);
    dw.dxfReal(42, 0.0);
    dw.dxfReal(43, 3.75);
    dw.dxfReal(44, 2.0);
    dw.dxfInt(73, 0);
    dw.dxfInt(74, 0);
    dw.dxfInt(77, 1);
    dw.dxfInt(78, 8);
    dw.dxfReal(140, 3.5);
    dw.dxfReal(141, 2.5);
    dw.dxfReal(147, 1.0);
    dw.dxfInt(271, 3);
    dw.dxfInt(272, 3);
    dw.dxfInt(278, 44);
    dw.dxfString(340, DxfSink::hex(style));
    dw.tableEnd();
}

// The block records and blocks of the dimensions' pictures (*D1, *D2, ...).
struct DimensionBlock {
    std::string name;
    std::string record;
    const Entity* dimension;
};

std::vector<DimensionBlock> writeBlockRecords(DL_Dxf& dxf, BufferWriter& dw,
                                              const DrawingDocument& doc, WriteState& ws) {
    dxf.writeBlockRecord(dw);
    std::vector<DimensionBlock> blocks;
    for (const Space space : {Space::Model, Space::Paper}) {
        for (const Entity& e : doc.entities(space)) {
            if (e.kind != Entity::Kind::Dimension) {
                continue;
            }
            const std::string name = "*D" + std::to_string(blocks.size() + 1);
            dw.dxfString(0, "BLOCK_RECORD");
            const unsigned long record = dw.handle();
            dw.dxfString(330, kBlockRecordTable);
            dw.dxfString(100, "AcDbSymbolTableRecord");
            dw.dxfString(100, "AcDbBlockTableRecord");
            dw.dxfString(2, name);
            blocks.push_back({name, DxfSink::hex(record), &e});
            ws.dimensionBlocks.push_back(name);
        }
    }
    dw.tableEnd();
    return blocks;
}

void writeDimensionBlocks(BufferWriter& dw, const std::vector<DimensionBlock>& blocks) {
    SinkAdapter sink(dw);
    for (const DimensionBlock& block : blocks) {
        dw.dxfString(0, "BLOCK");
        dw.handle();
        dw.dxfString(330, block.record);
        dw.dxfString(100, "AcDbEntity");
        dw.dxfString(8, "0");
        dw.dxfString(100, "AcDbBlockBegin");
        dw.dxfString(2, block.name);
        dw.dxfInt(70, 1); // anonymous
        dw.coord(10, 0.0, 0.0, 0.0);
        dw.dxfString(3, block.name);
        dw.dxfString(1, "");
        WriteDxfDimensionBlockEntities(sink, *block.dimension, block.record,
                                       encodeText(dimensionText(*block.dimension, true)),
                                       kTextStyle);
        dw.dxfString(0, "ENDBLK");
        dw.handle();
        dw.dxfString(330, block.record);
        dw.dxfString(100, "AcDbEntity");
        dw.dxfString(8, "0");
        dw.dxfString(100, "AcDbBlockEnd");
    }
}

// dxflib writes its objects without owners: each object gets the dictionary that lists it
// (the root dictionary has none, "0"), and the first layout the paper-space extents.
void completeObjects(std::string& text, std::size_t objectsAt, const Extents& paper) {
    std::string objects = text.substr(objectsAt);
    std::map<std::string, std::string> owner;
    std::vector<std::pair<std::size_t, std::string>> records; // offset of "  5", handle
    std::string current;
    bool dictionary = false;
    std::size_t pos = 0;
    while (pos < objects.size()) {
        const std::size_t codeEnd = objects.find('\n', pos);
        const std::size_t valueEnd = objects.find('\n', codeEnd + 1);
        if (codeEnd == std::string::npos || valueEnd == std::string::npos) {
            break;
        }
        const std::string code = objects.substr(pos, codeEnd - pos);
        const std::string value = objects.substr(codeEnd + 1, valueEnd - codeEnd - 1);
        if (code == "  0") {
            dictionary = value == "DICTIONARY" || value == "ACDBDICTIONARYWDFLT";
            current.clear();
        } else if (code == "  5" && current.empty()) {
            current = value;
            records.emplace_back(valueEnd + 1, value);
        } else if (code == "350" && dictionary) {
            owner[value] = current;
        }
        pos = valueEnd + 1;
    }
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        const auto found = owner.find(it->second);
        objects.insert(it->first, "330\n" + (found == owner.end() ? "0" : found->second) + "\n");
    }
    if (!paper.empty) {
        // Layout1's extents: dxflib writes +-1e20, the values of a layout never drawn on.
        const std::string from = " 14\n100000000000000000000.0\n 24\n100000000000000000000.0\n"
                                 " 34\n100000000000000000000.0\n 15\n-100000000000000000000.0\n"
                                 " 25\n-100000000000000000000.0\n 35\n-100000000000000000000.0\n";
        const std::size_t at = objects.find(from);
        if (at != std::string::npos) {
            BufferWriter values(DL_Codes::AC1015);
            values.coord(14, paper.minX, paper.minY, 0.0);
            values.coord(15, paper.maxX, paper.maxY, 0.0);
            objects.replace(at, from.size(), values.text());
        }
    }
    text.replace(objectsAt, std::string::npos, objects);
}

// The file's sections in the order the format requires: HEADER, TABLES (viewport, line
// types, layers, text style, view, UCS, application ids, dimension style, block records),
// BLOCKS, ENTITIES, OBJECTS.
void writeSections(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc) {
    WriteState ws;
    dxf.writeHeader(dw);
    writeHeaderVariables(dw, doc);
    dw.sectionEnd();

    dw.sectionTables();
    dw.setView(initialView(doc));
    dxf.writeVPort(dw);
    dw.setView(std::nullopt);
    writeLinetypes(dxf, dw, doc);
    writeLayers(dxf, dw, doc);
    const unsigned long style = writeTextStyle(dw);
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    writeDimStyle(dw, doc, style);
    const std::vector<DimensionBlock> blocks = writeBlockRecords(dxf, dw, doc, ws);
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    writeDimensionBlocks(dw, blocks);
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Entity& e : doc.entities(Space::Model)) {
        writeEntity(dxf, dw, e, Space::Model, ws);
    }
    dw.setPaperSpace(true);
    for (const Entity& e : doc.entities(Space::Paper)) {
        writeEntity(dxf, dw, e, Space::Paper, ws);
    }
    dw.setPaperSpace(false);
    dw.sectionEnd();

    const std::size_t objectsAt = dw.text().size();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    completeObjects(dw.text(), objectsAt, spaceExtents(doc, Space::Paper));
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
