// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font pass: walks the installed fonts once after start-up, reports each font as it goes
// and hands over the ones the font list offers, in name order. It works in short slices
// driven by a 0 ms timer and goes back to the event loop between them, so the window stays
// usable while it runs; no slice runs on much longer than its budget (10 ms unless set).
//
// It touches no widget: the main window fills the font list in its handlers.

#include <QCollator>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>

namespace platform {
class InstalledFonts;
}

namespace app {

// The report window's caption while font `current` of `total` is processed (counted from 1),
// e.g. "↙ 正在处理字体……12/245".
QString fontPassCaption(int current, int total);
// The report window's caption once the pass has gone through every font.
QString fontPassDoneCaption();

class FontPass final : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Running, Finished, Stopped };

    explicit FontPass(const platform::InstalledFonts& fonts, QObject* parent = nullptr);

    // Reads the installed fonts and schedules the first slice. Only an idle pass starts; the
    // pass runs once in the life of this object.
    void start();
    // Ends a running pass at once; nothing more is reported after it returns, even when it is
    // called from a handler of one of the signals. Does nothing to a pass that is not running.
    void stop();

    State state() const { return state_; }
    bool isRunning() const { return state_ == State::Running; }
    // The accepted names so far, in the order of the list.
    const QStringList& acceptedNames() const { return accepted_; }

    // How long a slice may go on taking fonts; a slice always takes at least one.
    void setSliceBudget(std::chrono::nanoseconds budget) { sliceBudget_ = budget; }
    // Slices run so far and the longest of them, the handlers' time included.
    int sliceCount() const { return sliceCount_; }
    std::chrono::nanoseconds longestSlice() const { return longestSlice_; }

signals:
    // Font `current` of `total` (counted from 1) is being processed; sent for every font,
    // before its fontAccepted().
    void progress(int current, int total);
    // `name` is offered: inserted at `position` it keeps the list in name order.
    void fontAccepted(int position, const QString& name);
    // Every font has been processed (sent once, also for an empty list).
    void finished();

private:
    void runSlice();
    // False when the pass was stopped while reporting this font.
    bool processFont(const QString& name, int current, int total);
    int sortedPosition(const QString& name) const;

    const platform::InstalledFonts& fonts_;
    QTimer sliceTimer_;
    State state_ = State::Idle;
    QStringList names_;
    qsizetype next_ = 0;
    QStringList accepted_;
    // Name order as a simplified-Chinese reader expects it (the Chinese locale's collation):
    // Chinese names first, in pinyin order, then Latin names alphabetically whatever their case.
    QCollator collator_;
    std::chrono::nanoseconds sliceBudget_ = std::chrono::milliseconds(10);
    int sliceCount_ = 0;
    std::chrono::nanoseconds longestSlice_{0};
};

} // namespace app
