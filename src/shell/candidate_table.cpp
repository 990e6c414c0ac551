// The candidate table: cells written through the program's number formats, each with
// its number under Qt::UserRole, by which the column sorts.
#include "candidate_table.h"

#include "candidate_margins.h"
#include "check_margins.h"
#include "number_format.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace torvelix::shell {

namespace {

// A cell that sorts by its number, not by its text; cells without one sort last.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const std::string& text, std::optional<double> value)
        : QTableWidgetItem(QString::fromStdString(text)) {
        if (value) {
            setData(Qt::UserRole, *value);
        }
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = other.data(Qt::UserRole);
        if (!a.isValid() || !b.isValid()) {
            return a.isValid() && !b.isValid();
        }
        return a.toDouble() < b.toDouble();
    }
};

NumberItem* valueItem(bool computed, double value, bool fixed) {
    if (!computed) {
        return new NumberItem("", std::nullopt);
    }
    return new NumberItem(fixed ? formatFixed(value) : formatGeneral(value), value);
}

// A margin in percent to one decimal: "103.1"; "∞" where the check cannot fail, "—"
// where it was not made.
NumberItem* marginItem(std::optional<double> margin) {
    if (!margin) {
        return new NumberItem("—", std::nullopt);
    }
    if (std::isinf(*margin)) {
        return new NumberItem("∞", *margin);
    }
    return new NumberItem(formatDecimals(*margin * 100, 1), *margin);
}

} // namespace

CandidateTable::CandidateTable(QWidget* parent) : QWidget(parent) {
    setObjectName("candidateTable");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    passingOnly_ = new QCheckBox("только годные", this);
    passingOnly_->setObjectName("cbOnlyPassing");
    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName("tblCandidates");
    table_->setHorizontalHeaderLabels({"№", "F3, Н", "d, мм", "D1, мм", "n", "L0, мм", "L3, мм",
                                       "m, кг", "Соудар., %", "Индекс, %", "Прочн., %",
                                       "Устойч., %", "Годна"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSortingEnabled(true);
    table_->sortItems(Number, Qt::AscendingOrder);
    layout->addWidget(passingOnly_);
    layout->addWidget(table_, 1);

    connect(passingOnly_, &QCheckBox::toggled, this, [this] { applyFilter(); });
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (const QTableWidgetItem* item = table_->item(row, Number)) {
            emit springChosen(item->text());
        }
    });
}

void CandidateTable::setCandidates(const calc::CandidateList& list) {
    const int column = sortColumn();
    const Qt::SortOrder order = sortOrder();
    table_->setSortingEnabled(false);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(list.candidates.size()));
    int row = 0;
    for (const calc::CandidateRecord& c : list.candidates) {
        const calc::CandidateMargins m = calc::candidateMargins(c);
        auto* number = new NumberItem(std::to_string(c.number), static_cast<double>(c.number));
        number->setData(Qt::UserRole + 1, c.passes());
        table_->setItem(row, Number, number);
        table_->setItem(row, F3, valueItem(c.computed, c.F3, false));
        table_->setItem(row, WireD, valueItem(c.computed, c.d, false));
        table_->setItem(row, OuterD, valueItem(c.computed, c.D1.value, false));
        table_->setItem(row, Coils, valueItem(c.computed, c.n, false));
        table_->setItem(row, L0, valueItem(c.computed, c.L0, true));
        table_->setItem(row, L3, valueItem(c.computed, c.L3, true));
        table_->setItem(row, Mass, valueItem(c.computed, c.m, true));
        table_->setItem(row, CollisionMargin, marginItem(m.collision));
        table_->setItem(row, IndexMargin, marginItem(m.index));
        table_->setItem(row, StrengthMargin, marginItem(m.strength));
        table_->setItem(row, StabilityMargin, marginItem(m.stability));
        auto* passes = new NumberItem(c.passes() ? "✓" : "✗", c.passes() ? 1 : 0);
        passes->setTextAlignment(Qt::AlignCenter);
        table_->setItem(row, Passes, passes);
        ++row;
    }
    table_->setSortingEnabled(true);
    table_->sortItems(column, order);
    applyFilter();
}

int CandidateTable::sortColumn() const {
    return table_->horizontalHeader()->sortIndicatorSection();
}

Qt::SortOrder CandidateTable::sortOrder() const {
    return table_->horizontalHeader()->sortIndicatorOrder();
}

void CandidateTable::setSort(int column, Qt::SortOrder order) {
    if (column >= 0 && column < ColumnCount) {
        table_->sortItems(column, order);
    }
}

void CandidateTable::applyFilter() {
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QTableWidgetItem* item = table_->item(row, Number);
        const bool passes = item && item->data(Qt::UserRole + 1).toBool();
        table_->setRowHidden(row, passingOnly_->isChecked() && !passes);
    }
}

} // namespace torvelix::shell
