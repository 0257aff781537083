// SPDX-License-Identifier: GPL-3.0-or-later
// How many ticks a program's window really runs per second, and what share
// of one core it takes, with the pulse file loaded, both rows, the y-x
// curves and the y-t trace on and the speed bar at a given interval. Run it
// in data/ on a display (scripts/measure_ticks.sh uses Xvfb):
//   tick_rate PROGRAM INTERVAL_MS SECONDS
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "programs/registry.h"

#include "tick_meter.h"

#include <QApplication>
#include <QScrollBar>

#include <cstdio>
#include <string>

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

    const ondel::bench::TickMeter meter(window.timer(), seconds);
    QApplication::exec();
    std::printf("%s at %d ms: %s\n", name.c_str(), interval, meter.report().c_str());
}
