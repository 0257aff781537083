// SPDX-License-Identifier: GPL-3.0-or-later
// How many ticks a program's window really runs per second, and what share
// of one core it takes, with the pulse file loaded, both rows, the y-x
// curves and the y-t trace on and the speed bar at a given interval. Run it
// in data/ on a display (scripts/measure_ticks.sh uses Xvfb):
//   tick_rate PROGRAM INTERVAL_MS SECONDS
#include "shell/ui/fonts.h"
#include "shell/ui/ondelwindow.h"
#include "programs/registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: tick_rate PROGRAM INTERVAL_MS SECONDS\n");
        return 2;
    }
    const std::string name = argv[1];
    const int interval = std::stoi(argv[2]);
    const double seconds = std::stod(argv[3]);
    auto program = ondel::makeProgram(name);
    if (!program) {
        std::fprintf(stderr, "unknown program %s\n", name.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    ondel::installFontSubstitution();
    ondel::OndelWindow window(std::move(program));
    window.show();
    // Load the default pulse file (run in data/) so that the medium moves.
    for (const char *control : {"Command9", "Command1", "Command2", "Command8"})
        window.clickControl(QString::fromLatin1(control));
    // The same path as the teacher moving the speed bar.
    window.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(interval);

    long ticks = 0;
    QObject::connect(&window.timer(), &QTimer::timeout, [&ticks] { ++ticks; });

    // Let the window settle before measuring.
    QElapsedTimer clock;
    double cpuAtStart = 0;
    long ticksAtStart = 0;
    QTimer::singleShot(500, [&] {
        clock.start();
        cpuAtStart = cpuSeconds();
        ticksAtStart = ticks;
        QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QApplication::quit);
    });
    QApplication::exec();

    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuAtStart;
    std::printf("%s at %d ms: %.0f ticks/s, %.1f%% of one core\n", name.c_str(), interval,
                static_cast<double>(ticks - ticksAtStart) / wall, 100.0 * cpu / wall);
}
