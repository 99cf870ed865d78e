// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontPass.h"

#include "app/FontFilter.h"
#include "platform/InstalledFonts.h"

#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>

namespace app {

QString fontPassCaption(int current, int total) {
    return QStringLiteral("↙ 正在处理字体……%1/%2").arg(current).arg(total);
}

QString fontPassDoneCaption() {
    return QStringLiteral("↓ 日程信息");
}

FontPass::FontPass(const platform::InstalledFonts& fonts, QObject* parent)
    : QObject(parent), fonts_(fonts), collator_(QLocale(QLocale::Chinese, QLocale::China)) {
    sliceTimer_.setSingleShot(true);
    sliceTimer_.setInterval(0);
    connect(&sliceTimer_, &QTimer::timeout, this, &FontPass::runSlice);
}

void FontPass::start() {
    if (state_ != State::Idle)
        return;
    state_ = State::Running;
    names_ = fonts_.families();
    sliceTimer_.start();
}

void FontPass::stop() {
    if (state_ != State::Running)
        return;
    state_ = State::Stopped;
    sliceTimer_.stop();
}

void FontPass::runSlice() {
    QElapsedTimer clock;
    clock.start();
    ++sliceCount_;
    const auto total = static_cast<int>(names_.size());
    // Whatever ends the slice, its time counts, the handlers' share included.
    const auto measure = [&] {
        longestSlice_ = std::max(longestSlice_, std::chrono::nanoseconds(clock.nsecsElapsed()));
    };
    while (next_ < names_.size()) {
        const qsizetype index = next_++;
        if (!processFont(names_[index], static_cast<int>(index) + 1, total)) {
            measure();
            return;
        }
        if (next_ < names_.size() && std::chrono::nanoseconds(clock.nsecsElapsed()) >= sliceBudget_) {
            measure();
            sliceTimer_.start();
            return;
        }
    }
    state_ = State::Finished;
    emit finished();
    measure();
}

bool FontPass::processFont(const QString& name, int current, int total) {
    emit progress(current, total);
    if (state_ != State::Running)
        return false;
    if (isExcludedFont(name))
        return true;
    const int position = sortedPosition(name);
    accepted_.insert(position, name);
    emit fontAccepted(position, name);
    return state_ == State::Running;
}

// After every name that sorts equal, so equal names keep the order in which they came.
int FontPass::sortedPosition(const QString& name) const {
    const auto after =
        std::upper_bound(accepted_.cbegin(), accepted_.cend(), name,
                         [this](const QString& a, const QString& b) { return collator_(a, b); });
    return static_cast<int>(after - accepted_.cbegin());
}

} // namespace app
