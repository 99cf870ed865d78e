// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportDialog.h"

#include "view/DisplayState.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace app {

namespace {

QSpinBox* yearBox(int year, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(view::kFirstShownYear, view::kLastShownYear);
    box->setValue(year);
    box->setSuffix(QStringLiteral(" 年"));
    return box;
}

} // namespace

ExportDialog::ExportDialog(int shownYear, QWidget* parent)
    : QDialog(parent), from_(yearBox(shownYear, this)), to_(yearBox(shownYear, this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(QStringLiteral("导出 iCalendar"));
    from_->setObjectName(QStringLiteral("fromYear"));
    to_->setObjectName(QStringLiteral("toYear"));
    from_->setAccessibleName(QStringLiteral("从"));
    to_->setAccessibleName(QStringLiteral("到"));

    auto* years = new QHBoxLayout;
    years->addWidget(from_);
    years->addWidget(to_);
    auto* kinds = new QVBoxLayout;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i] = new QCheckBox(QString::fromUtf16(report::kCalendarEventKinds[i].category), this);
        kinds_[i]->setObjectName(QString::fromLatin1(report::kCalendarEventKinds[i].slug));
        kinds_[i]->setChecked(true);
        connect(kinds_[i], &QCheckBox::toggled, this, &ExportDialog::updateAcceptable);
        kinds->addWidget(kinds_[i]);
    }
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("年份："), years);
    form->addRow(QStringLiteral("包括："), kinds);
    form->addRow(buttons_);

    connect(from_, &QSpinBox::valueChanged, this, &ExportDialog::updateAcceptable);
    connect(to_, &QSpinBox::valueChanged, this, &ExportDialog::updateAcceptable);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int ExportDialog::fromYear() const {
    return from_->value();
}

int ExportDialog::toYear() const {
    return to_->value();
}

report::CalendarEventKinds ExportDialog::kinds() const {
    report::CalendarEventKinds chosen;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i]->isChecked())
            chosen |= report::kCalendarEventKinds[i].kind;
    }
    return chosen;
}

void ExportDialog::updateAcceptable() {
    buttons_->button(QDialogButtonBox::Save)->setEnabled(fromYear() <= toYear() && kinds() != 0);
}

} // namespace app
