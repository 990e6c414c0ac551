// DXF records of the complete drawing's hatches and dimensions, written group by group
// through a sink that the DXF writer provides: the HATCH and DIMENSION entities and the
// anonymous block that holds each dimension's picture.
#pragma once

#include "entity_geometry.h"

#include <string>

namespace torvelix::cad {

// Receives group codes and values in file order.
class DxfSink {
public:
    virtual ~DxfSink() = default;
    virtual void text(int gc, const std::string& value) = 0;
    virtual void real(int gc, double value) = 0;
    virtual void integer(int gc, int value) = 0;
    // Writes a new handle as group 5 and returns it.
    virtual unsigned long handle() = 0;
    // Handle numbers as the file writes them (upper-case hex).
    static std::string hex(unsigned long value);
};

// The entity's common data: handle, owner, space marker, layer (already encoded).
struct DxfEntityHead {
    std::string owner;
    bool paperSpace = false;
    std::string layer;
};

void writeDxfHatch(DxfSink& out, const Entity& hatch, const DxfEntityHead& head);

// The DIMENSION entity referring to the block `blockName`. `text` is the encoded text
// override ("" for the plain measured value).
void writeDxfDimension(DxfSink& out, const Entity& dimension, const DxfEntityHead& head,
                       const std::string& blockName, const std::string& text);

// The entities of a dimension's block: lines, filled arrows and its text (already encoded,
// drawn in `style`), on layer "0" with colour and lineweight by block.
void writeDxfDimensionBlockEntities(DxfSink& out, const Entity& dimension, const std::string& owner,
                                    const std::string& text, const std::string& style);

} // namespace torvelix::cad
