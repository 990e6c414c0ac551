// What the calculation reads of the design: the class, kind, wire class, stability
// check and fixing by name, and the inputs' texts as typed. The design session holds
// it and hands it to the calculation as it stands.
#pragma once

#include "choices.h"

#include <optional>
#include <string>

namespace torvelix::calc {

struct DesignInputs {
    int classItem = 0; // rgKlas item index 0 .. 10 (-1: none selected)
    // The kind item selected in cbVid; none while its text is typed over.
    std::optional<SpringKind> kind;
    WireClass wire = WireClass::II;     // rg1Mat1 (II) or rg1Mat2 (IIA) checked
    bool stabilityCheck = true;         // cbUstoshivost checked
    Fixing fixing = Fixing::FixedFixed; // sb21 .. sb24 down; None for the hidden sb25

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
