// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a projector: the zoom steps and what fits a screen, the
// scale at which F11 fills one, and a real window zoomed with Ctrl+plus,
// Ctrl+minus, Ctrl+0, the right-click menu and F11, on a 1920 x 1200 screen:
// every control, font and drawing grows alike, 100% is exactly the layout
// again, and the y-t trace survives.
#include "desktop/fonts.h"
#include "desktop/framecanvas.h"
#include "desktop/ondelwindow.h"
#include "desktop/picturearea.h"
#include "desktop/windowzoom.h"
#include "shell/drawing/yt_trace.h"
#include "tests/support/opened_window.h"
#include "tests/support/temp_dir.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QtTest>

#include <cmath>
#include <map>

using namespace ondel;

namespace {

const QSize pulseClient(11880, 8595);    // ondel8, ondel9, ondel10, ondel15
const QSize narrowClient(11880, 6360);   // ondel3, ondel5
const QSize wideClient(15240, 6360);     // ondel3a, ondel5a
const QSize projector(1920, 1200);       // the screen this test runs on

// What the layout table decides of a control: its place, font and caption.
struct Placed {
    QRect geometry;
    double points;
    QString text;
    friend bool operator==(const Placed &, const Placed &) = default;
};

std::map<std::string, Placed> placedControls(OndelWindow &window)
{
    std::map<std::string, Placed> placed;
    for (const ControlSpec &entry : window.program().layout().controls) {
        const auto *widget = window.findChild<QWidget *>(QString::fromStdString(entry.name));
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        placed[entry.name] = {widget->geometry(), widget->font().pointSizeF(), button ? button->text() : QString()};
    }
    return placed;
}

// The middle of the pixels of `colour` within `box` (of the smallest
// rectangle around them: lines drawn over a marker leave its rim).
QPointF centreOf(const QImage &image, const QColor &colour, const QRect &box)
{
    QRect found;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found.isEmpty() ? QPointF(-1, -1) : QRectF(found).center();
}

// Dark pixels in column `x` between rows `top` and `bottom`: a line's width.
int darkRun(const QImage &image, int x, int top, int bottom)
{
    int dark = 0;
    for (int y = top; y <= bottom; ++y)
        dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

bool near(QPointF a, QPointF b, double by) { return std::abs(a.x() - b.x()) <= by && std::abs(a.y() - b.y()) <= by; }

QByteArray apart(QPointF a, QPointF b)
{
    return QStringLiteral("(%1, %2) against (%3, %4)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()).toUtf8();
}

// A y-t trace as the core draws it: switched on, then `points` points of a
// swinging particle, one batch of primitives each.
std::vector<std::vector<Primitive>> traceBatches(int points)
{
    WindowState state;
    const TraceConfig config = pulseTraceConfig(true);
    const auto y = [](std::int64_t t) { return 3000 + 800 * std::sin(t / 7.0); };
    DrawList picture;
    toggleTrace(state, config, y, picture);
    std::vector<std::vector<Primitive>> batches{picture.take()};
    for (int t = 1; t <= points; ++t) {
        addTracePoint(state, config, y(t), picture);
        batches.push_back(picture.take());
    }
    return batches;
}

#define QVERIFY_NEAR(a, b, by) QVERIFY2(near((a), (b), (by)), apart((a), (b)).constData())

} // namespace

class ZoomTest : public QObject, private test_support::OpenedWindow {
    Q_OBJECT

private:
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window.get(), Qt::Key(key), modifiers);
    }

    QImage canvasImage() { return control("canvas")->grab().toImage(); }
    PictureArea *picture() { return control<PictureArea>("Picture1"); }

    // The right-click menu's entry that starts with `label`, as the menu
    // shows it (enabled or not) when opened now.
    QAction *menuEntry(const QString &label)
    {
        QWidget *canvas = control("canvas");
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 300), canvas->mapToGlobal(QPoint(300, 300)));
        QApplication::sendEvent(canvas, &rightClick);
        auto *menu = window->findChild<QMenu *>(QStringLiteral("contextMenu"));
        menu->hide();
        for (QAction *action : menu->actions())
            if (action->text().startsWith(label))
                return action;
        qFatal("no menu entry %s", qPrintable(label));
    }

private slots:
    void initTestCase()
    {
        installFontSubstitution();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), projector);
    }

    void cleanup() { window.reset(); }

    void largestStepThatFits_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<int>("step");
        // ondel8 is 792 x 573 pixels at 100%.
        QTest::newRow("800x600, not even 125%") << pulseClient << QSize(4, 4) << QSize(800, 600) << 100;
        QTest::newRow("smaller than the window") << pulseClient << QSize(0, 0) << QSize(640, 480) << 100;
        QTest::newRow("1024x768 with a title bar") << pulseClient << QSize(2, 30) << QSize(1024, 768) << 125;
        QTest::newRow("1280x1024 less a panel") << pulseClient << QSize(10, 37) << QSize(1280, 984) << 150;
        QTest::newRow("1920x1080, 175% just fits") << pulseClient << QSize(10, 37) << QSize(1920, 1040) << 175;
        QTest::newRow("1920x1080, one pixel short") << pulseClient << QSize(10, 38) << QSize(1920, 1040) << 150;
        QTest::newRow("1920x1200") << pulseClient << QSize(4, 4) << QSize(1920, 1200) << 200;
        QTest::newRow("2560x1440") << pulseClient << QSize(10, 37) << QSize(2560, 1400) << 200;
        QTest::newRow("3840x2160") << pulseClient << QSize(10, 37) << QSize(3840, 2120) << 300;
        QTest::newRow("ondel3 on 1920x1080") << narrowClient << QSize(10, 37) << QSize(1920, 1040) << 200;
        QTest::newRow("ondel3a on 1920x1080") << wideClient << QSize(10, 37) << QSize(1920, 1040) << 175;
        QTest::newRow("ondel3a on 1366x768") << wideClient << QSize(10, 37) << QSize(1366, 728) << 125;
    }

    void largestStepThatFits()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, frame);
        QFETCH(QSize, available);
        QFETCH(int, step);
        QCOMPARE(zoom::largestFittingStep(client, frame, available), step);
    }

    void stepsGoOneAtATimeWithinTheLargest_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("to");
        QTest::newRow("100 up") << 100 << 1 << 300 << 125;
        QTest::newRow("200 up") << 200 << 1 << 300 << 250;
        QTest::newRow("250 up") << 250 << 1 << 300 << 300;
        QTest::newRow("300 up stays") << 300 << 1 << 300 << 300;
        QTest::newRow("175 up, 175 the largest") << 175 << 1 << 175 << 175;
        QTest::newRow("100 up, nothing larger fits") << 100 << 1 << 100 << 100;
        QTest::newRow("300 down") << 300 << -1 << 300 << 250;
        QTest::newRow("125 down") << 125 << -1 << 300 << 100;
        QTest::newRow("100 down stays") << 100 << -1 << 300 << 100;
        QTest::newRow("down beyond a shrunk screen's largest") << 250 << -1 << 150 << 200;
    }

    void stepsGoOneAtATimeWithinTheLargest()
    {
        QFETCH(int, from);
        QFETCH(int, direction);
        QFETCH(int, largest);
        QFETCH(int, to);
        QCOMPARE(zoom::nextStep(from, direction, largest), to);
    }

    void fullScreenFillsAndCentres_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QPoint>("origin");
        // The factor is the smaller of screen / client, each way, in pixels.
        QTest::newRow("ondel8 on 1920x1080: as high as the screen")
            << pulseClient << QSize(1920, 1080) << 1080 / 573.0 << QPoint((1920 - 1493) / 2, 0);
        QTest::newRow("ondel8 on 1920x1200")
            << pulseClient << QSize(1920, 1200) << 1200 / 573.0 << QPoint((1920 - 1659) / 2, 0);
        QTest::newRow("ondel8 on 800x600: as wide as the screen")
            << pulseClient << QSize(800, 600) << 800 / 792.0 << QPoint(0, (600 - 579) / 2);
        QTest::newRow("ondel3 on 1024x768") << narrowClient << QSize(1024, 768) << 1024 / 792.0 << QPoint(0, (768 - 548) / 2);
        QTest::newRow("ondel3a on 1920x1080") << wideClient << QSize(1920, 1080) << 1920 / 1016.0 << QPoint(0, (1080 - 801) / 2);
        QTest::newRow("ondel8 on 3840x2160") << pulseClient << QSize(3840, 2160) << 2160 / 573.0 << QPoint((3840 - 2985) / 2, 0);
    }

    void fullScreenFillsAndCentres()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, screen);
        QFETCH(double, factor);
        QFETCH(QPoint, origin);
        const Scale scale = zoom::filling(client, screen);
        QVERIFY2(std::abs(scale.factor - factor) < 1e-9, qPrintable(QString::number(scale.factor)));
        QCOMPARE(scale.origin, origin);
        const QRect shown(scale.origin, scale.size(client));
        QVERIFY(QRect(QPoint(), screen).contains(shown));
        QVERIFY(shown.width() == screen.width() || shown.height() == screen.height());
    }

    void placesAreTheLayoutsAtOneHundredPercent()
    {
        const Scale scale;
        QCOMPARE(scale.place(Rect{1920, 0, 735, 495}), QRect(128, 0, 49, 33));
        QCOMPARE(scale.place(Rect{7, 8, 22, 23}), QRect(0, 1, 1, 2)); // each number rounded on its own
        QCOMPARE((Scale{2.0, QPoint(5, 6)}).place(Rect{1920, 0, 735, 495}), QRect(256, 0, 98, 66));
        QCOMPARE(scale.size(pulseClient), QSize(792, 573));
    }

    void ctrlPlusGrowsEverythingAlike()
    {
        open("ondel8");
        const auto atOne = placedControls(*window);
        const QSize sizeAtOne = window->size();
        press(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 4);
        QCOMPARE(window->zoom().percent(), 200);
        QCOMPARE(window->size(), sizeAtOne * 2);
        const auto atTwo = placedControls(*window);
        for (const auto &[name, placed] : atOne) {
            const QRect twice(placed.geometry.topLeft() * 2, placed.geometry.size() * 2);
            const QRect now = atTwo.at(name).geometry;
            QVERIFY2(std::abs(now.left() - twice.left()) <= 1 && std::abs(now.top() - twice.top()) <= 1 &&
                         std::abs(now.width() - twice.width()) <= 1 && std::abs(now.height() - twice.height()) <= 1,
                     name.c_str());
            QCOMPARE(atTwo.at(name).points, 2 * placed.points);
            QCOMPARE(atTwo.at(name).text, placed.text); // wrapped where it was
        }
        QCOMPARE(atTwo.at("Command1").geometry, QRect(256, 0, 98, 66));
        QCOMPARE(atTwo.at("HScroll1").geometry, QRect(1024, 0, 194, 50));
        QCOMPARE(atTwo.at("Picture1").geometry, QRect(16, 752, 1570, 386));
        QCOMPARE(control("canvas")->geometry(), QRect(QPoint(), sizeAtOne * 2));
    }

    void theFrameIsDrawnTwiceAsLargeAtTwoHundredPercent()
    {
        open("ondel8");
        QTest::mouseClick(control("Command1"), Qt::LeftButton); // the transverse row
        window->program().state().yxMode = CurveMode::Off;      // the axes bare
        window->tick();
        const QImage one = canvasImage();
        press(Qt::Key_Equal, Qt::ControlModifier, 4); // Ctrl+= as a keyboard without Shift sends it
        QCOMPARE(window->zoom().percent(), 200);
        const QImage two = canvasImage();
        QCOMPARE(two.size(), one.size() * 2);

        // Particle 6, magenta, at (6200, 3000) twips.
        const QPointF particle(6200 / 15.0, 3000 / 15.0);
        QVERIFY_NEAR(centreOf(one, Qt::magenta, QRect(380, 170, 70, 60)), particle, 1);
        QVERIFY_NEAR(centreOf(two, Qt::magenta, QRect(760, 340, 140, 120)), particle * 2, 1);
        // Its radius of 300 twips: 20 pixels, then 40.
        QCOMPARE(two.pixelColor(827, 400 - 37), QColor(Qt::magenta));
        QVERIFY(two.pixelColor(827, 400 - 46) != QColor(Qt::magenta));
        // The transverse axis, 4 pixels wide, between particles 2 and 3.
        QCOMPARE(darkRun(one, 2700 / 15, 150, 250), 4);
        QCOMPARE(darkRun(two, 2 * 2700 / 15, 300, 500), 8);
    }

    void ctrlZeroReturnsExactlyToTheLayout()
    {
        open("ondel15");
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        window->tick();
        const auto atOne = placedControls(*window);
        const QSize sizeAtOne = window->size();
        const QImage drawn = canvasImage();
        press(Qt::Key_Plus, Qt::ControlModifier, 2);
        QCOMPARE(window->zoom().percent(), 150);
        QVERIFY(placedControls(*window) != atOne);
        press(Qt::Key_0);
        QCOMPARE(window->zoom().percent(), 100);
        QCOMPARE(window->size(), sizeAtOne);
        QVERIFY(placedControls(*window) == atOne);
        QCOMPARE(canvasImage(), drawn); // pixel for pixel
    }

    void ctrlMinusStepsDownToOneHundred()
    {
        open("ondel9");
        press(Qt::Key_Plus, Qt::ControlModifier, 3);
        QCOMPARE(window->zoom().percent(), 175);
        press(Qt::Key_Minus);
        QCOMPARE(window->zoom().percent(), 150);
        press(Qt::Key_Minus, Qt::ControlModifier, 3);
        QCOMPARE(window->zoom().percent(), 100);
        // The plain keys still set the speed.
        QCOMPARE(window->program().state().timerInterval, 10);
    }

    void ctrlPlusStopsAtTheLargestStepTheScreenHolds_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("largest");
        QTest::newRow("ondel8, 792x573") << "ondel8" << 200;
        QTest::newRow("ondel3a, 1016x424") << "ondel3a" << 175;
        QTest::newRow("ondel5, 792x424") << "ondel5" << 200;
    }

    void ctrlPlusStopsAtTheLargestStepTheScreenHolds()
    {
        QFETCH(QString, program);
        QFETCH(int, largest);
        open(program.toLatin1().constData());
        window->move(600, 500); // where zooming in would push it off the screen
        press(Qt::Key_Plus, Qt::ControlModifier, 9);
        QCOMPARE(window->zoom().percent(), largest);
        QVERIFY(!window->zoom().canZoomIn());
        QTRY_VERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window->frameGeometry()));
    }

    void theTraceSurvivesZoomingInAndOut()
    {
        open("ondel8");
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QTest::mouseClick(control("Command8"), Qt::LeftButton); // the y-t trace of particle 6
        for (int i = 0; i < 20; ++i)
            window->tick();
        // The latest marker, column 24, at (3000, 1400) twips of the picture.
        const QPointF marker(3000 / 15.0, 1400 / 15.0);
        QVERIFY_NEAR(centreOf(picture()->image(), Qt::magenta, QRect(180, 70, 40, 50)), marker, 1);

        press(Qt::Key_Plus, Qt::ControlModifier, 4);
        QImage image = picture()->image();
        QCOMPARE(image.size(), picture()->size());
        QVERIFY_NEAR(centreOf(image, Qt::magenta, QRect(360, 140, 80, 100)), marker * 2, 2);
        QCOMPARE(image.pixelColor(2 * 5000 / 15, 2 * 1400 / 15), QColor(Qt::black)); // the time axis

        // The next point at the new scale, column 25: its fill reaches 16 pixels
        // from its centre, beyond the whole marker at 100%.
        window->tick();
        image = picture()->image();
        QVERIFY_NEAR(centreOf(image, Qt::magenta, QRect(380, 140, 80, 100)), QPointF(2 * 3125 / 15.0, 2 * 1400 / 15.0), 1);
        QCOMPARE(image.pixelColor(qRound(2 * 3125 / 15.0), qRound(2 * 1400 / 15.0) - 16), QColor(Qt::magenta));

        press(Qt::Key_0);
        image = picture()->image();
        QCOMPARE(image.size(), picture()->size());
        QVERIFY_NEAR(centreOf(image, Qt::magenta, QRect(190, 70, 40, 50)), QPointF(3125 / 15.0, 1400 / 15.0), 2);
        QCOMPARE(image.pixelColor(5000 / 15, 1400 / 15), QColor(Qt::black));
    }

    void aZoomedPictureIsDrawnAfresh()
    {
        // Past 96 columns, so that a second sweep runs over the first.
        const auto batches = traceBatches(150);
        const QFont font = controlFont(FontSpec{26.25, 700});
        PictureArea zoomed(font);
        PictureArea atTwoFromTheStart(font);
        zoomed.resize(785, 193);
        atTwoFromTheStart.setScale(2);
        atTwoFromTheStart.resize(1570, 386);
        for (std::size_t i = 0; i < batches.size(); ++i) {
            if (i == 120) {
                zoomed.setScale(2);
                zoomed.resize(1570, 386);
            }
            zoomed.draw(batches[i]);
            atTwoFromTheStart.draw(batches[i]);
        }
        QCOMPARE(zoomed.image(), atTwoFromTheStart.image());
    }

    void aLongTraceIsScaled()
    {
        const auto batches = traceBatches(20);
        const QFont font = controlFont(FontSpec{26.25, 700});
        PictureArea picture(font, nullptr, 50); // a history of 50 primitives: some 5 points
        picture.resize(785, 193);
        for (const auto &batch : batches)
            picture.draw(batch);
        const QImage before = picture.image();
        picture.setScale(2);
        picture.resize(1570, 386);
        // The latest marker, column 24, where it was.
        QVERIFY_NEAR(centreOf(picture.image(), Qt::magenta, QRect(360, 100, 80, 200)),
                     2 * centreOf(before, Qt::magenta, QRect(180, 50, 40, 100)), 1.5);

        // Switched on again, the trace starts a history afresh.
        PictureArea atTwoFromTheStart(font);
        atTwoFromTheStart.setScale(2);
        atTwoFromTheStart.resize(1570, 386);
        for (std::size_t i = 0; i < 4; ++i) {
            picture.draw(batches[i]);
            atTwoFromTheStart.draw(batches[i]);
        }
        picture.setScale(1);
        atTwoFromTheStart.setScale(1);
        QCOMPARE(picture.image(), atTwoFromTheStart.image());
    }

    void theMenuZooms()
    {
        open("ondel8");
        QVERIFY(menuEntry(QStringLiteral("拡大"))->isEnabled());
        QVERIFY(!menuEntry(QStringLiteral("縮小"))->isEnabled());
        QVERIFY(!menuEntry(QStringLiteral("等倍 (100%)"))->isEnabled());
        QCOMPARE(menuEntry(QStringLiteral("拡大"))->text(), QStringLiteral("拡大\tCtrl++"));
        QCOMPARE(menuEntry(QStringLiteral("縮小"))->text(), QStringLiteral("縮小\tCtrl+-"));
        QCOMPARE(menuEntry(QStringLiteral("等倍"))->text(), QStringLiteral("等倍 (100%)\tCtrl+0"));

        menuEntry(QStringLiteral("拡大"))->trigger();
        menuEntry(QStringLiteral("拡大"))->trigger();
        QCOMPARE(window->zoom().percent(), 150);
        menuEntry(QStringLiteral("縮小"))->trigger();
        QCOMPARE(window->zoom().percent(), 125);
        QVERIFY(menuEntry(QStringLiteral("等倍"))->isEnabled());
        menuEntry(QStringLiteral("等倍"))->trigger();
        QCOMPARE(window->zoom().percent(), 100);
        QCOMPARE(window->size(), QSize(792, 573));

        press(Qt::Key_Plus, Qt::ControlModifier, 4);
        QVERIFY(!menuEntry(QStringLiteral("拡大"))->isEnabled()); // 250% would not fit
    }

    void f11FillsTheScreenAndReturnsToTheStep()
    {
        open("ondel8");
        press(Qt::Key_Plus, Qt::ControlModifier, 2);
        const auto atStep = placedControls(*window);
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_COMPARE(window->size(), projector);
        const Scale fill = zoom::filling(pulseClient, projector);
        QCOMPARE(window->zoom().scale(), fill);
        QCOMPARE(control("canvas")->geometry(), QRect(fill.origin, fill.size(pulseClient)));
        const ControlSpec &command1 = *window->program().layout().find("Command1");
        QCOMPARE(control("Command1")->geometry(), fill.place(command1.rect).translated(fill.origin));
        QCOMPARE(control("Command1")->font().pointSizeF(), 9 * fill.factor);
        const ControlSpec &option3 = *window->program().layout().find("Option3"); // in Frame2
        QCOMPARE(control("Option3")->geometry(), fill.place(option3.rect));
        // The background colour around it.
        window->tick();
        const QImage shown = window->grab().toImage();
        QCOMPARE(shown.pixelColor(fill.origin.x() / 2, 600), toQColor(colour::background));
        QCOMPARE(shown.pixelColor(projector.width() - fill.origin.x() / 2, 600), toQColor(colour::background));

        // The zoom keys wait for the window.
        QVERIFY(!window->zoom().canZoomIn() && !window->zoom().canZoomOut());
        press(Qt::Key_Minus);
        QCOMPARE(window->zoom().scale(), fill);

        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isFullScreen());
        QTRY_COMPARE(window->size(), QSize(1188, 860));
        QCOMPARE(window->zoom().percent(), 150);
        QVERIFY(placedControls(*window) == atStep);
        QCOMPARE(control("canvas")->geometry(), window->rect());

        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_COMPARE(window->zoom().scale(), fill);
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_COMPARE(window->zoom().scale(), (Scale{1.5, {}}));
    }
};

int main(int argc, char *argv[])
{
    // A projector's screen, larger than the offscreen platform's 800 x 600.
    const test_support::TempDir dir;
    const std::string config = dir.write("screen.json", R"({"screens": [{"name": "projector", "x": 0, "y": 0,
        "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "zoom_test.moc"
