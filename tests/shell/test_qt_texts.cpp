// Qt's own texts in Russian: the buttons of the program's questions and the save
// dialog of the drawing window.
#include "shell_fixture.h"

#include "qt_translations.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace torvelix::shell::testing {
namespace {

QString plain(QString text) {
    return text.remove(u'&');
}

TEST(QtTexts, QuestionsAndTheSaveDialogSpeakRussian) {
    ensureApplication();
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));

    QMessageBox question(QMessageBox::Question, "Torvelix", "?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(plain(question.button(QMessageBox::Yes)->text()), "Да");
    EXPECT_EQ(plain(question.button(QMessageBox::No)->text()), "Нет");
    EXPECT_EQ(plain(question.button(QMessageBox::Cancel)->text()), "Отмена");
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(plain(buttons.button(QDialogButtonBox::Cancel)->text()), "Отмена");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << plain(label->text());
    }
    EXPECT_TRUE(labels.contains("Перейти к:")) << labels.join('|').toStdString();
    EXPECT_TRUE(labels.contains("Имя файла:")) << labels.join('|').toStdString();
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << plain(button->text());
    }
    EXPECT_TRUE(texts.contains("Сохранить")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Отмена")) << texts.join('|').toStdString();
}

} // namespace
} // namespace torvelix::shell::testing
