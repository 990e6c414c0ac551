// The window: the Qt application and the one wizard window; the program ends when the
// window closes.
#include "window_main.h"

#include "docx_word_backend.h"
#include "form1.h"
#include "qt_translations.h"

#include <QApplication>

namespace torvelix::app {

int runWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Torvelix");
    shell::installQtTranslations(application);
    // Report documents of earlier runs go; those of the last day may still be open.
    if (const std::string folder = wordexport::reportFolder(); !folder.empty()) {
        wordexport::clearOldReports(folder, std::chrono::hours(24));
    }
    shell::TForm1 form;
    form.show();
    return QApplication::exec();
}

} // namespace torvelix::app
