// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shortcuts in a temporary desktop folder with a scripted answer, for mixes of missing
// shortcuts, matching ones and ones that point elsewhere; what else may stand at a shortcut's name;
// the desktop folder missing or impossible; the real question. On this platform the shortcuts are
// freedesktop entries, which desktop-file-validate accepts.

#include "promo/DesktopShortcuts.h"
#include "platform/desktop/DesktopLauncher.h"
#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/WebShortcut.h"
#include "tests/fakes/PlatformFakes.h"
#include "tests/tools/DataTable.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Missing, matching, pointing elsewhere, matching only beyond the part of a file that is read,
// written anew: the rows of tests/data/desktop-shortcuts.tsv, in order.
enum State { None, Same, Other, Padded, Fresh };

const QString kQuestion = QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");

// A program path with every character that a launcher has to escape.
const platform::ProgramFile kProgram{QStringLiteral("kesparo"),
                                     QStringLiteral("/opt/我的 app/a\"b\\c$d%e`f\tg\nh")};
const QString kCaptions[2] = {QStringLiteral("淘宝网-淘！我喜欢"), QStringLiteral("商城导航")};

// A temporary desktop with a scripted Yes and a recording error message, and where the shortcuts go.
struct Desktop {
    QTemporaryDir dir;
    fakes::FixedDesktopFolder folder{dir.path()};
    fakes::ScriptedQuestion question{true};
    fakes::RecordingErrorMessage errors;
    promo::DesktopShortcuts shortcuts{folder, question, errors, kProgram};
    const QString paths[3] = {dir.filePath(platform::webShortcutFileName(kCaptions[0])),
                              dir.filePath(platform::webShortcutFileName(kCaptions[1])),
                              dir.filePath(platform::programShortcutFileName(kProgram))};

    QByteArray contents(int i) const {
        QFile file(paths[i]);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

TEST(DesktopShortcuts, AsksOnlyWhenOneIsMissingAndAfterYesMendsWhatIsMissingOrPointsElsewhere) {
    // Each state's files at the three places (tests/data/desktop-shortcuts.tsv).
    const QList<QStringList> files = testDataRows(QStringLiteral("desktop-shortcuts.tsv"));
    ASSERT_EQ(files.size(), Fresh);
    auto text = [&](State state, int i) {
        return QString(files[state - 1][i + 1])
            .replace(QLatin1String("@APP_ID@"), QLatin1String(KESPARO_APP_ID))
            .replace(QLatin1String("@PADDING@"), QString(70'000, u'x'))
            .toUtf8();
    };
    EXPECT_EQ(platform::desktopLauncherProgram("[Desktop Entry]\nExec=/bin/b %U\n"),
              QStringLiteral("/bin/b"));
    const std::tuple<std::array<State, 3>, bool, std::array<State, 3>> cases[] = {
        // shop, mall guide, program before; the answer; after (Same and Other: left as they were)
        {{None, None, None}, true, {Fresh, Fresh, Fresh}},
        {{Other, None, None}, false, {Other, None, None}},
        {{Other, Other, Other}, true, {Other, Other, Other}}, // all there: nothing is asked
        {{Same, Same, None}, true, {Same, Same, Fresh}},
        {{Other, Same, None}, true, {Fresh, Same, Fresh}}, // the shop differs by case only
        {{Same, None, Other}, true, {Same, Fresh, Fresh}},
        {{Padded, None, Same}, true, {Fresh, Fresh, Same}},
    };
    for (const auto& [before, answer, after] : cases) {
        SCOPED_TRACE(::testing::Message() << "before " << before[0] << before[1] << before[2]);
        Desktop desktop;
        for (int i = 0; i < 3; ++i) {
            QFile file(desktop.paths[i]);
            ASSERT_TRUE(before[i] == None ||
                        (file.open(QIODevice::WriteOnly) && file.write(text(before[i], i)) > 0));
        }
        const QByteArray written[3] = {desktop.contents(0), desktop.contents(1), desktop.contents(2)};
        const bool missing = std::count(before.begin(), before.end(), None) > 0;

        desktop.question.answer = answer;
        EXPECT_EQ(desktop.shortcuts.allPresent(), !missing);
        desktop.shortcuts.add();
        EXPECT_TRUE(desktop.errors.shown.isEmpty());
        const QList<fakes::Shown>& asked = desktop.question.asked;
        ASSERT_EQ(asked.size(), missing ? 1 : 0);
        EXPECT_TRUE(!missing || (asked[0].title == QStringLiteral("提示！") && asked[0].text == kQuestion));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(desktop.contents(i).toStdString(), (after[i] == Fresh  ? text(Fresh, i)
                                                          : after[i] == None ? ""
                                                                             : written[i])
                                                             .toStdString());
        EXPECT_EQ(bool(QFileInfo(desktop.paths[2]).permissions() & QFileDevice::ExeOwner), after[2] == Fresh);
        EXPECT_EQ(desktop.entries().size(), 3 - std::count(after.begin(), after.end(), None))
            << "no stray or temporary file: " << desktop.entries().join(u' ').toStdString();
        if (after == std::array{Fresh, Fresh, Fresh}) { // what file managers will be given
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"),
                           {desktop.paths[0], desktop.paths[1], desktop.paths[2]});
            ASSERT_TRUE(validate.waitForFinished(20000));
            EXPECT_EQ(validate.exitCode(), 0);
            EXPECT_EQ(validate.readAll().toStdString(), "");
        }

        // The check looks where the shortcuts were written, so the next click asks nothing.
        EXPECT_EQ(desktop.shortcuts.allPresent(), answer);
        desktop.shortcuts.add();
        EXPECT_EQ(asked.size(), missing ? 1 + !answer : 0);
    }
}

// A link, a folder or a pipe at a shortcut's name is left as it is, and whatever a link points at
// (outside the desktop) is never written, created or made executable; the user is told which file
// was not written and why, and the other shortcuts are written.
TEST(DesktopShortcuts, LeavesWhatIsNoPlainFileAtAShortcutsNameAndSaysSo) {
    enum Obstacle { Folder, Link, DanglingLink, Pipe };
    const std::tuple<Obstacle, int, const char*> cases[] = {
        {Folder, 0, "文件夹"}, {Link, 1, "链接"}, {DanglingLink, 0, "链接"},
        {Pipe, 1, "特殊文件"}, {Link, 2, "链接"}, {Pipe, 2, "特殊文件"},
    };
    constexpr auto kMine = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const auto& [obstacle, blocked, reason] : cases) {
        SCOPED_TRACE(::testing::Message() << "obstacle " << obstacle << " at shortcut " << blocked);
        Desktop desktop;
        const QString& path = desktop.paths[blocked];
        QTemporaryDir elsewhere;
        QFile outside(elsewhere.filePath(QStringLiteral("outside")));
        ASSERT_TRUE(obstacle != Link || (outside.open(QIODevice::WriteOnly) && outside.write("mine") == 4 &&
                                         outside.setPermissions(kMine)));
        outside.close();
        if (obstacle == Folder)
            ASSERT_TRUE(QDir().mkdir(path));
        else if (obstacle == Pipe)
            ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {path}), 0);
        else
            ASSERT_TRUE(QFile::link(outside.fileName(), path));
        desktop.shortcuts.add();

        const QFileInfo left(path);
        EXPECT_EQ(left.isDir(), obstacle == Folder);
        EXPECT_EQ(left.isSymLink(), obstacle == Link || obstacle == DanglingLink);
        EXPECT_EQ(left.isFile(), obstacle == Link);
        EXPECT_TRUE(obstacle != Pipe || (left.exists() && !left.isFile() && !left.isDir()));
        EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), obstacle == Link ? 1 : 0);
        if (obstacle == Link) {
            EXPECT_TRUE(outside.open(QIODevice::ReadOnly) && outside.readAll() == "mine");
            EXPECT_EQ(outside.permissions() & 0x7777, kMine | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(i == blocked ||
                        (i < 2 ? desktop.contents(i).contains("URL=https://")
                               : platform::readProgramShortcut(desktop.paths[i]) == kProgram.path))
                << i;
        EXPECT_EQ(desktop.entries().size(), 3) << "and no temporary file is left";
        ASSERT_EQ(desktop.errors.shown.size(), 1);
        EXPECT_EQ(desktop.errors.shown[0].title, QStringLiteral("添加桌面捷方式"));
        EXPECT_EQ(desktop.errors.shown[0].text,
                  QStringLiteral("以下桌面捷方式未能添加：\n%1：同名的%2占着这个位置，程序没有改动它")
                      .arg(QDir::toNativeSeparators(path), QString::fromUtf8(reason)));
        EXPECT_FALSE(desktop.shortcuts.allPresent());
    }
}

// A missing desktop folder is made; one that cannot be made, or none at all, is told, and nothing
// is written.
TEST(DesktopShortcuts, MakesAMissingDesktopFolderAndTellsWhenThereCanBeNone) {
    const QString notAFolder = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    const std::tuple<QString, bool, QString> cases[] = {
        // The desktop folder, whether the question is asked, and the message (none: none shown).
        {QStringLiteral("home/user/Desktop"), true, {}},
        {QStringLiteral("file/Desktop"), true, QStringLiteral("以下桌面捷方式未能添加：\n%1：") + notAFolder},
        {QString(), false, QStringLiteral("系统没有指定桌面文件夹，桌面捷方式无处可放。")},
    };
    for (const auto& [place, asks, message] : cases) {
        SCOPED_TRACE(place.toStdString());
        Desktop desktop;
        QFile file(desktop.dir.filePath(QStringLiteral("file")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QString path = place.isEmpty() ? QString() : desktop.dir.filePath(place);
        const fakes::FixedDesktopFolder there{path};
        promo::DesktopShortcuts shortcuts(there, desktop.question, desktop.errors, kProgram);
        shortcuts.add();
        EXPECT_EQ(desktop.question.asked.size(), asks ? 1 : 0);
        EXPECT_EQ(shortcuts.allPresent(), message.isEmpty());
        ASSERT_EQ(desktop.errors.shown.size(), message.isEmpty() ? 0 : 1);
        EXPECT_TRUE(message.isEmpty() || desktop.errors.shown[0].text == QString(message).arg(path));
        EXPECT_EQ(desktop.entries(),
                  message.isEmpty() ? QStringList({"file", "home"}) : QStringList({"file"}));
    }
}

TEST(MessageBoxQuestion, AsksWithAWarningIconYesAndNoAndReturnsTheAnswer) {
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        QTimer poll; // answers the box once it is up
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                EXPECT_TRUE(box->windowTitle() == QStringLiteral("提示！") && box->text() == kQuestion);
                EXPECT_TRUE(box->icon() == QMessageBox::Warning && box->isModal());
                EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::Yes);
                box->button(answer)->click();
            }
        });
        poll.start(10);
        EXPECT_EQ(platform::MessageBoxQuestion().ask(QStringLiteral("提示！"), kQuestion),
                  answer == QMessageBox::Yes);
    }
}

} // namespace
