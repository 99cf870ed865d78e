// The desktop shortcuts in a temporary desktop folder with a scripted answer, for mixes of missing
// shortcuts, matching ones and ones that point elsewhere; what else may stand at a shortcut's name;
// the desktop folder missing or impossible; the program shortcut; the real question. On this
// platform the shortcuts are freedesktop entries, which desktop-file-validate accepts.

#include "promo/DesktopShortcuts.h"
#include "tests/fakes/FixedDesktopFolder.h"
#include "tests/fakes/RecordingErrorMessage.h"
#include "tests/fakes/ScriptedQuestion.h"

#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/WebShortcut.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <cstring>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include "platform/desktop/DesktopLauncher.h"
#endif

namespace {

// Missing, matching, pointing elsewhere, matching only beyond the part of a file that is read,
// written anew.
enum State { None, Same, Other, Padded, Fresh };

const QString kQuestion = QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");

class DesktopShortcutsTest : public ::testing::Test {
protected:
    QTemporaryDir desktop;
    fakes::FixedDesktopFolder folder{desktop.path()};
    // A program path with every character that a launcher has to escape.
    platform::ProgramFile program{QStringLiteral("kesparo"),
                                  QStringLiteral("/opt/我的 app/a\"b\\c$d%e`f\tg\nh")};
    const QString captions[2] = {QStringLiteral("淘宝网-淘！我喜欢"), QStringLiteral("商城导航")};
    const QString paths[3] = {desktop.filePath(platform::webShortcutFileName(captions[0])),
                              desktop.filePath(platform::webShortcutFileName(captions[1])),
                              desktop.filePath(platform::programShortcutFileName(program))};

    QByteArray contents(int i) const {
        QFile file(paths[i]);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList files() const { return QDir(desktop.path()).entryList(QDir::Files | QDir::Hidden); }
    QStringList entries() const {
        return QDir(desktop.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    void clearDesktop() const {
        for (const QString& entry : entries())
            if (!QFile::remove(desktop.filePath(entry)))
                QDir(desktop.filePath(entry)).removeRecursively();
    }
};

TEST_F(DesktopShortcutsTest, AsksOnlyWhenOneIsMissingAndAfterYesMendsWhatIsMissingOrPointsElsewhere) {
    const QByteArray targets[2] = {"https://www.taobao.com/", "https://www.smzdm.com/mall/"};
    const QByteArray elsewhere[2] = {"https://WWW.TAOBAO.COM/", "https://elsewhere.example/"};
    const std::tuple<std::array<State, 3>, bool, std::array<State, 3>> cases[] = {
        // shop, mall guide, program before; the answer; after (Same and Other: left as they were)
        {{None, None, None}, true, {Fresh, Fresh, Fresh}},
        {{Other, None, None}, false, {Other, None, None}},
        {{Other, Other, Other}, true, {Other, Other, Other}}, // all there: nothing is asked
        {{Same, Same, None}, true, {Same, Same, Fresh}},
        {{Other, Same, None}, true, {Fresh, Same, Fresh}}, // the shop differs by case only
        {{Same, None, Other}, true, {Same, Fresh, Fresh}},
        {{Padded, Same, None}, true, {Fresh, Same, Fresh}},
    };
    for (const auto& [before, answer, after] : cases) {
        SCOPED_TRACE(::testing::Message() << "before " << before[0] << before[1] << before[2]);
        clearDesktop();
        for (int i = 0; i < 2; ++i) { // as a file manager writes them, with a key that a rewrite drops
            QFile file(paths[i]);
            const QByteArray padding = before[i] == Padded ? "# " + QByteArray(70'000, 'x') + "\n" : "";
            if (before[i] != None && file.open(QIODevice::WriteOnly))
                file.write("[Desktop Action Open]\nURL=https://elsewhere.example/\n" + padding +
                           "[Desktop Entry]\nIcon=text-html\nName=x\nType=Link\nURL=" +
                           (before[i] == Other ? elsewhere[i] : targets[i]) + "\n");
        }
        if (before[2] != None) {
            const QString target = before[2] == Same ? program.path : QStringLiteral("/old/kesparo");
            ASSERT_TRUE(platform::writeProgramShortcut(paths[2], {program.name, target}).ok);
        }
        const QByteArray written[3] = {contents(0), contents(1), contents(2)};
        const bool missing = std::count(before.begin(), before.end(), None) > 0;

        fakes::ScriptedQuestion question(answer);
        fakes::RecordingErrorMessage errors;
        promo::DesktopShortcuts shortcuts(folder, question, errors, program);
        EXPECT_EQ(shortcuts.allPresent(), !missing);
        shortcuts.add();
        EXPECT_TRUE(errors.shown.isEmpty());
        ASSERT_EQ(question.asked.size(), missing ? 1 : 0);
        EXPECT_TRUE(!missing || (question.asked[0].title == QStringLiteral("提示！") &&
                                 question.asked[0].text == kQuestion));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(QFile::exists(paths[i]), after[i] != None) << i;
            if (after[i] == Same || after[i] == Other) {
                EXPECT_EQ(contents(i), written[i]) << i;
            } else if (after[i] == Fresh && i < 2) {
                EXPECT_EQ(contents(i), "[Desktop Entry]\nType=Link\nName=" + captions[i].toUtf8() +
                                           "\nURL=" + targets[i] + "\n");
            } else if (after[i] == Fresh) {
                EXPECT_EQ(platform::readProgramShortcut(paths[i]), program.path);
            }
        }
        EXPECT_EQ(files().size(), 3 - std::count(after.begin(), after.end(), None))
            << "no stray or temporary file: " << files().join(u' ').toStdString();
        if (after == std::array{Fresh, Fresh, Fresh}) { // what file managers will be given
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"), {paths[0], paths[1], paths[2]});
            ASSERT_TRUE(validate.waitForFinished(20000));
            EXPECT_EQ(validate.exitCode(), 0);
            EXPECT_EQ(validate.readAll().toStdString(), "");
        }

        // The check looks where the shortcuts were written, so the next click asks nothing.
        EXPECT_EQ(shortcuts.allPresent(), answer);
        shortcuts.add();
        EXPECT_EQ(question.asked.size(), missing ? 1 + !answer : 0);
    }
}

#ifndef Q_OS_WIN
// A link, a folder or a pipe at a shortcut's name is left as it is, and whatever a link points at
// (outside the desktop) is never written, created or made executable; the user is told which file
// was not written and why, and the other shortcuts are written.
TEST_F(DesktopShortcutsTest, LeavesWhatIsNoPlainFileAtAShortcutsNameAndSaysSo) {
    enum Obstacle { Folder, Link, DanglingLink, Pipe };
    const std::tuple<Obstacle, int, const char*> cases[] = {
        {Folder, 0, "文件夹"}, {Link, 1, "链接"}, {DanglingLink, 0, "链接"},
        {Pipe, 1, "特殊文件"}, {Link, 2, "链接"}, {Pipe, 2, "特殊文件"},
    };
    for (const auto& [obstacle, blocked, reason] : cases) {
        SCOPED_TRACE(::testing::Message() << "obstacle " << obstacle << " at shortcut " << blocked);
        clearDesktop();
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath(QStringLiteral("outside"));
        if (obstacle == Link) {
            QFile file(outside);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
            file.close();
            ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        }
        if (obstacle == Folder)
            ASSERT_TRUE(QDir().mkdir(paths[blocked]));
        else if (obstacle == Pipe)
            ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {paths[blocked]}), 0);
        else
            ASSERT_TRUE(QFile::link(outside, paths[blocked]));

        fakes::ScriptedQuestion question(true);
        fakes::RecordingErrorMessage errors;
        promo::DesktopShortcuts shortcuts(folder, question, errors, program);
        shortcuts.add();

        const QFileInfo left(paths[blocked]);
        EXPECT_EQ(left.isDir(), obstacle == Folder);
        EXPECT_EQ(left.isSymLink(), obstacle == Link || obstacle == DanglingLink);
        EXPECT_EQ(left.isFile(), obstacle == Link);
        EXPECT_TRUE(obstacle != Pipe || (left.exists() && !left.isFile() && !left.isDir()));
        if (obstacle == Link) {
            QFile file(outside);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "mine");
            EXPECT_EQ(file.permissions() & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), obstacle == Link ? 1 : 0);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(i == blocked || (i < 2 ? contents(i).contains("URL=https://")
                                               : platform::readProgramShortcut(paths[i]) == program.path))
                << i;
        EXPECT_EQ(entries().size(), 3) << "and no temporary file is left";
        ASSERT_EQ(errors.shown.size(), 1);
        EXPECT_EQ(errors.shown[0].title, QStringLiteral("添加桌面捷方式"));
        EXPECT_EQ(errors.shown[0].text, QStringLiteral("以下桌面捷方式未能添加：\n") +
                                            QDir::toNativeSeparators(paths[blocked]) +
                                            QStringLiteral("：同名的") + QString::fromUtf8(reason) +
                                            QStringLiteral("占着这个位置，程序没有改动它"));
        EXPECT_FALSE(shortcuts.allPresent());
    }
}
#endif

// A missing desktop folder is made; one that cannot be made, or none at all, is told, and nothing
// is written.
TEST_F(DesktopShortcutsTest, MakesAMissingDesktopFolderAndTellsWhenThereCanBeNone) {
    QFile file(desktop.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString notAFolder = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    const std::tuple<QString, bool, const char*> cases[] = {
        // The desktop folder, whether the question is asked, and the message (none: none shown).
        {desktop.filePath(QStringLiteral("home/user/Desktop")), true, nullptr},
        {desktop.filePath(QStringLiteral("file/Desktop")), true, "以下桌面捷方式未能添加：\n%1："},
        {QString(), false, "系统没有指定桌面文件夹，桌面捷方式无处可放。"},
    };
    for (const auto& [path, asks, message] : cases) {
        SCOPED_TRACE(path.toStdString());
        const fakes::FixedDesktopFolder desktopFolder{path};
        fakes::ScriptedQuestion question(true);
        fakes::RecordingErrorMessage errors;
        promo::DesktopShortcuts shortcuts(desktopFolder, question, errors, program);
        shortcuts.add();
        EXPECT_EQ(question.asked.size(), asks ? 1 : 0);
        EXPECT_EQ(shortcuts.allPresent(), message == nullptr);
        ASSERT_EQ(errors.shown.size(), message ? 1 : 0);
        if (message) {
            const QString expected = QString::fromUtf8(message);
            const QString& shown = errors.shown[0].text;
            EXPECT_TRUE(path.isEmpty() ? shown == expected
                                       : shown == expected.arg(QDir::toNativeSeparators(path)) + notAFolder)
                << shown.toStdString();
        }
    }
    EXPECT_EQ(entries(), QStringList({QStringLiteral("file"), QStringLiteral("home")}));
}

#ifndef Q_OS_WIN
TEST_F(DesktopShortcutsTest, TheProgramShortcutIsAnExecutableLauncherWithTheProgramsIcon) {
    // Exec takes the format's quoting inside its string escapes, so backslashes come doubled twice.
    EXPECT_EQ(QString::fromUtf8(platform::desktopLauncherContents(program)),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=kesparo\n") +
                  QStringLiteral(R"(Exec="/opt/我的 app/a\\"b\\\\c\\$d%%e\\`f\tg\nh")") +
                  QStringLiteral("\nIcon=" KESPARO_APP_ID "\n"));
    EXPECT_TRUE(paths[2].endsWith(QStringLiteral("/kesparo.desktop")));
    ASSERT_TRUE(platform::writeProgramShortcut(paths[2], program).ok);
    EXPECT_TRUE(QFileInfo(paths[2]).permissions() & QFileDevice::ExeOwner);
    EXPECT_EQ(platform::readProgramShortcut(paths[2]), program.path);
    EXPECT_EQ(platform::desktopLauncherProgram(
                  "[Desktop Action A]\nExec=/bin/a\n[Desktop Entry]\nExec=/bin/b %U\n"),
              QStringLiteral("/bin/b"));
}
#endif

TEST(MessageBoxQuestion, AsksWithAWarningIconYesAndNoAndReturnsTheAnswer) {
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        QTimer poll; // answers the box once it is up
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                EXPECT_EQ(box->windowTitle(), QStringLiteral("提示！"));
                EXPECT_EQ(box->text(), kQuestion);
                EXPECT_EQ(box->icon(), QMessageBox::Warning);
                EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::Yes);
                EXPECT_TRUE(box->isModal());
                box->button(answer)->click();
            }
        });
        poll.start(10);
        EXPECT_EQ(platform::MessageBoxQuestion().ask(QStringLiteral("提示！"), kQuestion),
                  answer == QMessageBox::Yes);
    }
}

} // namespace
