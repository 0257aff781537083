// SPDX-License-Identifier: GPL-3.0-or-later
// The ondel8 window as the teacher meets it: every control where the layout
// puts it, with its caption, font and tab order; clicking the common
// controls changes the state; the y-t picture shows, hides and restarts;
// the speed bar sets the timer.
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "desktop/picturearea.h"
#include "tests/support/stopped_window.h"
#include "programs/registry.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ondel;

namespace {

QString controlText(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OndelWindow> window;

    WindowState &state() { return window->program().state(); }

    QWidget *control(const char *name)
    {
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    PictureArea *picture() { return window->findChild<PictureArea *>(QStringLiteral("Picture1")); }

    void click(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }

private slots:
    void initTestCase() { installFontSubstitution(); }

    void init()
    {
        window = test_support::openStoppedWindow("ondel8");
        QVERIFY(window);
    }

    void cleanup() { window.reset(); }

    void windowHasTheCaptionAndClientSizeOfForm1()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("ondel_nami"));
        QCOMPARE(window->size(), QSize(792, 573)); // 11880 x 8595 twips
    }

    void controlsCarryTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
        };
        row("Command1", "横波");
        row("Command2", "縦波");
        row("Command3", "停止／\n駒送り"); // too wide for its button, broken after the slash
        row("Command4", "再開／\n停止");
        row("Command5", "進行方向");
        row("Command7", "y-x線");
        row("Command8", "y-t線");
        row("Command9", "実行/\n再実行");
        row("Label1", "速度");
        row("Label2", "横縦別々");
        row("Label3", "横波と合成");
        row("Label4", "X");
        row("Label5", "X");
        row("Label6", "y");
        row("Frame1", "縦波位置");
        row("Frame2", "y-t");
        row("Option3", "緑");
        row("Option4", "赤");
    }

    void controlsCarryTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QCOMPARE(controlText(control(name.toLatin1().constData())), caption);
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        // Twips / 15, relative to the containing frame.
        QTest::newRow("Command1") << "Command1" << "Form1" << QRect(128, 0, 49, 33);
        QTest::newRow("Command3") << "Command3" << "Form1" << QRect(240, 0, 57, 33);
        QTest::newRow("HScroll1") << "HScroll1" << "Form1" << QRect(512, 0, 97, 25);
        QTest::newRow("Label1") << "Label1" << "Form1" << QRect(512, 24, 41, 17);
        QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(608, 0, 177, 41);
        QTest::newRow("Option1") << "Option1" << "Frame1" << QRect(16, 16, 17, 17);
        QTest::newRow("Label3") << "Label3" << "Frame1" << QRect(104, 16, 73, 17);
        QTest::newRow("Option3") << "Option3" << "Frame2" << QRect(48, 16, 41, 25);
        QTest::newRow("Label4") << "Label4" << "Form1" << QRect(752, 160, 33, 33);
        QTest::newRow("Label5") << "Label5" << "Form1" << QRect(752, 296, 33, 33);
        QTest::newRow("Picture1") << "Picture1" << "Form1" << QRect(8, 376, 785, 193);
        QTest::newRow("Text1") << "Text1" << "Form1" << QRect(0, 8, 65, 18);
        QTest::newRow("Command9") << "Command9" << "Form1" << QRect(64, 0, 41, 33);
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        const QWidget *widget = control(name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
    }

    void everyControlOfTheLayoutExists()
    {
        for (const ControlSpec &control : window->program().layout().controls)
            QVERIFY2(window->findChild<QWidget *>(QString::fromStdString(control.name)), control.name.c_str());
    }

    void fontsComeFromTheLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Command1 default") << "Command1" << 9.0 << false;
        QTest::newRow("Option3 default") << "Option3" << 9.0 << false;
        QTest::newRow("Text1 default") << "Text1" << 9.0 << false;
        QTest::newRow("Label1") << "Label1" << 12.0 << false;
        QTest::newRow("Label2") << "Label2" << 9.75 << false;
        QTest::newRow("Label4") << "Label4" << 24.0 << true;
        QTest::newRow("Label6") << "Label6" << 24.0 << true;
        QTest::newRow("Command7") << "Command7" << 12.0 << false;
        QTest::newRow("Command8") << "Command8" << 12.0 << false;
        QTest::newRow("Frame2") << "Frame2" << 12.0 << false;
        QTest::newRow("Command9") << "Command9" << 8.25 << false;
        QTest::newRow("Picture1") << "Picture1" << 26.25 << true;
    }

    void fontsComeFromTheLayout()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const QFont font = control(name.toLatin1().constData())->font();
        QCOMPARE(font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    void tabOrderFollowsTheTabIndices()
    {
        // Labels, frames and the picture take no focus; the rest in tab-index order.
        const QStringList expected{"Command1", "Command2", "HScroll1", "Option1", "Option2", "Command3", "Command4",
                                   "Command5", "Command7", "Command8", "Option3", "Option4", "Command9", "Text1"};
        QStringList chain;
        QWidget *widget = control("Command1");
        do {
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty() &&
                window->program().layout().find(widget->objectName().toStdString()))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control("Command1") && chain.size() <= expected.size());
        QCOMPARE(chain, expected);
    }

    void clickingCommonControlsChangesTheState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::function<bool(const WindowState &)>>("changed");
        using Check = std::function<bool(const WindowState &)>;
        QTest::newRow("Command1 transverse row") << "Command1" << Check([](const auto &s) { return s.transverseShown; });
        QTest::newRow("Command2 longitudinal row") << "Command2" << Check([](const auto &s) { return s.longitudinalShown; });
        QTest::newRow("Command3 stops") << "Command3" << Check([](const auto &s) { return s.runStep == 0; });
        QTest::newRow("Command4 stops") << "Command4" << Check([](const auto &s) { return s.runStep == 0; });
        QTest::newRow("Command5 reverses") << "Command5" << Check([](const auto &s) { return s.runStep == -1 && s.direction == -1; });
        QTest::newRow("Command7 next y-x mode") << "Command7" << Check([](const auto &s) { return s.yxMode == CurveMode::SumOnly; });
        QTest::newRow("Command8 trace on") << "Command8" << Check([](const auto &s) { return s.ytColumn == 5 && s.pictureVisible; });
        QTest::newRow("Option2 rows combined") << "Option2" << Check([](const auto &s) { return !s.longitudinalSeparate; });
        QTest::newRow("Option3 green traced") << "Option3" << Check([](const auto &s) { return s.tracedParticle == 1; });
    }

    void clickingCommonControlsChangesTheState()
    {
        QFETCH(QString, name);
        QFETCH(std::function<bool(const WindowState &)>, changed);
        click(name.toLatin1().constData());
        QVERIFY(changed(state()));
    }

    void optionsGoBackAndForth()
    {
        click("Option2");
        click("Option1");
        QVERIFY(state().longitudinalSeparate);
        QVERIFY(qobject_cast<QRadioButton *>(control("Option1"))->isChecked());
        click("Option3");
        click("Option4");
        QCOMPARE(state().tracedParticle, 6);
        QVERIFY(qobject_cast<QRadioButton *>(control("Option4"))->isChecked());
    }

    void labelsBesideTheOptionsReactToNothing()
    {
        const WindowState before = state();
        click("Label2");
        click("Label3");
        QVERIFY(state() == before);
        QVERIFY(qobject_cast<QRadioButton *>(control("Option1"))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton *>(control("Option2"))->isChecked());
    }

    void tracePictureShowsHidesAndRestarts()
    {
        // A pixel inside the first marker (column 5 at (625, 1400) twips,
        // radius 200) but clear of the time axis.
        const QPoint insideMarker(625 / 15, 1400 / 15 - 8);
        const QColor background(0xF0, 0xF0, 0xF0);
        QVERIFY(!picture()->isVisible());

        click("Command1");
        click("Command8");
        QVERIFY(picture()->isVisible());
        window->tick();
        QCOMPARE(state().ytColumn, 6);
        QCOMPARE(picture()->image().pixelColor(insideMarker), QColor(Qt::magenta));

        click("Command8");
        QVERIFY(!picture()->isVisible());
        window->tick();
        QCOMPARE(picture()->image().pixelColor(insideMarker), QColor(Qt::magenta));  // kept while hidden

        click("Command8");
        QVERIFY(picture()->isVisible());
        QCOMPARE(state().ytColumn, 5);
        QCOMPARE(picture()->image().pixelColor(insideMarker), background);
        QCOMPARE(picture()->image().pixelColor(QPoint(5000 / 15, 1400 / 15)), QColor(Qt::black));  // the time axis
    }

    void canvasShowsTheTickedFrame()
    {
        click("Command1");
        window->tick();
        const QImage shown = control("canvas")->grab().toImage();
        // Particle 6 at rest at (6200, 3000) twips is magenta, particle 2 black.
        // Points 10 pixels above the centres, clear of the y-x dots.
        QCOMPARE(shown.pixelColor(6200 / 15, 3000 / 15 - 10), QColor(Qt::magenta));
        QCOMPARE(shown.pixelColor(2200 / 15, 3000 / 15 - 10), QColor(Qt::black));
    }

    void measureFollowsAMouseDragOnTheCanvas()
    {
        // M shows 計測; a drag from the ruler's 0 mark (1200, 3900 twips)
        // lets it go onto the nearest particle's place.
        QTest::keyClick(window.get(), Qt::Key_M);
        window->tick();
        QWidget *canvas = control("canvas");
        const QPoint from(1200 / 15, 3900 / 15);
        const QPoint to(3410 / 15, 3900 / 15);
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
        QCOMPARE(window->program().measure().rulerStart, (Point{3200, 3900}));
    }

    void speedBarSetsTheTimerInterval()
    {
        auto *bar = qobject_cast<QScrollBar *>(control("HScroll1"));
        QVERIFY(bar);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 200);
        QCOMPARE(bar->value(), 10);
        QCOMPARE(window->timer().interval(), 10);

        bar->setValue(150);
        QCOMPARE(window->timer().interval(), 150);
        QCOMPARE(state().timerInterval, 150);

        // The teacher tabs from "縦波" to the bar and presses Home.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        control("Command2")->setFocus();
        QTest::keyClick(control("Command2"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(window->timer().interval(), 1);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
