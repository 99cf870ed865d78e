// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChoiceStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr qint64 kMaxFileBytes = 64 * 1024;
constexpr qsizetype kMaxFamilyLength = 200; // longer than any real family name

const QString kFontKey = QStringLiteral("grid/font");
const QString kEnlargedKey = QStringLiteral("window/enlarged");
const QString kReportKey = QStringLiteral("window/report");

std::optional<bool> readBool(const QSettings& settings, const QString& key) {
    const QString text = settings.value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

// What stands at the store's path. Only a regular file of a sane size is opened at all: QSettings
// reads the whole file, and would wait for ever on a pipe.
enum class FileAtPath { Nothing, SettingsFile, SomethingElse };

FileAtPath fileAt(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return FileAtPath::Nothing;
    return file.isFile() && file.size() <= kMaxFileBytes ? FileAtPath::SettingsFile
                                                         : FileAtPath::SomethingElse;
}

bool isPlausibleFamily(const QString& family) {
    if (family.isEmpty() || family.size() > kMaxFamilyLength)
        return false;
    for (const QChar c : family) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

SettingsFileChoiceStore::SettingsFileChoiceStore(QString path) : path_(std::move(path)) {}

QString SettingsFileChoiceStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kesparo/kesparo.conf");
}

RememberedChoices SettingsFileChoiceStore::load() const {
    RememberedChoices choices;
    if (fileAt(path_) != FileAtPath::SettingsFile)
        return choices;
    const QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return choices;
    if (const QString family = settings.value(kFontKey).toString(); isPlausibleFamily(family))
        choices.fontFamily = family;
    choices.enlarged = readBool(settings, kEnlargedKey).value_or(choices.enlarged);
    choices.reportShown = readBool(settings, kReportKey).value_or(choices.reportShown);
    return choices;
}

void SettingsFileChoiceStore::save(const RememberedChoices& choices) {
    if (fileAt(path_) == FileAtPath::SomethingElse) {
        qWarning("kesparo: %s is not a settings file of up to 64 KiB; the choices are not saved",
                 qPrintable(path_));
        return;
    }
    QSettings settings(path_, QSettings::IniFormat);
    if (choices.fontFamily)
        settings.setValue(kFontKey, *choices.fontFamily);
    else
        settings.remove(kFontKey);
    settings.setValue(kEnlargedKey, choices.enlarged);
    settings.setValue(kReportKey, choices.reportShown);
    // Written whole, over a damaged file too (Qt replaces the file in one rename); a failure loses
    // only these choices.
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        qWarning("kesparo: cannot save the choices to %s", qPrintable(path_));
}

ChoiceStore& userChoiceStore() {
    static SettingsFileChoiceStore store(SettingsFileChoiceStore::defaultPath());
    return store;
}

} // namespace platform
