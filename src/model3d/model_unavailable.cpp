// The model's entry points in a build without Open CASCADE: every request for the solid
// is refused with the message that the 3D model is not part of this build.
#include "spring_solid.h"

namespace torvelix::model3d {

bool modelAvailable() {
    return false;
}

void writeSpringModel(const SpringModelParams&, const std::string&) {
    throw ModelError(kModelUnavailable);
}

std::vector<Triangle> springTriangles(const SpringModelParams&, double) {
    throw ModelError(kModelUnavailable);
}

} // namespace torvelix::model3d
