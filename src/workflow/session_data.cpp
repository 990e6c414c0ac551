// The session's design as data for other programs: the same JSON object as the command
// line's `calc --format json` writes (inputs by option name, candidates, report), or the
// candidates as CSV, chosen by the file's suffix.
#include "candidate_csv.h"
#include "candidate_json.h"
#include "custom_spring.h"
#include "design_session.h"
#include "number_format.h"

#include <algorithm>
#include <cctype>

namespace torvelix::workflow {

namespace {

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

const char* strengthName(calc::StrengthChoice strength) {
    switch (strength) {
    case calc::StrengthChoice::Mean:
        return "mean";
    case calc::StrengthChoice::Maximum:
        return "max";
    default:
        return "min";
    }
}

} // namespace

std::vector<std::pair<std::string, std::string>> DesignSession::namedInputs() const {
    const calc::DesignInputs& d = values_.design;
    std::vector<std::pair<std::string, std::string>> inputs;
    inputs.emplace_back("class", std::to_string(d.classItem));
    if (d.kind) {
        inputs.emplace_back("kind", *d.kind == calc::SpringKind::ThreeStrand ? "three" : "single");
    }
    inputs.emplace_back("strength", strengthName(values_.klass.strength));
    inputs.emplace_back("wire", d.wire == calc::WireClass::IIA ? "IIA" : "II");
    if (d.fixing != calc::Fixing::None) {
        inputs.emplace_back("fixing", std::to_string(static_cast<int>(d.fixing)));
    }
    inputs.emplace_back("stability", d.stabilityCheck ? "yes" : "no");
    const std::pair<const char*, const std::string*> texts[] = {
        {"F1", &d.eF1},    {"F2", &d.eF2},    {"h", &d.eH},   {"vmax", &d.eV},
        {"dmin", &d.eDn1}, {"dmax", &d.eDn2}, {"n2", &d.eN2}, {"n3", &d.eN3}};
    for (const auto& [name, text] : texts) {
        inputs.emplace_back(name, *text);
    }
    if (customSpring_) {
        inputs.emplace_back("wire-d", formatGeneral(customSpring_->first, 15));
        inputs.emplace_back("D1", formatGeneral(customSpring_->second, 15));
    } else if (!d.eNum.empty()) {
        inputs.emplace_back("num", d.eNum);
    }
    return inputs;
}

std::optional<std::string> DesignSession::designData(const std::string& path) const {
    if (endsWithNoCase(path, ".csv")) {
        return output::candidatesCsv(candidateRecords_);
    }
    if (!endsWithNoCase(path, ".json")) {
        return std::nullopt;
    }
    output::CalcOutput out;
    out.inputs = namedInputs();
    out.candidates = &candidateRecords_;
    out.report = reportRecord_ ? &*reportRecord_ : nullptr;
    if (reportRecord_ && reportRecord_->customSpring) {
        out.springDesignation = calc::kCustomSpringDesignation;
    }
    return output::calcOutputJson(out) + "\n";
}

} // namespace torvelix::workflow
