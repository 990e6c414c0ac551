// The one design state of a run: inputs, class values, the chosen spring's table
// values, every computed quantity and the four check flags. Steps read and overwrite
// it in place; it always describes the spring computed last.
// Units: N, mm, m/s, MPa, kg, mm^3, mJ.
#pragma once

#include "choices.h"
#include "class_record.h"
#include "table_files.h"

#include <string>

namespace torvelix::calc {

struct DesignState {
    // Inputs and choices.
    calc::SpringKind SpringKind = SpringKind::SingleStrand;
    double F1 = 0, F2 = 0, h = 0, Vmax = 0, Dmin = 0, Dmax = 0, n2 = 0, n3 = 0;
    tables::ClassGroup ClassGroup = tables::ClassGroup::I;
    std::string SpringGost;
    double TauFactor = 0;
    calc::StrengthChoice StrengthChoice = StrengthChoice::Minimum;

    // Bounds of the preliminary selection and material constants.
    double DeltaMin = 0, DeltaMax = 0, F3min = 0, F3max = 0;
    double G = 0;   // shear modulus, MPa
    double Rho = 0; // density, kg/m^3

    // The standard spring's table values.
    double F3 = 0, d = 0, d1 = 0, D1 = 0, c1 = 0, s3p = 0; // s3p is s3'

    // Computed quantities.
    double tau3 = 0, Vk = 0, c = 0, n = 0, n1 = 0, D = 0, D2 = 0, i = 0;
    double StrandFactor = 0;
    double s1 = 0, s2 = 0, s3 = 0, L0 = 0, L1 = 0, L2 = 0, L3 = 0, t = 0;
    double tau1 = 0, tau2 = 0, LayAngle = 0, StressFactor = 0, tau = 0, Mu = 0;
    double L = 0, m = 0, V = 0, U = 0;

    // Check flags of the spring computed last.
    bool Collision = false;
    bool IndexOut = false;
    bool Overstress = false;
    bool Unstable = false;

    // Program-wide table values.
    tables::TableState tables;
};

} // namespace torvelix::calc
