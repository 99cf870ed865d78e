// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A promotion window on fakes: a 1920 × 1080 screen with a 40-pixel taskbar at the bottom, a
// recording link opener, a temporary desktop, a scripted Yes, a recording error message and a
// network manager of its own.

#include "promo/GG1.h"
#include "tests/fakes/PlatformFakes.h"

#include <QCoreApplication>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

inline platform::ScreenGeometry screenWithWorkArea(const QRect& pixels) {
    return {QRect(0, 0, 28800, 16200), QRect(pixels.topLeft() * 15, pixels.size() * 15)};
}

struct GG1TestRig {
    fakes::FixedScreen screen{screenWithWorkArea({0, 0, 1920, 1040})};
    fakes::RecordingLinkOpener links;
    QTemporaryDir desktop;
    fakes::FixedDesktopFolder desktopFolder{desktop.path()};
    fakes::ScriptedQuestion question{true};
    fakes::RecordingErrorMessage errors;
    QNetworkAccessManager network;
    const platform::ProgramFile program{QStringLiteral("kesparo"), QStringLiteral("/opt/kesparo/kesparo")};
    QPointer<promo::GG1> window;

    ~GG1TestRig() { delete window.data(); }

    // By default the promotion page lies where nothing listens.
    promo::GG1& open(const QUrl& page = QUrl(QStringLiteral("http://127.0.0.1:1/")),
                     promo::PageLimits limits = {}) {
        window =
            new promo::GG1({screen, links, desktopFolder, question, errors, network, program, page, limits});
        return *window;
    }
    template <typename Widget = QLabel> Widget* control(const QString& name) const {
        return window->findChild<Widget*>(name);
    }
    QLabel* link(int index) const { return control(QStringLiteral("Label4_%1").arg(index)); }
    QTimer* timer(int number) const { return control<QTimer>(QStringLiteral("Timer%1").arg(number)); }
    void tick(int number) const { QMetaObject::invokeMethod(timer(number), "timeout"); }
    // Runs the deletions that the window queued when it unloaded.
    static void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
