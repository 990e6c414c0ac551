// The model's entry points in a build with Open CASCADE: check, build, measure and write
// through the safe file writer (the STEP writer fills a temporary file beside the target,
// the STL bytes are made here).
#include "occt_shape.h"

#include "file_write.h"

#include <TopoDS_Shape.hxx>

namespace torvelix::model3d {

namespace {

TopoDS_Shape checkedSolid(const SpringModelParams& params) {
    if (auto refusal = checkModelParams(params)) {
        throw ModelError(*refusal);
    }
    occt::silenceLibrary();
    TopoDS_Shape solid;
    occt::buildSpringSolid(layoutSpring(params), solid);
    return solid;
}

} // namespace

bool modelAvailable() {
    return true;
}

void writeSpringModel(const SpringModelParams& params, const std::string& path) {
    const auto format = modelFormatFor(path);
    if (!format) {
        throw ModelError(kModelSuffix);
    }
    if (*format == ModelFormat::Stl &&
        estimatedTriangles(params, kStlChordMm) > kMostStlTriangles) {
        throw ModelError(kModelTooFine);
    }
    const TopoDS_Shape solid = checkedSolid(params);
    if (*format == ModelFormat::Step) {
        writeFileAtomicallyThrough(path, [&](const std::string& temporary) {
            occt::writeStepFile(solid, params.designation, temporary);
        });
    } else {
        const auto triangles = occt::meshSolid(solid, kStlChordMm);
        writeFileAtomically(path, stlBytes(triangles, params.designation));
    }
}

std::vector<Triangle> springTriangles(const SpringModelParams& params, double chordMm) {
    if (estimatedTriangles(params, chordMm) > kMostStlTriangles) {
        throw ModelError(kModelTooFine);
    }
    return occt::meshSolid(checkedSolid(params), chordMm);
}

} // namespace torvelix::model3d
