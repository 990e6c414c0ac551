// Copying the pages' values between the wizard's widgets and the design session.
#include "wizard_binding.h"

#include <QSignalBlocker>

#include <vector>

namespace torvelix::shell {

namespace {

using workflow::WizardValues;

// The requirement page's switches in item order.
constexpr std::array<const char*, 11> kRequirementSwitches = {
    "ckb6Num", "ckb6G",   "ckb6Tau", "ckb6Nav",   "ckb6L", "ckb6n",
    "ckb6n1",  "ckb6HRC", "ckb6Dc",  "ckb6Sprav", "ckb6TT"};

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string textOf(const QComboBox* combo) {
    return combo->currentText().toStdString();
}

std::vector<std::string> linesOf(const QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    const QString text = memo->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& line : text.split(u'\n')) {
            lines.push_back(line.toStdString());
        }
    }
    return lines;
}

void show(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value) {
        edit->setText(value);
    }
}

void show(QLabel* label, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (label->text() != value) {
        label->setText(value);
    }
}

void show(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) {
        list << QString::fromStdString(line);
    }
    const QString text = list.join(u'\n');
    if (memo->toPlainText() != text) {
        memo->setPlainText(text);
    }
}

void show(QComboBox* combo, int index, const std::string& text) {
    if (combo->currentIndex() != index) {
        combo->setCurrentIndex(index);
    }
    const QString value = QString::fromStdString(text);
    if (combo->currentText() != value) {
        combo->setEditText(value);
    }
}

void check(QButtonGroup* group, int tag) {
    if (QAbstractButton* button = group->button(tag)) {
        button->setChecked(true);
    }
}

// Tags of the picture groups: views and end coils 71 .. 74, fixings 1 .. 5, finishes
// 1 .. 4, strength levels 10 .. 12.
int tagOf(geometry::ViewType view) {
    return 70 + static_cast<int>(view);
}

int tagOf(geometry::EndType ends) {
    return 70 + static_cast<int>(ends);
}

constexpr int kNoFixingTag = 5; // the hidden sb25

} // namespace

void readValues(const WizardControls& ui, WizardValues& values) {
    values.title.calculation = ui.sb01->isChecked();

    workflow::ClassPage& klass = values.klass;
    klass.classItem = ui.rgKlas.itemIndex();
    switch (ui.cbVid->currentIndex()) {
    case 0:
        klass.kind = calc::SpringKind::SingleStrand;
        break;
    case 1:
        klass.kind = calc::SpringKind::ThreeStrand;
        break;
    default:
        klass.kind.reset();
        break;
    }
    const int strength = ui.strengthGroup->checkedId();
    if (strength >= 10 && strength <= 12) {
        klass.strength = static_cast<calc::StrengthChoice>(strength - 10);
    }
    klass.wire = ui.rg1Mat2->isChecked() ? calc::WireClass::IIA : calc::WireClass::II;

    workflow::InputsPage& in = values.inputs;
    in.eDn1 = textOf(ui.eDn1);
    in.eDn2 = textOf(ui.eDn2);
    in.eH = textOf(ui.eH);
    in.eF1 = textOf(ui.eF1);
    in.eF2 = textOf(ui.eF2);
    in.eV = textOf(ui.eV);
    in.eN2 = textOf(ui.eN2);
    in.eN3 = textOf(ui.eN3);
    in.winding = ui.rgNavivka.itemIndex();
    const int fixing = downTag(ui.fixingGroup);
    in.fixing = fixing >= 1 && fixing <= 4 ? static_cast<calc::Fixing>(fixing) : calc::Fixing::None;
    in.stabilityCheck = ui.cbUstoshivost->isChecked();
    if (const int finish = downTag(ui.finishGroup); finish >= 1 && finish <= 4) {
        in.finish = static_cast<geometry::EndType>(finish);
    }

    values.candidates.mm1 = linesOf(ui.mm1);
    values.candidates.eNum = textOf(ui.eNum);
    values.report.mm2 = linesOf(ui.mm2);

    workflow::DrawingOptionsPage& options = values.options;
    if (const int view = downTag(ui.viewGroup); view >= 71 && view <= 74) {
        options.view = static_cast<geometry::ViewType>(view - 70);
    }
    if (const int ends = downTag(ui.endCoilGroup); ends >= 71 && ends <= 74) {
        options.ends = static_cast<geometry::EndType>(ends - 70);
    }
    options.diagram = ui.cb71->isChecked();
    options.requirements = ui.cb72->isChecked();
    options.eskd = ui.cbEskd->isChecked();

    cad::TechRequirementControls& tt = values.requirements.tt;
    const QWidget* page6 = ui.Notebook1->widget(static_cast<int>(workflow::Page::Requirements));
    std::array<bool*, 11> switches = {&tt.ckb6Num, &tt.ckb6G,     &tt.ckb6Tau, &tt.ckb6Nav,
                                      &tt.ckb6L,   &tt.ckb6n,     &tt.ckb6n1,  &tt.ckb6HRC,
                                      &tt.ckb6Dc,  &tt.ckb6Sprav, &tt.ckb6TT};
    for (std::size_t k = 0; k < switches.size(); ++k) {
        const auto* box = page6->findChild<const QCheckBox*>(kRequirementSwitches[k]);
        *switches[k] = box != nullptr && box->isChecked();
    }
    tt.e6Num = textOf(ui.e6Num);
    tt.comb6Gost = textOf(ui.comb6Gost);
    values.requirements.gostIndex = ui.comb6Gost->currentIndex();
    tt.e6G = textOf(ui.e6G);
    tt.e6Tau = textOf(ui.e6Tau);
    tt.comb6Naviv = textOf(ui.comb6Naviv);
    values.requirements.windingIndex = ui.comb6Naviv->currentIndex();
    tt.e6L = textOf(ui.e6L);
    tt.e6n = textOf(ui.e6n);
    tt.e6n1 = textOf(ui.e6n1);
    tt.e6HRC = textOf(ui.e6HRC);
    tt.e6Dc = textOf(ui.e6Dc);
    tt.e6TT = textOf(ui.e6TT);
    tt.comb6Kontrol = textOf(ui.comb6Kontrol);
    tt.comb6KontrolIndex = ui.comb6Kontrol->currentIndex();

    workflow::GeometryPage& g = values.geometry;
    g.e9_D0 = textOf(ui.e9_D0);
    g.e9_d = textOf(ui.e9_d);
    g.e9_t = textOf(ui.e9_t);
    g.e9_n = textOf(ui.e9_n);
    for (std::size_t k = 0; k < g.diagram.size(); ++k) {
        g.diagram[k] = textOf(ui.diagramEdits[k]);
    }
    g.inscribe = ui.cb90->isChecked();
    g.breakCoils = {ui.cbox90->currentIndex(), textOf(ui.cbox90)};
}

void showValues(const WizardValues& values, WizardControls& ui) {
    const std::vector<QObject*> quiet = {
        ui.modeGroup,   ui.rgKlas.items, ui.cbVid,         ui.strengthGroup, ui.rgNavivka.items,
        ui.fixingGroup, ui.finishGroup,  ui.cbUstoshivost, ui.viewGroup,     ui.endCoilGroup,
        ui.cb71,        ui.cb72,         ui.cbEskd,        ui.cb90,          ui.cbox90};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* object : quiet) {
        blockers.push_back(std::make_unique<QSignalBlocker>(object));
    }

    ui.Notebook1->setCurrentIndex(static_cast<int>(values.page));
    ui.bbPrior->setEnabled(values.priorEnabled);
    ui.bbNext->setEnabled(values.nextEnabled);
    (values.title.calculation ? ui.sb01 : ui.sb02)->setChecked(true);

    const workflow::ClassPage& klass = values.klass;
    ui.rgKlas.setItemIndex(klass.classItem);
    if (klass.kind) {
        const int kind = *klass.kind == calc::SpringKind::ThreeStrand ? 1 : 0;
        if (ui.cbVid->currentIndex() != kind) {
            ui.cbVid->setCurrentIndex(kind);
        }
    }
    check(ui.strengthGroup, 10 + static_cast<int>(klass.strength));
    (klass.wire == calc::WireClass::IIA ? ui.rg1Mat2 : ui.rg1Mat1)->setChecked(true);
    show(ui.LN1, klass.LN1);
    show(ui.LN2, klass.LN2);
    show(ui.LF3, klass.LF3);
    show(ui.Ld, klass.Ld);
    show(ui.LGOST, klass.LGOST);
    show(ui.LZagot, klass.LZagot);
    ui.rg1Mat1->setVisible(klass.showWireClass);
    ui.rg1Mat2->setVisible(klass.showWireClass);
    ui.LZagot->setVisible(!klass.showWireClass);

    const workflow::InputsPage& in = values.inputs;
    show(ui.eDn1, in.eDn1);
    show(ui.eDn2, in.eDn2);
    show(ui.eH, in.eH);
    show(ui.eF1, in.eF1);
    show(ui.eF2, in.eF2);
    show(ui.eV, in.eV);
    show(ui.eN2, in.eN2);
    show(ui.eN3, in.eN3);
    ui.rgNavivka.setItemIndex(in.winding);
    check(ui.fixingGroup,
          in.fixing == calc::Fixing::None ? kNoFixingTag : static_cast<int>(in.fixing));
    ui.cbUstoshivost->setChecked(in.stabilityCheck);
    check(ui.finishGroup, static_cast<int>(in.finish));

    show(ui.mm1, values.candidates.mm1);
    show(ui.L3Gost, values.candidates.L3Gost);
    show(ui.eNum, values.candidates.eNum);
    show(ui.mm2, values.report.mm2);
    ui.bbPrint->setEnabled(values.report.printEnabled);

    const workflow::DrawingOptionsPage& options = values.options;
    check(ui.viewGroup, tagOf(options.view));
    check(ui.endCoilGroup, tagOf(options.ends));
    ui.cb71->setChecked(options.diagram);
    ui.cb72->setChecked(options.requirements);
    ui.cb71->setEnabled(options.switchesEnabled);
    ui.cb72->setEnabled(options.switchesEnabled);
    ui.cbEskd->setChecked(options.eskd);

    const cad::TechRequirementControls& tt = values.requirements.tt;
    show(ui.e6Num, tt.e6Num);
    show(ui.comb6Gost, values.requirements.gostIndex, tt.comb6Gost);
    show(ui.e6G, tt.e6G);
    show(ui.e6Tau, tt.e6Tau);
    show(ui.comb6Naviv, values.requirements.windingIndex, tt.comb6Naviv);
    show(ui.e6L, tt.e6L);
    show(ui.e6n, tt.e6n);
    show(ui.e6n1, tt.e6n1);
    show(ui.e6HRC, tt.e6HRC);
    show(ui.e6Dc, tt.e6Dc);
    show(ui.e6TT, tt.e6TT);

    const workflow::GeometryPage& g = values.geometry;
    show(ui.e9_D0, g.e9_D0);
    show(ui.e9_d, g.e9_d);
    show(ui.e9_t, g.e9_t);
    show(ui.e9_n, g.e9_n);
    for (std::size_t k = 0; k < g.diagram.size(); ++k) {
        show(ui.diagramEdits[k], g.diagram[k]);
        ui.diagramEdits[k]->setEnabled(g.diagramEnabled);
    }
    ui.e9_L0->setEnabled(g.freeLengthEnabled);
    ui.e9_t->setEnabled(g.pitchEnabled);
    ui.cb90->setChecked(g.inscribe);
    show(ui.cbox90, g.breakCoils.index, g.breakCoils.text);
    ui.cbox90->setEnabled(g.breakCoilsEnabled);
}

} // namespace torvelix::shell
