// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace ondel::bench {

// Counts the ticks of a timer and the CPU time of this process over a
// measured stretch that starts once the window has settled, then quits the
// application: ticks per second and share of one core, measured alike for
// a program's window (tick_rate) and the bare baseline (baseline_window).
class TickMeter {
public:
    TickMeter(const QTimer &timer, double seconds)
    {
        QObject::connect(&timer, &QTimer::timeout, &counter_, [this] { ++ticks_; });
        QTimer::singleShot(settleMs, &counter_, [this, seconds] {
            clock_.start();
            cpuAtStart_ = cpuSeconds();
            ticksAtStart_ = ticks_;
            QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), &QCoreApplication::quit);
        });
    }

    // "N ticks/s, X% of one core" for the stretch; call after exec() returns.
    std::string report() const
    {
        const double wall = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
        const double cpu = cpuSeconds() - cpuAtStart_;
        char text[64];
        std::snprintf(text, sizeof text, "%.0f ticks/s, %.1f%% of one core", static_cast<double>(ticks_ - ticksAtStart_) / wall,
                      100.0 * cpu / wall);
        return text;
    }

private:
    static constexpr int settleMs = 500;

    static double cpuSeconds()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }

    QObject counter_;
    long ticks_ = 0;
    long ticksAtStart_ = 0;
    double cpuAtStart_ = 0;
    QElapsedTimer clock_;
};

} // namespace ondel::bench
