// The final calculation's result as data: every value of the report with its symbol,
// label, unit and number format, and the report's few texts. Formatters write the memo,
// the document and the command line's text from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvelix::calc {

enum class NumberStyle {
    Fixed,   // three decimals (formatFixed)
    General, // the shortest form with `digits` significant digits (formatGeneral)
    AsRead,  // the table's field exactly as read (ReportValue::asRead)
};

struct NumberFormat {
    NumberStyle style = NumberStyle::Fixed;
    int digits = 6; // significant digits of the general form
};

struct ReportValue {
    std::string key;    // a unique ASCII name: "F1", "Dmin", "s3p", "tau1"
    std::string symbol; // as the report writes it: "F1", "Dn", "s\"3", "с1" (Cyrillic с)
    // "Сила при предварительной деформации"; for an item of a list its own words
    // ("при предварительной деформации"), read after the line or heading before it.
    std::string label;
    std::string unit; // "Н", "мм", "Н/мм", "м/с", "МПа", "кг", "мм^3", "мДж"; empty: none
    NumberFormat format;
    double value = 0;        // in that unit
    std::string asRead;      // NumberStyle::AsRead: the field's text (UTF-8, blanks kept)
    bool listItem = false;   // one item of a list under the line or heading before it
    std::string listHeading; // a heading line of its own that opens the list at this item
};

struct ReportRecord {
    std::vector<ReportValue> inputs; // F1, F2, h, Vmax, Dmin, Dmax
    // The blank's standard: the wire class for an item that offers the choice, else the
    // classification row's text (its trailing blanks kept).
    std::string blankStandard;
    std::string springGost; // the spring table's standard number, "13766"
    std::string numberText; // the spring number exactly as typed
    long long number = 0;
    // A spring of no table (custom_report.h): numberText then says so, number is 0.
    bool customSpring = false;
    std::vector<ReportValue> results; // F3 .. U in the report's order

    // The value with the given key; null when the report has none (the cable's wire
    // line of a three-strand report whose row could not be read again).
    const ReportValue* find(std::string_view key) const {
        for (const auto* list : {&inputs, &results}) {
            for (const ReportValue& value : *list) {
                if (value.key == key) {
                    return &value;
                }
            }
        }
        return nullptr;
    }
};

} // namespace torvelix::calc
