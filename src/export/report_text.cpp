// The report memo: a banner, then the values in fixed columns counted in characters
// (the labels are Cyrillic, two bytes a character in UTF-8).
#include "report_text.h"

#include "number_format.h"
#include "utf8.h"

namespace torvelix::output {

namespace {

constexpr std::size_t kReportWidth = 62;

std::string centred(const std::string& text) {
    const std::size_t characters = countCharacters(text);
    const std::size_t left = (kReportWidth - characters) / 2;
    return std::string(left, ' ') + text + std::string(kReportWidth - characters - left, ' ');
}

// The text followed by blanks up to `width` characters (none when it is as long).
std::string padded(const std::string& text, std::size_t width) {
    const std::size_t characters = countCharacters(text);
    return characters >= width ? text : text + std::string(width - characters, ' ');
}

std::string valueLine(const calc::ReportValue& v) {
    const std::string label = (v.listItem ? "  -   " : "") + v.label + ",";
    const std::string symbol = v.unit.empty() ? v.symbol : v.symbol + ",";
    const std::string unit = v.unit.empty() ? "" : "(" + v.unit + ")";
    return padded(label, 39) + padded(symbol, 6) + padded(unit, 6) + ": " + reportNumber(v);
}

void appendValues(std::vector<std::string>& lines, const std::vector<calc::ReportValue>& values) {
    for (const calc::ReportValue& v : values) {
        if (!v.listHeading.empty()) {
            lines.push_back(v.listHeading + " ");
        }
        lines.push_back(valueLine(v));
    }
}

} // namespace

std::vector<std::string> reportHeader() {
    const std::string equals(kReportWidth, '=');
    return {
        equals,
        "   " + std::string(12, '_') + " Программа \" T O R V E L A \" " + std::string(15, '_') +
            "   ",
        centred("Torvelix design office, 2026"),
        centred("Design office  *  E-Mail: torvelix@example.org"),
        equals,
    };
}

std::string reportNumber(const calc::ReportValue& value) {
    switch (value.format.style) {
    case calc::NumberStyle::Fixed:
        return formatFixed(value.value);
    case calc::NumberStyle::General:
        return formatGeneral(value.value, value.format.digits);
    case calc::NumberStyle::AsRead:
        break;
    }
    return value.asRead;
}

std::vector<std::string> reportMemoLines(const calc::ReportRecord& report) {
    std::vector<std::string> lines = reportHeader();
    lines.push_back("");
    lines.push_back("===================== Исходные данные ========================");
    lines.push_back("");
    appendValues(lines, report.inputs);
    lines.push_back("Стандарт на заготовку:");
    lines.push_back("- " + report.blankStandard);
    lines.push_back("");
    lines.push_back("==================== Результаты расчетов =====================");
    lines.push_back("");
    if (report.customSpring) {
        // A custom spring has no number: the line says it is none of the tables'.
        lines.push_back("Пружина" + std::string(44, ' ') + ": " + report.numberText);
    } else {
        lines.push_back("Номер пружины по ГОСТ " + report.springGost + "-86" +
                        std::string(21, ' ') + ": " + report.numberText);
    }
    lines.push_back("");
    appendValues(lines, report.results);
    lines.push_back(" ");
    lines.push_back(std::string(kReportWidth, '='));
    return lines;
}

} // namespace torvelix::output
