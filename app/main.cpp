// Kesparo: a Chinese perpetual calendar. Starting the program loads the main window.

#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "platform/SongFont.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesparo"));
    platform::installSongFallbacks();

    frmMain window(platform::systemClock(), platform::primaryScreen());
    window.Form_Load();
    return QApplication::exec();
}
