// Small helpers the spring builders share: the target space, entity-list slots, the
// trim pattern and the half-turn copy.
#pragma once

#include "drawing_state.h"

#include <string>
#include <vector>

namespace torvelix::geometry::detail {

inline constexpr double kPi = 3.14159265358979323846;

// The space that receives the entities; a missing one is a caller's fault.
cad::CadSpace& targetSpace(DrawingState& state);

// A slot of an entity list to fill; throws std::logic_error outside the list.
EntityRef& slotFor(std::vector<EntityRef>& list, int slot, const char* listName);
// A slot that must already hold an entity; throws std::logic_error when empty.
cad::CadEntity& filled(std::vector<EntityRef>& list, int slot, const char* listName);

// Sets X and Y and keeps the point's Z.
inline void setXY(Point& p, double x, double y) {
    p.x = x;
    p.y = y;
}
inline Point offset(const Point& p, double dx, double dy) {
    return Point{p.x + dx, p.y + dy, p.z};
}

// The trim pattern: ask `of` for its crossing with `line`, unextended, and assign the
// returned array as a whole to the line's end. An empty or ambiguous answer is refused
// by the CAD side (cad::CadException). Returns the array.
std::vector<double> trimEnd(cad::CadEntity& line, cad::CadEntity& of);

// One copy of every entity of the list turned by 180 degrees about the centre, in
// slot order; an entity held by two slots is copied twice.
void halfTurnCopies(std::vector<EntityRef>& list, int count, const Point& centre,
                    const char* listName);

} // namespace torvelix::geometry::detail
