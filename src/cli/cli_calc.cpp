// `torvelix calc`: the calculation without the window, from the same defaults.
#include "calc_extended.h"
#include "calc_text.h"
#include "cli_options.h"
#include "commands.h"
#include "console_messages.h"
#include "design_session.h"
#include "report_docx.h"
#include "spring_solid.h"
#include "utf8_text.h"

#include <array>
#include <cstdio>
#include <optional>

namespace torvelix::cli {

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
    "  --model FILE       also write the spring's 3D model: FILE.step (STEP AP214, mm)\n"
    "                     or FILE.stl (binary STL)\n"
    // Sorting, filtering, custom springs, data output and batches (calc_extended.cpp).
    "  --sort mass|L0|F3|n|margin  order of the candidate list: mass, L0, F3 and n\n"
    "                     ascending, margin (the smallest of a spring's four check\n"
    "                     margins) descending, safest first; the sort is stable and\n"
    "                     springs whose computation failed go last\n"
    "  --only-passing     list only the springs that pass every check\n"
    "  --wire-d X --D1 X  compute a spring of any wire (cable) diameter and outer\n"
    "                     diameter of the class by the row method of GOST 13765-86 and\n"
    "                     print its report (not a standard spring: it has no number)\n"
    "  --format text|json|csv  text (default); json: one JSON object with the inputs,\n"
    "                     the candidates with their check margins in percent, the\n"
    "                     report's values and the messages; csv: the candidates\n"
    "  --batch FILE       with --format json: one design per line of a CSV file whose\n"
    "                     header names the options (class, kind, strength, wire, fixing,\n"
    "                     stability, F1, F2, h, vmax, dmin, dmax, n2, n3, num, sort,\n"
    "                     only-passing, wire-d, D1); one JSON object per line out, a\n"
    "                     failed line's with its \"line\" and \"error\"; exit status 1\n"
    "                     when any line failed\n"
    "\n"
    "Output: the candidate list, a line of 62 '-', then the report. Messages go to\n"
    "standard error as 'error: ...' or 'warning: ...'. Exit status: 0 success,\n"
    "1 a failure was reported, 2 bad command line.\n";

int usage(const std::string& error) {
    std::fprintf(stderr, "torvelix calc: %s\n(see torvelix calc --help)\n",
                 escapeInvalidUtf8(error).c_str());
    return 2;
}

// The inputs page's options: each types its value into its field, as typed.
constexpr std::array<std::pair<const char*, workflow::FieldId>, 8> kTypedInputs = {{
    {"--F1", workflow::FieldId::ForceF1},
    {"--F2", workflow::FieldId::ForceF2},
    {"--h", workflow::FieldId::Stroke},
    {"--vmax", workflow::FieldId::MaxSpeed},
    {"--dmin", workflow::FieldId::MinOuterDiameter},
    {"--dmax", workflow::FieldId::MaxOuterDiameter},
    {"--n2", workflow::FieldId::SupportCoils},
    {"--n3", workflow::FieldId::GroundCoils},
}};

} // namespace

int runCalcCommand(const std::vector<std::string>& args, const std::string& exePath) {
    std::set<std::string> valueOptions = {
        "--class", "--kind", "--strength", "--wire", "--F1",     "--F2",  "--h",    "--vmax",
        "--dmin",  "--dmax", "--n2",       "--n3",   "--fixing", "--num", "--docx", "--model"};
    std::set<std::string> flagOptions = {"--no-stability", "--report-only", "--help"};
    // The extended calc's options (calc_extended.cpp).
    valueOptions.insert(extendedCalcValueOptions().begin(), extendedCalcValueOptions().end());
    flagOptions.insert(extendedCalcFlagOptions().begin(), extendedCalcFlagOptions().end());
    const auto options = parseOptions(args, valueOptions, flagOptions);
    if (!options.error.empty()) {
        return usage(options.error);
    }
    if (options.flags.count("--help")) {
        std::fputs(kCalcHelp, stdout);
        return 0;
    }
    if (!options.positional.empty()) {
        return usage("unexpected argument '" + options.positional.front() + "'");
    }
    // Sorting, filtering, custom springs, data output and batches: without these
    // options the output below stays the plain one.
    if (usesExtendedCalc(options)) {
        return runCalcExtended(options, exePath);
    }

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
        return usage("--class takes an item from 0 to 10");
    }
    std::optional<calc::SpringKind> kind;
    if (const std::string text = value("--kind", ""); text == "single") {
        kind = calc::SpringKind::SingleStrand;
    } else if (text == "three") {
        kind = calc::SpringKind::ThreeStrand;
    } else if (!text.empty()) {
        return usage("--kind takes single or three");
    }
    calc::StrengthChoice strength = calc::StrengthChoice::Minimum;
    if (const std::string text = value("--strength", "min"); text == "mean") {
        strength = calc::StrengthChoice::Mean;
    } else if (text == "max") {
        strength = calc::StrengthChoice::Maximum;
    } else if (text != "min") {
        return usage("--strength takes min, mean or max");
    }
    const std::string wire = value("--wire", "II");
    if (wire != "II" && wire != "IIA") {
        return usage("--wire takes II or IIA");
    }
    const std::string fixing = value("--fixing", "4");
    if (fixing != "1" && fixing != "2" && fixing != "3" && fixing != "4") {
        return usage("--fixing takes 1, 2, 3 or 4");
    }
    const bool reportOnly = options.flags.count("--report-only") > 0;

    // The same steps as in the window: the title page's rule (the inputs' defaults, the
    // first class selection), the chosen class, strength, kind and wire class, the
    // inputs, then the two leave steps.
    ConsoleMessageSink messages;
    workflow::DesignSession session(exePath, messages);
    const workflow::WizardSnapshot& v = session.snapshot();
    bool ready = session.start().done;
    if (ready && classItem != v.design.classItem) {
        ready = session.chooseClass(classItem).done;
    }
    ready = session.chooseStrength(strength).done && ready;
    if (ready && kind) {
        ready = session.chooseKind(kind).done;
    }
    if (!ready) {
        return 1;
    }
    const bool onInputs =
        session.chooseWire(wire == "II" ? calc::WireClass::II : calc::WireClass::IIA).done &&
        session.goForward().done && // to the class page
        session.goForward().done;   // to the inputs
    if (!onInputs) {
        return 1;
    }
    for (const auto& [option, field] : kTypedInputs) {
        if (auto typed = options.values.find(option); typed != options.values.end()) {
            if (!session.typeText(field, typed->second).done) {
                return 1;
            }
        }
    }
    if (!session.chooseFixing(static_cast<calc::Fixing>(fixing[0] - '0')).done) {
        return 1;
    }
    if (options.flags.count("--no-stability") &&
        !session.setSwitch(workflow::FieldId::StabilityCheck, false).done) {
        return 1;
    }

    const workflow::Outcome selection = session.goForward();
    if (selection.error) {
        messages.show(MessageIcon::Error, selection.error->what());
        return 1;
    }
    if (!reportOnly) {
        std::fputs(output::candidateListText(session.candidateRecords()).c_str(), stdout);
    }

    if (auto num = options.values.find("--num"); num != options.values.end()) {
        if (!session.typeText(workflow::FieldId::SpringNumber, num->second).done) {
            return 1;
        }
    } else if (v.design.eNum == "0") {
        std::fflush(stdout);
        if (auto docx = options.values.find("--docx"); docx != options.values.end()) {
            // An older document under that name must not pass for this run's report.
            messages.show(MessageIcon::Error, "no spring proposed: no report written to " +
                                                  escapeForMessage(docx->second));
            return 1;
        }
        return messages.anyShown() ? 1 : 0;
    }

    const workflow::Outcome final = session.goForward();
    // The final calculation ran: the dashed line, then its report (none when the
    // spring could not be computed, also when its number then failed to convert).
    const calc::ReportRecord* report = session.reportRecord() ? &*session.reportRecord() : nullptr;
    if (session.reportReplaced()) {
        std::fputs(output::finalCalculationText(report, reportOnly).c_str(), stdout);
    }
    std::fflush(stdout);
    if (final.error) {
        messages.show(MessageIcon::Error, final.error->what());
        return 1;
    }
    const bool computed = session.reportReplaced() && report;

    if (auto docx = options.values.find("--docx"); docx != options.values.end()) {
        if (!computed) {
            messages.show(MessageIcon::Error, "no report to write to " + docx->second);
            return 1;
        }
        try {
            wordexport::writeReportDocument(*report, docx->second);
        } catch (const UserError& error) {
            messages.show(MessageIcon::Error, error.what());
            return 1;
        }
    }
    if (auto model = options.values.find("--model"); model != options.values.end()) {
        if (!computed || messages.anyShown()) {
            messages.show(MessageIcon::Error, "no computed spring to write to " + model->second);
            return 1;
        }
        const auto params = model3d::modelFromDesign(
            session.state(), model3d::designationOf(v.design.eNum, session.state().SpringGost));
        if (!model3d::writeSpringModelShown(params, model->second, messages)) {
            return 1;
        }
    }
    return messages.anyShown() ? 1 : 0;
}

} // namespace torvelix::cli
