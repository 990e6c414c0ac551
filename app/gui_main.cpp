// The window: the Qt application and the one wizard window; the program ends when the
// window closes.
#include "commands.h"

#include "form1.h"
#include "qt_translations.h"

#include <QApplication>

namespace torvelix::app {

int RunWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Torvelix");
    shell::InstallQtTranslations(application);
    shell::TForm1 form;
    form.show();
    return QApplication::exec();
}

} // namespace torvelix::app
