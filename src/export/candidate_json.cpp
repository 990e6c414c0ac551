// Writes the calculation's JSON by hand in a fixed member order; numbers through
// formatJsonNumber, texts through the JSON library's string escaping.
#include "candidate_json.h"

#include "candidate_margins.h"
#include "json_number.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace torvelix::output {

namespace {

std::string number(std::optional<double> value) {
    return value ? formatJsonNumber(*value) : "null";
}

std::string percent(std::optional<double> margin) {
    return margin ? formatJsonNumber(*margin * 100) : "null";
}

std::string checkJson(bool computed, const calc::Check& check, std::optional<double> margin) {
    const bool ok = computed && !check.failed();
    return std::string("{\"ok\":") + (ok ? "true" : "false") + ",\"margin\":" + percent(margin) +
           "}";
}

std::string reportJson(const calc::ReportRecord& report, const std::string& designation) {
    const std::string spring =
        designation.empty() ? "ГОСТ " + report.springGost + "-86 № " + std::to_string(report.number)
                            : designation;
    std::string text = "{\"spring\":" + jsonString(spring) + ",\"values\":[";
    bool first = true;
    for (const auto* list : {&report.inputs, &report.results}) {
        for (const calc::ReportValue& v : *list) {
            text += first ? "" : ",";
            first = false;
            text += "{\"symbol\":" + jsonString(v.symbol) + ",\"label\":" + jsonString(v.label) +
                    ",\"unit\":" + jsonString(v.unit) + ",\"value\":" + formatJsonNumber(v.value) +
                    "}";
        }
    }
    return text + "]}";
}

} // namespace

std::string jsonString(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string candidateJson(const calc::CandidateRecord& c) {
    const auto known = [&](double value) {
        return c.computed ? std::optional<double>(value) : std::nullopt;
    };
    const calc::CandidateMargins m = calc::candidateMargins(c);
    std::string text = "{\"number\":" + std::to_string(c.number);
    const std::pair<const char*, double> values[] = {
        {"F3", c.F3}, {"d", c.d},   {"D1", c.D1.value}, {"n", c.n}, {"L0", c.L0}, {"L1", c.L1},
        {"L2", c.L2}, {"L3", c.L3}, {"i", c.i},         {"t", c.t}, {"mass", c.m}};
    for (const auto& [name, value] : values) {
        text += std::string(",\"") + name + "\":" + number(known(value));
    }
    text += std::string(",\"passes\":") + (c.passes() ? "true" : "false");
    text += ",\"checks\":{\"collision\":" + checkJson(c.computed, c.checks.collision, m.collision);
    text += ",\"index\":" + checkJson(c.computed, c.checks.index, m.index);
    text += ",\"strength\":" + checkJson(c.computed, c.checks.strength, m.strength);
    text += ",\"stability\":" + checkJson(c.computed, c.checks.stability, m.stability);
    return text + "}}";
}

std::string calcOutputJson(const CalcOutput& out) {
    std::string text = "{\"inputs\":{";
    for (std::size_t k = 0; k < out.inputs.size(); ++k) {
        if (k > 0) {
            text.append(1, ',');
        }
        text.append(jsonString(out.inputs[k].first)).append(1, ':');
        text.append(jsonString(out.inputs[k].second));
    }
    text += "},\"candidates\":[";
    if (out.candidates) {
        for (std::size_t k = 0; k < out.candidates->candidates.size(); ++k) {
            if (k > 0) {
                text.append(1, ',');
            }
            text.append(candidateJson(out.candidates->candidates[k]));
        }
    }
    text += "],\"report\":";
    text += out.report ? reportJson(*out.report, out.springDesignation) : "null";
    text += ",\"messages\":[";
    for (std::size_t k = 0; k < out.messages.size(); ++k) {
        const auto& message = out.messages[k];
        text += std::string(k ? "," : "") +
                "{\"kind\":" + (message.icon == MessageIcon::Error ? "\"error\"" : "\"warning\"") +
                ",\"text\":" + jsonString(message.text) + "}";
    }
    return text + "]}";
}

} // namespace torvelix::output
