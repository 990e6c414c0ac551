// The row method of GOST 13765-86: the force F3, coil stiffness c1 and coil deflection
// s3' of a spring of given wire (or cable) diameter and outer diameter, computed as the
// standard's spring tables are (tools/gen_tables.py writes the shipped tables by it).
#pragma once

namespace torvelix::calc {

// Shear modulus of spring steel, MPa, and density, kg/m^3, as the computation takes them.
inline constexpr double kSteelShearModulusMPa = 78500;
inline constexpr double kSteelDensityKgPerM3 = 8000;

// The index range the method covers: 4 <= (D1 - d) / d <= 12.
inline constexpr double kRowIndexMin = 4;
inline constexpr double kRowIndexMax = 12;

// What the method needs of a spring. Millimetres and MPa.
struct RowMethodInput {
    bool threeStrand = false; // a cable of three wires; d is then the cable diameter d1
    double tau3 = 0;          // the class's highest shear stress for this wire, MPa
    double d = 0;             // wire diameter d, or cable diameter d1
    double D1 = 0;            // outer diameter
};

// One row of a spring table: F3 in N, c1 in N/mm, s3' in mm.
struct ComputedRow {
    double F3 = 0;
    double c1 = 0;
    double s3p = 0;
};

// Throws UserError with the reason when the method does not cover the diameters: one
// that is not finite, d <= 0, D1 <= d, or an index (D1 - d) / d outside 4 .. 12.
void checkRowDiameters(bool threeStrand, double d, double D1);

// The same, and tau3 finite and above zero.
void checkRowMethodInput(const RowMethodInput& input);

// The force at which the spring reaches tau3: single-strand by the Wahl-corrected
// stress 8 k F D / (pi d^3), three-strand by tau = 1.82 F i / d1^2, with the exact
// index or the index as the strength check rounds it, whichever gives the lower force.
// The input must pass checkRowMethodInput.
double rowCapacity(const RowMethodInput& input);

// The row of the spring. F3 is rowCapacity, lowered by at most a few units in the
// last place where the strength check's own arithmetic would put the stress a hair
// above tau3, so that a spring at its capacity passes that check. c1 and s3' are what
// a table row holds for that force: single-strand c1 = G d^4 / (8 D^3) to four
// significant digits and s3' = F3 / c1 to three; three-strand s3' the cable's
// deflection, at most what keeps the free pitch at 0.6 D, cut to three significant
// digits, and c1 = F3 / s3' to four. Throws UserError as checkRowMethodInput.
ComputedRow springRow(const RowMethodInput& input);

} // namespace torvelix::calc
