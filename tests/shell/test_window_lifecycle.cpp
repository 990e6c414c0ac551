// Start and end of the program: the table check closing the window, the window size
// kept in the settings file, "Выход" and Esc, the system close box.
#include "shell_fixture.h"

#include "cp1251.h"

#include <QTest>

namespace torvelix::shell::testing {
namespace {

using Lifecycle = WindowTest;

void writeCp1251(const QString& path, const std::string& utf8) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto bytes = torvelix::utf8ToCp1251(utf8);
    ASSERT_TRUE(bytes.has_value());
    file.write(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

std::string readCp1251(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return torvelix::cp1251ToUtf8(file.readAll().toStdString());
}

TEST_F(Lifecycle, AMissingTableIsReportedAndTheWindowClosesAtItsFirstActivation) {
    TableFolder folder({"13770"});
    TForm1& form = open(folder.exePath());
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages_.messages[0].text, "Не могу найти таблицу " + folder.exePath() +
                                              "_13770.dat\n\rЗагрузка программы прекращена");
    EXPECT_FALSE(form.designState().tables.TablesOk);
    form.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(QFile::exists(folder.iniPath()));
}

TEST_F(Lifecycle, AnUnreadableClassRowClosesTheWindowOnceItsMessageIsDismissed) {
    TableFolder folder;
    TForm1& form = open(folder.exePath());
    form.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.isVisible());
    // The classification table loses its last lines: item 10 has no row any more.
    const QString classTable = folder.base() + "_13764.dat";
    QFile file(classTable);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int k = 0; k < 5; ++k) {
        file.write(lines[k] + "\n");
    }
    file.close();
    forwardTo(1);
    SelectClass(10);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, "Ошибка чтения таблицы " + classTable.toStdString());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Lifecycle, WindowSizeIsRestoredFromTheSettingsFile) {
    TableFolder folder;
    writeCp1251(folder.iniPath(), "[Общая]\r\nВысота=0x200\r\nШирина=$258\r\n");
    EXPECT_EQ(open(folder.exePath()).size(), QSize(600, 512));

    writeCp1251(folder.iniPath(), "[Общая]\r\nВысота=abc\r\nШирина=700\r\n");
    EXPECT_EQ(open(folder.exePath()).size(), QSize(700, 450));

    // Keys of another section do not count.
    writeCp1251(folder.iniPath(), "[Другая]\r\nВысота=500\r\n[Общая]\r\nШирина=640\r\n");
    EXPECT_EQ(open(folder.exePath()).size(), QSize(640, 450));
}

TEST_F(Lifecycle, ExitWritesTheSettingsAndClosesTheWindow) {
    TableFolder folder;
    TForm1& form = open(folder.exePath());
    form.show();
    QCoreApplication::processEvents();
    // The first showing keeps the default outer size, the frame included.
    EXPECT_EQ(form.frameGeometry().size(), QSize(kDefaultWidth, kDefaultHeight));
    form.resize(620, 480);
    const QSize outer = form.frameGeometry().size();
    click("bbExit");
    EXPECT_FALSE(form.isVisible());
    const std::string ini = readCp1251(folder.iniPath());
    EXPECT_EQ(ini, "[Общая]\r\nАвтор=Torvelix design office, 2026\r\n"
                   "E-Mail=torvelix@example.org\r\nВысота=" +
                       std::to_string(outer.height()) +
                       "\r\nШирина=" + std::to_string(outer.width()) +
                       "\r\nЕСКД=0\r\nСортировка=0\r\nПорядок=0\r\nТолько годные=0\r\n");
    TForm1& again = open(folder.exePath());
    again.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(again.frameGeometry().size(), outer);
}

TEST_F(Lifecycle, EscPressesExitAndTheCloseBoxWritesNothing) {
    TableFolder folder;
    TForm1& form = open(folder.exePath());
    form.show();
    QCoreApplication::processEvents();
    form.close(); // the system close box
    EXPECT_FALSE(QFile::exists(folder.iniPath()));

    TForm1& second = open(folder.exePath());
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    QTest::keyClick(&second, Qt::Key_Escape);
    // The shortcut presses the button visibly: the click follows the release.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !second.isVisible(); }, 2000));
    EXPECT_TRUE(QFile::exists(folder.iniPath()));
}

TEST_F(Lifecycle, ASettingsFileThatCannotBeWrittenKeepsTheWindowOpen) {
    TableFolder folder;
    // A folder in the settings file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(folder.iniPath()));
    TForm1& form = open(folder.exePath());
    EXPECT_EQ(form.size(), QSize(kDefaultWidth, kDefaultHeight));
    form.show();
    QCoreApplication::processEvents();
    click("bbExit");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "Unable to write to " + folder.iniPath().toStdString());
    EXPECT_TRUE(form.isVisible());
    click("bbExit");
    EXPECT_EQ(errors_.size(), 2u);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Lifecycle, TheTitlePageSaysWhileShippedEstimateTablesAreInUse) {
    open();
    const auto* notice = find<QLabel>("LEstimate");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().startsWith(u"Таблицы пружин 13766…13776 — расчетная оценка"));
    EXPECT_TRUE(notice->text().contains(u"data/README.md"));

    // The standard's tables keyed in for every spring table (here: one value each
    // changed, so the files are no longer the shipped ones): no notice.
    TableFolder keyed;
    for (int number = 13766; number <= 13776; ++number) {
        QFile file(keyed.base() + "_" + QString::number(number) + ".dat");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(file.size() - 3);
        file.write("9");
    }
    open(keyed.exePath());
    EXPECT_EQ(form_->findChild<QLabel*>("LEstimate"), nullptr);
}

} // namespace
} // namespace torvelix::shell::testing
