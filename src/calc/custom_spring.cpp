// A spring outside the class's table, built by the row method and computed as a row.
#include "custom_spring.h"

#include "errors.h"
#include "number_format.h"
#include "number_parse.h"
#include "spring_calc.h"
#include "table_cache.h"
#include "table_fields.h"
#include "table_layouts.h"

namespace torvelix::calc {

namespace {

// Three wires of diameter d laid into a cable of diameter d1 = 2.155 d.
constexpr double kCablePerWire = 2.155;
// A diameter of the class's range boundary may be a hair off in binary.
constexpr double kRangeSlack = 1e-9;

int lowerStrengthField(tables::RmWire rmWire, WireClass wire) {
    using namespace tables::wire_layout;
    if (rmWire == tables::RmWire::ClassI) {
        return kClassILowerField;
    }
    return wire == WireClass::II ? kClassIILowerField : kClassIIALowerField;
}

} // namespace

std::string customSpringName(double d, double D1) {
    return "не по ГОСТ (d = " + formatGeneral(d) + " мм, D1 = " + formatGeneral(D1) + " мм)";
}

double rowMethodTau3(const tables::ClassRecord& record, double tauFactor, WireClass wire,
                     const WireTable& wireTable, double d) {
    if (record.tau3Basis != tables::Tau3Basis::FactorOfRm) {
        return tauFactor;
    }
    const std::string& row = wireTable.rowFor(d);
    const auto key = tables::wireFieldSpan(tables::wire_layout::kDiameterField);
    const auto listed = torvelix::tryParseNumber(tables::fieldAt(row, key));
    if (!wireTable.lines || wireTable.lines->size() <= 1 || !listed || *listed != d) {
        throw UserError("Диаметра " + formatGeneral(d) +
                        " мм нет в таблице проволоки ГОСТ 9389-75: предел прочности такой "
                        "проволоки неизвестен. Выберите диаметр из таблицы.");
    }
    // The same product as the spring computation's tau3 at the lower strength.
    return tauFactor * tables::WireRowField(row, lowerStrengthField(record.rmWire, wire));
}

void checkClassCoversDiameter(const DesignState& state, int classItem, double d) {
    const tables::ClassRecord* record = tables::classRecordOf(classItem);
    if (!record) {
        throw UserError("Не выбран класс пружины.");
    }
    const std::string row = tables::tableLine(
        state.tables, tables::TablePath(state.tables, tables::kClassTableNumber), classItem + 1LL);
    const auto smallest =
        torvelix::tryParseNumber(tables::fieldAt(row, tables::class_layout::kSmallestD));
    const auto largest =
        torvelix::tryParseNumber(tables::fieldAt(row, tables::class_layout::kLargestD));
    if (!smallest || !largest) {
        throw UserError("Диапазон диаметров класса в таблице классификации не читается.");
    }
    const double wire = record->threeStrand ? d / kCablePerWire : d;
    if (wire >= *smallest - kRangeSlack && wire <= *largest + kRangeSlack) {
        return;
    }
    const std::string range = formatGeneral(*smallest) + "..." + formatGeneral(*largest) + " мм";
    if (record->threeStrand) {
        throw UserError("Диаметр троса " + formatGeneral(d) +
                        " мм вне диапазона класса: проволока " + range + ", трос d1 = 2.155 d (" +
                        formatGeneral(*smallest * kCablePerWire) + "..." +
                        formatGeneral(*largest * kCablePerWire) + " мм).");
    }
    throw UserError("Диаметр проволоки " + formatGeneral(d) + " мм вне диапазона класса " + range +
                    ".");
}

RowMethodInput customRowInput(const DesignState& state, const DesignInputs& controls,
                              const WireTable& wireTable, double d, double D1) {
    const tables::ClassRecord& record = tables::classRecordOrNone(controls.classItem);
    const bool threeStrand = state.SpringKind == SpringKind::ThreeStrand;
    if (threeStrand != record.threeStrand) {
        throw UserError("Вид пружины не соответствует классу: пружины класса III трехжильные, "
                        "классов I и II одножильные.");
    }
    checkRowDiameters(threeStrand, d, D1);
    const RowMethodInput input{
        threeStrand, rowMethodTau3(record, state.TauFactor, controls.wire, wireTable, d), d, D1};
    checkRowMethodInput(input);
    return input;
}

bool computeCustomSpring(DesignState& state, const DesignInputs& controls, double d, double D1,
                         MessageSink& messages) {
    ParseInputs(state, controls);
    state.G = kSteelShearModulusMPa;
    state.Rho = kSteelDensityKgPerM3;
    checkRowDiameters(state.SpringKind == SpringKind::ThreeStrand, d, D1);

    std::string path = tables::TablePath(state.tables, tables::kClassTableNumber);
    ComputedRow row;
    WireTable wire;
    try {
        checkClassCoversDiameter(state, controls.classItem, d);
        path = tables::TablePath(state.tables, tables::kWireTableNumber);
        wire = readWireTable(state.tables, path);
        row = springRow(customRowInput(state, controls, wire, d, D1));
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + path);
        return false;
    } catch (const ConversionError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + path);
        return false;
    }
    const SpringRowValues values{row.F3, d, D1, row.c1, row.s3p};
    return ComputeSpring(state, controls, values, customSpringName(d, D1), wire, path, messages);
}

} // namespace torvelix::calc
