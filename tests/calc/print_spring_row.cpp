// Prints the row the C++ row method builds for each line "item d D1" of standard input
// (class item 0 .. 10 of the tables in the folder given as the argument), as
// "F3 c1 s3'" with 17 significant digits, or "error: <message>"; the generator's tests
// (tools/test_row_method.py) compare it with the generator's own computation.
#include "class_record.h"
#include "custom_spring.h"
#include "errors.h"
#include "number_format.h"
#include "number_parse.h"
#include "row_method.h"
#include "selection_tables.h"
#include "table_fields.h"
#include "table_files.h"
#include "table_layouts.h"

#include <iostream>
#include <sstream>
#include <string>

using namespace torvelix;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: print_spring_row DATA_DIR < lines of: item d D1\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const calc::WireTable wire =
        calc::readWireTable({}, folder + tables::kWireTableNumber + ".dat");
    const std::string classPath = folder + tables::kClassTableNumber + ".dat";
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        std::string itemText, dText, outerText;
        fields >> itemText >> dText >> outerText;
        try {
            const auto item = static_cast<int>(parseInteger(itemText));
            const tables::ClassRecord* record = tables::classRecordOf(item);
            if (!record) {
                throw UserError("no class item " + itemText);
            }
            const double tauFactor = parseTableNumber(tables::fieldAt(
                tables::ReadTableLine(classPath, item + 1LL), tables::class_layout::kTauFactor));
            const double d = parseNumber(dText);
            calc::checkRowDiameters(record->threeStrand, d, parseNumber(outerText));
            const calc::RowMethodInput input{
                record->threeStrand,
                calc::rowMethodTau3(*record, tauFactor, calc::WireClass::II, wire, d), d,
                parseNumber(outerText)};
            const calc::ComputedRow row = calc::springRow(input);
            std::cout << formatGeneral(row.F3, 17) << ' ' << formatGeneral(row.c1, 17) << ' '
                      << formatGeneral(row.s3p, 17) << '\n';
        } catch (const UserError& e) {
            std::cout << "error: " << e.what() << '\n';
        }
    }
    return 0;
}
