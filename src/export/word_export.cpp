// The report export's call sequence and the mapping of its failures to messages.
#include "word_export.h"

namespace torvelix::wordexport {

namespace {

// A member that hands back no object leaves nothing to call the next member on;
// the automation layer reports that as a failure with a system code.
template <typename T> std::shared_ptr<T> Require(std::shared_ptr<T> object, const char* member) {
    if (!object) {
        throw AutomationFailure(std::string(member) + " returned no object", kNoObject);
    }
    return object;
}

std::shared_ptr<WordSelection> SelectionOf(WordApplication& application) {
    return Require(application.Selection(), "Selection");
}

} // namespace

void TypeReport(WordApplication& application, const std::vector<std::string>& lines) {
    Require(application.Documents(), "Documents")->Add();
    SelectionOf(application)->WholeStory();
    Require(SelectionOf(application)->Font(), "Font")->SetName(kReportFontName);
    Require(SelectionOf(application)->Font(), "Font")->SetSize(kReportFontSizePt);
    for (const std::string& line : lines) {
        SelectionOf(application)->TypeText(line + "\r");
    }
    application.SetVisible(true);
}

void ExportToWord(const std::vector<std::string>& lines, WordConnector& connector,
                  MessageSink& messages) {
    try {
        std::shared_ptr<WordApplication> application =
            Require(connector.CreateObject(kWordProgId), "CreateObject");
        TypeReport(*application, lines);
    } catch (const WordException&) {
        messages.show(MessageIcon::Warning, kWordErrorMessage);
    } catch (const AutomationFailure&) {
        messages.show(MessageIcon::Warning, kWordUnavailableMessage);
    }
}

} // namespace torvelix::wordexport
