// The candidate memo: each candidate's number line, then its failed checks or its main
// values under labels of 38 characters.
#include "candidate_text.h"

#include "number_format.h"

namespace torvelix::output {

namespace {

void appendVerdicts(std::vector<std::string>& lines, const calc::SpringChecks& checks) {
    if (checks.collision.failed()) {
        lines.push_back("Происходит соударение витков.");
    }
    if (checks.index.failed()) {
        lines.push_back("Индекс пружины выходит за диапазон 4...12.");
    }
    if (checks.strength.failed()) {
        lines.push_back("Прочность пружины не выдержана.");
    }
    if (checks.stability.failed()) {
        lines.push_back("Устойчивость пружины не выдержана.");
    }
}

void appendValues(std::vector<std::string>& lines, const calc::CandidateRecord& c) {
    lines.push_back("Сила при максимальной деформации (Н) :" + formatGeneral(c.F3));
    if (c.cableWireD) {
        lines.push_back("Диаметр троса                   (мм) :" + formatGeneral(c.d));
        lines.push_back("Диаметр проволоки               (мм) :" + c.cableWireD->text);
    } else {
        lines.push_back("Диаметр проволоки               (мм) :" + formatGeneral(c.d));
    }
    lines.push_back("Наружный диаметр пружины        (мм) :" + c.D1.text);
    lines.push_back("Число рабочих витков                 :" + formatGeneral(c.n));
    lines.push_back("Высота пружины                  (мм) :" + formatFixed(c.L0));
    lines.push_back("  - при максимальной деформации      :" + formatFixed(c.L3));
    lines.push_back("  - при предварительной деформации   :" + formatFixed(c.L1));
    lines.push_back("  - при рабочей деформации           :" + formatFixed(c.L2));
    lines.push_back("Индекс  пружины                      :" + formatGeneral(c.i));
}

} // namespace

std::vector<std::string> candidateMemoLines(const calc::CandidateList& list) {
    std::vector<std::string> lines;
    for (const calc::CandidateRecord& c : list.candidates) {
        lines.push_back("Номер пружины по ГОСТ " + list.springGost +
                        "-86       :" + std::to_string(c.number));
        if (!c.computed) {
            lines.push_back("Расчет пружины не выполнен.");
        } else if (c.checks.anyFailed()) {
            appendVerdicts(lines, c.checks);
        } else {
            appendValues(lines, c);
        }
        lines.push_back("");
    }
    return lines;
}

} // namespace torvelix::output
