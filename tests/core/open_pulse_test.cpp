// SPDX-License-Identifier: GPL-3.0-or-later
#include "speakers/speaker_demonstrator.h"
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_folder.h"
#include "travelling/travelling_demonstrator.h"

#include <gtest/gtest.h>

#include <string>

namespace ondel {
namespace {

using test_support::openProgram;

std::string records(int count)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += "0,0\n";
    return text;
}

// A file chosen in a dialog or dropped on the window loads exactly as a
// typed name does, and shows its name in the name box.
TEST(OpenPulse, AChosenFileLoadsAsATypedNameAndShowsItsName)
{
    const test_support::TempDir dir;
    struct Row {
        const char *name;
        const char *fileName;
        const char *shown; // the name box afterwards
    };
    const Row rows[] = {
        {"a .csv file", "mine.csv", "mine"},
        {"another ending", "mine.txt", "mine.txt"},
        {"only the ending", ".csv", ".csv"},
    };
    for (const Row &row : rows) {
        const std::string path = dir.write(row.fileName, "0.5,-0.25\n0.75,0\n");
        for (const bool fromBytes : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (fromBytes ? ", as bytes" : ", by path"));
            const auto program = openProgram<TravellingDemonstrator>("ondel8");
            program->state().timeIndex = 700;
            const bool opened = fromBytes ? program->openPulseData("0.5,-0.25\n0.75,0\n", row.fileName)
                                          : program->openPulseFile(path);
            EXPECT_TRUE(opened);
            EXPECT_EQ(program->takeMessage(), std::nullopt);
            EXPECT_EQ(program->forwardPulse().at(2), 0.75f);
            EXPECT_EQ(program->backwardPulse().at(1), -0.25f);
            EXPECT_EQ(program->state().timeIndex, 0);
            EXPECT_EQ(program->inputs().pulseFileName, row.shown);
        }
    }
}

TEST(OpenPulse, ARefusedFileChangesNothingAndSaysWhy)
{
    const test_support::TempDir dir;
    struct Row {
        const char *name;
        std::string bytes;
        const char *message; // a part of it
    };
    const Row rows[] = {
        {"not a number", "0.5,abc\n", "「abc」は数値ではありません"},
        {"too many records", records(3201), "3201 行目: データは 3200 組までです"},
        {"larger than any pulse file", std::string(2 << 20, '7'), "大きすぎます（1 MiB まで）"},
    };
    for (const Row &row : rows) {
        const std::string path = dir.write("bad.csv", row.bytes);
        for (const bool fromBytes : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (fromBytes ? ", as bytes" : ", by path"));
            const auto program = openProgram<TravellingDemonstrator>("ondel8");
            program->state().timeIndex = 700;
            const bool opened = fromBytes ? program->openPulseData(row.bytes, "bad.csv") : program->openPulseFile(path);
            EXPECT_FALSE(opened);
            const auto message = program->takeMessage();
            ASSERT_TRUE(message);
            EXPECT_NE(message->find(row.message), std::string::npos) << *message;
            EXPECT_NE(message->find("bad.csv"), std::string::npos) << *message;
            EXPECT_EQ(program->forwardPulse().at(1), 0.0f);
            EXPECT_EQ(program->state().timeIndex, 700);
            EXPECT_EQ(program->inputs().pulseFileName, "pulse160a");
        }
    }
}

// "実行/再実行" after an open reruns the opened file, not one of the same
// name in the working folder, nor "見つかりません" for a name found nowhere
// else; once the teacher types another name, that name is looked up.
TEST(OpenPulse, RerunReadsTheOpenedFileWhileTheBoxShowsItsName)
{
    const test_support::TempDir work;
    const test_support::TempDir lesson;
    work.write("pulse160a.csv", "9,9\n");
    work.write("other.csv", "7,7\n");
    const test_support::WorkingFolder here(work.path());
    for (const char *fileName : {"pulse160a.csv", "mine.csv"}) {
        const std::string path = lesson.write(fileName, "0.5,0\n");
        for (const bool fromBytes : {false, true}) {
            SCOPED_TRACE(std::string(fileName) + (fromBytes ? ", as bytes" : ", by path"));
            const auto program = openProgram<TravellingDemonstrator>("ondel8");
            ASSERT_TRUE(fromBytes ? program->openPulseData("0.5,0\n", fileName) : program->openPulseFile(path));
            EXPECT_EQ(program->openedPulsePath(), fromBytes ? std::nullopt : std::optional(path));
            program->state().timeIndex = 700;
            program->perform(Action::LoadPulse);
            EXPECT_EQ(program->takeMessage(), std::nullopt);
            EXPECT_EQ(program->forwardPulse().at(1), 0.5f);
            EXPECT_EQ(program->state().timeIndex, 0);

            program->setText(Action::PulseFileName, "other");
            EXPECT_EQ(program->openedPulsePath(), std::nullopt);
            program->perform(Action::LoadPulse);
            EXPECT_EQ(program->forwardPulse().at(1), 7.0f);
        }
    }
}

TEST(OpenPulse, ProgramsWithoutAFileOpenNothing)
{
    for (const char *name : {"ondel10", "ondel3", "ondel5a"}) {
        const auto program = makeProgram(name);
        EXPECT_FALSE(program->loadsPulseFiles()) << name;
        EXPECT_FALSE(program->openPulseData("0.5,0.5\n", "a.csv")) << name;
        EXPECT_EQ(program->takeMessage(), std::nullopt) << name;
        EXPECT_EQ(program->inputs().pulseFileName, "") << name;
    }
}

// As with "実行/再実行", the typed separation is taken over first, even when
// the file is refused.
TEST(OpenPulse, TheSpeakersTakeTheirSeparationOverFirst)
{
    for (const char *bytes : {"0.5,0\n", "bad\n"}) {
        const auto program = openProgram<SpeakerDemonstrator>("ondel15");
        program->setText(Action::Separation, "120");
        program->openPulseData(bytes, "tone.csv");
        EXPECT_EQ(program->speakers().speaker2Position, 180) << bytes;
    }
}

} // namespace
} // namespace ondel
