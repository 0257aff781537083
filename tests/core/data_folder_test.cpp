// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_folder.h"
#include "travelling/travelling_demonstrator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ondel {
namespace {

using test_support::TempDir;
using test_support::WorkingFolder;

// "実行/再実行" looks in the working folder first, then in the data folders
// in order. Each place holds its own first value, so the loaded pulse tells
// which file was read.
TEST(DataFolder, TheWorkingFolderWinsThenTheDataFoldersInOrder)
{
    const TempDir root;
    for (const char *folder : {"work", "data1", "data2", "elsewhere", "data1/sub"})
        std::filesystem::create_directories(root.path() / folder);
    root.write("work/both.csv", "1,0\n");
    root.write("data1/both.csv", "2,0\n");
    root.write("data1/shipped.csv", "2,0\n");
    root.write("data2/later.csv", "3,0\n");
    root.write("data1/twice.csv", "2,0\n");
    root.write("data2/twice.csv", "3,0\n");
    root.write("data1/sub/x.csv", "2,0\n");
    root.write("data1/abs.csv", "2,0\n");
    const std::string absolute = (root.path() / "elsewhere" / "abs").string();

    struct Row {
        const char *name;
        std::string typed;
        std::optional<float> loaded; // the first value read, or none
        std::string message;         // in the error, when nothing was read
    };
    const std::vector<Row> rows{
        {"working folder beats the data folder", "both", 1.0f, ""},
        {"only in a data folder", "shipped", 2.0f, ""},
        {"only in the second data folder", "later", 3.0f, ""},
        {"the first data folder beats the second", "twice", 2.0f, ""},
        {"in neither", "nosuch", std::nullopt, "「nosuch.csv」を読めません: 見つかりません"},
        {"a name with a folder is not redirected", "sub/x", std::nullopt, "「sub/x.csv」を読めません: 見つかりません"},
        {"an absolute path is not redirected", absolute, std::nullopt, "「" + absolute + ".csv」を読めません: 見つかりません"},
    };
    const WorkingFolder here(root.path() / "work");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto ondel8 = test_support::openProgram<TravellingDemonstrator>("ondel8");
        TravellingDemonstrator &program = *ondel8;
        program.setDataFolders({(root.path() / "data1").string(), (root.path() / "data2").string()});
        program.setText(Action::PulseFileName, row.typed);
        program.perform(Action::LoadPulse);
        const std::optional<std::string> message = program.takeMessage();
        if (row.loaded) {
            EXPECT_FALSE(message) << *message;
            EXPECT_EQ(program.forwardPulse().at(1), *row.loaded);
        } else {
            ASSERT_TRUE(message);
            EXPECT_NE(message->find(row.message), std::string::npos) << *message;
            EXPECT_EQ(program.forwardPulse().at(1), 0.0f); // nothing read
        }
    }
}

} // namespace
} // namespace ondel
