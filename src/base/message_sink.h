// How the core tells the user something: the modal message boxes of the program,
// each an exact text with an error or a warning icon. The window shows them as
// message boxes, the command line prints them, tests record them.
#pragma once

#include <string>
#include <vector>

namespace torvelix {

enum class MessageIcon { Error, Warning };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows one message and returns when the user has dismissed it.
    virtual void show(MessageIcon icon, const std::string& text) = 0;
};

// Keeps every message in order; used by the command line and by tests.
class RecordingMessageSink : public MessageSink {
public:
    struct Message {
        MessageIcon icon;
        std::string text;
    };
    void show(MessageIcon icon, const std::string& text) override {
        messages.push_back({icon, text});
    }
    std::vector<Message> messages;
};

} // namespace torvelix
