// SPDX-License-Identifier: GPL-3.0-or-later
// Kesparo: a Chinese perpetual calendar. Starting the program loads the main window; --help and
// --version answer before any display is needed.

#include "app/CommandLine.h"
#include "app/PictureBox.h"
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "platform/SongFont.h"
#include "platform/StandardStreams.h"
#include "platform/desktop/ErrorMessage.h"
#include "platform/desktop/SaveFileQuestion.h"
#include "promo/GG1.h"

#include <QApplication>
#include <QDir>
#include <QNetworkAccessManager>
#include <QTimer>

namespace {

// For the start-up benchmark: with KESPARO_EXIT_AFTER_FIRST_PICTURE set, the program ends as
// soon as the month grid has been painted on screen for the first time, closing its main window
// as a user would.
class CloseAfterFirstPicture final : public QObject {
public:
    explicit CloseAfterFirstPicture(QWidget* window) {
        quit_.setSingleShot(true);
        connect(&quit_, &QTimer::timeout, this, [window] { window->close(); });
    }
    bool eventFilter(QObject*, QEvent* event) override {
        // A timer, not a posted call: the first paint may come before the event loop runs, and
        // a close posted then could be delivered before there is a loop to end.
        if (event->type() == QEvent::Paint && !quit_.isActive())
            quit_.start(0);
        return false;
    }

private:
    QTimer quit_;
};

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<app::CommandLineAnswer> answer = app::answerCommandLine(arguments))
        return platform::answer("kesparo", answer->out, answer->err, answer->exitCode);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesparo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KESPARO_APP_ID)); // the window's app id
    platform::installSongFallbacks();

    QNetworkAccessManager network; // the promotion page's, for the whole run
    platform::SystemDayChange dayChange;
    frmMain window({platform::systemClock(), platform::primaryScreen(), platform::installedFonts(),
                    platform::userChoiceStore(), dayChange, [] { return report::loadTextResources(); },
                    [] { return report::loadOfficialDays(); },
                    [](const QString& suggestedName) {
                        return platform::askWhereToSave(QStringLiteral("导出 iCalendar"),
                                                        QDir::home().filePath(suggestedName),
                                                        QStringLiteral("iCalendar (*.ics)"));
                    },
                    [&network] { return new promo::GG1(promo::GG1::Dependencies::forThisDesktop(network)); },
                    [](const QString& message) {
                        platform::messageBoxErrorMessage().show(QStringLiteral("Kesparo"), message);
                    }});
    CloseAfterFirstPicture closeAfterFirstPicture(&window);
    if (qEnvironmentVariableIsSet("KESPARO_EXIT_AFTER_FIRST_PICTURE"))
        window.findChild<app::PictureBox*>(QStringLiteral("picMain"))
            ->installEventFilter(&closeAfterFirstPicture);
    if (!window.Form_Load())
        return 1;
    return QApplication::exec();
}
