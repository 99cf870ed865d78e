// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month grid as assistive technology reads it: a table of seven columns (the weekdays,
// Sunday first) and six rows of day cells, each cell named in words (view/DayDescription.h),
// the chosen day selected and, while the grid has the keyboard focus, focused. The grid itself
// is one picture; this gives it the structure a screen reader needs. The cells ask the grid's
// widget for what it shows and where, and never work out dates of their own.

#include <QAccessibleWidget>
#include <QHash>

namespace app {

class PictureBox;

// Makes Qt build a MonthGridAccessible for every PictureBox; call once the application exists.
void installMonthGridAccessibility();

class MonthGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MonthGridAccessible(PictureBox* grid);
    ~MonthGridAccessible() override;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override { return kRows * kColumns; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    PictureBox* grid() const;

    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;

private:
    mutable QHash<int, QAccessible::Id> cells_; // made when first asked for, kept for the grid's life
};

} // namespace app
