#pragma once
// Test doubles for the calendar's own services of platform/: the date, the screen, the fonts, the
// day-change notice and the remembered choices, each answering what the test last gave it.

#include "platform/ChoiceStore.h"
#include "platform/Clock.h"
#include "platform/DayChange.h"
#include "platform/InstalledFonts.h"
#include "platform/Screen.h"

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

// Announces a new day only when the test says so.
struct ManualDayChange final : platform::DayChange {
    void announce() { emit mayHaveChanged(); }
};

// Keeps what was saved last, and counts the saves.
struct MemoryChoiceStore final : platform::ChoiceStore {
    platform::RememberedChoices load() const override { return saved; }
    void save(const platform::RememberedChoices& choices) override {
        saved = choices;
        ++saves;
    }
    platform::RememberedChoices saved;
    int saves = 0;
};

} // namespace fakes
