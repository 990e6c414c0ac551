// `torvelix draw`: the drawing driver on a new built-in drawing, the point requests
// answered from the options, the drawing saved as DXF.
#include "cli_options.h"
#include "commands.h"
#include "console_messages.h"
#include "design_session.h"
#include "drawing_document.h"
#include "number_parse.h"
#include "spring_solid.h"
#include "tech_file.h"
#include "utf8_text.h"

#include "errors.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace torvelix::cli {

namespace {

// The title block's options, for the complete drawing only.
constexpr std::array<const char*, 8> kTitleBlockOptions = {
    "--material", "--mass",         "--designation", "--spring-name",
    "--document", "--organisation", "--developer",   "--checker"};

const char* kDrawHelp =
    "Usage: torvelix draw --view broken|full|section|cut --ends 1|2|3|4\n"
    "                     --D0 X --d X --t X --n X [options] -o OUT.dxf\n"
    "\n"
    "Draws a helical compression spring, as the AutoCAD button of the window does, into\n"
    "a new drawing and saves it as a DXF file that CAD programs open. Lengths are in\n"
    "millimetres; values are taken as typed text (the decimal separator is the point).\n"
    "\n"
    "  --view V          broken: side view with a break; full: the whole spring;\n"
    "                    section: in section; cut: in cut\n"
    "  --ends E          end coils: 1 open, not ground; 2 closed, not ground;\n"
    "                    3 closed, ground over 3/4 of the arc; 4 3/4 coil closed, ground\n"
    "  --D0 X            mean diameter\n"
    "  --d X             wire diameter\n"
    "  --t X             pitch (not needed with --inscribe)\n"
    "  --n X             working coils (the whole part counts)\n"
    "  --break-coils 1|2 coils at each end of the view with a break (default 2)\n"
    "  --diagram         loading diagram above the view with a break; needs\n"
    "                    --L0 --L1 --L2 --L3 (free length and lengths under F1, F2, F3)\n"
    "                    and takes --F1 --F2 --F3 (forces, N)\n"
    "  --start X,Y[,Z]   the spring's start point (default 0,0,0)\n"
    "  --inscribe --end X,Y[,Z]  fit the pitch so that the spring ends at this point\n"
    "  --tilemode 0|1 --cvport N --dimscale X  the drawing's variables (1, 2, 1):\n"
    "                    TILEMODE 0 with CVPORT 1 draws into paper space\n"
    "  --tt FILE         technical requirements below the drawing (view with a break\n"
    "                    only): a UTF-8 file of key=value lines, items=1,2,5 for the\n"
    "                    items switched on (1..11) and the page's texts e6Num,\n"
    "                    comb6Gost, e6G, e6Tau, comb6Naviv, e6L, e6n, e6n1, e6HRC,\n"
    "                    e6Dc, e6TT, and comb6Kontrol as 0 (rod), 1 (sleeve) or -1\n"
    "  --tt-corner X,Y[,Z]  lower-left corner of the requirements (needed with --tt)\n"
    "  --eskd            the complete drawing: layers, axes, hatching, dimensions, the\n"
    "                    labelled diagram, frame and title block on the smallest sheet\n"
    "                    that holds it; needs --L0 (the spring is drawn that long at\n"
    "                    its pitch --t, the end coils taking up the difference);\n"
    "                    --start is the sheet's lower-left corner, --tt needs no\n"
    "                    --tt-corner (the requirements stand above the title block)\n"
    "  --material TEXT --mass TEXT  the title block's material and mass (with --eskd)\n"
    "  --designation TEXT --spring-name TEXT  the title block's designation (by\n"
    "                    default the spring number and standard of --tt) and name\n"
    "                    (by default Пружина) (with --eskd)\n"
    "  --document TEXT --organisation TEXT --developer TEXT --checker TEXT\n"
    "                    the title block's document designation, organisation, and\n"
    "                    the developer's and checker's names (with --eskd)\n"
    "  -o, --output FILE the DXF file to write; a name ending in .svg (any letter case)\n"
    "                    writes an SVG picture of the drawing instead, .pdf a PDF page\n"
    "                    at true scale\n"
    "  --model           write the spring's 3D model instead of a drawing: -o FILE.step\n"
    "                    (STEP AP214, mm) or FILE.stl (binary STL); free length --L0, or\n"
    "                    n t + (n2 + 1 - n3) d with the end coils n2, n3 of --ends\n"
    "\n"
    "Messages go to standard error as 'error: ...' or 'warning: ...'. Exit status:\n"
    "0 drawn and saved; 1 a failure was reported (nothing is written then, and a file\n"
    "already there keeps its content); 2 bad command line.\n";

// The geometric options: each types its value into its field; the pitch and the
// diagram's values are "0" when not given.
struct TypedOption {
    const char* option;
    workflow::FieldId field;
    const char* fallback; // null: the option is required
};
constexpr std::array<TypedOption, 11> kTypedGeometry = {{
    {"--n", workflow::FieldId::WorkingCoils, nullptr},
    {"--t", workflow::FieldId::Pitch, "0"},
    {"--D0", workflow::FieldId::MeanDiameter, nullptr},
    {"--d", workflow::FieldId::WireDiameter, nullptr},
    {"--L0", workflow::FieldId::FreeLength, "0"},
    {"--L1", workflow::FieldId::LengthL1, "0"},
    {"--L2", workflow::FieldId::LengthL2, "0"},
    {"--L3", workflow::FieldId::LengthL3, "0"},
    {"--F1", workflow::FieldId::DiagramF1, "0"},
    {"--F2", workflow::FieldId::DiagramF2, "0"},
    {"--F3", workflow::FieldId::DiagramF3, "0"},
}};

int usage(const std::string& error) {
    std::fprintf(stderr, "torvelix draw: %s\n(see torvelix draw --help)\n",
                 escapeInvalidUtf8(error).c_str());
    return 2;
}

// "X,Y" or "X,Y,Z" with the point as decimal separator.
std::optional<cad::Point> parsePoint(const std::string& text) {
    std::vector<double> values;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        auto value = torvelix::tryParseNumber(text.substr(from, comma - from));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
        if (comma == std::string::npos) {
            break;
        }
        from = comma + 1;
    }
    if (values.size() < 2 || values.size() > 3) {
        return std::nullopt;
    }
    return cad::Point{values[0], values[1], values.size() == 3 ? values[2] : 0.0};
}

} // namespace

int runDrawCommand(const std::vector<std::string>& rawArgs, const std::string& exePath,
                   const CliServices& services) {
    std::vector<std::string> args;
    for (const auto& word : rawArgs) {
        args.push_back(word == "-o" ? "--output" : word == "-h" ? "--help" : word);
    }
    const auto options = parseOptions(
        args, {"--view",        "--ends",        "--D0",           "--d",         "--t",
               "--n",           "--break-coils", "--L0",           "--L1",        "--L2",
               "--L3",          "--F1",          "--F2",           "--F3",        "--start",
               "--end",         "--tilemode",    "--cvport",       "--dimscale",  "--tt",
               "--tt-corner",   "--output",      "--material",     "--mass",      "--designation",
               "--spring-name", "--document",    "--organisation", "--developer", "--checker"},
        {"--diagram", "--inscribe", "--help", "--eskd", "--model"});
    if (options.has("--help")) {
        std::fputs(kDrawHelp, stdout);
        return 0;
    }
    if (!options.error.empty()) {
        return usage(options.error);
    }
    if (!options.positional.empty()) {
        return usage("unexpected argument '" + options.positional.front() + "'");
    }
    auto value = [&options](const std::string& name, const std::string& fallback = "") {
        auto it = options.values.find(name);
        return it == options.values.end() ? fallback : it->second;
    };
    const bool inscribe = options.has("--inscribe");
    for (const char* required : {"--view", "--ends", "--D0", "--d", "--n", "--output"}) {
        if (!options.has(required)) {
            return usage(std::string("missing ") + required);
        }
    }
    if (!inscribe && !options.has("--t")) {
        return usage("missing --t (or --inscribe with --end)");
    }
    if (inscribe != options.has("--end")) {
        return usage("--inscribe and --end go together");
    }
    const bool eskd = options.has("--eskd");
    if (eskd && (inscribe || options.has("--tt-corner"))) {
        return usage("--eskd places the sheet by --start: no --inscribe, --end or --tt-corner");
    }
    for (const char* titleBlock : kTitleBlockOptions) {
        if (!eskd && options.has(titleBlock)) {
            return usage(std::string(titleBlock) + " goes with --eskd");
        }
    }
    if (!eskd && options.has("--tt") != options.has("--tt-corner")) {
        return usage("--tt and --tt-corner go together");
    }

    // The drawing mode of the wizard: the title page leads to the drawing options.
    ConsoleMessageSink sink;
    workflow::DesignSession session(exePath, sink);
    if (!session.chooseMode(false).done || !session.start().done || !session.goForward().done) {
        return 1;
    }

    const std::string view = value("--view");
    const std::pair<const char*, geometry::ViewType> views[] = {
        {"broken", geometry::ViewType::WithBreak},
        {"full", geometry::ViewType::Full},
        {"section", geometry::ViewType::Section},
        {"cut", geometry::ViewType::Cut}};
    const auto chosenView =
        std::find_if(std::begin(views), std::end(views),
                     [&view](const auto& named) { return view == named.first; });
    if (chosenView == std::end(views)) {
        return usage("--view is broken, full, section or cut");
    }
    const std::string ends = value("--ends");
    if (ends.size() != 1 || ends[0] < '1' || ends[0] > '4') {
        return usage("--ends is 1, 2, 3 or 4");
    }
    const std::string coils = value("--break-coils", "2");
    if (coils != "1" && coils != "2") {
        return usage("--break-coils is 1 or 2");
    }
    // As in the window, the diagram and the requirements go with the view with a break.
    if (chosenView->second != geometry::ViewType::WithBreak &&
        (options.has("--diagram") || (options.has("--tt") && !eskd))) {
        return usage("--diagram and --tt go with --view broken only");
    }
    cad::TechRequirementControls requirements;
    if (options.has("--tt")) {
        if (std::string problem = readTechFile(value("--tt"), requirements); !problem.empty()) {
            return usage(problem);
        }
    }
    using workflow::FieldId;
    const bool chosen =
        session.chooseEnds(static_cast<geometry::EndType>(ends[0] - '0')).done &&
        session.chooseView(chosenView->second).done &&
        session
            .chooseItem(FieldId::BreakCoils,
                        options.has("--break-coils") ? (coils == "1" ? 0 : 1) : -1, coils)
            .done &&
        session.setSwitch(FieldId::Diagram, options.has("--diagram")).done &&
        session.setSwitch(FieldId::Requirements, options.has("--tt")).done &&
        session.setSwitch(FieldId::Eskd, eskd).done;
    if (!chosen) {
        return 1;
    }
    std::vector<cad::Point> points;
    for (const char* name : {"--start", "--end", "--tt-corner"}) {
        if (std::string(name) == "--start" || options.has(name)) {
            auto point = parsePoint(value(name, "0,0,0"));
            if (!point) {
                return usage(std::string(name) + " is X,Y or X,Y,Z");
            }
            points.push_back(*point);
        }
    }

    auto document = std::make_shared<cad::DrawingDocument>();
    const std::pair<const char*, const char*> variables[] = {
        {"--tilemode", "TILEMODE"}, {"--cvport", "CVPORT"}, {"--dimscale", "DIMSCALE"}};
    for (const auto& [option, variable] : variables) {
        if (!options.has(option)) {
            continue;
        }
        auto number = torvelix::tryParseNumber(value(option));
        if (!number) {
            return usage(std::string(option) + " needs a number");
        }
        try {
            document->setVariable(variable, *number);
        } catch (const cad::DrawingVariableError& e) {
            return usage(e.what());
        }
    }

    // On to the geometric parameters, which the options give; the requirement page,
    // when it is on, takes the file's values over its own.
    if (options.has("--tt") &&
        (!session.goForward().done || !session.fillRequirements(requirements).done)) {
        return 1;
    }
    if (!session.goForward().done || !session.setSwitch(FieldId::Inscribe, inscribe).done) {
        return 1;
    }
    for (const TypedOption& typed : kTypedGeometry) {
        const std::string text =
            typed.fallback ? value(typed.option, typed.fallback) : value(typed.option);
        if (!session.typeText(typed.field, text).done) {
            return 1;
        }
    }

    workflow::TitleBlockText titleBlock;
    if (options.has("--material")) {
        titleBlock.material = value("--material");
    }
    if (options.has("--mass")) {
        titleBlock.mass = value("--mass");
    }
    workflow::DrawingOutcome prepared = session.makeDrawingRequest(titleBlock);
    if (prepared.error) {
        sink.show(MessageIcon::Error, prepared.error->what());
        return 1;
    }
    if (!prepared.done) {
        return 1; // refused, its message shown
    }
    workflow::DrawingRequest& request = prepared.request;
    if (options.has("--model")) {
        const auto model = model3d::modelFromDrawing(request.params);
        return model3d::writeSpringModelShown(model, value("--output"), sink) ? 0 : 1;
    }
    if (options.has("--designation")) {
        request.sheet.Designation = value("--designation");
    }
    if (options.has("--spring-name")) {
        request.sheet.Name = value("--spring-name");
    }
    request.sheet.DocumentDesignation = value("--document");
    request.sheet.Organisation = value("--organisation");
    request.sheet.Developer = value("--developer");
    request.sheet.Checker = value("--checker");

    cad::ScriptedPointSource picks(points);
    document->setPointSource(&picks);
    cad::BuiltinConnector connector(std::make_shared<cad::BuiltinCadApplication>(document));
    cad::DrawingSession drawing;
    workflow::drawRequest(drawing, request, connector, sink);
    document->setPointSource(nullptr);
    if (sink.anyShown()) {
        return 1; // the drawing failed: an existing file stays as it was
    }
    try {
        const std::string output = value("--output");
        const cad::OutputFormat* format = services.drawingFormats.forPath(output);
        if (format == nullptr && cad::hasSuffix(output, "pdf")) {
            sink.show(MessageIcon::Error, "PDF output is not available in this program");
            return 1;
        }
        (format != nullptr ? *format : services.drawingFormats.fallback()).write(*document, output);
    } catch (const UserError& e) {
        sink.show(MessageIcon::Error, e.what());
        return 1;
    }
    return sink.anyShown() ? 1 : 0;
}

} // namespace torvelix::cli
