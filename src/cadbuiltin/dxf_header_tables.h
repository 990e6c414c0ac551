// The DXF file's HEADER variables and the entries of its TABLES section: line types,
// layers, text style, dimension style, the opening view and the dimensions' block records.
// Each call writes one part; dxf_writer.cpp calls them in the file's section order.
#pragma once

#include "drawing_document.h"
#include "dxf_stream.h"

#include <optional>
#include <string>
#include <vector>

namespace torvelix::cad::dxf {

// The bounds of everything drawn in one space (empty when nothing is).
Extents spaceExtents(const DrawingDocument& doc, Space space);

// Code page, units, TILEMODE, DIMSCALE, current layer, styles, lineweight display, and the
// limits and extents of both spaces.
void writeHeaderVariables(BufferWriter& dw, const DrawingDocument& doc);

// The model-space view the file opens with: all of the drawing with a margin; nothing for
// an empty model space, which keeps dxflib's view.
std::optional<BufferWriter::View> initialView(const DrawingDocument& doc);

// The LTYPE table: dxflib's three standard line types, then the drawing's.
void writeLinetypes(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc);
// The LAYER table with the drawing's layers.
void writeLayers(DL_Dxf& dxf, BufferWriter& dw, const DrawingDocument& doc);
// The STYLE table with the one text style. Returns the style's handle.
unsigned long writeTextStyle(BufferWriter& dw);
// The DIMSTYLE table, its text in the style of handle `style`.
void writeDimStyle(BufferWriter& dw, const DrawingDocument& doc, unsigned long style);

// A dimension's anonymous block (*D1, *D2, ...): its name, its block record's handle and
// the dimension it pictures.
struct DimensionBlock {
    std::string name;
    std::string record;
    const Entity* dimension;
};

// The BLOCK_RECORD table: dxflib's records of the spaces, then one per dimension, model
// space first, in creation order. Returns the dimensions' blocks in that order.
std::vector<DimensionBlock> writeBlockRecords(DL_Dxf& dxf, BufferWriter& dw,
                                              const DrawingDocument& doc);

} // namespace torvelix::cad::dxf
