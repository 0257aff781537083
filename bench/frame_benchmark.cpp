// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one ondel8 tick at its busiest (both rows, all three y-x
// curves, the y-t trace running): building the frame, painting all of it
// onto a window-sized image, and repainting on the canvas only the part
// that changed from the previous tick, as the window does. A 10 ms timer
// leaves room for both many times over; at 1 ms they must still fit.
#include "desktop/fonts.h"
#include "desktop/framecanvas.h"
#include "desktop/primitivepainter.h"
#include "tests/support/temp_dir.h"
#include "programs/registry.h"
#include "shell/window/session.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace ondel {
namespace {

// One smooth pulse in each column, so that particles, curves and the trace
// all move away from their axes.
std::string pulseData()
{
    std::string text;
    for (int k = 1; k <= 3200; ++k) {
        const double bump = std::exp(-std::pow((k % 400 - 200) / 40.0, 2));
        text += std::to_string(bump) + ',' + std::to_string(-0.5 * bump) + '\n';
    }
    return text;
}

// ondel8 after the teacher has loaded data and switched everything on.
std::unique_ptr<Demonstrator> busiestOndel8(const test_support::TempDir &dir)
{
    auto program = makeProgram("ondel8");
    program->setText(Action::PulseFileName, dir.writePulseFile("bench", pulseData()));
    for (const char *control : {"Command9", "Command1", "Command2", "Command8"})
        clickControl(*program, control);
    program->state().timeIndex = 400; // pulses on the row
    return program;
}

void BM_BuildBusiestFrame(benchmark::State &state)
{
    const test_support::TempDir dir;
    const auto program = busiestOndel8(dir);
    for (auto _ : state) {
        program->nextFrame();
        benchmark::DoNotOptimize(program->takePictureOps());
    }
    state.counters["primitives"] = static_cast<double>(program->frame().size());
}

void BM_PaintBusiestFrame(benchmark::State &state)
{
    const test_support::TempDir dir;
    const auto program = busiestOndel8(dir);
    program->nextFrame();
    const std::vector<Primitive> ops = program->frame().ops();
    QImage window(792, 573, QImage::Format_ARGB32_Premultiplied);
    PrimitivePainter painter; // as the canvas: antialiased
    for (auto _ : state) {
        QPainter qpainter(&window);
        painter.replay(qpainter, window.size(), ops);
        qpainter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BM_RepaintWhatChanged(benchmark::State &state)
{
    const test_support::TempDir dir;
    const auto program = busiestOndel8(dir);
    FrameCanvas canvas;
    canvas.resize(792, 573);
    std::vector<Primitive> previous;
    for (int k = 0; k < 3; ++k) { // three ticks: the axes settle into the background
        previous = program->frame().ops();
        program->nextFrame();
        canvas.setFrame(program->frame().ops());
    }
    const QRect changed = PrimitivePainter().changedRect(previous, program->frame().ops(), canvas.size());
    QImage window(canvas.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.render(&window, QPoint(), changed);
        benchmark::DoNotOptimize(window.constBits());
    }
    state.counters["changed pixels %"] = 100.0 * changed.width() * changed.height() / (canvas.width() * canvas.height());
}

void BM_PaintTracePoint(benchmark::State &state)
{
    const test_support::TempDir dir;
    const auto program = busiestOndel8(dir);
    QImage picture(785, 193, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    PrimitivePainter painter(controlFont(FontSpec{26.25, 700}), false); // as Picture1
    for (auto _ : state) {
        state.PauseTiming();
        program->nextFrame();
        const std::vector<Primitive> ops = program->takePictureOps();
        state.ResumeTiming();
        QPainter qpainter(&picture);
        painter.replay(qpainter, picture.size(), ops);
        qpainter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

BENCHMARK(BM_BuildBusiestFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintBusiestFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintWhatChanged)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintTracePoint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ondel

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Fonts and the canvas need an application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ondel::installFontSubstitution();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
