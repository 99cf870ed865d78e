// SPDX-License-Identifier: GPL-3.0-or-later
// The promotion page's path against hostile pages: each page of the corpus is served from a
// server on 127.0.0.1 (in a thread of its own, as a remote server's work is no pause of ours) to
// the web view, which fetches it, reduces it, shows it and paints it. Reported for each page:
//  - the longest pause of the event loop: the longest gap between the ticks of a 1 ms timer, from
//    the request until the page has been painted and the loop has idled a while, on the wall
//    clock (pause_ms) and in the CPU time of the loop's own thread (pause_cpu_ms). On a busy
//    machine the wall clock adds every moment the thread waited for a processor; the CPU time is
//    what the page itself costs, and it is held to the bound of 50 ms;
//  - how far the process's peak memory rose above its size before the load (peak_growth_MB), held
//    to the bound of 64 MB.
// A page over a bound is labelled. Each figure is the worst of the iterations. Linux only: memory
// comes from /proc/self/status.

#include "promo/WebView.h"
#include "tests/promo/HostilePages.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <time.h>

namespace {

using namespace std::chrono_literals;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr Milliseconds kLongestAllowedPause = 50ms;
constexpr double kMostAllowedGrowthMB = 64;
constexpr auto kIdleAfterPaint = 300ms; // for work the view defers to later turns of the loop

// A value in kB from /proc/self/status, e.g. "VmHWM" (the peak resident size) or "VmRSS".
double statusKB(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// Lets the peak resident size start again from the present size.
void resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

Milliseconds threadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Serves one page to every request, as one HTTP response with its length.
class OnePageServer {
public:
    explicit OnePageServer(const QByteArray& body) {
        const QByteArray response = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                                    "Content-Length: " +
                                    QByteArray::number(body.size()) + "\r\n\r\n" + body;
        server_.moveToThread(&thread_);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, response] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, response] {
                    if (socket->readAll().contains("\r\n\r\n"))
                        socket->write(response);
                });
        });
        thread_.start();
        QMetaObject::invokeMethod(
            &server_, [this] { server_.listen(QHostAddress::LocalHost); }, Qt::BlockingQueuedConnection);
    }
    ~OnePageServer() {
        QMetaObject::invokeMethod(
            &server_,
            [this] {
                server_.close();
                qDeleteAll(server_.findChildren<QTcpSocket*>());
            },
            Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/promo/").arg(server_.serverPort())); }

private:
    QThread thread_;
    QTcpServer server_;
};

struct Pause {
    Milliseconds wall{0};
    Milliseconds cpu{0};
};

// The longest gaps between the ticks of a 1 ms timer while it runs.
class PauseWatch {
public:
    PauseWatch() {
        tick_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick_, &QTimer::timeout, [this] {
            const Milliseconds cpu = threadCpuTime();
            longest_.wall =
                std::max(longest_.wall, Milliseconds(std::chrono::nanoseconds(wall_.nsecsElapsed())));
            longest_.cpu = std::max(longest_.cpu, cpu - lastCpu_);
            wall_.restart();
            lastCpu_ = cpu;
        });
        wall_.start();
        lastCpu_ = threadCpuTime();
        tick_.start(1);
    }
    Pause longest() const { return longest_; }

private:
    QTimer tick_;
    QElapsedTimer wall_;
    Milliseconds lastCpu_;
    Pause longest_;
};

struct PageShown {
    Milliseconds total;
    Pause longestPause;
    double growthMB;
};

// Loads the page into a visible view of the promotion window's size and waits until it is painted.
PageShown showPage(const OnePageServer& server) {
    QNetworkAccessManager network;
    promo::WebView view(network, promo::PageLimits{});
    view.resize(337, 249);
    view.show();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (view.busy())
            return;
        poll.stop();
        view.grab(); // paints the page as the screen would, laying it out first
        QTimer::singleShot(kIdleAfterPaint, &loop, &QEventLoop::quit);
    });

    resetPeakMemory();
    const double before = statusKB("VmRSS");
    QElapsedTimer clock;
    clock.start();
    const PauseWatch watch;
    view.navigate(server.url());
    poll.start(1);
    loop.exec();
    return {Milliseconds(std::chrono::nanoseconds(clock.nsecsElapsed())) - kIdleAfterPaint, watch.longest(),
            (statusKB("VmHWM") - before) / 1024};
}

void showPageOf(benchmark::State& state, const QByteArray& page) {
    const OnePageServer server(page);
    Pause longest;
    double growthMB = 0;
    for (auto _ : state) {
        const PageShown shown = showPage(server);
        state.SetIterationTime(std::chrono::duration<double>(shown.total).count());
        longest.wall = std::max(longest.wall, shown.longestPause.wall);
        longest.cpu = std::max(longest.cpu, shown.longestPause.cpu);
        growthMB = std::max(growthMB, shown.growthMB);
    }
    state.counters["page_KiB"] = static_cast<double>(page.size()) / 1024;
    state.counters["pause_ms"] = longest.wall.count();
    state.counters["pause_cpu_ms"] = longest.cpu.count();
    state.counters["peak_growth_MB"] = growthMB;
    if (longest.cpu > kLongestAllowedPause)
        state.SetLabel("STALLS the event loop over 50 ms");
    else if (growthMB > kMostAllowedGrowthMB)
        state.SetLabel("COSTS over 64 MB");
}

// For comparison: an ordinary promotion page, 24 links in a table.
QByteArray ordinaryPage() {
    QByteArray rows;
    for (int row = 0; row < 6; ++row) {
        rows += "<tr>";
        for (int link = 0; link < 4; ++link)
            rows += "<td><a href=\"/deal/" + QByteArray::number(row * 4 + link) + "\">今日特价</a></td>";
        rows += "</tr>";
    }
    return "<html><body bgcolor=\"#C0C0FF\"><p align=\"center\"><font color=\"#FF0000\">推广</font></p>"
           "<table align=\"center\">" +
           rows + "</table></body></html>";
}

const bool registered = [] {
    std::vector<std::pair<QByteArray, QByteArray>> pages = hostile::pages();
    pages.insert(pages.begin(), {"ordinary page of 24 links", ordinaryPage()});
    for (const auto& [name, page] : pages)
        benchmark::RegisterBenchmark(name.constData(), showPageOf, page)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    return true;
}();

} // namespace
