// The extended calc: the design's options into a request, the design run, then its
// output as the plain text (sorted and filtered as asked), JSON or CSV.
#include "calc_extended.h"
#include "calc_design.h"
#include "calc_text.h"
#include "candidate_csv.h"
#include "candidate_json.h"
#include "console_messages.h"
#include "report_docx.h"
#include "utf8_text.h"

#include <cstdio>
#include <stdexcept>

namespace torvelix::cli {

namespace {

int usage(const std::string& error) {
    std::fprintf(stderr, "torvelix calc: %s\n(see torvelix calc --help)\n",
                 escapeInvalidUtf8(error).c_str());
    return 2;
}

// The design's options of the command line by their names without "--".
std::map<std::string, std::string> designValues(const ParsedOptions& options) {
    std::map<std::string, std::string> values;
    for (const std::string& name : designOptionNames()) {
        if (auto it = options.values.find("--" + name); it != options.values.end()) {
            values[name] = it->second;
        }
    }
    if (options.flags.count("--no-stability")) {
        values["stability"] = "no";
    }
    if (options.flags.count("--only-passing")) {
        values["only-passing"] = "yes";
    }
    return values;
}

int writeJson(const DesignRequest& request, const std::string& exePath) {
    RecordingMessageSink messages;
    const DesignRun run = runDesign(request, exePath, messages);
    const output::CalcOutput out = calcOutputOf(request, run, messages.messages);
    std::fputs((output::calcOutputJson(out) + "\n").c_str(), stdout);
    return run.status;
}

int writeText(const DesignRequest& request, const ParsedOptions& options,
              const std::string& exePath, bool csv) {
    ConsoleMessageSink messages;
    const DesignRun run = runDesign(request, exePath, messages);
    if (!run.tablesOk) {
        return 1;
    }
    const bool reportOnly = options.flags.count("--report-only") > 0 || request.custom;
    if (csv) {
        std::fputs(output::candidatesCsv(run.candidates).c_str(), stdout);
        return run.status;
    }
    if (run.listed && !reportOnly) {
        std::fputs(output::candidateListText(run.candidates).c_str(), stdout);
    }
    if (run.reportReplaced) {
        std::fputs(
            output::finalCalculationText(run.report ? &*run.report : nullptr, reportOnly).c_str(),
            stdout);
    }
    std::fflush(stdout);
    if (auto docx = options.values.find("--docx"); docx != options.values.end()) {
        if (!run.report) {
            messages.show(MessageIcon::Error,
                          "no report to write to " + escapeForMessage(docx->second));
            return 1;
        }
        try {
            wordexport::writeReportDocument(*run.report, docx->second);
        } catch (const std::exception& error) {
            messages.show(MessageIcon::Error, error.what());
            return 1;
        }
    }
    return run.status;
}

} // namespace

const std::set<std::string>& extendedCalcValueOptions() {
    static const std::set<std::string> names = {"--sort", "--format", "--batch", "--wire-d",
                                                "--D1"};
    return names;
}

const std::set<std::string>& extendedCalcFlagOptions() {
    static const std::set<std::string> names = {"--only-passing"};
    return names;
}

bool usesExtendedCalc(const ParsedOptions& options) {
    for (const auto* names : {&extendedCalcValueOptions(), &extendedCalcFlagOptions()}) {
        for (const std::string& name : *names) {
            if (options.has(name)) {
                return true;
            }
        }
    }
    return false;
}

int runCalcExtended(const ParsedOptions& options, const std::string& exePath) {
    const std::string format =
        options.values.count("--format") ? options.values.at("--format") : "text";
    if (format != "text" && format != "json" && format != "csv") {
        return usage("--format takes text, json or csv");
    }
    if (format != "text" && options.values.count("--docx")) {
        return usage("--docx goes with the text output only");
    }
    if (auto batch = options.values.find("--batch"); batch != options.values.end()) {
        if (format != "json") {
            return usage("--batch writes JSON Lines: give --format json");
        }
        for (const auto& [name, value] : options.values) {
            if (name != "--batch" && name != "--format") {
                return usage(name + " does not go with --batch (the file gives each design)");
            }
        }
        if (!options.flags.empty()) {
            return usage(*options.flags.begin() + " does not go with --batch");
        }
        return runCalcBatch(batch->second, exePath);
    }
    const DesignRequest request = parseDesignRequest(designValues(options));
    if (!request.error.empty()) {
        return usage(request.error);
    }
    if (format == "json") {
        return writeJson(request, exePath);
    }
    return writeText(request, options, exePath, format == "csv");
}

} // namespace torvelix::cli
