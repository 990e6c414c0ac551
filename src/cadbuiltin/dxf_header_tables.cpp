// The HEADER variables and TABLES entries of the built-in drawing's DXF file.
#include "dxf_header_tables.h"

#include <algorithm>
#include <cmath>

namespace torvelix::cad::dxf {

namespace {

constexpr const char* kFontFile = "arial.ttf";

// The handle dxflib gives the block record table.
constexpr const char* kBlockRecordTable = "1";

void writePoint(BufferWriter& dw, const char* name, double x, double y) {
    dw.dxfString(9, name);
    dw.coord(10, x, y, 0.0);
}

} // namespace

Extents spaceExtents(const DrawingDocument& doc, Space space) {
    Extents box;
    for (const Entity& e : doc.entities(space)) {
        box.add(entityExtents(e));
    }
    return box;
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
    // Dimension texts as the sheet writes them, for a program that rebuilds them from these
    // variables: three decimals at most, trailing zeros dropped, a decimal comma.
    dw.dxfString(9, "$DIMDEC");
    dw.dxfInt(70, 3);
    dw.dxfString(9, "$DIMZIN");
    dw.dxfInt(70, 8);
    dw.dxfString(9, "$DIMDSEP");
    dw.dxfInt(70, ',');
    dw.dxfString(9, "$DIMTXT");
    dw.dxfReal(40, 3.5);
    dw.dxfString(9, "$DIMASZ");
    dw.dxfReal(40, 2.5);
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

// In the viewport's proportions: dxflib writes a width-to-height ratio of 1.928.
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

// The font file goes in group 3: every CAD program maps it to a font it has, and Arial
// has the Cyrillic letters.
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

std::vector<DimensionBlock> writeBlockRecords(DL_Dxf& dxf, BufferWriter& dw,
                                              const DrawingDocument& doc) {
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
        }
    }
    dw.tableEnd();
    return blocks;
}

} // namespace torvelix::cad::dxf
