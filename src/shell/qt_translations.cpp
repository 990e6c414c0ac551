// Qt's Russian catalogue, installed once for the whole program.
#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace torvelix::shell {

bool installQtTranslations(QCoreApplication& application) {
    // "qtbase_ru" holds the texts of the widgets the program uses: message boxes, file
    // dialogs, standard buttons. The translator lives as long as the application.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace torvelix::shell
