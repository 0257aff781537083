// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

// A fresh directory of its own for one test's files, removed with everything
// in it when the test ends.
namespace ondel::test_support {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ondel-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary directory");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }

    // Writes `bytes` to `name` in this directory and returns its full path.
    std::string write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + file.string());
        return file.string();
    }

    // Writes the pulse data file "<base>.csv" and returns the base as it
    // belongs in Text1.
    std::string writePulseFile(std::string_view base, std::string_view bytes) const
    {
        write(std::string(base) + ".csv", bytes);
        return (path_ / base).string();
    }

private:
    std::filesystem::path path_;
};

} // namespace ondel::test_support
