// The designer's choices on the class and inputs pages, by name.
#pragma once

namespace torvelix::calc {

// The spring's kind: one wire, or a three-strand cable.
enum class SpringKind { SingleStrand, ThreeStrand };

// Which tensile strength of the wire's range tau3 is taken from.
enum class StrengthChoice { Minimum, Mean, Maximum };

// The GOST 9389-75 wire class of the items that offer the choice.
enum class WireClass { II, IIA };

// How the spring's ends are fixed, for the stability check. None: no fixing chosen
// (the check switched off).
enum class Fixing { None, FixedFree, HingedHinged, FixedHinged, FixedFixed };

} // namespace torvelix::calc
