// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas repaints at a tick only where the frame changed, over a
// background it keeps of what the frames share at their head; the y-t
// picture only the pixels its tick's shapes changed. After a run of ticks
// shown that way, with the teacher's clicks changing the picture in between,
// the window must show exactly what a repaint of all of it shows: a pixel
// left out would stay on screen as a ghost of an earlier frame.
#include "desktop/fonts.h"
#include "desktop/picturearea.h"
#include "desktop/primitivepainter.h"
#include "tests/support/stopped_window.h"

#include <QDir>
#include <QScreen>
#include <QtTest>

using namespace ondel;

namespace {

// What the window system shows of the window now: the backing store, as the
// partial repaints left it.
QImage shown(QWidget &window)
{
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The frame as a painter that has drawn nothing before draws it whole.
QImage wholeFrame(OndelWindow &window)
{
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(toQColor(colour::background));
    QPainter painter(&image);
    PrimitivePainter().replay(painter, image.size(), window.program().frame().ops());
    return image;
}

// The part of the window where the canvas shows, between the controls.
QRegion canvasShows(const OndelWindow &window)
{
    QRegion region(window.rect());
    for (const QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control->isVisible() && control->objectName() != QStringLiteral("canvas"))
            region -= control->geometry();
    return region;
}

// How many pixels of `region` differ between two pictures, and the first.
QString differences(const QImage &shown, const QImage &whole, const QRegion &region, QPoint offset = {})
{
    int differing = 0;
    QPoint first;
    for (const QRect &rect : region)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (shown.pixel(x, y) != whole.pixel(x - offset.x(), y - offset.y()) && differing++ == 0)
                    first = QPoint(x, y);
    return differing == 0 ? QString() : QStringLiteral("%1 pixels differ, the first at %2,%3").arg(differing).arg(first.x()).arg(first.y());
}

// Ticks shown one by one, each given the time to be painted.
void run(OndelWindow &window, int ticks)
{
    for (int k = 0; k < ticks; ++k) {
        window.tick();
        QTest::qWait(10); // the canvas repaints a changed frame within 8 ms
    }
}

} // namespace

class PartialRepaintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFontSubstitution();
        // "実行/再実行" loads the default pulse file from the working folder.
        QVERIFY(QDir::setCurrent(QStringLiteral(ONDEL_DATA_DIR)));
    }

    void ticksShownInPartsAddUpToTheWholeFrame_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("before"); // clicked before the first tick
        QTest::addColumn<QStringList>("between"); // clicked halfway
        const QStringList everything{"Command9", "Command1", "Command2", "Command8"};
        QTest::newRow("ondel8 everything on, rows combined") << "ondel8" << everything << QStringList{"Option2"};
        QTest::newRow("ondel8 curves cycled, reversed") << "ondel8" << everything << QStringList{"Command7", "Command5"};
        QTest::newRow("ondel8 transverse row hidden") << "ondel8" << everything << QStringList{"Command1"};
        QTest::newRow("ondel8 stopped, then stepped") << "ondel8" << everything << QStringList{"Command3", "Command3"};
        QTest::newRow("ondel9 end switched") << "ondel9" << everything << QStringList{"Command6"};
        QTest::newRow("ondel3a standing wave") << "ondel3a" << QStringList{"Command1", "Command2", "Command8"}
                                               << QStringList{"Command6"};
        QTest::newRow("ondel15 anti-phase") << "ondel15" << everything << QStringList{"Command6", "Command10"};
    }

    void ticksShownInPartsAddUpToTheWholeFrame()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, before);
        QFETCH(QStringList, between);
        const auto window = test_support::openStoppedWindow(program.toLatin1().constData());
        QVERIFY(window);
        for (const QString &control : before)
            window->clickControl(control);
        run(*window, 40);
        for (const QString &control : between) {
            window->clickControl(control);
            run(*window, 20);
        }
        QTest::qWait(20);
        const QImage inParts = shown(*window);
        const QImage whole = wholeFrame(*window);
        QCOMPARE(inParts.size(), whole.size());
        QCOMPARE(differences(inParts, whole, canvasShows(*window)), QString());
        // The y-t picture as its image holds it, inside its border.
        const auto *picture = window->findChild<PictureArea *>(QStringLiteral("Picture1"));
        if (picture && picture->isVisible()) {
            const QRect inside = picture->geometry().adjusted(1, 1, -1, -1);
            QCOMPARE(differences(inParts, picture->image(), inside, picture->pos()), QString());
        }
    }
};

QTEST_MAIN(PartialRepaintTest)
#include "partial_repaint_test.moc"
