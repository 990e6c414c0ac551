// The numbered list of technical requirements written on the drawing: the eleven items
// built from the page controls, and DrawTechRequirements, which asks for the list's
// lower-left corner and writes the lines upward from it.
#pragma once

#include "cad_automation.h"
#include "message_sink.h"

#include <array>
#include <string>

namespace torvelix::cad {

// The switches and texts of the technical-requirements page, as plain values.
struct TechRequirementControls {
    bool ckb6Num = false, ckb6G = false, ckb6Tau = false, ckb6Nav = false, ckb6L = false;
    bool ckb6n = false, ckb6n1 = false, ckb6HRC = false, ckb6Dc = false, ckb6Sprav = false;
    bool ckb6TT = false;
    std::string e6Num, comb6Gost = "ГОСТ 13766-86", e6G, e6Tau, comb6Naviv = "правое";
    std::string e6L, e6n, e6n1, e6HRC, e6Dc, e6TT;
    std::string comb6Kontrol = "контрольного стержня"; // the text the box shows
    int comb6KontrolIndex = -1;                        // its selected item, -1 when none
};

// TtLines holds the thirteen lines in item order: items 1, 2, then item 3's numbered and
// continuation lines, items 4 .. 10, then item 11's two lines. Lines of items that are
// off stay empty. count is the number of items on.
struct TechRequirements {
    std::array<bool, 11> TtFlags{};
    std::array<std::string, 13> TtLines{};
    int count = 0;
};

inline constexpr const char* kTtCadNotLoaded =
    "Операция недоступна !\r\nПредварительно необходимо загрузить AutoCAD R14.";

TechRequirements buildTechRequirements(const TechRequirementControls& controls);

// The requirement's own line index in TtLines and whether it has a continuation line.
int ttLineIndex(int item);
bool ttHasContinuation(int item);

// Attaches afresh, asks for the lower-left corner and writes the items from 11 down to 1,
// text height 4.5 and line pitch 8.2 times DIMSCALE. Failures of the CAD application are
// shown through sink (what was written stays); other errors pass on.
void DrawTechRequirements(TechRequirements tt, CadConnector& connector, MessageSink& sink);

} // namespace torvelix::cad
