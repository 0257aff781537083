// SPDX-License-Identifier: GPL-3.0-or-later
// Every window under a storm: a few thousand random clicks on its buttons,
// options, labels and frames, moves of its scroll bars and texts typed into
// its text boxes, with the timer running in between. After every event the
// state must be sound (time where the handlers put it, every variable in
// range, drawable frames), and at the end the window must still answer.
#include "desktop/ondelwindow.h"
#include "tests/soak/pulse_file_cases.h"
#include "tests/soak/soak_checks.h"
#include "tests/soak/soak_events.h"
#include "programs/registry.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ondel;

namespace {

constexpr int stormEvents = 2500;

std::vector<std::string> fileNames(const soak::PulseFileFolder &folder)
{
    std::vector<std::string> names;
    for (const soak::PulseFileCase &fileCase : folder.cases())
        names.push_back(fileCase.name);
    return names;
}

} // namespace

class StormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<soak::WorkingPulseFileFolder> folder;
    std::unique_ptr<OndelWindow> window;
    int loads = 0;
    int refusals = 0;

    template <typename T = QWidget> T *control(const std::string &name)
    {
        return window->findChild<T *>(QString::fromStdString(name));
    }

    // The teacher reads each message and presses OK. Returns whether there
    // was one. The box goes at once, so that the next event's message is
    // told apart from this one.
    bool dismissMessages()
    {
        const auto boxes = window->findChildren<QMessageBox *>(QStringLiteral("messageBox"));
        for (QMessageBox *box : boxes) {
            box->accept();
            delete box;
        }
        return !boxes.isEmpty();
    }

    // Delivers `event` through the widgets; false when it cannot be (a
    // hidden control).
    bool deliver(const soak::Event &event, soak::ExpectedTime &time)
    {
        const WindowState before = window->program().state();
        switch (event.kind) {
        case soak::Event::Kind::Tick:
            return false;
        case soak::Event::Kind::Click: {
            QWidget *widget = control(event.control);
            if (!widget || !widget->isVisible())
                return false;
            QTest::mouseClick(widget, Qt::LeftButton);
            const bool refused = dismissMessages();
            if (event.control == "Command9")
                ++(refused ? refusals : loads);
            time.click(event.action, before, !refused);
            return true;
        }
        case soak::Event::Kind::HScroll1:
        case soak::Event::Kind::VScroll1:
            control<QScrollBar>(event.kind == soak::Event::Kind::HScroll1 ? "HScroll1" : "VScroll1")->setValue(event.value);
            return true;
        case soak::Event::Kind::Text1:
        case soak::Event::Kind::Text2:
            control<QLineEdit>(event.kind == soak::Event::Kind::Text1 ? "Text1" : "Text2")
                ->setText(QString::fromStdString(event.text));
            return true;
        }
        return false;
    }

private slots:
    // Bare file names, as typed, are looked up in the folder of test files.
    void initTestCase() { folder = std::make_unique<soak::WorkingPulseFileFolder>(); }

    void cleanupTestCase() { folder.reset(); }

    void cleanup() { window.reset(); }

    void stormLeavesTheWindowSoundAndAnswering_data()
    {
        QTest::addColumn<QString>("program");
        for (const std::string &name : programNames())
            QTest::newRow(name.c_str()) << QString::fromStdString(name);
    }

    void stormLeavesTheWindowSoundAndAnswering()
    {
        QFETCH(QString, program);
        window = std::make_unique<OndelWindow>(makeProgram(program.toStdString()));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Demonstrator &core = window->program();

        // Follow every tick of the running timer (this runs after the
        // window's own tick, which leaves the run step alone).
        soak::ExpectedTime time(core);
        connect(&window->timer(), &QTimer::timeout, this, [&] { time.tick(core.state()); });

        constexpr std::uint64_t seed = 7;
        soak::EventSource source(core.layout(), seed, fileNames(*folder), soak::EventWeights{.tick = 0, .load = 3});
        int delivered = 0;
        for (int i = 0; i < stormEvents; ++i) {
            const soak::Event event = source.next();
            delivered += deliver(event, time) ? 1 : 0;
            // Let the timer and the painting in between now and then.
            if (i % 8 == 0)
                QTest::qWait(1);
            else
                QCoreApplication::processEvents();
            dismissMessages();
            auto fault = soak::stateFault(core, time);
            if (!fault)
                fault = soak::frameFault(core);
            QVERIFY2(!fault, qPrintable(QStringLiteral("event %1 (%2): %3")
                                            .arg(i)
                                            .arg(QString::fromStdString(soak::describe(event)))
                                            .arg(QString::fromStdString(fault.value_or("")))));
        }
        QVERIFY(delivered > stormEvents / 2);
        qInfo("storm %s: %d events, %d delivered, %d files loaded, %d refused", qPrintable(program), stormEvents,
              delivered, std::exchange(loads, 0), std::exchange(refusals, 0));

        // Still answering: the timer ticks, a tick draws a whole frame, a
        // click still toggles.
        core.setValue(Action::Speed, 10);
        QSignalSpy ticks(&window->timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        window->tick();
        QVERIFY(!core.frame().empty());
        QVERIFY(std::holds_alternative<ClearOp>(core.frame().ops().front()));
        const bool shown = core.state().transverseShown;
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(core.state().transverseShown, !shown);
    }
};

QTEST_MAIN(StormTest)
#include "storm_test.moc"
