// Choosing the settings file's folder.
#include "settings_location.h"

#include "config_folder.h"
#include "table_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace torvelix::shell {

bool folderAcceptsNewFiles(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(folder + "/.torvelix-probe-XXXXXX");
    return probe.open(); // removed again when probe goes
}

QString userConfigHome() {
    return QString::fromStdString(userConfigFolder());
}

QString settingsPathFor(const std::string& exePath, const QString& configHome,
                        const std::function<bool(const QString&)>& folderTakesNewFiles) {
    const std::string exeBase = tables::ExeBase(exePath);
    const QString beside = QString::fromStdString(exeBase) + ".ini";
    if (tables::findTableBase(exePath) == exeBase &&
        folderTakesNewFiles(QFileInfo(beside).absolutePath())) {
        return beside;
    }
    return configHome + "/torvelix/" + QFileInfo(beside).fileName();
}

QString settingsPathFor(const std::string& exePath) {
    return settingsPathFor(exePath, userConfigHome(), folderAcceptsNewFiles);
}

} // namespace torvelix::shell
