// One design of `torvelix calc` as data: its options checked into a request, then run
// through the session's steps into candidates, report and messages. The extended
// output (sorting, JSON) and the batches use it.
#pragma once

#include "candidate_json.h"
#include "candidate_margins.h"
#include "candidate_record.h"
#include "choices.h"
#include "design_session.h"
#include "message_sink.h"
#include "report_record.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvelix::cli {

// The names of a design's options, as a batch file's header names its columns and the
// command line without the leading "--": class, kind, strength, wire, fixing,
// stability, F1, F2, h, vmax, dmin, dmax, n2, n3, num, sort, only-passing, wire-d, D1.
const std::vector<std::string>& designOptionNames();

struct DesignRequest {
    std::string error; // non-empty: an option is wrong, nothing else holds
    // The options as given (names above), in the order of designOptionNames.
    std::vector<std::pair<std::string, std::string>> given;
    int classItem = 0;
    std::optional<calc::SpringKind> kind;
    calc::StrengthChoice strength = calc::StrengthChoice::Minimum;
    calc::WireClass wire = calc::WireClass::II;
    calc::Fixing fixing = calc::Fixing::FixedFixed;
    bool stability = true;
    std::map<std::string, std::string> inputs; // "F1" .. "n3": texts as typed
    std::optional<std::string> num;
    std::optional<calc::CandidateSortKey> sort;
    bool onlyPassing = false;
    std::optional<std::pair<double, double>> custom; // wire-d and D1, mm
};

// values: option name -> text (an option not given is absent). The
// switches stability and only-passing take yes/no (also on/off, true/false, 1/0).
DesignRequest parseDesignRequest(const std::map<std::string, std::string>& values);

struct DesignRun {
    int status = 0; // 0: no message shown, 1: a failure or warning was reported
    bool tablesOk = true;
    bool listed = false;            // the selection ran: candidates hold its list
    calc::CandidateList candidates; // sorted and filtered as asked
    bool reportReplaced = false;    // the final calculation (or custom spring) ran
    std::optional<calc::ReportRecord> report;
    std::string springDesignation; // the custom spring's; empty for a table's spring
};

// Runs the design as `torvelix calc` does: the title page's rule, the class, strength,
// kind and wire, the inputs, then the selection and the final calculation (or the
// custom spring alone). Messages go to messages as they come.
// setup: the tables read once and no memo text, for a batch.
DesignRun runDesign(const DesignRequest& request, const std::string& exePath, MessageSink& messages,
                    workflow::SessionSetup setup = {});

// The run as the JSON output holds it: the options as given, the candidates when the
// selection ran, the report when there is one, and the messages shown. It points into
// run, which must outlive it.
output::CalcOutput calcOutputOf(const DesignRequest& request, const DesignRun& run,
                                std::vector<RecordingMessageSink::Message> messages);

} // namespace torvelix::cli
