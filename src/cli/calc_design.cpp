// The checks of a design's options and the session steps that compute it.
#include "calc_design.h"

#include "custom_spring.h"
#include "design_session.h"
#include "errors.h"
#include "number_parse.h"

#include <set>

namespace torvelix::cli {

namespace {

// Counts what passes through to the sink the caller gave.
class CountingSink : public MessageSink {
public:
    explicit CountingSink(MessageSink& target) : target_(target) {}
    void show(MessageIcon icon, const std::string& text) override {
        ++count;
        target_.show(icon, text);
    }
    int count = 0;

private:
    MessageSink& target_;
};

std::optional<bool> parseSwitch(const std::string& text) {
    if (text == "yes" || text == "on" || text == "true" || text == "1") {
        return true;
    }
    if (text == "no" || text == "off" || text == "false" || text == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<double> parseDiameter(const std::string& text) {
    try {
        const double value = parseNumber(text);
        if (value > 0) {
            return value;
        }
    } catch (const UserError&) {
    }
    return std::nullopt;
}

} // namespace

const std::vector<std::string>& designOptionNames() {
    static const std::vector<std::string> names = {
        "class", "kind", "strength",     "wire",   "fixing", "stability", "F1",
        "F2",    "h",    "vmax",         "dmin",   "dmax",   "n2",        "n3",
        "num",   "sort", "only-passing", "wire-d", "D1"};
    return names;
}

DesignRequest parseDesignRequest(const std::map<std::string, std::string>& values) {
    DesignRequest r;
    const auto value = [&](const std::string& name, const std::string& fallback) {
        auto it = values.find(name);
        return it == values.end() ? fallback : it->second;
    };
    for (const std::string& name : designOptionNames()) {
        if (auto it = values.find(name); it != values.end()) {
            r.given.emplace_back(name, it->second);
        }
    }
    const auto fail = [&](const std::string& error) {
        r.error = error;
        return r;
    };

    const std::string classText = value("class", "0");
    static const std::set<std::string> kItems = {"0", "1", "2", "3", "4", "5",
                                                 "6", "7", "8", "9", "10"};
    if (!kItems.count(classText)) {
        return fail("class takes an item from 0 to 10");
    }
    r.classItem = std::stoi(classText);
    if (const std::string text = value("kind", ""); text == "single") {
        r.kind = calc::SpringKind::SingleStrand;
    } else if (text == "three") {
        r.kind = calc::SpringKind::ThreeStrand;
    } else if (!text.empty()) {
        return fail("kind takes single or three");
    }
    if (const std::string text = value("strength", "min"); text == "mean") {
        r.strength = calc::StrengthChoice::Mean;
    } else if (text == "max") {
        r.strength = calc::StrengthChoice::Maximum;
    } else if (text != "min") {
        return fail("strength takes min, mean or max");
    }
    const std::string wire = value("wire", "II");
    if (wire != "II" && wire != "IIA") {
        return fail("wire takes II or IIA");
    }
    r.wire = wire == "II" ? calc::WireClass::II : calc::WireClass::IIA;
    const std::string fixing = value("fixing", "4");
    if (fixing != "1" && fixing != "2" && fixing != "3" && fixing != "4") {
        return fail("fixing takes 1, 2, 3 or 4");
    }
    r.fixing = static_cast<calc::Fixing>(fixing[0] - '0');
    const std::optional<bool> stability = parseSwitch(value("stability", "yes"));
    const std::optional<bool> onlyPassing = parseSwitch(value("only-passing", "no"));
    if (!stability || !onlyPassing) {
        return fail(std::string(stability ? "only-passing" : "stability") + " takes yes or no");
    }
    r.stability = *stability;
    r.onlyPassing = *onlyPassing;
    for (const char* name : {"F1", "F2", "h", "vmax", "dmin", "dmax", "n2", "n3"}) {
        if (auto it = values.find(name); it != values.end()) {
            r.inputs[name] = it->second;
        }
    }
    if (auto it = values.find("num"); it != values.end()) {
        r.num = it->second;
    }
    if (values.count("sort")) {
        const std::string text = values.at("sort");
        r.sort = calc::parseCandidateSortKey(text);
        if (!r.sort) {
            return fail("sort takes mass, L0, F3, n or margin");
        }
    }
    if (values.count("wire-d") || values.count("D1")) {
        const std::string wireD = value("wire-d", "");
        const std::string D1 = value("D1", "");
        const std::optional<double> d = parseDiameter(wireD);
        const std::optional<double> outer = parseDiameter(D1);
        if (!d || !outer) {
            return fail("wire-d and D1 go together, each a diameter in mm above 0");
        }
        if (r.num) {
            return fail("num does not go with wire-d and D1");
        }
        r.custom = std::make_pair(*d, *outer);
    }
    return r;
}

DesignRun runDesign(const DesignRequest& request, const std::string& exePath, MessageSink& target,
                    workflow::SessionSetup setup) {
    DesignRun run;
    CountingSink messages(target);
    const auto finish = [&](int status) {
        run.status = messages.count > 0 ? 1 : status;
        return std::move(run);
    };

    // The same steps as in the window: the title page's rule (the inputs' defaults, the
    // first class selection), the chosen class, strength, kind and wire class, the
    // inputs, then the two leave steps.
    workflow::DesignSession session(exePath, messages, std::move(setup));
    const workflow::WizardSnapshot& v = session.snapshot();
    const auto report = [&](const workflow::Outcome& outcome) {
        if (outcome.error) {
            messages.show(MessageIcon::Error, outcome.error->what());
        }
        return outcome.done;
    };
    bool ready = report(session.start());
    if (ready && request.classItem != v.design.classItem) {
        ready = report(session.chooseClass(request.classItem));
    }
    ready = report(session.chooseStrength(request.strength)) && ready;
    if (ready && request.kind) {
        ready = report(session.chooseKind(request.kind));
    }
    if (!ready) {
        run.tablesOk = false;
        return finish(1);
    }
    if (!report(session.chooseWire(request.wire)) || !report(session.goForward()) ||
        !report(session.goForward())) {
        return finish(1);
    }
    static const std::pair<const char*, workflow::FieldId> kInputs[] = {
        {"F1", workflow::FieldId::ForceF1},
        {"F2", workflow::FieldId::ForceF2},
        {"h", workflow::FieldId::Stroke},
        {"vmax", workflow::FieldId::MaxSpeed},
        {"dmin", workflow::FieldId::MinOuterDiameter},
        {"dmax", workflow::FieldId::MaxOuterDiameter},
        {"n2", workflow::FieldId::SupportCoils},
        {"n3", workflow::FieldId::GroundCoils},
    };
    for (const auto& [name, field] : kInputs) {
        if (auto it = request.inputs.find(name); it != request.inputs.end()) {
            if (!report(session.typeText(field, it->second))) {
                return finish(1);
            }
        }
    }
    if (!report(session.chooseFixing(request.fixing))) {
        return finish(1);
    }
    if (!request.stability &&
        !report(session.setSwitch(workflow::FieldId::StabilityCheck, false))) {
        return finish(1);
    }

    if (request.custom) {
        const workflow::Outcome custom =
            session.computeCustomSpring(request.custom->first, request.custom->second);
        run.reportReplaced = !custom.error;
        run.report = session.reportRecord();
        run.springDesignation = calc::kCustomSpringDesignation;
        report(custom);
        return finish(custom.done ? 0 : 1);
    }

    const workflow::Outcome selection = session.goForward();
    if (!report(selection) && selection.error) {
        return finish(1);
    }
    run.listed = true;
    run.candidates = session.candidateRecords();
    if (request.sort) {
        calc::sortCandidates(run.candidates, *request.sort);
    }
    if (request.onlyPassing) {
        calc::keepPassing(run.candidates);
    }
    if (request.num) {
        if (!report(session.typeText(workflow::FieldId::SpringNumber, *request.num))) {
            return finish(1);
        }
    } else if (v.design.eNum == "0") {
        return finish(0);
    }
    const workflow::Outcome final = session.goForward();
    run.reportReplaced = session.reportReplaced();
    if (run.reportReplaced) {
        run.report = session.reportRecord();
    }
    if (final.error) {
        report(final);
        return finish(1);
    }
    return finish(0);
}

output::CalcOutput calcOutputOf(const DesignRequest& request, const DesignRun& run,
                                std::vector<RecordingMessageSink::Message> messages) {
    output::CalcOutput out;
    out.inputs = request.given;
    out.candidates = run.listed ? &run.candidates : nullptr;
    out.report = run.report ? &*run.report : nullptr;
    out.springDesignation = run.springDesignation;
    out.messages = std::move(messages);
    return out;
}

} // namespace torvelix::cli
