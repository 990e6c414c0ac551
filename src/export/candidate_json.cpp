// Writes the calculation's JSON by hand in a fixed member order; numbers through
// formatJsonNumber, texts that need escaping through the JSON library's.
#include "candidate_json.h"

#include "candidate_margins.h"
#include "json_number.h"
#include "utf8_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>

namespace torvelix::output {

namespace {

void appendNumber(std::string& text, std::optional<double> value) {
    text.append(value ? formatJsonNumber(*value) : "null");
}

void appendCheck(std::string& text, bool computed, const calc::Check& check,
                 std::optional<double> margin) {
    const bool ok = computed && !check.failed();
    text.append("{\"ok\":").append(ok ? "true" : "false").append(",\"margin\":");
    appendNumber(text, margin ? std::optional<double>(*margin * 100) : std::nullopt);
    text.append(1, '}');
}

void appendString(std::string& text, const std::string& value) {
    // Most texts need no escaping: well-formed UTF-8 with no quote, backslash or control
    // character stands as it is between the quotes, as the library would write it.
    const bool plain = std::none_of(value.begin(), value.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
    });
    if (plain && isValidUtf8(value)) {
        text.append(1, '"').append(value).append(1, '"');
        return;
    }
    text.append(
        nlohmann::json(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void appendCandidate(std::string& text, const calc::CandidateRecord& c) {
    const auto known = [&](double value) {
        return c.computed ? std::optional<double>(value) : std::nullopt;
    };
    const calc::CandidateMargins m = calc::candidateMargins(c);
    text.append("{\"number\":").append(std::to_string(c.number));
    const std::pair<const char*, double> values[] = {
        {"F3", c.F3}, {"d", c.d},   {"D1", c.D1.value}, {"n", c.n}, {"L0", c.L0}, {"L1", c.L1},
        {"L2", c.L2}, {"L3", c.L3}, {"i", c.i},         {"t", c.t}, {"mass", c.m}};
    for (const auto& [name, value] : values) {
        text.append(",\"").append(name).append("\":");
        appendNumber(text, known(value));
    }
    text.append(",\"passes\":").append(c.passes() ? "true" : "false");
    text.append(",\"checks\":{\"collision\":");
    appendCheck(text, c.computed, c.checks.collision, m.collision);
    text.append(",\"index\":");
    appendCheck(text, c.computed, c.checks.index, m.index);
    text.append(",\"strength\":");
    appendCheck(text, c.computed, c.checks.strength, m.strength);
    text.append(",\"stability\":");
    appendCheck(text, c.computed, c.checks.stability, m.stability);
    text.append("}}");
}

void appendReport(std::string& text, const calc::ReportRecord& report,
                  const std::string& designation) {
    std::string spring = designation;
    if (spring.empty()) {
        spring.append("ГОСТ ").append(report.springGost).append("-86 № ");
        spring.append(std::to_string(report.number));
    }
    text.append("{\"spring\":");
    appendString(text, spring);
    text.append(",\"values\":[");
    bool first = true;
    for (const auto* list : {&report.inputs, &report.results}) {
        for (const calc::ReportValue& v : *list) {
            text.append(first ? "{\"symbol\":" : ",{\"symbol\":");
            first = false;
            appendString(text, v.symbol);
            text.append(",\"label\":");
            appendString(text, v.label);
            text.append(",\"unit\":");
            appendString(text, v.unit);
            text.append(",\"value\":").append(formatJsonNumber(v.value)).append(1, '}');
        }
    }
    text.append("]}");
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string quoted;
    appendString(quoted, text);
    return quoted;
}

std::string candidateJson(const calc::CandidateRecord& candidate) {
    std::string text;
    appendCandidate(text, candidate);
    return text;
}

void appendCalcOutputMembers(std::string& text, const CalcOutput& out) {
    text.append("\"inputs\":{");
    for (std::size_t k = 0; k < out.inputs.size(); ++k) {
        if (k > 0) {
            text.append(1, ',');
        }
        appendString(text, out.inputs[k].first);
        text.append(1, ':');
        appendString(text, out.inputs[k].second);
    }
    text.append("},\"candidates\":[");
    if (out.candidates) {
        for (std::size_t k = 0; k < out.candidates->candidates.size(); ++k) {
            if (k > 0) {
                text.append(1, ',');
            }
            appendCandidate(text, out.candidates->candidates[k]);
        }
    }
    text.append("],\"report\":");
    if (out.report) {
        appendReport(text, *out.report, out.springDesignation);
    } else {
        text.append("null");
    }
    text.append(",\"messages\":[");
    for (std::size_t k = 0; k < out.messages.size(); ++k) {
        const auto& message = out.messages[k];
        text.append(k ? ",{\"kind\":" : "{\"kind\":");
        text.append(message.icon == MessageIcon::Error ? "\"error\"" : "\"warning\"");
        text.append(",\"text\":");
        appendString(text, message.text);
        text.append(1, '}');
    }
    text.append(1, ']');
}

std::string calcOutputJson(const CalcOutput& out) {
    std::string text(1, '{');
    appendCalcOutputMembers(text, out);
    return text.append(1, '}');
}

} // namespace torvelix::output
