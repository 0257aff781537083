// SPDX-License-Identifier: GPL-3.0-or-later
// A program tied to its installation finds the shipped pulse data from any
// working folder (from the menu it runs in the home folder). The build tree
// mirrors the installed layout, so the test runs against it.
#include "desktop/installation.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_folder.h"
#include "programs/registry.h"
#include "travelling/travelling_demonstrator.h"

#include <QtTest>

using namespace ondel;

class InstallationTest : public QObject {
    Q_OBJECT

private slots:
    void shippedDefaultLoadsFromAnEmptyWorkingFolder()
    {
        const auto program = makeProgram("ondel8");
        connectToInstallation(*program);
        const test_support::TempDir empty;
        const test_support::WorkingFolder here(empty.path());
        program->perform(Action::LoadPulse); // the file name starts as "pulse160a"
        const auto message = program->takeMessage();
        QVERIFY2(!message, message ? message->c_str() : "");
        // The peak of the first column (data/README.md).
        QCOMPARE(dynamic_cast<TravellingDemonstrator &>(*program).forwardPulse().at(400), 1.0f);
    }
};

QTEST_MAIN(InstallationTest)
#include "installation_test.moc"
