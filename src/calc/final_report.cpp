// The final calculation: the chosen spring computed again and its report as a record of
// labelled values (the memo, the document and the command line are written from it).
#include "class_record.h"
#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"
#include "report_values.h"
#include "selection.h"
#include "spring_calc.h"
#include "table_cache.h"
#include "table_fields.h"

namespace torvelix::calc {

namespace {

constexpr NumberFormat kFixed{NumberStyle::Fixed, 6};
constexpr NumberFormat kGeneral{NumberStyle::General, 6};

ReportValue value(const char* key, const char* symbol, const char* label, const char* unit,
                  NumberFormat format, double number) {
    ReportValue v;
    v.key = key;
    v.symbol = symbol;
    v.label = label;
    v.unit = unit;
    v.format = format;
    v.value = number;
    return v;
}

ReportValue listItem(ReportValue v, const char* heading = "") {
    v.listItem = true;
    v.listHeading = heading;
    return v;
}

} // namespace

// The report's values shared with the custom spring's report (report_values.h).
std::vector<ReportValue> inputValues(const DesignState& s) {
    return {
        value("F1", "F1", "Сила при предварительной деформации", "Н", kFixed, s.F1),
        value("F2", "F2", "Сила при рабочей деформации", "Н", kFixed, s.F2),
        value("h", "h", "Рабочий ход", "мм", kFixed, s.h),
        value("Vmax", "Vmax", "Скорость перемещения подвижного конца", "м/с", kFixed, s.Vmax),
        value("Dmin", "Dn", "Наружный диаметр (min)", "мм", kFixed, s.Dmin),
        value("Dmax", "Dn", "Наружный диаметр (max)", "мм", kFixed, s.Dmax),
    };
}

// The values from the mean diameter on, after the wire lines.
void appendComputedValues(std::vector<ReportValue>& r, const DesignState& s) {
    r.push_back(value("D", "D", "Средний диаметр", "мм", kGeneral, s.D));
    r.push_back(value("D1", "D1", "Наружный диаметр", "мм", kGeneral, s.D1));
    r.push_back(value("D2", "D2", "Внутренний диаметр", "мм", kFixed, s.D2));
    r.push_back(value("c1", "с1", "Жесткость одного витка", "Н/мм", kFixed, s.c1));
    r.push_back(value("c", "с", "Жесткость пружины", "Н/мм", kFixed, s.c));
    r.push_back(value("Vk", "Vk", "Критическая скорость", "м/с", kFixed, s.Vk));
    r.push_back(value("n", "n", "Число рабочих витков", "", {NumberStyle::General, 4}, s.n));
    r.push_back(value("n1", "n1", "Полное число витков", "", kGeneral, s.n1));
    r.push_back(value("i", "i", "Индекс", "", kGeneral, s.i));
    r.push_back(value("s1", "s1", "Предварительная деформация", "мм", kFixed, s.s1));
    r.push_back(value("s2", "s2", "Рабочая деформация", "мм", kFixed, s.s2));
    r.push_back(value("s3", "s3", "Максимальная деформация", "мм", kFixed, s.s3));
    r.push_back(value("s3p", "s\"3", "Максимальная деформация одного витка", "мм", kFixed, s.s3p));
    r.push_back(value("L0", "L0", "Длина в свободном состоянии", "мм", kFixed, s.L0));
    r.push_back(listItem(value("L1", "L1", "при предварительной деформации", "мм", kFixed, s.L1)));
    r.push_back(listItem(value("L2", "L2", "при рабочей деформации", "мм", kFixed, s.L2)));
    r.push_back(listItem(value("L3", "L3", "при максимальной деформации", "мм", kFixed, s.L3)));
    r.push_back(value("L", "L", "Длина развернутой проволоки", "мм", kFixed, s.L));
    r.push_back(value("t", "t", "Шаг в свободном состоянии", "мм", kFixed, s.t));
    r.push_back(listItem(value("tau1", "tau1", "предварительной деформации", "МПа", kFixed, s.tau1),
                         "Напряжение при"));
    r.push_back(listItem(value("tau2", "tau2", "рабочей деформации", "МПа", kFixed, s.tau2)));
    r.push_back(
        value("tau3", "tau3", "Максимальное касательное напряжение", "МПа", kFixed, s.tau3));
    r.push_back(value("tau", "tau", "Расчетное касательное напряжение", "МПа", kFixed, s.tau));
    r.push_back(value("m", "m", "Масса", "кг", kFixed, s.m));
    r.push_back(value("V", "V", "Занимаемый объем", "мм^3", kFixed, s.V));
    r.push_back(value("U", "U", "Макс. энергия при рабочей деформации", "мДж", kFixed, s.U));
}

ReportOutcome finalCalculation(DesignState& s, const DesignInputs& controls,
                               MessageSink& messages) {
    ReportOutcome out;
    if (controls.eNum == "0" || controls.eNum.empty()) {
        messages.show(MessageIcon::Warning, "По стандарту пружину подобрать нельзя.\r"
                                            "Не выбран номер рассчитываемой пружины!");
        return out;
    }
    out.replaceReport = true;
    if (!ComputeSpring(s, controls, controls.eNum, messages)) {
        // A report from the previous spring's values would be wrong: none is made.
        return out;
    }

    ReportRecord& r = out.report.emplace();
    r.inputs = inputValues(s);
    const tables::ClassRecord& record = tables::classRecordOrNone(controls.classItem);
    if (record.wireClassChoice()) {
        // The captions begin with the list's "- ".
        const std::string caption =
            controls.wire == WireClass::II ? kWireClassIICaption : kWireClassIIACaption;
        r.blankStandard = caption.substr(2);
    } else {
        r.blankStandard = controls.LZagot;
    }
    r.springGost = s.SpringGost;
    r.numberText = controls.eNum;
    // The computation has converted the number already.
    r.number = torvelix::parseInteger(controls.eNum);

    r.results.push_back(value("F3", "F3", "Сила при максимальной деформации", "Н", kGeneral, s.F3));
    if (record.threeStrand) {
        r.results.push_back(value("d1", "d1", "Диаметр троса", "мм", kGeneral, s.d));
        // The cable's wire is written from its row's field as it stands.
        const std::string path = tables::TablePath(s.tables, s.SpringGost);
        try {
            const std::string row = tables::tableLine(s.tables, path, r.number);
            ReportValue wire =
                value("d", "d", "Диаметр проволоки", "мм", {NumberStyle::AsRead, 6}, s.d);
            wire.asRead = torvelix::cp1251ToUtf8(tables::fieldAt(row, tables::spring_layout::kD));
            r.results.push_back(wire);
        } catch (const TableIoError&) {
            messages.show(MessageIcon::Error, "Ошибка работы с файлом " + path);
        }
    } else {
        r.results.push_back(value("d", "d", "Диаметр проволоки", "мм", kGeneral, s.d));
    }
    appendComputedValues(r.results, s);
    return out;
}

} // namespace torvelix::calc
