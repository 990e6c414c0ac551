// The computation of one standard spring of the class's spring table by the method
// of GOST 13765-86, and the input parsing of the inputs page.
#pragma once

#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"
#include "selection_tables.h"

namespace torvelix::calc {

// Converts the inputs page into the design state in order (kind, F1, F2, h, Vmax,
// Dmin, Dmax, n2, n3), each stored at once. Throws ConversionError at the first text
// that does not convert; the members before it keep their new values.
void ParseInputs(DesignState& state, const DesignInputs& controls);

// The two roundings: mode 1 to halves (quarter thresholds), mode 2 keeps the
// hundredths and rounds the thousandths to 0, 0.005 or 0.01. A result of 0 is 0.5.
double RoundHalf(double x);
double RoundIndex(double x);
// The factor on the cable diameter d1 of a three-strand spring's solid height and pitch,
// by its rounded index i (1.029 at 4 and below, falling to 1 from 7 on).
double StrandFactorOf(double i);

// Computes the spring whose number is eNum. Returns false when the computation
// failed: the message has been shown ("Не могу найти таблицу <path>" for a table or
// field failure, "Ошибка расчета пружины № <eNum>. Проверьте исходные данные." for an
// arithmetic fault); members written before the failure keep their new values, all
// others (the check flags included) their previous ones.
bool ComputeSpring(DesignState& state, const DesignInputs& controls, const std::string& eNum,
                   MessageSink& messages);

// The same for spring number `number` of the tables one selection has read: the row
// is taken from the lines read, the wire table is read once for all candidates. The
// results and messages are those of the computation above with the number as text.
bool ComputeSpring(DesignState& state, const DesignInputs& controls, long long number,
                   SelectionTables& tables, MessageSink& messages);

// The five values of a spring-table row: F3 in N, d (or cable d1), D1 in mm, c1 in
// N/mm, s3' in mm.
struct SpringRowValues {
    double F3 = 0, d = 0, D1 = 0, c1 = 0, s3p = 0;
};

// The same for a spring that is no line of a table, given by its row values; `wire` is
// the wire table read from wirePath (named in the message of a wire row that does not
// convert). The failure message of an arithmetic fault names the spring by springName:
// "Ошибка расчета пружины " + springName + ". Проверьте исходные данные."
bool ComputeSpring(DesignState& state, const DesignInputs& controls, const SpringRowValues& row,
                   const std::string& springName, const WireTable& wire,
                   const std::string& wirePath, MessageSink& messages);

} // namespace torvelix::calc
