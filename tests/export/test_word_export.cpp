// The export's call sequence and failure mapping, against a scripted word processor
// that logs every call and fails at a chosen one.
#include <gtest/gtest.h>

#include <optional>

#include "word_export.h"

namespace torvelix::wordexport {
namespace {

enum class FailureKind { WordError, SystemError, UnknownMember, NoObject };

// One shared log of calls; the call with index failAt fails with the given kind.
struct Script {
    std::vector<std::string> calls;
    std::optional<std::size_t> failAt;
    FailureKind kind = FailureKind::WordError;

    // Logs the call; true when it must hand back no object.
    bool Call(const std::string& call) {
        calls.push_back(call);
        if (!failAt || calls.size() - 1 != *failAt) {
            return false;
        }
        switch (kind) {
        case FailureKind::WordError:
            throw WordException("Word: command failed");
        case FailureKind::SystemError:
            throw AutomationFailure("call rejected", kCallRejected);
        case FailureKind::UnknownMember:
            throw UnsupportedMember(call.substr(0, call.find_first_of(" =")));
        case FailureKind::NoObject:
            return true;
        }
        return false;
    }
};

template <typename T, typename Make>
std::shared_ptr<T> Object(Script& script, const std::string& call, Make make) {
    return script.Call(call) ? nullptr : make();
}

class FakeFont : public WordFont {
public:
    explicit FakeFont(Script& script) : script_(script) {}
    void SetName(const std::string& name) override { script_.Call("Font.Name=" + name); }
    void SetSize(double points) override {
        script_.Call("Font.Size=" + std::to_string(static_cast<int>(points)));
    }

private:
    Script& script_;
};

class FakeSelection : public WordSelection {
public:
    explicit FakeSelection(Script& script) : script_(script) {}
    void WholeStory() override { script_.Call("WholeStory"); }
    std::shared_ptr<WordFont> Font() override {
        return Object<WordFont>(script_, "Font",
                                [&] { return std::make_shared<FakeFont>(script_); });
    }
    void TypeText(const std::string& text) override { script_.Call("TypeText " + text); }

private:
    Script& script_;
};

class FakeDocuments : public WordDocuments {
public:
    explicit FakeDocuments(Script& script) : script_(script) {}
    void Add() override { script_.Call("Add"); }

private:
    Script& script_;
};

class FakeApplication : public WordApplication {
public:
    explicit FakeApplication(Script& script) : script_(script) {}
    std::shared_ptr<WordDocuments> Documents() override {
        return Object<WordDocuments>(script_, "Documents",
                                     [&] { return std::make_shared<FakeDocuments>(script_); });
    }
    std::shared_ptr<WordSelection> Selection() override {
        return Object<WordSelection>(script_, "Selection",
                                     [&] { return std::make_shared<FakeSelection>(script_); });
    }
    void SetVisible(bool visible) override {
        script_.Call(std::string("Visible=") + (visible ? "true" : "false"));
    }

private:
    Script& script_;
};

class FakeConnector : public WordConnector {
public:
    explicit FakeConnector(Script& script) : script_(script) {}
    std::shared_ptr<WordApplication> CreateObject(const std::string& progId) override {
        return Object<WordApplication>(script_, "CreateObject " + progId,
                                       [&] { return std::make_shared<FakeApplication>(script_); });
    }

private:
    Script& script_;
};

const std::vector<std::string> kLines = {"=====", "  Сила, F1 (Н) : 20.000", ""};

const std::vector<std::string> kFullSequence = {
    "CreateObject Word.Application",
    "Documents",
    "Add",
    "Selection",
    "WholeStory",
    "Selection",
    "Font",
    "Font.Name=Courier New",
    "Selection",
    "Font",
    "Font.Size=12",
    "Selection",
    "TypeText =====\r",
    "Selection",
    "TypeText   Сила, F1 (Н) : 20.000\r",
    "Selection",
    "TypeText \r",
    "Visible=true",
};

TEST(WordExport, MakesTheCallsInOrderWithOneTypeTextPerLine) {
    Script script;
    FakeConnector connector(script);
    RecordingMessageSink messages;
    ExportToWord(kLines, connector, messages);
    EXPECT_EQ(script.calls, kFullSequence);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(WordExport, EmptyReportStillCreatesFormatsAndShowsTheDocument) {
    Script script;
    FakeConnector connector(script);
    RecordingMessageSink messages;
    ExportToWord({}, connector, messages);
    std::vector<std::string> expected(kFullSequence.begin(), kFullSequence.begin() + 11);
    expected.push_back("Visible=true");
    EXPECT_EQ(script.calls, expected);
    EXPECT_TRUE(messages.messages.empty());
}

// Whatever call fails, the calls after it are not made and the failure's kind
// decides the one warning shown.
TEST(WordExport, AFailingCallEndsTheExportWithTheMessageOfItsKind) {
    const std::pair<FailureKind, const char*> handled[] = {
        {FailureKind::WordError, "Ошибка связи с MS Word."},
        {FailureKind::SystemError,
         "Операция недоступна !\r\nПроверьте версию MS Word. Необходим MS Word 97."},
        {FailureKind::NoObject,
         "Операция недоступна !\r\nПроверьте версию MS Word. Необходим MS Word 97."},
    };
    for (const auto& [kind, text] : handled) {
        for (std::size_t failAt = 0; failAt < kFullSequence.size(); ++failAt) {
            SCOPED_TRACE("failing call: " + kFullSequence[failAt]);
            Script script;
            script.failAt = failAt;
            script.kind = kind;
            FakeConnector connector(script);
            RecordingMessageSink messages;
            ExportToWord(kLines, connector, messages);
            const bool objectCall = kFullSequence[failAt].rfind("CreateObject", 0) == 0 ||
                                    kFullSequence[failAt] == "Documents" ||
                                    kFullSequence[failAt] == "Selection" ||
                                    kFullSequence[failAt] == "Font";
            if (kind == FailureKind::NoObject && !objectCall) {
                EXPECT_EQ(script.calls, kFullSequence); // nothing to withhold there
                EXPECT_TRUE(messages.messages.empty());
                continue;
            }
            EXPECT_EQ(script.calls.size(), failAt + 1);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages.messages[0].text, text);
        }
    }
}

TEST(WordExport, AnUnknownMemberIsLeftToTheGeneralErrorHandler) {
    Script script;
    script.failAt = 12; // the first TypeText
    script.kind = FailureKind::UnknownMember;
    FakeConnector connector(script);
    RecordingMessageSink messages;
    try {
        ExportToWord(kLines, connector, messages);
        FAIL() << "the error was swallowed";
    } catch (const UnsupportedMember& error) {
        EXPECT_STREQ(error.what(), "Method 'TypeText' not supported by automation object");
    }
    EXPECT_EQ(script.calls.size(), 13u);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace torvelix::wordexport
