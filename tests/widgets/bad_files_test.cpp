// SPDX-License-Identifier: GPL-3.0-or-later
// Bad pulse data files through a real window, for every program that reads
// them: each one brings up a message box that does not block, the timer
// keeps ticking, and time, the rest of the state and the pulse columns stay
// as the last good file left them.
#include "shell/window/pulse_demonstrator.h"
#include "desktop/ondelwindow.h"
#include "tests/soak/pulse_file_cases.h"
#include "programs/registry.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <sys/fsuid.h>
#include <unistd.h>

#include <memory>

using namespace ondel;

namespace {

// Both pulse columns, to compare before and after.
std::vector<float> columns(const Demonstrator &program)
{
    const auto &pulse = dynamic_cast<const PulseDemonstrator &>(program);
    std::vector<float> values;
    for (int k = 0; k <= PulseTable::lastIndex; ++k) {
        values.push_back(pulse.forwardPulse().at(k));
        values.push_back(pulse.backwardPulse().at(k));
    }
    return values;
}

// Root passes every permission check. For the unreadable file the test then
// drops the file-system identity of this thread to an unprivileged user
// around the load (setfsuid), which is what a teacher's account is.
class UnprivilegedFiles {
public:
    static constexpr uid_t nobody = 65534;
    explicit UnprivilegedFiles(bool wanted)
        : wanted_(wanted), previous_(wanted ? static_cast<uid_t>(::setfsuid(nobody)) : 0)
    {
    }
    ~UnprivilegedFiles()
    {
        if (wanted_)
            ::setfsuid(previous_);
    }
    UnprivilegedFiles(const UnprivilegedFiles &) = delete;
    UnprivilegedFiles &operator=(const UnprivilegedFiles &) = delete;

    // Whether the switch took: setfsuid answers with the identity in force.
    bool refused() const { return wanted_ && static_cast<uid_t>(::setfsuid(static_cast<uid_t>(-1))) != nobody; }

private:
    bool wanted_;
    uid_t previous_;
};

} // namespace

class BadFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<soak::WorkingPulseFileFolder> folder;
    std::unique_ptr<OndelWindow> window;

    void run(const QString &base)
    {
        auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QVERIFY(text1);
        text1->clear();
        QTest::keyClicks(text1, base);
        QCOMPARE(QString::fromStdString(window->program().inputs().pulseFileName), base);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command9")), Qt::LeftButton);
    }

    QMessageBox *messageBox() { return window->findChild<QMessageBox *>(QStringLiteral("messageBox")); }

private slots:
    // Bare names, as a teacher types them, are looked up in the folder.
    void initTestCase() { folder = std::make_unique<soak::WorkingPulseFileFolder>(); }

    void cleanupTestCase() { folder.reset(); }

    void cleanup() { window.reset(); }

    void badFileChangesNothingAndSaysWhy_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("base");
        for (const std::string &name : programNames()) {
            if (!makeProgram(name)->layout().find("Command9"))
                continue;
            for (const soak::PulseFileCase &fileCase : folder->cases()) {
                if (fileCase.expect == soak::Expect::Load && fileCase.name != "unreadable")
                    continue;
                const std::string row = name + ": " + fileCase.what;
                QTest::newRow(row.c_str()) << QString::fromStdString(name) << QString::fromStdString(fileCase.name);
            }
        }
    }

    void badFileChangesNothingAndSaysWhy()
    {
        QFETCH(QString, program);
        QFETCH(QString, base);
        window = std::make_unique<OndelWindow>(makeProgram(program.toStdString()));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        run(QStringLiteral("small"));
        QVERIFY(!messageBox());
        // Stopped, so that time stands still while the timer runs on.
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(window->program().state().runStep, 0);
        const WindowState before = window->program().state();
        const std::vector<float> columnsBefore = columns(window->program());

        QElapsedTimer clock;
        {
            const UnprivilegedFiles unprivileged(base == QStringLiteral("unreadable") && ::geteuid() == 0);
            if (unprivileged.refused())
                QSKIP("root without the right to change its file-system user: permissions cannot be tested");
            clock.start();
            run(base);
        }
        QVERIFY2(clock.elapsed() < 2000, "the load waited on its file");

        QMessageBox *box = messageBox();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(box->text().contains(base + QStringLiteral(".csv")));
        if (base == QStringLiteral("unreadable"))
            QVERIFY2(box->text().contains(QStringLiteral("許可")), qPrintable(box->text()));
        QVERIFY(window->program().state() == before);
        QVERIFY(columns(window->program()) == columnsBefore);

        // The box waits for the teacher; the window goes on ticking.
        QSignalSpy ticks(&window->timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QVERIFY(window->program().state() == before);
        box->accept();
        QTRY_VERIFY(!messageBox());
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
        QTRY_VERIFY(window->program().state().timeIndex != before.timeIndex);
    }
};

QTEST_MAIN(BadFilesTest)
#include "bad_files_test.moc"
