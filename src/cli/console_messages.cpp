// Printing the program's messages on standard error.
#include "console_messages.h"

#include "utf8_text.h"

#include <cstdio>

namespace torvelix::cli {

std::string oneLine(const std::string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char ch = text[k];
        if (ch == '\r' || ch == '\n') {
            const char next = k + 1 < text.size() ? text[k + 1] : '\0';
            if ((next == '\r' || next == '\n') && next != ch) {
                ++k;
            }
            out += ' ';
        } else {
            out += ch;
        }
    }
    return out;
}

void ConsoleMessageSink::show(MessageIcon icon, const std::string& text) {
    ++count_;
    std::fprintf(stderr, "%s%s\n", icon == MessageIcon::Error ? "error: " : "warning: ",
                 escapeInvalidUtf8(oneLine(text)).c_str());
    std::fflush(stderr);
}

} // namespace torvelix::cli
