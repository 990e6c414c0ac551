// The choice commands and their rules: the class selection as the class page shows it,
// the kind rule, strength, wire, winding, finish, end fixing with the stability check,
// view and end coils, and the fitted pitch's switch; typing, switching and picking by
// field id.
#include "design_session.h"

#include "class_record.h"
#include "class_values.h"

namespace torvelix::workflow {

Outcome DesignSession::chooseMode(bool calculation) {
    values_.title.calculation = calculation;
    return Outcome::success();
}

Outcome DesignSession::chooseClass(int item) {
    values_.design.classItem = item;
    selectClass();
    return tablesOk() ? Outcome::success() : Outcome{};
}

void DesignSession::selectClass() {
    const tables::ClassSelection selection =
        calc::selectClassInto(state_, exePath_, values_.design.classItem, messages_);
    if (selection.rowRead) {
        ClassPage& page = values_.klass;
        if (!selection.LN1.empty()) {
            page.LN1 = selection.LN1;
            page.LN2 = selection.LN2;
        }
        page.LF3 = selection.LF3;
        page.Ld = selection.Ld;
        page.LGOST = selection.LGOST;
        // The wire-class pair stands where the blank standard is shown.
        page.showWireClass = selection.showWireClass;
        if (selection.LZagot) {
            values_.design.LZagot = *selection.LZagot;
        }
    }
    applyKindRule();
}

Outcome DesignSession::chooseKind(std::optional<calc::SpringKind> kind) {
    values_.design.kind = kind;
    applyKindRule();
    return tablesOk() ? Outcome::success() : Outcome{};
}

void DesignSession::applyKindRule() {
    calc::DesignInputs& design = values_.design;
    if (design.kind == calc::SpringKind::ThreeStrand &&
        design.classItem != tables::kFirstThreeStrandItem) {
        // A three-strand spring is of the first item of class III.
        design.classItem = tables::kFirstThreeStrandItem;
        selectClass();
    }
}

Outcome DesignSession::chooseStrength(calc::StrengthChoice strength) {
    values_.klass.strength = strength;
    state_.StrengthChoice = strength;
    return Outcome::success();
}

Outcome DesignSession::chooseWire(calc::WireClass wire) {
    values_.design.wire = wire;
    return Outcome::success();
}

Outcome DesignSession::chooseWinding(int item) {
    values_.inputs.winding = item;
    return Outcome::success();
}

Outcome DesignSession::chooseFinish(geometry::EndType finish) {
    // Support coils n2 and ground coils n3 of each finish.
    struct Coils {
        const char* n2;
        const char* n3;
    };
    Coils coils{"1.5", "1.5"};
    switch (finish) {
    case geometry::EndType::Open:
        coils = {"0", "0"};
        break;
    case geometry::EndType::Closed:
        coils = {"2", "0"};
        break;
    case geometry::EndType::ClosedGround:
        coils = {"2", "1.5"};
        break;
    case geometry::EndType::ThreeQuarterGround:
        break;
    }
    values_.inputs.finish = finish;
    values_.design.eN2 = coils.n2;
    values_.design.eN3 = coils.n3;
    return Outcome::success();
}

Outcome DesignSession::chooseFixing(calc::Fixing fixing) {
    calc::DesignInputs& design = values_.design;
    design.fixing = fixing;
    if (!design.stabilityCheck) {
        // Choosing a fixing switches the stability check on, with the fixing chosen.
        RememberedFixing_ = fixing;
        design.stabilityCheck = true;
        applyStabilityRule();
    }
    return Outcome::success();
}

void DesignSession::applyStabilityRule() {
    calc::DesignInputs& design = values_.design;
    if (!design.stabilityCheck) {
        design.fixing = calc::Fixing::None;
    } else if (RememberedFixing_ != calc::Fixing::None) {
        design.fixing = RememberedFixing_;
    }
}

Outcome DesignSession::chooseView(geometry::ViewType view) {
    values_.drawing.view = view;
    // The loading diagram and the requirements go with the view with a break only.
    const bool withBreak = view == geometry::ViewType::WithBreak;
    values_.options.switchesEnabled = withBreak;
    if (!withBreak) {
        values_.drawing.diagram = false;
        values_.options.requirements = false;
    }
    return Outcome::success();
}

Outcome DesignSession::chooseEnds(geometry::EndType ends) {
    values_.drawing.ends = ends;
    return Outcome::success();
}

void DesignSession::applyInscribeRule() {
    const bool inscribe = values_.drawing.inscribe;
    values_.geometry.pitchEnabled = !inscribe;
    values_.geometry.freeLengthEnabled = !inscribe;
}

Outcome DesignSession::typeText(FieldId field, const std::string& text) {
    std::string* slot = textSlot(values_, field);
    if (slot == nullptr) {
        return {};
    }
    *slot = text;
    return Outcome::success();
}

Outcome DesignSession::setSwitch(FieldId field, bool on) {
    bool* slot = switchSlot(values_, field);
    if (slot == nullptr) {
        return {};
    }
    if (*slot == on) {
        return Outcome::success();
    }
    *slot = on;
    if (field == FieldId::StabilityCheck) {
        applyStabilityRule();
    } else if (field == FieldId::Inscribe) {
        applyInscribeRule();
    }
    return Outcome::success();
}

Outcome DesignSession::chooseItem(FieldId field, int index, const std::string& text) {
    int* item = itemSlot(values_, field);
    std::string* shown = textSlot(values_, field);
    if (item == nullptr || shown == nullptr) {
        return {};
    }
    *item = index;
    *shown = text;
    return Outcome::success();
}

Outcome DesignSession::editLines(FieldId field, const std::vector<std::string>& lines) {
    std::vector<std::string>* slot = linesSlot(values_, field);
    if (slot == nullptr) {
        return {};
    }
    *slot = lines;
    return Outcome::success();
}

Outcome DesignSession::fillRequirements(const cad::TechRequirementControls& requirements) {
    values_.requirements.tt = requirements;
    return Outcome::success();
}

Outcome DesignSession::beginExport() {
    values_.report.printEnabled = false;
    return Outcome::success();
}

} // namespace torvelix::workflow
