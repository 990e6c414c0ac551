// Free desktops open a document with the user's application through xdg-open.
#include "open_document.h"

namespace torvelix {

std::string desktopOpener() {
    return "xdg-open";
}

} // namespace torvelix
