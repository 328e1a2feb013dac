// Step-tick pacing of the reveal: QTimer with Qt::PreciseTimer (the timer
// type the adapter uses) at 10 ms and 400 ms, while a 10 ms flicker timer runs
// the real flicker handler beside it. Prints mean and worst deviation.
#include "app/wiring.h"
#include "base/random.h"
#include "bench/bench_services.h"
#include "program/program.h"
#include "reveal/reveal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using namespace zoki;
using namespace zoki::bench;

struct Result {
    double mean = 0;
    double worst = 0;
    double low = 0;
    double high = 0;
};

// Runs the step timer at `interval` ms for `ticks` ticks with the flicker
// timer beside it; returns the measured intervals between step ticks.
Result measure(Program& p, int interval, int ticks) {
    for (int i = 0; i < 30; ++i)
        p.predictNumbers[static_cast<std::size_t>(i)] = 1 + (i * 7) % 43;
    p.form1.VScroll1.setValue(5);
    p.reveal.revealRow = 1;
    p.reveal.cnt = 0;

    QTimer step;
    QTimer flicker;
    step.setTimerType(Qt::PreciseTimer);
    flicker.setTimerType(Qt::PreciseTimer);
    step.setInterval(interval);
    flicker.setInterval(10);

    QElapsedTimer clock;
    std::vector<qint64> stamps;
    QEventLoop loop;
    QObject::connect(&flicker, &QTimer::timeout, [&] { Timer2_Timer(p); });
    QObject::connect(&step, &QTimer::timeout, [&] {
        stamps.push_back(clock.nsecsElapsed());
        Timer1_Timer(p);
        if (p.reveal.revealRow > 5) { // keep revealing: a reveal of five rows ends at 30 ticks
            p.reveal.revealRow = 1;
            p.reveal.cnt = 0;
        }
        if (static_cast<int>(stamps.size()) > ticks)
            loop.quit();
    });
    clock.start();
    step.start();
    flicker.start();
    loop.exec();
    step.stop();
    flicker.stop();

    Result r;
    r.low = 1e300;
    double sum = 0;
    const std::size_t n = stamps.size() - 1;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double ms = static_cast<double>(stamps[i] - stamps[i - 1]) / 1e6;
        sum += ms;
        r.worst = std::max(r.worst, std::abs(ms - interval));
        r.low = std::min(r.low, ms);
        r.high = std::max(r.high, ms);
    }
    r.mean = sum / static_cast<double>(n);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SilentDialogs dialogs{Answer::No};
    NoPlatform platform;
    ClockMixedRandom random;
    Program p(std::filesystem::temp_directory_path(), dialogs, random, platform, wire);

    std::printf("step interval  ticks  mean ms   dev of mean  worst dev ms  min ms   max ms   mean within 5%%\n");
    const struct {
        int interval;
        int ticks;
    } runs[] = {{10, 500}, {400, 30}};
    for (const auto& run : runs) {
        const Result r = measure(p, run.interval, run.ticks);
        const double meanDev = (r.mean - run.interval) / run.interval * 100.0;
        std::printf("%8d ms  %6d  %8.3f  %+9.2f%%  %12.3f  %7.3f  %7.3f  %s\n", run.interval, run.ticks, r.mean,
                    meanDev, r.worst, r.low, r.high, std::abs(meanDev) <= 5.0 ? "yes" : "no");
    }
    return 0;
}
