// PDF pages for the command line: Qt's fonts need a GUI application, always on the
// offscreen platform.
#include "pdf_output.h"

#include "pdf_writer.h"

#include "console_messages.h"
#include "utf8_text.h"

#include <QGuiApplication>

#include <cstdio>

namespace torvelix::app {

namespace {

// PDF pages need Qt's fonts: a GUI application on the offscreen platform, whatever
// QT_QPA_PLATFORM says (a platform that cannot start here would end the program). A
// fatal message of Qt is printed before Qt ends the program; its notes are not ours.
void ensureGuiApplication() {
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "torvelix";
        static char* argv[] = {name, nullptr};
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg || type == QtCriticalMsg) {
                std::fprintf(stderr, "%s: Qt: %s\n", type == QtFatalMsg ? "error" : "warning",
                             torvelix::escapeInvalidUtf8(torvelix::cli::oneLine(text.toStdString()))
                                 .c_str());
                std::fflush(stderr);
            }
        });
        static QGuiApplication application(argc, argv);
    }
}

} // namespace

cad::OutputFormat headlessPdfFormat() {
    cad::OutputFormat pdf = cad::pdfOutputFormat();
    pdf.bytes = [bytes = pdf.bytes](const cad::DrawingDocument& doc) {
        ensureGuiApplication();
        return bytes(doc);
    };
    return pdf;
}

} // namespace torvelix::app
