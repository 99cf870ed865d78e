// The desktop shortcuts: the presence check and AddDesktopShortcuts, in a temporary desktop folder
// with a scripted answer.

#include "promo/DesktopShortcuts.h"

#include "platform/desktop/InternetShortcut.h"
#include "platform/desktop/ProgramShortcut.h"
#include "promo/Endpoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kShop = QStringLiteral("淘宝网-淘！我喜欢.url");
const QString kMallGuide = QStringLiteral("商城导航.url");

QByteArray internetShortcut(const char* url) {
    return QByteArray("[InternetShortcut]\r\nURL=") + url + "\r\n";
}

class DesktopShortcutsTest : public ::testing::Test {
protected:
    QTemporaryDir desktop;
    platform::FixedDesktopFolder folder{desktop.path()};
    platform::ProgramFile program{QStringLiteral("kesparo"), QStringLiteral("/opt/kesparo/bin/kesparo")};
    QString programFile = platform::programShortcutFileName(program);

    QString path(const QString& name) const { return desktop.filePath(name); }

    void put(const QString& name, const QByteArray& contents) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QByteArray contents(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList files() const {
        return QDir(desktop.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // A shop and a mall-guide shortcut that point where they should, with a line of their own
    // that a rewrite would drop.
    void putMatchingInternetShortcuts() const {
        put(kShop, internetShortcut("https://www.taobao.com/") + "IconIndex=0\r\n");
        put(kMallGuide, internetShortcut("https://www.smzdm.com/mall/") + "IconIndex=0\r\n");
    }

    void putProgramShortcut(const QString& target) const {
        ASSERT_TRUE(platform::writeProgramShortcut(path(programFile), {program.name, target}));
    }
};

TEST_F(DesktopShortcutsTest, OnAnEmptyDesktopAsksAndAfterYesWritesAllThree) {
    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    EXPECT_FALSE(shortcuts.allPresent());
    shortcuts.add();

    ASSERT_EQ(question.asked.size(), 1);
    EXPECT_EQ(question.asked[0].title, QStringLiteral("提示！"));
    EXPECT_EQ(question.asked[0].text,
              QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。"));
    EXPECT_EQ(contents(kShop), internetShortcut("https://www.taobao.com/"));
    EXPECT_EQ(contents(kMallGuide), internetShortcut("https://www.smzdm.com/mall/"));
    EXPECT_EQ(platform::readProgramShortcut(path(programFile)), program.path);
    EXPECT_EQ(files().size(), 3) << files().join(u' ').toStdString();

    // The check looks where the shortcuts were written, so the next click finds them all.
    EXPECT_TRUE(shortcuts.allPresent());
    shortcuts.add();
    EXPECT_EQ(question.asked.size(), 1);
}

TEST_F(DesktopShortcutsTest, WhenAllThreeArePresentAClickAsksNothingAndChangesNothing) {
    putMatchingInternetShortcuts();
    put(kShop, internetShortcut("https://elsewhere.example/")); // present, even pointing elsewhere
    putProgramShortcut(QStringLiteral("/somewhere/else"));
    const QByteArray shop = contents(kShop);
    const QByteArray programShortcut = contents(programFile);

    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    EXPECT_TRUE(shortcuts.allPresent());
    shortcuts.add();
    EXPECT_TRUE(question.asked.isEmpty());
    EXPECT_EQ(contents(kShop), shop);
    EXPECT_EQ(contents(programFile), programShortcut);
}

TEST_F(DesktopShortcutsTest, WhenOnlyTheProgramShortcutIsMissingItIsAddedAndTheOthersKept) {
    putMatchingInternetShortcuts();
    const QByteArray shop = contents(kShop);
    const QByteArray mallGuide = contents(kMallGuide);

    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    EXPECT_FALSE(shortcuts.allPresent());
    shortcuts.add();
    EXPECT_EQ(question.asked.size(), 1);
    EXPECT_EQ(contents(kShop), shop);
    EXPECT_EQ(contents(kMallGuide), mallGuide);
    EXPECT_EQ(platform::readProgramShortcut(path(programFile)), program.path);
}

TEST_F(DesktopShortcutsTest, AfterYesShortcutsThatPointElsewhereAreRewrittenAndMatchingOnesKept) {
    putMatchingInternetShortcuts();
    put(kShop, internetShortcut("https://WWW.TAOBAO.COM/")); // differs by case only
    const QByteArray mallGuide = contents(kMallGuide);
    // One of the three is missing, or nothing would be asked.
    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    shortcuts.add();
    EXPECT_EQ(contents(kShop), internetShortcut("https://www.taobao.com/"));
    EXPECT_EQ(contents(kMallGuide), mallGuide);

    // Now the program shortcut points elsewhere and the mall guide is missing.
    putProgramShortcut(QStringLiteral("/old/place/kesparo"));
    QFile::remove(path(kMallGuide));
    shortcuts.add();
    EXPECT_EQ(question.asked.size(), 2);
    EXPECT_EQ(platform::readProgramShortcut(path(programFile)), program.path);
    EXPECT_EQ(contents(kMallGuide), internetShortcut("https://www.smzdm.com/mall/"));
}

TEST_F(DesktopShortcutsTest, AfterNoNothingIsWritten) {
    put(kShop, internetShortcut("https://elsewhere.example/"));
    platform::ScriptedQuestion question(false);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    shortcuts.add();
    EXPECT_EQ(question.asked.size(), 1);
    EXPECT_EQ(files(), QStringList{kShop});
    EXPECT_EQ(contents(kShop), internetShortcut("https://elsewhere.example/"));
}

TEST_F(DesktopShortcutsTest, AShortcutThatCannotBeWrittenIsSkippedAndTheOthersAreWritten) {
    // A folder in the shop shortcut's place: absent to the check, and no file can replace it.
    ASSERT_TRUE(QDir(desktop.path()).mkdir(kShop));
    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(folder, question, program);
    shortcuts.add();
    EXPECT_TRUE(QFileInfo(path(kShop)).isDir());
    EXPECT_EQ(files(), QStringList({programFile, kMallGuide})) << "and no temporary file is left";
    EXPECT_EQ(contents(kMallGuide), internetShortcut("https://www.smzdm.com/mall/"));
    EXPECT_EQ(platform::readProgramShortcut(path(programFile)), program.path);
    EXPECT_FALSE(shortcuts.allPresent());
}

TEST_F(DesktopShortcutsTest, WithoutADesktopFolderNothingIsAsked) {
    const platform::FixedDesktopFolder none{QString()};
    platform::ScriptedQuestion question(true);
    promo::DesktopShortcuts shortcuts(none, question, program);
    EXPECT_FALSE(shortcuts.allPresent());
    shortcuts.add();
    EXPECT_TRUE(question.asked.isEmpty());
}

} // namespace
