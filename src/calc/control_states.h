// The window's control states that the calculation reads, as plain values. The window
// (or the command line) fills this; the calculation never touches a widget.
#pragma once

#include <string>

namespace torvelix::calc {

struct ControlStates {
    int classItem = 0;          // rgKlas item index 0 .. 10 (-1: none selected)
    int kindItem = -1;          // cbVid item index: 0 single, 1 three-strand, -1 none
    bool wireClassII = true;    // rg1Mat1 checked (else rg1Mat2, class IIA)
    bool stabilityCheck = true; // cbUstoshivost checked
    int fixingDown = 4;         // end fixing down: 1 .. 4 for sb21 .. sb24, 0 none (sb25)

    // Texts of the inputs page, as typed.
    std::string eF1 = "20", eF2 = "80", eH = "10", eV = "3";
    std::string eDn1 = "10", eDn2 = "12", eN2 = "2", eN3 = "1.5";

    std::string eNum;   // the spring number field of the candidate page
    std::string LZagot; // text of the blank-standard label of the class page
};

// Captions of the wire-class pair, used by the report.
inline constexpr const char* kWireClassIICaption = "- Проволока класса II по ГОСТ 9389-75";
inline constexpr const char* kWireClassIIACaption = "- Проволока класса IIA по ГОСТ 9389-75";

} // namespace torvelix::calc
