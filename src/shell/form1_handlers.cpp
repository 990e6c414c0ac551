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

    connect(ui_.rgKlas.items, &QButtonGroup::idToggled, this, [this, &s](int, bool checked) {
        if (checked) {
            runStep([&s] { s.rgKlasClick(); });
        }
    });
    connect(ui_.cbVid, &QComboBox::currentIndexChanged, this,
            [this, &s] { runStep([&s] { s.cbVidChange(); }); });
    connect(ui_.cbVid->lineEdit(), &QLineEdit::textEdited, this,
            [this, &s] { runStep([&s] { s.cbVidChange(); }); });
    connect(ui_.strengthGroup, &QButtonGroup::idClicked, this, [this, &s](int tag) {
        runStep([&s, tag] { s.rbMinClick(static_cast<calc::StrengthChoice>(tag - 10)); });
    });

    connect(ui_.finishGroup, &QButtonGroup::idClicked, this, [this, &s](int tag) {
        if (tag >= 1 && tag <= 4) {
            runStep([&s, tag] { s.sb21aClick(static_cast<geometry::EndType>(tag)); });
        }
    });
    connect(ui_.fixingGroup, &QButtonGroup::idClicked, this, [this, &s](int tag) {
        if (tag >= 1 && tag <= 4) {
            runStep([&s, tag] { s.sb21Click(static_cast<calc::Fixing>(tag)); });
        }
    });
    connect(ui_.cbUstoshivost, &QCheckBox::toggled, this,
            [this, &s] { runStep([&s] { s.cbUstoshivostClick(); }); });

    connect(ui_.viewGroup, &QButtonGroup::idClicked, this, [this, &s](int tag) {
        if (tag >= 71 && tag <= 74) {
            runStep([&s, tag] { s.sb71Click(static_cast<geometry::ViewType>(tag - 70)); });
        }
    });
    connect(ui_.cb90, &QCheckBox::toggled, this, [this, &s] { runStep([&s] { s.cb90Click(); }); });

    // A row of the candidate table chooses its spring for the final calculation.
    connect(ui_.candidateTable, &CandidateTable::springChosen, this,
            [this](const QString& number) { ui_.eNum->setText(number); });
    connect(ui_.bbPrint, &QPushButton::clicked, this, [this] { bbPrintClick(); });
    connect(ui_.sbAutoCad, &QToolButton::clicked, this, [this] { sbAutoCadClick(); });
    connect(ui_.bbShowDrawing, &QPushButton::clicked, this, [this] { showDrawingWindow(); });
}

void TForm1::bbPrintClick() {
    try {
        // The lines of the report as they stand, edits included.
        readValues(ui_, session_->values());
        session_->values().report.printEnabled = false;
        showValues(session_->values(), ui_);
        const std::vector<std::string> lines = session_->values().report.mm2;
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
