// PDF pages for the command line: Qt's fonts need a GUI application, offscreen when
// there is no display.
#include "pdf_output.h"

#include "pdf_writer.h"

#include <QGuiApplication>

namespace torvelix::app {

namespace {

void ensureGuiApplication() {
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "torvelix";
        static char* argv[] = {name, nullptr};
        // Qt's own notes (a missing runtime folder) are no messages of this program.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
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
