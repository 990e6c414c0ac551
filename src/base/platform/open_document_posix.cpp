// Free desktops open a document with the user's application through xdg-open.
#include "open_document.h"

namespace torvelix {

std::string DesktopOpener() {
    return "xdg-open";
}

} // namespace torvelix
