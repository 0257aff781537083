// SPDX-License-Identifier: GPL-3.0-or-later
// "実行/再実行" in a real window: the teacher types a base name into Text1
// and presses the button; a good file fills the pulse columns, a missing
// one brings up a message and changes nothing.
#include "desktop/ondelwindow.h"
#include "tests/support/temp_dir.h"
#include "tests/support/stopped_window.h"
#include "programs/registry.h"
#include "travelling/travelling_demonstrator.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace ondel;

class PulseLoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OndelWindow> window;

    TravellingDemonstrator &program() { return dynamic_cast<TravellingDemonstrator &>(window->program()); }

    void typeAndRun(const std::string &base)
    {
        auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QVERIFY(text1);
        text1->clear();
        QTest::keyClicks(text1, QString::fromStdString(base));
        auto *command9 = window->findChild<QPushButton *>(QStringLiteral("Command9"));
        QVERIFY(command9);
        QTest::mouseClick(command9, Qt::LeftButton);
    }

private slots:
    void init()
    {
        window = test_support::openStoppedWindow("ondel8");
        QVERIFY(window);
    }

    void cleanup() { window.reset(); }

    void typedNameLoadsTheFile()
    {
        const test_support::TempDir dir;
        const std::string base = dir.writePulseFile("two", "0.5,-0.25\n1,-1\n");
        program().state().timeIndex = 321;
        typeAndRun(base);
        QCOMPARE(program().inputs().pulseFileName, base);
        QCOMPARE(program().forwardPulse().at(1), 0.5f);
        QCOMPARE(program().backwardPulse().at(1), -0.25f);
        QCOMPARE(program().forwardPulse().at(2), 1.0f);
        QCOMPARE(program().state().timeIndex, std::int64_t{0});
        QVERIFY(!window->findChild<QMessageBox *>());
    }

    void missingFileShowsAMessageAndChangesNothing()
    {
        const test_support::TempDir dir;
        typeAndRun(dir.writePulseFile("good", "0.5,-0.25\n"));
        program().state().timeIndex = 321;
        const WindowState before = program().state();

        const std::string missing = (dir.path() / "nothere").string();
        typeAndRun(missing);
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("messageBox"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(box->text().contains(QString::fromStdString(missing + ".csv")));
        QVERIFY(box->text().contains(QStringLiteral("見つかりません")));
        QVERIFY(program().state() == before);
        QCOMPARE(program().forwardPulse().at(1), 0.5f);
        QCOMPARE(program().backwardPulse().at(1), -0.25f);

        // The box waits for the teacher without holding up the window.
        window->tick();
        QCOMPARE(program().state().timeIndex, std::int64_t{322});
        box->accept();
        QTRY_VERIFY(!window->findChild<QMessageBox *>());
    }
};

QTEST_MAIN(PulseLoadTest)
#include "pulse_load_test.moc"
