// What a write to a closed pipe does to the running program.
#pragma once

namespace torvelix {

// From now on a write to a pipe whose reader has gone fails with an error (EPIPE) that the
// writer sees and reports, instead of ending the program silently.
void ignoreBrokenPipe();

} // namespace torvelix
