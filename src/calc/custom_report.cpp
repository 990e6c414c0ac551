// The custom spring's report: the blank's standard as for the class, F3 and the wire
// (for a three-strand spring the cable's diameter) lines, then the computed values.
#include "custom_report.h"

#include "class_record.h"
#include "custom_spring.h"
#include "report_values.h"

namespace torvelix::calc {

namespace {

ReportValue generalValue(const char* key, const char* label, const char* unit, double number) {
    ReportValue v;
    v.key = key;
    v.symbol = key;
    v.label = label;
    v.unit = unit;
    v.format = {NumberStyle::General, 6};
    v.value = number;
    return v;
}

} // namespace

std::optional<ReportRecord> customSpringReport(DesignState& s, const DesignInputs& controls,
                                               double d, double D1, MessageSink& messages) {
    if (!computeCustomSpring(s, controls, d, D1, messages)) {
        return std::nullopt;
    }
    ReportRecord r;
    r.inputs = inputValues(s);
    const tables::ClassRecord& record = tables::classRecordOrNone(controls.classItem);
    if (record.wireClassChoice()) {
        const std::string caption =
            controls.wire == WireClass::II ? kWireClassIICaption : kWireClassIIACaption;
        r.blankStandard = caption.substr(2);
    } else {
        r.blankStandard = controls.LZagot;
    }
    r.springGost = s.SpringGost;
    r.customSpring = true;
    r.numberText = kCustomSpringDesignation;
    r.results.push_back(generalValue("F3", "Сила при максимальной деформации", "Н", s.F3));
    if (record.threeStrand) {
        r.results.push_back(generalValue("d1", "Диаметр троса", "мм", s.d));
    } else {
        r.results.push_back(generalValue("d", "Диаметр проволоки", "мм", s.d));
    }
    appendComputedValues(r.results, s);
    return r;
}

} // namespace torvelix::calc
