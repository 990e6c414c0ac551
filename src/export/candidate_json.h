// The calculation's data for other programs: one JSON object with the inputs, the
// candidates with their check margins, the report's values and the messages shown.
#pragma once

#include "candidate_record.h"
#include "message_sink.h"
#include "report_record.h"

#include <string>
#include <utility>
#include <vector>

namespace torvelix::output {

struct CalcOutput {
    // The design's options by name ("class", "F1" ...) with their texts as given.
    std::vector<std::pair<std::string, std::string>> inputs;
    const calc::CandidateList* candidates = nullptr; // null: none listed
    const calc::ReportRecord* report = nullptr;      // null: no report made
    // What the report calls the spring: empty for the table's "ГОСТ <table>-86 № <n>".
    std::string springDesignation;
    std::vector<RecordingMessageSink::Message> messages;
};

// A JSON string literal of UTF-8 text (invalid bytes replaced by U+FFFD).
std::string jsonString(const std::string& text);

// One candidate as a JSON object: its values (null where its computation failed), its
// verdict and each check's {"ok", "margin"}, the margin in percent (100 or more where
// the check passed; null for a check not made or one that cannot fail).
std::string candidateJson(const calc::CandidateRecord& candidate);

// The whole output as one line of JSON, without a line break.
std::string calcOutputJson(const CalcOutput& output);

// The output's members ("inputs" .. "messages") appended to text without the braces
// around them, so that a caller can put members of its own first.
void appendCalcOutputMembers(std::string& text, const CalcOutput& output);

} // namespace torvelix::output
