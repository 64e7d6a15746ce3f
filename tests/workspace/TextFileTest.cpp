// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles read as they are, bytewise, with the reason a file cannot be read.

#include "workspace/TextFile.h"

#include "message/English.h"
#include "support/TempDir.h"

#include <filesystem>
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
    test::TempDir dir;
};

TEST_F(ProfileFileTest, ReadsWholeFilesBytewise) {
    const std::string bytes = "[a]\r\nk=\0\xff\n"s;
    const TextFile file = readTextFile(dir.write("a.pcf", bytes));
    EXPECT_EQ(file.status, TextFile::Status::Ok);
    EXPECT_EQ(file.text, bytes);
    EXPECT_EQ(readTextFile(dir.write("empty.pcf", "")).status, TextFile::Status::Ok);
    EXPECT_EQ(readTextFile(dir.write("limit.pcf", "12345678"), 8).text, "12345678");
}

TEST_F(ProfileFileTest, ReportsWhyAFileCannotBeRead) {
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const struct {
        fs::path path;
        std::size_t maxBytes;
        TextFile::Status status;
        std::string error;
    } cases[] = {
        {dir / "none.pcf", kMaxProfileBytes, TextFile::Status::Missing,
         (dir / "none.pcf").string() + ": No such file or directory"},
        {dir.path(), kMaxProfileBytes, TextFile::Status::Unreadable,
         dir.path().string() + ": Is a directory"},
        {dir.write("big.pcf", "123456789"), 8, TextFile::Status::Unreadable,
         (dir / "big.pcf").string() + ": file is larger than 8 bytes"},
        {dir.write("huge.pcf", std::string(2048, 'x')), 1024, TextFile::Status::Unreadable,
         (dir / "huge.pcf").string() + ": file is larger than 1 KiB"},
        {dir / "pipe", kMaxProfileBytes, TextFile::Status::Unreadable,
         (dir / "pipe").string() + ": not a regular file"},
    };
    for (const auto& c : cases) {
        const TextFile file = readTextFile(c.path, c.maxBytes);
        EXPECT_EQ(file.status, c.status) << c.path;
        ASSERT_TRUE(file.error) << c.path;
        EXPECT_EQ(message::english(*file.error), c.error);
        EXPECT_EQ(file.text, "");
    }
}

TEST_F(ProfileFileTest, ReportsPermissionDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root from reading";
    }
    const fs::path path = dir.write("locked.pcf", "[a]\nk=1\n");
    fs::permissions(path, fs::perms::none);
    const TextFile file = readTextFile(path);
    EXPECT_EQ(file.status, TextFile::Status::Unreadable);
    ASSERT_TRUE(file.error);
    EXPECT_EQ(message::english(*file.error), path.string() + ": Permission denied");
}

} // namespace
} // namespace tessaro::workspace
