// What the eight pages of the design wizard hold, as plain values: the choices, the
// texts as typed, the memos' lines, and which controls are enabled or shown. The
// session reads and writes these; a face (the window, the command line) copies them
// to and from its own controls.
#pragma once

#include "choices.h"
#include "drawing_state.h"
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
inline constexpr int kPageCount = 8;

// An editable drop-down: its selected item (-1: none) and the text it shows.
struct ComboValue {
    int index = -1;
    std::string text;
};

// The item texts of the requirement page's drop-downs.
inline constexpr std::array<const char*, 11> kSpringGostItems = {
    "ГОСТ 13766-86", "ГОСТ 13767-86", "ГОСТ 13768-86", "ГОСТ 13769-86",
    "ГОСТ 13770-86", "ГОСТ 13771-86", "ГОСТ 13772-86", "ГОСТ 13773-86",
    "ГОСТ 13774-86", "ГОСТ 13775-86", "ГОСТ 13776-86"};
inline constexpr std::array<const char*, 3> kWindingItems = {"правое", "левое", "любое"};
inline constexpr std::array<const char*, 2> kGaugeItems = {"контрольного стержня",
                                                           "контрольной гильзы"};

struct TitlePage {
    bool calculation = true; // sb01 down ("Расчет"); else sb02 ("Черчение")
};

struct ClassPage {
    int classItem = 0;                    // rgKlas item 0 .. 10, -1 none
    std::optional<calc::SpringKind> kind; // cbVid's item; none while its text is typed
    calc::StrengthChoice strength = calc::StrengthChoice::Minimum; // rbMin, rbSer, rbMax
    calc::WireClass wire = calc::WireClass::II;                    // rg1Mat1, rg1Mat2
    // What the class selection shows.
    std::string LN1 = "2*10", LN2 = "7", LF3 = "1,00...850", Ld = "1,00...850";
    std::string LGOST = "ГОСТ 13766-86";
    std::string LZagot = "Сталь горячекатаная круглая по ГОСТ 2590-71";
    bool showWireClass = false; // the II / IIA pair stands where LZagot is
};

struct InputsPage {
    std::string eDn1, eDn2, eH, eF1, eF2, eV; // empty until the title page fills them
    std::string eN2 = "2", eN3 = "1.5";
    int winding = 0;                                            // rgNavivka item
    calc::Fixing fixing = calc::Fixing::FixedFixed;             // sb21 .. sb24, None for sb25
    bool stabilityCheck = true;                                 // cbUstoshivost
    geometry::EndType finish = geometry::EndType::ClosedGround; // sb21a .. sb24a
};

struct CandidatesPage {
    std::vector<std::string> mm1;
    std::string L3Gost = "ГОСТ 13766-86";
    std::string eNum;
};

struct ReportPage {
    std::vector<std::string> mm2;
    bool printEnabled = true; // bbPrint
};

struct DrawingOptionsPage {
    geometry::ViewType view = geometry::ViewType::WithBreak; // sb71 .. sb74
    geometry::EndType ends = geometry::EndType::Open;        // sb51 .. sb54
    bool diagram = false;        // cb71 "- диаграмма нагружения"
    bool requirements = false;   // cb72 "- технические требования"
    bool switchesEnabled = true; // cb71 and cb72 (the view with a break only)
    bool eskd = false;           // cbEskd: the complete drawing on a sheet
};

// The requirement page: the switches and texts, plus the selected items of the two
// drop-downs the page fills by index.
struct RequirementsPage {
    cad::TechRequirementControls tt;
    int gostIndex = -1;    // comb6Gost
    int windingIndex = -1; // comb6Naviv
};

struct GeometryPage {
    std::string e9_D0, e9_d, e9_t, e9_n;
    // e9_L0, e9_L1, e9_L2, e9_L3, e9_F1, e9_F2, e9_F3.
    std::array<std::string, 7> diagram{};
    bool inscribe = false;          // cb90 "- вписать "
    ComboValue breakCoils{-1, "2"}; // cbox90
    bool pitchEnabled = true;       // e9_t
    bool freeLengthEnabled = true;  // e9_L0
    bool diagramEnabled = true;     // e9_L1 .. e9_F3
    bool breakCoilsEnabled = true;  // cbox90
};

struct WizardValues {
    Page page = Page::Title;
    bool priorEnabled = false, nextEnabled = true;
    TitlePage title;
    ClassPage klass;
    InputsPage inputs;
    CandidatesPage candidates;
    ReportPage report;
    DrawingOptionsPage options;
    RequirementsPage requirements;
    GeometryPage geometry;
};

} // namespace torvelix::workflow
