// The inputs page converted into the design state.
#include "spring_calc.h"

#include "number_parse.h"
#include "table_fields.h"

namespace torvelix::calc {

void ParseInputs(DesignState& state, const DesignInputs& controls) {
    if (controls.kind) {
        state.SpringKind = *controls.kind;
    }
    // Each value is stored as soon as it converts, so a failing text leaves the
    // members before it new and those after it as they were.
    state.F1 = torvelix::parseNumber(controls.eF1);
    state.F2 = torvelix::parseNumber(controls.eF2);
    state.h = torvelix::parseNumber(controls.eH);
    state.Vmax = torvelix::parseNumber(controls.eV);
    state.Dmin = torvelix::parseNumber(controls.eDn1);
    state.Dmax = torvelix::parseNumber(controls.eDn2);
    state.n2 = torvelix::parseNumber(controls.eN2);
    state.n3 = torvelix::parseNumber(controls.eN3);
}

} // namespace torvelix::calc
