// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulse_file_cases.h"

#include <cmath>
#include <functional>
#include <random>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace ondel::soak {

namespace {

namespace fs = std::filesystem;

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// n records of a smooth pulse in the first column and its inverted, narrower
// twin in the second, so that every index of the arrays carries a value.
std::string pulseRecords(int n)
{
    std::string text;
    for (int k = 1; k <= n; ++k) {
        const double first = std::exp(-std::pow((k % 400 - 200) / 40.0, 2));
        const double second = -0.5 * std::exp(-std::pow((k % 300 - 150) / 20.0, 2));
        text += std::to_string(first) + "," + std::to_string(second) + "\n";
    }
    return text;
}

std::string garbage()
{
    std::mt19937 random(7);
    std::string bytes(4096, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random());
    bytes.front() = '\xFF';
    return bytes;
}

void require(bool ok, const fs::path &path)
{
    if (!ok)
        throw std::runtime_error("cannot create " + path.string());
}

struct Maker {
    PulseFileCase fileCase;
    // Creates the case's file (or whatever stands in its place); none for a
    // name that must not exist.
    std::function<void(const test_support::TempDir &, const fs::path &)> make;
};

std::function<void(const test_support::TempDir &, const fs::path &)> content(std::string bytes)
{
    return [bytes = std::move(bytes)](const test_support::TempDir &dir, const fs::path &file) {
        dir.write(file.filename().string(), bytes);
    };
}

std::vector<Maker> makers()
{
    // The largest magnitude that still draws, in single precision, as the
    // sum of two columns at 1000 twips per unit.
    const std::string largest = "1.7e35";
    return {
        {{"small", Expect::Load, "seven records"}, content("0,0\n0.1,-0.1\n0.5,-0.25\n1,-0.5\n0.5,-0.25\n0.1,-0.1\n0,0\n")},
        {{"full", Expect::Load, "3200 records"}, content(pulseRecords(3200))},
        {{"largest", Expect::Load, "3200 records of the largest drawable values"},
         content(repeated(largest + ",-" + largest + "\n-" + largest + "," + largest + "\n", 1600))},

        {{"spreadsheet", Expect::Load, "byte order mark, CRLF, blanks, blank lines"},
         content("\xEF\xBB\xBF 0.25 , -0.5 \r\n\r\n+1,.5\r\n-1.5e-1,2E0\r\n")},
        {{"single_value", Expect::Load, "a last record with one value"}, content("0.5,0.25\n0.75\n")},
        {{"missing", Expect::Refuse, "no such file"}, nullptr},
        {{"", Expect::Refuse, "an empty name"}, nullptr},
        {{std::string(300, 'x'), Expect::Refuse, "a name too long for the file system"}, nullptr},
        {{"folder", Expect::Refuse, "a folder"}, [](const auto &, const fs::path &file) { require(fs::create_directory(file), file); }},
        {{"unreadable", Expect::Refuse, "no read permission"},
         [](const test_support::TempDir &dir, const fs::path &file) {
             dir.write(file.filename().string(), "0.5,0.5\n");
             fs::permissions(file, fs::perms::none);
         }},
        {{"garbage", Expect::Refuse, "binary garbage"}, content(garbage())},
        {{"empty", Expect::Refuse, "an empty file"}, content("")},
        {{"blank_lines", Expect::Refuse, "blank lines only"}, content("\n \t\r\n\n")},
        {{"utf16", Expect::Refuse, "UTF-16 with its byte order mark"}, content(std::string("\xFF\xFE" "1\0,\0" "2\0\n\0", 10))},
        {{"loop", Expect::Refuse, "a symbolic link to itself"},
         [](const auto &, const fs::path &file) { fs::create_symlink(file.filename(), file); }},
        {{"enormous_line", Expect::Refuse, "one line of 1.5 MiB"}, content(repeated("0.5,", 393216))},
        {{"wide_line", Expect::Refuse, "6402 values on one line"}, content(repeated("0.5,", 6401) + "0.5\n")},
        {{"records_3201", Expect::Refuse, "3201 records"}, content(pulseRecords(3201))},
        {{"not_a_number", Expect::Refuse, "a word for a value"}, content("0.5,0.5\n0.5,abc\n")},
        {{"shift_jis", Expect::Refuse, "a Shift-JIS heading"}, content("\x83\x70\x83\x8B\x83\x58,\x83\x66\x81\x5B\x83\x5E\n0.5,0.5\n")},
        {{"nan", Expect::Refuse, "NaN"}, content("nan,0.5\n")},
        {{"infinity", Expect::Refuse, "infinity"}, content("0.5,inf\n")},
        {{"too_large", Expect::Refuse, "1e39, beyond single precision"}, content("1e39,0\n")},
        {{"undrawable_sum", Expect::Refuse, "3.4e35: drawable alone, not as the sum of two"}, content("3.4e35,3.4e35\n")},
        {{"device", Expect::Refuse, "a link to /dev/zero"},
         [](const auto &, const fs::path &file) { fs::create_symlink("/dev/zero", file); }},
        {{"fifo", Expect::Refuse, "a named pipe without a writer"},
         [](const auto &, const fs::path &file) { require(::mkfifo(file.c_str(), 0644) == 0, file); }},
    };
}

} // namespace

PulseFileFolder::PulseFileFolder()
{
    for (Maker &maker : makers()) {
        const fs::path file = path() / (maker.fileCase.name + ".csv");
        if (maker.make)
            maker.make(folder_, file);
        // Permissions do not stop root: an unreadable file then loads.
        if (maker.fileCase.name == "unreadable" && ::access(file.c_str(), R_OK) == 0)
            maker.fileCase.expect = Expect::Load;
        cases_.push_back(std::move(maker.fileCase));
    }
}

std::string PulseFileFolder::text1(const PulseFileCase &fileCase) const { return (path() / fileCase.name).string(); }

} // namespace ondel::soak
