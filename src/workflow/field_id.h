// The fields of the design session by name: what a face types into, switches or picks,
// and what an outcome names as the field to mend. A face pairs each with its control.
#pragma once

#include <array>

namespace torvelix::workflow {

enum class FieldId {
    None,
    // The inputs page: outer-diameter range, stroke, forces, speed, support and ground coils.
    MinOuterDiameter,
    MaxOuterDiameter,
    Stroke,
    ForceF1,
    ForceF2,
    MaxSpeed,
    SupportCoils,
    GroundCoils,
    StabilityCheck, // a switch
    // The candidate and report pages.
    CandidateLines, // lines
    SpringNumber,
    ReportLines, // lines
    // The drawing options: switches, then the title block's texts.
    Diagram,
    Requirements,
    Eskd,
    TitleDocument,
    TitleOrganisation,
    TitleDeveloper,
    TitleChecker,
    // The requirement page: texts, two drop-downs picked by item, the gauge's item, and
    // the eleven switches in item order.
    ReqNumber,
    ReqGost, // an item
    ReqShearModulus,
    ReqStress,
    ReqWinding, // an item
    ReqLength,
    ReqCoils,
    ReqTotalCoils,
    ReqHardness,
    ReqGauge, // an item
    ReqGaugeDiameter,
    ReqOther,
    ItemNumber,
    ItemShearModulus,
    ItemStress,
    ItemWinding,
    ItemLength,
    ItemCoils,
    ItemTotalCoils,
    ItemHardness,
    ItemGauge,
    ItemReference,
    ItemOther,
    // The geometric parameters.
    MeanDiameter,
    WireDiameter,
    Pitch,
    WorkingCoils,
    FreeLength,
    LengthL1,
    LengthL2,
    LengthL3,
    DiagramF1,
    DiagramF2,
    DiagramF3,
    Inscribe,   // a switch
    BreakCoils, // an item
};

// How a field takes its value.
enum class FieldKind { Text, Switch, Item, Lines };

FieldKind kindOf(FieldId field);

// The requirement page's switches in item order (items 1 .. 11).
inline constexpr std::array<FieldId, 11> kRequirementItems = {
    FieldId::ItemNumber, FieldId::ItemShearModulus, FieldId::ItemStress,     FieldId::ItemWinding,
    FieldId::ItemLength, FieldId::ItemCoils,        FieldId::ItemTotalCoils, FieldId::ItemHardness,
    FieldId::ItemGauge,  FieldId::ItemReference,    FieldId::ItemOther};

// The diagram's lengths and forces in their order L0 .. L3, F1 .. F3.
inline constexpr std::array<FieldId, 7> kDiagramFields = {
    FieldId::FreeLength, FieldId::LengthL1,  FieldId::LengthL2, FieldId::LengthL3,
    FieldId::DiagramF1,  FieldId::DiagramF2, FieldId::DiagramF3};

} // namespace torvelix::workflow
