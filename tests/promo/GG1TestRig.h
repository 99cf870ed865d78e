#pragma once
// A promotion window on fakes: a fixed screen, a recording link opener, a temporary desktop folder,
// a scripted answer and a network manager of its own. The helpers find controls by their names
// and drive the window's timers one tick at a time.

#include "platform/Screen.h"
#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/LinkOpener.h"
#include "platform/desktop/YesNoQuestion.h"
#include "promo/GG1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// A 1920 × 1080 pixel screen whose work area is `workAreaPixels`.
inline platform::ScreenGeometry screenWithWorkArea(const QRect& workAreaPixels) {
    return {QRect(0, 0, 28800, 16200), QRect(workAreaPixels.topLeft() * 15, workAreaPixels.size() * 15), 15,
            15};
}

// The taskbar 40 pixels high along the bottom of the screen.
inline const QRect kTaskbarAtBottom{0, 0, 1920, 1040};

struct GG1TestRig {
    platform::FixedScreen screen{screenWithWorkArea(kTaskbarAtBottom)};
    platform::RecordingLinkOpener links;
    QTemporaryDir desktop;
    platform::FixedDesktopFolder desktopFolder{desktop.path()};
    platform::ScriptedQuestion question{true};
    QNetworkAccessManager network;
    platform::ProgramFile program{QStringLiteral("kesparo"), QStringLiteral("/opt/kesparo/bin/kesparo")};
    QPointer<promo::GG1> window;

    ~GG1TestRig() { delete window.data(); }

    // Loads the window; its promotion page lies where nothing listens unless a test says otherwise.
    promo::GG1& open(const QUrl& promotionPage = QUrl(QStringLiteral("http://127.0.0.1:1/")),
                     promo::PageLimits limits = {}) {
        window =
            new promo::GG1({screen, links, desktopFolder, question, network, program, promotionPage, limits});
        return *window;
    }

    template <typename Widget = QLabel> Widget* control(const QString& name) const {
        return window->findChild<Widget*>(name);
    }
    QLabel* link(int index) const { return control(QStringLiteral("Label4_%1").arg(index)); }
    QTimer* timer(int number) const { return control<QTimer>(QStringLiteral("Timer%1").arg(number)); }

    // One tick of Timer1 or Timer2, as if its interval had passed.
    void tick(int number) const { QMetaObject::invokeMethod(timer(number), "timeout"); }

    // Runs the deletions that the window queued when it unloaded.
    static void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
