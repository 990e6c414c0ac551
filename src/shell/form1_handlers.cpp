// The click handlers of the option pages, the class selection as the class page shows
// it, and the plain control values the calculation reads.
#include "form1.h"

#include "class_values.h"
#include "docx_word_backend.h"
#include "word_export.h"

#include <QDir>
#include <QMessageBox>

#include <string>
#include <vector>

namespace torvelix::shell {

namespace {

constexpr int kThreeStrandItem = 8; // "- III класс 1 разряд"
constexpr int kHiddenFixingTag = 5; // sb25: no end fixing chosen

} // namespace

void TForm1::ConnectHandlers() {
    connect(bbPrior, &QPushButton::clicked, this,
            [this] { Guarded([this] { ChangePage(false); }); });
    connect(bbNext, &QPushButton::clicked, this, [this] { Guarded([this] { ChangePage(true); }); });
    connect(bbExit, &QPushButton::clicked, this, [this] { Guarded([this] { bbExitClick(); }); });

    connect(rgKlas.items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            Guarded([this] { rgKlasClick(); });
        }
    });
    connect(cbVid, &QComboBox::currentIndexChanged, this,
            [this] { Guarded([this] { cbVidChange(); }); });
    connect(cbVid->lineEdit(), &QLineEdit::textEdited, this,
            [this] { Guarded([this] { cbVidChange(); }); });
    connect(strengthGroup_, &QButtonGroup::idClicked, this,
            [this](int tag) { Guarded([this, tag] { rbMinClick(tag); }); });

    connect(finishGroup_, &QButtonGroup::idClicked, this,
            [this](int tag) { Guarded([this, tag] { sb21aClick(tag); }); });
    connect(fixingGroup_, &QButtonGroup::idClicked, this,
            [this](int tag) { Guarded([this, tag] { sb21Click(tag); }); });
    connect(cbUstoshivost, &QCheckBox::toggled, this,
            [this] { Guarded([this] { cbUstoshivostClick(); }); });

    connect(viewGroup_, &QButtonGroup::idClicked, this,
            [this](int tag) { Guarded([this, tag] { sb71Click(tag); }); });
    connect(cb90, &QCheckBox::toggled, this, [this] { Guarded([this] { cb90Click(); }); });

    connect(bbPrint, &QPushButton::clicked, this, [this] { Guarded([this] { bbPrintClick(); }); });
    connect(sbAutoCad, &QToolButton::clicked, this,
            [this] { Guarded([this] { sbAutoCadClick(); }); });
    connect(bbShowDrawing, &QPushButton::clicked, this, [this] { ShowDrawingWindow(); });
}

void TForm1::rgKlasClick() {
    SelectClass();
    cbVidChange();
}

void TForm1::SelectClass() {
    const int item = rgKlas.ItemIndex();
    const tables::ClassSelection selection =
        calc::SelectClassInto(state_, exePath_, item, *messages_);
    if (!selection.rowRead) {
        return;
    }
    if (!selection.LN1.empty()) {
        LN1->setText(QString::fromStdString(selection.LN1));
        LN2->setText(QString::fromStdString(selection.LN2));
    }
    LF3->setText(QString::fromStdString(selection.LF3));
    Ld->setText(QString::fromStdString(selection.Ld));
    LGOST->setText(QString::fromStdString(selection.LGOST));
    // The wire-class pair stands where the blank standard is shown.
    rg1Mat1->setVisible(selection.showWireClass);
    rg1Mat2->setVisible(selection.showWireClass);
    LZagot->setVisible(!selection.showWireClass);
    if (selection.LZagot) {
        LZagot->setText(QString::fromStdString(*selection.LZagot));
    }
}

void TForm1::cbVidChange() {
    if (cbVid->currentIndex() == 1 && rgKlas.ItemIndex() != kThreeStrandItem) {
        // Selecting the item runs rgKlasClick as a click does.
        rgKlas.SetItemIndex(kThreeStrandItem);
    }
}

void TForm1::rbMinClick(int tag) {
    state_.StrengthChoice = tag == 10   ? calc::StrengthChoice::Minimum
                            : tag == 11 ? calc::StrengthChoice::Mean
                                        : calc::StrengthChoice::Maximum;
}

void TForm1::sb21aClick(int tag) {
    static constexpr const char* kCoils[4][2] = {
        {"0", "0"}, {"2", "0"}, {"2", "1.5"}, {"1.5", "1.5"}};
    if (tag < 1 || tag > 4) {
        return;
    }
    eN2->setText(kCoils[tag - 1][0]);
    eN3->setText(kCoils[tag - 1][1]);
}

void TForm1::sb21Click(int tag) {
    if (cbUstoshivost->isChecked()) {
        return;
    }
    RememberedFixing_ = tag;
    cbUstoshivost->setChecked(true); // runs cbUstoshivostClick
}

void TForm1::cbUstoshivostClick() {
    if (cbUstoshivost->isChecked()) {
        if (RememberedFixing_ >= 1 && RememberedFixing_ <= 4) {
            fixingGroup_->button(RememberedFixing_)->setChecked(true);
        }
    } else {
        fixingGroup_->button(kHiddenFixingTag)->setChecked(true);
    }
}

void TForm1::sb71Click(int tag) {
    const bool withBreak = tag == 71;
    cb71->setEnabled(withBreak);
    cb72->setEnabled(withBreak);
    if (!withBreak) {
        cb71->setChecked(false);
        cb72->setChecked(false);
    }
}

void TForm1::cb90Click() {
    e9_t->setEnabled(!cb90->isChecked());
    e9_L0->setEnabled(!cb90->isChecked());
}

void TForm1::bbPrintClick() {
    // The lines of the report as they stand, edits included; an empty memo has none.
    std::vector<std::string> lines;
    const QString text = mm2->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& line : text.split(u'\n')) {
            lines.push_back(line.toStdString());
        }
    }
    bbPrint->setEnabled(false);
    if (!options_.wordConnector && !ownWordConnector_) {
        ownWordConnector_ = std::make_unique<wordexport::DocxWordConnector>();
    }
    wordexport::WordConnector& connector =
        options_.wordConnector ? *options_.wordConnector : *ownWordConnector_;
    const auto* own = dynamic_cast<const wordexport::DocxWordConnector*>(&connector);
    const std::size_t shownBefore = own ? own->shownFiles().size() : 0;
    wordexport::ExportToWord(lines, connector, *messages_);
    if (own && own->shownFiles().size() > shownBefore) {
        const QString path = QString::fromStdString(own->shownFiles().back());
        LDocument->setText("Документ: " + QDir::toNativeSeparators(path));
        LDocument->setToolTip(path);
    }
}

calc::ControlStates TForm1::ControlValues() const {
    calc::ControlStates c;
    c.classItem = rgKlas.ItemIndex();
    if (cbVid->currentIndex() == 0) {
        c.kind = calc::SpringKind::SingleStrand;
    } else if (cbVid->currentIndex() == 1) {
        c.kind = calc::SpringKind::ThreeStrand;
    }
    c.wire = rg1Mat1->isChecked() ? calc::WireClass::II : calc::WireClass::IIA;
    c.stabilityCheck = cbUstoshivost->isChecked();
    const int fixing = DownTag(fixingGroup_);
    c.fixing = fixing >= 1 && fixing <= 4 ? static_cast<calc::Fixing>(fixing) : calc::Fixing::None;
    c.eF1 = eF1->text().toStdString();
    c.eF2 = eF2->text().toStdString();
    c.eH = eH->text().toStdString();
    c.eV = eV->text().toStdString();
    c.eDn1 = eDn1->text().toStdString();
    c.eDn2 = eDn2->text().toStdString();
    c.eN2 = eN2->text().toStdString();
    c.eN3 = eN3->text().toStdString();
    c.eNum = eNum->text().toStdString();
    c.LZagot = LZagot->text().toStdString();
    return c;
}

} // namespace torvelix::shell
