// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question 导出 iCalendar… asks before it saves: which years, and which kinds of days. It
// opens on the shown year with every kind chosen, and accepts only a range that runs forward with
// at least one kind.

#include "report/CalendarEvents.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QDialogButtonBox;
class QSpinBox;

namespace app {

class ExportDialog final : public QDialog {
    Q_OBJECT
public:
    ExportDialog(int shownYear, QWidget* parent = nullptr);

    int fromYear() const;
    int toYear() const;
    report::CalendarEventKinds kinds() const;

private:
    void updateAcceptable();

    QSpinBox* from_;
    QSpinBox* to_;
    std::array<QCheckBox*, report::kCalendarEventKinds.size()> kinds_{};
    QDialogButtonBox* buttons_;
};

} // namespace app
