// The candidate page's "Своя пружина…" (a spring of any wire and outer diameter, computed
// by the row method and reported) and the report page's "Сохранить данные…" (the design
// as JSON, the candidates as CSV), both written through the safe writer.
#include "form1.h"

#include "errors.h"
#include "file_write.h"
#include "number_parse.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvelix::shell {

namespace {

// The two diameters as typed; none when the user cancels.
struct CustomDiameters {
    QString d, D1;
};

std::optional<CustomDiameters> askDiameters(QWidget* parent, const CustomDiameters& typed) {
    QDialog dialog(parent);
    dialog.setObjectName("CustomSpringDialog");
    dialog.setWindowTitle("Своя пружина");
    auto* layout = new QVBoxLayout(&dialog);
    auto* note = new QLabel("Пружина не по ГОСТ 13766…13776, расчет по ГОСТ 13765-86:\n"
                            "класс, нагрузки и стойкость берутся с предыдущих страниц.",
                            &dialog);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    auto* d = new QLineEdit(typed.d, &dialog);
    d->setObjectName("eCustomD");
    auto* D1 = new QLineEdit(typed.D1, &dialog);
    D1->setObjectName("eCustomD1");
    form->addRow("Диаметр проволоки (троса) d, (мм)", d);
    form->addRow("Наружный диаметр пружины D1, (мм)", D1);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("Рассчитать");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return CustomDiameters{d->text(), D1->text()};
}

} // namespace

void TForm1::bbCustomClick() {
    CustomDiameters typed;
    for (;;) {
        const std::optional<CustomDiameters> asked = askDiameters(this, typed);
        if (!asked) {
            return;
        }
        typed = *asked;
        double d = 0, D1 = 0;
        try {
            d = parseNumber(typed.d.toStdString());
            D1 = parseNumber(typed.D1.toStdString());
        } catch (const UserError& error) {
            // The dialog comes back with what was typed, to be mended.
            messages_->show(MessageIcon::Error, error.what());
            continue;
        }
        showOutcome(runStep([this, d, D1] { return session_->computeCustomSpring(d, D1); }));
        return;
    }
}

void TForm1::bbSaveDataClick() {
    if (session_->candidateRecords().candidates.empty() && !session_->reportRecord()) {
        messages_->show(MessageIcon::Error, "Нет данных расчета:\rсначала подберите пружину.");
        return;
    }
    // The dialog does not ask about replacing: the name may still gain its suffix, and
    // the question is asked for the name that is written.
    QString filter;
    const QString path = options_.dataFileName
                             ? options_.dataFileName()
                             : QFileDialog::getSaveFileName(
                                   this, "Сохранить данные расчета", "spring.json",
                                   "Данные расчета, JSON (*.json);;Список пружин, CSV (*.csv)",
                                   &filter, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return;
    }
    // A name without a known suffix gets the one of the filter chosen.
    QString target = path;
    std::optional<std::string> text = session_->designData(target.toStdString());
    if (!text) {
        target += filter.contains("*.csv") ? ".csv" : ".json";
        text = session_->designData(target.toStdString());
    }
    if (QFileInfo::exists(target) &&
        QMessageBox::question(this, QString::fromUtf8(kMessageCaption),
                              QStringLiteral("Файл %1 уже существует.\nЗаменить его?")
                                  .arg(QDir::toNativeSeparators(target)),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    try {
        writeFileAtomically(target.toStdString(), *text);
    } catch (const FileWriteError& error) {
        messages_->show(MessageIcon::Error, error.what());
        return;
    }
    ui_.LDocument->setPath(QStringLiteral("Данные: "), target);
}

} // namespace torvelix::shell
