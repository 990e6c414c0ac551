// Storing the class selection's values into the design state.
#include "class_values.h"

namespace torvelix::calc {

void applyClassSelection(DesignState& state, const tables::ClassSelection& selection) {
    if (!selection.rowRead) {
        return;
    }
    if (selection.record) {
        state.ClassGroup = selection.ClassGroup;
    }
    state.SpringGost = selection.SpringGost;
    if (selection.TauFactor) {
        state.TauFactor = *selection.TauFactor;
    }
}

tables::ClassSelection selectClassInto(DesignState& state, const std::string& exePath, int item,
                                       MessageSink& messages) {
    auto selection = tables::SelectClass(state.tables, exePath, item, messages);
    applyClassSelection(state, selection);
    return selection;
}

} // namespace torvelix::calc
