// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts installed on this machine, as the family names a user can pick for the month grid.
// Behind an interface so that tests and benchmarks can give any list of names.

#include <QStringList>

namespace platform {

class InstalledFonts {
public:
    virtual ~InstalledFonts() = default;
    // The family names of the installed screen fonts, in the system's order, read afresh.
    virtual QStringList families() const = 0;
};

// The font families Qt's font database knows, less the private ones the system keeps for its
// own user interface, each once and by the name people know it: where several foundries make a
// family, Qt lists it once per foundry ("C059 [UKWN]"), and the tags are dropped here. Qt gives
// them sorted by name.
class QtInstalledFonts final : public InstalledFonts {
public:
    QStringList families() const override;
};

// `names` without foundry tags and without the repeats that leaves, first occurrence kept.
QStringList withoutFoundries(const QStringList& names);

// The process-wide installed fonts.
const InstalledFonts& installedFonts();

} // namespace platform
