// PDF output of `torvelix draw`: Qt's PDF writer, given to the command line by main.
#pragma once

#include "output_formats.h"

#include <string>

namespace torvelix::app {

// The PDF format for the command line: it starts an offscreen GUI application first when
// there is none (Qt's fonts need one), then writes as the window's PDF format does.
cad::OutputFormat headlessPdfFormat();

} // namespace torvelix::app
