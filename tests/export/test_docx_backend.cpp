// The built-in word-processor backend: its document under typing and formatting,
// and the export through it, with the opener replaced by a recorder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <thread>

#include "docx_document.h"
#include "docx_opener.h"
#include "docx_word_backend.h"
#include "export_test_support.h"
#include "word_export.h"

namespace torvelix::wordexport {
namespace {

using testing::checkDocxWithPython;
using testing::readText;
using testing::sampleReport;
using testing::ScratchFolder;
using testing::writeText;

std::vector<std::string> paragraphTexts(const DocxDocument& document) {
    std::vector<std::string> texts;
    for (const Paragraph& paragraph : document.paragraphs()) {
        std::string text;
        for (const Run& run : paragraph.runs) {
            text += run.text;
        }
        texts.push_back(text);
    }
    return texts;
}

TEST(DocxDocument, BreaksParagraphsAtCrLfAndTheirPairAndReplacesTheWholeStory) {
    DocxDocument document;
    document.TypeText("a\rb\r\nc\nd");
    EXPECT_EQ(paragraphTexts(document), (std::vector<std::string>{"a", "b", "c", "d"}));

    // Formatting the whole story reaches text already typed and the paragraph marks;
    // typing over it replaces it.
    document.selectWholeStory();
    document.setFontName("Courier New");
    for (const Paragraph& paragraph : document.paragraphs()) {
        EXPECT_EQ(paragraph.markFormat.fontName, "Courier New");
        EXPECT_EQ(paragraph.runs.at(0).format.fontName, "Courier New");
    }
    document.TypeText("x\r");
    EXPECT_EQ(paragraphTexts(document), (std::vector<std::string>{"x", ""}));

    // Without a selection, a new font applies to the text typed afterwards only.
    document.setFontSize(10.5);
    document.TypeText("y");
    EXPECT_EQ(document.paragraphs()[0].runs[0].format, (CharFormat{"Courier New", 0}));
    EXPECT_EQ(document.paragraphs()[1].runs[0].format, (CharFormat{"Courier New", 21}));
}

class DocxBackendExport : public ::testing::Test {
protected:
    // An opener that appends its argument to a record file.
    std::string makeRecorder() {
        const std::string recorder = scratch_.file("recorder.sh");
        writeText(recorder, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + record_ + "'\n");
        ::chmod(recorder.c_str(), 0700);
        return recorder;
    }
    // The record's lines once it has count of them (the opener runs in the background).
    std::vector<std::string> waitForRecord(std::size_t count) {
        std::vector<std::string> lines;
        for (int attempt = 0; attempt < 100; ++attempt) {
            lines.clear();
            std::istringstream in(readText(record_));
            for (std::string line; std::getline(in, line);) {
                lines.push_back(line);
            }
            if (lines.size() >= count) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return lines;
    }

    ScratchFolder scratch_;
    ScratchFolder temp_;
    std::string record_ = scratch_.file("opened.txt");
};

TEST_F(DocxBackendExport, WritesANewDocumentToTheTempFolderAndHandsItToTheOpener) {
    DocxWordConnector connector({temp_.path().string(), makeRecorder()});
    RecordingMessageSink messages;
    exportToWord(sampleReport(), connector, messages);
    exportToWord({}, connector, messages);
    EXPECT_TRUE(messages.messages.empty());

    const std::vector<std::string>& shown = connector.shownFiles();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_EQ(waitForRecord(2), shown);
    for (const std::string& file : shown) {
        EXPECT_EQ(std::filesystem::path(file).parent_path(), temp_.path());
        EXPECT_EQ(std::filesystem::path(file).extension(), ".docx");
    }
    SKIP_WITHOUT_PYTHON("docx");
    EXPECT_EQ(checkDocxWithPython(shown[0], sampleReport(), scratch_), 0);
    EXPECT_EQ(checkDocxWithPython(shown[1], {}, scratch_), 0);
}

TEST_F(DocxBackendExport, NoProgramToShowTheDocumentMeansTheApplicationCannotStart) {
    DocxWordConnector connector({temp_.path().string(), scratch_.file("no-such-opener")});
    RecordingMessageSink messages;
    exportToWord(sampleReport(), connector, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kWordUnavailableMessage);
    EXPECT_TRUE(temp_.entries().empty());
}

// An opener that ends at once with a failure (xdg-open finding no program for the
// file) is an application that cannot start; one that keeps running does not hold
// the export up.
TEST_F(DocxBackendExport, TheOpenersFailureIsReportedButItsRunningIsNotAwaited) {
    const std::string failing = scratch_.file("failing.sh");
    writeText(failing, "#!/bin/sh\nexit 3\n");
    ::chmod(failing.c_str(), 0700);
    DocxWordConnector failingConnector({temp_.path().string(), failing});
    RecordingMessageSink messages;
    exportToWord(sampleReport(), failingConnector, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kWordUnavailableMessage);
    EXPECT_TRUE(temp_.entries().empty());

    // The lasting opener ends only once the test releases it (or gives up after 20 s,
    // noting that it finished): an export that waited for it would find it finished.
    const std::string lasting = scratch_.file("lasting.sh");
    const std::string release = scratch_.file("release");
    const std::string finished = scratch_.file("finished");
    writeText(lasting, "#!/bin/sh\ni=0\nwhile [ ! -e '" + release + "' ] && [ $i -lt 200 ]; do\n" +
                           "  sleep 0.1; i=$((i + 1))\ndone\necho done > '" + finished + "'\n");
    ::chmod(lasting.c_str(), 0700);
    DocxWordConnector lastingConnector({temp_.path().string(), lasting});
    messages.messages.clear();
    exportToWord(sampleReport(), lastingConnector, messages);
    EXPECT_FALSE(std::filesystem::exists(finished));
    writeText(release, "");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(lastingConnector.shownFiles().size(), 1u);
}

TEST_F(DocxBackendExport, ATempFolderThatCannotBeWrittenMeansTheApplicationCannotStart) {
    for (const std::string& folder : {temp_.file("missing"), temp_.path().string()}) {
        ::chmod(temp_.path().c_str(), 0500);
        DocxWordConnector connector({folder, makeRecorder()});
        RecordingMessageSink messages;
        exportToWord(sampleReport(), connector, messages);
        ::chmod(temp_.path().c_str(), 0700);
        if (::geteuid() == 0 && folder == temp_.path().string()) {
            continue; // root writes anyway
        }
        ASSERT_EQ(messages.messages.size(), 1u) << folder;
        EXPECT_EQ(messages.messages[0].text, kWordUnavailableMessage);
        EXPECT_TRUE(connector.shownFiles().empty());
    }
}

TEST_F(DocxBackendExport, ADocumentThatCannotBeWrittenWhenShownMeansTheApplicationCannotStart) {
    DocxWordConnector connector({temp_.path().string(), makeRecorder()});
    std::shared_ptr<WordApplication> application = connector.CreateObject("Word.Application");
    std::filesystem::remove_all(temp_.path()); // gone between start and showing
    try {
        typeReport(*application, {"line"});
        FAIL() << "no failure";
    } catch (const WordAutomationFailure& failure) {
        EXPECT_EQ(failure.code(), kServerExecFailure);
    }
    std::filesystem::create_directory(temp_.path());
}

TEST_F(DocxBackendExport, AnErrorWhileTypingIsTheApplicationsOwnAndNothingIsShown) {
    DocxWordConnector connector({temp_.path().string(), makeRecorder(), 64});
    RecordingMessageSink messages;
    exportToWord(sampleReport(), connector, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kWordErrorMessage);
    EXPECT_TRUE(connector.shownFiles().empty());
    EXPECT_TRUE(temp_.entries().empty());
}

TEST(DocxBackend, OnlyWordApplicationIsRegisteredAndSelectionNeedsADocument) {
    DocxWordConnector connector({"", "true"});
    try {
        connector.CreateObject("Excel.Application");
        FAIL() << "created";
    } catch (const WordAutomationFailure& failure) {
        EXPECT_EQ(failure.code(), kClassNotRegistered);
    }
    EXPECT_THROW(connector.CreateObject("Word.Application")->Selection(), WordException);
}

TEST(DocxOpener, TheEnvironmentVariableOverridesXdgOpenAndNamesAreSearchedInPath) {
    const char* saved = std::getenv(kOpenerVariable);
    const std::string savedValue = saved != nullptr ? saved : "";
    ::setenv(kOpenerVariable, "true", 1);
    EXPECT_EQ(std::filesystem::path(resolveOpener("")).filename(), "true");
    EXPECT_EQ(resolveOpener("/bin/sh"), "/bin/sh");
    ::setenv(kOpenerVariable, "torvelix-no-such-opener", 1);
    EXPECT_THROW(resolveOpener(""), UserError);
    EXPECT_THROW(resolveOpener("/etc/passwd"), UserError);
    if (saved != nullptr) {
        ::setenv(kOpenerVariable, savedValue.c_str(), 1);
    } else {
        ::unsetenv(kOpenerVariable);
    }
}

} // namespace
} // namespace torvelix::wordexport
