// A spring that is no row of its class's table: its row (F3, c1, s3') built by the row
// method of GOST 13765-86 from the class, the wire (or cable) diameter and the outer
// diameter, then computed as a table row is.
#pragma once

#include "class_record.h"
#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"
#include "row_method.h"
#include "selection_tables.h"

#include <string>

namespace torvelix::calc {

// What the report writes in place of the standard spring's number for such a spring.
inline constexpr const char* kCustomSpringDesignation =
    "не по ГОСТ 13766…13776, расчет по ГОСТ 13765-86";

// The spring's name in the computation's failure message: "не по ГОСТ (d = 1.6 мм,
// D1 = 12 мм)".
std::string customSpringName(double d, double D1);

// tau3 of the class for the row method, MPa: TauFactor times the lower tensile strength
// of the item's wire (class I, or the chosen class II or IIA) in the wire table's row for
// d, or TauFactor itself for an item that gives tau3 as a stress. Throws UserError when a
// factor item's wire table has no row for exactly d (its strength is then unknown), and
// ConversionError for a field that does not convert.
double rowMethodTau3(const tables::ClassRecord& record, double tauFactor, WireClass wire,
                     const WireTable& wireTable, double d);

// Checks that the class item covers the diameter d (a cable d1 for a three-strand
// item) by the smallest and largest wire diameter of its classification row (for a
// cable, its wires d1 / 2.155), read from state.tables. Throws UserError when it does
// not (or no item is selected), TableIoError when the classification table cannot be
// read.
void checkClassCoversDiameter(const DesignState& state, int classItem, double d);

// The method's input for the selected class: three-strand for class III, tau3 by
// rowMethodTau3. Throws UserError when the kind (state.SpringKind) is not the class's.
RowMethodInput customRowInput(const DesignState& state, const DesignInputs& controls,
                              const WireTable& wireTable, double d, double D1);

// Computes the spring of wire (or cable) diameter d and outer diameter D1 of the
// selected class from the design inputs: ParseInputs, the material constants of the
// selection, the row by springRow, then ComputeSpring with that row. The state then
// holds what a table row with these values gives (SpringGost stays the class's table).
// Throws ConversionError for an input that does not convert and UserError for a
// diameter, class or kind the method does not cover (state's row values untouched);
// a table that cannot be read shows "Не могу найти таблицу <path>" and returns false,
// as does a failed computation (its message shown).
bool computeCustomSpring(DesignState& state, const DesignInputs& controls, double d, double D1,
                         MessageSink& messages);

} // namespace torvelix::calc
