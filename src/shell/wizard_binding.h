// Copying the pages' values between the wizard's widgets and the design session.
#pragma once

#include "wizard_controls.h"
#include "wizard_values.h"

namespace torvelix::shell {

// The values as the user has set them in the widgets (choices, texts, memo edits).
void readValues(const WizardControls& ui, workflow::WizardValues& values);

// The values into the widgets, with their signals held back so that no handler runs.
// A text already shown is left alone, so an edit keeps its cursor and selection.
void showValues(const workflow::WizardValues& values, WizardControls& ui);

} // namespace torvelix::shell
