// The report export's call sequence and the mapping of its failures to messages.
#include "word_export.h"

namespace torvelix::wordexport {

namespace {

// A member that hands back no object leaves nothing to call the next member on;
// the automation layer reports that as a failure with a system code.
template <typename T> std::shared_ptr<T> require(std::shared_ptr<T> object, const char* member) {
    if (!object) {
        throw WordAutomationFailure(std::string(member) + " returned no object", kNoObject);
    }
    return object;
}

std::shared_ptr<WordSelection> selectionOf(WordApplication& application) {
    return require(application.Selection(), "Selection");
}

} // namespace

void typeReport(WordApplication& application, const std::vector<std::string>& lines) {
    require(application.Documents(), "Documents")->Add();
    selectionOf(application)->WholeStory();
    require(selectionOf(application)->Font(), "Font")->SetName(kReportFontName);
    require(selectionOf(application)->Font(), "Font")->SetSize(kReportFontSizePt);
    for (const std::string& line : lines) {
        selectionOf(application)->TypeText(line + "\r");
    }
    application.SetVisible(true);
}

void exportToWord(const std::vector<std::string>& lines, WordConnector& connector,
                  MessageSink& messages) {
    try {
        std::shared_ptr<WordApplication> application =
            require(connector.CreateObject(kWordProgId), "CreateObject");
        typeReport(*application, lines);
    } catch (const WordException&) {
        messages.show(MessageIcon::Warning, kWordErrorMessage);
    } catch (const WordAutomationFailure&) {
        messages.show(MessageIcon::Warning, kWordUnavailableMessage);
    }
}

} // namespace torvelix::wordexport
