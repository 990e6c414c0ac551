// The inputs page converted into the design state.
#include "spring_calc.h"

#include "table_fields.h"

namespace torvelix::calc {

void ParseInputs(DesignState& state, const ControlStates& controls) {
    if (controls.kindItem == 0) {
        state.SpringKind = 0;
    } else if (controls.kindItem == 1) {
        state.SpringKind = 1;
    }
    // Each value is stored as soon as it converts, so a failing text leaves the
    // members before it new and those after it as they were.
    state.F1 = tables::ParseNumber(controls.eF1);
    state.F2 = tables::ParseNumber(controls.eF2);
    state.h = tables::ParseNumber(controls.eH);
    state.Vmax = tables::ParseNumber(controls.eV);
    state.Dmin = tables::ParseNumber(controls.eDn1);
    state.Dmax = tables::ParseNumber(controls.eDn2);
    state.n2 = tables::ParseNumber(controls.eN2);
    state.n3 = tables::ParseNumber(controls.eN3);
}

} // namespace torvelix::calc
