// The report export: types the report lines into a new word-processor document in
// Courier New 12 point and shows the word processor, reporting its failures.
#pragma once

#include <string>
#include <vector>

#include "message_sink.h"
#include "word_automation.h"

namespace torvelix::wordexport {

inline constexpr const char* kWordProgId = "Word.Application";
inline constexpr const char* kReportFontName = "Courier New";
inline constexpr int kReportFontSizePt = 12;

// Shown when the word processor answers a call with an error of its own.
inline constexpr const char* kWordErrorMessage = "Ошибка связи с MS Word.";
// Shown when the word processor is not registered, cannot be started or refuses a call.
inline constexpr const char* kWordUnavailableMessage =
    "Операция недоступна !\r\nПроверьте версию MS Word. Необходим MS Word 97.";

// On an application object already created: adds a document, selects the whole
// story, sets the font, types every line followed by a carriage return, one call
// per line, and makes the application visible. Failures propagate.
void typeReport(WordApplication& application, const std::vector<std::string>& lines);

// Creates the application object through connector and runs typeReport as one
// protected operation: the first failing call ends it. WordException and
// WordAutomationFailure are shown through messages as warnings; any other error
// (an unsupported member in particular) propagates to the caller.
void exportToWord(const std::vector<std::string>& lines, WordConnector& connector,
                  MessageSink& messages);

} // namespace torvelix::wordexport
