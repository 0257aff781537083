// SPDX-License-Identifier: GPL-3.0-or-later
// The bare cost of showing a window at a timer's pace, to hold a program's
// figures against: a window of the given size whose precise timer repaints
// all of it from one static image at every tick, and nothing else. Prints
// ticks per second and the share of one core, as bench/tick_rate does for a
// program (scripts/measure_ticks.sh sets the two side by side):
//   baseline_window WIDTHxHEIGHT INTERVAL_MS SECONDS [ZOOM_PERCENT]
#include "bench/tick_meter.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <string>

namespace {

// A picture to show: the window's grey with a few black lines, opaque.
QImage staticImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&image);
    for (int y = size.height() / 4; y < size.height(); y += size.height() / 4)
        painter.drawLine(0, y, size.width(), y);
    return image;
}

class StaticWindow : public QWidget {
public:
    explicit StaticWindow(QSize size) : image_(staticImage(size))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(size);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    QImage image_;
};

} // namespace

int main(int argc, char **argv)
{
    int width = 0;
    int height = 0;
    if ((argc != 4 && argc != 5) || std::sscanf(argv[1], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: baseline_window WIDTHxHEIGHT INTERVAL_MS SECONDS [ZOOM_PERCENT]\n");
        return 2;
    }
    const int interval = std::stoi(argv[2]);
    const double seconds = std::stod(argv[3]);
    const int zoom = argc == 5 ? std::stoi(argv[4]) : 100;
    const QSize size(width * zoom / 100, height * zoom / 100);

    QApplication app(argc, argv);
    StaticWindow window(size);
    window.show();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(interval);
    QObject::connect(&timer, &QTimer::timeout, &window, [&window] { window.update(); });
    timer.start();

    const ondel::bench::TickMeter meter(timer, seconds);
    QApplication::exec();
    std::printf("baseline %dx%d at %d ms: %s\n", size.width(), size.height(), interval, meter.report().c_str());
}
