// The window half of the executable: the Qt application and the wizard window.
#pragma once

namespace torvelix::app {

// Runs the window until it closes; argc/argv go to the Qt application.
int runWindow(int argc, char** argv);

} // namespace torvelix::app
