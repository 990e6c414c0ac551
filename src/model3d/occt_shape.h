// Between the Open CASCADE files of the model: the solid built from a layout and its
// surface mesh. Declares the library's shape type only, so that no other file pays for
// the library's headers.
#pragma once

#include "spring_model.h"
#include "spring_solid.h"

class TopoDS_Shape;

namespace torvelix::model3d::occt {

// The swept solid, ground when the layout says so; throws ModelError(kModelInvalid) when
// the library fails or the solid does not pass its validity check.
void buildSpringSolid(const SpringLayout& layout, TopoDS_Shape& solid);

// Meshes the solid with the chord tolerance (mm) and returns its triangles, outward.
std::vector<Triangle> meshSolid(const TopoDS_Shape& solid, double chordMm);

// Writes the solid as STEP AP214 in millimetres into the file at path, its product named
// productName; throws ModelError when the library reports a failure.
void writeStepFile(const TopoDS_Shape& solid, const std::string& productName,
                   const std::string& path);

// Keeps the library's messages (transfer statistics) off the standard output.
void silenceLibrary();

} // namespace torvelix::model3d::occt
