// Messages of the headless commands: one line each on standard error, prefixed
// "error: " or "warning: "; a line break inside a message becomes one space.
#pragma once

#include "message_sink.h"

#include <string>

namespace torvelix::cli {

std::string oneLine(const std::string& text);

class ConsoleMessageSink : public MessageSink {
public:
    void show(MessageIcon icon, const std::string& text) override;
    bool anyShown() const { return count_ > 0; }

private:
    int count_ = 0;
};

} // namespace torvelix::cli
