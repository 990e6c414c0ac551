// The window's command line: Qt's options are let through, anything else is refused;
// without a graphical session the user is sent to the subcommands.
#include "window_arguments.h"

#include "utf8_text.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace torvelix::app {

namespace {

// Qt's application options (one or two leading dashes), with a value ...
constexpr std::array<std::string_view, 14> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name",          "title"};
// ... and without.
constexpr std::array<std::string_view, 5> kQtFlagOptions = {"reverse", "widgetcount", "nograb",
                                                            "dograb", "sync"};

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

int refuse(const std::string& option) {
    std::fprintf(stderr, "torvelix: unknown option '%s'\n", escapeInvalidUtf8(option).c_str());
    return 2;
}

} // namespace

int checkWindowArguments(int argc, char** argv) {
    std::string platform = isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string_view name = argument;
        if (name.rfind("--", 0) == 0) {
            name.remove_prefix(2);
        } else if (name.rfind('-', 0) == 0) {
            name.remove_prefix(1);
        } else {
            return refuse(argument);
        }
        const auto equals = name.find('=');
        const std::string_view key = name.substr(0, equals);
        bool known = false;
        for (const auto option : kQtValueOptions) {
            known = known || key == option;
        }
        if (known && equals == std::string_view::npos) {
            if (i + 1 >= argc) {
                return refuse(argument);
            }
            if (key == "platform") {
                platform = argv[i + 1];
            }
            ++i;
            continue;
        }
        if (known) {
            if (key == "platform") {
                platform = std::string(name.substr(equals + 1));
            }
            continue;
        }
        for (const auto option : kQtFlagOptions) {
            known = known || name == option;
        }
        if (!known) {
            return refuse(argument);
        }
    }
    // Only the desktop's own platforms need a display (offscreen, vnc ... do not).
    const bool needsDisplay =
        platform.empty() || platform.rfind("xcb", 0) == 0 || platform.rfind("wayland", 0) == 0;
    if (needsDisplay && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fputs("torvelix: окну нужен графический сеанс / the window needs a graphical "
                   "session; без него / without one: torvelix calc, draw, check-tables "
                   "(torvelix --help)\n",
                   stderr);
        return 1;
    }
    return -1;
}

} // namespace torvelix::app
