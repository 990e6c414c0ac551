// The settings file's folder: beside a copy that keeps its tables beside it and can
// write there, otherwise the user's configuration folder.
#include "settings_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace torvelix::shell {
namespace {

// <dir>/bin/torvelix, with one table beside it or in <dir>/share/torvelix/.
class SettingsLocation : public ::testing::Test {
protected:
    QString dir() const { return dir_.path(); }
    std::string exe() const { return (dir() + "/bin/torvelix").toStdString(); }
    QString config() const { return dir() + "/config"; }
    void putTable(const QString& folder) const {
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile table(folder + "/torvelix_9389.dat");
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir_;
};

const auto kAlwaysWritable = [](const QString&) { return true; };
const auto kNeverWritable = [](const QString&) { return false; };

TEST_F(SettingsLocation, PortableCopyKeepsItBesideTheExecutableWhileItCanWriteThere) {
    putTable(dir() + "/bin");
    EXPECT_EQ(settingsPathFor(exe(), config(), kAlwaysWritable), dir() + "/bin/torvelix.ini");
    EXPECT_EQ(settingsPathFor(exe(), config(), kNeverWritable),
              dir() + "/config/torvelix/torvelix.ini");
    // The real check on the real folder agrees with the writable case.
    EXPECT_EQ(settingsPathFor(exe(), config(), folderAcceptsNewFiles), dir() + "/bin/torvelix.ini");
}

TEST_F(SettingsLocation, InstalledCopyUsesTheConfigurationFolder) {
    putTable(dir() + "/share/torvelix");
    // Even where the program's folder could take the file (root and /usr/bin).
    EXPECT_EQ(settingsPathFor(exe(), config(), kAlwaysWritable),
              dir() + "/config/torvelix/torvelix.ini");
}

TEST_F(SettingsLocation, FolderCheckAndConfigurationHome) {
    EXPECT_TRUE(folderAcceptsNewFiles(dir()));
    // No one, root included, creates a file in a folder that does not exist.
    EXPECT_FALSE(folderAcceptsNewFiles(dir() + "/missing"));
    EXPECT_EQ(QDir(dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{}); // the probe file is gone

    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/srv/conf");
    EXPECT_EQ(userConfigHome(), "/srv/conf");
    qputenv("XDG_CONFIG_HOME", "relative/conf"); // not absolute: ignored
    EXPECT_EQ(userConfigHome(), QDir::homePath() + "/.config");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(userConfigHome(), QDir::homePath() + "/.config");
    if (wasSet) {
        qputenv("XDG_CONFIG_HOME", saved);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

} // namespace
} // namespace torvelix::shell
