// What the eight pages of the design wizard hold, as the session leaves them: the
// choices, the texts as typed, the memos' lines, and which controls are enabled or
// shown. Only the session writes it; a face shows it in its own controls.
#pragma once

#include "choices.h"
#include "design_inputs.h"
#include "drawing_driver.h"
#include "field_id.h"
#include "tech_requirements.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace torvelix::workflow {

// The pages in their order: title, class, inputs, candidates, report, drawing options,
// technical requirements, geometric parameters.
enum class Page {
    Title,
    Class,
    Inputs,
    Candidates,
    Report,
    DrawingOptions,
    Requirements,
    Geometry
};

// The item texts of the requirement page's drop-downs.
inline constexpr std::array<const char*, 11> kSpringGostItems = {
    "ГОСТ 13766-86", "ГОСТ 13767-86", "ГОСТ 13768-86", "ГОСТ 13769-86",
    "ГОСТ 13770-86", "ГОСТ 13771-86", "ГОСТ 13772-86", "ГОСТ 13773-86",
    "ГОСТ 13774-86", "ГОСТ 13775-86", "ГОСТ 13776-86"};
inline constexpr std::array<const char*, 3> kWindingItems = {"правое", "левое", "любое"};
inline constexpr std::array<const char*, 2> kGaugeItems = {"контрольного стержня",
                                                           "контрольной гильзы"};

// The blank standard the class page shows before any class is read.
inline constexpr const char* kDefaultBlank = "Сталь горячекатаная круглая по ГОСТ 2590-71";

struct TitlePage {
    bool calculation = true; // sb01 down ("Расчет"); else sb02 ("Черчение")
};

// What the class selection shows (the class, kind and wire are in the design inputs).
struct ClassPage {
    calc::StrengthChoice strength = calc::StrengthChoice::Minimum; // rbMin, rbSer, rbMax
    std::string LN1 = "2*10", LN2 = "7", LF3 = "1,00...850", Ld = "1,00...850";
    std::string LGOST = "ГОСТ 13766-86";
    bool showWireClass = false; // the II / IIA pair stands where LZagot is
};

struct InputsPage {
    int winding = 0;                                            // rgNavivka item
    geometry::EndType finish = geometry::EndType::ClosedGround; // sb21a .. sb24a
};

struct CandidatesPage {
    std::vector<std::string> mm1;
    std::string L3Gost = "ГОСТ 13766-86";
};

struct ReportPage {
    std::vector<std::string> mm2;
    bool printEnabled = true; // bbPrint
};

struct DrawingOptionsPage {
    bool requirements = false;   // cb72 "- технические требования"
    bool switchesEnabled = true; // cb71 and cb72 (the view with a break only)
    bool eskd = false;           // cbEskd: the complete drawing on a sheet
    // The title block's document designation, organisation, developer and checker.
    std::string document, organisation, developer, checker;
};

// The requirement page: the switches and texts, plus the selected items of the two
// drop-downs the page fills by index.
struct RequirementsPage {
    cad::TechRequirementControls tt;
    int gostIndex = -1;    // comb6Gost
    int windingIndex = -1; // comb6Naviv
};

struct GeometryPage {
    std::string breakCoilsText = "2"; // cbox90's text (its item is in the drawing inputs)
    bool pitchEnabled = true;         // e9_t
    bool freeLengthEnabled = true;    // e9_L0
    bool diagramEnabled = true;       // e9_L1 .. e9_F3
    bool breakCoilsEnabled = true;    // cbox90
};

struct WizardSnapshot {
    Page page = Page::Title;
    bool priorEnabled = false, nextEnabled = true;
    TitlePage title;
    // The class, kind, wire, fixing and the inputs' texts, as the calculation reads them.
    calc::DesignInputs design;
    ClassPage klass;
    InputsPage inputs;
    CandidatesPage candidates;
    ReportPage report;
    // The view, end coils, switches and geometric texts, as the drawing reads them.
    cad::DrawingInputs drawing;
    DrawingOptionsPage options;
    RequirementsPage requirements;
    GeometryPage geometry;

    // A field's value by its id: the text of a text field or drop-down, a switch's
    // state, a drop-down's item, a memo's lines. Empty, false or -1 for a field of
    // another kind.
    std::string text(FieldId field) const;
    bool isOn(FieldId field) const;
    int item(FieldId field) const;
    std::vector<std::string> lines(FieldId field) const;
    // Whether the field takes input now; nothing for a field the session does not
    // switch on and off.
    std::optional<bool> enabled(FieldId field) const;
};

// The field's text slot (text fields and drop-downs), switch or memo; null when the
// field is of another kind.
std::string* textSlot(WizardSnapshot& values, FieldId field);
bool* switchSlot(WizardSnapshot& values, FieldId field);
int* itemSlot(WizardSnapshot& values, FieldId field);
std::vector<std::string>* linesSlot(WizardSnapshot& values, FieldId field);

} // namespace torvelix::workflow
