// Standard input, output and error made valid descriptors before anything opens a file,
// so that a file opened later never becomes one of them.
#pragma once

namespace torvelix {

// Opens each of descriptors 0, 1 and 2 that is closed on the null device: 0 for reading,
// 1 and 2 for reading only, so that output written to them fails (EBADF) and is seen as
// lost, while a run that writes nothing there succeeds.
void ensureStandardDescriptors();

} // namespace torvelix
