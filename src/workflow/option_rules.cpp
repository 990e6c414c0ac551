// The rules of the option controls: the class selection as the class page shows it,
// the kind rule, strength, finish, end fixing with the stability check, the view type
// and the fitted pitch; and the plain values the calculation reads.
#include "design_session.h"

#include "class_record.h"
#include "class_values.h"

namespace torvelix::workflow {

void DesignSession::rgKlasClick() {
    SelectClass();
    cbVidChange();
}

void DesignSession::SelectClass() {
    const tables::ClassSelection selection =
        calc::selectClassInto(state_, exePath_, values_.klass.classItem, messages_);
    if (!selection.rowRead) {
        return;
    }
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
        page.LZagot = *selection.LZagot;
    }
}

void DesignSession::cbVidChange() {
    ClassPage& page = values_.klass;
    if (page.kind == calc::SpringKind::ThreeStrand &&
        page.classItem != tables::kFirstThreeStrandItem) {
        // A three-strand spring is of the first item of class III.
        page.classItem = tables::kFirstThreeStrandItem;
        rgKlasClick();
    }
}

void DesignSession::rbMinClick(calc::StrengthChoice choice) {
    values_.klass.strength = choice;
    state_.StrengthChoice = choice;
}

void DesignSession::sb21aClick(geometry::EndType finish) {
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
    values_.inputs.eN2 = coils.n2;
    values_.inputs.eN3 = coils.n3;
}

void DesignSession::sb21Click(calc::Fixing fixing) {
    InputsPage& page = values_.inputs;
    page.fixing = fixing;
    if (page.stabilityCheck) {
        return;
    }
    // Choosing a fixing switches the stability check on, with the fixing chosen.
    RememberedFixing_ = fixing;
    page.stabilityCheck = true;
    cbUstoshivostClick();
}

void DesignSession::cbUstoshivostClick() {
    InputsPage& page = values_.inputs;
    if (!page.stabilityCheck) {
        page.fixing = calc::Fixing::None;
    } else if (RememberedFixing_ != calc::Fixing::None) {
        page.fixing = RememberedFixing_;
    }
}

void DesignSession::sb71Click(geometry::ViewType view) {
    DrawingOptionsPage& page = values_.options;
    page.view = view;
    // The loading diagram and the requirements go with the view with a break only.
    const bool withBreak = view == geometry::ViewType::WithBreak;
    page.switchesEnabled = withBreak;
    if (!withBreak) {
        page.diagram = false;
        page.requirements = false;
    }
}

void DesignSession::cb90Click() {
    GeometryPage& page = values_.geometry;
    page.pitchEnabled = !page.inscribe;
    page.freeLengthEnabled = !page.inscribe;
}

calc::ControlStates DesignSession::controlValues() const {
    calc::ControlStates c;
    const ClassPage& klass = values_.klass;
    const InputsPage& in = values_.inputs;
    c.classItem = klass.classItem;
    c.kind = klass.kind;
    c.wire = klass.wire;
    c.stabilityCheck = in.stabilityCheck;
    c.fixing = in.fixing;
    c.eF1 = in.eF1;
    c.eF2 = in.eF2;
    c.eH = in.eH;
    c.eV = in.eV;
    c.eDn1 = in.eDn1;
    c.eDn2 = in.eDn2;
    c.eN2 = in.eN2;
    c.eN3 = in.eN3;
    c.eNum = values_.candidates.eNum;
    c.LZagot = klass.LZagot;
    return c;
}

} // namespace torvelix::workflow
