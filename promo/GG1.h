// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GG1, the promotion window: a small borderless, topmost window that slides up into the
// bottom-right corner of the screen, above the taskbar, and shows the promotion page (or the
// built-in page of shopping links when that cannot be loaded) between two rows of link labels.
// Its title band drags it, "×" slides it back down and unloads it, and "添加到桌面" offers the
// desktop shortcuts. It reaches the outside only through the dependencies it is given.
//
// The main window creates it (constructing is its load) from Timer3, 3 s after start-up, keeps a
// QPointer to it and unloads it when it closes; the window also unloads itself after sliding out.
// Nothing is returned to the main window.

#include "platform/Screen.h"
#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/ErrorMessage.h"
#include "platform/desktop/LinkOpener.h"
#include "platform/desktop/ProgramFile.h"
#include "platform/desktop/YesNoQuestion.h"
#include "promo/DesktopShortcuts.h"
#include "promo/PageFetcher.h"

#include <QPointF>
#include <QUrl>
#include <QWidget>
#include <array>
#include <optional>

class QNetworkAccessManager;
class QTimer;

namespace promo {

class EventLabel;
class WebView;

class GG1 final : public QWidget {
    Q_OBJECT
public:
    // What the window works with; every reference must outlive the window.
    struct Dependencies {
        const platform::Screen& screen;
        platform::LinkOpener& linkOpener;
        const platform::DesktopFolder& desktopFolder;
        platform::YesNoQuestion& question;
        platform::ErrorMessage& errorMessage;
        QNetworkAccessManager& network;
        platform::ProgramFile program;
        QUrl promotionPage;
        PageLimits pageLimits;

        // The real screen, browser, desktop of all users, message boxes and running program, and
        // the promotion page on the program's site.
        static Dependencies forThisDesktop(QNetworkAccessManager& network);
    };

    // Loads the window: makes it topmost, parks it just below the screen's bottom-right corner,
    // hides "添加到桌面" when the shortcuts are all there, starts loading the promotion page and
    // starts sliding in. The window deletes itself when it unloads.
    explicit GG1(const Dependencies& dependencies);

    // Closes and deletes the window at once, wherever it is.
    void unload();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void Form_Load();
    int GetTaskbarHeight() const;
    void OpenLink(const QUrl& url);
    void placeAt(int leftTwips, int topTwips);

    void Timer1_Timer();
    void Timer2_Timer();
    void Label1_Click();
    void Label3_MouseDown(Qt::MouseButton button, QPointF globalPosition);
    void Label3_MouseMove(Qt::MouseButtons buttons, QPointF globalPosition);
    void Label3_MouseUp();
    void Label4_MouseMove(int index);
    void Label4_Click(int index);
    void Label6_Click();
    void Form_MouseMove();
    void WebBrowser1_NavigateError();

    Dependencies dependencies_;
    DesktopShortcuts shortcuts_;

    EventLabel* Label3 = nullptr;
    EventLabel* Label1 = nullptr;
    std::array<EventLabel*, 10> Label4 = {};
    EventLabel* Label6 = nullptr;
    WebView* WebBrowser1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // The window's outer position in twips; the pixel position is derived from it.
    int left_ = 0;
    int top_ = 0;
    // Where the title band was gripped, relative to the window, while it is dragged by hand
    // (where the system cannot move the window itself).
    std::optional<QPointF> grip_;
};

} // namespace promo
