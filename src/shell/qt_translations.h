// Qt's own texts (standard buttons, file dialogs, questions) in Russian, as the rest of
// the program speaks.
#pragma once

class QCoreApplication;

namespace torvelix::shell {

// Loads Qt's Russian catalogue from Qt's translations folder into the application for
// the whole run. Returns false, changing nothing, when the catalogue is not installed.
bool installQtTranslations(QCoreApplication& application);

} // namespace torvelix::shell
