// The preliminary selection: the class's spring table filtered by F3 (the relative
// inertia gap of GOST 13765-86 around F2) and by the outer-diameter range; every
// fitting spring computed and listed with its verdicts or its main dimensions.
#include "cp1251.h"
#include "errors.h"
#include "number_format.h"
#include "selection.h"
#include "spring_calc.h"
#include "number_parse.h"
#include "table_fields.h"

namespace torvelix::calc {

namespace {

struct Candidate {
    long long number;  // the row's line number in the spring table
    std::string row;   // the row exactly as read (Windows-1251)
};

// The entry of the candidate list: the number padded with blanks to four characters,
// then the row.
std::string EntryText(const Candidate& c) {
    std::string entry = std::to_string(c.number);
    if (entry.size() < 4) {
        entry.append(4 - entry.size(), ' ');
    }
    return entry + c.row;
}

void AppendDataLines(std::vector<std::string>& mm1, const DesignState& s, int classItem,
                     const std::string& row) {
    const bool threeStrandClass = classItem >= 8 && classItem <= 10;
    mm1.push_back("Сила при максимальной деформации (Н) :" + FormatGeneral(s.F3));
    if (threeStrandClass) {
        mm1.push_back("Диаметр троса                   (мм) :" + FormatGeneral(s.d));
        mm1.push_back("Диаметр проволоки               (мм) :" +
                      torvelix::Cp1251ToUtf8(tables::Field(row, 8, 5)));
    } else {
        mm1.push_back("Диаметр проволоки               (мм) :" + FormatGeneral(s.d));
    }
    mm1.push_back("Наружный диаметр пружины        (мм) :" +
                  torvelix::Cp1251ToUtf8(tables::Field(row, 14, 4)));
    mm1.push_back("Число рабочих витков                 :" + FormatGeneral(s.n));
    mm1.push_back("Высота пружины                  (мм) :" + FormatFixed(s.L0));
    mm1.push_back("  - при максимальной деформации      :" + FormatFixed(s.L3));
    mm1.push_back("  - при предварительной деформации   :" + FormatFixed(s.L1));
    mm1.push_back("  - при рабочей деформации           :" + FormatFixed(s.L2));
    mm1.push_back("Индекс  пружины                      :" + FormatGeneral(s.i));
}

} // namespace

std::string CandidateEntry(long long number, const std::string& row) {
    return EntryText(Candidate{number, row});
}

SelectionOutcome PreliminarySelection(DesignState& s, ControlStates& controls,
                                      MessageSink& messages) {
    SelectionOutcome out;
    ParseInputs(s, controls);

    if (s.ClassGroup == 2) {
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
        lines = tables::ReadAllTableLines(path);
    } catch (const TableIoError&) {
        messages.show(MessageIcon::Error, "Не могу найти таблицу " + path);
        return out;
    }

    std::vector<Candidate> candidates;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const double f3 = torvelix::ParseTableNumber(tables::Field(lines[k], 1, 6));
        if (s.F3min <= f3 && f3 <= s.F3max) {
            candidates.push_back({static_cast<long long>(k + 1), lines[k]});
        }
    }
    std::vector<Candidate> fits;
    for (const auto& c : candidates) {
        // The outer diameter is converted over five columns (14-18).
        const double d1 = torvelix::ParseTableNumber(tables::Field(c.row, 14, 5));
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
        const bool computed = ComputeSpring(s, controls, controls.eNum, messages);
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
            controls.eNum = "0";
        } else {
            AppendDataLines(out.mm1, s, controls.classItem, c.row);
        }
        out.mm1.push_back("");
    }
    return out;
}

} // namespace torvelix::calc
