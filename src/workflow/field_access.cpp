// The session's fields by id: where each one's value lies in the snapshot, its kind,
// and whether it takes input now.
#include "wizard_snapshot.h"

#include <type_traits>

namespace torvelix::workflow {

namespace {

template <class Values> auto* textOf(Values& v, FieldId field) {
    auto& d = v.design;
    auto& tt = v.requirements.tt;
    auto& g = v.drawing;
    using Text = std::conditional_t<std::is_const_v<Values>, const std::string, std::string>;
    Text* slot = nullptr;
    switch (field) {
    case FieldId::MinOuterDiameter:
        slot = &d.eDn1;
        break;
    case FieldId::MaxOuterDiameter:
        slot = &d.eDn2;
        break;
    case FieldId::Stroke:
        slot = &d.eH;
        break;
    case FieldId::ForceF1:
        slot = &d.eF1;
        break;
    case FieldId::ForceF2:
        slot = &d.eF2;
        break;
    case FieldId::MaxSpeed:
        slot = &d.eV;
        break;
    case FieldId::SupportCoils:
        slot = &d.eN2;
        break;
    case FieldId::GroundCoils:
        slot = &d.eN3;
        break;
    case FieldId::SpringNumber:
        slot = &d.eNum;
        break;
    case FieldId::ReqNumber:
        slot = &tt.e6Num;
        break;
    case FieldId::ReqGost:
        slot = &tt.comb6Gost;
        break;
    case FieldId::ReqShearModulus:
        slot = &tt.e6G;
        break;
    case FieldId::ReqStress:
        slot = &tt.e6Tau;
        break;
    case FieldId::ReqWinding:
        slot = &tt.comb6Naviv;
        break;
    case FieldId::ReqLength:
        slot = &tt.e6L;
        break;
    case FieldId::ReqCoils:
        slot = &tt.e6n;
        break;
    case FieldId::ReqTotalCoils:
        slot = &tt.e6n1;
        break;
    case FieldId::ReqHardness:
        slot = &tt.e6HRC;
        break;
    case FieldId::ReqGauge:
        slot = &tt.comb6Kontrol;
        break;
    case FieldId::ReqGaugeDiameter:
        slot = &tt.e6Dc;
        break;
    case FieldId::ReqOther:
        slot = &tt.e6TT;
        break;
    case FieldId::MeanDiameter:
        slot = &g.e9_D0;
        break;
    case FieldId::WireDiameter:
        slot = &g.e9_d;
        break;
    case FieldId::Pitch:
        slot = &g.e9_t;
        break;
    case FieldId::WorkingCoils:
        slot = &g.e9_n;
        break;
    case FieldId::BreakCoils:
        slot = &v.geometry.breakCoilsText;
        break;
    case FieldId::TitleDocument:
        slot = &v.options.document;
        break;
    case FieldId::TitleOrganisation:
        slot = &v.options.organisation;
        break;
    case FieldId::TitleDeveloper:
        slot = &v.options.developer;
        break;
    case FieldId::TitleChecker:
        slot = &v.options.checker;
        break;
    default:
        for (std::size_t k = 0; k < kDiagramFields.size(); ++k) {
            if (field == kDiagramFields[k]) {
                slot = &g.lengthsAndForces[k];
            }
        }
        break;
    }
    return slot;
}

template <class Values> auto* switchOf(Values& v, FieldId field) {
    auto& tt = v.requirements.tt;
    using Switch = std::conditional_t<std::is_const_v<Values>, const bool, bool>;
    const std::array<Switch*, 11> items = {&tt.ckb6Num, &tt.ckb6G,     &tt.ckb6Tau, &tt.ckb6Nav,
                                           &tt.ckb6L,   &tt.ckb6n,     &tt.ckb6n1,  &tt.ckb6HRC,
                                           &tt.ckb6Dc,  &tt.ckb6Sprav, &tt.ckb6TT};
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (field == kRequirementItems[k]) {
            return items[k];
        }
    }
    Switch* slot = nullptr;
    switch (field) {
    case FieldId::StabilityCheck:
        slot = &v.design.stabilityCheck;
        break;
    case FieldId::Diagram:
        slot = &v.drawing.diagram;
        break;
    case FieldId::Requirements:
        slot = &v.options.requirements;
        break;
    case FieldId::Eskd:
        slot = &v.options.eskd;
        break;
    case FieldId::Inscribe:
        slot = &v.drawing.inscribe;
        break;
    default:
        break;
    }
    return slot;
}

template <class Values> auto* itemOf(Values& v, FieldId field) {
    using Item = std::conditional_t<std::is_const_v<Values>, const int, int>;
    Item* slot = nullptr;
    switch (field) {
    case FieldId::ReqGost:
        slot = &v.requirements.gostIndex;
        break;
    case FieldId::ReqWinding:
        slot = &v.requirements.windingIndex;
        break;
    case FieldId::ReqGauge:
        slot = &v.requirements.tt.comb6KontrolIndex;
        break;
    case FieldId::BreakCoils:
        slot = &v.drawing.breakCoilsItem;
        break;
    default:
        break;
    }
    return slot;
}

template <class Values> auto* linesOf(Values& v, FieldId field) {
    using Lines = std::conditional_t<std::is_const_v<Values>, const std::vector<std::string>,
                                     std::vector<std::string>>;
    Lines* slot = nullptr;
    if (field == FieldId::CandidateLines) {
        slot = &v.candidates.mm1;
    } else if (field == FieldId::ReportLines) {
        slot = &v.report.mm2;
    }
    return slot;
}

} // namespace

FieldKind kindOf(FieldId field) {
    WizardSnapshot probe;
    if (itemOf(probe, field) != nullptr) {
        return FieldKind::Item;
    }
    if (switchOf(probe, field) != nullptr) {
        return FieldKind::Switch;
    }
    if (linesOf(probe, field) != nullptr) {
        return FieldKind::Lines;
    }
    return FieldKind::Text;
}

std::string WizardSnapshot::text(FieldId field) const {
    const std::string* slot = textOf(*this, field);
    return slot != nullptr ? *slot : std::string();
}

bool WizardSnapshot::isOn(FieldId field) const {
    const bool* slot = switchOf(*this, field);
    return slot != nullptr && *slot;
}

int WizardSnapshot::item(FieldId field) const {
    const int* slot = itemOf(*this, field);
    return slot != nullptr ? *slot : -1;
}

std::vector<std::string> WizardSnapshot::lines(FieldId field) const {
    const std::vector<std::string>* slot = linesOf(*this, field);
    return slot != nullptr ? *slot : std::vector<std::string>();
}

std::optional<bool> WizardSnapshot::enabled(FieldId field) const {
    switch (field) {
    case FieldId::Diagram:
    case FieldId::Requirements:
        return options.switchesEnabled;
    case FieldId::Pitch:
        return geometry.pitchEnabled;
    case FieldId::FreeLength:
        return geometry.freeLengthEnabled;
    case FieldId::LengthL1:
    case FieldId::LengthL2:
    case FieldId::LengthL3:
    case FieldId::DiagramF1:
    case FieldId::DiagramF2:
    case FieldId::DiagramF3:
        return geometry.diagramEnabled;
    case FieldId::BreakCoils:
        return geometry.breakCoilsEnabled;
    case FieldId::TitleDocument:
    case FieldId::TitleOrganisation:
    case FieldId::TitleDeveloper:
    case FieldId::TitleChecker:
        return options.eskd;
    default:
        return std::nullopt;
    }
}

std::string* textSlot(WizardSnapshot& values, FieldId field) {
    return textOf(values, field);
}

bool* switchSlot(WizardSnapshot& values, FieldId field) {
    return switchOf(values, field);
}

int* itemSlot(WizardSnapshot& values, FieldId field) {
    return itemOf(values, field);
}

std::vector<std::string>* linesSlot(WizardSnapshot& values, FieldId field) {
    return linesOf(values, field);
}

} // namespace torvelix::workflow
