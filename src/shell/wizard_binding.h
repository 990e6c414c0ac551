// The window's binding to the design session: a table of {widget, field} pairs, the
// values the widgets hold sent to the session as commands, and the session's snapshot
// shown in the widgets.
#pragma once

#include "design_session.h"
#include "wizard_controls.h"

#include <vector>

namespace torvelix::shell {

// A widget that holds the value of one field: a line edit (text), a check box
// (switch), an editable drop-down (item and text) or a memo (lines).
struct FieldBinding {
    QWidget* widget = nullptr;
    workflow::FieldId field = workflow::FieldId::None;
};

// Every field's widget, the requirement page's switches included.
std::vector<FieldBinding> fieldBindings(const WizardControls& ui);

// The widget of a field, or null.
QWidget* widgetOf(const std::vector<FieldBinding>& bindings, workflow::FieldId field);

// What the user has set in the widgets, sent to the session: the bound fields, the
// mode, wire class, strength, winding and end coils. False when the session refused a
// value (a field bound to a widget of another kind).
bool readValues(const WizardControls& ui, const std::vector<FieldBinding>& bindings,
                workflow::DesignSession& session);

// The snapshot into the widgets, with their signals held back so that no handler runs.
// A text already shown is left alone, so an edit keeps its cursor and selection.
void showValues(const workflow::WizardSnapshot& values, const std::vector<FieldBinding>& bindings,
                WizardControls& ui);

} // namespace torvelix::shell
