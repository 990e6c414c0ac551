// The candidate page's table: one row per candidate spring with its main values, the
// margins of its four checks in percent and its pass mark; sortable by any column,
// with a switch that hides the springs failing a check.
#pragma once

#include "candidate_record.h"

#include <QCheckBox>
#include <QTableWidget>
#include <QWidget>

namespace torvelix::shell {

class CandidateTable : public QWidget {
    Q_OBJECT

public:
    // The columns, in order.
    enum Column {
        Number,
        F3,
        WireD,
        OuterD,
        Coils,
        L0,
        L3,
        Mass,
        CollisionMargin,
        IndexMargin,
        StrengthMargin,
        StabilityMargin,
        Passes,
        ColumnCount
    };

    explicit CandidateTable(QWidget* parent);

    // Shows the list's candidates, sorted as the header says, filtered as the switch says.
    void setCandidates(const calc::CandidateList& list);

    QTableWidget* table() const { return table_; }
    QCheckBox* passingOnly() const { return passingOnly_; }
    int sortColumn() const;
    Qt::SortOrder sortOrder() const;
    void setSort(int column, Qt::SortOrder order);

signals:
    // The user chose the row of this spring number.
    void springChosen(const QString& number);

private:
    void applyFilter();

    QTableWidget* table_ = nullptr;
    QCheckBox* passingOnly_ = nullptr;
};

} // namespace torvelix::shell
