// The desktop shortcuts in a temporary desktop folder with a scripted answer, for mixes of missing
// shortcuts, matching ones and ones that point elsewhere; the program shortcut; the real question.

#include "promo/DesktopShortcuts.h"
#include "tests/fakes/FixedDesktopFolder.h"
#include "tests/fakes/ScriptedQuestion.h"

#include "platform/desktop/ProgramShortcut.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include "platform/desktop/DesktopLauncher.h"
#endif

namespace {

enum State { None, Same, Other, Fresh }; // missing, matching, pointing elsewhere, written anew

const QString kQuestion = QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");

class DesktopShortcutsTest : public ::testing::Test {
protected:
    QTemporaryDir desktop;
    fakes::FixedDesktopFolder folder{desktop.path()};
    // A program path with every character that a launcher has to escape.
    platform::ProgramFile program{QStringLiteral("kesparo"),
                                  QStringLiteral("/opt/我的 app/a\"b\\c$d%e`f\tg\nh")};
    const QString paths[3] = {desktop.filePath(QStringLiteral("淘宝网-淘！我喜欢.url")),
                              desktop.filePath(QStringLiteral("商城导航.url")),
                              desktop.filePath(platform::programShortcutFileName(program))};

    QByteArray contents(int i) const {
        QFile file(paths[i]);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList files() const { return QDir(desktop.path()).entryList(QDir::Files | QDir::Hidden); }
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
    };
    for (const auto& [before, answer, after] : cases) {
        SCOPED_TRACE(::testing::Message() << "before " << before[0] << before[1] << before[2]);
        for (const QString& file : files())
            ASSERT_TRUE(QFile::remove(desktop.filePath(file)));
        for (int i = 0; i < 2; ++i) { // as a browser writes them, with a key that a rewrite drops
            QFile file(paths[i]);
            if (before[i] != None && file.open(QIODevice::WriteOnly))
                file.write("[DEFAULT]\r\nBASEURL=https://elsewhere.example/\r\n[InternetShortcut]\r\nURL=" +
                           (before[i] == Same ? targets[i] : elsewhere[i]) + "\r\nIconIndex=0\r\n");
        }
        if (before[2] != None) {
            const QString target = before[2] == Same ? program.path : QStringLiteral("/old/kesparo");
            ASSERT_TRUE(platform::writeProgramShortcut(paths[2], {program.name, target}));
        }
        const QByteArray written[3] = {contents(0), contents(1), contents(2)};
        const bool missing = std::count(before.begin(), before.end(), None) > 0;

        fakes::ScriptedQuestion question(answer);
        promo::DesktopShortcuts shortcuts(folder, question, program);
        EXPECT_EQ(shortcuts.allPresent(), !missing);
        shortcuts.add();
        ASSERT_EQ(question.asked.size(), missing ? 1 : 0);
        EXPECT_TRUE(!missing || (question.asked[0].title == QStringLiteral("提示！") &&
                                 question.asked[0].text == kQuestion));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(QFile::exists(paths[i]), after[i] != None) << i;
            if (after[i] == Same || after[i] == Other) {
                EXPECT_EQ(contents(i), written[i]) << i;
            } else if (after[i] == Fresh && i < 2) {
                EXPECT_EQ(contents(i), "[InternetShortcut]\r\nURL=" + targets[i] + "\r\n");
            } else if (after[i] == Fresh) {
                EXPECT_EQ(platform::readProgramShortcut(paths[i]), program.path);
            }
        }
        EXPECT_EQ(files().size(), 3 - std::count(after.begin(), after.end(), None))
            << "no stray or temporary file: " << files().join(u' ').toStdString();

        // The check looks where the shortcuts were written, so the next click asks nothing.
        EXPECT_EQ(shortcuts.allPresent(), answer);
        shortcuts.add();
        EXPECT_EQ(question.asked.size(), missing ? 1 + !answer : 0);
    }
}

TEST_F(DesktopShortcutsTest, AShortcutThatCannotBeWrittenIsSkippedAndTheOthersAreWritten) {
    ASSERT_TRUE(QDir().mkdir(paths[0])); // a folder: absent to the check, and no file can replace it
    fakes::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    shortcuts.add();
    EXPECT_TRUE(QFileInfo(paths[0]).isDir());
    EXPECT_EQ(files().size(), 2) << "and no temporary file is left";
    EXPECT_EQ(contents(1), "[InternetShortcut]\r\nURL=https://www.smzdm.com/mall/\r\n");
    EXPECT_EQ(platform::readProgramShortcut(paths[2]), program.path);
    EXPECT_FALSE(shortcuts.allPresent());

    // Without a desktop folder nothing is asked (answered No, so that a fault writes nothing).
    const fakes::FixedDesktopFolder none{QString()};
    fakes::ScriptedQuestion no(false);
    promo::DesktopShortcuts nowhere(none, no, program);
    EXPECT_FALSE(nowhere.allPresent());
    nowhere.add();
    EXPECT_TRUE(no.asked.isEmpty());
}

#ifndef Q_OS_WIN
TEST_F(DesktopShortcutsTest, TheProgramShortcutIsAnExecutableLauncherThatSetsNothingElse) {
    // Exec takes the format's quoting inside its string escapes, so backslashes come doubled twice.
    EXPECT_EQ(QString::fromUtf8(platform::desktopLauncherContents(program)),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=kesparo\n") +
                  QStringLiteral(R"(Exec="/opt/我的 app/a\\"b\\\\c\\$d%%e\\`f\tg\nh")") + u'\n');
    EXPECT_TRUE(paths[2].endsWith(QStringLiteral("/kesparo.desktop")));
    ASSERT_TRUE(platform::writeProgramShortcut(paths[2], program));
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
