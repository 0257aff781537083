// SPDX-License-Identifier: GPL-3.0-or-later
// Replaying primitives: 15 twips to a pixel, colours as given, and the
// extent a surface repaints holds every pixel a primitive touched (a pixel
// outside it would stay on screen as a ghost of the last frame).
#include "desktop/fonts.h"
#include "desktop/primitivepainter.h"

#include <QtTest>

#include <limits>

using namespace ondel;

namespace {

using Ops = std::vector<Primitive>;

QImage replayed(PrimitivePainter &painter, const Ops &ops, QSize size = QSize(400, 300))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter qpainter(&image);
    painter.replay(qpainter, image.size(), ops);
    return image;
}

// The smallest rectangle holding every pixel that differs between two images.
QRect differing(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The smallest rectangle holding every pixel drawn on.
QRect touched(const QImage &image)
{
    QImage nothing(image.size(), image.format());
    nothing.fill(Qt::transparent);
    return differing(image, nothing);
}

} // namespace

Q_DECLARE_METATYPE(Ops)

class PrimitivePainterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitution(); }

    void extentHoldsEveryPixelDrawn_data()
    {
        QTest::addColumn<Ops>("ops");
        QTest::addColumn<bool>("antialiased");
        QTest::addColumn<int>("slack"); // pixels the extent may spare, each way
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("particle") << Ops{LineWidthOp{4}, CircleOp{{3000, 2000}, 300, colour::magenta, colour::magenta}} << true << 16;
        QTest::newRow("dot") << Ops{LineWidthOp{4}, CircleOp{{3000, 2000}, 40, colour::blue, colour::blue}} << true << 16;
        QTest::newRow("marker, no antialiasing") << Ops{LineWidthOp{4}, CircleOp{{3000, 2000}, 200, colour::magenta, colour::red}} << false << 16;
        QTest::newRow("horizontal axis") << Ops{LineWidthOp{4}, LineOp{{200, 3000}, {5500, 3000}, colour::black}} << true << 16;
        QTest::newRow("diagonal segment") << Ops{LineWidthOp{4}, LineOp{{1000, 1000}, {1125, 2500}, colour::black}} << false << 16;
        QTest::newRow("thin line") << Ops{LineWidthOp{1}, LineOp{{1000, 1000}, {3000, 1500}, colour::black}} << true << 16;
        QTest::newRow("text") << Ops{TextOp{{1000, 800}, "t"}} << false << 40;
        QTest::newRow("two shapes") << Ops{LineWidthOp{4}, CircleOp{{1200, 1200}, 300, colour::green, colour::green},
                                          LineOp{{4000, 3000}, {5000, 4000}, colour::black}} << true << 16;
        QTest::newRow("nothing finite") << Ops{CircleOp{{nan, 2000}, 300, colour::black, colour::black},
                                              LineOp{{0, nan}, {100, 100}, colour::black}} << true << 16;
    }

    void extentHoldsEveryPixelDrawn()
    {
        QFETCH(Ops, ops);
        QFETCH(bool, antialiased);
        QFETCH(int, slack);
        PrimitivePainter painter(controlFont(FontSpec{26.25, 700}), antialiased);
        const QRect extent = painter.drawnRect(ops, 0, QSize(400, 300));
        const QRect drawn = touched(replayed(painter, ops));
        QVERIFY2(extent.contains(drawn) || drawn.isEmpty(),
                 qPrintable(QStringLiteral("drawn %1,%2 %3x%4 outside extent %5,%6 %7x%8")
                                .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())
                                .arg(extent.x()).arg(extent.y()).arg(extent.width()).arg(extent.height())));
        // Tight enough to be worth it.
        if (!drawn.isEmpty())
            QVERIFY(extent.width() <= drawn.width() + slack && extent.height() <= drawn.height() + slack);
    }

    void extentTakesInAClearAndFollowsWhatWasDrawnBefore()
    {
        PrimitivePainter painter;
        const QSize surface(400, 300);
        const Ops ops{ClearOp{}, LineWidthOp{1}, CircleOp{{300, 300}, 60, colour::blue, colour::blue},
                      LineWidthOp{8}, CircleOp{{5700, 4200}, 60, colour::blue, colour::blue}};
        QCOMPARE(painter.drawnRect(ops, 0, surface), QRect(QPoint(0, 0), surface));
        // Past the clear: from the first circle to the second, no further.
        const QRect circles = painter.drawnRect(ops, 2, surface);
        QVERIFY(circles.contains(QPoint(20, 20)) && circles.contains(QPoint(380, 280)));
        QVERIFY(!circles.contains(QPoint(5, 5)));
        // The wide pen set before the last circle counts when only it is asked for:
        // 4 pixels of radius and 8 of pen reach 12 pixels out.
        QVERIFY(painter.drawnRect(ops, 4, surface).contains(QPoint(380 - 12, 280)));
        QVERIFY(painter.drawnRect(ops, 5, surface).isEmpty());
    }

    void changeBetweenFramesHoldsEveryPixelThatDiffers_data()
    {
        QTest::addColumn<Ops>("before");
        QTest::addColumn<Ops>("after");
        QTest::addColumn<QPoint>("spared"); // a pixel left alone, off when negative
        const CircleOp left{{600, 600}, 60, colour::blue, colour::blue};
        const CircleOp middle{{3000, 2000}, 60, colour::red, colour::red};
        const CircleOp right{{5400, 3600}, 60, colour::blue, colour::blue};
        const LineOp axis{{300, 4200}, {5700, 4200}, colour::black};
        QTest::newRow("a dot jumps across") << Ops{LineWidthOp{4}, left, middle, right}
                                            << Ops{LineWidthOp{4}, right, middle, right} << QPoint(-1, -1);
        QTest::newRow("the first of three dots moves") << Ops{LineWidthOp{4}, left, middle, right}
                                                       << Ops{LineWidthOp{4}, CircleOp{{900, 600}, 60, colour::blue, colour::blue}, middle, right}
                                                       << QPoint(360, 240);
        QTest::newRow("a wider pen under the same line") << Ops{LineWidthOp{1}, axis, middle}
                                                         << Ops{LineWidthOp{8}, axis, middle} << QPoint(-1, -1);
        QTest::newRow("a width in place of a dot") << Ops{left, LineWidthOp{1}, axis}
                                                   << Ops{LineWidthOp{8}, LineWidthOp{1}, axis} << QPoint(200, 280);
        QTest::newRow("a dot fewer") << Ops{LineWidthOp{4}, left, middle, right}
                                     << Ops{LineWidthOp{4}, middle, right} << QPoint(-1, -1);
        QTest::newRow("a clear in place of a dot") << Ops{LineWidthOp{4}, left, middle}
                                                   << Ops{LineWidthOp{4}, ClearOp{}, middle} << QPoint(-1, -1);
        QTest::newRow("the same frame") << Ops{LineWidthOp{4}, left, axis} << Ops{LineWidthOp{4}, left, axis}
                                        << QPoint(40, 40);
    }

    void changeBetweenFramesHoldsEveryPixelThatDiffers()
    {
        QFETCH(Ops, before);
        QFETCH(Ops, after);
        QFETCH(QPoint, spared);
        PrimitivePainter painter;
        const QRect changed = painter.changedRect(before, after, QSize(400, 300));
        const QRect differs = differing(replayed(painter, before), replayed(painter, after));
        QVERIFY(changed.contains(differs) || differs.isEmpty());
        if (spared.x() >= 0)
            QVERIFY(!changed.contains(spared));
    }

    void clearWipesAndShapesLandAtFifteenTwipsAPixel()
    {
        PrimitivePainter painter;
        const QImage image = replayed(painter, {ClearOp{}, LineWidthOp{4},
                                                CircleOp{{1500, 1500}, 300, colour::green, colour::green},
                                                LineOp{{3000, 600}, {6000, 600}, colour::blue}});
        QCOMPARE(image.pixelColor(0, 0), toQColor(colour::background));
        QCOMPARE(image.pixelColor(100, 100), QColor(Qt::green));  // centre of the circle
        QCOMPARE(image.pixelColor(100, 100 - 18), QColor(Qt::green)); // inside its 20-pixel radius
        QCOMPARE(image.pixelColor(100, 100 - 26), toQColor(colour::background));
        QCOMPARE(image.pixelColor(300, 40), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(300, 45), toQColor(colour::background));
    }

    void aZoomedReplayIsTheLargerDrawingDrawnAfresh_data()
    {
        QTest::addColumn<int>("factor");
        QTest::addColumn<bool>("antialiased");
        QTest::newRow("200%") << 2 << true;
        QTest::newRow("300%") << 3 << true;
        QTest::newRow("300%, no antialiasing") << 3 << false;
    }

    // At a zoom of n every place, radius and line width is n times larger:
    // the very pixels of the frame drawn n times as large at 100%. A circle
    // comes from a sprite drawn at its zoomed size, not a 100% one stretched.
    void aZoomedReplayIsTheLargerDrawingDrawnAfresh()
    {
        QFETCH(int, factor);
        QFETCH(bool, antialiased);
        const auto ops = [](int n) {
            return Ops{ClearOp{}, LineWidthOp{4 * n},
                       CircleOp{{1500.0 * n, 1500.0 * n}, 300.0 * n, colour::green, colour::magenta},
                       CircleOp{{2210.0 * n, 2990.0 * n}, 40.0 * n, colour::black, colour::black},
                       LineOp{{3000.0 * n, 600.0 * n}, {6000.0 * n, 1100.0 * n}, colour::blue},
                       LineWidthOp{1 * n}, LineOp{{100.0 * n, 4000.0 * n}, {5000.0 * n, 4000.0 * n}, colour::black}};
        };
        const QSize size(1300, 900);
        PrimitivePainter atOne(QFont(), antialiased);
        PrimitivePainter zoomed(QFont(), antialiased);
        QCOMPARE(replayed(zoomed, ops(1), size), replayed(atOne, ops(1), size)); // the sprites at 100% first
        zoomed.setScale(factor);
        QCOMPARE(replayed(zoomed, ops(1), size), replayed(atOne, ops(factor), size));
    }

    void lineWidthsGrowWithTheZoom()
    {
        PrimitivePainter painter;
        painter.setScale(3);
        const QImage image = replayed(painter, {ClearOp{}, LineWidthOp{4}, LineOp{{300, 600}, {1500, 600}, colour::blue}});
        int blue = 0;
        for (int y = 100; y < 140; ++y)
            blue += image.pixelColor(150, y) == QColor(Qt::blue);
        QCOMPARE(blue, 12); // 4 pixels at 100%
    }

    void drawingAgainLeavesThePixelsAFreshDrawingLeaves_data()
    {
        QTest::addColumn<Ops>("ops");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("antialiased");
        // Picture1 at a tick: the axes and letters again, then the eraser
        // cutting them and the trace.
        const Ops tick{LineWidthOp{4}, LineOp{{500, 1400}, {11000, 1400}, colour::black},
                       LineOp{{1000, 400}, {1000, 2400}, colour::black}, TextOp{{11000, 800}, "t"},
                       TextOp{{600, 50}, "y"}, CircleOp{{1003, 1391}, 200, colour::background, colour::background},
                       LineOp{{907, 1707}, {1003, 1391}, colour::black}};
        QTest::newRow("Picture1 at 100%") << tick << 1.0 << false;
        QTest::newRow("Picture1 at 125%") << tick << 1.25 << false;
        QTest::newRow("Picture1 at 250%") << tick << 2.5 << false;
        QTest::newRow("lines off whole pixels") << Ops{LineWidthOp{3}, LineOp{{-4007, 1311}, {9013, 77}, colour::blue},
                                                       LineOp{{7, 5993}, {7, -20000}, colour::red}} << 1.75 << false;
        QTest::newRow("frame with a label") << Ops{LineWidthOp{2}, LineOp{{300, 300}, {3000, 2007}, colour::black},
                                                   TextOp{{1207, 1013}, "腹 t=1.5"}} << 1.0 << true;
    }

    // Lines and texts drawn again and again come from what the painter kept
    // (an image of the line, the text shaped once): the same pixels as the
    // first time, and as Qt writes the text itself.
    void drawingAgainLeavesThePixelsAFreshDrawingLeaves()
    {
        QFETCH(Ops, ops);
        QFETCH(double, factor);
        QFETCH(bool, antialiased);
        const QFont font = controlFont(FontSpec{26.25, 700});
        const QSize size(1000, 700);
        QImage kept(size, QImage::Format_RGB32);
        kept.fill(Qt::white);
        QImage fresh = kept;
        QImage written = kept;
        PrimitivePainter keeping(font, antialiased);
        keeping.setScale(factor);
        for (int tick = 0; tick < 6; ++tick) {
            QPainter onKept(&kept);
            keeping.replay(onKept, size, ops);
            PrimitivePainter freshPainter(font, antialiased);
            freshPainter.setScale(factor);
            QPainter onFresh(&fresh);
            freshPainter.replay(onFresh, size, ops);
            QPainter onWritten(&written);
            onWritten.setRenderHint(QPainter::Antialiasing, antialiased);
            QFont scaled = font;
            scaled.setPointSizeF(font.pointSizeF() * factor);
            onWritten.setFont(scaled);
            for (const Primitive &op : ops) {
                if (const auto *text = std::get_if<TextOp>(&op)) {
                    const QPointF at(text->at.x / 15 * factor, text->at.y / 15 * factor + QFontMetricsF(scaled).ascent());
                    onWritten.drawText(at, QString::fromStdString(text->text));
                } else {
                    PrimitivePainter once(font, antialiased);
                    once.setScale(factor);
                    once.replay(onWritten, size, {ops[0], op}); // in the line width set first
                }
            }
        }
        QCOMPARE(kept, fresh);
        QCOMPARE(kept, written);
    }

    void theExtentHoldsAZoomedDrawing()
    {
        PrimitivePainter painter(controlFont(FontSpec{26.25, 700}), false);
        painter.setScale(2.5);
        const Ops ops{LineWidthOp{4}, CircleOp{{1000, 1000}, 200, colour::magenta, colour::red},
                      LineOp{{600, 1400}, {1800, 1500}, colour::black}, TextOp{{1500, 200}, "t"}};
        const QRect extent = painter.drawnRect(ops, 0, QSize(4000, 3000));
        const QRect drawn = touched(replayed(painter, ops));
        QVERIFY(extent.contains(drawn));
        QVERIFY(extent.width() <= drawn.width() + 40 && extent.height() <= drawn.height() + 40);
    }
};

QTEST_MAIN(PrimitivePainterTest)
#include "primitive_painter_test.moc"
