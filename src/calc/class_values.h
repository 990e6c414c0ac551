// Storing what a class selection read into the design state.
#pragma once

#include "class_selection.h"
#include "design_state.h"

namespace torvelix::calc {

// Writes ClassGroup and SpringGost when the row was read, and TauFactor when it
// converted; members the selection did not reach keep their values.
void applyClassSelection(DesignState& state, const tables::ClassSelection& selection);

// The class selection for `item` with the presence check on its first run, stored
// into the design state. exePath: the running executable (the tables lie beside it).
tables::ClassSelection selectClassInto(DesignState& state, const std::string& exePath, int item,
                                       MessageSink& messages);

} // namespace torvelix::calc
