// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/pulse_file.h"
#include "tests/support/programs.h"
#include "tests/support/temp_dir.h"
#include "travelling/travelling_demonstrator.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace ondel {
namespace {

using test_support::TempDir;

struct Records {
    std::vector<float> first;
    std::vector<float> second;
};

Records parsed(std::string_view text)
{
    const PulseReadResult result = parsePulseText(text, "test.csv");
    if (const auto *error = std::get_if<PulseFileError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    const auto &records = std::get<PulseRecords>(result);
    return {records.first, records.second};
}

std::string errorOf(const PulseReadResult &result)
{
    const auto *error = std::get_if<PulseFileError>(&result);
    return error ? error->message : std::string("(no error)");
}

// n records "k,-k".
std::string numberedRecords(int n, std::string_view lineEnd = "\n")
{
    std::string text;
    for (int k = 1; k <= n; ++k)
        text += std::to_string(k) + "," + std::to_string(-k) + std::string(lineEnd);
    return text;
}

TEST(PulseFile, ReadsTheFormatAndWhatSpreadsheetsWrite)
{
    struct Row {
        const char *name;
        std::string text;
        std::vector<float> first;
        std::vector<float> second;
    };
    const std::vector<Row> rows{
        {"plain", "0.5,-0.25\n1,2\n", {0.5f, 1}, {-0.25f, 2}},
        {"no final line break", "0.5,-0.25\n1,2", {0.5f, 1}, {-0.25f, 2}},
        {"CRLF", "0.5,-0.25\r\n1,2\r\n", {0.5f, 1}, {-0.25f, 2}},
        {"byte order mark", "\xEF\xBB\xBF" "0.5,-0.25\n", {0.5f}, {-0.25f}},
        {"blank lines skipped", "\n0.5,-0.25\n\n  \t\n\r\n1,2\n\n", {0.5f, 1}, {-0.25f, 2}},
        {"blanks around numbers", "  0.5 ,\t-0.25  \n", {0.5f}, {-0.25f}},
        {"single last value", "1,2\n3\n", {1, 3}, {2, 0}},
        {"values two at a time", "1\n2,3\n4\n", {1, 3}, {2, 4}},
        {"signs, exponents, bare points", "+1.5,-2e-1\n.5,5.\n", {1.5f, 0.5f}, {-0.2f, 5}},
        {"too small for single precision", "1e-400,-1e-60\n", {0}, {0}},
        {"largest drawable value", "1.7e35,-1.7e35\n", {1.7e35f}, {-1.7e35f}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Records records = parsed(row.text);
        EXPECT_EQ(records.first, row.first);
        EXPECT_EQ(records.second, row.second);
    }
}

TEST(PulseFile, NamesTheFileAndLineOfABadField)
{
    struct Row {
        const char *name;
        std::string text;
        int line;
        const char *problem;
    };
    const std::vector<Row> rows{
        {"word", "1,2\nabc,1\n", 2, "数値ではありません"},
        {"number with trailing text", "1,2\n\n3,4x\n", 3, "数値ではありません"},
        {"two signs", "+-1,0\n", 1, "数値ではありません"},
        {"hexadecimal", "0x10,0\n", 1, "数値ではありません"},
        {"blank inside a number", "1 2,0\n", 1, "数値ではありません"},
        {"bytes that are not UTF-8", "1,2\n\x01\xFF,3\n", 2, "数値ではありません"},
        {"empty field", "1,,2\n", 1, "空の欄"},
        {"trailing comma", "1,2,\n", 1, "空の欄"},
        {"infinity", "1,2\n3,inf\n", 2, "有限の数ではありません"},
        {"not a number", "nan,0\n", 1, "有限の数ではありません"},
        {"1000 times leaves single precision", "3.41e35,0\n", 1, "大きすぎる"},
        {"the sum of two drawn leaves single precision", "1,2\n3.4e35,0\n", 2, "大きすぎる"},
        {"beyond double", "0,-1e400\n", 1, "大きすぎる"},
        {"beyond every real", "1e99999,0\n", 1, "範囲を超えて"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = errorOf(parsePulseText(row.text, "bad.csv"));
        EXPECT_NE(message.find("「bad.csv」"), std::string::npos) << message;
        EXPECT_NE(message.find(" " + std::to_string(row.line) + " 行目"), std::string::npos) << message;
        EXPECT_NE(message.find(row.problem), std::string::npos) << message;
    }
}

// strtold takes more than a number of the file: blanks in front, hexadecimal,
// partial words. None of that is a number here; the words it knows are not
// finite, and what it cannot hold is out of range.
TEST(PulseFile, TakesOnlyTheNumbersOfTheFileFromTheCLibrary)
{
    struct Row {
        const char *name;
        std::string field;
        const char *problem;
    };
    const std::vector<Row> rows{
        {"hexadecimal with binary exponent", "0x1p3", "数値ではありません"},
        {"vertical tab in front", "\v1", "数値ではありません"},
        {"form feed in front", "\f1", "数値ではありません"},
        {"exponent without digits", "1e+", "数値ではありません"},
        {"point alone", ".", "数値ではありません"},
        {"infinity cut short", "infin", "数値ではありません"},
        {"infinity run on", "infinityx", "数値ではありません"},
        {"nan payload with a blank", "nan(1 2)", "数値ではありません"},
        {"text after a nan payload", "nan(1)x", "数値ではありません"},
        {"infinity in capitals, plus sign", "+INFINITY", "有限の数ではありません"},
        {"nan with a payload", "-NaN(0x1f_a)", "有限の数ではありません"},
        {"below every real", "1e-5000", "範囲を超えて"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = errorOf(parsePulseText("1,2\n" + row.field + ",0\n", "bad.csv"));
        EXPECT_NE(message.find(" 2 行目"), std::string::npos) << message;
        EXPECT_NE(message.find(row.problem), std::string::npos) << message;
    }
}

// A line break is LF, CRLF (one break, not two) or CR alone, as an old
// spreadsheet's "CSV (Macintosh)" writes it; lines are counted alike.
TEST(PulseFile, TakesEveryStyleOfLineBreak)
{
    struct Row {
        const char *name;
        std::vector<std::string> breaks; // used in turn
    };
    const std::vector<Row> rows{
        {"LF", {"\n"}},
        {"CRLF", {"\r\n"}},
        {"CR", {"\r"}},
        {"mixed, LF then CR is two breaks", {"\n", "\r", "\r\n"}},
        {"mixed, CRLF then CR is two breaks", {"\r\n", "\r", "\n"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::string text;
        auto addLine = [&, k = std::size_t{0}](std::string_view line) mutable {
            text += std::string(line) + row.breaks[k++ % row.breaks.size()];
        };
        for (const char *line : {"0.5,-0.25", "", "1,2", "3"})
            addLine(line);
        const Records records = parsed(text);
        EXPECT_EQ(records.first, (std::vector<float>{0.5f, 1, 3}));
        EXPECT_EQ(records.second, (std::vector<float>{-0.25f, 2, 0}));
        addLine("x,0");
        const std::string message = errorOf(parsePulseText(text, "lines.csv"));
        EXPECT_NE(message.find(" 5 行目"), std::string::npos) << message;
    }
}

TEST(PulseFile, ShowsABadFieldAsShortValidText)
{
    struct Row {
        const char *name;
        std::string field;
        std::string shown;
    };
    const std::vector<Row> rows{
        {"Shift-JIS bytes", "\x82\xA0x", "「??x」"},
        {"control characters", "a\x01\x7F", "「a??」"},
        {"long text cut between characters", std::string(10, 'x') + "ああああああ", "「xxxxxxxxxxああああ…」"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = errorOf(parsePulseText(row.field + ",0\n", "bad.csv"));
        EXPECT_NE(message.find(row.shown), std::string::npos) << message;
    }
}

TEST(PulseFile, HoldsAtMost3200Records)
{
    const Records full = parsed(numberedRecords(3200, "\r\n") + "\n\n");
    ASSERT_EQ(full.first.size(), 3200u);
    EXPECT_EQ(full.first.back(), 3200.0f);
    EXPECT_EQ(full.second.back(), -3200.0f);

    struct Row {
        const char *name;
        std::string text;
        int line;
    };
    const std::vector<Row> rows{
        {"3201 records", numberedRecords(3201), 3201},
        {"a 3201st record after blank lines", numberedRecords(3200) + "\n\n7\n", 3203},
        {"all on one line", [] {
             std::string line = "0";
             for (int i = 1; i < 6401; ++i)
                 line += ",0";
             return line;
         }(), 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = errorOf(parsePulseText(row.text, "long.csv"));
        EXPECT_NE(message.find("3200 組まで"), std::string::npos) << message;
        EXPECT_NE(message.find(" " + std::to_string(row.line) + " 行目"), std::string::npos) << message;
    }
}

TEST(PulseFile, RefusesWhatIsNotAReadableDataFileWithoutWaiting)
{
    const TempDir dir;
    const std::string fifo = (dir.path() / "fifo.csv").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path() / "folder.csv");
    std::filesystem::create_symlink("loop.csv", dir.path() / "loop.csv");

    struct Row {
        const char *name;
        std::string path;
        const char *problem;
    };
    const std::vector<Row> rows{
        {"missing", (dir.path() / "missing.csv").string(), "見つかりません"},
        {"missing folder", (dir.path() / "nowhere" / "x.csv").string(), "見つかりません"},
        {"directory", (dir.path() / "folder.csv").string(), "フォルダです"},
        {"pipe without a writer", fifo, "通常のファイルではありません"},
        {"endless device", "/dev/zero", "通常のファイルではありません"},
        {"one enormous line", dir.write("huge.csv", std::string(maxPulseFileBytes + 10, '1')), "大きすぎます"},
        {"name with a NUL", (dir.path() / "a").string() + std::string(1, '\0') + "b.csv", "使えない文字"},
        {"symbolic link to itself", (dir.path() / "loop.csv").string(), "シンボリックリンクが循環"},
        {"empty", dir.write("empty.csv", ""), "データがありません"},
        {"blank lines only", dir.write("blank.csv", "\n  \r\n\t\n"), "データがありません"},
        {"byte order mark only", dir.write("bom.csv", "\xEF\xBB\xBF\n"), "データがありません"},
        {"UTF-16 with its mark", dir.write("utf16.csv", std::string("\xFF\xFE" "1\0,\0" "2\0\n\0", 10)),
         "UTF-8 か ASCII のテキストではありません"},
        {"UTF-16 without a mark", dir.write("utf16be.csv", std::string("\0" "1\0,\0" "2", 5)),
         "UTF-8 か ASCII のテキストではありません"},
        {"binary", dir.write("binary.csv", std::string("1,2\n\0\x01\xFF,3\n", 9)),
         "UTF-8 か ASCII のテキストではありません"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = errorOf(readPulseFile(row.path));
        EXPECT_NE(message.find("「" + row.path + "」"), std::string::npos) << message;
        EXPECT_NE(message.find(row.problem), std::string::npos) << message;
    }
}

TEST(PulseFile, ReportsTheLineOfTooManyRecordsEvenInAnOversizedFile)
{
    const TempDir dir;
    struct Row {
        const char *name;
        const char *lineBreak;
    };
    for (const auto [name, lineBreak] : {Row{"LF", "\n"}, Row{"CRLF", "\r\n"}, Row{"CR", "\r"}}) {
        SCOPED_TRACE(name);
        std::string text;
        while (text.size() <= maxPulseFileBytes)
            text += std::string("0.125,-0.125") + lineBreak;
        const std::string path = dir.write(std::string(name) + ".csv", text);
        const std::string message = errorOf(readPulseFile(path));
        EXPECT_NE(message.find("「" + path + "」の 3201 行目"), std::string::npos) << message;
    }
}

TEST(PulseFile, RefusesAFileWithoutReadPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const TempDir dir;
    const std::string path = dir.write("secret.csv", "1,2\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_NE(errorOf(readPulseFile(path)).find("許可がありません"), std::string::npos);
}

// "実行/再実行" of a pulse program, through the file named in the file name box.
class PulseLoad : public ::testing::Test {
protected:
    std::vector<float> column(const PulseTable &table) const
    {
        std::vector<float> values;
        for (int k = 0; k <= PulseTable::lastIndex; ++k)
            values.push_back(table.at(k));
        return values;
    }
    std::vector<float> forward() const { return column(program.forwardPulse()); }
    std::vector<float> backward() const { return column(program.backwardPulse()); }

    void load(const std::string &base)
    {
        program.setText(Action::PulseFileName, base);
        program.perform(Action::LoadPulse);
    }

    TempDir dir;
    const std::unique_ptr<TravellingDemonstrator> ondel8 = test_support::openProgram<TravellingDemonstrator>("ondel8");
    TravellingDemonstrator &program = *ondel8;
};

TEST_F(PulseLoad, OverwritesOnlyTheRecordsOfTheFileAndRestartsTime)
{
    load(dir.writePulseFile("long", numberedRecords(3200)));
    EXPECT_FALSE(program.takeMessage());
    EXPECT_EQ(program.forwardPulse().at(0), 0.0f);
    EXPECT_EQ(program.forwardPulse().at(3200), 3200.0f);
    EXPECT_EQ(program.backwardPulse().at(1), -1.0f);

    program.perform(Action::ToggleTransverse);
    program.perform(Action::StopOrStep); // stopped
    program.state().timeIndex = 777;
    WindowState expected = program.state();
    expected.timeIndex = 0;

    std::string shortFile;
    for (int k = 1; k <= 100; ++k)
        shortFile += "0.5,0.25\n";
    load(dir.writePulseFile("short", shortFile));
    EXPECT_FALSE(program.takeMessage());
    EXPECT_EQ(program.state(), expected);
    for (int k : {1, 100})
        EXPECT_EQ(program.forwardPulse().at(k), 0.5f) << k;
    for (int k : {101, 3200}) {
        EXPECT_EQ(program.forwardPulse().at(k), float(k)) << k;
        EXPECT_EQ(program.backwardPulse().at(k), float(-k)) << k;
    }
}

TEST_F(PulseLoad, AFileWithoutDataChangesNothingAndSaysSo)
{
    load(dir.writePulseFile("data", "1,2\n3,4\n"));
    program.state().timeIndex = 500;
    const auto before = forward();
    load(dir.writePulseFile("empty", ""));
    EXPECT_NE(program.takeMessage().value_or("").find("データがありません"), std::string::npos);
    EXPECT_EQ(program.state().timeIndex, 500);
    EXPECT_EQ(forward(), before);
}

TEST_F(PulseLoad, AppendsCsvToWhateverTheFileNameBoxSays)
{
    dir.write("x.csv", "9,9\n");
    load(dir.writePulseFile("x.csv", "1,2\n"));
    EXPECT_FALSE(program.takeMessage());
    EXPECT_EQ(program.forwardPulse().at(1), 1.0f);
}

TEST_F(PulseLoad, ABadFileChangesNothingAndSaysWhy)
{
    load(dir.writePulseFile("good", numberedRecords(50)));
    program.perform(Action::ToggleTransverse);
    program.perform(Action::ToggleTrace);
    program.perform(Action::Reverse);
    program.state().timeIndex = 1234;
    const WindowState state = program.state();
    const auto forwardBefore = forward();
    const auto backwardBefore = backward();
    std::filesystem::create_directory(dir.path() / "folder.csv");
    const std::string device = (dir.path() / "device").string();
    std::filesystem::create_symlink("/dev/zero", device + ".csv");

    struct Row {
        const char *name;
        std::string base;
        std::string expected; // in the message
    };
    const std::vector<Row> rows{
        {"missing", (dir.path() / "missing").string(), "missing.csv」を読めません"},
        {"directory", (dir.path() / "folder").string(), "folder.csv」を読めません"},
        {"too many records", dir.writePulseFile("many", numberedRecords(3201)), "many.csv」の 3201 行目"},
        {"bad field late in the file", dir.writePulseFile("word", numberedRecords(60) + "1,x\n"),
         "word.csv」の 61 行目"},
        {"too large a value", dir.writePulseFile("big", "1,2\n1e36,0\n"), "big.csv」の 2 行目"},
        {"device", device, "device.csv」を読めません"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        load(row.base);
        const auto message = program.takeMessage();
        ASSERT_TRUE(message);
        EXPECT_NE(message->find(row.expected), std::string::npos) << *message;
        EXPECT_EQ(program.state(), state);
        EXPECT_EQ(forward(), forwardBefore);
        EXPECT_EQ(backward(), backwardBefore);
    }
}

} // namespace
} // namespace ondel
