// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered choices on disk: what a hand-edited, damaged or hostile file gives, and a round trip.

#include "platform/ChoiceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::RememberedChoices;

TEST(ChoiceStore, ReadsWhatItCanAndDefaultsTheRest) {
    const RememberedChoices defaults;
    const struct {
        const char* name;
        QByteArray contents; // empty: no file
        RememberedChoices expected;
    } cases[] = {
        {"no file", {}, defaults},
        {"all three",
         "[grid]\nfont=SimHei\n[window]\nenlarged=true\nreport=false\n",
         {"SimHei", true, false}},
        {"unknown keys only", "[other]\nx=1\n", defaults},
        {"not INI", "[grid\nfont=SimHei\n", defaults},
        {"not a Boolean", "[window]\nenlarged=yes\nreport=0\n", defaults},
        {"control characters", "[grid]\nfont=\"Sim\\x1bHei\"\n", defaults},
        {"over 64 KiB", "[grid]\nfont=SimHei\n#" + QByteArray(64 * 1024, 'x') + "\n", defaults},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("kesparo.conf");
        if (!c.contents.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        EXPECT_EQ(platform::SettingsFileChoiceStore(path).load(), c.expected) << c.name;
    }
}

TEST(ChoiceStore, ReadsBackWhatItSaved) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kesparo/kesparo.conf");
    platform::SettingsFileChoiceStore store(path);
    const RememberedChoices choices{"Noto Serif CJK SC", true, false};
    store.save(choices);
    EXPECT_EQ(store.load(), choices);
    store.save({std::nullopt, false, true});
    EXPECT_EQ(store.load(), (RememberedChoices{std::nullopt, false, true}));
}

// Saving never reads what a settings file cannot be, let alone replaces it: the choices of that run
// are lost, the user's file is not.
TEST(ChoiceStore, SavesNothingOverWhatIsNoSettingsFile) {
    QTemporaryDir dir;
    const QString oversized = dir.filePath("oversized.conf");
    const QByteArray contents = "[grid]\nfont=SimHei\n#" + QByteArray(64 * 1024, 'x') + "\n";
    {
        QFile file(oversized);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    const QString folder = dir.filePath("folder.conf");
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& path : {oversized, folder})
        platform::SettingsFileChoiceStore(path).save({"SimHei", true, false});
    QFile file(oversized);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), contents);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}
