// The final calculation: the chosen spring computed again and its report, a list of
// text lines with fixed-width labels (shown in the window, typed into documents).
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

std::string centred(const std::string& text, std::size_t codePoints) {
    const std::size_t width = 62;
    const std::size_t left = (width - codePoints) / 2;
    return std::string(left, ' ') + text + std::string(width - codePoints - left, ' ');
}

} // namespace

std::vector<std::string> reportHeader() {
    const std::string equals(62, '=');
    return {
        equals,
        "   " + std::string(12, '_') + " Программа \" T O R V E L A \" " + std::string(15, '_') +
            "   ",
        centred("Torvelix design office, 2026", 28),
        centred("Design office  *  E-Mail: torvelix@example.org", 46),
        equals,
    };
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
        // A report from the previous spring's values would be wrong: none is written.
        return out;
    }

    auto& r = out.mm2;
    r = reportHeader();
    r.push_back("");
    r.push_back("===================== Исходные данные ========================");
    r.push_back("");
    r.push_back("Сила при предварительной деформации,   F1,   (Н)   : " + formatFixed(s.F1));
    r.push_back("Сила при рабочей деформации,           F2,   (Н)   : " + formatFixed(s.F2));
    r.push_back("Рабочий ход,                           h,    (мм)  : " + formatFixed(s.h));
    r.push_back("Скорость перемещения подвижного конца, Vmax, (м/с) : " + formatFixed(s.Vmax));
    r.push_back("Наружный диаметр (min),                Dn,   (мм)  : " + formatFixed(s.Dmin));
    r.push_back("Наружный диаметр (max),                Dn,   (мм)  : " + formatFixed(s.Dmax));
    r.push_back("Стандарт на заготовку:");
    const tables::ClassRecord& record = tables::classRecordOrNone(controls.classItem);
    if (record.wireClassChoice()) {
        r.push_back(controls.wire == WireClass::II ? kWireClassIICaption : kWireClassIIACaption);
    } else {
        r.push_back("- " + controls.LZagot);
    }
    r.push_back("");
    r.push_back("==================== Результаты расчетов =====================");
    r.push_back("");
    r.push_back("Номер пружины по ГОСТ " + s.SpringGost + "-86" + std::string(21, ' ') + ": " +
                controls.eNum);
    r.push_back("");
    r.push_back("Сила при максимальной деформации,      F3,   (Н)   : " + formatGeneral(s.F3));
    if (record.threeStrand) {
        r.push_back("Диаметр троса,                         d1,   (мм)  : " + formatGeneral(s.d));
        const std::string path = tables::TablePath(s.tables, s.SpringGost);
        try {
            const std::string row =
                tables::ReadTableLine(path, torvelix::parseInteger(controls.eNum));
            r.push_back("Диаметр проволоки,                     d,    (мм)  : " +
                        torvelix::cp1251ToUtf8(tables::fieldAt(row, tables::spring_layout::kD)));
        } catch (const TableIoError&) {
            messages.show(MessageIcon::Error, "Ошибка работы с файлом " + path);
        }
    } else {
        r.push_back("Диаметр проволоки,                     d,    (мм)  : " + formatGeneral(s.d));
    }
    r.push_back("Средний диаметр,                       D,    (мм)  : " + formatGeneral(s.D));
    r.push_back("Наружный диаметр,                      D1,   (мм)  : " + formatGeneral(s.D1));
    r.push_back("Внутренний диаметр,                    D2,   (мм)  : " + formatFixed(s.D2));
    r.push_back("Жесткость одного витка,                с1,   (Н/мм): " + formatFixed(s.c1));
    r.push_back("Жесткость пружины,                     с,    (Н/мм): " + formatFixed(s.c));
    r.push_back("Критическая скорость,                  Vk,   (м/с) : " + formatFixed(s.Vk));
    r.push_back("Число рабочих витков,                  n           : " + formatGeneral(s.n, 4));
    r.push_back("Полное число витков,                   n1          : " + formatGeneral(s.n1));
    r.push_back("Индекс,                                i           : " + formatGeneral(s.i));
    r.push_back("Предварительная деформация,            s1,   (мм)  : " + formatFixed(s.s1));
    r.push_back("Рабочая деформация,                    s2,   (мм)  : " + formatFixed(s.s2));
    r.push_back("Максимальная деформация,               s3,   (мм)  : " + formatFixed(s.s3));
    r.push_back("Максимальная деформация одного витка,  s\"3,  (мм)  : " + formatFixed(s.s3p));
    r.push_back("Длина в свободном состоянии,           L0,   (мм)  : " + formatFixed(s.L0));
    r.push_back("  -   при предварительной деформации,  L1,   (мм)  : " + formatFixed(s.L1));
    r.push_back("  -   при рабочей деформации,          L2,   (мм)  : " + formatFixed(s.L2));
    r.push_back("  -   при максимальной деформации,     L3,   (мм)  : " + formatFixed(s.L3));
    r.push_back("Длина развернутой проволоки,           L,    (мм)  : " + formatFixed(s.L));
    r.push_back("Шаг в свободном состоянии,             t,    (мм)  : " + formatFixed(s.t));
    r.push_back("Напряжение при ");
    r.push_back("  -   предварительной деформации,      tau1, (МПа) : " + formatFixed(s.tau1));
    r.push_back("  -   рабочей деформации,              tau2, (МПа) : " + formatFixed(s.tau2));
    r.push_back("Максимальное касательное напряжение,   tau3, (МПа) : " + formatFixed(s.tau3));
    r.push_back("Расчетное касательное напряжение,      tau,  (МПа) : " + formatFixed(s.tau));
    r.push_back("Масса,                                 m,    (кг)  : " + formatFixed(s.m));
    r.push_back("Занимаемый объем,                      V,    (мм^3): " + formatFixed(s.V));
    r.push_back("Макс. энергия при рабочей деформации,  U,    (мДж) : " + formatFixed(s.U));
    r.push_back(" ");
    r.push_back(std::string(62, '='));
    return out;
}

} // namespace torvelix::calc
