// The window's {widget, field} table and the copying between the widgets and the
// design session.
#include "wizard_binding.h"

#include <QSignalBlocker>

#include <memory>

namespace torvelix::shell {

namespace {

using workflow::FieldId;
using workflow::WizardSnapshot;

// The requirement page's switches in item order.
constexpr std::array<const char*, 11> kRequirementSwitches = {
    "ckb6Num", "ckb6G",   "ckb6Tau", "ckb6Nav",   "ckb6L", "ckb6n",
    "ckb6n1",  "ckb6HRC", "ckb6Dc",  "ckb6Sprav", "ckb6TT"};

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

std::vector<FieldBinding> fieldBindings(const WizardControls& ui) {
    std::vector<FieldBinding> table = {
        {ui.eDn1, FieldId::MinOuterDiameter},
        {ui.eDn2, FieldId::MaxOuterDiameter},
        {ui.eH, FieldId::Stroke},
        {ui.eF1, FieldId::ForceF1},
        {ui.eF2, FieldId::ForceF2},
        {ui.eV, FieldId::MaxSpeed},
        {ui.eN2, FieldId::SupportCoils},
        {ui.eN3, FieldId::GroundCoils},
        {ui.cbUstoshivost, FieldId::StabilityCheck},
        {ui.mm1, FieldId::CandidateLines},
        {ui.eNum, FieldId::SpringNumber},
        {ui.mm2, FieldId::ReportLines},
        {ui.cb71, FieldId::Diagram},
        {ui.cb72, FieldId::Requirements},
        {ui.cbEskd, FieldId::Eskd},
        {ui.eDocument, FieldId::TitleDocument},
        {ui.eOrganisation, FieldId::TitleOrganisation},
        {ui.eDeveloper, FieldId::TitleDeveloper},
        {ui.eChecker, FieldId::TitleChecker},
        {ui.e6Num, FieldId::ReqNumber},
        {ui.comb6Gost, FieldId::ReqGost},
        {ui.e6G, FieldId::ReqShearModulus},
        {ui.e6Tau, FieldId::ReqStress},
        {ui.comb6Naviv, FieldId::ReqWinding},
        {ui.e6L, FieldId::ReqLength},
        {ui.e6n, FieldId::ReqCoils},
        {ui.e6n1, FieldId::ReqTotalCoils},
        {ui.e6HRC, FieldId::ReqHardness},
        {ui.comb6Kontrol, FieldId::ReqGauge},
        {ui.e6Dc, FieldId::ReqGaugeDiameter},
        {ui.e6TT, FieldId::ReqOther},
        {ui.e9_D0, FieldId::MeanDiameter},
        {ui.e9_d, FieldId::WireDiameter},
        {ui.e9_t, FieldId::Pitch},
        {ui.e9_n, FieldId::WorkingCoils},
        {ui.cb90, FieldId::Inscribe},
        {ui.cbox90, FieldId::BreakCoils},
    };
    for (std::size_t k = 0; k < ui.diagramEdits.size(); ++k) {
        table.push_back({ui.diagramEdits[k], workflow::kDiagramFields[k]});
    }
    const QWidget* page6 = ui.Notebook1->widget(static_cast<int>(workflow::Page::Requirements));
    for (std::size_t k = 0; k < kRequirementSwitches.size(); ++k) {
        if (auto* box = page6->findChild<QCheckBox*>(kRequirementSwitches[k])) {
            table.push_back({box, workflow::kRequirementItems[k]});
        }
    }
    return table;
}

QWidget* widgetOf(const std::vector<FieldBinding>& bindings, FieldId field) {
    for (const FieldBinding& binding : bindings) {
        if (binding.field == field) {
            return binding.widget;
        }
    }
    return nullptr;
}

bool readValues(const WizardControls& ui, const std::vector<FieldBinding>& bindings,
                workflow::DesignSession& session) {
    bool allTaken = true;
    const auto take = [&allTaken](const workflow::Outcome& outcome) {
        allTaken = allTaken && outcome.done;
    };
    for (const FieldBinding& binding : bindings) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(binding.widget)) {
            take(session.typeText(binding.field, edit->text().toStdString()));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(binding.widget)) {
            take(session.chooseItem(binding.field, combo->currentIndex(),
                                    combo->currentText().toStdString()));
        } else if (const auto* box = qobject_cast<const QCheckBox*>(binding.widget)) {
            take(session.setSwitch(binding.field, box->isChecked()));
        } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(binding.widget)) {
            take(session.editLines(binding.field, linesOf(memo)));
        } else {
            allTaken = false;
        }
    }
    // The choices without a rule of their own; those with one are sent when clicked.
    take(session.chooseMode(ui.sb01->isChecked()));
    take(session.chooseWire(ui.rg1Mat2->isChecked() ? calc::WireClass::IIA : calc::WireClass::II));
    if (const int strength = ui.strengthGroup->checkedId(); strength >= 10 && strength <= 12) {
        take(session.chooseStrength(static_cast<calc::StrengthChoice>(strength - 10)));
    }
    take(session.chooseWinding(ui.rgNavivka.itemIndex()));
    if (const int ends = downTag(ui.endCoilGroup); ends >= 71 && ends <= 74) {
        take(session.chooseEnds(static_cast<geometry::EndType>(ends - 70)));
    }
    return allTaken;
}

void showValues(const WizardSnapshot& values, const std::vector<FieldBinding>& bindings,
                WizardControls& ui) {
    std::vector<QObject*> quiet = {ui.modeGroup,     ui.rgKlas.items,    ui.cbVid,
                                   ui.strengthGroup, ui.rgNavivka.items, ui.fixingGroup,
                                   ui.finishGroup,   ui.viewGroup,       ui.endCoilGroup};
    for (const FieldBinding& binding : bindings) {
        quiet.push_back(binding.widget);
    }
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* object : quiet) {
        blockers.push_back(std::make_unique<QSignalBlocker>(object));
    }

    for (const FieldBinding& binding : bindings) {
        const FieldId field = binding.field;
        if (auto* edit = qobject_cast<QLineEdit*>(binding.widget)) {
            show(edit, values.text(field));
        } else if (auto* combo = qobject_cast<QComboBox*>(binding.widget)) {
            show(combo, values.item(field), values.text(field));
        } else if (auto* box = qobject_cast<QCheckBox*>(binding.widget)) {
            box->setChecked(values.isOn(field));
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(binding.widget)) {
            show(memo, values.lines(field));
        }
        if (const std::optional<bool> enabled = values.enabled(field)) {
            binding.widget->setEnabled(*enabled);
        }
    }

    ui.Notebook1->setCurrentIndex(static_cast<int>(values.page));
    ui.bbPrior->setEnabled(values.priorEnabled);
    ui.bbNext->setEnabled(values.nextEnabled);
    (values.title.calculation ? ui.sb01 : ui.sb02)->setChecked(true);

    const calc::DesignInputs& design = values.design;
    ui.rgKlas.setItemIndex(design.classItem);
    if (design.kind) {
        const int kind = *design.kind == calc::SpringKind::ThreeStrand ? 1 : 0;
        if (ui.cbVid->currentIndex() != kind) {
            ui.cbVid->setCurrentIndex(kind);
        }
    }
    const workflow::ClassPage& klass = values.klass;
    check(ui.strengthGroup, 10 + static_cast<int>(klass.strength));
    (design.wire == calc::WireClass::IIA ? ui.rg1Mat2 : ui.rg1Mat1)->setChecked(true);
    show(ui.LN1, klass.LN1);
    show(ui.LN2, klass.LN2);
    show(ui.LF3, klass.LF3);
    show(ui.Ld, klass.Ld);
    show(ui.LGOST, klass.LGOST);
    show(ui.LZagot, design.LZagot);
    ui.rg1Mat1->setVisible(klass.showWireClass);
    ui.rg1Mat2->setVisible(klass.showWireClass);
    ui.LZagot->setVisible(!klass.showWireClass);

    ui.rgNavivka.setItemIndex(values.inputs.winding);
    check(ui.fixingGroup,
          design.fixing == calc::Fixing::None ? kNoFixingTag : static_cast<int>(design.fixing));
    check(ui.finishGroup, static_cast<int>(values.inputs.finish));

    show(ui.L3Gost, values.candidates.L3Gost);
    ui.bbPrint->setEnabled(values.report.printEnabled);

    check(ui.viewGroup, tagOf(values.drawing.view));
    check(ui.endCoilGroup, tagOf(values.drawing.ends));
}

} // namespace torvelix::shell
