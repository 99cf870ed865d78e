// The desktop shortcuts in a temporary desktop folder with a scripted answer, for mixes of missing
// shortcuts, matching ones and ones that point elsewhere; what else may stand at a shortcut's name;
// the desktop folder missing or impossible; the real question. On this platform the shortcuts are
// freedesktop entries, which desktop-file-validate accepts.

#include "promo/DesktopShortcuts.h"
#include "platform/desktop/DesktopLauncher.h"
#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/WebShortcut.h"
#include "tests/fakes/PlatformFakes.h"

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
// written anew.
enum State { None, Same, Other, Padded, Fresh };

const QString kQuestion = QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");

class DesktopShortcutsTest : public ::testing::Test {
protected:
    QTemporaryDir desktop;
    fakes::FixedDesktopFolder folder{desktop.path()};
    fakes::ScriptedQuestion question{true};
    fakes::RecordingErrorMessage errors;
    // A program path with every character that a launcher has to escape.
    platform::ProgramFile program{QStringLiteral("kesparo"),
                                  QStringLiteral("/opt/我的 app/a\"b\\c$d%e`f\tg\nh")};
    promo::DesktopShortcuts shortcuts{folder, question, errors, program};
    const QString captions[2] = {QStringLiteral("淘宝网-淘！我喜欢"), QStringLiteral("商城导航")};
    const QString paths[3] = {desktop.filePath(platform::webShortcutFileName(captions[0])),
                              desktop.filePath(platform::webShortcutFileName(captions[1])),
                              desktop.filePath(platform::programShortcutFileName(program))};

    QByteArray contents(int i) const {
        QFile file(paths[i]);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const {
        return QDir(desktop.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    void clearDesktop() {
        for (const QString& entry : entries())
            if (!QFile::remove(desktop.filePath(entry)))
                QDir(desktop.filePath(entry)).removeRecursively();
        question.asked.clear();
        errors.shown.clear();
    }
};

TEST_F(DesktopShortcutsTest, AsksOnlyWhenOneIsMissingAndAfterYesMendsWhatIsMissingOrPointsElsewhere) {
    const QByteArray targets[2] = {"https://www.taobao.com/", "https://www.smzdm.com/mall/"};
    const QByteArray elsewhere[2] = {"https://WWW.TAOBAO.COM/", "https://elsewhere.example/"};
    // Exec takes the format's quoting inside its string escapes, so backslashes come doubled twice.
    const QByteArray launcher = QStringLiteral("[Desktop Entry]\nType=Application\nName=kesparo\n"
                                               R"(Exec="/opt/我的 app/a\\"b\\\\c\\$d%%e\\`f\tg\nh")"
                                               "\nIcon=" KESPARO_APP_ID "\n")
                                    .toUtf8();
    const QByteArray fresh[3] = {
        "[Desktop Entry]\nType=Link\nName=" + captions[0].toUtf8() + "\nURL=" + targets[0] + "\n",
        "[Desktop Entry]\nType=Link\nName=" + captions[1].toUtf8() + "\nURL=" + targets[1] + "\n", launcher};
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
        clearDesktop();
        // As file managers write them: with keys that a rewrite drops, and another group first.
        for (int i = 0; i < 3; ++i) {
            const QByteArray padding = before[i] == Padded ? "# " + QByteArray(70'000, 'x') + "\n" : "";
            const QByteArray text =
                i < 2 ? "[Desktop Action Open]\nURL=https://elsewhere.example/\n" + padding +
                            "[Desktop Entry]\nIcon=text-html\nName=x\nType=Link\nURL=" +
                            (before[i] == Other ? elsewhere[i] : targets[i]) + "\n"
                : before[i] == Same ? "[Desktop Action A]\nExec=/bin/a\n" + launcher
                                    : QByteArray(launcher).replace("[Desktop Entry]", "[Desktop Action A]") +
                                          "[Desktop Entry]\nType=Application\nName=x\nExec=/old/kesparo %U\n";
            QFile file(paths[i]);
            ASSERT_TRUE(before[i] == None ||
                        (file.open(QIODevice::WriteOnly) && file.write(text) == text.size()));
        }
        const QByteArray written[3] = {contents(0), contents(1), contents(2)};
        const bool missing = std::count(before.begin(), before.end(), None) > 0;

        question.answer = answer;
        EXPECT_EQ(shortcuts.allPresent(), !missing);
        shortcuts.add();
        EXPECT_TRUE(errors.shown.isEmpty());
        ASSERT_EQ(question.asked.size(), missing ? 1 : 0);
        EXPECT_TRUE(!missing || (question.asked[0].title == QStringLiteral("提示！") &&
                                 question.asked[0].text == kQuestion));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(contents(i).toStdString(), (after[i] == None    ? QByteArray()
                                                  : after[i] == Fresh ? fresh[i]
                                                                      : written[i])
                                                     .toStdString());
        EXPECT_EQ(bool(QFileInfo(paths[2]).permissions() & QFileDevice::ExeOwner), after[2] == Fresh);
        EXPECT_EQ(entries().size(), 3 - std::count(after.begin(), after.end(), None))
            << "no stray or temporary file: " << entries().join(u' ').toStdString();
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

// A link, a folder or a pipe at a shortcut's name is left as it is, and whatever a link points at
// (outside the desktop) is never written, created or made executable; the user is told which file
// was not written and why, and the other shortcuts are written.
TEST_F(DesktopShortcutsTest, LeavesWhatIsNoPlainFileAtAShortcutsNameAndSaysSo) {
    enum Obstacle { Folder, Link, DanglingLink, Pipe };
    const std::tuple<Obstacle, int, const char*> cases[] = {
        {Folder, 0, "文件夹"}, {Link, 1, "链接"}, {DanglingLink, 0, "链接"},
        {Pipe, 1, "特殊文件"}, {Link, 2, "链接"}, {Pipe, 2, "特殊文件"},
    };
    constexpr auto kMine = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const auto& [obstacle, blocked, reason] : cases) {
        SCOPED_TRACE(::testing::Message() << "obstacle " << obstacle << " at shortcut " << blocked);
        clearDesktop();
        QTemporaryDir elsewhere;
        QFile outside(elsewhere.filePath(QStringLiteral("outside")));
        ASSERT_TRUE(obstacle != Link || (outside.open(QIODevice::WriteOnly) && outside.write("mine") == 4 &&
                                         outside.setPermissions(kMine)));
        outside.close();
        if (obstacle == Folder)
            ASSERT_TRUE(QDir().mkdir(paths[blocked]));
        else if (obstacle == Pipe)
            ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {paths[blocked]}), 0);
        else
            ASSERT_TRUE(QFile::link(outside.fileName(), paths[blocked]));

        shortcuts.add();

        const QFileInfo left(paths[blocked]);
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
            EXPECT_TRUE(i == blocked || (i < 2 ? contents(i).contains("URL=https://")
                                               : platform::readProgramShortcut(paths[i]) == program.path))
                << i;
        EXPECT_EQ(entries().size(), 3) << "and no temporary file is left";
        ASSERT_EQ(errors.shown.size(), 1);
        EXPECT_EQ(errors.shown[0].title, QStringLiteral("添加桌面捷方式"));
        EXPECT_EQ(errors.shown[0].text,
                  QStringLiteral("以下桌面捷方式未能添加：\n%1：同名的%2占着这个位置，程序没有改动它")
                      .arg(QDir::toNativeSeparators(paths[blocked]), QString::fromUtf8(reason)));
        EXPECT_FALSE(shortcuts.allPresent());
    }
}

// A missing desktop folder is made; one that cannot be made, or none at all, is told, and nothing
// is written.
TEST_F(DesktopShortcutsTest, MakesAMissingDesktopFolderAndTellsWhenThereCanBeNone) {
    QFile file(desktop.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString notAFolder = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    const std::tuple<QString, bool, QString> cases[] = {
        // The desktop folder, whether the question is asked, and the message (none: none shown).
        {desktop.filePath(QStringLiteral("home/user/Desktop")), true, {}},
        {desktop.filePath(QStringLiteral("file/Desktop")), true,
         QStringLiteral("以下桌面捷方式未能添加：\n%1：")
                 .arg(desktop.filePath(QStringLiteral("file/Desktop"))) +
             notAFolder},
        {QString(), false, QStringLiteral("系统没有指定桌面文件夹，桌面捷方式无处可放。")},
    };
    for (const auto& [path, asks, message] : cases) {
        SCOPED_TRACE(path.toStdString());
        question.asked.clear();
        errors.shown.clear();
        const fakes::FixedDesktopFolder elsewhere{path};
        promo::DesktopShortcuts shortcutsThere(elsewhere, question, errors, program);
        shortcutsThere.add();
        EXPECT_EQ(question.asked.size(), asks ? 1 : 0);
        EXPECT_EQ(shortcutsThere.allPresent(), message.isEmpty());
        ASSERT_EQ(errors.shown.size(), message.isEmpty() ? 0 : 1);
        EXPECT_TRUE(message.isEmpty() || errors.shown[0].text == message)
            << errors.shown[0].text.toStdString();
    }
    EXPECT_EQ(entries(), QStringList({QStringLiteral("file"), QStringLiteral("home")}));
}

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
