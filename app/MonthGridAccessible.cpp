// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MonthGridAccessible.h"

#include "app/PictureBox.h"
#include "engine/WeekdayName.h"

namespace app {

namespace {

// One day cell of the grid (or an empty one, which has no name).
class DayCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCellAccessible(const MonthGridAccessible* table, int index) : table_(table), index_(index) {}

    int day() const { return table_->grid()->shownGeometry().dayInCell(index_); }

    // QAccessibleInterface
    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<MonthGridAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        const int d = day();
        if (t != QAccessible::Name || d == 0)
            return {};
        return table_->grid()->describeDay(d);
    }

    QRect rect() const override {
        const PictureBox* grid = table_->grid();
        const int d = day();
        if (d == 0)
            return {};
        const QRect cell = grid->cellRect(d);
        return {grid->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        const int d = day();
        if (d == 0)
            return s;
        const PictureBox* grid = table_->grid();
        s.selectable = true;
        s.focusable = true;
        s.selected = d == grid->shownState().CurDay;
        s.focused = s.selected && grid->hasFocus();
        return s;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % MonthGridAccessible::kColumns; }
    int rowIndex() const override { return index_ / MonthGridAccessible::kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const MonthGridAccessible* table_;
    int index_;
};

QAccessibleInterface* monthGridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("app::PictureBox") && object && object->isWidgetType())
        return new MonthGridAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

void installMonthGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(monthGridFactory);
        return true;
    }();
    (void)installed;
}

MonthGridAccessible::MonthGridAccessible(PictureBox* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

MonthGridAccessible::~MonthGridAccessible() {
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
}

PictureBox* MonthGridAccessible::grid() const {
    return static_cast<PictureBox*>(widget());
}

void* MonthGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* MonthGridAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = cells_.constFind(index); found != cells_.cend())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new DayCellAccessible(this, index);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int MonthGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    }
    return -1;
}

QAccessibleInterface* MonthGridAccessible::childAt(int x, int y) const {
    const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
    const std::optional<int> day = grid()->shownGeometry().dayAt(at.x(), at.y());
    return day ? child(grid()->shownGeometry().cellIndex(*day)) : nullptr;
}

QAccessibleInterface* MonthGridAccessible::focusChild() const {
    return grid()->hasFocus() ? child(grid()->shownGeometry().cellIndex(grid()->shownState().CurDay))
                              : nullptr;
}

QAccessibleInterface* MonthGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return nullptr;
    return child(row * kColumns + column);
}

QList<QAccessibleInterface*> MonthGridAccessible::selectedCells() const {
    return {child(grid()->shownGeometry().cellIndex(grid()->shownState().CurDay))};
}

QString MonthGridAccessible::columnDescription(int column) const {
    return engine::weekdayName(column + 1);
}

} // namespace app
