// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks faster than the screen: their changes are repainted together, at
// most once per 8 ms, and none is lost.
#include "desktop/repaintpacer.h"

#include <QPaintEvent>
#include <QWidget>
#include <QtTest>

namespace {

class CountingWidget : public QWidget {
public:
    int paints = 0;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        painted |= event->region();
    }
};

} // namespace

class RepaintPacerTest : public QObject {
    Q_OBJECT

private slots:
    void fastChangesAreRepaintedTogetherAndNoneIsLost()
    {
        CountingWidget widget;
        widget.resize(400, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTRY_VERIFY(widget.paints > 0); // the first showing
        widget.paints = 0;
        widget.painted = QRegion();

        // Ticks with the event loop running in between, as at 1 ms.
        ondel::RepaintPacer pacer(widget);
        QElapsedTimer clock;
        clock.start();
        for (int k = 0; k < 40; ++k) {
            pacer.changed(widget, QRect(k * 5, 10, 4, 4));
            QCoreApplication::processEvents();
        }
        const qint64 elapsed = clock.elapsed();
        QTest::qWait(50);
        QVERIFY2(widget.paints <= 2 + elapsed / 8, qPrintable(QString::number(widget.paints)));
        for (int k = 0; k < 40; ++k)
            QVERIFY(widget.painted.contains(QRect(k * 5, 10, 4, 4)));

        // A change right after a repaint is not dropped, only held back.
        const int paints = widget.paints;
        pacer.changed(widget, QRect(300, 200, 10, 10));
        QTRY_COMPARE(widget.paints, paints + 1);
        QVERIFY(widget.painted.contains(QRect(300, 200, 10, 10)));
    }
};

QTEST_MAIN(RepaintPacerTest)
#include "repaint_pacer_test.moc"
