#pragma once
// The main window offscreen on fakes: today 2012-09-12, a 1280 x 800 screen with a 40-pixel taskbar,
// six installed fonts, remembered choices in memory and a day change the test announces itself.
// Tests that need another start set the fakes up and call start() themselves.

#include "app/PictureBox.h"
#include "app/frmInfo.h"
#include "app/frmMain.h"
#include "tests/fakes/FixedClock.h"
#include "tests/fakes/FixedFonts.h"
#include "tests/fakes/FixedScreen.h"
#include "tests/fakes/ManualDayChange.h"
#include "tests/fakes/MemoryChoiceStore.h"
#include "tests/promo/GG1TestRig.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    fakes::FixedClock clock{{2012, 9, 12}};
    fakes::FixedScreen screen{{QRect(0, 0, 1280 * 15, 800 * 15), QRect(0, 0, 1280 * 15, 760 * 15)}};
    fakes::FixedFonts fonts{{QStringLiteral("Arial Black"), QStringLiteral("宋体"), QStringLiteral("Arial"),
                             QStringLiteral("MS Sans Serif"), QStringLiteral("@SimSun"),
                             QStringLiteral("SimHei")}};
    fakes::MemoryChoiceStore choices;
    fakes::ManualDayChange dayChange;
    GG1TestRig promotion;
    std::function<report::TextResourceLoad()> loadTexts = [] { return report::loadTextResources(); };
    QString saveFileChoice; // what the save question answers
    QStringList told;       // what the window told the user
    std::unique_ptr<frmMain> window;

    frmMain::Services services() {
        return {clock,
                screen,
                fonts,
                choices,
                dayChange,
                loadTexts,
                [] {
                    return report::OfficialDaysLoad{report::carriedOfficialDays(), {}};
                },
                [this](const QString&) { return saveFileChoice; },
                [this] { return &promotion.open(); },
                [this](const QString& message) { told << message; }};
    }
    void SetUp() override { start(); }
    void start() {
        window = std::make_unique<frmMain>(services());
        ASSERT_TRUE(window->Form_Load());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        if (window && window->reportWindow())
            window->reportWindow()->unload();
        window.reset();
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    app::PictureBox* picMain() const { return child<app::PictureBox>("picMain"); }
    QString title() const { return child<QLabel>("Label1")->text(); }
    view::DisplayState state() const { return window->displayState(); }
};

// Failures show text rather than bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// For tests that set the fakes up first and then call start() themselves.
class MainWindowStart : public MainWindowTest {
    void SetUp() override {}
};
