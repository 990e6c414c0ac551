// Batches of designs: a CSV text of designs under a header naming the options, each
// computed and written as one line of JSON.
#pragma once

#include "message_sink.h"

#include <functional>
#include <string>

namespace torvelix::cli {

struct BatchOutcome {
    bool headerOk = false; // false: the header was refused (its message shown), nothing ran
    int designs = 0;       // the lines after the header
    int failed = 0;        // of them, those that gave an error or a message
};

// Computes every design of the CSV text; writeLine gets each line of JSON (with its
// line break) in the file's order. A header that is missing or names an unknown or
// repeated option is shown on messages.
BatchOutcome runBatchText(const std::string& text, const std::string& exePath,
                          const std::function<void(const std::string&)>& writeLine,
                          MessageSink& messages);

} // namespace torvelix::cli
