// DXF output of the built-in drawing: the file's sections in their order, the entities,
// the dimensions' blocks and the objects, then the file in one checked step. dxflib lays
// out sections, tables and entities; its bytes go into memory (dxf_stream.h), the HEADER
// and TABLES entries come from dxf_header_tables.h.
#include "dxf_writer.h"

#include "dxf_header_tables.h"
#include "dxf_stream.h"
#include "file_write.h"

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvelix::cad {

namespace {

using dxf::BufferWriter;
using dxf::DimensionBlock;
using dxf::encodeText;
using dxf::initialView;
using dxf::kTextStyle;
using dxf::SinkAdapter;
using dxf::spaceExtents;
using dxf::writeBlockRecords;
using dxf::writeDimStyle;
using dxf::writeHeaderVariables;
using dxf::writeLayers;
using dxf::writeLinetypes;
using dxf::writeTextStyle;

constexpr double kDegreesPerRadian = 180.0 / kPi;

// Handles of the block records of model and paper space (dxflib's numbering).
constexpr const char* kModelSpaceRecord = "1F";
constexpr const char* kPaperSpaceRecord = "1B";

// What the writer learns while it writes: the dimensions' blocks in entity order, and how
// many dimension entities have been written.
struct WriteState {
    std::vector<DimensionBlock> dimensionBlocks;
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
        writeDxfHatch(sink, e, head);
        break;
    case Entity::Kind::Dimension:
        writeDxfDimension(sink, e, head, ws.dimensionBlocks.at(ws.nextDimension++).name,
                          encodeText(e.text));
        break;
    }
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
        writeDxfDimensionBlockEntities(sink, *block.dimension, block.record,
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
    WriteState ws{writeBlockRecords(dxf, dw, doc)};
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    writeDimensionBlocks(dw, ws.dimensionBlocks);
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

std::string dxfText(const DrawingDocument& doc) {
    DL_Dxf dxf;
    BufferWriter dw(DL_Codes::AC1015);
    dw.text().reserve(256 * 1024 + doc.entityCount() * 200);
    writeSections(dxf, dw, doc);
    fixHandleSeed(dw.text(), dw.getNextHandle());
    return std::move(dw.text());
}

void writeDxf(const DrawingDocument& doc, const std::string& path) {
    try {
        writeFileAtomically(path, dxfText(doc));
    } catch (const FileWriteError& error) {
        throw FileWriteError("Не удалось сохранить чертеж в файл " + path + ": " + error.reason(),
                             path, error.reason());
    }
}

} // namespace torvelix::cad
