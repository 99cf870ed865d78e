// The desktop shell's files: whole-file writes, shortcut presence, internet shortcuts and (off
// Windows) freedesktop launchers.

#include "platform/desktop/InternetShortcut.h"
#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/ShortcutPresence.h"
#include "platform/desktop/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include "platform/desktop/DesktopLauncher.h"
#endif

namespace {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(WholeFile, CreatesAndReplacesFilesAndLeavesNoTemporaryFileBehind) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.url"));
    EXPECT_TRUE(platform::writeWholeFile(path, "first"));
    EXPECT_EQ(read(path), "first");
    EXPECT_TRUE(platform::writeWholeFile(path, "second, longer than the first"));
    EXPECT_EQ(read(path), "second, longer than the first");
    EXPECT_TRUE(platform::writeWholeFile(path, ""));
    EXPECT_EQ(read(path), "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.url"});
}

TEST(WholeFile, AFailedWriteLeavesWhatWasThere) {
    QTemporaryDir folder;
    const QString blocked = folder.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(platform::writeWholeFile(blocked, "text"));
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_FALSE(platform::writeWholeFile(folder.filePath(QStringLiteral("missing/folder.url")), "text"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(ShortcutPresence, OnlyAVisiblePlainFileIsPresent) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("商城导航.url"));
    EXPECT_FALSE(platform::isShortcutPresent(file));
    ASSERT_TRUE(platform::writeWholeFile(file, "x"));
    EXPECT_TRUE(platform::isShortcutPresent(file));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.url")));
    EXPECT_FALSE(platform::isShortcutPresent(folder.filePath(QStringLiteral("folder.url"))));
    EXPECT_FALSE(platform::isShortcutPresent(QString()));
#ifndef Q_OS_WIN
    const QString hidden = folder.filePath(QStringLiteral(".hidden.url"));
    ASSERT_TRUE(platform::writeWholeFile(hidden, "x"));
    EXPECT_FALSE(platform::isShortcutPresent(hidden));
#endif
}

TEST(InternetShortcut, IsTwoLinesEndedByCarriageReturnAndLineFeed) {
    EXPECT_EQ(platform::internetShortcutContents(QStringLiteral("https://www.smzdm.com/mall/")),
              QByteArray("[InternetShortcut]\r\nURL=https://www.smzdm.com/mall/\r\n"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("淘宝网-淘！我喜欢.url"));
    ASSERT_TRUE(platform::writeInternetShortcut(path, QStringLiteral("https://www.taobao.com/")));
    EXPECT_EQ(read(path), QByteArray("[InternetShortcut]\r\nURL=https://www.taobao.com/\r\n"));
    EXPECT_EQ(platform::readInternetShortcut(path), QStringLiteral("https://www.taobao.com/"));
}

TEST(InternetShortcut, ReadsTheAddressOfItsOwnSectionOnly) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.url"));
    struct Case {
        QByteArray contents;
        QString address;
    };
    const Case cases[] = {
        {"[InternetShortcut]\r\nURL=https://a.example/\r\n", "https://a.example/"},
        {"[InternetShortcut]\nURL=https://b.example/", "https://b.example/"},
        {"[DEFAULT]\r\nBASEURL=https://x.example/\r\nURL=https://x.example/\r\n[InternetShortcut]\r\n"
         "IconIndex=0\r\nURL=https://c.example/\r\n",
         "https://c.example/"},
        {"[internetshortcut]\r\nurl=https://d.example/\r\n", "https://d.example/"},
        {"[Other]\r\nURL=https://e.example/\r\n", ""},
        {"[InternetShortcut]\r\nIconIndex=0\r\n", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(platform::writeWholeFile(path, c.contents));
        EXPECT_EQ(platform::readInternetShortcut(path), c.address) << c.contents.toStdString();
    }
    EXPECT_EQ(platform::readInternetShortcut(folder.filePath(QStringLiteral("missing.url"))), QString());
}

#ifndef Q_OS_WIN

TEST(DesktopLauncher, StartsTheProgramAndSetsNothingElse) {
    EXPECT_EQ(platform::desktopLauncherContents(
                  {QStringLiteral("kesparo"), QStringLiteral("/opt/kesparo/kesparo")}),
              QByteArray("[Desktop Entry]\nType=Application\nName=kesparo\nExec=\"/opt/kesparo/kesparo\"\n"));
}

TEST(DesktopLauncher, GivesBackAnyProgramPathItWasWrittenWith) {
    const QString paths[] = {
        QStringLiteral("/usr/bin/kesparo"),
        QStringLiteral("/home/user/我的程序/万年历"),
        QStringLiteral("/tmp/with space/and \"quotes\""),
        QStringLiteral("/tmp/$HOME/`date`/back\\slash"),
        QStringLiteral("/tmp/100%/%f %%"),
        QStringLiteral("/tmp/tab\there/line\nbreak"),
    };
    for (const QString& path : paths) {
        const QByteArray contents = platform::desktopLauncherContents({QStringLiteral("kesparo"), path});
        EXPECT_EQ(platform::desktopLauncherProgram(contents), path) << contents.toStdString();
        EXPECT_EQ(contents.count('\n'), 4) << "one line per key";
    }
}

TEST(DesktopLauncher, ReadsTheFirstWordOfTheExecKeyOfItsOwnGroup) {
    struct Case {
        QByteArray contents;
        QString program;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/kesparo %U\n", "/usr/bin/kesparo"},
        {"[Desktop Entry]\nExec = \"/opt/my app/kesparo\" --start\n", "/opt/my app/kesparo"},
        {"[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b\"\n", "/opt/a\\b"},
        {"[Desktop Entry]\nTryExec=/bin/false\nExec[de]=/bin/de\nExec=/bin/real\n", "/bin/real"},
        {"[Desktop Action New]\nExec=/bin/action\n[Desktop Entry]\nName=x\n", ""},
        {"Exec=/bin/outside\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::desktopLauncherProgram(c.contents), c.program) << c.contents.toStdString();
}

TEST(ProgramShortcut, IsAnExecutableLauncherNamedAfterTheProgram) {
    QTemporaryDir folder;
    const platform::ProgramFile program{QStringLiteral("kesparo"), QStringLiteral("/opt/kesparo/kesparo")};
    EXPECT_EQ(platform::programShortcutFileName(program), QStringLiteral("kesparo.desktop"));
    const QString path = folder.filePath(platform::programShortcutFileName(program));
    ASSERT_TRUE(platform::writeProgramShortcut(path, program));
    EXPECT_EQ(platform::readProgramShortcut(path), program.path);
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
    EXPECT_EQ(platform::readProgramShortcut(folder.filePath(QStringLiteral("missing.desktop"))), QString());
}

#endif

} // namespace
