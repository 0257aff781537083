// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keys in a real window: each reaches its action or command,
// Page Down beats a focused speed bar, a text box keeps the keys it types,
// a key whose action the program lacks does nothing, and the buttons name
// their keys in their tooltips.
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "tests/support/opened_window.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ondel;

using Prepare = std::function<void(WindowState &)>;
using Check = std::function<bool(const WindowState &before, const WindowState &after)>;
Q_DECLARE_METATYPE(Prepare)
Q_DECLARE_METATYPE(Check)

class KeysTest : public QObject, private test_support::OpenedWindow {
    Q_OBJECT

private:
    WindowState &state() { return window->program().state(); }

private slots:
    void initTestCase() { installFontSubstitution(); }
    void cleanup() { window.reset(); }

    void keysReachTheirActions_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<Check>("check");
        const Prepare asOpened = [](WindowState &) {};
        const Prepare stopped = [](WindowState &s) { s.runStep = 0; };
        const int none = Qt::NoModifier;
        QTest::newRow("Page Down stops a running wave")
            << "ondel8" << int(Qt::Key_PageDown) << none << asOpened
            << Check([](const auto &, const auto &a) { return a.runStep == 0; });
        QTest::newRow("Page Down steps a stopped wave")
            << "ondel8" << int(Qt::Key_PageDown) << none << stopped
            << Check([](const auto &b, const auto &a) { return a.runStep == 0 && a.timeIndex == b.timeIndex + 1; });
        QTest::newRow("Page Up resumes (再開／停止)")
            << "ondel9" << int(Qt::Key_PageUp) << none << stopped
            << Check([](const auto &, const auto &a) { return a.runStep == 1; });
        QTest::newRow("Page Up resumes (再開)")
            << "ondel3" << int(Qt::Key_PageUp) << none << stopped
            << Check([](const auto &, const auto &a) { return a.runStep == 1; });
        QTest::newRow("R reverses") << "ondel8" << int(Qt::Key_R) << none << asOpened
                                    << Check([](const auto &, const auto &a) { return a.direction == -1; });
        QTest::newRow("Shift+R reverses too") << "ondel15" << int(Qt::Key_R) << int(Qt::ShiftModifier) << asOpened
                                              << Check([](const auto &, const auto &a) { return a.direction == -1; });
        QTest::newRow("Y next y-x mode") << "ondel8" << int(Qt::Key_Y) << none << asOpened
                                         << Check([](const auto &b, const auto &a) { return a.yxMode != b.yxMode; });
        QTest::newRow("T trace on") << "ondel10" << int(Qt::Key_T) << none << asOpened
                                    << Check([](const auto &, const auto &a) { return a.pictureVisible && a.ytColumn > 0; });
        QTest::newRow("1 transverse row") << "ondel8_dou" << int(Qt::Key_1) << none << asOpened
                                          << Check([](const auto &b, const auto &a) { return a.transverseShown != b.transverseShown; });
        QTest::newRow("2 longitudinal row") << "ondel5a" << int(Qt::Key_2) << none << asOpened
                                            << Check([](const auto &, const auto &a) { return a.longitudinalShown; });
        QTest::newRow("keypad 1") << "ondel8" << int(Qt::Key_1) << int(Qt::KeypadModifier) << asOpened
                                  << Check([](const auto &, const auto &a) { return a.transverseShown; });
        QTest::newRow("Ctrl+R is no key") << "ondel8" << int(Qt::Key_R) << int(Qt::ControlModifier) << asOpened
                                          << Check([](const auto &b, const auto &a) { return a == b; });
        QTest::newRow("Q is no key") << "ondel8" << int(Qt::Key_Q) << none << asOpened
                                      << Check([](const auto &b, const auto &a) { return a == b; });
    }

    void keysReachTheirActions()
    {
        QFETCH(QString, program);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Prepare, prepare);
        QFETCH(Check, check);
        open(program.toLatin1().constData());
        prepare(state());
        const WindowState before = state();
        QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(check(before, state()));
    }

    void plusAndMinusMoveTheSpeedBarOnePage()
    {
        open("ondel8");
        auto *bar = control<QScrollBar>("HScroll1");
        const int page = bar->pageStep();
        QTest::keyClick(window.get(), Qt::Key_Minus);
        QCOMPARE(bar->value(), 10 + page);
        QCOMPARE(window->timer().interval(), 10 + page);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(state().timerInterval, 10);
        // Both ends hold.
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(state().timerInterval, 1);
        bar->setValue(195);
        QTest::keyClick(window.get(), Qt::Key_Minus);
        QCOMPARE(state().timerInterval, 200);
    }

    void pageDownWithTheSpeedBarFocusedStopsTheWave()
    {
        open("ondel9");
        auto *bar = control<QScrollBar>("HScroll1");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(state().runStep, 0);
        QCOMPARE(bar->value(), 10);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(state().runStep, 1);
        QCOMPARE(bar->value(), 10);
    }

    void aFocusedButtonPassesTheKeysOn()
    {
        open("ondel8");
        auto *button = control<QPushButton>("Command5");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_2);
        QVERIFY(state().longitudinalShown);
    }

    void typingIntoTheSeparationBoxTogglesNoRow()
    {
        open("ondel15");
        auto *text2 = control<QLineEdit>("Text2");
        text2->setFocus();
        text2->clear();
        const WindowState before = state();
        QTest::keyClicks(text2, QStringLiteral("120"));
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(text2->text(), QStringLiteral("120"));
        QCOMPARE(window->program().inputs().separation, std::string("120"));
        QVERIFY(state() == before);
        // Keys that type nothing still work there.
        QTest::keyClick(text2, Qt::Key_PageDown);
        QCOMPARE(state().runStep, 0);
    }

    void typingIntoTheFileBoxKeepsEveryCharacter()
    {
        open("ondel8");
        auto *text1 = control<QLineEdit>("Text1");
        text1->setFocus();
        text1->clear();
        const WindowState before = state();
        QTest::keyClicks(text1, QStringLiteral("RYT1-2+"));
        QCOMPARE(text1->text(), QStringLiteral("RYT1-2+"));
        QVERIFY(state() == before);
        QCOMPARE(control<QScrollBar>("HScroll1")->value(), 10);
    }

    void aKeyWithoutItsActionDoesNothing()
    {
        open("ondel10"); // loads no file
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!window->findChild<QFileDialog *>());
    }

    void buttonsNameTheirKeys_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("ondel8 停止") << "ondel8" << "Command3" << QStringLiteral("停止／　駒送り (Page Down)");
        QTest::newRow("ondel3 停止") << "ondel3" << "Command3" << QStringLiteral("停止　　駒送り (Page Down)");
        QTest::newRow("ondel3 再開") << "ondel3" << "Command4" << QStringLiteral("再開 (Page Up)");
        QTest::newRow("ondel15 横波") << "ondel15" << "Command1" << QStringLiteral("横波 (1)");
        QTest::newRow("ondel9 y-t線") << "ondel9" << "Command8" << QStringLiteral("y-t線 (T)");
        QTest::newRow("ondel8 実行 has no key") << "ondel8" << "Command9" << QString();
    }

    void buttonsNameTheirKeys()
    {
        QFETCH(QString, program);
        QFETCH(QString, button);
        QFETCH(QString, tooltip);
        open(program.toLatin1().constData());
        QCOMPARE(control<QPushButton>(button.toLatin1().constData())->toolTip(), tooltip);
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
