#include "pulse_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondel {

namespace {

// A value this large would leave the single-precision range once drawn
// (1000 twips per unit).
constexpr double largestValue = std::numeric_limits<float>::max() / 1000.0;

std::string quoted(std::string_view name) { return "「" + std::string(name) + "」"; }

std::string lineError(std::string_view fileName, int line, const std::string &what)
{
    return "ファイル" + quoted(fileName) + "の " + std::to_string(line) + " 行目: " + what +
           "\nデータは読み込まれていません。";
}

// A field as it may be shown back to the teacher: at most 24 bytes, control
// characters replaced.
std::string shown(std::string_view field)
{
    std::string out;
    for (char c : field.substr(0, 24))
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (field.size() > 24)
        out += "…";
    return out;
}

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The value of one field, or an error text.
std::variant<float, std::string> fieldValue(std::string_view field)
{
    std::string_view number = trimmed(field);
    if (number.empty())
        return std::string("値がありません（空の欄）。");
    std::string_view digits = number;
    if (digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end != digits.data() + digits.size() || digits.empty() || (error != std::errc{} && error != std::errc::result_out_of_range))
        return quoted(shown(number)) + "は数値ではありません。";
    if (error == std::errc::result_out_of_range || !std::isfinite(value) || std::fabs(value) > largestValue)
        return "値" + quoted(shown(number)) + "は大きすぎるか、有限の数ではありません。";
    return static_cast<float>(value);
}

} // namespace

PulseReadResult parsePulseText(std::string_view bytes, std::string_view fileName)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

    std::vector<float> values;
    int line = 0;
    while (!bytes.empty()) {
        ++line;
        const std::size_t lineEnd = bytes.find('\n');
        const std::string_view text = bytes.substr(0, lineEnd);
        bytes.remove_prefix(lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1);
        if (trimmed(text).empty())
            continue;

        std::string_view rest = text;
        while (true) {
            const std::size_t comma = rest.find(',');
            if (values.size() == 2 * maxPulseRecords)
                return PulseFileError{lineError(fileName, line, "データは 3200 組までです。")};
            auto value = fieldValue(rest.substr(0, comma));
            if (auto *message = std::get_if<std::string>(&value))
                return PulseFileError{lineError(fileName, line, *message)};
            values.push_back(std::get<float>(value));
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
    }

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

PulseFileError fileError(const std::string &path, const std::string &what)
{
    return {"ファイル" + quoted(path) + "を読めません: " + what + "\nデータは読み込まれていません。"};
}

std::string openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "見つかりません。名前と作業フォルダを確かめてください。";
    case EACCES:
    case EPERM:
        return "読み取りの許可がありません。";
    case ENAMETOOLONG:
        return "名前が長すぎます。";
    default:
        return "開けません（エラー " + std::to_string(error) + "）。";
    }
}

} // namespace

PulseReadResult readPulseFile(const std::string &path)
{
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
    if (static_cast<std::size_t>(info.st_size) > maxPulseFileBytes)
        return fileError(path, "大きすぎます（1 MiB まで）。");

    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fileError(path, "読み取りに失敗しました（エラー " + std::to_string(errno) + "）。");
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        // The file may have grown since it was measured.
        if (bytes.size() > maxPulseFileBytes)
            return fileError(path, "大きすぎます（1 MiB まで）。");
    }
    return parsePulseText(bytes, path);
}

} // namespace ondel
