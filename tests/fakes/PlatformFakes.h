// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles for the services of platform/: each answers what the test last gave it, or shows
// nothing and keeps, in order, what it was given.

#include "platform/ChoiceStore.h"
#include "platform/Clock.h"
#include "platform/DayChange.h"
#include "platform/InstalledFonts.h"
#include "platform/Screen.h"
#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/ErrorMessage.h"
#include "platform/desktop/LinkOpener.h"
#include "platform/desktop/YesNoQuestion.h"

#include <QList>

namespace fakes {

struct FixedClock final : platform::Clock {
    explicit FixedClock(core::CivilDate date) : date(date) {}
    core::CivilDate today() const override { return date; }
    void set(core::CivilDate to) { date = to; }
    core::CivilDate date;
};

struct FixedScreen final : platform::Screen {
    explicit FixedScreen(platform::ScreenGeometry geometry) : screen(geometry) {}
    platform::ScreenGeometry geometry() const override { return screen; }
    void set(platform::ScreenGeometry to) { screen = to; }
    platform::ScreenGeometry screen;
};

struct FixedFonts final : platform::InstalledFonts {
    explicit FixedFonts(QStringList names) : names(std::move(names)) {}
    QStringList families() const override { return names; }
    QStringList names;
};

struct ManualDayChange final : platform::DayChange {
    void announce() { emit mayHaveChanged(); }
};

struct MemoryChoiceStore final : platform::ChoiceStore {
    platform::RememberedChoices load() const override { return saved; }
    void save(const platform::RememberedChoices& choices) override {
        saved = choices;
        ++saves;
    }
    platform::RememberedChoices saved;
    int saves = 0;
};

// A desktop folder at a path the test chooses (a temporary folder, or none).
struct FixedDesktopFolder final : platform::DesktopFolder {
    explicit FixedDesktopFolder(QString path) : folder(std::move(path)) {}
    QString path() const override { return folder; }
    QString folder;
};

struct RecordingLinkOpener final : platform::LinkOpener {
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

struct Shown {
    QString title;
    QString text;
};

struct ScriptedQuestion final : platform::YesNoQuestion {
    explicit ScriptedQuestion(bool answer) : answer(answer) {}
    bool ask(const QString& title, const QString& text) override {
        asked.append({title, text});
        return answer;
    }
    bool answer;
    QList<Shown> asked;
};

struct RecordingErrorMessage final : platform::ErrorMessage {
    void show(const QString& title, const QString& text) override { shown.append({title, text}); }
    QList<Shown> shown;
};

} // namespace fakes
