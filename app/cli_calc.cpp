// `torvelix calc`: the calculation without the window, from the same defaults.
#include "class_values.h"
#include "cli_options.h"
#include "commands.h"
#include "console_messages.h"
#include "errors.h"
#include "report_docx.h"
#include "selection.h"
#include "utf8_text.h"

#include <cstdio>
#include <stdexcept>

namespace torvelix::app {

namespace {

const char* kCalcHelp =
    "Usage: torvelix calc [options]\n"
    "\n"
    "Lists the standard springs of the chosen class that fit the requirements, then\n"
    "computes one of them and prints its report, exactly as the window does. Values\n"
    "are taken as typed text (the decimal separator is the point).\n"
    "\n"
    "  --class K          class and category item 0..10 (0 = class I category 1 ...\n"
    "                     8..10 = class III, three-strand); default 0\n"
    "  --kind single|three  spring kind; three pins the class to item 8\n"
    "  --strength min|mean|max  tensile strength level of the wire; default min\n"
    "  --wire II|IIA      wire class for items 1 and 5; default II\n"
    "  --F1 X  --F2 X     forces at preliminary and working deflection, N (20, 80)\n"
    "  --h X              working stroke, mm (10)\n"
    "  --vmax X           highest speed of the moving end, m/s (3)\n"
    "  --dmin X --dmax X  outer-diameter range, mm (10, 12)\n"
    "  --n2 X  --n3 X     support coils and ground coils (2, 1.5)\n"
    "  --fixing 1|2|3|4   end fixing for the stability check: 1 fixed-free,\n"
    "                     2 hinged-hinged, 3 fixed-hinged, 4 fixed-fixed (default)\n"
    "  --no-stability     no stability check\n"
    "  --num N            spring number to report (default: the proposed one)\n"
    "  --report-only      print only the report\n"
    "  --docx FILE        also write the report as a .docx document\n"
    "\n"
    "Output: the candidate list, a line of 62 '-', then the report. Messages go to\n"
    "standard error as 'error: ...' or 'warning: ...'. Exit status: 0 success,\n"
    "1 a failure was reported, 2 bad command line.\n";

int Usage(const std::string& error) {
    std::fprintf(stderr, "torvelix calc: %s\n(see torvelix calc --help)\n",
                 EscapeInvalidUtf8(error).c_str());
    return 2;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
    }
}

} // namespace

int RunCalcCommand(const std::vector<std::string>& args, const std::string& exePath) {
    const auto options = ParseOptions(
        args,
        {"--class", "--kind", "--strength", "--wire", "--F1", "--F2", "--h", "--vmax", "--dmin",
         "--dmax", "--n2", "--n3", "--fixing", "--num", "--docx"},
        {"--no-stability", "--report-only", "--help"});
    if (!options.error.empty()) {
        return Usage(options.error);
    }
    if (options.flags.count("--help")) {
        std::fputs(kCalcHelp, stdout);
        return 0;
    }
    if (!options.positional.empty()) {
        return Usage("unexpected argument '" + options.positional.front() + "'");
    }

    calc::DesignState state;
    calc::ControlStates controls;
    const auto value = [&](const std::string& name, const std::string& fallback) {
        auto it = options.values.find(name);
        return it == options.values.end() ? fallback : it->second;
    };

    const std::string classText = value("--class", "0");
    static const char* kItems[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    int classItem = -1;
    for (int k = 0; k <= 10; ++k) {
        if (classText == kItems[k]) {
            classItem = k;
        }
    }
    if (classItem < 0) {
        return Usage("--class takes an item from 0 to 10");
    }
    const std::string kind = value("--kind", "");
    if (kind == "single") {
        controls.kind = calc::SpringKind::SingleStrand;
    } else if (kind == "three") {
        controls.kind = calc::SpringKind::ThreeStrand;
    } else if (!kind.empty()) {
        return Usage("--kind takes single or three");
    }
    const std::string strength = value("--strength", "min");
    if (strength == "min") {
        state.StrengthChoice = calc::StrengthChoice::Minimum;
    } else if (strength == "mean") {
        state.StrengthChoice = calc::StrengthChoice::Mean;
    } else if (strength == "max") {
        state.StrengthChoice = calc::StrengthChoice::Maximum;
    } else {
        return Usage("--strength takes min, mean or max");
    }
    const std::string wire = value("--wire", "II");
    if (wire != "II" && wire != "IIA") {
        return Usage("--wire takes II or IIA");
    }
    controls.wire = wire == "II" ? calc::WireClass::II : calc::WireClass::IIA;
    const std::string fixing = value("--fixing", "4");
    if (fixing != "1" && fixing != "2" && fixing != "3" && fixing != "4") {
        return Usage("--fixing takes 1, 2, 3 or 4");
    }
    controls.fixing = static_cast<calc::Fixing>(fixing[0] - '0');
    if (options.flags.count("--no-stability")) {
        controls.stabilityCheck = false;
        controls.fixing = calc::Fixing::None;
    }
    controls.eF1 = value("--F1", controls.eF1);
    controls.eF2 = value("--F2", controls.eF2);
    controls.eH = value("--h", controls.eH);
    controls.eV = value("--vmax", controls.eV);
    controls.eDn1 = value("--dmin", controls.eDn1);
    controls.eDn2 = value("--dmax", controls.eDn2);
    controls.eN2 = value("--n2", controls.eN2);
    controls.eN3 = value("--n3", controls.eN3);
    const bool reportOnly = options.flags.count("--report-only") > 0;

    ConsoleMessageSink messages;
    // As in the window: the first class selection (item 0) runs at start and fills
    // the blank-standard label, then the chosen class, then the kind rule.
    controls.LZagot = "Сталь горячекатаная круглая по ГОСТ 2590-71";
    const auto applyClass = [&](int item) {
        controls.classItem = item;
        auto selection = calc::SelectClassInto(state, exePath, item, messages);
        if (selection.LZagot) {
            controls.LZagot = *selection.LZagot;
        }
    };
    applyClass(0);
    if (state.tables.TablesOk && classItem != 0) {
        applyClass(classItem);
    }
    if (state.tables.TablesOk && controls.kind == calc::SpringKind::ThreeStrand && controls.classItem != tables::kFirstThreeStrandItem) {
        applyClass(8);
    }
    if (!state.tables.TablesOk) {
        return 1;
    }

    calc::SelectionOutcome selection;
    try {
        selection = calc::PreliminarySelection(state, controls, messages);
    } catch (const UserError& error) {
        messages.show(MessageIcon::Error, error.what());
        return 1;
    }
    if (!reportOnly) {
        PrintLines(selection.mm1);
    }

    if (auto num = options.values.find("--num"); num != options.values.end()) {
        controls.eNum = num->second;
    } else if (controls.eNum == "0") {
        std::fflush(stdout);
        return messages.anyShown() ? 1 : 0;
    }

    calc::ReportOutcome report;
    try {
        report = calc::FinalCalculation(state, controls, messages);
    } catch (const UserError& error) {
        messages.show(MessageIcon::Error, error.what());
        return 1;
    }
    const bool computed = report.replaceReport && !report.mm2.empty();
    if (computed) {
        if (!reportOnly) {
            std::puts(std::string(62, '-').c_str());
        }
        PrintLines(report.mm2);
    }
    std::fflush(stdout);

    if (auto docx = options.values.find("--docx"); docx != options.values.end()) {
        if (!computed) {
            messages.show(MessageIcon::Error, "no report to write to " + docx->second);
            return 1;
        }
        try {
            wordexport::WriteReportDocx(report.mm2, docx->second);
        } catch (const std::exception& error) {
            messages.show(MessageIcon::Error, error.what());
            return 1;
        }
    }
    return messages.anyShown() ? 1 : 0;
}

} // namespace torvelix::app
