#include "promo/DesktopShortcuts.h"

#include "platform/desktop/InternetShortcut.h"
#include "platform/desktop/ProgramShortcut.h"
#include "platform/desktop/ShortcutPresence.h"
#include "promo/Endpoints.h"

namespace promo {

namespace {

const QString kQuestionTitle = QStringLiteral("提示！");
const QString kQuestionText =
    QStringLiteral("添加桌面捷方式吗？如有防火墙提示，请放心选择允许或添加为信任。");

const QString kShopFileName = QStringLiteral("淘宝网-淘！我喜欢.url");
const QString kMallGuideFileName = QStringLiteral("商城导航.url");

// Writes the internet shortcut when it is missing or points elsewhere.
void mendInternetShortcut(const QString& path, const QString& target) {
    if (!platform::isShortcutPresent(path) || platform::readInternetShortcut(path) != target)
        platform::writeInternetShortcut(path, target);
}

} // namespace

DesktopShortcuts::DesktopShortcuts(const platform::DesktopFolder& folder, platform::YesNoQuestion& question,
                                   platform::ProgramFile program)
    : folder_(folder), question_(question), program_(std::move(program)) {}

bool DesktopShortcuts::allPresent() const {
    return platform::isShortcutPresent(shopPath()) && platform::isShortcutPresent(mallGuidePath()) &&
           platform::isShortcutPresent(programPath());
}

void DesktopShortcuts::add() {
    // Without a desktop folder there is nowhere to put the shortcuts, so there is nothing to ask.
    if (folder_.path().isEmpty() || allPresent() || !question_.ask(kQuestionTitle, kQuestionText))
        return;
    mendInternetShortcut(shopPath(), endpoints::kShopOnSale);
    mendInternetShortcut(mallGuidePath(), endpoints::kGuideMallDirectory);
    const QString program = programPath();
    if (!platform::isShortcutPresent(program) || platform::readProgramShortcut(program) != program_.path)
        platform::writeProgramShortcut(program, program_);
}

QString DesktopShortcuts::shopPath() const {
    return folder_.path() + u'/' + kShopFileName;
}

QString DesktopShortcuts::mallGuidePath() const {
    return folder_.path() + u'/' + kMallGuideFileName;
}

QString DesktopShortcuts::programPath() const {
    return folder_.path() + u'/' + platform::programShortcutFileName(program_);
}

} // namespace promo
