// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/pulse_file.h"

#include "shell/pulse/system_error.h"
#include "shell/pulse/text_bytes.h"
#include "shell/state/numeric.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondel {

namespace {

std::string quoted(std::string_view name) { return "「" + std::string(name) + "」"; }

std::string lineError(std::string_view fileName, int line, const std::string &what)
{
    return "ファイル" + quoted(fileName) + "の " + std::to_string(line) + " 行目: " + what +
           "\nデータは読み込まれていません。";
}

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isWord(std::string_view text, std::string_view word)
{
    return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                      [](char a, char b) { return lowerCase(a) == b; });
}

bool isNanPayload(char c)
{
    const char lower = lowerCase(c);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Whether all of `text` is a number: [-] decimal [e [sign] digits], or [-]
// "inf", "infinity", "nan", "nan(letters, digits, _)" in any case. strtold
// takes more (blanks in front, hexadecimal, a '+'); this reader never did.
bool isNumber(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    if (isWord(text, "inf") || isWord(text, "infinity") || isWord(text, "nan"))
        return true;
    if (isWord(text.substr(0, 4), "nan(") && text.ends_with(')'))
        return std::all_of(text.begin() + 4, text.end() - 1, isNanPayload);

    const std::size_t decimal = decimalLength(text);
    if (decimal == 0)
        return false;
    std::string_view exponent = text.substr(decimal);
    if (exponent.empty())
        return true;
    if (lowerCase(exponent.front()) != 'e')
        return false;
    exponent.remove_prefix(1);
    if (exponent.starts_with('+') || exponent.starts_with('-'))
        exponent.remove_prefix(1);
    return !exponent.empty() && exponent.find_first_not_of("0123456789") == std::string_view::npos;
}

// The value of one field, or an error text. Read as a long double, so that a
// value too small for single precision becomes 0 instead of an error.
std::variant<float, std::string> fieldValue(std::string_view field)
{
    const std::string_view number = trimmed(field);
    if (number.empty())
        return std::string("値がありません（空の欄）。");
    std::string_view digits = number;
    if (digits.starts_with('+') && !digits.substr(1).starts_with('-'))
        digits.remove_prefix(1);
    if (!isNumber(digits))
        return quoted(shown(number)) + "は数値ではありません。";
    // strtold wants the number on its own, ended by a NUL.
    const std::string copy(digits);
    errno = 0;
    const long double value = ::strtold_l(copy.c_str(), nullptr, cLocale());
    if (errno == ERANGE)
        return "値" + quoted(shown(number)) + "は扱える範囲を超えています。";
    const auto tooLarge = [&] { return "値" + quoted(shown(number)) + "は大きすぎるか、有限の数ではありません。"; };
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return tooLarge();
    // Drawn at 1000 twips per unit, in single precision, as the sum of two
    // values (every program adds two components): that sum must stay finite.
    const float stored = static_cast<float>(value);
    if (!std::isfinite(2000.0f * stored))
        return tooLarge();
    return stored;
}

// Takes the first line off `bytes`. A line ends in LF, in CRLF or, as an old
// spreadsheet writes it, in CR alone.
std::string_view takeLine(std::string_view &bytes)
{
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end);
    if (bytes.starts_with("\r\n"))
        bytes.remove_prefix(2);
    else if (!bytes.empty())
        bytes.remove_prefix(1);
    return line;
}

// "ファイル「name」" and what is wrong with it, in one sentence.
PulseFileError fileProblem(std::string_view fileName, const std::string &sentence)
{
    return {"ファイル" + quoted(fileName) + sentence + "\nデータは読み込まれていません。"};
}

PulseFileError fileError(std::string_view fileName, const std::string &what)
{
    return fileProblem(fileName, "を読めません: " + what);
}

// The numbers of a text in file order, or why it is refused.
std::variant<std::vector<float>, PulseFileError> fileValues(std::string_view bytes, std::string_view fileName)
{
    if (!isPlainText(bytes))
        return fileProblem(fileName, "は UTF-8 か ASCII のテキストではありません（UTF-16 で保存されたファイルなど）。"
                                     "UTF-8 のテキストとして保存し直してください。");
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

    std::vector<float> values;
    int line = 0;
    while (!bytes.empty()) {
        ++line;
        const std::string_view text = takeLine(bytes);
        if (trimmed(text).empty())
            continue;

        std::string_view rest = text;
        while (true) {
            const std::size_t comma = rest.find(',');
            if (values.size() == 2 * maxPulseRecords)
                return PulseFileError{lineError(fileName, line, "データは " + std::to_string(maxPulseRecords) + " 組までです。")};
            auto value = fieldValue(rest.substr(0, comma));
            if (auto *message = std::get_if<std::string>(&value))
                return PulseFileError{lineError(fileName, line, *message)};
            values.push_back(std::get<float>(value));
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
    }
    return values;
}

} // namespace

PulseReadResult parsePulseText(std::string_view bytes, std::string_view fileName)
{
    auto read = fileValues(bytes, fileName);
    if (auto *error = std::get_if<PulseFileError>(&read))
        return std::move(*error);
    const std::vector<float> &values = std::get<std::vector<float>>(read);
    // Loading nothing would only restart time and leave the teacher guessing.
    if (values.empty())
        return fileProblem(fileName, "にはデータがありません（空のファイルか、空白の行だけです）。");

    PulseRecords records;
    const std::size_t count = (values.size() + 1) / 2;
    records.first.reserve(count);
    records.second.reserve(count);
    for (std::size_t i = 0; i < values.size(); i += 2) {
        records.first.push_back(values[i]);
        records.second.push_back(i + 1 < values.size() ? values[i + 1] : 0.0f);
    }
    return records;
}

namespace {

// Closes the descriptor however the read ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};


std::string openFailure(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return "見つかりません。名前と作業フォルダを確かめてください。";
    return "開けません: " + systemReason(error);
}

} // namespace

PulseReadResult readPulseFile(const std::string &path)
{
    // A name cut short at a NUL would open some other file.
    if (path.find('\0') != std::string::npos)
        return fileError(path, "名前に使えない文字が含まれています。");
    // Non-blocking, so that a pipe without a writer cannot hang the window;
    // only regular files are read at all.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return fileError(path, openFailure(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return fileError(path, openFailure(errno));
    if (S_ISDIR(info.st_mode))
        return fileError(path, "フォルダです。パルスデータのファイルを指定してください。");
    if (!S_ISREG(info.st_mode))
        return fileError(path, "通常のファイルではありません。");

    // One byte more than allowed tells a file that is too large, whatever
    // its size claimed (it may grow while it is read).
    std::string bytes(maxPulseFileBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fileError(path, "読み取りに失敗しました: " + systemReason(errno));
        }
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return parsePulseFile(bytes, path);
}

PulseReadResult parsePulseFile(std::string_view bytes, const std::string &fileName)
{
    if (bytes.size() <= maxPulseFileBytes)
        return parsePulseText(bytes, fileName);

    // Too large. The complete lines of the first MiB may already show what
    // is wrong (typically too many records, with the line); say that instead.
    const std::size_t lastLineEnd = bytes.find_last_of("\r\n", maxPulseFileBytes - 1);
    const std::string_view completeLines = bytes.substr(0, lastLineEnd == std::string_view::npos ? 0 : lastLineEnd + 1);
    auto prefix = fileValues(completeLines, fileName);
    if (auto *error = std::get_if<PulseFileError>(&prefix))
        return std::move(*error);
    return fileError(fileName, "大きすぎます（1 MiB まで）。");
}

} // namespace ondel
