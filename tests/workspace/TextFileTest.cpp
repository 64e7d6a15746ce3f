// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles read as they are, bytewise, with the reason a file cannot be read.

#include "workspace/TextFile.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::workspace {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class ProfileFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() /
               ("tessaro-ini-" + std::to_string(::getpid()) + "-" + std::to_string(stamp));
        ASSERT_TRUE(fs::create_directory(dir_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_ / "locked.pcf", fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }

    fs::path write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

TEST_F(ProfileFileTest, ReadsWholeFilesBytewise) {
    const std::string bytes = "[a]\r\nk=\0\xff\n"s;
    const TextFile file = readTextFile(write("a.pcf", bytes));
    EXPECT_EQ(file.status, TextFile::Status::Ok);
    EXPECT_EQ(file.text, bytes);
    EXPECT_EQ(readTextFile(write("empty.pcf", "")).status, TextFile::Status::Ok);
    EXPECT_EQ(readTextFile(write("limit.pcf", "12345678"), 8).text, "12345678");
}

TEST_F(ProfileFileTest, ReportsWhyAFileCannotBeRead) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    const struct {
        fs::path path;
        std::size_t maxBytes;
        TextFile::Status status;
        std::string error;
    } cases[] = {
        {dir_ / "none.pcf", kMaxProfileBytes, TextFile::Status::Missing,
         (dir_ / "none.pcf").string() + ": No such file or directory"},
        {dir_, kMaxProfileBytes, TextFile::Status::Unreadable, dir_.string() + ": Is a directory"},
        {write("big.pcf", "123456789"), 8, TextFile::Status::Unreadable,
         (dir_ / "big.pcf").string() + ": file is larger than 8 bytes"},
        {write("huge.pcf", std::string(2048, 'x')), 1024, TextFile::Status::Unreadable,
         (dir_ / "huge.pcf").string() + ": file is larger than 1 KiB"},
        {dir_ / "pipe", kMaxProfileBytes, TextFile::Status::Unreadable,
         (dir_ / "pipe").string() + ": not a regular file"},
    };
    for (const auto& c : cases) {
        const TextFile file = readTextFile(c.path, c.maxBytes);
        EXPECT_EQ(file.status, c.status) << c.path;
        EXPECT_EQ(file.error, c.error);
        EXPECT_EQ(file.text, "");
    }
}

TEST_F(ProfileFileTest, ReportsPermissionDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root from reading";
    }
    const fs::path path = write("locked.pcf", "[a]\nk=1\n");
    fs::permissions(path, fs::perms::none);
    const TextFile file = readTextFile(path);
    EXPECT_EQ(file.status, TextFile::Status::Unreadable);
    EXPECT_EQ(file.error, path.string() + ": Permission denied");
}

} // namespace
} // namespace tessaro::workspace
