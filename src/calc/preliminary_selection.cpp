// The preliminary selection: the class's spring table filtered by F3 (the relative
// inertia gap of GOST 13765-86 around F2) and by the outer-diameter range; every
// fitting spring computed and listed with its verdicts or its main dimensions.
#include "class_record.h"
#include "cp1251.h"
#include "errors.h"
#include "number_format.h"
#include "number_parse.h"
#include "selection.h"
#include "spring_calc.h"
#include "table_fields.h"
#include "table_files.h"

namespace torvelix::calc {

namespace {

struct Candidate {
    long long number;       // the row's line number in the spring table
    const std::string* row; // the row exactly as read (Windows-1251)
};

// The entry of the candidate list: the number padded with blanks to four characters,
// then the row.
std::string entryText(long long number, const std::string& row) {
    std::string entry = std::to_string(number);
    if (entry.size() < 4) {
        entry.append(4 - entry.size(), ' ');
    }
    return entry + row;
}

void appendDataLines(std::vector<std::string>& mm1, const DesignState& s, int classItem,
                     const std::string& row) {
    using namespace tables::spring_layout;
    mm1.push_back("Сила при максимальной деформации (Н) :" + formatGeneral(s.F3));
    if (tables::classRecordOrNone(classItem).threeStrand) {
        mm1.push_back("Диаметр троса                   (мм) :" + formatGeneral(s.d));
        mm1.push_back("Диаметр проволоки               (мм) :" +
                      torvelix::cp1251ToUtf8(tables::fieldAt(row, kD)));
    } else {
        mm1.push_back("Диаметр проволоки               (мм) :" + formatGeneral(s.d));
    }
    mm1.push_back("Наружный диаметр пружины        (мм) :" +
                  torvelix::cp1251ToUtf8(tables::fieldAt(row, kOuterD)));
    mm1.push_back("Число рабочих витков                 :" + formatGeneral(s.n));
    mm1.push_back("Высота пружины                  (мм) :" + formatFixed(s.L0));
    mm1.push_back("  - при максимальной деформации      :" + formatFixed(s.L3));
    mm1.push_back("  - при предварительной деформации   :" + formatFixed(s.L1));
    mm1.push_back("  - при рабочей деформации           :" + formatFixed(s.L2));
    mm1.push_back("Индекс  пружины                      :" + formatGeneral(s.i));
}

} // namespace

std::string candidateEntry(long long number, const std::string& row) {
    return entryText(number, row);
}

SelectionOutcome preliminarySelection(DesignState& s, DesignInputs& controls,
                                      MessageSink& messages) {
    SelectionOutcome out;
    ParseInputs(s, controls);

    if (s.ClassGroup == tables::ClassGroup::III) {
        s.DeltaMin = 0.15;
        s.DeltaMax = 0.4;
    } else {
        s.DeltaMin = 0.05;
        s.DeltaMax = 0.25;
    }
    s.F3min = s.F2 / (1 - s.DeltaMin);
    s.F3max = s.F2 / (1 - s.DeltaMax);
    s.G = 78500;
    s.Rho = 8000;

    const std::string path = tables::TablePath(s.tables, s.SpringGost);
    std::vector<std::string> lines;
    try {
        lines = tables::readAllTableLines(path);
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + path);
        return out;
    }

    // Every candidate is computed from the lines read here and one read of the wire
    // table.
    SelectionTables read(path, std::move(lines),
                         tables::TablePath(s.tables, tables::kWireTableNumber));
    const auto& rows = read.springLines();
    using namespace tables::spring_layout;
    std::vector<Candidate> candidates;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double f3 = torvelix::parseTableNumber(tables::fieldAt(rows[k], kF3));
        if (s.F3min <= f3 && f3 <= s.F3max) {
            candidates.push_back({static_cast<long long>(k + 1), &rows[k]});
        }
    }
    std::vector<Candidate> fits;
    for (const auto& c : candidates) {
        const double d1 = torvelix::parseTableNumber(tables::fieldAt(*c.row, kOuterDFilter));
        if (s.Dmin <= d1 && d1 <= s.Dmax) {
            fits.push_back(c);
        }
    }

    controls.eNum = "0";
    if (fits.empty()) {
        messages.show(MessageIcon::Warning,
                      "По стандарту пружину подобрать нельзя.\rИзмените исходные данные.");
        out.clearReport = true;
        return out;
    }

    for (const auto& c : fits) {
        controls.eNum = std::to_string(c.number);
        const bool computed = ComputeSpring(s, controls, c.number, read, messages);
        out.mm1.push_back("Номер пружины по ГОСТ " + s.SpringGost + "-86       :" + controls.eNum);
        if (!computed) {
            // Nothing of this spring is known: list none of the previous spring's values.
            out.mm1.push_back("Расчет пружины не выполнен.");
            controls.eNum = "0";
            out.mm1.push_back("");
            continue;
        }
        if (s.Collision) {
            out.mm1.push_back("Происходит соударение витков.");
        }
        if (s.IndexOut) {
            out.mm1.push_back("Индекс пружины выходит за диапазон 4...12.");
        }
        if (s.Overstress) {
            out.mm1.push_back("Прочность пружины не выдержана.");
        }
        if (s.Unstable) {
            out.mm1.push_back("Устойчивость пружины не выдержана.");
        }
        if (s.Collision || s.IndexOut || s.Overstress || s.Unstable) {
            controls.eNum = std::string("0"); // moved in: GCC 12 -Wrestrict misfires on "0"
        } else {
            appendDataLines(out.mm1, s, controls.classItem, *c.row);
        }
        out.mm1.push_back("");
    }
    return out;
}

} // namespace torvelix::calc
