// `torvelix calc` with the options beyond the window's steps: a sorted or filtered
// candidate list, a custom spring, JSON or CSV output and batches of designs.
#pragma once

#include "cli_options.h"

#include <string>

namespace torvelix::cli {

// The value options and switches this adds to `torvelix calc`.
const std::set<std::string>& extendedCalcValueOptions();
const std::set<std::string>& extendedCalcFlagOptions();

// Whether the command line asks for any of them; without them calc's output is the
// plain one.
bool usesExtendedCalc(const ParsedOptions& options);

// Runs calc with them; the exit status as runCalcCommand's.
int runCalcExtended(const ParsedOptions& options, const std::string& exePath);

// The batch: designs read from a CSV file, one JSON object per design on standard
// output (calc_batch.cpp).
int runCalcBatch(const std::string& path, const std::string& exePath);

} // namespace torvelix::cli
