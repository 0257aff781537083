// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson tools on the desktop: each entry of the right-click menu
// ("ストロボ", "注釈", the strobe's count and spacing) changes the program's
// tools and the next frame shows it; the keys S and A do the same and the
// menu's checks follow them.
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "tests/support/stopped_window.h"

#include <QMenu>
#include <QtTest>

#include <memory>

using namespace ondel;

class LessonMenuTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OndelWindow> window;

    QMenu *menu() { return window->findChild<QMenu *>(QStringLiteral("contextMenu")); }

    QAction *entry(const QString &objectName) { return menu()->findChild<QAction *>(objectName); }

    // The entry of a submenu whose text is `caption`.
    QAction *choice(const char *submenu, const QString &caption)
    {
        const auto *sub = window->findChild<QMenu *>(QString::fromLatin1(submenu));
        for (QAction *action : sub->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    int textsInFrame()
    {
        window->tick();
        const auto &ops = window->program().frame().ops();
        return static_cast<int>(std::count_if(ops.begin(), ops.end(),
                                              [](const Primitive &op) { return std::holds_alternative<TextOp>(op); }));
    }

    int circlesInFrame()
    {
        window->tick();
        const auto &ops = window->program().frame().ops();
        return static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const Primitive &op) {
            const auto *c = std::get_if<CircleOp>(&op);
            return c && c->radius == 300;
        }));
    }

private slots:
    void initTestCase() { installFontSubstitution(); }
    void cleanup() { window.reset(); }

    void strobeEntryShowsTheEarlierExposures()
    {
        window = test_support::openStoppedWindow("ondel3");
        QVERIFY(window);
        for (int k = 0; k < 40; ++k)
            window->tick();
        QCOMPARE(circlesInFrame(), 15);
        QVERIFY(!entry(QStringLiteral("strobeEntry"))->isChecked());
        QCOMPARE(entry(QStringLiteral("strobeEntry"))->text(), QStringLiteral("ストロボ\tS"));
        entry(QStringLiteral("strobeEntry"))->trigger();
        QVERIFY(window->program().lessonTools().strobe);
        QCOMPARE(circlesInFrame(), 15 * 5);
        entry(QStringLiteral("strobeEntry"))->trigger();
        QCOMPARE(circlesInFrame(), 15);
    }

    void countAndSpacingEntriesSetTheStrobe()
    {
        window = test_support::openStoppedWindow("ondel5");
        QVERIFY(window);
        const LessonTools &tools = window->program().lessonTools();
        QAction *six = choice("strobeCountMenu", QStringLiteral("6枚"));
        QVERIFY(six);
        six->trigger();
        QCOMPARE(tools.strobeCount, 6);
        // ondel5's period is 48 ticks: 6 between exposures, and 3, 12, 24 offered.
        QCOMPARE(tools.strobeSpacing, 6);
        QAction *twelve = choice("strobeSpacingMenu", QStringLiteral("12コマ"));
        QVERIFY(twelve);
        twelve->trigger();
        QCOMPARE(tools.strobeSpacing, 12);
        QVERIFY(choice("strobeSpacingMenu", QStringLiteral("3コマ")));
        for (int k = 0; k < 100; ++k)
            window->tick();
        window->program().perform(Action::ToggleStrobe);
        QCOMPARE(circlesInFrame(), 15 * 7);
    }

    void annotationsEntryLabelsTheWave()
    {
        window = test_support::openStoppedWindow("ondel3a");
        QVERIFY(window);
        QCOMPARE(textsInFrame(), 0);
        QCOMPARE(entry(QStringLiteral("annotationsEntry"))->text(), QStringLiteral("注釈\tA"));
        entry(QStringLiteral("annotationsEntry"))->trigger();
        QVERIFY(window->program().lessonTools().annotations);
        QVERIFY(textsInFrame() >= 2); // a crest and a trough at least
        entry(QStringLiteral("annotationsEntry"))->trigger();
        QCOMPARE(textsInFrame(), 0);
    }

    void keysSAndAToggleAndTheChecksFollow()
    {
        window = test_support::openStoppedWindow("ondel15");
        QVERIFY(window);
        QTest::keyClick(window.get(), Qt::Key_S);
        QTest::keyClick(window.get(), Qt::Key_A);
        QVERIFY(window->program().lessonTools().strobe);
        QVERIFY(window->program().lessonTools().annotations);
        emit menu()->aboutToShow();
        QVERIFY(entry(QStringLiteral("strobeEntry"))->isChecked());
        QVERIFY(entry(QStringLiteral("annotationsEntry"))->isChecked());
        QVERIFY(choice("strobeCountMenu", QStringLiteral("4枚"))->isChecked());
        QVERIFY(choice("strobeSpacingMenu", QStringLiteral("18コマ"))->isChecked());
        QTest::keyClick(window.get(), Qt::Key_S);
        emit menu()->aboutToShow();
        QVERIFY(!entry(QStringLiteral("strobeEntry"))->isChecked());
    }
};

QTEST_MAIN(LessonMenuTest)
#include "lesson_menu_test.moc"
