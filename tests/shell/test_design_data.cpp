// The candidate page's "Своя пружина…" and the report page's "Сохранить данные…": a
// spring of any wire computed and reported, then saved as JSON and CSV, an existing file
// replaced only when the user agrees.
#include "shell_fixture.h"

#include "custom_spring.h"
#include "message_box_answer.h"
#include "scratch_folder.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace torvelix::shell::testing {
namespace {

using DesignData = WindowTest;

// Answers the custom spring's dialog once it is up: the diameters typed, then OK
// (accepted) or Cancel. then: what to do at the next showing, if anything.
void answerDiameters(const QString& d, const QString& D1, bool accept,
                     std::function<void()> then = {}) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no dialog is up";
        EXPECT_EQ(dialog->objectName(), "CustomSpringDialog");
        dialog->findChild<QLineEdit*>("eCustomD")->setText(d);
        dialog->findChild<QLineEdit*>("eCustomD1")->setText(D1);
        if (then) {
            then();
        }
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST_F(DesignData, ACustomSpringIsReportedAndItsDataSaved) {
    torvelix::testing::ScratchFolder out;
    QString name;
    dataFileName_ = [&name] { return name; };
    open();
    forwardTo(3);
    const int listed = find<CandidateTable>("candidateTable")->table()->rowCount();
    ASSERT_GT(listed, 0);

    // A comma is no decimal separator: the dialog comes back with the text, and is
    // cancelled there.
    answerDiameters("2,5", "16", true, [] { answerDiameters("2", "16", false); });
    click("bbCustom");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, "Неверное число '2,5'. Дробную часть отделяйте точкой.");
    EXPECT_EQ(currentPage(), 3);

    answerDiameters("2", "16", true);
    click("bbCustom");
    EXPECT_TRUE(errors_.empty()) << errors_.front();
    ASSERT_EQ(currentPage(), 4);
    const QString report = find<QPlainTextEdit>("mm2")->toPlainText();
    EXPECT_TRUE(report.contains(QString::fromUtf8(calc::kCustomSpringDesignation)))
        << report.toStdString();

    // A name without a suffix gets the JSON one.
    name = QString::fromStdString(out.file("spring"));
    click("bbSaveData");
    const QJsonObject data = QJsonDocument::fromJson(contentOf(name + ".json")).object();
    const QJsonObject inputs = data["inputs"].toObject();
    EXPECT_EQ(inputs["class"].toString(), "0");
    EXPECT_EQ(inputs["F2"].toString(), "80");
    EXPECT_EQ(inputs["wire-d"].toString(), "2");
    EXPECT_EQ(inputs["D1"].toString(), "16");
    EXPECT_FALSE(inputs.contains("num"));
    EXPECT_EQ(data["candidates"].toArray().size(), listed);
    const QJsonObject spring = data["report"].toObject();
    EXPECT_EQ(spring["spring"].toString(), QString::fromUtf8(calc::kCustomSpringDesignation));
    // The report's first value is the force F3 of the row the method built.
    ASSERT_FALSE(spring["values"].toArray().isEmpty());

    // The candidates as CSV: a header and a line each.
    name = QString::fromStdString(out.file("list.CSV"));
    click("bbSaveData");
    EXPECT_EQ(contentOf(name).count("\r\n"), listed + 1);

    // An existing file is replaced only when the user agrees.
    name = QString::fromStdString(out.file("spring.json"));
    torvelix::testing::answer(QMessageBox::No);
    click("bbSaveData");
    EXPECT_TRUE(contentOf(name).startsWith("{\"inputs\""));
    QFile(name).resize(0);
    torvelix::testing::answer(QMessageBox::No);
    click("bbSaveData");
    EXPECT_TRUE(contentOf(name).isEmpty());
    torvelix::testing::answer(QMessageBox::Yes);
    click("bbSaveData");
    EXPECT_TRUE(contentOf(name).startsWith("{\"inputs\""));
    EXPECT_EQ(messages_.messages.size(), 1u);
}

TEST_F(DesignData, NothingIsSavedBeforeASelection) {
    dataFileName_ = [] { return QString("/nonexistent/never.json"); };
    open();
    click("bbSaveData");
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, "Нет данных расчета:\rсначала подберите пружину.");
}

} // namespace
} // namespace torvelix::shell::testing

namespace torvelix::shell::testing {
namespace {

using TitleBlock = WindowTest;

// The title block's entries are kept in the settings file (in its code page) and come
// back at the next start; a name the code page cannot hold is not kept, and the program
// still closes.
TEST_F(TitleBlock, EntriesAreRememberedBetweenRuns) {
    open();
    forwardTo(5);
    EXPECT_FALSE(find<QLineEdit>("eDeveloper")->isEnabled());
    click("cbEskd");
    EXPECT_TRUE(find<QLineEdit>("eDeveloper")->isEnabled());
    find<QLineEdit>("eDocument")->setText("АБВГ.753111.001");
    find<QLineEdit>("eOrganisation")->setText("ООО \"Ромашка\"");
    find<QLineEdit>("eDeveloper")->setText("Иванов");
    find<QLineEdit>("eChecker")->setText("Jönsson ✓");
    click("bbExit");
    EXPECT_TRUE(errors_.empty());
    QFile ini(folder_->iniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    // "Разработал=Иванов" in Windows-1251.
    EXPECT_TRUE(
        bytes.contains("\xD0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xE0\xEB=\xC8\xE2\xE0\xED\xEE\xE2"));
    // No "Проверил" key: the checker's name has letters outside the code page.
    EXPECT_FALSE(bytes.contains("\xCF\xF0\xEE\xE2\xE5\xF0\xE8\xEB"));

    open();
    EXPECT_EQ(textOf("eDocument"), "АБВГ.753111.001");
    EXPECT_EQ(textOf("eOrganisation"), "ООО \"Ромашка\"");
    EXPECT_EQ(textOf("eDeveloper"), "Иванов");
    EXPECT_EQ(textOf("eChecker"), "");
    // An entry cleared stays cleared.
    find<QLineEdit>("eDeveloper")->clear();
    click("bbExit");
    open();
    EXPECT_EQ(textOf("eDeveloper"), "");
    EXPECT_EQ(textOf("eDocument"), "АБВГ.753111.001");
}

} // namespace
} // namespace torvelix::shell::testing
