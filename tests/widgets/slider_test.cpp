// SPDX-License-Identifier: GPL-3.0-or-later
// ondel10's slide bar in a real window: whatever way the teacher moves it,
// the window hands the value to the program and the sample runs into the
// row of particles.
#include "shell/state/geometry.h"
#include "shell/drawing/render.h"
#include "desktop/ondelwindow.h"
#include "programs/registry.h"
#include "tests/support/frame_circles.h"

#include <QScrollBar>
#include <QTest>

using namespace ondel;

namespace {

enum class Move { SetValue, KeyHome, KeyUp, KeyEnd };

// Window y of particle 1 in the last frame (the transverse row shown).
double particle1Y(const Demonstrator &program)
{
    const auto particles = test_support::circlesOf(program.frame(), geometry::particleRadius);
    return particles.empty() ? -1 : particles.front().centre.y;
}

} // namespace

Q_DECLARE_METATYPE(Move)

class SliderTest : public QObject {
    Q_OBJECT
private slots:
    void sampleEntersTheRow_data();
    void sampleEntersTheRow();
};

void SliderTest::sampleEntersTheRow_data()
{
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("value");     // the bar's value after the move
    QTest::addColumn<double>("particleY"); // particle 1 once the sample arrives

    // The front of a move of more than 30 is limited to 30 a tick; after
    // 20 ticks particle 1 shows the first sample, 30 away from rest.
    QTest::newRow("set to the top") << Move::SetValue << 0 << 3000.0 - 30.0 / 128 * 1400;
    QTest::newRow("Home key") << Move::KeyHome << 0 << 3000.0 - 30.0 / 128 * 1400;
    // Page Up and Page Down belong to the window (resume, stop), not to the bar.
    QTest::newRow("Up arrow key (a step of 1)") << Move::KeyUp << 127 << 3000.0 - 1.0 / 128 * 1400;
    QTest::newRow("End key (the bottom)") << Move::KeyEnd << 255 << 3000.0 + 30.0 / 128 * 1400;
}

void SliderTest::sampleEntersTheRow()
{
    QFETCH(Move, move);
    QFETCH(int, value);
    QFETCH(double, particleY);

    OndelWindow window(makeProgram("ondel10"));
    window.timer().stop();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.clickControl(QStringLiteral("Command1"));
    auto *bar = window.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    QVERIFY(bar);
    QCOMPARE(bar->value(), 128);

    switch (move) {
    case Move::SetValue:
        bar->setValue(0);
        break;
    case Move::KeyHome:
        QTest::keyClick(bar, Qt::Key_Home);
        break;
    case Move::KeyUp:
        QTest::keyClick(bar, Qt::Key_Up);
        break;
    case Move::KeyEnd:
        QTest::keyClick(bar, Qt::Key_End);
        break;
    }
    QCOMPARE(bar->value(), value);
    QCOMPARE(window.program().inputs().slideBar, value);

    // The next tick takes the sample at the left end of the medium; it
    // reaches particle 1, 20 data positions along, 20 ticks later.
    window.tick();
    for (int i = 0; i < 19; ++i)
        window.tick();
    QCOMPARE(particle1Y(window.program()), 3000.0);
    window.tick();
    QVERIFY2(qAbs(particle1Y(window.program()) - particleY) < 1e-3,
             qPrintable(QString::number(particle1Y(window.program()))));
}

QTEST_MAIN(SliderTest)
#include "slider_test.moc"
