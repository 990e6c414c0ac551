// The export's call sequence and failure mapping, against a scripted word processor
// that logs every call and fails at a chosen one.
#include <gtest/gtest.h>

#include <optional>

#include "word_export.h"

namespace torvelix::wordexport {
namespace {

enum class FailureKind { WordError, SystemError, UnknownMember, NoObject };

// A scripted word processor: every object it hands out is itself; it logs every
// call, and the call with index failAt fails with the given kind.
class FakeWord : public WordConnector,
                 public WordApplication,
                 public WordDocuments,
                 public WordSelection,
                 public WordFont,
                 public std::enable_shared_from_this<FakeWord> {
public:
    std::vector<std::string> calls;
    std::optional<std::size_t> failAt;
    FailureKind kind = FailureKind::WordError;

    std::shared_ptr<WordApplication> CreateObject(const std::string& progId) override {
        return object<WordApplication>("CreateObject " + progId);
    }
    std::shared_ptr<WordDocuments> Documents() override {
        return object<WordDocuments>("Documents");
    }
    void Add() override { record("Add"); }
    std::shared_ptr<WordSelection> Selection() override {
        return object<WordSelection>("Selection");
    }
    void WholeStory() override { record("WholeStory"); }
    std::shared_ptr<WordFont> Font() override { return object<WordFont>("Font"); }
    void SetName(const std::string& name) override { record("Font.Name=" + name); }
    void SetSize(double points) override { record("Font.Size=" + std::to_string(int(points))); }
    void TypeText(const std::string& text) override { record("TypeText " + text); }
    void SetVisible(bool visible) override { record(visible ? "Visible=true" : "Visible=false"); }

private:
    // Logs the call; true when it must hand back no object.
    bool record(const std::string& call) {
        calls.push_back(call);
        if (!failAt || calls.size() - 1 != *failAt) {
            return false;
        }
        switch (kind) {
        case FailureKind::WordError:
            throw WordException("Word: command failed");
        case FailureKind::SystemError:
            throw WordAutomationFailure("call rejected", kCallRejected);
        case FailureKind::UnknownMember:
            throw UnsupportedMember(call.substr(0, call.find_first_of(" =")));
        case FailureKind::NoObject:
            return true;
        }
        return false;
    }
    template <typename T> std::shared_ptr<T> object(const std::string& call) {
        return record(call) ? nullptr : std::shared_ptr<T>(shared_from_this(), this);
    }
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
    auto word = std::make_shared<FakeWord>();
    RecordingMessageSink messages;
    exportToWord(kLines, *word, messages);
    EXPECT_EQ(word->calls, kFullSequence);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(WordExport, EmptyReportStillCreatesFormatsAndShowsTheDocument) {
    auto word = std::make_shared<FakeWord>();
    RecordingMessageSink messages;
    exportToWord({}, *word, messages);
    std::vector<std::string> expected(kFullSequence.begin(), kFullSequence.begin() + 11);
    expected.push_back("Visible=true");
    EXPECT_EQ(word->calls, expected);
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
            auto word = std::make_shared<FakeWord>();
            word->failAt = failAt;
            word->kind = kind;
            RecordingMessageSink messages;
            exportToWord(kLines, *word, messages);
            const bool objectCall = kFullSequence[failAt].rfind("CreateObject", 0) == 0 ||
                                    kFullSequence[failAt] == "Documents" ||
                                    kFullSequence[failAt] == "Selection" ||
                                    kFullSequence[failAt] == "Font";
            if (kind == FailureKind::NoObject && !objectCall) {
                EXPECT_EQ(word->calls, kFullSequence); // nothing to withhold there
                EXPECT_TRUE(messages.messages.empty());
                continue;
            }
            EXPECT_EQ(word->calls.size(), failAt + 1);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages.messages[0].text, text);
        }
    }
}

TEST(WordExport, AnUnknownMemberIsLeftToTheGeneralErrorHandler) {
    auto word = std::make_shared<FakeWord>();
    word->failAt = 12; // the first TypeText
    word->kind = FailureKind::UnknownMember;
    RecordingMessageSink messages;
    try {
        exportToWord(kLines, *word, messages);
        FAIL() << "the error was swallowed";
    } catch (const UnsupportedMember& error) {
        EXPECT_STREQ(error.what(), "Method 'TypeText' not supported by automation object");
    }
    EXPECT_EQ(word->calls.size(), 13u);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace torvelix::wordexport
