// Choosing the settings file's folder.
#include "settings_location.h"

#include "config_folder.h"
#include "table_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace torvelix::shell {

bool FolderTakesNewFiles(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(folder + "/.torvelix-probe-XXXXXX");
    return probe.open(); // removed again when probe goes
}

QString UserConfigHome() {
    return QString::fromStdString(UserConfigFolder());
}

QString SettingsPath(const std::string& exePath, const QString& configHome,
                     const std::function<bool(const QString&)>& folderTakesNewFiles) {
    const std::string exeBase = tables::ExeBase(exePath);
    const QString beside = QString::fromStdString(exeBase) + ".ini";
    if (tables::FindTableBase(exePath) == exeBase &&
        folderTakesNewFiles(QFileInfo(beside).absolutePath())) {
        return beside;
    }
    return configHome + "/torvelix/" + QFileInfo(beside).fileName();
}

QString SettingsPath(const std::string& exePath) {
    return SettingsPath(exePath, UserConfigHome(), FolderTakesNewFiles);
}

} // namespace torvelix::shell
