// What the command line may hold when it opens the window: Qt's own options, and a
// display to open the window on.
#pragma once

namespace torvelix::app {

// Checks the arguments and the session before the window is made (Qt ends the process
// when it finds no display). Returns -1 when the window can open; otherwise the exit
// status, after one line on standard error: "torvelix: unknown option '<option>'" (2)
// for an argument that is not one of Qt's options, or, without a graphical session,
// how to use the subcommands instead (1).
int checkWindowArguments(int argc, char** argv);

} // namespace torvelix::app
