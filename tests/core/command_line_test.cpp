// SPDX-License-Identifier: GPL-3.0-or-later
// Started from a terminal: the usage and the release in Japanese and
// English, a pulse file to open as Ctrl+O would, and a clear refusal of what
// the program cannot follow.
#include "programs/registry.h"
#include "shell/window/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondel {
namespace {

TEST(CommandLine, AnswersUsageVersionAFileOrAFault)
{
    using R = CommandLine::Request;
    const struct {
        const char *name;
        const char *program;
        std::vector<std::string> arguments;
        R request;
        const char *fileOrOutput; // the file for Run, a part of the output otherwise
    } rows[] = {
        {"nothing", "ondel8", {}, R::Run, ""},
        {"a pulse file", "ondel8", {"授業/mine.csv"}, R::Run, "授業/mine.csv"},
        {"a file that looks like an option", "ondel9", {"--", "-x.csv"}, R::Run, "-x.csv"},
        {"help in both languages", "ondel15", {"--help"}, R::Usage, "使い方: ondel15 [パルスファイル]\nUsage: ondel15 [PULSE-FILE]"},
        {"help wins over a file", "ondel8", {"a.csv", "-h"}, R::Usage, "Ctrl+O"},
        {"help of a program without files", "ondel3", {"--help"}, R::Usage, "使い方: ondel3\nUsage: ondel3\n"},
        {"version", "ondel10", {"--version"}, R::Version, "ondel10 (ondel_nami) 9.9.9\n"},
        {"unknown option", "ondel8", {"--verbose"}, R::Fault, "「--verbose」というオプションはありません。"},
        {"two files", "ondel8", {"a.csv", "b.csv"}, R::Fault, "一つだけ"},
        {"a file for a program without files", "ondel5", {"a.csv"}, R::Fault, "パルスファイルを読みません"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parseCommandLine(row.arguments, *builtInPrograms().find(row.program), "9.9.9");
        EXPECT_EQ(line.request, row.request);
        if (row.request == R::Run)
            EXPECT_EQ(line.file, row.fileOrOutput);
        else
            EXPECT_NE(line.output.find(row.fileOrOutput), std::string::npos) << line.output;
        EXPECT_EQ(line.exitStatus(), row.request == R::Fault ? 2 : 0);
    }
}

} // namespace
} // namespace ondel
