// Honest exit status of the headless commands: output that could not be written
// (a full disk, a closed pipe) is a failure, not a success.
#pragma once

namespace torvelix::cli {

// Flushes standard output and standard error and checks both for write errors.
// Returns `status` when everything was written; otherwise says so on standard error
// (where that still works) and returns 1 in place of a success.
int finishOutput(int status);

} // namespace torvelix::cli
