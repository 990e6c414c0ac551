// The inputs page converted into the design state.
#include "spring_calc.h"

#include "number_parse.h"
#include "table_fields.h"

namespace torvelix::calc {

void ParseInputs(DesignState& state, const ControlStates& controls) {
    if (controls.kind) {
        state.SpringKind = *controls.kind;
    }
    // Each value is stored as soon as it converts, so a failing text leaves the
    // members before it new and those after it as they were.
    state.F1 = torvelix::ParseNumber(controls.eF1);
    state.F2 = torvelix::ParseNumber(controls.eF2);
    state.h = torvelix::ParseNumber(controls.eH);
    state.Vmax = torvelix::ParseNumber(controls.eV);
    state.Dmin = torvelix::ParseNumber(controls.eDn1);
    state.Dmax = torvelix::ParseNumber(controls.eDn2);
    state.n2 = torvelix::ParseNumber(controls.eN2);
    state.n3 = torvelix::ParseNumber(controls.eN3);
}

} // namespace torvelix::calc
