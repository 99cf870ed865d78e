// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/DesktopShortcuts.h"

#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/ShortcutPresence.h"
#include "platform/desktop/WebShortcut.h"
#include "promo/Endpoints.h"

#include <QDir>

namespace promo {

namespace {

const QString kQuestionTitle = QStringLiteral("提示！");
const QString kQuestionText =
    QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");
const QString kFailureTitle = QStringLiteral("添加桌面捷方式");
const QString kFailureText = QStringLiteral("以下桌面捷方式未能添加：");
const QString kNoDesktopFolder = QStringLiteral("系统没有指定桌面文件夹，桌面捷方式无处可放。");

// The captions of the two web shortcuts, which are also their file names less the extension.
const QString kShopCaption = QStringLiteral("淘宝网-淘！我喜欢");
const QString kMallGuideCaption = QStringLiteral("商城导航");

// One line of the failure message: the file, as the system writes paths, and why.
QString failureLine(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral("：") + reason;
}

} // namespace

DesktopShortcuts::DesktopShortcuts(const platform::DesktopFolder& folder, platform::YesNoQuestion& question,
                                   platform::ErrorMessage& errorMessage, platform::ProgramFile program)
    : folder_(folder), question_(question), errorMessage_(errorMessage), program_(std::move(program)) {}

bool DesktopShortcuts::allPresent() const {
    return platform::isShortcutPresent(shopPath()) && platform::isShortcutPresent(mallGuidePath()) &&
           platform::isShortcutPresent(programPath());
}

void DesktopShortcuts::add() {
    if (allPresent())
        return;
    // Without a desktop folder there is nowhere to put the shortcuts, so there is nothing to ask.
    const QString folder = folder_.path();
    if (folder.isEmpty()) {
        errorMessage_.show(kFailureTitle, kNoDesktopFolder);
        return;
    }
    if (!question_.ask(kQuestionTitle, kQuestionText))
        return;
    QStringList failures;
    if (const platform::WriteResult created = platform::createFolder(folder); !created.ok) {
        failures << failureLine(folder, created.reason);
    } else {
        mendWebShortcut(shopPath(), kShopCaption, endpoints::kShopOnSale, failures);
        mendWebShortcut(mallGuidePath(), kMallGuideCaption, endpoints::kGuideMallDirectory, failures);
        mendProgramShortcut(failures);
    }
    if (!failures.isEmpty())
        errorMessage_.show(kFailureTitle, kFailureText + u'\n' + failures.join(u'\n'));
}

void DesktopShortcuts::mendWebShortcut(const QString& path, const QString& caption, const QString& target,
                                       QStringList& failures) {
    if (platform::isShortcutPresent(path) && platform::readWebShortcut(path) == target)
        return;
    if (const platform::WriteResult written = platform::writeWebShortcut(path, caption, target); !written.ok)
        failures << failureLine(path, written.reason);
}

void DesktopShortcuts::mendProgramShortcut(QStringList& failures) {
    const QString path = programPath();
    if (platform::isShortcutPresent(path) && platform::readProgramShortcut(path) == program_.path)
        return;
    if (const platform::WriteResult written = platform::writeProgramShortcut(path, program_); !written.ok)
        failures << failureLine(path, written.reason);
}

QString DesktopShortcuts::shopPath() const {
    return folder_.path() + u'/' + platform::webShortcutFileName(kShopCaption);
}

QString DesktopShortcuts::mallGuidePath() const {
    return folder_.path() + u'/' + platform::webShortcutFileName(kMallGuideCaption);
}

QString DesktopShortcuts::programPath() const {
    return folder_.path() + u'/' + platform::programShortcutFileName(program_);
}

} // namespace promo
