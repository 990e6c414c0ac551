// The controls' signals bound to the session's handlers, and the report's export.
#include "form1.h"

#include "docx_word_backend.h"
#include "wizard_binding.h"
#include "word_export.h"

#include <string>
#include <vector>

namespace torvelix::shell {

void TForm1::connectHandlers() {
    workflow::DesignSession& s = *session_;
    connect(ui_.bbPrior, &QPushButton::clicked, this, [this] { changePage(false); });
    connect(ui_.bbNext, &QPushButton::clicked, this, [this] { changePage(true); });
    connect(ui_.bbExit, &QPushButton::clicked, this, [this] {
        try {
            bbExitClick();
        } catch (const std::exception& error) {
            showGeneralError(error.what());
        }
    });

    // The choices with a rule of their own run it when clicked; the widgets' other
    // values reach the session before every command (readValues).
    const auto command = [this](std::function<workflow::Outcome()> step) {
        showOutcome(runStep(step));
    };
    connect(ui_.rgKlas.items, &QButtonGroup::idToggled, this,
            [this, &s, command](int, bool checked) {
                if (checked) {
                    command([this, &s] { return s.chooseClass(ui_.rgKlas.itemIndex()); });
                }
            });
    const auto chooseKind = [this, &s, command] {
        command([this, &s] {
            const int item = ui_.cbVid->currentIndex();
            std::optional<calc::SpringKind> kind;
            if (item == 0 || item == 1) {
                kind = item == 1 ? calc::SpringKind::ThreeStrand : calc::SpringKind::SingleStrand;
            }
            return s.chooseKind(kind);
        });
    };
    connect(ui_.cbVid, &QComboBox::currentIndexChanged, this, chooseKind);
    connect(ui_.cbVid->lineEdit(), &QLineEdit::textEdited, this, chooseKind);
    connect(ui_.strengthGroup, &QButtonGroup::idClicked, this, [&s, command](int tag) {
        command(
            [&s, tag] { return s.chooseStrength(static_cast<calc::StrengthChoice>(tag - 10)); });
    });

    connect(ui_.finishGroup, &QButtonGroup::idClicked, this, [&s, command](int tag) {
        if (tag >= 1 && tag <= 4) {
            command([&s, tag] { return s.chooseFinish(static_cast<geometry::EndType>(tag)); });
        }
    });
    connect(ui_.fixingGroup, &QButtonGroup::idClicked, this, [&s, command](int tag) {
        if (tag >= 1 && tag <= 4) {
            command([&s, tag] { return s.chooseFixing(static_cast<calc::Fixing>(tag)); });
        }
    });
    connect(ui_.cbUstoshivost, &QCheckBox::toggled, this, [&s, command](bool checked) {
        command([&s, checked] { return s.setSwitch(workflow::FieldId::StabilityCheck, checked); });
    });

    connect(ui_.viewGroup, &QButtonGroup::idClicked, this, [&s, command](int tag) {
        if (tag >= 71 && tag <= 74) {
            command([&s, tag] { return s.chooseView(static_cast<geometry::ViewType>(tag - 70)); });
        }
    });
    // The title block's entries are for the complete drawing only.
    connect(ui_.cbEskd, &QCheckBox::toggled, this, [&s, command](bool checked) {
        command([&s, checked] { return s.setSwitch(workflow::FieldId::Eskd, checked); });
    });
    connect(ui_.cb90, &QCheckBox::toggled, this, [&s, command](bool checked) {
        command([&s, checked] { return s.setSwitch(workflow::FieldId::Inscribe, checked); });
    });

    // A row of the candidate table chooses its spring for the final calculation.
    connect(ui_.candidateTable, &CandidateTable::springChosen, this,
            [this](const QString& number) { ui_.eNum->setText(number); });
    connect(ui_.bbPrint, &QPushButton::clicked, this, [this] { bbPrintClick(); });
    connect(ui_.sbAutoCad, &QToolButton::clicked, this, [this] { sbAutoCadClick(); });
    connect(ui_.bbShowDrawing, &QPushButton::clicked, this, [this] { showDrawingWindow(); });
    connect(ui_.bbModel4, &QPushButton::clicked, this, [this] { bbModelClick(true); });
    connect(ui_.bbModel7, &QPushButton::clicked, this, [this] { bbModelClick(false); });
    connect(ui_.bbCustom, &QPushButton::clicked, this, [this] { bbCustomClick(); });
    connect(ui_.bbSaveData, &QPushButton::clicked, this, [this] { bbSaveDataClick(); });
}

void TForm1::bbPrintClick() {
    try {
        // The lines of the report as they stand, edits included.
        const workflow::Outcome begun = runStep([this] { return session_->beginExport(); });
        if (!begun.done) {
            showOutcome(begun);
            return;
        }
        const std::vector<std::string> lines = session_->snapshot().report.mm2;
        if (!options_.wordConnector && !ownWordConnector_) {
            ownWordConnector_ = std::make_unique<wordexport::DocxWordConnector>();
        }
        wordexport::WordConnector& connector =
            options_.wordConnector ? *options_.wordConnector : *ownWordConnector_;
        const auto* own = dynamic_cast<const wordexport::DocxWordConnector*>(&connector);
        const std::size_t shownBefore = own ? own->shownFiles().size() : 0;
        wordexport::exportToWord(lines, connector, *messages_);
        if (own && own->shownFiles().size() > shownBefore) {
            const QString path = QString::fromStdString(own->shownFiles().back());
            ui_.LDocument->setPath(QStringLiteral("Документ: "), path);
        }
    } catch (const std::exception& error) {
        showGeneralError(error.what());
    }
}

} // namespace torvelix::shell
