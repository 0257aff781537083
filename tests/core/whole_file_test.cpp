// SPDX-License-Identifier: GPL-3.0-or-later
// The saves of the window write whole files or nothing: a failure of any
// size, for any cause, leaves the folder as it was and gives the reason.
#include "shell/pulse/system_error.h"
#include "shell/pulse/whole_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>

namespace ondel {
namespace {

namespace fs = std::filesystem;
using test_support::FileSizeLimit;
using test_support::TempDir;

// Every entry of a folder with its contents.
std::map<std::string, std::string> contents(const fs::path &folder)
{
    std::map<std::string, std::string> files;
    for (const auto &entry : fs::directory_iterator(folder)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

TEST(WholeFile, AFailedSaveOfAnySizeLeavesTheFolderAsItWasAndSaysWhy)
{
    const struct {
        const char *name;
        std::size_t bytes;
    } sizes[] = {{"readings", 2'000}, {"picture with the rows hidden", 9'000}, {"short drawn pulse", 14'000},
                 {"large picture", 200'000}};
    enum class Cause { SizeLimit, ReadOnlyFolder, MissingFolder };
    const struct {
        const char *name;
        Cause cause;
        int error;
        const char *reason;
    } causes[] = {
        {"file-size limit", Cause::SizeLimit, EFBIG, "ファイルの大きさの上限を超えます。"},
        {"read-only folder", Cause::ReadOnlyFolder, EACCES, "許可がありません。"},
        {"missing folder", Cause::MissingFolder, ENOENT, "ファイルかフォルダが見つかりません。"},
    };
    for (const auto &cause : causes) {
        if (cause.cause == Cause::ReadOnlyFolder && ::geteuid() == 0)
            continue; // root writes anywhere
#ifdef __EMSCRIPTEN__
        if (cause.cause == Cause::SizeLimit)
            continue; // the browser's memory file system knows no size limit
#endif
        for (const auto &size : sizes) {
            for (const bool replacing : {false, true}) {
                SCOPED_TRACE(std::string(cause.name) + ", " + size.name + (replacing ? ", replacing" : ", new"));
                const TempDir dir;
                if (replacing)
                    dir.write("saved.png", "the old picture");
                const auto before = contents(dir.path());
                fs::path path = dir.path() / "saved.png";
                if (cause.cause == Cause::MissingFolder)
                    path = dir.path() / "nowhere" / "saved.png";
                if (cause.cause == Cause::ReadOnlyFolder)
                    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
                std::optional<int> error;
                {
                    const FileSizeLimit limit(cause.cause == Cause::SizeLimit ? 1024 : RLIM_INFINITY);
                    error = writeWholeFile(path.string(), std::string(size.bytes, 'x'));
                }
                fs::permissions(dir.path(), fs::perms::owner_all);
                EXPECT_EQ(error, cause.error);
                EXPECT_EQ(systemReason(error.value_or(0)), cause.reason);
                EXPECT_EQ(contents(dir.path()), before);
            }
        }
    }
}

TEST(WholeFile, ReplacesTheFileALinkLeadsToKeepingTheLinkAndThePermissions)
{
    const TempDir dir;
    const std::string file = dir.write("figure.png", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("figure.png", dir.path() / "link.png");
    EXPECT_EQ(writeWholeFile((dir.path() / "link.png").string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.png"));
    EXPECT_EQ(contents(dir.path()), (std::map<std::string, std::string>{{"figure.png", "new"}, {"link.png", "new"}}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace ondel
